#pragma once
// A list whose entries can be dragged onto lists of the same dialog. A drag carries the rows
// of its entries and an identity of the list it started in, so a list takes drops only from
// the lists it was told to, never from another window or program.

#include <QList>
#include <QListWidget>
#include <QPointer>

namespace grafida::dlgpack {

class DragListWidget : public QListWidget {
    Q_OBJECT
public:
    explicit DragListWidget(QWidget* parent);

    // Lists (this one included, for reordering) whose entries may be dropped here.
    void AcceptDropsFrom(const QList<DragListWidget*>& sources);

    // Rows of the selected entries, in list order.
    QList<int> SelectedRows() const;

signals:
    // Entries rows of source were dropped here; targetRow is the row under the drop point, or
    // -1 below the last entry.
    void RowsDropped(DragListWidget* source, const QList<int>& rows, int targetRow);

protected:
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
    Qt::DropActions supportedDropActions() const override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The accepted list the dragged data comes from, and its rows; null when not acceptable.
    DragListWidget* SourceOf(const QMimeData* data, QList<int>* rows = nullptr) const;
    QByteArray Identity() const;

    QList<QPointer<DragListWidget>> sources_;
};

} // namespace grafida::dlgpack
