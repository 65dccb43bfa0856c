#pragma once
// The program's file, folder and font choosers. Windows ask through CurrentDialogs()
// so that tests answer in their place, as the reporter answers the questions.

#include <QFont>
#include <QString>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace grafida::app {

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // The chosen existing files in the dialog's order; empty when cancelled.
    virtual std::vector<std::string> OpenFiles(QWidget* parent, const QString& title, const QString& folder,
                                               const QString& filter) = 0;
    // The chosen file (the dialog asked before overwriting), or nothing.
    virtual std::optional<std::string> SaveFile(QWidget* parent, const QString& title,
                                                const QString& proposedPath, const QString& filter,
                                                const QString& defaultSuffix) = 0;
    // A folder chosen below the user's desktop, preselecting start when not empty.
    virtual std::optional<std::string> Folder(QWidget* parent, const QString& title,
                                              const QString& start) = 0;
    virtual std::optional<QFont> Font(QWidget* parent, const QFont& current) = 0;
    // A line of text asked in an input box that starts with value; nothing on Cancel.
    virtual std::optional<std::string> InputText(QWidget* parent, const QString& caption,
                                                 const QString& prompt, const QString& value);
};

// The installed choosers, else the real Qt dialogs.
UserDialogs& CurrentDialogs();
// Installs dialogs (null for the real ones); the caller keeps them alive.
void SetDialogs(UserDialogs* dialogs);

} // namespace grafida::app
