#include "DialogDriver.h"
#include "dlgpack/DlgPack.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace grafida::dlgpack::testing {
namespace {

const QStringList kNames{"a_AD", "a_DI", "a_W"};

struct DualList {
    explicit DualList(QDialog& dialog)
        : source(Child<QListWidget>(dialog, "SrcList")), chosen(Child<QListWidget>(dialog, "DstList")),
          include(Child<QPushButton>(dialog, "IncludeBtn")),
          includeAll(Child<QPushButton>(dialog, "IncAllBtn")),
          exclude(Child<QPushButton>(dialog, "ExcludeBtn")),
          excludeAll(Child<QPushButton>(dialog, "ExAllBtn")), keep(Child<QCheckBox>(dialog, "cbKeep")),
          ok(Child<QPushButton>(dialog, "BitBtnOK")) {}
    QListWidget& source;
    QListWidget& chosen;
    QPushButton& include;
    QPushButton& includeAll;
    QPushButton& exclude;
    QPushButton& excludeAll;
    QCheckBox& keep;
    QPushButton& ok;
};

TEST(DualList, SameNameThreeTimesThenDeleteOneDisablesOk) {
    QStringList items = kNames;
    bool keep = false;
    WhenDialogShows("TDualListDlg", [](QDialog& dialog) {
        DualList d(dialog);
        EXPECT_EQ(dialog.windowTitle(), "Calculate matrix by Walk operator");
        EXPECT_EQ(Child<QLabel>(dialog, "SrcLabel").text(), "Source matrix");
        EXPECT_EQ(Child<QLabel>(dialog, "DstLabel").text(), "Selected matrix");
        EXPECT_EQ(d.keep.text(), "K&eep matrix");
        EXPECT_EQ(d.ok.text(), "O&K");
        EXPECT_EQ(Child<QPushButton>(dialog, "BitBtnCancel").text(), "&Cancel");
        EXPECT_TRUE(d.include.isEnabled() && d.includeAll.isEnabled());
        EXPECT_FALSE(d.exclude.isEnabled() || d.excludeAll.isEnabled() || d.ok.isEnabled() ||
                     d.keep.isEnabled());

        ClickEntry(d.source, 1);
        for (int press = 0; press < 3; ++press)
            Click(d.include);
        EXPECT_EQ(Texts(d.chosen), (QStringList{"a_DI", "a_DI", "a_DI"}));
        EXPECT_TRUE(d.ok.isEnabled() && d.keep.isEnabled() && d.exclude.isEnabled());
        EXPECT_EQ(dialog.focusWidget(), &d.source);

        ClickEntry(d.chosen, 2);
        PressKey(d.chosen, Qt::Key_Delete);
        EXPECT_EQ(d.chosen.count(), 2);
        EXPECT_FALSE(d.ok.isEnabled() || d.keep.isEnabled());
        PressKey(d.chosen, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());

        ClickEntry(d.source, 0);
        Click(d.include);
        Click(d.keep);
        PressKey(d.chosen, Qt::Key_Return);
    });
    EXPECT_EQ(FGetDualLstDlg(nullptr, "Calculate matrix by Walk operator", "Source matrix", "Selected matrix",
                             nullptr, &items, &keep, 3),
              -1);
    EXPECT_EQ(items, (QStringList{"a_DI", "a_DI", "a_AD"}));
    EXPECT_TRUE(keep);
}

TEST(DualList, MoveButtonsDoubleClicksAndTheSelectionThatFollows) {
    QStringList items = kNames;
    bool keep = true;
    WhenDialogShows("TDualListDlg", [](QDialog& dialog) {
        DualList d(dialog);
        EXPECT_EQ(dialog.windowTitle(), "Choices Dialog");
        EXPECT_EQ(Child<QLabel>(dialog, "SrcLabel").text(), "Source List:");
        EXPECT_EQ(Child<QLabel>(dialog, "DstLabel").text(), "Destination List:");

        Click(d.includeAll); // nothing selected: the first source entry becomes selected
        EXPECT_EQ(Texts(d.chosen), kNames);
        EXPECT_TRUE(d.source.item(0)->isSelected());
        EXPECT_TRUE(d.excludeAll.isEnabled());

        ClickEntry(d.chosen, 2);
        Click(d.exclude); // the last entry went: the new last one is selected
        EXPECT_EQ(Texts(d.chosen), (QStringList{"a_AD", "a_DI"}));
        EXPECT_TRUE(d.chosen.item(1)->isSelected());
        EXPECT_EQ(dialog.focusWidget(), &d.chosen);

        DoubleClickEntry(d.chosen, 0);
        EXPECT_EQ(Texts(d.chosen), QStringList{"a_DI"});
        DoubleClickEntry(d.source, 2);
        EXPECT_EQ(Texts(d.chosen), (QStringList{"a_DI", "a_W"}));

        Click(d.excludeAll);
        EXPECT_EQ(d.chosen.count(), 0);
        EXPECT_FALSE(d.exclude.isEnabled() || d.excludeAll.isEnabled());
        PressKey(d.source, Qt::Key_Escape);
    });
    EXPECT_EQ(FGetDualLstDlg(nullptr, nullptr, nullptr, nullptr, nullptr, &items, &keep, 3), 0);
    EXPECT_EQ(items, kNames);
    EXPECT_TRUE(keep);
}

TEST(DualList, DropsOnTheDestinationAppendDropsOnTheSourceDoNothing) {
    QStringList items = kNames;
    bool keep = false;
    WhenDialogShows("TDualListDlg", [](QDialog& dialog) {
        DualList d(dialog);
        DragAndDrop(d.source, {0, 2}, d.chosen, -1);
        EXPECT_EQ(Texts(d.chosen), (QStringList{"a_AD", "a_W"}));
        DragAndDrop(d.chosen, {1}, d.chosen, 0);
        EXPECT_EQ(Texts(d.chosen), (QStringList{"a_AD", "a_W", "a_W"}));
        EXPECT_TRUE(d.ok.isEnabled());
        DragAndDrop(d.chosen, {0}, d.source, 0);
        EXPECT_EQ(Texts(d.source), kNames);
        EXPECT_EQ(d.chosen.count(), 3);
        Click(d.ok);
    });
    EXPECT_EQ(FGetDualLstDlg(nullptr, nullptr, nullptr, nullptr, nullptr, &items, &keep, 3), -1);
    EXPECT_EQ(items, (QStringList{"a_AD", "a_W", "a_W"}));
    EXPECT_FALSE(keep);
}

} // namespace
} // namespace grafida::dlgpack::testing
