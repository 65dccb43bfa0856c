#pragma once
// Blank-separated fields of one text line. Other programs pad their fields with
// several blanks or tabs, so fields are runs of non-blank characters.

#include <string_view>
#include <vector>

namespace grafida {

inline bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

inline std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i]))
            ++i;
        const size_t start = i;
        while (i < line.size() && !IsBlank(line[i]))
            ++i;
        if (i > start)
            fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

// The first field of line, or an empty view.
inline std::string_view FirstField(std::string_view line) {
    size_t i = 0;
    while (i < line.size() && IsBlank(line[i]))
        ++i;
    size_t end = i;
    while (end < line.size() && !IsBlank(line[end]))
        ++end;
    return line.substr(i, end - i);
}

inline std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace grafida
