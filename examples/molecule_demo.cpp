// Reads every sample .HIN file, shows its hydrogen-depleted graph, passes it through
// its work file and computes its vertex properties: a first look at the molecule model.
#include "molecule/Molecula.h"
#include "molecule/VertexProperties.h"
#include "numeric/NumberText.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace grafida;

std::string JoinValues(const TAtomProperty& property) {
    std::string text;
    for (const double value : property.Values)
        text += FormatFixed(value, 8, 3, false);
    return text;
}

bool ShowMolecule(const std::string& hinFile, const std::filesystem::path& workDir) {
    TMolecula molecule;
    if (!molecule.LoadFromHIN(hinFile))
        return false;
    const std::string workFile = (workDir / (molecule.Name() + ".TOP")).string();
    TMolecula reread;
    if (!molecule.SaveToFile(workFile) || !reread.LoadFromFile(workFile))
        return false;
    std::printf("%s: %d vertices, %zu bonds\n", reread.Name().c_str(), reread.VertexCount(),
                reread.Bonds.size());
    for (const TAtom& atom : reread.Atoms) {
        std::string neighbours;
        for (const std::int32_t vertex : atom.Neighbours().Values())
            neighbours += " " + std::to_string(vertex);
        std::printf("  %2d %-4s H%d  bonded to%s\n", atom.Number(), atom.Element().Symbol.c_str(),
                    atom.HydrogenCount(), neighbours.empty() ? " nothing" : neighbours.c_str());
    }
    if (!CalcSGI(reread) || !CalcGroupMass(reread))
        return false;
    for (const TAtomProperty& property : reread.Properties)
        std::printf("  %-11s%s\n", property.Name.c_str(), JoinValues(property).c_str());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const std::filesystem::path samples = argc > 1 ? argv[1] : GRAFIDA_SAMPLES_DIR;
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(samples))
        if (entry.path().extension() == ".hin")
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    const auto workDir = std::filesystem::temp_directory_path();
    int failures = 0;
    for (const auto& file : files)
        failures += !ShowMolecule(file, workDir);
    for (const auto& file : files)
        std::filesystem::remove(workDir / (MoleculeNameOfFile(file) + ".TOP"));
    return failures == 0 ? 0 : 1;
}
