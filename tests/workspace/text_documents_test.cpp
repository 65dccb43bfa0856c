// The text windows' file work, the tolerance text of the preferences and the tools.
#include "support/RecordingReporter.h"
#include "workspace/PreferencesText.h"
#include "workspace/TextDocuments.h"
#include "workspace/ToolPrograms.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace grafida {
namespace {

using grafida::testing::ReadFile;
using grafida::testing::RecordedMessages;
using grafida::testing::ScratchDir;
namespace fs = std::filesystem;

TEST(TextDocuments, NewWindowsAreNumberedAfterTheOpenOnes) {
    EXPECT_EQ(NewDocumentCaption(0), "NONAME1");
    EXPECT_EQ(NewDocumentCaption(2), "NONAME3");
}

TEST(TextDocuments, SaveWritesStraightOnlyToANewFileOfARealName) {
    ScratchDir work;
    work.write("taken.M", "x");
    const std::string dir = work.path().string();
    EXPECT_EQ(DirectSavePath(dir, "NONAME1"), "");
    EXPECT_EQ(DirectSavePath(dir, "my NONAME copy"), "");
    EXPECT_EQ(DirectSavePath(dir, "taken.M"), "");
    EXPECT_EQ(DirectSavePath(dir, "benzene_AD.M"), dir + "/benzene_AD.M");
    // Matrix names loaded from a file make captions that are no plain file names.
    for (const char* caption : {"../outside.M", "sub/x_AD.M", "..", "."})
        EXPECT_EQ(DirectSavePath(dir, caption), "") << caption;
}

TEST(TextDocuments, WriteTextFileEndsLinesWithCrLfAndReportsFailure) {
    ScratchDir work;
    RecordedMessages messages;
    EXPECT_TRUE(WriteTextFile(work.file("a.M"), "one\ntwo\r\nthree"));
    EXPECT_EQ(ReadFile(work.file("a.M")), "one\r\ntwo\r\nthree\r\n");
    EXPECT_TRUE(messages.errors().empty());
    // A folder that does not exist, and one that is a file: nothing written, told.
    for (const std::string& path : {work.file("missing/a.M"), work.file("a.M/b.M")}) {
        EXPECT_FALSE(WriteTextFile(path, "x"));
        EXPECT_EQ(messages.errors().back(), "Can't write file " + path);
    }
    EXPECT_EQ(ReadFile(work.file("a.M")), "one\r\ntwo\r\nthree\r\n");
}

TEST(TextDocuments, LoadMatricesToListKeepsWhatTheReaderAcceptsWithoutWritingFiles) {
    ScratchDir appDir;
    Workspace workspace(SettingsLocation{appDir.path().string(), "", [](const std::string&) { return true; }},
                        appDir.path().string());
    workspace.settings.WorkDir = appDir.path().string();
    workspace.matrices.Add(std::make_unique<TFLOATARRAY>("taken_AD", std::vector<std::vector<double>>{{7}}));
    RecordedMessages messages;
    const std::string text = "Results of today\n"
                             "$TFLOATARRAY\nb_AD\n2 2\n0.00 1.00\n1.00 0.00\n\n"
                             "$TFLOATARRAY\nb_DI\n2 3\n0 1 2\n1 0 1\n"
                             "$TFLOATARRAY\ntaken_AD\n1 1\n5\n";
    EXPECT_EQ(LoadMatricesToList(workspace, text), 2);
    EXPECT_EQ(messages.reporter.informations, std::vector<std::string>{"2 matrices loaded"});
    ASSERT_EQ(workspace.matrices.Count(), 3);
    EXPECT_EQ(workspace.matrices.Item(1).Name(), "b_AD");
    EXPECT_EQ(workspace.matrices.Item(2).Get(2, 3), 1.0);
    EXPECT_EQ(workspace.matrices.Item(0).Get(1, 1), 7.0);
    EXPECT_EQ(LoadMatricesToList(workspace, "no matrix here"), 0);
    EXPECT_EQ(messages.reporter.informations.back(), "0 matrices loaded");
    EXPECT_FALSE(fs::exists(appDir.file("TempMatFile.m")));
}

TEST(ToleranceText, ShowsTwoDecimalsAndAThreeDigitExponent) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{1e-5, "1.00E-005"},
                 {0.001, "1.00E-003"},
                 {123456, "1.23E+005"},
                 {2.5e-120, "2.50E-120"},
                 {0, "0.00E+000"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatTolerance(c.value), c.text);
}

TEST(ToleranceText, ReadsNumbersWithBlanksAndRefusesTheRest) {
    EXPECT_EQ(ParseTolerance("1e-3"), 0.001);
    EXPECT_EQ(ParseTolerance("  1.00E-005 "), 1e-5);
    EXPECT_EQ(ParseTolerance("-.5"), -0.5);
    for (const char* bad : {"1e-", "", " ", "1,5", "e5", "1e5e", "--1", "inf", "nan"})
        EXPECT_FALSE(ParseTolerance(bad).has_value()) << bad;
    for (const char c : std::string("0123456789-.Ee"))
        EXPECT_TRUE(IsToleranceCharacter(c)) << c;
    for (const char c : std::string("+, a\b\tx"))
        EXPECT_FALSE(IsToleranceCharacter(c)) << int(c);
}

TEST(StatusBarTools, TheFirstInstalledCandidateIsStarted) {
    ScratchDir bin1;
    ScratchDir bin2;
    const auto executable = [](const std::string& path) {
        fs::permissions(path, fs::perms::owner_all);
        return path;
    };
    executable(bin2.write("kcalc", "#!/bin/sh\n"));
    executable(bin1.write("galculator", "#!/bin/sh\n"));
    bin1.write("gnome-calculator", "not executable");
    fs::create_directory(bin1.path() / "xcalc");
    const std::string path = bin1.path().string() + "::" + bin2.path().string();
    const auto& calculator = StatusBarTools().at(0);
    const ToolChoice found = ChooseTool(calculator, path);
    EXPECT_EQ(found.path, bin2.file("kcalc"));
    EXPECT_EQ(found.hint, "kcalc");
    EXPECT_EQ(found.iconName, "kcalc");

    const ToolChoice missing = ChooseTool(StatusBarTools().at(5), path);
    EXPECT_EQ(missing.path, "");
    EXPECT_EQ(missing.iconName, "utilities-terminal");
    EXPECT_TRUE(missing.hint.starts_with("Terminal not installed (looked for gnome-terminal, konsole"));
    EXPECT_EQ(StatusBarTools().size(), 6u);
}

} // namespace
} // namespace grafida
