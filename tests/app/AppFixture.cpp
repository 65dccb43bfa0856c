#include "AppFixture.h"

#include "molecule/ElementData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <filesystem>

namespace grafida::app::testing {

bool WaitUntil(const std::function<bool()>& condition) {
    QElapsedTimer waited;
    waited.start();
    while (!condition()) {
        if (waited.elapsed() > 2000)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        // Closed windows are deleted later, which processEvents alone never does.
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

Answer ScriptedReporter::Ask(const std::string& text, Question) {
    questions.push_back(text);
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text;
        return Answer::Cancel;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::vector<std::string> ScriptedDialogs::OpenFiles(QWidget*, const QString&, const QString& folder,
                                                    const QString&) {
    openFolders.push_back(folder);
    if (openAnswers.empty())
        return {};
    auto answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedDialogs::SaveFile(QWidget*, const QString& title,
                                                     const QString& proposedPath, const QString&,
                                                     const QString&) {
    EXPECT_EQ(title, QStringLiteral("Save file"));
    saveProposals.push_back(proposedPath);
    if (saveAnswers.empty()) {
        ADD_FAILURE() << "unexpected Save as dialog";
        return std::nullopt;
    }
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedDialogs::InputText(QWidget*, const QString& caption, const QString& prompt,
                                                      const QString& value) {
    inputBoxes.push_back(caption + QLatin1Char('|') + prompt + QLatin1Char('|') + value);
    if (inputAnswers.empty()) {
        ADD_FAILURE() << "unexpected input box " << caption.toStdString();
        return std::nullopt;
    }
    auto answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedDialogs::Folder(QWidget*, const QString& title, const QString& start) {
    EXPECT_EQ(title, QStringLiteral("Select working directory"));
    folderStarts.push_back(start);
    if (folderAnswers.empty())
        return std::nullopt;
    auto answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
}

std::optional<QFont> ScriptedDialogs::Font(QWidget*, const QFont&) {
    return fontAnswer;
}

App::App() {
    namespace fs = std::filesystem;
    fs::create_directories(scratch_.path() / "bin");
    fs::create_directories(scratch_.path() / "work");
    fs::create_directories(scratch_.path() / "other");
    scratch_.write("bin/GRAFIDA.INI", "[Preferences]\r\nWorkDir=" + WorkDir() + "\r\n");
    SetElementDataDir(GRAFIDA_DATA_DIR);
    SetDialogs(&dialogs_);
    SettingsLocation location{scratch_.file("bin"), "", [](const std::string&) { return true; }};
    main_ = std::make_unique<TFMain>(std::make_unique<Workspace>(location, RunBase()));
    main_->show();
    QApplication::processEvents();
}

App::~App() {
    main_.reset();
    SetDialogs(nullptr);
    SetElementDataDir({});
    EXPECT_TRUE(reporter_.answers.empty()) << "answers left unused";
}

QAction& App::Item(const char* name) {
    QAction* action = main_->Action(QString::fromLatin1(name));
    if (!action)
        throw std::runtime_error(std::string("no action ") + name);
    return *action;
}

TFormMDIChild& App::NewWindow(const std::string& text) {
    main_->NewItemClick();
    TFormMDIChild* window = main_->ActiveTextWindow();
    if (!window)
        throw std::runtime_error("no active text window after New");
    if (!text.empty())
        window->Memo().insertPlainText(QString::fromStdString(text));
    return *window;
}

std::vector<std::string> App::Captions() const {
    std::vector<std::string> captions;
    for (TFormMDIChild* window : main_->TextWindows())
        captions.push_back(window->Caption());
    return captions;
}

void App::OpenSamples(std::initializer_list<const char*> samples) {
    std::vector<std::string> files;
    for (const char* sample : samples) {
        const std::string target = Path(std::string("work/") + sample + ".hin");
        std::filesystem::copy_file(std::string(GRAFIDA_DATA_DIR) + "/samples/" + sample + ".hin", target,
                                   std::filesystem::copy_options::overwrite_existing);
        files.push_back(target);
    }
    dialogs_.openAnswers = {files};
    Trigger("OpenItem");
    ASSERT_EQ(Work().molecules.Names().size(), samples.size());
}

} // namespace grafida::app::testing
