#pragma once
// The settings file "GRAFIDA.INI": section "Preferences", seven keys. Reading
// never fails (missing or unreadable values take their defaults); writing
// updates the seven keys where they stand and keeps the rest of the file.

#include "workspace/IniFile.h"
#include "workspace/Places.h"
#include "workspace/Settings.h"

#include <functional>
#include <string>

namespace grafida {

inline constexpr const char* kSettingsFileName = "GRAFIDA.INI";
inline constexpr const char* kSettingsSection = "Preferences";

// Where the settings file is. It lives next to the executable; when that folder
// cannot be written (an installed program) it lives in the user's configuration
// folder instead, and a copy next to the executable is only read until the
// user's own file exists.
struct SettingsLocation {
    std::string appDir;
    std::string userConfigFolder; // "" when the user has none
    std::function<bool(const std::string&)> isWritableFolder = IsWritableFolder;

    // The location for the program installed in appDir, run by the current user.
    static SettingsLocation ForProgram(std::string appDir);

    std::string ReadPath() const;
    std::string WritePath() const;
};

// Settings from the text of a settings file; WorkDir defaults to appDir.
Settings ReadSettings(const IniFile& file, const std::string& appDir);
// Puts all seven keys into the file, in their fixed order, keeping everything else.
void StoreSettings(const Settings& settings, IniFile& file);

Settings LoadSettings(const SettingsLocation& location);
// False after telling the user when the file could not be written; the old file
// is then left as it was.
bool SaveSettings(const Settings& settings, const SettingsLocation& location);

} // namespace grafida
