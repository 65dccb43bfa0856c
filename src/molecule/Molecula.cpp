#include "molecule/Molecula.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace grafida {

const TAtom* TAtomList::FindByNumber(std::int32_t n) const {
    if (n >= 1 && n <= Count() && atoms_[static_cast<size_t>(n - 1)].Number() == n)
        return &atoms_[static_cast<size_t>(n - 1)];
    for (const auto& atom : atoms_)
        if (atom.Number() == n)
            return &atom;
    return nullptr;
}

TAtom* TAtomList::FindByNumber(std::int32_t n) {
    return const_cast<TAtom*>(static_cast<const TAtomList&>(*this).FindByNumber(n));
}

TBondType BondTypeOfLetter(std::string_view letter) {
    if (letter == "s")
        return TBondType::Single;
    if (letter == "d")
        return TBondType::Double;
    if (letter == "t")
        return TBondType::Triple;
    if (letter == "a")
        return TBondType::Aromatic;
    return TBondType::Unknown;
}

const char* LetterOfBondType(TBondType type) {
    switch (type) {
    case TBondType::Single:
        return "s";
    case TBondType::Double:
        return "d";
    case TBondType::Triple:
        return "t";
    case TBondType::Aromatic:
        return "a";
    case TBondType::Unknown:
        break;
    }
    return "";
}

std::int32_t TIndRecList::SourceOfNumber(std::int32_t number) const {
    for (const auto& record : records_)
        if (record.Number == number)
            return record.SourceNumber;
    return -1;
}

std::int32_t TIndRecList::NumberOfSource(std::int32_t source) const {
    for (const auto& record : records_)
        if (record.SourceNumber == source)
            return record.Number;
    return -1;
}

const TAtomProperty* TAtomProperties::FindByName(std::string_view name) const {
    for (const auto& property : properties_)
        if (property.Name == name)
            return &property;
    return nullptr;
}

TAtomProperty* TAtomProperties::FindByName(std::string_view name) {
    return const_cast<TAtomProperty*>(static_cast<const TAtomProperties&>(*this).FindByName(name));
}

bool TMolecula::HasCoordinates() const {
    return Atoms.Count() == 0 || std::any_of(Atoms.begin(), Atoms.end(), [](const TAtom& atom) {
               return !std::isnan(atom.X()) || !std::isnan(atom.Y()) || !std::isnan(atom.Z());
           });
}

void TMolecula::Clear() {
    name_.clear();
    PropList.clear();
    Properties.Clear();
    Atoms.Clear();
    Bonds.clear();
}

std::string MoleculeNameOfFile(std::string_view fileName) {
    const std::string name = std::filesystem::path(fileName).filename().string();
    const size_t dot = name.find('.');
    // A file without an extension keeps its whole name rather than an empty one,
    // which would give the work file ".TOP" and matrices named "_AD".
    return dot == std::string::npos ? name : name.substr(0, dot);
}

} // namespace grafida
