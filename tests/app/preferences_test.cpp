// The preferences dialog, driven through the File menu.
#include "AppFixture.h"
#include "DialogDriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

namespace grafida::app::testing {
namespace {

using namespace grafida::dlgpack::testing;

QLineEdit& ErrorEdit(QDialog& dialog) {
    return Child<QLineEdit>(dialog, "EditError");
}

TEST_F(App, PreferencesShowTheSettingsAndOkTakesEveryControl) {
    Work().settings.Width = 7;
    WhenDialogShows("TFormPreferences", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Preferences");
        EXPECT_EQ(ErrorEdit(dialog).text(), "1.00E-005");
        auto& width = Child<QSpinBox>(dialog, "SpinEditWidth");
        EXPECT_EQ(width.value(), 7);
        EXPECT_EQ(width.maximum(), 100);
        EXPECT_EQ(Child<QSpinBox>(dialog, "SpinEditIterations").minimum(), 1);
        EXPECT_EQ(Child<QSpinBox>(dialog, "SpinEditIterations").maximum(), 10000);
        auto& other = Child<QListWidget>(dialog, "CheckListBoxOther");
        EXPECT_EQ(Texts(other),
                  (QStringList{"Print formated display", "Clear previous context", "Select all"}));
        EXPECT_EQ(TickedTexts(other), QStringList{"Clear previous context"});
        width.setValue(12);
        Child<QSpinBox>(dialog, "SpinEditDecim").setValue(5);
        Child<QSpinBox>(dialog, "SpinEditIterations").setValue(50);
        ToggleTick(other, 0);
        ToggleTick(other, 1);
        ErrorEdit(dialog).setText(" 2.5e-7 ");
        PressKey(Child<QSpinBox>(dialog, "SpinEditDecim"), Qt::Key_Return);
    });
    Trigger("PreferencesItem");
    const Settings& s = Work().settings;
    EXPECT_EQ(s.Width, 12);
    EXPECT_EQ(s.Decimals, 5);
    EXPECT_EQ(s.Iterations, 50);
    EXPECT_TRUE(s.FormattedDisplay);
    EXPECT_FALSE(s.ClearPrevious);
    EXPECT_EQ(s.Error, 2.5e-7);
}

TEST_F(App, CancelStillTakesTheToleranceButNothingElse) {
    WhenDialogShows("TFormPreferences", [](QDialog& dialog) {
        Child<QSpinBox>(dialog, "SpinEditWidth").setValue(30);
        ErrorEdit(dialog).clear();
        Type(ErrorEdit(dialog), "1e-3");
        Click(Child<QPushButton>(dialog, "BitBtnCancel"));
    });
    Trigger("PreferencesItem");
    EXPECT_EQ(Work().settings.Error, 0.001);
    EXPECT_EQ(Work().settings.Width, 4);
}

// "1e-" is no number: the message, and the dialog stays open whichever way it was closed.
TEST_F(App, AToleranceThatIsNoNumberKeepsTheDialogOpen) {
    WhenDialogShows("TFormPreferences", [this](QDialog& dialog) {
        ErrorEdit(dialog).setText("1e-");
        Click(Child<QPushButton>(dialog, "BitBtnOK"));
        EXPECT_TRUE(dialog.isVisible());
        PressKey(ErrorEdit(dialog), Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        dialog.close();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(reporter_.errors,
                  std::vector<std::string>(3, "Data 1e- is not valid floating point value"));
        ErrorEdit(dialog).setText("1e-4");
        Click(Child<QPushButton>(dialog, "BitBtnCancel"));
    });
    Trigger("PreferencesItem");
    EXPECT_EQ(Work().settings.Error, 1e-4);
}

TEST_F(App, TheToleranceFieldTakesOnlyTheCharactersOfANumber) {
    WhenDialogShows("TFormPreferences", [](QDialog& dialog) {
        QLineEdit& edit = ErrorEdit(dialog);
        edit.clear();
        Type(edit, "1,a5 E-x2+");
        EXPECT_EQ(edit.text(), "15E-2");
        PressKey(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit.text(), "15E-2");
        edit.setCursorPosition(0);
        PressKey(edit, Qt::Key_Delete);
        EXPECT_EQ(edit.text(), "5E-2");
        Click(Child<QPushButton>(dialog, "BitBtnCancel"));
    });
    Trigger("PreferencesItem");
    EXPECT_EQ(Work().settings.Error, 0.05);
}

TEST_F(App, AChosenFolderTakesEffectEvenWhenTheDialogIsCancelled) {
    dialogs_.folderAnswers = {Path("other"), std::nullopt};
    WhenDialogShows("TFormPreferences", [this](QDialog& dialog) {
        Click(Child<QToolButton>(dialog, "SpeedButtonWorkDir"));
        EXPECT_EQ(Child<QLabel>(dialog, "LabelWorkDir").toolTip().toStdString(), Path("other"));
        Click(Child<QToolButton>(dialog, "SpeedButtonWorkDir")); // the browser cancelled
        Click(Child<QPushButton>(dialog, "BitBtnCancel"));
    });
    Trigger("PreferencesItem");
    EXPECT_EQ(Work().WorkDir(), Path("other"));
    EXPECT_EQ(dialogs_.folderStarts, (std::vector<QString>{QString::fromStdString(WorkDir()),
                                                           QString::fromStdString(Path("other"))}));
}

TEST_F(App, SelectAllTicksBothOptionsAndUntickingOneUnticksIt) {
    WhenDialogShows("TFormPreferences", [](QDialog& dialog) {
        auto& other = Child<QListWidget>(dialog, "CheckListBoxOther");
        ToggleTick(other, 2);
        EXPECT_EQ(TickedTexts(other).size(), 3);
        ToggleTick(other, 0);
        EXPECT_EQ(TickedTexts(other), QStringList{"Clear previous context"});
        Click(Child<QPushButton>(dialog, "BitBtnOK"));
    });
    Trigger("PreferencesItem");
    EXPECT_FALSE(Work().settings.FormattedDisplay);
    EXPECT_TRUE(Work().settings.ClearPrevious);
}

} // namespace
} // namespace grafida::app::testing
