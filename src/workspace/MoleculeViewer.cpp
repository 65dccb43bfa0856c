#include "workspace/MoleculeViewer.h"

#include "numeric/Reporter.h"
#include "numeric/TextFile.h"
#include "workspace/ToolPrograms.h"
#include "workspace/Workspace.h"

#include <sstream>

namespace grafida {

namespace {

// Command lines were limited to this many characters of program path.
inline constexpr size_t kMaxProgramPath = 255;

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (start < line.size()) {
        while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
            ++start;
        size_t end = start;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t')
            ++end;
        if (end > start)
            fields.push_back(line.substr(start, end - start));
        start = end;
    }
    return fields;
}

} // namespace

std::optional<std::string> HyperChemPath(const IniFile& registry) {
    if (!registry.HasSection(kHyperChemKey))
        return std::nullopt;
    return registry.Value(kHyperChemKey, kHyperChemValue).value_or("") + "Chem.exe";
}

std::optional<MoleculeViewer> FindMoleculeViewer(const IniFile& registry, const std::string& pathVariable) {
    if (auto path = HyperChemPath(registry))
        return MoleculeViewer{ViewerKind::HyperChem, path->substr(0, kMaxProgramPath)};
    static const std::pair<ViewerKind, const char*> installed[] = {
        {ViewerKind::Avogadro, "avogadro"}, {ViewerKind::Jmol, "jmol"}, {ViewerKind::PyMol, "pymol"}};
    for (const auto& [kind, name] : installed) {
        std::string program = FindProgramOnPath(name, pathVariable);
        if (!program.empty())
            return MoleculeViewer{kind, std::move(program)};
    }
    return std::nullopt;
}

std::string HinToXyz(std::string_view hin, const std::string& title) {
    // An atom line: atom <n> <name> <element> <type> <flags> <charge> <x> <y> <z> ...
    std::ostringstream atoms;
    int count = 0;
    for (std::string_view line : SplitLines(hin)) {
        const auto fields = Fields(line);
        if (fields.size() < 10 || fields[0] != "atom")
            continue;
        atoms << fields[3] << ' ' << fields[7] << ' ' << fields[8] << ' ' << fields[9] << "\r\n";
        ++count;
    }
    if (count == 0)
        return "";
    return std::to_string(count) + "\r\n" + title + "\r\n" + atoms.str();
}

ProgramStart ViewerStart(const Workspace& workspace, const MoleculeViewer& viewer,
                         const std::string& molecule) {
    const std::string hinFile = workspace.WorkDir() + "/" + molecule + ".hin";
    if (viewer.kind == ViewerKind::PyMol) {
        const FileContent hin = ReadWholeFile(hinFile);
        const std::string xyz = hin.status == ReadStatus::Ok ? HinToXyz(hin.bytes, molecule) : "";
        const std::string xyzFile = workspace.WorkFolder() + "/" + molecule + ".xyz";
        // Without a readable .hin file the viewer is given it anyway and says so itself.
        if (!xyz.empty() && WriteFileAtomically(xyzFile, xyz))
            return {viewer.program, {xyzFile}};
    }
    return {viewer.program, {hinFile}};
}

std::vector<ProgramStart> MoleculeViewerStarts(const Workspace& workspace,
                                               const std::vector<std::string>& molecules,
                                               const std::string& pathVariable) {
    const std::string settingsFile = workspace.SettingsFilePath();
    const FileContent settings = ReadWholeFile(settingsFile);
    const IniFile registry(settings.status == ReadStatus::Ok ? settings.bytes : "");
    const auto viewer = FindMoleculeViewer(registry, pathVariable);
    if (!viewer) {
        ShowInformation(kHyperChemRequired, kHyperChemValue, kHyperChemKey, settingsFile);
        return {};
    }
    std::vector<ProgramStart> starts;
    for (const std::string& name : molecules) {
        const int index = workspace.molecules.IndexOf(name);
        if (index >= 0)
            starts.push_back(ViewerStart(workspace, *viewer, workspace.molecules.Name(index)));
    }
    return starts;
}

} // namespace grafida
