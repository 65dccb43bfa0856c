#include "workspace/WorkFiles.h"

#include <filesystem>
#include <vector>

namespace grafida {

namespace {

std::string FileInFolder(std::string_view folder, std::string_view name, std::string_view extension) {
    std::string path(folder);
    if (path.empty() || path.back() != '/')
        path += '/';
    path.append(name).append(extension);
    return path;
}

} // namespace

std::string MoleculeWorkFilePath(std::string_view workDir, std::string_view name) {
    return FileInFolder(workDir, name, kWorkFileExtension);
}

std::string MoleculePropertyFilePath(std::string_view workDir, std::string_view name) {
    return FileInFolder(workDir, name, kPropertyFileExtension);
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
