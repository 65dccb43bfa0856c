// The matrix and molecule managers driven as a user drives them: ticks, keys, drops,
// and a stub viewer that records how it was started.
#include "AppFixture.h"
#include "app/TFormMatrMng.h"
#include "app/TFormMolMng.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>

namespace grafida::app::testing {
namespace {

using Names = std::vector<std::string>;

class Managers : public App {
protected:
    void Store(const std::string& name, const std::vector<std::vector<double>>& rows) {
        Work().matrices.Add(std::make_unique<TFLOATARRAY>(name, rows));
    }
    Names Stored() {
        Names names;
        for (int i = 0; i < Work().matrices.Count(); ++i)
            names.push_back(Work().matrices.Item(i).Name());
        return names;
    }
    TFormMatrMng& OpenMatrixManager() {
        Trigger("MatrixListItem");
        const auto managers = Main().findChildren<TFormMatrMng*>();
        EXPECT_FALSE(managers.isEmpty());
        return *managers.back();
    }
    TFormMolMng& OpenMoleculeManager() {
        Trigger("MoleculeListItem");
        return *Main().findChildren<TFormMolMng*>().back();
    }
    static Names Entries(QListWidget& list) {
        Names names;
        for (int i = 0; i < list.count(); ++i)
            names.push_back(list.item(i)->text().toStdString());
        return names;
    }
    static std::vector<bool> Ticks(QListWidget& list) {
        std::vector<bool> ticks;
        for (int i = 0; i < list.count(); ++i)
            ticks.push_back(list.item(i)->checkState() == Qt::Checked);
        return ticks;
    }
    // A click on an entry's box: it ticks or unticks the entry.
    static void Tick(QListWidget& list, int row) {
        QListWidgetItem* item = list.item(row);
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
    static bool ButtonsEnabled(TFormMatrMng& manager) {
        return manager.DisplayButton().isEnabled() && manager.DeleteButton().isEnabled() &&
               manager.SaveButton().isEnabled();
    }
};

TEST_F(Managers, SelectAllOnlyWithTwoMatricesAndDeleteEmptiesTheStore) {
    Store("A_AD", {{0, 1}, {1, 0}});
    TFormMatrMng& one = OpenMatrixManager();
    EXPECT_EQ(one.windowTitle(), QStringLiteral("List all matrices stored in memory"));
    EXPECT_EQ(Entries(one.Matrices()), Names{"A_AD"});
    EXPECT_FALSE(ButtonsEnabled(one));
    one.close();

    Store("A_DI", {{0, 1}, {1, 0}});
    Store("B_AD", {{0}});
    Work().molecules.Append("A");
    Work().molecules.Append("B");
    Work().molecules.Append("C");
    TFormMatrMng& manager = OpenMatrixManager();
    EXPECT_EQ(Entries(manager.Matrices()), (Names{"A_AD", "A_DI", "B_AD", "Select all"}));
    Tick(manager.Matrices(), 3);
    EXPECT_EQ(Ticks(manager.Matrices()), (std::vector<bool>{true, true, true, true}));
    EXPECT_TRUE(ButtonsEnabled(manager));
    QTest::keyClick(&manager.Matrices(), Qt::Key_Delete);
    EXPECT_TRUE(Work().matrices.Empty());
    EXPECT_EQ(manager.Matrices().count(), 0);
    EXPECT_FALSE(ButtonsEnabled(manager));
    // A and B lost their matrices; C, loaded but never worked on, stays.
    EXPECT_EQ(Work().molecules.Names(), Names{"C"});
}

TEST_F(Managers, TheFirstTickAfterARefreshIsUndoneWhenAllWereSelected) {
    Store("M_A", {{1, 2}, {3, 4}});
    Store("M_B", {{0, 1}, {1, 0}});
    TFormMatrMng& manager = OpenMatrixManager();
    Tick(manager.Matrices(), 2);
    QTest::keyClick(&manager.Matrices(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(Entries(manager.Matrices()), (Names{"M_A", "M_B", "M_TRANS_A", "M_TRANS_B", "Select all"}));
    Tick(manager.Matrices(), 0);
    EXPECT_EQ(Ticks(manager.Matrices()), std::vector<bool>(5, false));
    EXPECT_FALSE(ButtonsEnabled(manager));
    Tick(manager.Matrices(), 0);
    EXPECT_EQ(Ticks(manager.Matrices()), (std::vector<bool>{true, false, false, false, false}));
    EXPECT_TRUE(ButtonsEnabled(manager));
    // Ctrl with Shift is not Ctrl only: nothing happens.
    QTest::keyClick(&manager.Matrices(), Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Work().matrices.Count(), 4);
}

TEST_F(Managers, CopyAndKeypadMultiplyAskForTheirValues) {
    Store("A_DI", {{0, 1}, {1, 0}});
    TFormMatrMng& manager = OpenMatrixManager();
    Tick(manager.Matrices(), 0);
    dialogs_.inputAnswers = {"a_di"};
    QTest::keyClick(&manager.Matrices(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(reporter_.informations, Names{"Matrix with name a_di already exists"});

    Tick(manager.Matrices(), 0);
    dialogs_.inputAnswers = {"2.5"};
    QTest::keyClick(&manager.Matrices(), Qt::Key_Asterisk, Qt::KeypadModifier);
    Tick(manager.Matrices(), 0);
    dialogs_.inputAnswers = {"2,5"};
    QTest::keyClick(&manager.Matrices(), Qt::Key_Asterisk, Qt::KeypadModifier);
    EXPECT_EQ(Stored(), (Names{"A_DI", "A_DI_MUL2.50"}));
    EXPECT_EQ(reporter_.informations.back(), "2,5 not a number");
    EXPECT_EQ(dialogs_.inputBoxes.front(), QStringLiteral("Enter new matrix name|Name|A_DI"));
    EXPECT_EQ(dialogs_.inputBoxes.back(), QStringLiteral("Enter number|Value|"));
    // The * of the main keyboard is not the keypad's.
    Tick(manager.Matrices(), 0);
    QTest::keyClick(&manager.Matrices(), Qt::Key_Asterisk);
    EXPECT_EQ(Work().matrices.Count(), 2);
}

TEST_F(Managers, DisplayNamesTheWindowAfterTheOneMatrixShown) {
    Store("A_AD", {{0, 1}, {1, 0}});
    Store("A_DI", {{0, 1}, {1, 0}});
    TFormMatrMng& manager = OpenMatrixManager();
    manager.DisplayButton().click(); // nothing ticked: the button is disabled
    Tick(manager.Matrices(), 1);
    QTest::keyClick(&manager.Matrices(), Qt::Key_V);
    EXPECT_EQ(Captions(), Names{"A_DI.M"});
    EXPECT_FALSE(manager.isVisible());

    TFormMatrMng& again = OpenMatrixManager();
    Tick(again.Matrices(), 2);
    again.DisplayButton().click();
    ASSERT_EQ(Captions().size(), 2u);
    EXPECT_EQ(Captions()[1].rfind("NONAME", 0), 0u);

    TFormMatrMng& none = OpenMatrixManager();
    Tick(none.Matrices(), 0);
    Tick(none.Matrices(), 0);
    QTest::keyClick(&none.Matrices(), Qt::Key_V);
    EXPECT_TRUE(WaitUntil([&] { return Captions().size() == 2; })) << ::testing::PrintToString(Captions());
}

TEST_F(Managers, EigenvaluesAndCharacteristicPolynomialKeys) {
    Store("A_AD", {{0, 1}, {1, 0}});
    Store("A_U", {{0, 1}, {0, 0}});
    Store("A_ROT", {{0, -1}, {1, 0}}); // eigenvalues ±i
    TFormMatrMng& manager = OpenMatrixManager();
    Tick(manager.Matrices(), 0);
    Tick(manager.Matrices(), 1);
    QTest::keyClick(&manager.Matrices(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(reporter_.informations, Names{"Eigenvalues for 1 matrices computed"});
    ASSERT_EQ(Main().TextWindows().size(), 1u);
    EXPECT_EQ(Main().TextWindows()[0]->Text(), "- Eigenvalues are -\n1 1.00\n2 -1.00");
    EXPECT_FALSE(manager.isVisible());

    TFormMatrMng& again = OpenMatrixManager();
    Tick(again.Matrices(), 2);
    QTest::keyClick(&again.Matrices(), Qt::Key_X, Qt::ControlModifier);
    ASSERT_EQ(Main().TextWindows().size(), 2u);
    EXPECT_EQ(Main().TextWindows()[1]->Text(),
              "Coeficients for characteristic polynomial for matrix A_ROT is:\n1.00 0.00 0.00 ");
}

TEST_F(Managers, DroppingTheFirstEntryOnSelectAllMovesItLast) {
    Store("A", {{0}});
    Store("B", {{0}});
    Store("C", {{0}});
    TFormMatrMng& manager = OpenMatrixManager();
    QListWidget& list = manager.Matrices();
    ASSERT_TRUE(WaitUntil([&] { return list.visualItemRect(list.item(3)).height() > 0; }));
    const QPoint onSelectAll = list.visualItemRect(list.item(3)).center();
    std::unique_ptr<QMimeData> data(static_cast<MatrixCheckList&>(list).DragData(0));
    QDragEnterEvent enter(onSelectAll, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(onSelectAll, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(Stored(), (Names{"B", "C", "A"}));
    EXPECT_EQ(Entries(list), (Names{"B", "C", "A", "Select all"}));

    // Data from anywhere else is refused.
    QMimeData foreign;
    foreign.setText(QStringLiteral("A"));
    QDropEvent other(onSelectAll, Qt::MoveAction, &foreign, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &other);
    EXPECT_EQ(Stored(), (Names{"B", "C", "A"}));
}

// A viewer that writes how many arguments it got, and each, into a file named after its
// process number.
class Viewer : public Managers {
protected:
    Viewer() {
        std::filesystem::create_directories(Path("viewer"));
        const std::string script = Write("viewer/Chem.exe", "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"" +
                                                                Path("viewer") + "/run.$$\"\n");
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    }
    void RegisterViewer() {
        Write(Work().SettingsFilePath().substr(RunBase().size() + 1),
              "[\\Software\\Hypercube\\HyperChem Pro\\6.0\\Path]\r\nChemExePath=" + Path("viewer") + "/\r\n");
    }
    // What each started viewer recorded, in the order the processes were started.
    std::vector<std::string> Runs() {
        std::map<long, std::string> runs;
        for (const auto& entry : std::filesystem::directory_iterator(Path("viewer"))) {
            const std::string file = entry.path().filename().string();
            if (file.rfind("run.", 0) == 0)
                runs[std::stol(file.substr(4))] = grafida::testing::ReadFile(entry.path().string());
        }
        std::vector<std::string> ordered;
        for (const auto& [pid, text] : runs)
            ordered.push_back(text);
        return ordered;
    }
};

TEST_F(Viewer, ThreeMoleculesStartThreeViewersInListOrder) {
    const std::string odd = "it's \"odd\"; $(touch pwned) x";
    for (const std::string& name : {std::string("first"), odd, std::string("third")})
        Work().molecules.Append(name);
    RegisterViewer();
    TFormMolMng& manager = OpenMoleculeManager();
    EXPECT_EQ(manager.windowTitle(), QStringLiteral("Molecules stored in memory"));
    ASSERT_EQ(manager.Molecules().count(), 3);
    EXPECT_FALSE(manager.DisplayButton().isEnabled());
    for (int row : {2, 0, 1})
        manager.Molecules().item(row)->setSelected(true);
    EXPECT_TRUE(manager.DisplayButton().isEnabled());
    QTest::keyClick(&manager.Molecules(), Qt::Key_V);
    ASSERT_TRUE(
        WaitUntil([&] { return Runs().size() == 3 && Runs().back().find('\n') != std::string::npos; }));
    QTest::qWait(200); // the last one may still be writing
    const std::string dir = Work().WorkDir();
    EXPECT_EQ(Runs(),
              (std::vector<std::string>{"1\n" + dir + "/first.hin\n", "1\n" + dir + "/" + odd + ".hin\n",
                                        "1\n" + dir + "/third.hin\n"}));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::current_path() / "pwned"));
}

TEST_F(Viewer, NoViewerIsReportedAndDeleteKeepsTheWorkFiles) {
    Work().molecules.Append("A");
    Work().molecules.Append("B");
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", Path("viewer/none").c_str(), 1);
    TFormMolMng& manager = OpenMoleculeManager();
    QTest::keyClick(&manager.Molecules(), Qt::Key_V); // nothing selected: still reported
    setenv("PATH", path.c_str(), 1);
    ASSERT_EQ(reporter_.informations.size(), 1u);
    EXPECT_EQ(reporter_.informations[0].rfind("HyperChem version 6.0 or higher required\r\n", 0), 0u);

    manager.Molecules().item(0)->setSelected(true);
    QTest::keyClick(&manager.Molecules(), Qt::Key_Delete);
    EXPECT_EQ(Work().molecules.Names(), Names{"B"});
    EXPECT_EQ(manager.Molecules().count(), 1);
    EXPECT_FALSE(manager.DeleteButton().isEnabled());
    QTest::keyClick(&manager.Molecules(), Qt::Key_Escape);
    EXPECT_FALSE(manager.isVisible());
}

} // namespace
} // namespace grafida::app::testing

namespace grafida::app::testing {
namespace {

// Pictures of both managers over a realistic store, taken only when
// GRAFIDA_MANAGER_SHOTS names a folder to write them to (run under Xvfb for real fonts).
TEST_F(Managers, Pictures) {
    const QString folder = qEnvironmentVariable("GRAFIDA_MANAGER_SHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "GRAFIDA_MANAGER_SHOTS is not set";
    QDir().mkpath(folder);
    for (const char* molecule : {"benzene", "propane", "ethanol"}) {
        Work().molecules.Append(molecule);
        for (const char* code : {"_AD", "_DI", "_CjDi", "_DE"})
            Store(std::string(molecule) + code, {{0, 1}, {1, 0}});
    }
    TFormMatrMng& matrices = OpenMatrixManager();
    Tick(matrices.Matrices(), 2);
    Tick(matrices.Matrices(), 5);
    EXPECT_TRUE(matrices.grab().save(folder + "/matrix-manager.png"));
    TFormMolMng& molecules = OpenMoleculeManager();
    molecules.Molecules().item(0)->setSelected(true);
    molecules.Molecules().item(2)->setSelected(true);
    EXPECT_TRUE(molecules.grab().save(folder + "/molecule-manager.png"));
}

} // namespace
} // namespace grafida::app::testing
