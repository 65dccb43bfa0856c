// Settings files the fuzzer found troublesome: what is read from them is stored
// and read back unchanged.

#include "support/RecordingReporter.h"
#include "workspace/SettingsFile.h"

#include <gtest/gtest.h>

namespace grafida {
namespace {

using testing::ReadFile;

TEST(SettingsFuzzRegressions, StoredSettingsReadBackUnchanged) {
    const char* files[] = {
        // An Error of 16 significant digits was stored rounded to 15.
        "error-of-sixteen-digits.ini",
    };
    for (const char* file : files) {
        const std::string text = ReadFile(std::string(GRAFIDA_TEST_DATA_DIR) + "/fuzz-regressions/" + file);
        IniFile ini(text);
        const Settings read = ReadSettings(ini, "/opt/grafida");
        StoreSettings(read, ini);
        EXPECT_EQ(ReadSettings(IniFile(ini.Text()), "/opt/grafida"), read) << file;
    }
}

} // namespace
} // namespace grafida
