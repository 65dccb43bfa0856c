#pragma once
// The element data files "MASS.DAT" (atomic masses) and "ELNEG.DAT" (Sanderson
// electronegativities): one element a line, the symbol, one blank, the value.
// They sit next to the executable unless a folder is set.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grafida {

// The folder holding the element data files: the one set by SetElementDataDir, else
// the folder of the running executable.
std::string ElementDataDir();
// An empty folder returns to the executable's folder.
void SetElementDataDir(std::string folder);

enum class ElementDataKind { Mass, Electronegativity };

// One element data file held in memory, looked up as the program always did: the
// value of the first line that contains the symbol (for masses, the symbol followed
// by one blank), taken from the text after the line's first blank.
class ElementDataFile {
public:
    // Reads the file of kind from ElementDataDir(). A missing or unreadable file shows
    // "MASS DATA FILE IS MISSING OR NOT IN CURRENT DIRECTORY" (or the CHARGES one)
    // and gives nothing.
    static std::optional<ElementDataFile> Load(ElementDataKind kind);
    // The same over text in memory.
    ElementDataFile(ElementDataKind kind, std::string_view text);

    // The value for symbol (its blanks removed first); -1.0 without a matching line
    // or with a value that is not a number.
    double ValueOf(std::string_view symbol) const;

private:
    ElementDataKind kind_;
    std::vector<std::string> lines_;
};

// Atomic mass of symbol from "MASS.DAT"; nothing (after the message) when the file is missing.
std::optional<double> MassOf(std::string_view symbol);
// Sanderson electronegativity of symbol from "ELNEG.DAT"; nothing when the file is missing.
std::optional<double> ElectronegativityOf(std::string_view symbol);

} // namespace grafida
