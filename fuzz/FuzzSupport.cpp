#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace grafida::fuzz {

namespace {

void RemoveScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(ScratchFolder(), ignored);
}

} // namespace

void KeepQuiet() {
    static SilentReporter reporter;
    SetProcessReporter(&reporter);
}

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        // Memory-backed when the system has it: the targets write a file per input.
        std::error_code error;
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        std::string pattern = (base / "grafida-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        return pattern;
    }();
    static const bool removedAtExit = std::atexit(RemoveScratchFolder) == 0;
    (void)removedAtExit;
    return folder;
}

std::string WriteScratchFile(const std::string& name, std::string_view bytes) {
    const std::string path = (std::filesystem::path(ScratchFolder()) / name).string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::perror(path.c_str());
        std::abort();
    }
    return path;
}

} // namespace grafida::fuzz
