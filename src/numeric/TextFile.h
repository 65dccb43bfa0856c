#pragma once
// Reading and writing whole text files. Writes are atomic: the new content goes to
// a temporary file in the same folder that is renamed over the target only once it
// is completely on disk, so a failed write never destroys the old file.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grafida {

enum class ReadStatus { Ok, Missing, Unreadable };

struct FileContent {
    ReadStatus status = ReadStatus::Ok;
    std::string bytes;
};

// The whole file; Missing when nothing exists at path, Unreadable for a folder or
// any read failure.
FileContent ReadWholeFile(const std::string& path);

// Splits text into lines on LF, dropping one CR before each LF (either line end).
// A last line without an end is kept; an empty text has no lines.
std::vector<std::string_view> SplitLines(std::string_view text);

// Replaces path with content atomically; false (old file untouched) on any failure.
bool WriteFileAtomically(const std::string& path, std::string_view content);

} // namespace grafida
