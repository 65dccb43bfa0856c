#pragma once
// The hydrogen-depleted molecular graph: heavy atoms are vertices numbered 1..n in
// file order, bonds are edges, and each vertex remembers its hydrogens and its
// coordinates. Vertex k is row and column k of every matrix and element k of every
// property.

#include "molecule/Elements.h"
#include "numeric/IntLists.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grafida {

class TAtom {
public:
    const TElement& Element() const { return element_; }
    void SetElement(TElement element) { element_ = std::move(element); }
    double X() const { return x_; }
    double Y() const { return y_; }
    double Z() const { return z_; }
    void SetCoords(double x, double y, double z) {
        x_ = x;
        y_ = y;
        z_ = z;
    }
    // 1-based position among all atom lines of the source file, hydrogens included.
    std::int32_t SourceNumber() const { return sourceNumber_; }
    void SetSourceNumber(std::int32_t number) { sourceNumber_ = number; }
    // Vertex number: 1-based position among the heavy atoms.
    std::int32_t Number() const { return number_; }
    void SetNumber(std::int32_t number) { number_ = number; }
    std::uint8_t HydrogenCount() const { return hydrogenCount_; }
    void SetHydrogenCount(std::uint8_t count) { hydrogenCount_ = count; }
    // Counts one more bonded hydrogen; the count stops at 255.
    void AddHydrogen() {
        if (hydrogenCount_ < 255)
            ++hydrogenCount_;
    }
    // Vertex numbers of the bonded heavy atoms, in the order the source lists them.
    const TIntList& Neighbours() const { return neighbours_; }
    void AddNeighbour(std::int32_t vertex) { neighbours_.Add(vertex); }
    const std::string& AtomType() const { return atomType_; }
    // The source's atom-type field, cut to 4 characters.
    void SetAtomType(std::string_view type) { atomType_ = std::string(type.substr(0, 4)); }

private:
    TElement element_;
    double x_ = 0, y_ = 0, z_ = 0;
    std::int32_t sourceNumber_ = 0;
    std::int32_t number_ = 0;
    std::uint8_t hydrogenCount_ = 0;
    TIntList neighbours_;
    std::string atomType_;
};

// Position k (0-based) holds the atom numbered k + 1.
class TAtomList {
public:
    int Count() const { return static_cast<int>(atoms_.size()); }
    TAtom& operator[](int index) { return atoms_[static_cast<size_t>(index)]; }
    const TAtom& operator[](int index) const { return atoms_[static_cast<size_t>(index)]; }
    void Add(TAtom atom) { atoms_.push_back(std::move(atom)); }
    void Clear() { atoms_.clear(); }
    // The atom numbered n, or nullptr.
    const TAtom* FindByNumber(std::int32_t n) const;
    TAtom* FindByNumber(std::int32_t n);
    auto begin() const { return atoms_.begin(); }
    auto end() const { return atoms_.end(); }

private:
    std::vector<TAtom> atoms_;
};

enum class TBondType : std::uint8_t { Single = 0, Double = 1, Triple = 2, Aromatic = 3, Unknown = 4 };

// The bond type of a file letter: s, d, t, a; anything else is Unknown.
TBondType BondTypeOfLetter(std::string_view letter);
// The letter a bond type is written with ("" for Unknown).
const char* LetterOfBondType(TBondType type);

// An edge, stored once: A1 is the atom whose source line recorded it, A2 its neighbour.
struct TBond {
    std::int32_t A1 = 0;
    std::int32_t A2 = 0;
    TBondType BondType = TBondType::Single;
    bool operator==(const TBond&) const = default;
};

// Ordered by A1, and for one A1 by the order of the source line's neighbour entries.
using TLegList = std::vector<TBond>;

// Source position and vertex number of each heavy atom, used while reading a file.
struct TIndRec {
    std::int32_t SourceNumber = 0;
    std::int32_t Number = 0;
};

class TIndRecList {
public:
    void Add(TIndRec record) { records_.push_back(record); }
    void Clear() { records_.clear(); }
    int Count() const { return static_cast<int>(records_.size()); }
    // The source number of vertex number, or -1 (first match).
    std::int32_t SourceOfNumber(std::int32_t number) const;
    // The vertex number of source position source, or -1 (first match).
    std::int32_t NumberOfSource(std::int32_t source) const;

private:
    std::vector<TIndRec> records_;
};

// One named value per vertex (value k belongs to vertex k + 1).
struct TAtomProperty {
    std::string Name;
    std::vector<double> Values;
    bool operator==(const TAtomProperty&) const = default;
};

// A molecule's properties in insertion order.
class TAtomProperties {
public:
    int Count() const { return static_cast<int>(properties_.size()); }
    const TAtomProperty& operator[](int index) const { return properties_[static_cast<size_t>(index)]; }
    TAtomProperty& operator[](int index) { return properties_[static_cast<size_t>(index)]; }
    void Add(TAtomProperty property) { properties_.push_back(std::move(property)); }
    void Clear() { properties_.clear(); }
    // The first property named exactly name, or nullptr.
    const TAtomProperty* FindByName(std::string_view name) const;
    TAtomProperty* FindByName(std::string_view name);
    auto begin() const { return properties_.begin(); }
    auto end() const { return properties_.end(); }

private:
    std::vector<TAtomProperty> properties_;
};

class TMolecula {
public:
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    // Free-text records; kept for the work file, filled by nothing.
    std::vector<std::string> PropList;
    TAtomProperties Properties;
    TAtomList Atoms;
    TLegList Bonds;

    int VertexCount() const { return Atoms.Count(); }
    // False when no atom has a position (all coordinates NaN): a SMILES whose 3D
    // embedding failed or was not asked for. A single bad coordinate is damage,
    // not absence, and the 3D distances report it as such.
    bool HasCoordinates() const;
    // Empties the molecule: name, atoms, bonds and properties.
    void Clear();

    // Builds the molecule from a HyperChem .HIN file and attaches "atomic mass". On
    // failure the reason is shown and the molecule is left as it was: a half-read
    // molecule never reaches the caller.
    bool LoadFromHIN(const std::string& fileName);
    // The same over the text of a .HIN file already in memory; fileName names the
    // molecule and the file in messages.
    bool LoadFromHINText(std::string_view text, const std::string& fileName);
    // Writes the work file (".TOP"); on failure shows "Can't write molecule %s to
    // file" and leaves no file of that name.
    bool SaveToFile(const std::string& fileName) const;
    // The work file's text, for a round trip that needs no disk; on failure shows
    // the same message as SaveToFile and gives nothing.
    std::optional<std::string> SaveToText() const;
    // Reads a work file; on failure shows "Can't read molecule from %s" and leaves the
    // molecule as it was.
    bool LoadFromFile(const std::string& fileName);
    // The same over the text of a work file already in memory.
    bool LoadFromText(std::string_view text, const std::string& fileName);

private:
    std::string name_;
};

// The molecule name of a file: its name without the folder, cut before the first
// "." (the whole name when it has none).
std::string MoleculeNameOfFile(std::string_view fileName);

} // namespace grafida
