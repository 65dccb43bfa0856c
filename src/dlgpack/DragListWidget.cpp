#include "dlgpack/DragListWidget.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <algorithm>

namespace grafida::dlgpack {

namespace {

const QString kRowsMimeType = QStringLiteral("application/x-grafida-list-rows");

} // namespace

DragListWidget::DragListWidget(QWidget* parent) : QListWidget(parent) {
    setDragEnabled(true);
    setDropIndicatorShown(false);
    setDragDropMode(QAbstractItemView::DragOnly);
    // Copy, never move: a move would let the view delete the dragged entries after the drop.
    setDefaultDropAction(Qt::CopyAction);
}

void DragListWidget::AcceptDropsFrom(const QList<DragListWidget*>& sources) {
    sources_.clear();
    for (auto* source : sources)
        sources_.append(source);
    setAcceptDrops(!sources_.isEmpty());
    setDragDropMode(sources_.isEmpty() ? QAbstractItemView::DragOnly : QAbstractItemView::DragDrop);
}

QList<int> DragListWidget::SelectedRows() const {
    QList<int> rows;
    for (int row = 0; row < count(); ++row) {
        if (item(row)->isSelected())
            rows.append(row);
    }
    return rows;
}

QByteArray DragListWidget::Identity() const {
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(reinterpret_cast<quintptr>(this));
}

QStringList DragListWidget::mimeTypes() const {
    return {kRowsMimeType};
}

QMimeData* DragListWidget::mimeData(const QList<QListWidgetItem*>& items) const {
    QList<int> rows;
    for (const auto* entry : items)
        rows.append(row(entry));
    std::sort(rows.begin(), rows.end());
    QByteArray payload = Identity();
    for (const int entryRow : rows)
        payload += ' ' + QByteArray::number(entryRow);
    auto* data = new QMimeData;
    data->setData(kRowsMimeType, payload);
    return data;
}

Qt::DropActions DragListWidget::supportedDropActions() const {
    return Qt::CopyAction;
}

DragListWidget* DragListWidget::SourceOf(const QMimeData* data, QList<int>* rows) const {
    if (!data || !data->hasFormat(kRowsMimeType))
        return nullptr;
    const QList<QByteArray> fields = data->data(kRowsMimeType).split(' ');
    for (const auto& source : sources_) {
        if (!source || source->Identity() != fields.front())
            continue;
        if (rows) {
            rows->clear();
            for (qsizetype i = 1; i < fields.size(); ++i) {
                bool ok = false;
                const int entryRow = fields[i].toInt(&ok);
                if (!ok || entryRow < 0 || entryRow >= source->count())
                    return nullptr;
                rows->append(entryRow);
            }
        }
        return source.data();
    }
    return nullptr;
}

void DragListWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (!SourceOf(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    setState(QAbstractItemView::DraggingState);
}

void DragListWidget::dragMoveEvent(QDragMoveEvent* event) {
    // The view scrolls near its edges; whether the drop is taken is this list's own rule.
    QListWidget::dragMoveEvent(event);
    if (!SourceOf(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void DragListWidget::dropEvent(QDropEvent* event) {
    // Ends the view's drag state and scrolling without letting it insert the data itself.
    QDragLeaveEvent leave;
    QListWidget::dragLeaveEvent(&leave);
    QList<int> rows;
    auto* source = SourceOf(event->mimeData(), &rows);
    if (!source || rows.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    const QListWidgetItem* target = itemAt(event->position().toPoint());
    emit RowsDropped(source, rows, target ? row(target) : -1);
}

} // namespace grafida::dlgpack
