#include "dlgpack/PropertyCatalogue.h"

namespace grafida {

namespace {

// The text before the entry's first comma; an entry without a comma has no key.
std::optional<std::string_view> EntryKey(std::string_view entry) {
    const size_t comma = entry.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    return entry.substr(0, comma);
}

} // namespace

std::optional<std::string_view> MatrixMoleculeKey(std::string_view matrixName) {
    const size_t underscore = matrixName.find('_');
    if (underscore == std::string_view::npos)
        return std::nullopt;
    return matrixName.substr(0, underscore);
}

std::vector<std::string> EntryProperties(std::string_view entry) {
    std::vector<std::string> names;
    const size_t comma = entry.find(',');
    if (comma == std::string_view::npos)
        return names;
    std::string_view rest = entry.substr(comma + 1);
    while (!rest.empty()) {
        const size_t next = rest.find(',');
        const std::string_view name = rest.substr(0, next);
        if (!name.empty())
            names.emplace_back(name);
        rest = next == std::string_view::npos ? std::string_view() : rest.substr(next + 1);
    }
    return names;
}

std::optional<std::vector<std::string>> FindMatrixProperties(const std::vector<std::string>& catalogue,
                                                             std::string_view matrixName,
                                                             MatchingEntry which) {
    const auto key = MatrixMoleculeKey(matrixName);
    // A name without "_" has the empty key, and no molecule is named by the empty text.
    if (!key || key->empty())
        return std::nullopt;
    std::optional<std::vector<std::string>> found;
    for (const auto& entry : catalogue) {
        if (EntryKey(entry) != *key)
            continue;
        found = EntryProperties(entry);
        if (which == MatchingEntry::First)
            break;
    }
    return found;
}

} // namespace grafida
