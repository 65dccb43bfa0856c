#include "molecule/PropertyFile.h"

#include "molecule/TextFields.h"
#include "numeric/Messages.h"
#include "numeric/NumberText.h"
#include "numeric/Progress.h"
#include "numeric/Reporter.h"
#include "numeric/TextFile.h"
#include "numeric/TextTarget.h"

#include <algorithm>
#include <optional>

namespace grafida {

namespace {

constexpr std::string_view kAtomCountLine = "number of atoms";
constexpr std::string_view kPropertyPrefix = "aproperty ";

// A property header line, or nothing.
std::optional<std::string_view> PropertyNameOf(std::string_view line) {
    if (line.find("aproperty") == std::string_view::npos)
        return std::nullopt;
    const size_t blank = line.find(' ');
    if (blank == std::string_view::npos)
        return std::string_view();
    return TrimBlanks(line.substr(blank + 1));
}

// The atom count after the first "number of atoms" line, or nothing.
std::optional<std::int64_t> AtomCountOf(const std::vector<std::string_view>& lines, size_t& next) {
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].find(kAtomCountLine) != std::string_view::npos) {
            next = i + 2;
            return ParseInteger(TrimBlanks(lines[i + 1]));
        }
    }
    return std::nullopt;
}

} // namespace

bool SaveProperties(const TAtomProperties& properties, const std::string& fileName, std::uint8_t width,
                    std::uint8_t decimals) {
    const auto fail = [&] {
        ShowError(messages::kCannotWriteMolecule, fileName);
        return false;
    };
    if (properties.Count() == 0)
        return true;
    // One file holds one molecule: every property has its atom count of values.
    const size_t atomCount = properties[0].Values.size();
    for (const TAtomProperty& property : properties)
        if (property.Values.size() != atomCount)
            return fail();

    std::string text;
    std::vector<std::string_view> storedNames;
    const FileContent existing = ReadWholeFile(fileName);
    if (existing.status == ReadStatus::Ok) {
        const auto lines = SplitLines(existing.bytes);
        size_t next = 0;
        const auto count = AtomCountOf(lines, next);
        // A file of another atom count was written for an earlier molecule of this
        // name; extending it would pair these values with its header.
        if (count && *count == static_cast<std::int64_t>(atomCount)) {
            text = existing.bytes;
            for (size_t i = next; i < lines.size(); ++i)
                if (const auto name = PropertyNameOf(lines[i]))
                    storedNames.push_back(*name);
        }
    }
    std::vector<std::string> added;
    if (text.empty()) {
        added.emplace_back(kAtomCountLine);
        added.push_back(std::to_string(atomCount));
    } else if (text.back() != '\n') {
        text += "\r\n";
    }
    bool anyAdded = false;
    ProgressGuard progress(properties.Count());
    for (const TAtomProperty& property : properties) {
        progress.Step();
        if (std::find(storedNames.begin(), storedNames.end(), property.Name) != storedNames.end())
            continue;
        added.push_back(std::string(kPropertyPrefix) + property.Name);
        for (const double value : property.Values)
            added.push_back(FormatFixed(value, width, decimals, false));
        storedNames.push_back(property.Name);
        anyAdded = true;
    }
    if (!anyAdded)
        return true;
    text += JoinLinesCrLf(added);
    // The old file stays as it was: it still holds this molecule's earlier
    // properties, which a failed append must not take with it.
    if (!WriteFileAtomically(fileName, text))
        return fail();
    return true;
}

int LoadProperties(TAtomProperties& properties, const std::string& fileName) {
    const FileContent file = ReadWholeFile(fileName);
    if (file.status == ReadStatus::Missing)
        return kPropertyFileMissing;
    if (file.status != ReadStatus::Ok) {
        ShowError(messages::kCannotReadProperties, fileName);
        return kPropertyFileUnreadable;
    }
    return LoadPropertiesFromText(properties, file.bytes, fileName);
}

int LoadPropertiesFromText(TAtomProperties& properties, std::string_view text, const std::string& fileName) {
    const auto fail = [&] {
        ShowError(messages::kCannotReadProperties, fileName);
        return kPropertyFileUnreadable;
    };
    const auto lines = SplitLines(text);
    size_t next = 0;
    const auto count = AtomCountOf(lines, next);
    // Each value needs a line of its own, so a larger count cannot be read.
    if (!count || *count <= 0 || *count > static_cast<std::int64_t>(lines.size()))
        return fail();
    const auto n = static_cast<size_t>(*count);

    TAtomProperties read;
    for (size_t i = next; i < lines.size(); ++i) {
        const auto name = PropertyNameOf(lines[i]);
        if (!name)
            continue;
        if (properties.FindByName(*name) || read.FindByName(*name))
            continue;
        if (i + n >= lines.size())
            return fail();
        TAtomProperty property{std::string(*name), {}};
        property.Values.reserve(n);
        for (size_t k = 1; k <= n; ++k) {
            const auto value = ParseNumber(TrimBlanks(lines[i + k]));
            if (!value)
                return fail();
            property.Values.push_back(*value);
        }
        read.Add(std::move(property));
        i += n;
    }
    for (const TAtomProperty& property : read)
        properties.Add(property);
    return kPropertiesLoaded;
}

} // namespace grafida
