#include "support/RecordingReporter.h"
#include "workspace/Places.h"
#include "workspace/WorkFiles.h"
#include "workspace/Workspace.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace grafida {
namespace {

using grafida::testing::ReadFile;
using grafida::testing::RecordedMessages;
using grafida::testing::ScratchDir;
namespace fs = std::filesystem;

// A program folder and a working folder; the settings file sits next to the program.
struct Install {
    ScratchDir scratch;
    std::string appDir = scratch.file("bin");
    std::string workDir = scratch.file("work");
    SettingsLocation location{appDir, scratch.file("config"), [](const std::string&) { return true; }};

    Install() {
        fs::create_directories(appDir);
        fs::create_directories(workDir);
    }
    void WriteSettings(const std::string& workDirValue) const {
        scratch.write("bin/GRAFIDA.INI", "[Preferences]\r\nWidth=7\r\nWorkDir=" + workDirValue + "\r\n");
    }
};

std::unique_ptr<TFLOATARRAY> Matrix(const std::string& name) {
    auto matrix = std::make_unique<TFLOATARRAY>(2, 2);
    matrix->SetName(name);
    return matrix;
}

TEST(WorkspaceLifecycle, StartFallsBackToAppDirWhenWorkDirIsNoFolder) {
    Install install;
    const struct {
        std::string value;
        std::string expected;
    } cases[] = {
        {install.workDir, install.workDir},
        {install.scratch.file("gone"), install.appDir},
        {"", install.appDir},
        {install.scratch.write("plain-file", "x"), install.appDir},
    };
    for (const auto& c : cases) {
        install.WriteSettings(c.value);
        Workspace workspace(install.location);
        workspace.Start();
        EXPECT_EQ(workspace.WorkDir(), c.expected) << c.value;
        EXPECT_EQ(workspace.settings.Width, 7);
        EXPECT_EQ(workspace.AppDir(), install.appDir);
    }
}

TEST(WorkspaceLifecycle, StartWithoutSettingsFileUsesTheDefaults) {
    Install install;
    Workspace workspace(install.location);
    workspace.molecules.Append("stale");
    workspace.Start();
    EXPECT_EQ(workspace.settings, Settings{.WorkDir = install.appDir});
    EXPECT_TRUE(workspace.molecules.Empty());
    EXPECT_TRUE(workspace.matrices.Empty());
}

TEST(WorkspaceLifecycle, CloseSavesSettingsEmptiesStoresAndDeletesWorkFiles) {
    Install install;
    install.WriteSettings(install.workDir);
    Workspace workspace(install.location);
    workspace.Start();
    workspace.molecules.Append("Ring");
    workspace.matrices.Add(Matrix("Ring_AD"));
    workspace.settings.Decimals = 6;

    const fs::path work(install.workDir);
    install.scratch.write("work/Ring.TOP", "ours");
    install.scratch.write("work/RING.TOP", "ours too");
    install.scratch.write("work/old.TOP", "left by another program");
    install.scratch.write("work/.TOP", "no stem");
    install.scratch.write("work/lower.top", "not a work file on a case-sensitive system");
    install.scratch.write("work/Ring_AD.M", "a saved matrix");
    install.scratch.write("work/notes.TOPX", "another extension");
    fs::create_directory(work / "folder.TOP");
    fs::create_symlink(install.scratch.file("work/Ring_AD.M"), work / "link.TOP");
    EXPECT_EQ(workspace.WorkFilePath("Ring"), install.workDir + "/Ring.TOP");

    RecordedMessages messages;
    EXPECT_TRUE(workspace.Close());
    EXPECT_TRUE(messages.errors().empty());
    EXPECT_TRUE(workspace.molecules.Empty());
    EXPECT_TRUE(workspace.matrices.Empty());

    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(work))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"Ring_AD.M", "folder.TOP", "lower.top", "notes.TOPX"}));

    Workspace next(install.location);
    next.Start();
    EXPECT_EQ(next.settings.Decimals, 6);
    EXPECT_EQ(next.WorkDir(), install.workDir);
}

TEST(WorkspaceLifecycle, CloseDeletesOnlyInTheThenCurrentWorkDir) {
    Install install;
    Workspace workspace(install.location);
    workspace.Start();
    install.scratch.write("bin/first.TOP", "");
    fs::create_directories(install.scratch.file("later"));
    install.scratch.write("later/second.TOP", "");
    workspace.settings.WorkDir = install.scratch.file("later");
    workspace.Close();
    EXPECT_TRUE(fs::exists(install.scratch.file("bin/first.TOP")));
    EXPECT_FALSE(fs::exists(install.scratch.file("later/second.TOP")));
    EXPECT_NE(
        ReadFile(install.scratch.file("bin/GRAFIDA.INI")).find("WorkDir=" + install.scratch.file("later")),
        std::string::npos);
}

TEST(WorkspaceLifecycle, CloseStillEmptiesAndCleansWhenSettingsCannotBeWritten) {
    Install install;
    fs::create_directory(install.scratch.file("bin/GRAFIDA.INI"));
    Workspace workspace(install.location);
    workspace.Start();
    workspace.settings.WorkDir = install.workDir;
    workspace.matrices.Add(Matrix("a_AD"));
    install.scratch.write("work/a.TOP", "");
    RecordedMessages messages;
    EXPECT_FALSE(workspace.Close());
    EXPECT_EQ(messages.errors(),
              std::vector<std::string>{"Can't write settings file " + install.appDir + "/GRAFIDA.INI"});
    EXPECT_TRUE(workspace.matrices.Empty());
    EXPECT_FALSE(fs::exists(install.scratch.file("work/a.TOP")));
}

TEST(WorkspaceLifecycle, MissingWorkDirAtCloseIsNoError) {
    EXPECT_EQ(DeleteMoleculeFiles("/no/such/folder"), 0);
    EXPECT_EQ(MoleculeWorkFilePath("/", "x"), "/x.TOP");
}

TEST(CurrentWorkspace, IsTheOneInstalledByTheInnermostScope) {
    Install install;
    Workspace outer(install.location);
    Workspace inner(install.location);
    EXPECT_EQ(CurrentWorkspace(), nullptr);
    {
        CurrentWorkspaceScope first(outer);
        EXPECT_EQ(CurrentWorkspace(), &outer);
        {
            CurrentWorkspaceScope second(inner);
            EXPECT_EQ(CurrentWorkspace(), &inner);
        }
        EXPECT_EQ(CurrentWorkspace(), &outer);
    }
    EXPECT_EQ(CurrentWorkspace(), nullptr);
}

TEST(Places, ExecutableFolderAndUserConfigFolder) {
    EXPECT_EQ(ExecutableFolder(), fs::canonical("/proc/self/exe").parent_path().string());
    auto saved = [](const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    };
    auto restore = [](const char* name, const std::optional<std::string>& value) {
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    };
    const auto home = saved("HOME");
    const auto xdg = saved("XDG_CONFIG_HOME");

    setenv("XDG_CONFIG_HOME", "/xdg/", 1);
    EXPECT_EQ(UserConfigFolder(), "/xdg/grafida");
    setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    setenv("HOME", "/home/chem", 1);
    EXPECT_EQ(UserConfigFolder(), "/home/chem/.config/grafida");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(UserConfigFolder(), "/home/chem/.config/grafida");

    restore("HOME", home);
    restore("XDG_CONFIG_HOME", xdg);
}

} // namespace
} // namespace grafida
