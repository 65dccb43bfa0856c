#include "dlgpack/TFormAbout.h"

#include "dlgpack/DialogFrame.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>

namespace grafida::dlgpack {

namespace {

const char* const kAboutText[] = {
    "The GRAFIDA developers, 2026",
    "GRAFIDA version 1.0 ",
    "This program is destinated to manipulate ",
    "topological matrices and indices. Program was ",
    "designed by the GRAFIDA developers. For ",
    "any information and sugestions please email to: ",
    "the GRAFIDA developers",
    "(the maintainers of this program)",
    "Thank you for using this program",
};

// A read-only text tall enough for its lines, wrapped at its width, scrolled only vertically.
QPlainTextEdit* NewMemo(QWidget* parent, const char* objectName, const QStringList& lines) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(objectName));
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setPlainText(lines.join(QLatin1Char('\n')));
    const int margins = 2 * (memo->frameWidth() + static_cast<int>(memo->document()->documentMargin())) + 4;
    memo->setFixedSize(500, memo->fontMetrics().lineSpacing() * static_cast<int>(lines.size()) + margins);
    return memo;
}

QIcon ProgramIcon(const QWidget& box) {
    const QIcon icon = QApplication::windowIcon();
    return icon.isNull() ? box.style()->standardIcon(QStyle::SP_ComputerIcon) : icon;
}

} // namespace

TFormAbout::TFormAbout(QWidget* owner, const std::vector<std::string>& systemLines) : QDialog(owner) {
    auto* layout = new QVBoxLayout(this);

    auto* heading = new QHBoxLayout;
    auto* programIcon = new QLabel(this);
    programIcon->setObjectName(QStringLiteral("ProgramIcon"));
    programIcon->setPixmap(ProgramIcon(*this).pixmap(48, 48));
    heading->addWidget(programIcon);
    auto* programName = new QLabel(QStringLiteral("GRAFIDA 1.0"), this);
    programName->setObjectName(QStringLiteral("LabelProgramName"));
    QFont nameFont = programName->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    programName->setFont(nameFont);
    heading->addWidget(programName, 1);
    layout->addLayout(heading);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    layout->addWidget(bevel);

    QStringList about;
    for (const char* line : kAboutText)
        about.append(QString::fromLatin1(line));
    layout->addWidget(NewMemo(this, "MemoAbout", about));

    QStringList system;
    for (const auto& line : systemLines)
        system.append(QString::fromStdString(line));
    layout->addWidget(NewMemo(this, "MemoOSInfo", system));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    AddOkButton(*this, *buttons)->setCursor(Qt::PointingHandCursor);
    buttons->addStretch();
    layout->addLayout(buttons);

    for (auto* child : findChildren<QWidget*>())
        child->installEventFilter(this);

    SetUpDialogFrame(*this, "TFormAbout", QStringLiteral("About Grafida"));
}

bool TFormAbout::ClosesAsOk(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    switch (static_cast<const QKeyEvent*>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        accept();
        return true;
    default:
        return false;
    }
}

void TFormAbout::keyPressEvent(QKeyEvent* event) {
    if (!ClosesAsOk(event))
        QDialog::keyPressEvent(event);
}

bool TFormAbout::eventFilter(QObject* watched, QEvent* event) {
    return ClosesAsOk(event) || QDialog::eventFilter(watched, event);
}

} // namespace grafida::dlgpack
