#include "app/TFormPreferences.h"

#include "app/UserDialogs.h"
#include "numeric/Reporter.h"
#include "workspace/PreferencesText.h"
#include "workspace/ShellMessages.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace grafida::app {

namespace {

QSpinBox* SpinEdit(QWidget* parent, const char* name, int minimum, int maximum, int value) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    return spin;
}

QLabel* Label(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TFormPreferences::TFormPreferences(Workspace& workspace, QWidget* parent)
    : QDialog(parent), workspace_(workspace) {
    setObjectName(QStringLiteral("TFormPreferences"));
    setWindowTitle(QStringLiteral("Preferences"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                   Qt::WindowContextHelpButtonHint);
    const Settings& settings = workspace.settings;

    SpinEditWidth = SpinEdit(this, "SpinEditWidth", 0, 100, settings.Width);
    SpinEditDecim = SpinEdit(this, "SpinEditDecim", 0, 100, settings.Decimals);
    SpinEditIterations = SpinEdit(this, "SpinEditIterations", 1, 10000, settings.Iterations);
    EditError = new QLineEdit(QString::fromStdString(FormatTolerance(settings.Error)), this);
    EditError->setObjectName(QStringLiteral("EditError"));

    auto* numbers = new QFormLayout;
    numbers->addRow(Label(this, "LabelWidth", "Select width"), SpinEditWidth);
    numbers->addRow(Label(this, "LabelDecim", "Select decimal places"), SpinEditDecim);
    numbers->addRow(Label(this, "LabelIterations", "Number of iterations"), SpinEditIterations);
    numbers->addRow(Label(this, "LabelError", "Error"), EditError);

    CheckListBoxOther = new QListWidget(this);
    CheckListBoxOther->setObjectName(QStringLiteral("CheckListBoxOther"));
    const bool ticks[] = {settings.FormattedDisplay, settings.ClearPrevious, false};
    const char* entries[] = {"Print formated display", "Clear previous context", "Select all"};
    for (int i = 0; i < 3; ++i) {
        auto* item = new QListWidgetItem(QString::fromLatin1(entries[i]), CheckListBoxOther);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(ticks[i] ? Qt::Checked : Qt::Unchecked);
    }
    CheckListBoxOther->setFixedHeight(CheckListBoxOther->sizeHintForRow(0) * 3 +
                                      2 * CheckListBoxOther->frameWidth() + 4);
    connect(CheckListBoxOther, &QListWidget::itemChanged, this,
            &TFormPreferences::CheckListBoxOtherClickCheck);
    auto* other = new QVBoxLayout;
    other->addWidget(Label(this, "LabelOther", "Other ..."));
    other->addWidget(CheckListBoxOther);
    other->addStretch();

    auto* GroupBoxSelDir = new QGroupBox(QStringLiteral("Select working directory"), this);
    GroupBoxSelDir->setObjectName(QStringLiteral("GroupBoxSelDir"));
    LabelWorkDir = new QLabel(GroupBoxSelDir);
    LabelWorkDir->setObjectName(QStringLiteral("LabelWorkDir"));
    LabelWorkDir->setMinimumWidth(300);
    LabelWorkDir->setTextInteractionFlags(Qt::TextSelectableByMouse);
    SpeedButtonWorkDir = new QToolButton(GroupBoxSelDir);
    SpeedButtonWorkDir->setObjectName(QStringLiteral("SpeedButtonWorkDir"));
    SpeedButtonWorkDir->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    SpeedButtonWorkDir->setToolTip(QStringLiteral("Select working directory"));
    SpeedButtonWorkDir->setAutoRaise(true);
    connect(SpeedButtonWorkDir, &QToolButton::clicked, this, &TFormPreferences::SpeedButtonWorkDirClick);
    auto* folder = new QHBoxLayout(GroupBoxSelDir);
    folder->addWidget(LabelWorkDir, 1);
    folder->addWidget(SpeedButtonWorkDir);
    ShowWorkDir();

    auto* buttons = new QDialogButtonBox(this);
    auto* BitBtnOK = buttons->addButton(QDialogButtonBox::Ok);
    auto* BitBtnCancel = buttons->addButton(QDialogButtonBox::Cancel);
    BitBtnOK->setObjectName(QStringLiteral("BitBtnOK"));
    BitBtnCancel->setObjectName(QStringLiteral("BitBtnCancel"));
    BitBtnOK->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addLayout(numbers);
    top->addSpacing(12);
    top->addLayout(other);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(GroupBoxSelDir);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Every key reaches the dialog first: Enter and Esc close it from any control,
    // and the tolerance field takes only the characters of a number.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void TFormPreferences::ShowWorkDir() {
    const QString path = QString::fromStdString(workspace_.WorkDir());
    LabelWorkDir->setToolTip(path);
    LabelWorkDir->setText(LabelWorkDir->fontMetrics().elidedText(path, Qt::ElideMiddle, 300));
}

void TFormPreferences::SpeedButtonWorkDirClick() {
    QString start = QString::fromStdString(workspace_.WorkDir());
    if (!QFileInfo(start).isDir())
        start.clear();
    if (const auto chosen =
            CurrentDialogs().Folder(this, QStringLiteral("Select working directory"), start)) {
        // Takes effect at once, whether or not the dialog is accepted.
        workspace_.settings.WorkDir = *chosen;
        ShowWorkDir();
    }
}

void TFormPreferences::CheckListBoxOtherClickCheck(QListWidgetItem*) {
    if (applyingRule_)
        return;
    std::vector<bool> ticks;
    for (int i = 0; i < CheckListBoxOther->count(); ++i)
        ticks.push_back(CheckListBoxOther->item(i)->checkState() == Qt::Checked);
    selectAll_.Apply(ticks);
    applyingRule_ = true;
    for (int i = 0; i < CheckListBoxOther->count(); ++i)
        CheckListBoxOther->item(i)->setCheckState(ticks[static_cast<size_t>(i)] ? Qt::Checked
                                                                                : Qt::Unchecked);
    applyingRule_ = false;
}

void TFormPreferences::done(int result) {
    const std::string text = EditError->text().toStdString();
    const auto tolerance = ParseTolerance(text);
    if (!tolerance) {
        ShowError(kNotAFloatingPointValue, text);
        return;
    }
    Settings& settings = workspace_.settings;
    settings.Error = *tolerance;
    if (result == QDialog::Accepted) {
        settings.Decimals = static_cast<std::uint8_t>(SpinEditDecim->value());
        settings.Width = static_cast<std::uint8_t>(SpinEditWidth->value());
        settings.FormattedDisplay = CheckListBoxOther->item(0)->checkState() == Qt::Checked;
        settings.ClearPrevious = CheckListBoxOther->item(1)->checkState() == Qt::Checked;
        settings.Iterations = SpinEditIterations->value();
    }
    QDialog::done(result);
}

bool TFormPreferences::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        accept();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    if (watched == EditError) {
        if (key->key() == Qt::Key_Backspace)
            return true;
        const QString typed = key->text();
        if (typed.size() == 1 && typed.front().isPrint() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
            !IsToleranceCharacter(typed.front().toLatin1()))
            return true;
        if (typed.size() == 1 && typed.front().unicode() > 0x7f)
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace grafida::app
