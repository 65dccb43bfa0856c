#include "support/FileSizeLimit.h"

namespace grafida::testing {

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    if (getrlimit(RLIMIT_FSIZE, &saved_) != 0)
        return;
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved_;
    tight.rlim_cur = bytes;
    active_ = setrlimit(RLIMIT_FSIZE, &tight) == 0;
}

FileSizeLimit::~FileSizeLimit() {
    if (active_)
        setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
}

} // namespace grafida::testing
