#include "workspace/FileOpening.h"

#include "molecule/Molecula.h"
#include "molecule/MoleculeFiles.h"
#include "numeric/MatrixText.h"
#include "numeric/Messages.h"
#include "numeric/Reporter.h"
#include "workspace/ShellMessages.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sys/stat.h>

namespace grafida {

namespace fs = std::filesystem;

namespace {

std::string UpperExtension(const std::string& path) {
    std::string extension = fs::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension;
}

// A FIFO or device would block or never end, a huge file would fill the memory.
// Files of records are read a record at a time, so their size does not matter.
bool IsReadableInput(const std::string& path, bool streamed = false) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           (streamed || static_cast<std::uintmax_t>(info.st_size) <= kMaxInputFileBytes);
}

void LoadMolecules(Workspace& workspace, const std::vector<std::string>& paths) {
    // Every file is read before any name is listed, so a cancelled load lists nothing.
    std::vector<std::string> loaded;
    const auto taken = [&](std::string_view name) {
        return workspace.molecules.IndexOf(name) >= 0 ||
               std::any_of(loaded.begin(), loaded.end(),
                           [&](const std::string& held) { return SameMoleculeName(held, name); });
    };
    for (const auto& path : paths) {
        const bool hin = MoleculeFormatOfFile(path) == MoleculeFormat::Hin;
        if (!IsReadableInput(path, !hin)) {
            ShowError(hin ? messages::kCannotReadHin : messages::kCannotReadMoleculeFile, path);
            continue;
        }
        if (hin) {
            TMolecula molecule;
            if (molecule.LoadFromHIN(path) && molecule.SaveToFile(workspace.WorkFilePath(molecule.Name())))
                loaded.push_back(molecule.Name());
            continue;
        }
        // Each record is a molecule of its own, under a name no other molecule has.
        ReadMoleculeFile(path, {}, taken, [&](TMolecula&& molecule) {
            if (molecule.SaveToFile(workspace.WorkFilePath(molecule.Name())))
                loaded.push_back(molecule.Name());
        });
    }
    for (auto& name : loaded)
        workspace.molecules.Append(std::move(name));
}

void LoadMatrixFiles(Workspace& workspace, const std::vector<std::string>& paths, LoadOrigin origin) {
    const int before = workspace.matrices.Count();
    for (const auto& path : paths) {
        if (!IsReadableInput(path)) {
            ShowError(messages::kCannotReadMatrix, path);
            continue;
        }
        // The store refuses a taken name as the reader's own list would.
        TContainer read;
        LoadMatrices(path, read);
        for (int i = 0; i < read.Count(); ++i) {
            auto matrix = std::make_unique<TFLOATARRAY>();
            matrix->Assign(*read.ItemAs<TFLOATARRAY>(i));
            workspace.matrices.Add(std::move(matrix));
        }
    }
    if (origin == LoadOrigin::Open)
        ShowInformation(kMatricesLoaded, workspace.matrices.Count() - before);
}

} // namespace

FileKind ClassifyFiles(const std::vector<std::string>& paths) {
    if (paths.empty())
        return FileKind::Mixed;
    // Molecule files of every format mix freely; matrix files only with each other.
    if (std::all_of(paths.begin(), paths.end(), [](const std::string& path) { return IsMoleculeFile(path); }))
        return FileKind::Molecules;
    if (std::all_of(paths.begin(), paths.end(),
                    [](const std::string& path) { return UpperExtension(path) == ".M"; }))
        return FileKind::Matrices;
    return FileKind::Mixed;
}

FileKind LoadFiles(Workspace& workspace, const std::vector<std::string>& paths, LoadOrigin origin) {
    const FileKind kind = ClassifyFiles(paths);
    switch (kind) {
    case FileKind::Molecules:
        LoadMolecules(workspace, paths);
        break;
    case FileKind::Matrices:
        LoadMatrixFiles(workspace, paths, origin);
        break;
    case FileKind::Mixed:
        ShowInformation(kMixedFiles);
        break;
    }
    return kind;
}

void PrepareOpen(Workspace& workspace) {
    if (workspace.settings.ClearPrevious) {
        workspace.molecules.Clear();
        workspace.matrices.Clear();
    }
}

FileKind OpenFiles(Workspace& workspace, const std::vector<std::string>& paths) {
    if (paths.empty())
        return FileKind::Mixed;
    workspace.settings.WorkDir = FolderOfFile(paths.front());
    const FileKind kind = LoadFiles(workspace, paths, LoadOrigin::Open);
    if (kind == FileKind::Mixed)
        workspace.molecules.Clear();
    return kind;
}

bool DropFiles(Workspace& workspace, const std::vector<std::string>& paths) {
    std::vector<std::string> files;
    for (const auto& path : paths) {
        std::error_code error;
        if (fs::exists(path, error) && !fs::is_directory(path, error))
            files.push_back(path);
    }
    PrepareOpen(workspace);
    if (files.empty())
        return false;
    workspace.settings.WorkDir = FolderOfFile(files.front());
    LoadFiles(workspace, files, LoadOrigin::Drop);
    return true;
}

std::string FolderOfFile(const std::string& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    if (error)
        absolute = path;
    std::string folder = absolute.parent_path().string();
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

} // namespace grafida
