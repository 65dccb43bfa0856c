#pragma once
// The desktop program with a scratch installation: a program folder with its settings
// file, a working folder, and the questions and file dialogs answered by the test.

#include "app/StatusTools.h"
#include "app/TFMain.h"
#include "app/TFormMDIChild.h"
#include "app/UserDialogs.h"
#include "numeric/Reporter.h"
#include "support/RecordingReporter.h"

#include <QAction>
#include <QLabel>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace grafida::app::testing {

// Answers questions from a script, in order; records everything it was told.
class ScriptedReporter final : public Reporter {
public:
    void Error(const std::string& text) override { errors.push_back(text); }
    void Inform(const std::string& text) override { informations.push_back(text); }
    Answer Ask(const std::string& text, Question) override;
    std::deque<Answer> answers;
    std::vector<std::string> errors;
    std::vector<std::string> informations;
    std::vector<std::string> questions;
};

// Answers the file, folder and font dialogs from scripts; records where they started.
class ScriptedDialogs final : public UserDialogs {
public:
    std::vector<std::string> OpenFiles(QWidget*, const QString& title, const QString& folder,
                                       const QString& filter) override;
    std::optional<std::string> SaveFile(QWidget*, const QString& title, const QString& proposedPath,
                                        const QString& filter, const QString& defaultSuffix) override;
    std::optional<std::string> Folder(QWidget*, const QString& title, const QString& start) override;
    std::optional<QFont> Font(QWidget*, const QFont& current) override;
    std::optional<std::string> InputText(QWidget*, const QString& caption, const QString& prompt,
                                         const QString& value) override;

    std::deque<std::vector<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::deque<std::optional<std::string>> folderAnswers;
    std::optional<QFont> fontAnswer;
    std::deque<std::optional<std::string>> inputAnswers;
    std::vector<QString> inputBoxes;    // caption|prompt|value of each input box
    std::vector<QString> openFolders;   // where each Open dialog started
    std::vector<QString> saveProposals; // the file each Save dialog proposed
    std::vector<QString> folderStarts;
};

// Lets events run until condition holds (true) or two seconds passed (false).
bool WaitUntil(const std::function<bool()>& condition);

class App : public ::testing::Test {
protected:
    App();
    ~App() override;

    TFMain& Main() { return *main_; }
    Workspace& Work() { return main_->CurrentWorkspace(); }
    QAction& Item(const char* name);
    void Trigger(const char* name) { Item(name).trigger(); }
    // Writes a file into the scratch folder and returns its path.
    std::string Write(const std::string& relative, const std::string& text) const {
        return scratch_.write(relative, text);
    }
    std::string Path(const std::string& relative) const { return scratch_.file(relative); }
    std::string WorkDir() const { return scratch_.file("work"); }
    std::string RunBase() const { return scratch_.path().string(); }
    TFormMDIChild& NewWindow(const std::string& text = "");
    // Opens sample molecules of data/samples as the user does (File › Open), from a
    // copy in the working folder.
    void OpenSamples(std::initializer_list<const char*> samples);
    std::vector<std::string> Captions() const;

    grafida::testing::ScratchDir scratch_;
    ScriptedReporter reporter_;
    ScriptedDialogs dialogs_;

private:
    ReporterScope reporterScope_{reporter_};
    std::unique_ptr<TFMain> main_;
};

} // namespace grafida::app::testing
