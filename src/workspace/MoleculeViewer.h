#pragma once
// Showing a loaded molecule in an outside molecular viewer. HyperChem is found as it
// always was, through the key "\Software\Hypercube\HyperChem Pro\6.0\Path" and its
// value "ChemExePath"; on this system that key is a section of the settings file,
// read only. Without it, an installed viewer (Avogadro, Jmol, PyMOL) is offered.
//
// A viewer is always started with an argument list, never through a shell, so a
// file name with blanks, quotes, ";" or "$(...)" reaches it as one argument.

#include "workspace/IniFile.h"

#include <optional>
#include <string>
#include <vector>

namespace grafida {

class Workspace;

inline constexpr const char* kHyperChemKey = "\\Software\\Hypercube\\HyperChem Pro\\6.0\\Path";
inline constexpr const char* kHyperChemValue = "ChemExePath";

// The first line of the message shown when no viewer is found; the rest says where
// to find HyperChem and which settings entry names it.
inline constexpr const char* kHyperChemRequired =
    "HyperChem version 6.0 or higher required\r\n"
    "See http://www.hyper.com for more information, or name a viewer as %s= in the section [%s] of %s";

// The HyperChem program: the value ChemExePath (empty when missing) with "Chem.exe"
// appended, or nothing when the key is absent.
std::optional<std::string> HyperChemPath(const IniFile& registry);

enum class ViewerKind { HyperChem, Avogadro, Jmol, PyMol };

struct MoleculeViewer {
    ViewerKind kind = ViewerKind::HyperChem;
    std::string program;
};

// HyperChem when the key is present, else the first of avogadro, jmol and pymol
// found in pathVariable's folders; nothing when there is none.
std::optional<MoleculeViewer> FindMoleculeViewer(const IniFile& registry, const std::string& pathVariable);

struct ProgramStart {
    std::string program;
    std::vector<std::string> arguments;
};

// How to start viewer on the molecule named molecule: its .hin file in WorkDir (the
// folder it was opened from). PyMOL, which reads no .hin file, gets an .xyz copy
// written to the run's work folder.
ProgramStart ViewerStart(const Workspace& workspace, const MoleculeViewer& viewer,
                         const std::string& molecule);

// The atoms of a .hin text as an XYZ text (element symbols and coordinates, hydrogens
// included); empty when the text holds no atom.
std::string HinToXyz(std::string_view hin, const std::string& title);

// The programs to start for the selected molecules, in list order (names no longer
// in the molecule list are skipped); nothing after telling the user when there is no
// viewer.
std::vector<ProgramStart> MoleculeViewerStarts(const Workspace& workspace,
                                               const std::vector<std::string>& molecules,
                                               const std::string& pathVariable);

} // namespace grafida
