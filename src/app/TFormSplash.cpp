#include "app/TFormSplash.h"

#include "app/JpegImage.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace grafida::app {

TFormSplash::TFormSplash(const QByteArray& picture, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(DecodeJpeg(picture)) {
    setObjectName(QStringLiteral("TFormSplash"));
    setFixedSize(601, 328);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setCursor(Qt::WaitCursor);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel"));
    bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bevel->setLineWidth(2);
    bevel->setGeometry(rect());

    auto* label = new QLabel(QStringLiteral("GRAFIDA 1.0"), this);
    label->setObjectName(QStringLiteral("LabelTitle"));
    QFont font = label->font();
    font.setPixelSize(24);
    font.setBold(true);
    font.setItalic(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: #1d3557; background: transparent;"));
    label->adjustSize();
    label->move((width() - label->width()) / 2, height() / 2 + 40);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    icon->setFixedSize(32, 32);
    icon->move((width() - 32) / 2, label->geometry().bottom() + 6);

    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TFormSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.isNull())
        painter.drawImage(rect(), picture_);
}

} // namespace grafida::app
