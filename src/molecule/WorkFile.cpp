// The molecule work file (".TOP"): the molecule's own text form between commands.

#include "molecule/Molecula.h"
#include "molecule/TextFields.h"
#include "numeric/Error.h"
#include "numeric/Messages.h"
#include "numeric/NumberText.h"
#include "numeric/Progress.h"
#include "numeric/Reporter.h"
#include "numeric/TextFile.h"
#include "numeric/TextTarget.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <optional>
#include <span>
#include <system_error>

namespace grafida {

namespace {

constexpr const char* kAtomCountLine = "number of atoms";
constexpr const char* kBondPartLine = "conectivity table";

void RemoveFile(const std::string& fileName) {
    std::error_code ignored;
    std::filesystem::remove(fileName, ignored);
}

// "%-4s" of the whole text: a byte that ends a C string (read from a damaged file)
// must not cut the field and shift the rest of the line.
std::string PaddedTo4(const std::string& text) {
    std::string field = text;
    if (field.size() < 4)
        field.resize(4, ' ');
    return field;
}

std::string NeighbourLine(const TIntList& neighbours) {
    std::string line = std::to_string(neighbours.Count()) + " ";
    for (const std::int32_t vertex : neighbours.Values())
        line += std::to_string(vertex) + " ";
    return line;
}

// A molecule without coordinates (a SMILES that could not be embedded) keeps them
// as "nan" through its work file.
constexpr std::string_view kNoCoordinate = "nan";

std::string CoordinateField(double value) {
    return std::isfinite(value) ? FormatC("%.5g", value) : std::string(kNoCoordinate);
}

std::optional<double> CoordinateOfField(std::string_view field) {
    if (field == kNoCoordinate)
        return std::numeric_limits<double>::quiet_NaN();
    return ParseNumber(field);
}

// Parses a line that holds exactly count integers, each within [low, high].
bool ReadIntegers(std::string_view line, std::int64_t low, std::int64_t high,
                  std::span<std::int64_t> values) {
    const auto fields = SplitFields(line);
    if (fields.size() != values.size())
        return false;
    for (size_t i = 0; i < fields.size(); ++i) {
        const auto value = ParseInteger(fields[i]);
        if (!value || *value < low || *value > high)
            return false;
        values[i] = *value;
    }
    return true;
}

// The atom block that starts at lines[header] ("atom k"), or nothing when it is
// incomplete or unreadable.
std::optional<TAtom> ReadAtomBlock(const std::vector<std::string_view>& lines, size_t header,
                                   std::int32_t vertex, std::int32_t vertexCount) {
    if (header + 5 >= lines.size())
        return std::nullopt;
    const std::string_view elementLine = lines[header + 1];
    if (elementLine.size() < 8)
        return std::nullopt;
    std::int64_t numbers[3];
    if (!ReadIntegers(elementLine.substr(8), 0, 255, numbers))
        return std::nullopt;
    const std::string_view bare = TrimBlanks(elementLine.substr(0, 4));
    if (bare.empty())
        return std::nullopt;
    TElement element;
    // At most three characters of the symbol fit beside its leading blank; blanks
    // cut off with the fourth must not end the stored symbol (" C  " is " C ").
    element.Symbol = " " + std::string(TrimBlanks(bare.substr(0, 3))) + " ";
    element.Symbol.resize(std::min<size_t>(element.Symbol.size(), 4));
    element.AtomicNumber = static_cast<std::uint8_t>(numbers[0]);
    element.Group = static_cast<std::uint8_t>(numbers[1]);
    element.Period = static_cast<std::uint8_t>(numbers[2]);

    const auto coordinates = SplitFields(lines[header + 2]);
    if (coordinates.size() != 3)
        return std::nullopt;
    const auto x = CoordinateOfField(coordinates[0]);
    const auto y = CoordinateOfField(coordinates[1]);
    const auto z = CoordinateOfField(coordinates[2]);
    std::int64_t positions[2];
    std::int64_t hydrogens[1];
    if (!x || !y || !z || !ReadIntegers(lines[header + 3], 1, INT32_MAX, positions) ||
        positions[1] != vertex || !ReadIntegers(lines[header + 4], 0, 255, hydrogens))
        return std::nullopt;

    const auto neighbourFields = SplitFields(lines[header + 5]);
    if (neighbourFields.empty())
        return std::nullopt;
    const auto count = ParseInteger(neighbourFields[0]);
    if (!count || *count != static_cast<std::int64_t>(neighbourFields.size() - 1))
        return std::nullopt;

    TAtom atom;
    atom.SetElement(std::move(element));
    atom.SetAtomType(TrimBlanks(elementLine.substr(4, 4)));
    atom.SetCoords(*x, *y, *z);
    atom.SetSourceNumber(static_cast<std::int32_t>(positions[0]));
    atom.SetNumber(vertex);
    atom.SetHydrogenCount(static_cast<std::uint8_t>(hydrogens[0]));
    for (size_t i = 1; i < neighbourFields.size(); ++i) {
        const auto neighbour = ParseInteger(neighbourFields[i]);
        if (!neighbour || *neighbour < 1 || *neighbour > vertexCount || *neighbour == vertex)
            return std::nullopt;
        atom.AddNeighbour(static_cast<std::int32_t>(*neighbour));
    }
    return atom;
}

bool ReadBondPart(const std::vector<std::string_view>& lines, size_t partLine, std::int32_t vertexCount,
                  TLegList& bonds) {
    if (partLine + 1 >= lines.size())
        return false;
    const auto count = ParseInteger(TrimBlanks(lines[partLine + 1]));
    // Each bond needs a line of its own: a larger count cannot be satisfied.
    if (!count || *count < 0 || *count > static_cast<std::int64_t>(lines.size() - partLine - 2))
        return false;
    ProgressGuard progress(*count);
    for (std::int64_t b = 0; b < *count; ++b) {
        const auto fields = SplitFields(lines[partLine + 2 + static_cast<size_t>(b)]);
        if (fields.size() != 3)
            return false;
        const auto a1 = ParseInteger(fields[0]);
        const auto a2 = ParseInteger(fields[1]);
        if (!a1 || !a2 || *a1 < 1 || *a1 > vertexCount || *a2 < 1 || *a2 > vertexCount || *a1 == *a2)
            return false;
        bonds.push_back(
            {static_cast<std::int32_t>(*a1), static_cast<std::int32_t>(*a2), BondTypeOfLetter(fields[2])});
        progress.Step();
    }
    return true;
}

} // namespace

bool TMolecula::SaveToFile(const std::string& fileName) const {
    const auto fail = [&] {
        // A stale work file of the same name would later be read as this molecule.
        RemoveFile(fileName);
        ShowError(messages::kCannotWriteMolecule, Name());
        return false;
    };
    for (const auto& bond : Bonds)
        if (bond.BondType == TBondType::Unknown)
            return fail();

    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(Atoms.Count()) * 7 + Bonds.size() + 4);
    lines.emplace_back(kAtomCountLine);
    lines.push_back(std::to_string(Atoms.Count()));
    {
        ProgressGuard progress(Atoms.Count());
        for (int k = 0; k < Atoms.Count(); ++k) {
            const TAtom& atom = Atoms[k];
            const TElement& element = atom.Element();
            lines.push_back("atom " + std::to_string(k + 1));
            lines.push_back(PaddedTo4(element.Symbol) + PaddedTo4(atom.AtomType()) +
                            FormatC(" %d %d %d", element.AtomicNumber, element.Group, element.Period));
            lines.push_back(CoordinateField(atom.X()) + " " + CoordinateField(atom.Y()) + " " +
                            CoordinateField(atom.Z()));
            lines.push_back(std::to_string(atom.SourceNumber()) + " " + std::to_string(atom.Number()));
            lines.push_back(std::to_string(atom.HydrogenCount()));
            lines.push_back(NeighbourLine(atom.Neighbours()));
            lines.emplace_back();
            progress.Step();
        }
    }
    lines.emplace_back(kBondPartLine);
    lines.push_back(std::to_string(Bonds.size()));
    for (const auto& bond : Bonds)
        lines.push_back(std::to_string(bond.A1) + " " + std::to_string(bond.A2) + " " +
                        LetterOfBondType(bond.BondType));
    if (!WriteFileAtomically(fileName, JoinLinesCrLf(lines)))
        return fail();
    return true;
}

bool TMolecula::LoadFromFile(const std::string& fileName) {
    const FileContent file = ReadWholeFile(fileName);
    if (file.status != ReadStatus::Ok) {
        ShowError(messages::kCannotReadMolecule, fileName);
        return false;
    }
    return LoadFromText(file.bytes, fileName);
}

bool TMolecula::LoadFromText(std::string_view text, const std::string& fileName) {
    const auto fail = [&] {
        ShowError(messages::kCannotReadMolecule, fileName);
        return false;
    };
    const auto lines = SplitLines(text);

    // One pass finds every marker: the last atom count and bond part count, and the
    // first header line of each atom block.
    std::optional<size_t> countLine;
    std::optional<size_t> bondPartLine;
    std::vector<size_t> headerOfAtom(lines.size() + 1, lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.find(kAtomCountLine) != std::string_view::npos)
            countLine = i;
        else if (line.find(kBondPartLine) != std::string_view::npos)
            bondPartLine = i;
        const auto fields = SplitFields(line);
        if (fields.size() == 2 && fields[0] == "atom") {
            const auto k = ParseInteger(fields[1]);
            if (k && *k >= 1 && *k <= static_cast<std::int64_t>(lines.size()) &&
                headerOfAtom[static_cast<size_t>(*k)] == lines.size())
                headerOfAtom[static_cast<size_t>(*k)] = i;
        }
    }
    if (!countLine || *countLine + 1 >= lines.size())
        return fail();
    const auto count = ParseInteger(TrimBlanks(lines[*countLine + 1]));
    // Every atom has a block of its own lines, so a larger count is unreadable.
    if (!count || *count <= 0 || *count > static_cast<std::int64_t>(lines.size()))
        return fail();
    const auto vertexCount = static_cast<std::int32_t>(*count);

    TMolecula molecule;
    molecule.SetName(MoleculeNameOfFile(fileName));
    {
        ProgressGuard progress(vertexCount);
        for (std::int32_t k = 1; k <= vertexCount; ++k) {
            const size_t header = headerOfAtom[static_cast<size_t>(k)];
            if (header == lines.size())
                return fail();
            auto atom = ReadAtomBlock(lines, header, k, vertexCount);
            if (!atom)
                return fail();
            molecule.Atoms.Add(std::move(*atom));
            progress.Step();
        }
    }
    if (bondPartLine && !ReadBondPart(lines, *bondPartLine, vertexCount, molecule.Bonds))
        return fail();
    *this = std::move(molecule);
    return true;
}

} // namespace grafida
