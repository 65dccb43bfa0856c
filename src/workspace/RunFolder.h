#pragma once
// The folder that holds one run's molecule work files. It is private to the run,
// so the program never reads, overwrites or deletes a ".TOP" file that someone else
// left in the user's working folder, and changing that folder loses no molecule.

#include <string>

namespace grafida {

// Where run folders are made: $XDG_RUNTIME_DIR when it names a folder, else the
// system's temporary folder.
std::string DefaultRunFolderBase();

// Removes the run folders in base that belong to this user and to a process that
// no longer runs (a crashed run); returns how many were removed.
int RemoveStaleRunFolders(const std::string& base);

class RunFolder {
public:
    // Removes stale run folders in base, then creates a fresh folder readable by
    // this user only. Raises GrafidaError when it cannot be created.
    explicit RunFolder(const std::string& base);
    ~RunFolder();
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Deletes the folder with everything in it (again on destruction: no-op then).
    void Remove();

private:
    std::string path_;
};

} // namespace grafida
