#include "numeric/TextFile.h"

#include "numeric/TextTarget.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace grafida {

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

FileContent ReadWholeFile(const std::string& path) {
    FileContent content;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        content.status = errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::Unreadable;
        return content;
    }
    if (S_ISDIR(info.st_mode)) {
        content.status = ReadStatus::Unreadable;
        return content;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        content.status = ReadStatus::Unreadable;
        return content;
    }
    if (S_ISREG(info.st_mode) && info.st_size > 0)
        content.bytes.reserve(static_cast<size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            content.status = ReadStatus::Unreadable;
            content.bytes.clear();
            break;
        }
        content.bytes.append(buffer, static_cast<size_t>(got));
    }
    ::close(fd);
    return content;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        const size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos)
            end = text.size();
        size_t stop = end;
        if (stop > start && text[stop - 1] == '\r')
            --stop;
        lines.push_back(text.substr(start, stop - start));
        start = next;
    }
    return lines;
}

namespace {

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// The file a path finally names (links followed), so that saving through a link
// replaces the linked file and keeps the link.
std::string ResolveTarget(const std::string& path) {
    std::error_code error;
    std::filesystem::path target(path);
    for (int hops = 0; hops < 32 && std::filesystem::is_symlink(target, error); ++hops) {
        const auto link = std::filesystem::read_symlink(target, error);
        if (error)
            break;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target.string();
}

} // namespace

bool WriteFileAtomically(const std::string& path, std::string_view content) {
    const std::filesystem::path target(ResolveTarget(path));
    std::error_code error;
    if (std::filesystem::is_directory(target, error))
        return false;
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string temporary = folder.string();
    temporary.append("/.").append(target.filename().string()).append(".XXXXXX");
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return false;
    // Keep the permissions of the file we replace; new files get the usual 0666 less umask.
    struct stat old {};
    mode_t mode;
    if (::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = WriteAll(fd, content) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok)
        ::unlink(temporary.c_str());
    return ok;
}

} // namespace grafida
