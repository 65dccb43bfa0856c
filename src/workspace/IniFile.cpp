#include "workspace/IniFile.h"

#include "numeric/TextFile.h"
#include "numeric/TextTarget.h"

namespace grafida {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// The name of a "[name]" header line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

bool IsComment(std::string_view line) {
    line = Trim(line);
    return !line.empty() && (line.front() == ';' || line.front() == '#');
}

// Position of the "=" of a "key=value" line, or npos.
size_t EqualsSign(std::string_view line) {
    if (IsComment(line) || SectionName(line))
        return std::string_view::npos;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || Trim(line.substr(0, equals)).empty())
        return std::string_view::npos;
    return equals;
}

bool FitsOnOneLine(std::string_view text) {
    return text.find_first_of("\r\n") == std::string_view::npos;
}

} // namespace

IniFile::IniFile(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        byteOrderMark_ = kByteOrderMark;
        text.remove_prefix(kByteOrderMark.size());
    }
    for (const std::string_view line : SplitLines(text))
        lines_.emplace_back(line);
}

std::optional<IniFile::Span> IniFile::FindSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i]);
        if (!name || !EqualIgnoringAsciiCase(*name, Trim(section)))
            continue;
        size_t end = i + 1;
        while (end < lines_.size() && !SectionName(lines_[end]))
            ++end;
        return Span{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> IniFile::FindKey(const Span& span, std::string_view key) const {
    for (size_t i = span.header + 1; i < span.end; ++i) {
        const size_t equals = EqualsSign(lines_[i]);
        if (equals != std::string_view::npos &&
            EqualIgnoringAsciiCase(Trim(std::string_view(lines_[i]).substr(0, equals)), Trim(key)))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
    const auto span = FindSection(section);
    if (!span)
        return std::nullopt;
    const auto line = FindKey(*span, key);
    if (!line)
        return std::nullopt;
    const std::string_view text = lines_[*line];
    return std::string(Trim(text.substr(EqualsSign(text) + 1)));
}

bool IniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    if (!FitsOnOneLine(section) || !FitsOnOneLine(key) || !FitsOnOneLine(value) || section.empty() ||
        section.find(']') != std::string_view::npos || key.empty() ||
        key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == ';' ||
        key.front() == '#')
        return false;
    std::string entry = std::string(key) + "=" + std::string(value);

    auto span = FindSection(section);
    if (!span) {
        if (!lines_.empty() && !Trim(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::move(entry));
        return true;
    }
    if (const auto line = FindKey(*span, key)) {
        // Keep the key's own spelling and the blanks around "=".
        std::string& text = lines_[*line];
        size_t start = EqualsSign(text) + 1;
        while (start < text.size() && IsBlank(text[start]))
            ++start;
        text.replace(start, std::string::npos, value);
        return true;
    }
    size_t after = span->header + 1;
    for (size_t i = span->header + 1; i < span->end; ++i)
        if (EqualsSign(lines_[i]) != std::string_view::npos)
            after = i + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after), std::move(entry));
    return true;
}

std::string IniFile::Text() const {
    return byteOrderMark_ + JoinLinesCrLf(lines_);
}

} // namespace grafida
