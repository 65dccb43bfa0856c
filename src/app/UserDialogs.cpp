#include "app/UserDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QRegularExpression>
#include <QStandardPaths>

namespace grafida::app {

std::optional<std::string> UserDialogs::InputText(QWidget* parent, const QString& caption,
                                                  const QString& prompt, const QString& value) {
    bool accepted = false;
    const QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, value, &accepted);
    if (!accepted)
        return std::nullopt;
    return text.toStdString();
}

namespace {

class QtDialogs final : public UserDialogs {
public:
    std::vector<std::string> OpenFiles(QWidget* parent, const QString& title, const QString& folder,
                                       const QString& filter) override {
        QFileDialog dialog(parent, title, folder, filter);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        // The patterns spell out every letter case; the user sees the filter's name only.
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        std::vector<std::string> files;
        if (dialog.exec() == QDialog::Accepted)
            for (const QString& file : dialog.selectedFiles())
                files.push_back(file.toStdString());
        return files;
    }

    std::optional<std::string> SaveFile(QWidget* parent, const QString& title, const QString& proposedPath,
                                        const QString& filter, const QString& defaultSuffix) override {
        QFileDialog dialog(parent, title, proposedPath, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultSuffix);
        // A name typed without extension takes that of the filter chosen, when it names one.
        QObject::connect(
            &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, defaultSuffix](const QString& filter) {
                static const QRegularExpression firstPattern(QStringLiteral(R"(\(\*\.([A-Za-z0-9]+))"));
                const QRegularExpressionMatch match = firstPattern.match(filter);
                dialog.setDefaultSuffix(match.hasMatch() ? match.captured(1) : defaultSuffix);
            });
        dialog.selectFile(proposedPath);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().front().toStdString();
    }

    std::optional<std::string> Folder(QWidget* parent, const QString& title, const QString& start) override {
        QString from = start;
        if (from.isEmpty())
            from = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        const QString chosen =
            QFileDialog::getExistingDirectory(parent, title, from, QFileDialog::ShowDirsOnly);
        if (chosen.isEmpty())
            return std::nullopt;
        return QDir::cleanPath(chosen).toStdString();
    }

    std::optional<QFont> Font(QWidget* parent, const QFont& current) override {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, current, parent);
        if (!ok)
            return std::nullopt;
        return font;
    }
};

UserDialogs* installed = nullptr;

} // namespace

UserDialogs& CurrentDialogs() {
    static QtDialogs real;
    return installed ? *installed : real;
}

void SetDialogs(UserDialogs* dialogs) {
    installed = dialogs;
}

} // namespace grafida::app
