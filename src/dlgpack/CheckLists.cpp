#include "dlgpack/CheckLists.h"

#include <algorithm>

namespace grafida::dlgpack {

void AddCheckEntries(QListWidget& list, const QStringList& names) {
    for (const auto& name : names) {
        auto* entry = new QListWidgetItem(name, &list);
        entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
        entry->setCheckState(Qt::Unchecked);
    }
}

void ShowSortedCheckEntries(QListWidget& list, const std::vector<std::string>& names) {
    QStringList sorted;
    for (const auto& name : names)
        sorted.append(QString::fromStdString(name));
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    list.clear();
    AddCheckEntries(list, sorted);
}

QStringList TickedTexts(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->checkState() == Qt::Checked)
            texts.append(list.item(row)->text());
    }
    return texts;
}

QBitArray TickedBits(const QListWidget& list) {
    QBitArray bits(list.count());
    for (int row = 0; row < list.count(); ++row)
        bits.setBit(row, list.item(row)->checkState() == Qt::Checked);
    return bits;
}

QListWidget* NewSingleChoiceList(QWidget* parent, const char* objectName) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

std::optional<QString> SelectedText(const QListWidget& list) {
    const auto selected = list.selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.front()->text();
}

void ReplaceEntries(QStringList& list, const QStringList& names) {
    list.clear();
    list.append(names);
}

void WriteOptions(QBitArray& options, const QBitArray& ticked) {
    if (options.size() == ticked.size())
        options = ticked;
}

std::vector<std::string> ToStdStrings(const QStringList& list) {
    std::vector<std::string> strings;
    strings.reserve(static_cast<size_t>(list.size()));
    for (const auto& text : list)
        strings.push_back(text.toStdString());
    return strings;
}

} // namespace grafida::dlgpack
