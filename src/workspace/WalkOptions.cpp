#include "workspace/WalkOptions.h"

#include "numeric/Reporter.h"
#include "numeric/TextFile.h"
#include "workspace/Workspace.h"

#include <algorithm>
#include <cctype>

namespace grafida {

namespace {

inline constexpr const char* kNoMolecules = "Working directory is %s, %d molecules loaded";
inline constexpr const char* kMatricesFound = "%d matrices found in %s";

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return !LessIgnoringCase(a, b) && !LessIgnoringCase(b, a);
}

} // namespace

const std::vector<std::string>& WalkBaseMatrixNames() {
    static const std::vector<std::string> names = {"AD",   "CON",  "DI",   "D3D", "DE",
                                                   "CjDi", "CjDe", "CFDi", "CFDe"};
    return names;
}

std::vector<std::string> WalkOptionsBlock(const std::vector<std::string>& m1,
                                          const std::vector<std::string>& m2,
                                          const std::vector<std::string>& m3) {
    std::vector<std::string> block = {"begin walk matrices"};
    block.insert(block.end(), m1.begin(), m1.end());
    block.emplace_back(",");
    block.insert(block.end(), m2.begin(), m2.end());
    block.emplace_back(",");
    block.insert(block.end(), m3.begin(), m3.end());
    block.emplace_back("end walk matrices");
    return block;
}

std::vector<std::string> SingleMatrixNames(std::string_view text) {
    const auto lines = SplitLines(text);
    std::vector<std::string> names;
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].find("$Single") == std::string_view::npos)
            continue;
        const std::string_view next = lines[i + 1];
        const size_t underscore = next.find('_');
        std::string name(underscore == std::string_view::npos ? next : next.substr(underscore + 1));
        const auto& basic = WalkBaseMatrixNames();
        if (std::find(basic.begin(), basic.end(), name) == basic.end())
            names.push_back(std::move(name));
    }
    std::stable_sort(names.begin(), names.end(), LessIgnoringCase);
    names.erase(std::unique(names.begin(), names.end(), SameIgnoringCase), names.end());
    return names;
}

std::vector<std::string> CommonSavedMatrixNames(const Workspace& workspace) {
    const std::string& dir = workspace.WorkDir();
    if (workspace.molecules.Empty()) {
        ShowInformation(kNoMolecules, dir, 0);
        return {};
    }
    std::vector<std::string> common;
    for (int i = 0; i < workspace.molecules.Count(); ++i) {
        const FileContent file = ReadWholeFile(dir + "/" + workspace.molecules.Name(i) + ".M");
        if (file.status == ReadStatus::Missing) {
            common.clear();
            break;
        }
        const auto names = SingleMatrixNames(file.bytes);
        if (i == 0) {
            common = names;
        } else {
            std::erase_if(common, [&](const std::string& name) {
                return std::find(names.begin(), names.end(), name) == names.end();
            });
        }
        if (common.empty())
            break;
    }
    ShowInformation(kMatricesFound, static_cast<int>(common.size()), dir);
    return common;
}

} // namespace grafida
