#include "workspace/RunFolder.h"

#include "numeric/Error.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace grafida {

namespace fs = std::filesystem;

namespace {

// "grafida-run-<pid>-XXXXXX": the process id tells a later run whether the
// folder's owner is still alive.
constexpr std::string_view kPrefix = "grafida-run-";

bool ProcessIsAlive(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

// The process id in a run folder's name, or 0 when the name is not one of ours.
pid_t OwnerOf(std::string_view name) {
    if (!name.starts_with(kPrefix))
        return 0;
    name.remove_prefix(kPrefix.size());
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (error != std::errc() || end == name.data() || end == name.data() + name.size() || *end != '-')
        return 0;
    return pid > 0 ? pid : 0;
}

} // namespace

std::string DefaultRunFolderBase() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && runtime[0] == '/') {
        std::error_code error;
        if (fs::is_directory(runtime, error) && ::access(runtime, W_OK | X_OK) == 0)
            return runtime;
    }
    std::error_code error;
    const fs::path temporary = fs::temp_directory_path(error);
    return error ? std::string("/tmp") : temporary.string();
}

int RemoveStaleRunFolders(const std::string& base) {
    std::error_code error;
    std::vector<fs::path> stale;
    for (fs::directory_iterator entry(base, error), end; !error && entry != end; entry.increment(error)) {
        const pid_t owner = OwnerOf(entry->path().filename().string());
        if (owner == 0 || owner == ::getpid() || ProcessIsAlive(owner))
            continue;
        struct stat info {};
        // Only our own real folders: never follow a link, never touch another user's.
        if (::lstat(entry->path().c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid())
            stale.push_back(entry->path());
    }
    int removed = 0;
    for (const auto& path : stale) {
        std::error_code ignored;
        if (fs::remove_all(path, ignored) > 0)
            ++removed;
    }
    return removed;
}

RunFolder::RunFolder(const std::string& base) {
    RemoveStaleRunFolders(base);
    std::string pattern = base + "/" + std::string(kPrefix) + std::to_string(::getpid()) + "-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        RaiseError("Can't create the work folder in %s", base);
    path_ = pattern;
}

RunFolder::~RunFolder() {
    Remove();
}

void RunFolder::Remove() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

} // namespace grafida
