#pragma once
// A text window: one editable text inside the main window, into which commands
// print their results and which the user edits, saves, and turns back into stored
// matrices. The caption carries the modified mark.

#include "numeric/TextTarget.h"
#include "workspace/Workspace.h"

#include <QPlainTextEdit>
#include <QWidget>
#include <functional>

namespace grafida::app {

class TFormMDIChild final : public QWidget, public TextTarget {
    Q_OBJECT
public:
    // busy tells whether a command runs (one may be printing into this window).
    TFormMDIChild(Workspace& workspace, std::function<bool()> busy, QWidget* parent = nullptr);

    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // Printed lines are the command's result, not the user's edit: no modified mark.
    void AddLine(std::string line) override;
    std::string Text() const;
    bool IsModified() const;
    // Whether the last save attempt succeeded.
    bool IsSaved() const { return saved_; }

    // Save: straight to WorkDir/caption when that is a new file, else Save as.
    bool SaveText();
    // Asks where, writes there, and takes the chosen file's name as caption.
    bool SaveTextAs();
    // The close question for a modified text: true when the window may close.
    bool QueryClose();
    // Closes without the question (the user already answered it).
    void CloseWithoutQuestion();
    void ChooseFont();
    int LoadMatricesToList();

    QPlainTextEdit& Memo() { return *memo_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool WriteTo(const std::string& path);

    Workspace& workspace_;
    std::function<bool()> busy_;
    QPlainTextEdit* memo_;
    bool saved_ = false;
    bool questionAnswered_ = false;
};

} // namespace grafida::app
