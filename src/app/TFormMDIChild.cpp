#include "app/TFormMDIChild.h"

#include "app/UserDialogs.h"
#include "numeric/Reporter.h"
#include "workspace/ShellMessages.h"
#include "workspace/TextDocuments.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace grafida::app {

TFormMDIChild::TFormMDIChild(Workspace& workspace, std::function<bool()> busy, QWidget* parent)
    : QWidget(parent), workspace_(workspace), busy_(std::move(busy)), memo_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("TFormMDIChild"));
    setAttribute(Qt::WA_DeleteOnClose);
    memo_->setObjectName(QStringLiteral("Memo"));
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Matrices line up in columns only in a fixed-pitch font.
    memo_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    memo_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo_);
    connect(memo_->document(), &QTextDocument::modificationChanged, this, &QWidget::setWindowModified);
    resize(420, 280);
}

std::string TFormMDIChild::Caption() const {
    QString title = windowTitle();
    title.remove(QStringLiteral("[*]"));
    return title.toStdString();
}

void TFormMDIChild::SetCaption(const std::string& caption) {
    // "[*]" is where the window shows its modified mark.
    setWindowTitle(QString::fromStdString(caption) + QStringLiteral("[*]"));
}

void TFormMDIChild::AddLine(std::string line) {
    const bool modified = memo_->document()->isModified();
    memo_->appendPlainText(QString::fromStdString(line));
    memo_->document()->setModified(modified);
}

std::string TFormMDIChild::Text() const {
    return memo_->toPlainText().toStdString();
}

bool TFormMDIChild::IsModified() const {
    return memo_->document()->isModified();
}

bool TFormMDIChild::WriteTo(const std::string& path) {
    saved_ = WriteTextFile(path, Text());
    if (saved_)
        memo_->document()->setModified(false);
    return saved_;
}

bool TFormMDIChild::SaveText() {
    const std::string path = DirectSavePath(workspace_.WorkDir(), Caption());
    if (path.empty())
        return SaveTextAs();
    return WriteTo(path);
}

bool TFormMDIChild::SaveTextAs() {
    const QString proposed = QString::fromStdString(workspace_.WorkDir() + "/" + Caption());
    const auto chosen = CurrentDialogs().SaveFile(this, QStringLiteral("Save file"), proposed,
                                                  QStringLiteral("Matrices files (*.M *.m);;All files (*)"),
                                                  QStringLiteral("M"));
    if (!chosen) {
        saved_ = false;
        return false;
    }
    // The file goes where the user chose it; WorkDir stays as it was.
    if (!WriteTo(*chosen))
        return false;
    SetCaption(FileNameOf(*chosen));
    return true;
}

bool TFormMDIChild::QueryClose() {
    if (!IsModified())
        return true;
    switch (CurrentReporter().Ask(FormatMessage(kModifiedQuestion, Caption()), Question::YesNoCancel)) {
    case Answer::Yes:
        return SaveText();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void TFormMDIChild::CloseWithoutQuestion() {
    questionAnswered_ = true;
    if (auto* frame = parentWidget())
        frame->close();
    else
        close();
}

void TFormMDIChild::ChooseFont() {
    if (const auto font = CurrentDialogs().Font(this, memo_->font()))
        memo_->setFont(*font);
}

int TFormMDIChild::LoadMatricesToList() {
    return grafida::LoadMatricesToList(workspace_, Text());
}

void TFormMDIChild::closeEvent(QCloseEvent* event) {
    // A running command may be printing here; the window goes once it is done.
    if (busy_ && busy_()) {
        event->ignore();
        return;
    }
    if (questionAnswered_ || QueryClose()) {
        event->accept();
    } else {
        questionAnswered_ = false;
        event->ignore();
    }
}

bool TFormMDIChild::eventFilter(QObject* watched, QEvent* event) {
    // Ctrl+A is "Save as" here, as the menu says, not the editor's select-all.
    if (watched == memo_ && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_A && key->modifiers() == Qt::ControlModifier) {
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace grafida::app
