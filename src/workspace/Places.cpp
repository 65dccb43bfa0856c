#include "workspace/Places.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace grafida {

std::string ExecutableFolder() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return "";
    return executable.parent_path().string();
}

namespace {
std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string AbsoluteEnvironmentPath(const char* variable) {
    const char* value = std::getenv(variable);
    // Relative values are invalid for these variables and are ignored.
    return value && value[0] == '/' ? WithoutTrailingSlashes(value) : std::string();
}
} // namespace

std::string UserConfigFolder() {
    std::string base = AbsoluteEnvironmentPath("XDG_CONFIG_HOME");
    if (base.empty()) {
        std::string home = AbsoluteEnvironmentPath("HOME");
        if (home.empty())
            if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir && user->pw_dir[0] == '/')
                home = WithoutTrailingSlashes(user->pw_dir);
        if (home.empty())
            return "";
        base = (home == "/" ? "" : home) + "/.config";
    }
    return (base == "/" ? "" : base) + "/grafida";
}

bool IsWritableFolder(const std::string& folder) {
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return false;
    // Permission bits do not tell (root, read-only mounts, special file systems):
    // only creating a file does.
    std::string probe = folder + "/.grafida-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

} // namespace grafida
