#include "DialogDriver.h"
#include "dlgpack/DlgPack.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace grafida::dlgpack::testing {
namespace {

TEST(AboutBox, ShowsTheProgramAndThisMachine) {
    WhenDialogShows("TFormAbout", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "About Grafida");
        EXPECT_EQ(Child<QLabel>(dialog, "LabelProgramName").text(), "GRAFIDA 1.0");
        EXPECT_FALSE(Child<QLabel>(dialog, "ProgramIcon").pixmap().isNull());
        const QStringList about = Child<QPlainTextEdit>(dialog, "MemoAbout").toPlainText().split('\n');
        ASSERT_EQ(about.size(), 9);
        EXPECT_EQ(about[1], "GRAFIDA version 1.0 ");
        EXPECT_EQ(about[2], "This program is destinated to manipulate ");
        EXPECT_EQ(about[3], "topological matrices and indices. Program was ");
        EXPECT_EQ(about[5], "any information and sugestions please email to: ");
        EXPECT_EQ(about[8], "Thank you for using this program");

        const QStringList system = Child<QPlainTextEdit>(dialog, "MemoOSInfo").toPlainText().split('\n');
        ASSERT_EQ(system.size(), 6) << system.join('|').toStdString();
        EXPECT_TRUE(system[0].startsWith("Linux ")) << system[0].toStdString();
        EXPECT_TRUE(system[1].startsWith("Memory Available to Windows: ") && system[1].endsWith(" KB"));
        EXPECT_TRUE(system[2].startsWith("CPU Type: "));
        EXPECT_TRUE(system[3].startsWith("CPU Name: "));
        EXPECT_EQ(system[4], QString("Current user name is: ") + ::getpwuid(::getuid())->pw_name);
        EXPECT_TRUE(system[5].startsWith("Memory used by process: "));

        auto& ok = Child<QPushButton>(dialog, "BitBtnOK");
        EXPECT_EQ(ok.cursor().shape(), Qt::PointingHandCursor);
        Click(ok);
    });
    EXPECT_EQ(FGetAbout(nullptr), -1);
}

TEST(AboutBox, EnterAndEscCloseAsOkTheCloseBoxDoesNot) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        WhenDialogShows("TFormAbout", [key](QDialog& dialog) {
            PressKey(Child<QPlainTextEdit>(dialog, "MemoOSInfo"), key);
        });
        EXPECT_EQ(FGetAbout(nullptr), -1) << key;
    }
    WhenDialogShows("TFormAbout", [](QDialog& dialog) { dialog.close(); });
    EXPECT_EQ(FGetAbout(nullptr), 0);
}

} // namespace
} // namespace grafida::dlgpack::testing
