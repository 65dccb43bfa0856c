#pragma once
// An INI text kept line by line, so that saving a few keys leaves everything
// else exactly as the user or another program wrote it: comments, other
// sections, key order, spacing and unknown keys. Section and key names are
// compared without regard to ASCII letter case and the first occurrence wins,
// as the Windows profile functions do.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grafida {

class IniFile {
public:
    IniFile() = default;
    // Lines may end with LF or CR LF; a UTF-8 byte order mark is kept.
    explicit IniFile(std::string_view text);

    // The value of key in section with surrounding blanks removed, or nothing
    // when the section or the key is absent.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const { return FindSection(section).has_value(); }

    // Replaces the value of an existing key where it stands; a new key goes after
    // the section's last key, a new section at the end of the text. False (and
    // nothing changes) for names or values that would break the line structure.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);

    // The whole text, every line ended with CR LF.
    std::string Text() const;

private:
    struct Span {
        size_t header; // line of the section's header
        size_t end;    // one past the section's last line
    };
    std::optional<Span> FindSection(std::string_view section) const;
    std::optional<size_t> FindKey(const Span& span, std::string_view key) const;

    std::string byteOrderMark_;
    std::vector<std::string> lines_;
};

} // namespace grafida
