#pragma once
// Makes every write past a few bytes fail while it lives, as a full disk would:
// the process's file size limit is lowered and the signal that would end the
// process on reaching it is ignored, so write() reports the failure instead.
// Tests run as root, where permission bits stop nothing.

#include <csignal>
#include <sys/resource.h>

namespace grafida::testing {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    // False when the limit could not be set (the test cannot show anything then).
    bool active() const { return active_; }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
    bool active_ = false;
};

} // namespace grafida::testing
