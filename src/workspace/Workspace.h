#pragma once
// The state every command of the program shares: the loaded molecules, the kept
// matrices, the user's settings and the program's folder. The program has one,
// created and closed by the main window and reached through CurrentWorkspace();
// tests make their own.

#include "workspace/MatrixList.h"
#include "workspace/MoleculeList.h"
#include "workspace/RunFolder.h"
#include "workspace/Settings.h"
#include "workspace/SettingsFile.h"

#include <string>
#include <string_view>

namespace grafida {

class Workspace {
public:
    // The workspace of the program installed in appDir (the settings file's
    // place is taken from the user's environment).
    explicit Workspace(std::string appDir);
    // runFolderBase: where this run's private work folder is made.
    explicit Workspace(SettingsLocation location, const std::string& runFolderBase = DefaultRunFolderBase());

    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    MoleculeList molecules;
    MatrixList matrices;
    Settings settings;

    // The executable's folder, without a trailing separator.
    const std::string& AppDir() const { return location_.appDir; }
    const std::string& WorkDir() const { return settings.WorkDir; }
    // The settings file this workspace reads.
    std::string SettingsFilePath() const { return location_.ReadPath(); }
    // The folder of this run's work files, private to the run (not WorkDir).
    const std::string& WorkFolder() const { return runFolder_.Path(); }
    // The work file of the molecule named name, in WorkFolder.
    std::string WorkFilePath(std::string_view name) const;
    // The vertex property file of the molecule named name, in the current WorkDir.
    std::string PropertyFilePath(std::string_view name) const;

    // Reads the settings file (defaults for whatever is missing or unreadable)
    // and falls back to AppDir when WorkDir does not name an existing folder.
    void LoadSettings();
    // Writes the settings file; false after telling the user when it failed.
    bool SaveSettings() const;

    // What the main window does when it opens: empty stores, settings read.
    void Start();
    // What the main window does when it closes: settings written, both stores
    // emptied (destroying every kept matrix), then this run's work folder
    // removed (files in WorkDir are the user's and stay). The stores are emptied
    // and the folder removed even when the settings could not be written; the
    // result tells whether they were.
    bool Close();

private:
    SettingsLocation location_;
    RunFolder runFolder_;
};

// The program's workspace, or nullptr while there is none.
Workspace* CurrentWorkspace();

// Makes workspace the current one while it lives, then restores the previous.
class CurrentWorkspaceScope {
public:
    explicit CurrentWorkspaceScope(Workspace& workspace);
    ~CurrentWorkspaceScope();
    CurrentWorkspaceScope(const CurrentWorkspaceScope&) = delete;
    CurrentWorkspaceScope& operator=(const CurrentWorkspaceScope&) = delete;

private:
    Workspace* previous_;
};

} // namespace grafida
