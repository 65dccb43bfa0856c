// The settings reader over any bytes, from memory and from the file; storing the
// settings read keeps them readable as the same settings.

#include "FuzzSupport.h"
#include "workspace/SettingsFile.h"

#include <cstdlib>

using namespace grafida;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::KeepQuiet();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto text = fuzz::TextOf(data, size);
    const std::string& appDir = fuzz::ScratchFolder();
    IniFile file(text);
    const Settings settings = ReadSettings(file, appDir);
    StoreSettings(settings, file);
    if (!(ReadSettings(IniFile(file.Text()), appDir) == settings))
        std::abort();

    fuzz::WriteScratchFile(kSettingsFileName, text);
    const SettingsLocation location{appDir, "", [](const std::string&) { return true; }};
    if (!(LoadSettings(location) == settings))
        std::abort();
    return 0;
}
