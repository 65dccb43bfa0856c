#include "dlgpack/DialogFrame.h"

#include <QApplication>
#include <QBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QThread>

namespace grafida::dlgpack {

QString CallerText(const char* text, const QString& builtIn) {
    return text ? QString::fromUtf8(text) : builtIn;
}

void SetUpDialogFrame(QDialog& dialog, const char* className, const QString& caption) {
    dialog.setObjectName(QString::fromLatin1(className));
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(caption);
    dialog.setModal(true);
    if (auto* layout = dialog.layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* AddOkButton(QDialog& dialog, QBoxLayout& row, const QString& text) {
    auto* button = new QPushButton(dialog.style()->standardIcon(QStyle::SP_DialogOkButton), text, &dialog);
    button->setObjectName(QStringLiteral("BitBtnOK"));
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    row.addWidget(button);
    return button;
}

QPushButton* AddCancelButton(QDialog& dialog, QBoxLayout& row, const QString& text) {
    auto* button =
        new QPushButton(dialog.style()->standardIcon(QStyle::SP_DialogCancelButton), text, &dialog);
    button->setObjectName(QStringLiteral("BitBtnCancel"));
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::reject);
    row.addWidget(button);
    return button;
}

bool CanShowDialogs() {
    const auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    return application && QThread::currentThread() == application->thread();
}

std::int16_t RunModal(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted ? std::int16_t{-1} : std::int16_t{0};
}

} // namespace grafida::dlgpack
