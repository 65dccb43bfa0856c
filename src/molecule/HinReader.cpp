// Reading HyperChem .HIN files into the hydrogen-depleted graph.

#include "molecule/ElementData.h"
#include "molecule/Molecula.h"
#include "molecule/TextFields.h"
#include "numeric/Messages.h"
#include "numeric/NumberText.h"
#include "numeric/Progress.h"
#include "numeric/Reporter.h"
#include "numeric/TextFile.h"

#include <algorithm>
#include <map>
#include <utility>

namespace grafida {

namespace {

// atom <number> <name> <element> <type> <flags> <charge> <x> <y> <z> <k> {<neighbour> <letter>}k
constexpr size_t kNumberField = 1;
constexpr size_t kElementField = 3;
constexpr size_t kTypeField = 4;
constexpr size_t kXField = 7;
constexpr size_t kCountField = 10;
constexpr size_t kFirstNeighbourField = 11;

struct HinNeighbour {
    std::int32_t source = 0;
    TBondType type = TBondType::Single;
};

struct HinAtomLine {
    std::string_view element;
    std::string_view type;
    double x = 0, y = 0, z = 0;
    std::vector<HinNeighbour> neighbours;
    bool IsHydrogen() const { return element == "H"; }
};

enum class LineResult { Ok, Unreadable, NewMolecule };

// A bond letter is one lower-case letter; s, d, t and a are known, any other gives
// the unknown type. Anything else is not a bond letter at all.
std::optional<TBondType> BondTypeOfField(std::string_view field) {
    if (field.size() != 1 || field[0] < 'a' || field[0] > 'z')
        return std::nullopt;
    return BondTypeOfLetter(field);
}

LineResult ParseAtomLine(std::string_view line, std::int32_t source, HinAtomLine& atom) {
    const auto fields = SplitFields(line);
    if (fields.size() < kFirstNeighbourField)
        return LineResult::Unreadable;
    const auto number = ParseInteger(fields[kNumberField]);
    if (!number)
        return LineResult::Unreadable;
    // Neighbours are named by their atom numbers, which must count the atom lines;
    // numbering that starts again at 1 begins another molecule.
    if (*number != source)
        return *number == 1 ? LineResult::NewMolecule : LineResult::Unreadable;
    atom.element = fields[kElementField];
    atom.type = fields[kTypeField];
    const auto x = ParseNumber(fields[kXField]);
    const auto y = ParseNumber(fields[kXField + 1]);
    const auto z = ParseNumber(fields[kXField + 2]);
    if (!x || !y || !z)
        return LineResult::Unreadable;
    atom.x = *x;
    atom.y = *y;
    atom.z = *z;
    // The count is checked against the entries present before anything is reserved.
    const auto count = ParseInteger(fields[kCountField]);
    const auto available = static_cast<std::int64_t>(fields.size() - kFirstNeighbourField);
    if (!count || *count < 0 || available % 2 != 0 || *count != available / 2)
        return LineResult::Unreadable;
    atom.neighbours.reserve(static_cast<size_t>(*count));
    for (size_t f = kFirstNeighbourField; f < fields.size(); f += 2) {
        const auto neighbour = ParseInteger(fields[f]);
        const auto type = BondTypeOfField(fields[f + 1]);
        if (!neighbour || !type || *neighbour < 1 || *neighbour > INT32_MAX)
            return LineResult::Unreadable;
        atom.neighbours.push_back({static_cast<std::int32_t>(*neighbour), *type});
    }
    return LineResult::Ok;
}

// Every neighbour names another atom of the file, at most once, and a bond between
// heavy atoms is listed at both its ends: otherwise the graph could not be built
// consistently.
bool NeighboursAreConsistent(const std::vector<HinAtomLine>& atoms) {
    const auto total = static_cast<std::int32_t>(atoms.size());
    std::vector<std::pair<std::int32_t, std::int32_t>> heavyPairs;
    for (std::int32_t source = 1; source <= total; ++source) {
        const HinAtomLine& atom = atoms[static_cast<size_t>(source - 1)];
        std::vector<std::int32_t> named;
        named.reserve(atom.neighbours.size());
        for (const auto& neighbour : atom.neighbours) {
            if (neighbour.source > total || neighbour.source == source)
                return false;
            named.push_back(neighbour.source);
            if (!atom.IsHydrogen() && !atoms[static_cast<size_t>(neighbour.source - 1)].IsHydrogen())
                heavyPairs.emplace_back(source, neighbour.source);
        }
        std::sort(named.begin(), named.end());
        if (std::adjacent_find(named.begin(), named.end()) != named.end())
            return false;
    }
    std::sort(heavyPairs.begin(), heavyPairs.end());
    return std::all_of(heavyPairs.begin(), heavyPairs.end(), [&](const auto& pair) {
        return std::binary_search(heavyPairs.begin(), heavyPairs.end(), std::pair{pair.second, pair.first});
    });
}

TElement ElementOfField(std::string_view field) {
    if (IsKnownElement(field))
        return ElementOf(field);
    TElement unknown;
    unknown.Symbol = (" " + std::string(field) + " ").substr(0, 4);
    return unknown;
}

// The atom lines of one molecule, or the message to show.
struct HinContent {
    std::vector<HinAtomLine> atoms;
    const char* failure = nullptr;
};

HinContent ReadAtomLines(std::string_view text) {
    HinContent content;
    int molecules = 0;
    for (const auto line : SplitLines(text)) {
        const auto first = FirstField(line);
        if (first == "mol" && ++molecules > 1) {
            content.failure = messages::kSeveralMolecules;
            return content;
        }
        if (first != "atom")
            continue;
        HinAtomLine atom;
        switch (ParseAtomLine(line, static_cast<std::int32_t>(content.atoms.size() + 1), atom)) {
        case LineResult::Ok:
            content.atoms.push_back(std::move(atom));
            break;
        case LineResult::NewMolecule:
            content.failure = messages::kSeveralMolecules;
            return content;
        case LineResult::Unreadable:
            content.failure = messages::kCannotReadHin;
            return content;
        }
    }
    if (content.atoms.size() > static_cast<size_t>(INT32_MAX))
        content.failure = messages::kCannotReadHin;
    return content;
}

} // namespace

bool TMolecula::LoadFromHIN(const std::string& fileName) {
    const FileContent file = ReadWholeFile(fileName);
    if (file.status != ReadStatus::Ok) {
        ShowError(messages::kCannotReadHin, fileName);
        return false;
    }
    return LoadFromHINText(file.bytes, fileName);
}

bool TMolecula::LoadFromHINText(std::string_view text, const std::string& fileName) {
    const HinContent content = ReadAtomLines(text);
    if (content.failure) {
        ShowError(content.failure, fileName);
        return false;
    }
    const auto& lines = content.atoms;
    // Vertex number of each source position; 0 for hydrogens.
    std::vector<std::int32_t> vertexOfSource(lines.size() + 1, 0);
    std::int32_t heavyCount = 0;
    for (size_t i = 0; i < lines.size(); ++i)
        if (!lines[i].IsHydrogen())
            vertexOfSource[i + 1] = ++heavyCount;
    if (heavyCount == 0 || !NeighboursAreConsistent(lines)) {
        ShowError(messages::kCannotReadHin, fileName);
        return false;
    }
    const auto masses = ElementDataFile::Load(ElementDataKind::Mass);
    if (!masses)
        return false;

    TMolecula molecule;
    molecule.SetName(MoleculeNameOfFile(fileName));
    TAtomProperty atomicMass{"atomic mass", {}};
    atomicMass.Values.reserve(static_cast<size_t>(heavyCount));
    std::map<std::string_view, double> massOfElement;
    ProgressGuard progress(heavyCount + 1);
    for (size_t i = 0; i < lines.size(); ++i) {
        const HinAtomLine& line = lines[i];
        if (line.IsHydrogen())
            continue;
        const std::int32_t vertex = vertexOfSource[i + 1];
        TAtom atom;
        atom.SetElement(ElementOfField(line.element));
        atom.SetAtomType(line.type);
        atom.SetCoords(line.x, line.y, line.z);
        atom.SetNumber(vertex);
        atom.SetSourceNumber(static_cast<std::int32_t>(i + 1));
        for (const auto& neighbour : line.neighbours) {
            const std::int32_t other = vertexOfSource[static_cast<size_t>(neighbour.source)];
            if (other == 0) {
                atom.AddHydrogen();
                continue;
            }
            atom.AddNeighbour(other);
            // Each bond is listed at both ends; it is kept from the end read first.
            if (other > vertex)
                molecule.Bonds.push_back({vertex, other, neighbour.type});
        }
        auto known = massOfElement.find(line.element);
        if (known == massOfElement.end())
            known = massOfElement.emplace(line.element, masses->ValueOf(line.element)).first;
        atomicMass.Values.push_back(known->second);
        molecule.Atoms.Add(std::move(atom));
        progress.Step();
    }
    molecule.Properties.Add(std::move(atomicMass));
    *this = std::move(molecule);
    return true;
}

} // namespace grafida
