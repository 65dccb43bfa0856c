// "Select indices" and "Walk operator options" driven through clicks, ticks, keys and drops.
#include "AppFixture.h"
#include "app/TFGetIng.h"
#include "app/TFWalkOpt.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <filesystem>

namespace grafida::app::testing {
namespace {

using Lines = std::vector<std::string>;

void Select(QListWidget& list, std::initializer_list<int> rows) {
    list.clearSelection();
    for (int row : rows)
        list.item(row)->setSelected(true);
}

void Tick(QListWidget& list, int row, bool on = true) {
    list.item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

// Runs action on the modal dialog of type D as soon as it shows.
template <class D> void WhenShown(std::function<void(D&)> action) {
    QTimer::singleShot(0, [action] {
        WaitUntil([] { return qobject_cast<D*>(QApplication::activeModalWidget()) != nullptr; });
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget()))
            action(*dialog);
    });
}

using IndexDialog = App;

TEST_F(IndexDialog, GroupsIndicesElongationAndOk) {
    TFGetIng dialog(Work(), 24, &Main());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select indices"));
    EXPECT_EQ(dialog.Indices().count(), 0); // nothing until a group is clicked
    EXPECT_FALSE(dialog.OkButton().isEnabled());

    Select(dialog.Groups(), {0});
    ASSERT_EQ(dialog.Indices().count(), 3);
    EXPECT_EQ(dialog.Indices().item(1)->text(), QStringLiteral("Razinger -- Elongation = "));
    EXPECT_FALSE(dialog.Elongation().isHidden());
    EXPECT_FALSE(dialog.Elongation().isEnabled());
    // The elongation index has no definition the program computes: its item stays
    // unticked and disabled, so the elongation can never be enabled.
    EXPECT_FALSE(dialog.Indices().item(1)->flags() & Qt::ItemIsEnabled);
    EXPECT_FALSE(dialog.Elongation().isEnabled());
    Tick(dialog.Indices(), 0);
    EXPECT_TRUE(dialog.OkButton().isEnabled());
    Tick(dialog.Indices(), 0, false);
    EXPECT_FALSE(dialog.OkButton().isEnabled());

    // Switching groups keeps the flags of the group left behind.
    Tick(dialog.Indices(), 0);
    Select(dialog.Groups(), {2});
    EXPECT_TRUE(dialog.Elongation().isHidden());
    Tick(dialog.Indices(), 4); // IP Szeged Distance, flag 12
    Select(dialog.Groups(), {0});
    EXPECT_EQ(dialog.Indices().item(0)->checkState(), Qt::Checked);
    EXPECT_TRUE(dialog.Flags().testBit(0));
    EXPECT_TRUE(dialog.Flags().testBit(12));
    EXPECT_EQ(dialog.Flags().count(true), 2);
}

TEST_F(IndexDialog, WalkOperatorBlocksAndTheValuesReturned) {
    QBitArray flags(24);
    std::vector<int> numbers;
    Lines lines = {"old line"};
    WhenShown<TFGetIng>([](TFGetIng& dialog) {
        Select(dialog.Groups(), {0});
        dialog.Elongation().setValue(7); // returned even with flag 1 off
        Select(dialog.Groups(), {5});
        EXPECT_FALSE(dialog.WalkDetails().isHidden());
        EXPECT_FALSE(dialog.WalkDetails().isEnabled());
        Tick(dialog.Indices(), 1);
        EXPECT_TRUE(dialog.WalkDetails().isEnabled());
        for (int secondRow : {0, 2}) { // AD, then DI for M2
            WhenShown<TFWalkOpt>([secondRow](TFWalkOpt& walk) {
                for (int k = 0; k < 3; ++k) {
                    Select(walk.BaseList(), {k == 1 ? secondRow : 0});
                    walk.Include(k).click();
                }
                walk.OkButton().click();
            });
            dialog.WalkDetails().click();
        }
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    ASSERT_TRUE(GetIndices(Work(), &Main(), flags, numbers, lines));
    EXPECT_TRUE(flags.testBit(23));
    EXPECT_EQ(flags.count(true), 1);
    EXPECT_EQ(numbers, std::vector<int>{7});
    const Lines block = {"begin walk matrices", "AD", ",", "AD", ",", "AD", "end walk matrices",
                         "begin walk matrices", "AD", ",", "DI", ",", "AD", "end walk matrices"};
    EXPECT_EQ(lines, block);
    EXPECT_EQ(IndexGroupOnShow(), 5);
}

TEST_F(IndexDialog, CancelOnlyClearsTheLines) {
    QBitArray flags(24);
    std::vector<int> numbers;
    Lines lines = {"old line"};
    WhenShown<TFGetIng>([](TFGetIng& dialog) {
        Select(dialog.Groups(), {1});
        Tick(dialog.Indices(), 0);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(GetIndices(Work(), &Main(), flags, numbers, lines));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(flags.count(true), 0);
    EXPECT_TRUE(numbers.empty());
}

using WalkDialog = App;

TEST_F(WalkDialog, ANameIncludedTwiceAppearsTwiceAndCancelChangesNothing) {
    TFWalkOpt walk(Work(), &Main());
    EXPECT_EQ(walk.windowTitle(), QStringLiteral("Walk operator options"));
    EXPECT_EQ(walk.BaseList().count(), 9);
    EXPECT_FALSE(walk.OkButton().isEnabled());
    EXPECT_FALSE(walk.Exclude(0).isEnabled());
    Select(walk.BaseList(), {2, 0}); // DI and AD: appended in list order
    walk.Include(0).click();
    Select(walk.BaseList(), {0});
    walk.Include(0).click();
    walk.Include(1).click();
    EXPECT_FALSE(walk.OkButton().isEnabled());
    walk.Include(2).click();
    EXPECT_TRUE(walk.OkButton().isEnabled());
    EXPECT_EQ(walk.Block(),
              (Lines{"begin walk matrices", "AD", "DI", "AD", ",", "AD", ",", "AD", "end walk matrices"}));
    // Delete in a selection list removes its selected names.
    Select(walk.Selection(2), {0});
    QTest::keyClick(&walk.Selection(2), Qt::Key_Delete);
    EXPECT_EQ(walk.Selection(2).count(), 0);
    EXPECT_FALSE(walk.OkButton().isEnabled());
    EXPECT_FALSE(walk.Exclude(2).isEnabled());

    Lines lines = {"kept"};
    WhenShown<TFWalkOpt>([](TFWalkOpt& dialog) {
        Select(dialog.BaseList(), {1});
        for (int k = 0; k < 3; ++k)
            dialog.Include(k).click();
        dialog.CancelButton().click();
    });
    EXPECT_FALSE(GetWalkOptions(Work(), &Main(), lines));
    EXPECT_EQ(lines, Lines{"kept"});
}

TEST_F(WalkDialog, AddMatrixFromFilesOffersTheNamesCommonToAllMolecules) {
    Work().molecules.Append("X");
    Work().molecules.Append("Y");
    std::filesystem::create_directories(WorkDir());
    Work().settings.WorkDir = WorkDir();
    Write("work/X.M",
          "$Single\r\nX_W3_DI\r\n1 1\r\n0\r\n$Single\r\nX_W2_DI\r\n1 1\r\n0\r\n$Single\r\nX_DI\r\n");
    Write("work/Y.M", "$Single\nY_W3_DI\n1 1\n0\n$TFLOATARRAY\nY_W2_DI\n1 1\n0\n");
    TFWalkOpt walk(Work(), &Main());
    walk.AddMatrices().click();
    EXPECT_EQ(reporter_.informations, Lines{"1 matrices found in " + WorkDir()});
    ASSERT_EQ(walk.BaseList().count(), 10);
    EXPECT_EQ(walk.BaseList().item(9)->text(), QStringLiteral("W3_DI"));

    Work().molecules.Clear();
    walk.AddMatrices().click();
    EXPECT_EQ(reporter_.informations.back(), "Working directory is " + WorkDir() + ", 0 molecules loaded");
}

} // namespace
} // namespace grafida::app::testing
