#include "DialogDriver.h"
#include "dlgpack/DlgPack.h"

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <gtest/gtest.h>

namespace grafida::dlgpack::testing {
namespace {

const QStringList kNames{"a_AD", "a_DI", "b_AD", "b_DI"};

TEST(MatrixChoice, SingleChoiceNeedsExactlyOneTickAndReturnsItWithTheKeepBox) {
    QStringList names = kNames;
    bool keep = false;
    WhenDialogShows("TFSMatrSel", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Calculate reciprocal");
        auto& list = Child<QListWidget>(dialog, "clbMatr");
        auto& keepBox = Child<QCheckBox>(dialog, "chbKeep");
        auto& ok = Child<QPushButton>(dialog, "BitBtnOK");
        EXPECT_EQ(Texts(list), kNames);
        EXPECT_EQ(keepBox.text(), "Keep matrix");
        EXPECT_TRUE(keepBox.font().bold() && keepBox.font().italic());
        EXPECT_FALSE(ok.isEnabled());
        EXPECT_FALSE(keepBox.isEnabled());
        ToggleTick(list, 2);
        EXPECT_TRUE(ok.isEnabled());
        EXPECT_TRUE(keepBox.isEnabled());
        ToggleTick(list, 3);
        EXPECT_FALSE(ok.isEnabled());
        ToggleTick(list, 3);
        Click(keepBox);
        PressKey(list, Qt::Key_Return);
    });
    EXPECT_EQ(FGetSMatrDlg(nullptr, "Calculate reciprocal", "Keep matrix", &names, &keep), -1);
    EXPECT_EQ(names, QStringList{"b_AD"});
    EXPECT_TRUE(keep);
}

TEST(MatrixChoice, ThirdTickDisablesOkAndKeepUntilOneIsUnticked) {
    QStringList names = kNames;
    bool keep = true;
    WhenDialogShows("TFDMatrSel", [](QDialog& dialog) {
        auto& list = Child<QListWidget>(dialog, "clbMatr");
        auto& keepBox = Child<QCheckBox>(dialog, "chbKeep");
        auto& ok = Child<QPushButton>(dialog, "BitBtnOK");
        EXPECT_EQ(dialog.windowTitle(), "ACaption");
        EXPECT_EQ(keepBox.text(), "AChbCaption");
        ToggleTick(list, 0);
        EXPECT_FALSE(ok.isEnabled());
        ToggleTick(list, 1);
        EXPECT_TRUE(ok.isEnabled() && keepBox.isEnabled());
        ToggleTick(list, 3);
        EXPECT_FALSE(ok.isEnabled() || keepBox.isEnabled());
        PressKey(list, Qt::Key_Return); // OK disabled: Enter does nothing
        EXPECT_TRUE(dialog.isVisible());
        ToggleTick(list, 0);
        EXPECT_TRUE(ok.isEnabled() && keepBox.isEnabled());
        Click(ok);
    });
    EXPECT_EQ(FGetDMatrDlg(nullptr, nullptr, nullptr, &names, &keep), -1);
    EXPECT_EQ(names, (QStringList{"a_DI", "b_DI"}));
    EXPECT_FALSE(keep);
}

TEST(MatrixChoice, ReorderedPairComesBackInShownOrder) {
    QStringList names = kNames;
    bool keep = false;
    WhenDialogShows("TFDMatrSel", [](QDialog& dialog) {
        auto& list = Child<QListWidget>(dialog, "clbMatr");
        DragAndDrop(list, {1}, list, 0);
        EXPECT_EQ(Texts(list), (QStringList{"a_DI", "a_AD", "b_AD", "b_DI"}));
        ToggleTick(list, 0);
        ToggleTick(list, 1);
        Click(Child<QPushButton>(dialog, "BitBtnOK"));
    });
    EXPECT_EQ(FGetDMatrDlg(nullptr, "Select matrix to perform sum", "Keep matrix", &names, &keep), -1);
    EXPECT_EQ(names, (QStringList{"a_DI", "a_AD"}));
}

TEST(MatrixChoice, DropBelowTheLastEntryMovesToTheEndAndTicksTravelWithTheEntry) {
    QStringList names = kNames;
    bool keep = false;
    WhenDialogShows("TFSMatrSel", [](QDialog& dialog) {
        auto& list = Child<QListWidget>(dialog, "clbMatr");
        ToggleTick(list, 0);
        DragAndDrop(list, {0}, list, -1);
        EXPECT_EQ(Texts(list), (QStringList{"a_DI", "b_AD", "b_DI", "a_AD"}));
        DragAndDrop(list, {1}, list, 2);
        EXPECT_EQ(Texts(list), (QStringList{"a_DI", "b_DI", "b_AD", "a_AD"}));
        EXPECT_EQ(TickedTexts(list), QStringList{"a_AD"});
        Click(Child<QPushButton>(dialog, "BitBtnOK"));
    });
    EXPECT_EQ(FGetSMatrDlg(nullptr, "Calculate combinatorial", "Keep matrix", &names, &keep), -1);
    EXPECT_EQ(names, QStringList{"a_AD"});
}

TEST(MatrixChoice, DropsFromElsewhereAreRefused) {
    QStringList names = kNames;
    bool keep = false;
    WhenDialogShows("TFSMatrSel", [](QDialog& dialog) {
        auto& list = Child<QListWidget>(dialog, "clbMatr");
        QListWidget stranger;
        stranger.addItems({"x", "y"});
        DragAndDrop(stranger, {1}, list, 0);
        QMimeData text;
        text.setText("b_DI");
        QDropEvent drop(list.visualItemRect(list.item(0)).center(), Qt::CopyAction, &text, Qt::LeftButton,
                        {});
        QApplication::sendEvent(list.viewport(), &drop);
        EXPECT_EQ(Texts(list), kNames);
        PressKey(list, Qt::Key_Escape);
    });
    EXPECT_EQ(FGetSMatrDlg(nullptr, "Calculate reciprocal", "Keep matrix", &names, &keep), 0);
}

TEST(MatrixChoice, CancelLeavesListAndFlagAsPassed) {
    for (const char* how : {"Esc", "Cancel", "close box"}) {
        QStringList names = kNames;
        bool keep = true;
        WhenDialogShows("TFDMatrSel", [how](QDialog& dialog) {
            auto& list = Child<QListWidget>(dialog, "clbMatr");
            DragAndDrop(list, {3}, list, 0);
            ToggleTick(list, 0);
            ToggleTick(list, 1);
            Click(Child<QCheckBox>(dialog, "chbKeep"));
            if (std::string(how) == "Esc")
                PressKey(list, Qt::Key_Escape);
            else if (std::string(how) == "Cancel")
                Click(Child<QPushButton>(dialog, "BitBtnCancel"));
            else
                dialog.close();
        });
        EXPECT_EQ(FGetDMatrDlg(nullptr, "Matrix sum", "Keep matrix", &names, &keep), 0) << how;
        EXPECT_EQ(names, kNames) << how;
        EXPECT_TRUE(keep) << how;
    }
}

TEST(MatrixChoice, NullListOrFlagShowsNothing) {
    QStringList names = kNames;
    bool keep = false;
    NoDialogExpected noDialog;
    EXPECT_EQ(FGetSMatrDlg(nullptr, "Caption", "Keep", nullptr, &keep), 0);
    EXPECT_EQ(FGetDMatrDlg(nullptr, "Caption", "Keep", &names, nullptr), 0);
}

} // namespace
} // namespace grafida::dlgpack::testing
