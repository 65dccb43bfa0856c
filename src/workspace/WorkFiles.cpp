#include "workspace/WorkFiles.h"

#include <filesystem>
#include <vector>

namespace grafida {

std::string MoleculeWorkFilePath(std::string_view workDir, std::string_view name) {
    std::string path(workDir);
    if (path.empty() || path.back() != '/')
        path += '/';
    path.append(name).append(kWorkFileExtension);
    return path;
}

int DeleteMoleculeFiles(const std::string& workDir) {
    namespace fs = std::filesystem;
    std::error_code error;
    // Collect first: deleting while the folder is being listed may skip entries.
    std::vector<fs::path> doomed;
    for (fs::directory_iterator entry(workDir, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (!name.ends_with(kWorkFileExtension))
            continue;
        std::error_code kind;
        if (!fs::is_directory(entry->symlink_status(kind)) && !kind)
            doomed.push_back(entry->path());
    }
    int deleted = 0;
    for (const auto& path : doomed)
        if (fs::remove(path, error))
            ++deleted;
    return deleted;
}

} // namespace grafida
