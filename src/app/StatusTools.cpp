#include "app/StatusTools.h"

#include "workspace/ToolPrograms.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QProcess>
#include <QStyle>
#include <QToolButton>

namespace grafida::app {

namespace {

// Shown when the desktop's icon theme has no icon for the tool.
QStyle::StandardPixmap FallbackIcon(size_t index) {
    static constexpr QStyle::StandardPixmap icons[] = {
        QStyle::SP_DesktopIcon,        QStyle::SP_FileDialogDetailedView,
        QStyle::SP_FileDialogInfoView, QStyle::SP_DriveDVDIcon,
        QStyle::SP_DirHomeIcon,        QStyle::SP_ComputerIcon,
    };
    return icons[index % std::size(icons)];
}

} // namespace

StatusTools::StatusTools(const std::string& pathVariable, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StatusTools"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 0, 5, 0);
    layout->setSpacing(5);
    const auto& tools = StatusBarTools();
    for (size_t i = 0; i < tools.size(); ++i) {
        const ToolChoice choice = ChooseTool(tools[i], pathVariable);
        QIcon icon = QIcon::fromTheme(QString::fromStdString(choice.iconName),
                                      QIcon::fromTheme(QString::fromStdString(tools[i].iconName)));
        if (icon.isNull())
            icon = style()->standardIcon(FallbackIcon(i));
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("Tool%1").arg(i));
        button->setAutoRaise(true);
        button->setIconSize(QSize(16, 16));
        button->setFixedSize(20, 20);
        const QString hint = QString::fromStdString(choice.hint);
        button->setToolTip(hint);
        button->setStatusTip(hint);
        if (choice.path.empty()) {
            // Still shows its hint, unlike a disabled button; only the icon is greyed.
            button->setIcon(QIcon(icon.pixmap(16, 16, QIcon::Disabled)));
        } else {
            button->setIcon(icon);
            const QString program = QString::fromStdString(choice.path);
            // A tool that fails to start is not worth a message.
            connect(button, &QToolButton::clicked, this, [program] { QProcess::startDetached(program, {}); });
        }
        layout->addWidget(button);
        buttons_.push_back(button);
        programs_.push_back(choice.path);
    }
    layout->addStretch();
}

} // namespace grafida::app
