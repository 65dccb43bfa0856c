#include "support/FileSizeLimit.h"
#include "support/RecordingReporter.h"
#include "workspace/SettingsFile.h"

#include <clocale>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace grafida {
namespace {

using grafida::testing::FileSizeLimit;
using grafida::testing::ReadFile;
using grafida::testing::RecordedMessages;
using grafida::testing::ScratchDir;

const std::string kAppDir = "/opt/grafida/bin";

Settings Defaults() {
    Settings settings;
    settings.WorkDir = kAppDir;
    return settings;
}

TEST(SettingsValues, ReadAsTheProgramAlwaysReadThem) {
    const struct {
        const char* line;
        std::function<void(Settings&)> change; // from the defaults
    } cases[] = {
        {"Width=0x10", [](Settings& s) { s.Width = 16; }},
        {"Width=300", [](Settings& s) { s.Width = 44; }},
        {"Width=abc", [](Settings&) {}},
        {"Width=-1", [](Settings& s) { s.Width = 255; }},
        {"Width=0X1f", [](Settings& s) { s.Width = 31; }},
        {"Width=  12  ", [](Settings& s) { s.Width = 12; }},
        {"Width=0x", [](Settings&) {}},
        {"Width=0x1g", [](Settings&) {}},
        {"Width=0x100000000", [](Settings&) {}},
        {"Width=99999999999", [](Settings&) {}},
        {"Width=7.5", [](Settings&) {}},
        {"Width=", [](Settings&) {}},
        {"Decimals=0x105", [](Settings& s) { s.Decimals = 5; }},
        {"Decimals=0", [](Settings& s) { s.Decimals = 0; }},
        {"Iterations=0xFFFFFFFF", [](Settings& s) { s.Iterations = -1; }},
        {"Iterations=2147483647", [](Settings& s) { s.Iterations = 2147483647; }},
        {"Iterations=2147483648", [](Settings&) {}},
        {"Iterations=+250", [](Settings& s) { s.Iterations = 250; }},
        {"Formated Display=1", [](Settings& s) { s.FormattedDisplay = true; }},
        {"Formated Display=-3", [](Settings& s) { s.FormattedDisplay = true; }},
        {"Formated Display=yes", [](Settings&) {}},
        {"Clear previous context=0", [](Settings& s) { s.ClearPrevious = false; }},
        {"Clear previous context=0x0", [](Settings& s) { s.ClearPrevious = false; }},
        {"Clear previous context=no", [](Settings&) {}},
        {"Error=1e-3", [](Settings& s) { s.Error = 0.001; }},
        {"Error= .25 ", [](Settings& s) { s.Error = 0.25; }},
        {"Error=1,5", [](Settings&) {}},
        {"Error=1e-", [](Settings&) {}},
        {"Error=inf", [](Settings&) {}},
        {"WorkDir=/home/chem/work", [](Settings& s) { s.WorkDir = "/home/chem/work"; }},
        {"Unknown=1", [](Settings&) {}},
    };
    for (const auto& c : cases) {
        Settings expected = Defaults();
        c.change(expected);
        const IniFile file(std::string("[Window]\r\nWidth=99\r\n[Preferences]\r\n") + c.line + "\r\n");
        EXPECT_EQ(ReadSettings(file, kAppDir), expected) << c.line;
    }
}

TEST(SettingsValues, WithoutTheSectionEveryValueIsTheDefault) {
    EXPECT_EQ(ReadSettings(IniFile(""), kAppDir), Defaults());
    EXPECT_EQ(ReadSettings(IniFile("[Other]\nWidth=9\nClear previous context=0\n"), kAppDir), Defaults());
}

// A program folder and a user configuration folder in a scratch folder; whether
// the program folder counts as writable is up to the test (tests run as root,
// for whom permission bits stop nothing).
struct Places {
    ScratchDir scratch;
    bool appDirWritable = true;
    std::string appDir = scratch.file("bin");
    std::string configFolder = scratch.file("config/grafida");
    SettingsLocation location{appDir, configFolder, [this](const std::string&) { return appDirWritable; }};

    Places() { std::filesystem::create_directories(appDir); }
    std::string AppFile() const { return appDir + "/GRAFIDA.INI"; }
    std::string ConfigFile() const { return configFolder + "/GRAFIDA.INI"; }
};

TEST(SettingsFile, MissingFileGivesDefaultsAndSavingWritesAllKeysInOrder) {
    Places places;
    EXPECT_EQ(LoadSettings(places.location), Settings{.WorkDir = places.appDir});

    Settings settings{.FormattedDisplay = true,
                      .ClearPrevious = false,
                      .Width = 12,
                      .Decimals = 5,
                      .Iterations = 250,
                      .Error = 1.0E-5,
                      .WorkDir = "/home/chem/work"};
    RecordedMessages messages;
    ASSERT_TRUE(SaveSettings(settings, places.location));
    EXPECT_TRUE(messages.errors().empty());
    EXPECT_EQ(ReadFile(places.AppFile()), "[Preferences]\r\n"
                                          "Formated Display=1\r\n"
                                          "Clear previous context=0\r\n"
                                          "Width=12\r\n"
                                          "Decimals=5\r\n"
                                          "Iterations=250\r\n"
                                          "Error=1e-05\r\n"
                                          "WorkDir=/home/chem/work\r\n");
    EXPECT_EQ(LoadSettings(places.location), settings);
}

TEST(SettingsFile, SavingKeepsCommentsSectionsAndUnknownKeysByteForByte) {
    Places places;
    const std::string before = "; GRAFIDA settings, edited by hand\r\n"
                               "\r\n"
                               "[Window]\r\n"
                               "Left=10\r\n"
                               "Width = 300\r\n"
                               "\r\n"
                               "[Preferences]\r\n"
                               "; width of printed numbers\r\n"
                               "Width = 0x10\r\n"
                               "Unknown key=keep me\r\n"
                               "Decimals=garbage\r\n"
                               "\r\n"
                               "[Other]\r\n"
                               "WorkDir=/not/ours\r\n";
    places.scratch.write("bin/GRAFIDA.INI", before);
    Settings settings = LoadSettings(places.location);
    EXPECT_EQ(settings.Width, 16);
    EXPECT_EQ(settings.Decimals, 2);
    EXPECT_EQ(settings.WorkDir, places.appDir);

    settings.Width = 8;
    settings.Error = 0.5;
    settings.WorkDir = "/data/run 1";
    ASSERT_TRUE(SaveSettings(settings, places.location));
    EXPECT_EQ(ReadFile(places.AppFile()), "; GRAFIDA settings, edited by hand\r\n"
                                          "\r\n"
                                          "[Window]\r\n"
                                          "Left=10\r\n"
                                          "Width = 300\r\n"
                                          "\r\n"
                                          "[Preferences]\r\n"
                                          "; width of printed numbers\r\n"
                                          "Width = 8\r\n"
                                          "Unknown key=keep me\r\n"
                                          "Decimals=2\r\n"
                                          "Formated Display=0\r\n"
                                          "Clear previous context=1\r\n"
                                          "Iterations=1000\r\n"
                                          "Error=0.5\r\n"
                                          "WorkDir=/data/run 1\r\n"
                                          "\r\n"
                                          "[Other]\r\n"
                                          "WorkDir=/not/ours\r\n");
}

TEST(SettingsFile, GarbageIsReadAsDefaultsAndKeptWithLfTurnedIntoCrLf) {
    Places places;
    const std::string garbage = "\x01\x02 binary\n"
                                "[Preferences\n"
                                "Width=9\n"
                                "=5\n"
                                "[Preferences]\n"
                                "Width\n"
                                "Iterations==3\n"
                                "Error=0.0.1\n"
                                "\xFF\xFE=\xFD";
    places.scratch.write("bin/GRAFIDA.INI", garbage);
    const Settings settings = LoadSettings(places.location);
    EXPECT_EQ(settings, Settings{.WorkDir = places.appDir});
    ASSERT_TRUE(SaveSettings(settings, places.location));
    EXPECT_EQ(ReadFile(places.AppFile()), "\x01\x02 binary\r\n"
                                          "[Preferences\r\n"
                                          "Width=9\r\n"
                                          "=5\r\n"
                                          "[Preferences]\r\n"
                                          "Width\r\n"
                                          "Iterations=1000\r\n"
                                          "Error=1e-05\r\n"
                                          "\xFF\xFE=\xFD\r\n"
                                          "Formated Display=0\r\n"
                                          "Clear previous context=1\r\n"
                                          "Width=4\r\n"
                                          "Decimals=2\r\n"
                                          "WorkDir=" +
                                              places.appDir + "\r\n");
}

TEST(SettingsFile, NumbersUseAPointInAGermanLocale) {
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is missing: scripts/setup generates it";
    Places places;
    places.scratch.write("bin/GRAFIDA.INI", "[Preferences]\r\nError=2.5e-4\r\n");
    Settings settings = LoadSettings(places.location);
    const double read = settings.Error;
    settings.Error = 0.125;
    const bool saved = SaveSettings(settings, places.location);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(read, 2.5e-4);
    ASSERT_TRUE(saved);
    EXPECT_NE(ReadFile(places.AppFile()).find("\r\nError=0.125\r\n"), std::string::npos);
}

TEST(SettingsFile, UnwritableProgramFolderMovesTheFileToTheUserConfigFolder) {
    Places places;
    places.appDirWritable = false;
    const std::string shipped = "[Preferences]\r\nWidth=9\r\n[Site]\r\nLicense=lab\r\n";
    places.scratch.write("bin/GRAFIDA.INI", shipped);

    // The file next to the program is read until the user has one of his own.
    Settings settings = LoadSettings(places.location);
    EXPECT_EQ(settings.Width, 9);
    settings.Width = 6;
    ASSERT_TRUE(SaveSettings(settings, places.location));
    EXPECT_EQ(ReadFile(places.AppFile()), shipped);
    const std::string own = ReadFile(places.ConfigFile());
    EXPECT_EQ(own.rfind("[Preferences]\r\nWidth=6\r\n", 0), 0u) << own;
    EXPECT_NE(own.find("[Site]\r\nLicense=lab\r\n"), std::string::npos) << own;

    EXPECT_EQ(LoadSettings(places.location).Width, 6);
    settings.Width = 7;
    ASSERT_TRUE(SaveSettings(settings, places.location));
    EXPECT_EQ(LoadSettings(places.location).Width, 7);
    EXPECT_EQ(ReadFile(places.AppFile()), shipped);

    // Once the folder is writable again the file next to the program counts.
    places.appDirWritable = true;
    EXPECT_EQ(LoadSettings(places.location).Width, 9);
}

TEST(SettingsFile, UnreadableFileNextToAnInstalledProgramDoesNotStopSaving) {
    Places places;
    places.appDirWritable = false;
    std::filesystem::create_directory(places.AppFile());
    Settings settings = LoadSettings(places.location);
    EXPECT_EQ(settings, Settings{.WorkDir = places.appDir});
    settings.Width = 6;
    RecordedMessages messages;
    ASSERT_TRUE(SaveSettings(settings, places.location));
    EXPECT_TRUE(messages.errors().empty());
    EXPECT_EQ(LoadSettings(places.location), settings);
}

TEST(SettingsFile, ProgramFolderUnderProcIsNotWritable) {
    const SettingsLocation location = SettingsLocation::ForProgram("/proc/self/fdinfo");
    EXPECT_FALSE(location.isWritableFolder("/proc/self/fdinfo"));
    EXPECT_FALSE(location.isWritableFolder("/no/such/folder"));
    ScratchDir scratch;
    EXPECT_TRUE(location.isWritableFolder(scratch.path().string()));
}

TEST(SettingsFile, FailedWritesAreReportedAndLeaveTheOldFile) {
    const std::string old = "; keep\r\n[Preferences]\r\nWidth=9\r\n";
    const struct {
        const char* what;
        std::function<void(Places&)> arrange;
    } cases[] = {
        {"configuration folder cannot be made",
         [](Places& p) {
             p.appDirWritable = false;
             p.configFolder = "/proc/self/grafida-settings";
             p.location.userConfigFolder = p.configFolder;
         }},
        {"settings file is a folder",
         [](Places& p) {
             std::filesystem::remove(p.AppFile());
             std::filesystem::create_directory(p.AppFile());
         }},
        {"settings file too large to read",
         [](Places& p) {
             p.scratch.write("bin/GRAFIDA.INI", "[Preferences]\r\nWidth=9\r\n" + std::string(2 << 20, ';'));
         }},
    };
    for (const auto& c : cases) {
        Places places;
        places.scratch.write("bin/GRAFIDA.INI", old);
        c.arrange(places);
        const std::string before =
            std::filesystem::is_regular_file(places.AppFile()) ? ReadFile(places.AppFile()) : "";
        RecordedMessages messages;
        EXPECT_FALSE(SaveSettings(Defaults(), places.location)) << c.what;
        EXPECT_EQ(messages.errors(),
                  std::vector<std::string>{"Can't write settings file " + places.location.WritePath()})
            << c.what;
        // Compared as a whole: a failure must not print megabytes of file.
        if (!before.empty()) {
            EXPECT_TRUE(ReadFile(places.AppFile()) == before) << c.what << ": the old file was changed";
        }
    }
}

TEST(SettingsFile, DiskFullWhileWritingLeavesTheOldFile) {
    Places places;
    const std::string old = "[Preferences]\r\nWidth=9\r\n";
    places.scratch.write("bin/GRAFIDA.INI", old);
    RecordedMessages messages;
    bool saved_ok = true;
    {
        const FileSizeLimit diskFull(16);
        ASSERT_TRUE(diskFull.active());
        saved_ok = SaveSettings(Defaults(), places.location);
    }

    EXPECT_FALSE(saved_ok);
    EXPECT_EQ(messages.errors(), std::vector<std::string>{"Can't write settings file " + places.AppFile()});
    EXPECT_EQ(ReadFile(places.AppFile()), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(places.appDir), {}), 1)
        << "no temporary file is left behind";
}

} // namespace
} // namespace grafida
