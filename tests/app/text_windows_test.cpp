// Text windows: Save, Save as, failed writes, fonts, clipboard, Load matrices to list.
#include "AppFixture.h"
#include "numeric/MatrixText.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <filesystem>
#include <unistd.h>

namespace grafida::app::testing {
namespace {

using grafida::testing::ReadFile;
namespace fs = std::filesystem;

TEST_F(App, SaveWritesANewFileInWorkDirThenGoesThroughSaveAs) {
    TFormMDIChild& window = NewWindow("0.00 1.00\n1.00 0.00");
    window.SetCaption("benzene_AD.M");
    EXPECT_TRUE(window.isWindowModified());
    Trigger("SaveItem");
    EXPECT_EQ(ReadFile(WorkDir() + "/benzene_AD.M"), "0.00 1.00\r\n1.00 0.00\r\n");
    EXPECT_FALSE(window.IsModified());
    EXPECT_TRUE(window.IsSaved());
    EXPECT_TRUE(dialogs_.saveProposals.empty());

    // The file exists now: Save asks through Save as, which proposes the same file.
    window.Memo().appendPlainText("more");
    dialogs_.saveAnswers = {std::nullopt};
    Trigger("SaveItem");
    EXPECT_EQ(dialogs_.saveProposals,
              std::vector<QString>{QString::fromStdString(WorkDir() + "/benzene_AD.M")});
    EXPECT_TRUE(window.IsModified());
    EXPECT_FALSE(window.IsSaved());
    EXPECT_EQ(ReadFile(WorkDir() + "/benzene_AD.M"), "0.00 1.00\r\n1.00 0.00\r\n");

    // A NONAME window always asks.
    NewWindow("x");
    dialogs_.saveAnswers = {std::nullopt};
    Trigger("SaveItem");
    EXPECT_EQ(dialogs_.saveProposals.size(), 2u);
}

TEST_F(App, SaveAsWritesWhereTheUserChoseAndKeepsWorkDir) {
    Write("work/result.M", "the file of that name in WorkDir");
    TFormMDIChild& window = NewWindow("1 2 3");
    dialogs_.saveAnswers = {Path("other/result.M")};
    EXPECT_TRUE(window.SaveTextAs());
    EXPECT_EQ(ReadFile(Path("other/result.M")), "1 2 3\r\n");
    EXPECT_EQ(ReadFile(Path("work/result.M")), "the file of that name in WorkDir");
    EXPECT_EQ(window.Caption(), "result.M");
    EXPECT_EQ(Work().WorkDir(), WorkDir());
    EXPECT_FALSE(window.isWindowModified());
}

// A write that fails is reported, and the window stays modified under its old caption.
TEST_F(App, AFailedWriteIsNeverTakenForSuccess) {
    fs::create_directories(Path("locked"));
    fs::permissions(Path("locked"), fs::perms::owner_read | fs::perms::owner_exec);
    std::vector<std::string> targets = {Path("missing/x.M"), Path("other/file.M/x.M")};
    Write("other/file.M", "a file, not a folder");
    // root writes into a read-only folder all the same.
    if (::geteuid() != 0)
        targets.push_back(Path("locked/x.M"));
    TFormMDIChild& window = NewWindow("text");
    for (const auto& target : targets) {
        dialogs_.saveAnswers = {target};
        EXPECT_FALSE(window.SaveTextAs());
        EXPECT_EQ(reporter_.errors.back(), "Can't write file " + target);
        EXPECT_TRUE(window.IsModified());
        EXPECT_FALSE(window.IsSaved());
        EXPECT_EQ(window.Caption(), "NONAME1");
        EXPECT_FALSE(fs::exists(target));
    }
    // Closing with Yes and a failed save keeps the window.
    reporter_.answers = {Answer::Yes};
    dialogs_.saveAnswers = {targets.front()};
    Trigger("CloseItem");
    EXPECT_EQ(Main().TextWindows().size(), 1u);
    fs::permissions(Path("locked"), fs::perms::owner_all);
    window.CloseWithoutQuestion();
}

TEST_F(App, LoadMatricesToListKeepsBothPrintedMatrices) {
    TFormMDIChild& window = NewWindow();
    TFLOATARRAY ad("b_AD", {{0, 1}, {1, 0}});
    TFLOATARRAY di("b_DI", {{0, 1, 2}, {1, 0, 1}, {2, 1, 0}});
    PrintPlain(ad, window, 4, 2);
    PrintFormatted(di, window, 4, 2);
    EXPECT_FALSE(window.IsModified()); // printed results are no edit
    Trigger("LoadMatricesItem");
    EXPECT_EQ(reporter_.informations, std::vector<std::string>{"2 matrices loaded"});
    ASSERT_EQ(Work().matrices.Count(), 2);
    EXPECT_EQ(Work().matrices.Item(1).Name(), "b_DI");
    EXPECT_EQ(Work().matrices.Item(1).Get(1, 3), 2.0);
    EXPECT_FALSE(fs::exists(WorkDir() + "/TempMatFile.m"));
    Trigger("LoadMatricesItem");
    EXPECT_EQ(reporter_.informations.back(), "0 matrices loaded");
}

TEST_F(App, EditCommandsFontsAndShortcutsActOnTheActiveWindow) {
    TFormMDIChild& window = NewWindow("abc");
    Trigger("SelectAllItem");
    Trigger("CopyItem");
    EXPECT_EQ(QApplication::clipboard()->text(), "abc");
    Trigger("CutItem");
    EXPECT_EQ(window.Memo().toPlainText(), "");
    Trigger("PasteItem");
    Trigger("PasteItem");
    EXPECT_EQ(window.Memo().toPlainText(), "abcabc");

    QFont font(QStringLiteral("Serif"), 17);
    dialogs_.fontAnswer = font;
    Trigger("FontsItem");
    EXPECT_EQ(window.Memo().font().pointSize(), 17);

    // Ctrl+A in the text is Save as, as the menu says; Ctrl+N makes a new window.
    window.Memo().setFocus();
    dialogs_.saveAnswers = {std::nullopt};
    QTest::keyClick(&window.Memo(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(dialogs_.saveProposals.size(), 1u);
    QTest::keyClick(&window.Memo(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"NONAME1", "NONAME2"}));
    window.CloseWithoutQuestion();
}

} // namespace
} // namespace grafida::app::testing
