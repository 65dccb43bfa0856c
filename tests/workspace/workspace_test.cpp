#include "support/RecordingReporter.h"
#include "workspace/Places.h"
#include "workspace/WorkFiles.h"
#include "workspace/Workspace.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

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

// Work files live in a folder of this run only: the user's WorkDir keeps every file,
// ".TOP" ones included, whoever wrote them.
TEST(WorkspaceLifecycle, CloseSavesSettingsEmptiesStoresAndRemovesOnlyTheRunFolder) {
    Install install;
    install.WriteSettings(install.workDir);
    Workspace workspace(install.location, install.scratch.path().string());
    workspace.Start();
    workspace.molecules.Append("Ring");
    workspace.matrices.Add(Matrix("Ring_AD"));
    workspace.settings.Decimals = 6;

    const fs::path run(workspace.WorkFolder());
    EXPECT_EQ(workspace.WorkFilePath("Ring"), (run / "Ring.TOP").string());
    EXPECT_EQ(run.parent_path(), install.scratch.path());
    install.scratch.write("work/old.TOP", "left by another program");
    install.scratch.write("work/Ring.TOP", "the user's own");
    install.scratch.write(fs::relative(run / "Ring.TOP", install.scratch.path()).string(), "ours");

    RecordedMessages messages;
    EXPECT_TRUE(workspace.Close());
    EXPECT_TRUE(messages.errors().empty());
    EXPECT_TRUE(workspace.molecules.Empty());
    EXPECT_TRUE(workspace.matrices.Empty());
    EXPECT_FALSE(fs::exists(run));
    EXPECT_EQ(ReadFile(install.scratch.file("work/old.TOP")), "left by another program");
    EXPECT_EQ(ReadFile(install.scratch.file("work/Ring.TOP")), "the user's own");

    Workspace next(install.location, install.scratch.path().string());
    next.Start();
    EXPECT_EQ(next.settings.Decimals, 6);
    EXPECT_EQ(next.WorkDir(), install.workDir);
}

TEST(WorkspaceLifecycle, ChangingWorkDirKeepsTheWorkFilesWhereCommandsFindThem) {
    Install install;
    Workspace workspace(install.location, install.scratch.path().string());
    workspace.Start();
    const std::string before = workspace.WorkFilePath("a");
    workspace.settings.WorkDir = install.workDir;
    EXPECT_EQ(workspace.WorkFilePath("a"), before);
    workspace.Close();
    EXPECT_NE(ReadFile(install.scratch.file("bin/GRAFIDA.INI")).find("WorkDir=" + install.workDir),
              std::string::npos);
}

TEST(WorkspaceLifecycle, CloseStillEmptiesAndCleansWhenSettingsCannotBeWritten) {
    Install install;
    fs::create_directory(install.scratch.file("bin/GRAFIDA.INI"));
    Workspace workspace(install.location, install.scratch.path().string());
    workspace.Start();
    workspace.matrices.Add(Matrix("a_AD"));
    const std::string run = workspace.WorkFolder();
    RecordedMessages messages;
    EXPECT_FALSE(workspace.Close());
    EXPECT_EQ(messages.errors(),
              std::vector<std::string>{"Can't write settings file " + install.appDir + "/GRAFIDA.INI"});
    EXPECT_TRUE(workspace.matrices.Empty());
    EXPECT_FALSE(fs::exists(run));
}

// A crashed run leaves its folder behind; the next run removes it, but never the
// folder of a run still going, nor anything that is not a run folder.
TEST(RunFolders, StaleOnesAreRemovedAtTheNextStart) {
    ScratchDir base;
    // No process has this id (above the kernel's limit of 2^22).
    fs::create_directories(base.path() / "grafida-run-99999999-abcdef");
    base.write("grafida-run-99999999-abcdef/x.TOP", "");
    const std::string alive = "grafida-run-" + std::to_string(::getppid()) + "-abcdef";
    fs::create_directories(base.path() / alive);
    fs::create_directories(base.path() / "grafida-run-x-abcdef");
    fs::create_directories(base.path() / "other");
    base.write("grafida-run-99999998-file", "a file, not a folder");
    {
        RunFolder folder(base.path().string());
        EXPECT_TRUE(fs::is_directory(folder.Path()));
        EXPECT_EQ(fs::status(folder.Path()).permissions() & fs::perms::all, fs::perms::owner_all);
        EXPECT_FALSE(fs::exists(base.path() / "grafida-run-99999999-abcdef"));
        EXPECT_TRUE(fs::exists(base.path() / alive));
        EXPECT_TRUE(fs::exists(base.path() / "grafida-run-x-abcdef"));
        EXPECT_TRUE(fs::exists(base.path() / "other"));
        EXPECT_TRUE(fs::exists(base.path() / "grafida-run-99999998-file"));
    }
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(base.path()))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{alive, "grafida-run-99999998-file", "grafida-run-x-abcdef",
                                              "other"}));
}

TEST(RunFolders, AnUnusableBaseIsReported) {
    EXPECT_EQ(grafida::testing::ErrorOf([] { RunFolder folder("/no/such/folder"); }),
              "Can't create the work folder in /no/such/folder");
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
