#include "DialogDriver.h"
#include "dlgpack/DlgPack.h"
#include "dlgpack/SelectAllRule.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace grafida::dlgpack::testing {
namespace {

TEST(SelectAllRule, FollowsTheUsersTicks) {
    SelectAllRule rule;
    std::vector<bool> ticks{true, true, true, false}; // ticked one by one: "all" stays unticked
    rule.Apply(ticks);
    EXPECT_EQ(ticks, (std::vector<bool>{true, true, true, false}));
    ticks = {false, true, false, true}; // "all" ticked
    rule.Apply(ticks);
    EXPECT_EQ(ticks, (std::vector<bool>{true, true, true, true}));
    ticks = {true, false, true, true}; // one unticked: so is "all"
    rule.Apply(ticks);
    EXPECT_EQ(ticks, (std::vector<bool>{true, false, true, false}));
    EXPECT_FALSE(rule.allSelected());
    ticks = {true, true, true, true};
    rule.Apply(ticks);
    ticks = {true, true, true, false}; // "all" unticked: everything is
    rule.Apply(ticks);
    EXPECT_EQ(ticks, (std::vector<bool>{false, false, false, false}));
}

TEST(PropertiesDialog, CalculateAllThenUntickChargesLeavesTheOtherTwo) {
    QBitArray flags(7, true);
    WhenDialogShows("TFormProp", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Calculate properties");
        auto& list = Child<QListWidget>(dialog, "chbProperties");
        auto& ok = Child<QPushButton>(dialog, "BitBtnOK");
        EXPECT_EQ(Texts(list),
                  (QStringList{"SGI - Sanderson group electronegativity", "Charges - Atomic charges",
                               "Group mass - Vertex mass (including hidrogens)", "Calculate all"}));
        EXPECT_FALSE(ok.isEnabled());
        PressKey(list, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        ToggleTick(list, 3);
        EXPECT_EQ(TickedTexts(list).size(), 4);
        ToggleTick(list, 1);
        EXPECT_EQ(TickedTexts(list), (QStringList{"SGI - Sanderson group electronegativity",
                                                  "Group mass - Vertex mass (including hidrogens)"}));
        EXPECT_TRUE(ok.isEnabled());
        PressKey(list, Qt::Key_Return);
    });
    EXPECT_EQ(FGetProperties(nullptr, &flags), -1);
    EXPECT_EQ(flags, QBitArray::fromBits("\x05", 3));
}

TEST(PropertiesDialog, UntickingCalculateAllUnticksEverythingAndCancelKeepsTheFlags) {
    QBitArray flags(7, true);
    WhenDialogShows("TFormProp", [](QDialog& dialog) {
        auto& list = Child<QListWidget>(dialog, "chbProperties");
        auto& ok = Child<QPushButton>(dialog, "BitBtnOK");
        ToggleTick(list, 3);
        ToggleTick(list, 3);
        EXPECT_TRUE(TickedTexts(list).isEmpty());
        EXPECT_FALSE(ok.isEnabled());
        ToggleTick(list, 2);
        EXPECT_TRUE(ok.isEnabled());
        PressKey(list, Qt::Key_Escape);
    });
    EXPECT_EQ(FGetProperties(nullptr, &flags), 0);
    EXPECT_EQ(flags, QBitArray(7, true));
}

} // namespace
} // namespace grafida::dlgpack::testing
