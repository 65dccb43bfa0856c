// The main window: menus, hints, opening and dropping files, New and Close, shutdown.
#include "AppFixture.h"

#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <filesystem>

namespace grafida::app::testing {
namespace {

using grafida::testing::ReadFile;
namespace fs = std::filesystem;

std::string Chain(const std::string& name) {
    return "mol 1 \"" + name +
           "\"\r\natom 1 - C CT - 0 0 0 0 1 2 s\r\natom 2 - C CT - 0 1 0 0 1 1 s\r\nendmol 1\r\n";
}

// Text, shortcut and status-bar hint of every entry, "-" for a separator.
QStringList Entries(const QMenu& menu) {
    QStringList entries;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            entries << QStringLiteral("-");
        else if (action->isVisible())
            entries << action->text() + QLatin1Char('|') + action->shortcut().toString() + QLatin1Char('|') +
                           action->statusTip();
    }
    return entries;
}

QMenu& Menu(TFMain& main, const char* name) {
    auto* menu = main.findChild<QMenu*>(QString::fromLatin1(name));
    if (!menu)
        throw std::runtime_error(std::string("no menu ") + name);
    return *menu;
}

QStringList VisibleMenuTitles(TFMain& main) {
    QStringList titles;
    for (QAction* action : main.menuBar()->actions())
        if (action->isVisible())
            titles << action->text();
    return titles;
}

TEST_F(App, MenusItemsShortcutsHintsAndSeparators) {
    EXPECT_EQ(Main().windowTitle(), "GRAFIDA");
    EXPECT_EQ(VisibleMenuTitles(Main()),
              (QStringList{"&File", "&Calculate", "&Operation", "&Window", "&Help"}));
    EXPECT_EQ(Entries(Menu(Main(), "FileMenu")),
              (QStringList{"&New|Ctrl+N|Create a new matrices file", "&Open|Ctrl+O|Open a file or files", "-",
                           "&Preferences ...|Ctrl+P|Modify general options", "-", "E&xit|F10|Exit program"}));
    EXPECT_EQ(Entries(Menu(Main(), "CalculateMenu")),
              (QStringList{"&Basic matrices ...||Calculate base matrices",
                           "P&roperties ...||Calculate some properties",
                           "Indices ...||Calculate topological indices"}));
    EXPECT_EQ(Entries(Menu(Main(), "MathematicalOperationsMenu")),
              (QStringList{
                  "Matrix &sum||Calculate matrix sum", "Matrix &difference||Calculate matrix difference", "-",
                  "&Reciprocal||Calculate matrix reciprocal", "&Cramer product||Calculate Cramer product",
                  "&Hadamard product||Calculate Hadamard product", "-",
                  "&Eigen values and vectors||Calculate eigen values and vectors",
                  "Com&binatorial matrix||Calculate combinatorial matrix"}));
    const QStringList operation = Entries(Menu(Main(), "OperationMenu"));
    EXPECT_EQ(operation.mid(2),
              (QStringList{
                  "Mathematical o&perations||Basic mathematical operation on matrices", "-",
                  "&W matrix||Calculate W matrix", "Wal&k operator||Calculate matrix based on Walk operator",
                  "-", "La&yer matrix||Calculate layer matrix", "S&hell matrix||Calculate shell matrix"}));
    EXPECT_EQ(
        Entries(Menu(Main(), "WindowMenu")),
        (QStringList{"&Cascade||Cascade", "&Tile||Tile horizontally", "&Arrange Icons||Arrange Icons"}));
    EXPECT_EQ(Entries(Menu(Main(), "HelpMenu")),
              (QStringList{"&About ...||Displays program information, version number, and copyright"}));
    EXPECT_FALSE(Item("IndicesItem").isEnabled());
    EXPECT_TRUE(Item("BasematricesItem").isEnabled());

    // A text window brings its own File menu and the Edit menu.
    NewWindow();
    EXPECT_EQ(VisibleMenuTitles(Main()),
              (QStringList{"&File", "&Edit", "&Calculate", "&Operation", "&Window", "&Help"}));
    EXPECT_EQ(Entries(Menu(Main(), "ChildFileMenu")),
              (QStringList{"&New|Ctrl+N|Create new matrices file", "&Open|Ctrl+O|Open a file or files",
                           "&Save|Ctrl+S|Save current file",
                           "Save &as ...|Ctrl+A|Save current file with different name", "-",
                           "&Close|Ctrl+F4|Close current file", "Clo&se all ...||Close all open files", "-",
                           "&Preferences ...|Ctrl+P|Modify general options", "-", "E&xit|F10|Exit program"}));
    EXPECT_EQ(
        Entries(Menu(Main(), "EditMenu")),
        (QStringList{
            "Cu&t||Cuts the selection and puts it on the Clipboard",
            "&Copy||Copies the selection and puts it on the Clipboard", "&Paste||Inserts Clipboard contents",
            "-", "Sellect &all||Sellect all contents", "&Fonts ...||Select font size type ...", "-",
            "Load matrices to l&ist||Load current content of the window to matrices list in memory"}));
    EXPECT_EQ(Item("CutItem").toolTip(), "Cut");
    Main().CloseAllItemClick();
    EXPECT_EQ(VisibleMenuTitles(Main()).front(), "&File");
    EXPECT_TRUE(Menu(Main(), "FileMenu").menuAction()->isVisible());
}

TEST_F(App, HintsToolsAndClockShowInTheStatusBar) {
    Item("OpenItem").showStatusText(&Main());
    EXPECT_EQ(Main().HintPanel().text(), "Open a file or files");
    EXPECT_EQ(Main().HintPanel().parentWidget()->width(), 400);
    const auto buttons = Main().Tools().Buttons();
    ASSERT_EQ(buttons.size(), 6u);
    for (size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_FALSE(buttons[i]->toolTip().isEmpty());
        EXPECT_EQ(buttons[i]->iconSize(), QSize(16, 16));
        // A missing tool says so and starts nothing.
        if (Main().Tools().Programs()[i].empty())
            EXPECT_TRUE(buttons[i]->toolTip().contains("not installed"));
    }
    EXPECT_TRUE(QTime::fromString(Main().ClockPanel().text(), "HH:mm:ss").isValid())
        << Main().ClockPanel().text().toStdString();
}

TEST_F(App, OpenTakesTheDialogsFilesAndTheNextOpenStartsInTheirFolder) {
    const std::string a = Write("other/a.hin", Chain("a"));
    const std::string b = Write("other/B.HIN", Chain("b"));
    dialogs_.openAnswers = {{a, b}};
    Trigger("OpenItem");
    EXPECT_EQ(Work().molecules.Names(), (std::vector<std::string>{"a", "B"}));
    EXPECT_EQ(Work().WorkDir(), Path("other"));
    EXPECT_TRUE(reporter_.errors.empty());
    Trigger("SpeedButtonOpen");
    EXPECT_EQ(dialogs_.openFolders, (std::vector<QString>{QString::fromStdString(WorkDir()),
                                                          QString::fromStdString(Path("other"))}));
    // ClearPrevious is on: the cancelled second Open left both lists empty.
    EXPECT_TRUE(Work().molecules.Empty());
}

TEST_F(App, OpenCancelledKeepsTheListsWhenClearPreviousIsOff) {
    Work().settings.ClearPrevious = false;
    Work().molecules.Append("kept");
    Trigger("OpenItem");
    EXPECT_EQ(Work().molecules.Names(), std::vector<std::string>{"kept"});
}

TEST_F(App, OpeningMatrixFilesTellsHowManyWereLoaded) {
    const std::string two = Write("other/two.M", "$TFLOATARRAY\nx_AD\n1 1\n1\n$TFLOATARRAY\nx_DI\n1 1\n2\n");
    const std::string none = Write("other/none.m", "");
    const std::string three = Write("other/three.M", "$TFLOATARRAY\ny_1\n1 1\n1\n$TFLOATARRAY\ny_2\n1 1\n1\n"
                                                     "$TFLOATARRAY\ny_3\n1 1\n1\n");
    dialogs_.openAnswers = {{two, none, three}};
    Trigger("OpenItem");
    EXPECT_EQ(reporter_.informations, std::vector<std::string>{"5 matrices loaded"});
    EXPECT_EQ(Work().matrices.Count(), 5);
}

TEST_F(App, DroppedFilesLoadLikeOpenWithoutFoldersOrMessages) {
    const std::string a = Write("other/a.hin", Chain("a"));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(Path("work"))),
                  QUrl::fromLocalFile(QString::fromStdString(a))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Main(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Main(), &drop);
    ASSERT_TRUE(WaitUntil([this] { return Work().molecules.Count() == 1; }));
    EXPECT_EQ(Work().molecules.Name(0), "a");
    EXPECT_EQ(Work().WorkDir(), Path("other"));
    EXPECT_TRUE(reporter_.informations.empty());
    // The command line goes the same way.
    Main().DropFiles({Write("b.hin", Chain("b"))});
    EXPECT_EQ(Work().molecules.Names(), std::vector<std::string>{"b"});
}

TEST_F(App, NewNumbersWindowsAndTheCloseButtonFollowsItsRules) {
    QAction& closeButton = Item("SpeedButtonClose");
    EXPECT_FALSE(closeButton.isEnabled());
    NewWindow();
    NewWindow();
    EXPECT_TRUE(closeButton.isEnabled());
    NewWindow();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"NONAME1", "NONAME2", "NONAME3"}));
    // Close with three open keeps the button; with one open it goes off.
    Trigger("SpeedButtonClose");
    EXPECT_EQ(Captions().size(), 2u);
    EXPECT_TRUE(closeButton.isEnabled());
    Trigger("CloseItem");
    EXPECT_TRUE(closeButton.isEnabled());
    Trigger("CloseItem");
    EXPECT_TRUE(Captions().empty());
    EXPECT_FALSE(closeButton.isEnabled());
    // A window closed by its own close box disables the button when it was the last one.
    NewWindow();
    EXPECT_TRUE(closeButton.isEnabled());
    Main().MdiArea().activeSubWindow()->close();
    EXPECT_TRUE(WaitUntil([&closeButton] { return !closeButton.isEnabled(); }));
    EXPECT_EQ(Main().findChild<QToolButton*>("SpeedButtonClose")->size(), QSize(24, 24));
}

// Close and Close all ask about modified windows: Yes saves (a NONAME window through
// Save as), No discards, Cancel keeps the window and Close all goes on with the others.
TEST_F(App, CloseQuestionsAnsweredYesNoCancel) {
    const struct {
        Answer answer;
        std::optional<std::string> saveAs; // what the Save as dialog answers after Yes
        bool closes;
    } cases[] = {
        {Answer::No, std::nullopt, true},
        {Answer::Cancel, std::nullopt, false},
        {Answer::Yes, "other/kept.M", true},
        {Answer::Yes, std::nullopt, false},
    };
    for (const auto& c : cases) {
        TFormMDIChild& window = NewWindow("edited");
        const std::string caption = window.Caption();
        reporter_.answers = {c.answer};
        if (c.answer == Answer::Yes)
            dialogs_.saveAnswers = {c.saveAs ? std::optional(Path(*c.saveAs)) : std::nullopt};
        Trigger("CloseItem");
        QApplication::processEvents();
        EXPECT_EQ(reporter_.questions.back(), "File '" + caption + "' was modified.Save ?");
        const auto captions = Captions();
        EXPECT_EQ(std::find(captions.begin(), captions.end(), caption) == captions.end() &&
                      std::find(captions.begin(), captions.end(), "kept.M") == captions.end(),
                  c.closes)
            << static_cast<int>(c.answer);
        if (c.saveAs)
            EXPECT_EQ(ReadFile(Path(*c.saveAs)), "edited\r\n");
        for (TFormMDIChild* left : Main().TextWindows())
            left->CloseWithoutQuestion();
        QApplication::processEvents();
    }

    // Close all: last to first; the middle one answers Cancel and stays.
    NewWindow("one");
    NewWindow("two");
    NewWindow("three");
    reporter_.answers = {Answer::No, Answer::Cancel, Answer::No};
    Trigger("CloseAllItem");
    QApplication::processEvents();
    EXPECT_EQ(reporter_.questions.size(), 7u);
    EXPECT_EQ(reporter_.questions[4], "File 'NONAME3' was modified.Save ?");
    EXPECT_EQ(Captions(), std::vector<std::string>{"NONAME2"});
    EXPECT_FALSE(Item("SpeedButtonClose").isEnabled());
    Main().TextWindows().front()->CloseWithoutQuestion();
}

TEST_F(App, ShutdownAsksWritesTheSettingsAndRemovesOnlyTheRunFolder) {
    const std::string runFolder = Work().WorkFolder();
    Write("work/old.TOP", "another program's file");
    Work().settings.Width = 9;
    NewWindow("unsaved");

    // Cancel in a text window stops the shutdown before the exit question.
    reporter_.answers = {Answer::Cancel};
    EXPECT_FALSE(Main().close());
    EXPECT_EQ(reporter_.questions.size(), 1u);
    // No to the exit question: everything stays, the edited window too.
    reporter_.answers = {Answer::No, Answer::No};
    EXPECT_FALSE(Main().close());
    EXPECT_EQ(reporter_.questions.back(), "Exit program ?");
    EXPECT_EQ(Main().TextWindows().size(), 1u);
    EXPECT_TRUE(fs::exists(runFolder));

    reporter_.answers = {Answer::No, Answer::Yes};
    EXPECT_TRUE(Main().close());
    EXPECT_FALSE(fs::exists(runFolder));
    EXPECT_EQ(ReadFile(Path("work/old.TOP")), "another program's file");
    EXPECT_NE(ReadFile(Path("bin/GRAFIDA.INI")).find("Width=9"), std::string::npos);
    EXPECT_TRUE(Main().TextWindows().empty());
}

TEST_F(App, TileAndCascadeArrangeTheWindows) {
    NewWindow();
    NewWindow();
    Trigger("TileItem");
    const auto windows = Main().MdiArea().subWindowList(QMdiArea::CreationOrder);
    const int width = Main().MdiArea().viewport()->width();
    EXPECT_EQ(windows[0]->geometry().width(), width);
    EXPECT_EQ(windows[1]->geometry().top(), windows[0]->geometry().bottom() + 1);
    Trigger("CascadeItem");
    EXPECT_NE(windows[0]->geometry().topLeft(), windows[1]->geometry().topLeft());
}

} // namespace
} // namespace grafida::app::testing
