#include "DialogDriver.h"
#include "dlgpack/DlgPack.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <cstring>
#include <gtest/gtest.h>

namespace grafida::dlgpack::testing {
namespace {

TEST(GenDlg, NullBufferOrNegativeLengthShowsNothing) {
    NoDialogExpected noDialog;
    EXPECT_EQ(FGetGenDlg(nullptr, "Caption", "Prompt", nullptr, 10), 0);
    std::array<char, 4> value{"abc"};
    EXPECT_EQ(FGetGenDlg(nullptr, "Caption", "Prompt", value.data(), -1), 0);
    EXPECT_STREQ(value.data(), "abc");
}

TEST(GenDlg, TypedTextIsCutToMaxLen) {
    struct Case {
        const char* typed;
        std::int32_t maxLen;
        const char* expected;
    };
    // "äöü" takes two bytes a letter: a letter that does not fit whole is left out.
    for (const Case& c :
         {Case{"12345", 3, "123"}, Case{"12", 3, "12"}, Case{"äöü", 3, "ä"}, Case{"xyz", 0, ""}}) {
        std::array<char, 8> value{"old"};
        WhenDialogShows("TGenDlg", [&](QDialog& dialog) {
            auto& edit = Child<QLineEdit>(dialog, "Edit");
            EXPECT_EQ(edit.text(), "old");
            edit.selectAll();
            Type(edit, QString::fromUtf8(c.typed));
            PressKey(edit, Qt::Key_Return);
        });
        EXPECT_EQ(FGetGenDlg(nullptr, "Caption", "Prompt", value.data(), c.maxLen), -1) << c.typed;
        EXPECT_STREQ(value.data(), c.expected) << c.typed;
    }
}

TEST(GenDlg, CallerTextsReplaceTheBuiltInOnesAndCancelKeepsTheValue) {
    std::array<char, 16> value{"kept"};
    WhenDialogShows("TGenDlg", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Dialog box");
        EXPECT_EQ(Child<QLabel>(dialog, "lbPrompt").text(), "Name of the copy");
        auto& edit = Child<QLineEdit>(dialog, "Edit");
        EXPECT_EQ(edit.toolTip(), "Click here to enter value");
        QTest::keyClicks(&edit, "changed");
        PressKey(edit, Qt::Key_Escape);
    });
    EXPECT_EQ(FGetGenDlg(nullptr, nullptr, "Name of the copy", value.data(), 15), 0);
    EXPECT_STREQ(value.data(), "kept");

    WhenDialogShows("TGenDlg", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Copy matrix");
        EXPECT_EQ(Child<QLabel>(dialog, "lbPrompt").text(), "prompt");
        Click(Child<QPushButton>(dialog, "BitBtnCancel"));
    });
    EXPECT_EQ(FGetGenDlg(nullptr, "Copy matrix", nullptr, value.data(), 15), 0);
    EXPECT_STREQ(value.data(), "kept");
}

TEST(GenDlg, OwnerWindowOwnsTheDialogWhichIsCentredOverIt) {
    QWidget owner;
    owner.setGeometry(100, 100, 900, 700);
    owner.show();
    std::array<char, 8> value{"x"};
    WhenDialogShows("TGenDlg", [&owner](QDialog& dialog) {
        EXPECT_EQ(dialog.parentWidget(), &owner);
        EXPECT_TRUE(dialog.isModal());
        EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()); // fixed frame
        const QPoint offset = dialog.frameGeometry().center() - owner.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 4);
        PressKey(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(FGetGenDlg(&owner, nullptr, nullptr, value.data(), 7), 0);
}

} // namespace
} // namespace grafida::dlgpack::testing
