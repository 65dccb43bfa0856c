#include "DialogDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <memory>

namespace grafida::dlgpack::testing {

namespace {

void RunWhenShown(const QString& className, std::function<void(QDialog&)> action, int attemptsLeft) {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
        if (attemptsLeft > 0) {
            QTimer::singleShot(10, [=] { RunWhenShown(className, action, attemptsLeft - 1); });
        } else {
            ADD_FAILURE() << "no dialog " << className.toStdString() << " was shown";
        }
        return;
    }
    EXPECT_EQ(dialog->objectName(), className);
    try {
        action(*dialog);
    } catch (const std::exception& error) {
        ADD_FAILURE() << error.what();
    }
    if (dialog->isVisible()) {
        ADD_FAILURE() << className.toStdString() << " was left open";
        dialog->reject();
    }
}

} // namespace

void WhenDialogShows(const QString& className, std::function<void(QDialog&)> action) {
    QTimer::singleShot(0, [=] { RunWhenShown(className, action, 100); });
}

NoDialogExpected::NoDialogExpected() : check_(std::make_unique<QTimer>()) {
    check_->setSingleShot(true);
    QObject::connect(check_.get(), &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "unexpected dialog " << dialog->objectName().toStdString();
            dialog->reject();
        }
    });
    check_->start(0);
}

NoDialogExpected::~NoDialogExpected() = default;

void Click(QAbstractButton& button) {
    // A check box reacts to clicks on its box and text only, not on the rest of its row.
    const QPoint point =
        qobject_cast<QCheckBox*>(&button) ? QPoint(8, button.height() / 2) : button.rect().center();
    QTest::mouseClick(&button, Qt::LeftButton, {}, point);
}

void PressKey(QWidget& widget, Qt::Key key) {
    QTest::keyClick(&widget, key);
}

void Type(QWidget& widget, const QString& text) {
    for (const QChar letter : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(&widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(&widget, &release);
    }
}

void ToggleTick(QListWidget& list, int row) {
    list.setFocus();
    list.setCurrentRow(row);
    QTest::keyClick(&list, Qt::Key_Space);
}

void ClickEntry(QListWidget& list, int row) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
}

void DoubleClickEntry(QListWidget& list, int row) {
    const QPoint point = list.visualItemRect(list.item(row)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, point);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, point);
}

void DragAndDrop(QListWidget& source, const QList<int>& rows, QListWidget& target, int targetRow) {
    QModelIndexList indexes;
    for (const int row : rows)
        indexes.append(source.model()->index(row, 0));
    std::unique_ptr<QMimeData> data(source.model()->mimeData(indexes));
    ASSERT_TRUE(data);
    QPoint point(5, 5);
    if (targetRow >= 0) {
        point = target.visualItemRect(target.item(targetRow)).center();
    } else if (target.count() > 0) {
        const QRect last = target.visualItemRect(target.item(target.count() - 1));
        point = QPoint(last.center().x(), last.bottom() + 5);
    }
    QWidget* viewport = target.viewport();
    QDragEnterEvent enter(point, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &enter);
    QDragMoveEvent move(point, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &move);
    QDropEvent drop(point, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
    QApplication::sendEvent(viewport, &drop);
}

QStringList Texts(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts.append(list.item(row)->text());
    return texts;
}

QStringList TickedTexts(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->checkState() == Qt::Checked)
            texts.append(list.item(row)->text());
    }
    return texts;
}

} // namespace grafida::dlgpack::testing
