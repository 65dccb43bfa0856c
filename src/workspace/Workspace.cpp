#include "workspace/Workspace.h"

#include "workspace/WorkFiles.h"

#include <filesystem>

namespace grafida {

namespace {
// Touched on the user-interface thread only, like everything in the workspace.
Workspace* current = nullptr;
} // namespace

Workspace::Workspace(std::string appDir) : Workspace(SettingsLocation::ForProgram(std::move(appDir))) {}

Workspace::Workspace(SettingsLocation location, const std::string& runFolderBase)
    : location_(std::move(location)), runFolder_(runFolderBase) {
    settings.WorkDir = location_.appDir;
}

std::string Workspace::WorkFilePath(std::string_view name) const {
    return MoleculeWorkFilePath(runFolder_.Path(), name);
}

std::string Workspace::PropertyFilePath(std::string_view name) const {
    return MoleculePropertyFilePath(settings.WorkDir, name);
}

void Workspace::LoadSettings() {
    settings = grafida::LoadSettings(location_);
    std::error_code error;
    if (!std::filesystem::is_directory(settings.WorkDir, error))
        settings.WorkDir = location_.appDir;
}

bool Workspace::SaveSettings() const {
    return grafida::SaveSettings(settings, location_);
}

void Workspace::Start() {
    molecules.Clear();
    matrices.Clear();
    LoadSettings();
}

bool Workspace::Close() {
    const bool saved = SaveSettings();
    molecules.Clear();
    matrices.Clear();
    runFolder_.Remove();
    return saved;
}

Workspace* CurrentWorkspace() {
    return current;
}

CurrentWorkspaceScope::CurrentWorkspaceScope(Workspace& workspace) : previous_(current) {
    current = &workspace;
}

CurrentWorkspaceScope::~CurrentWorkspaceScope() {
    current = previous_;
}

} // namespace grafida
