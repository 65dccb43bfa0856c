#pragma once
// Small operations on the list widgets of the dialogs: check lists of names, option bits and
// the one selected name of a single-choice list.

#include <QBitArray>
#include <QListWidget>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace grafida::dlgpack {

// Appends one unticked, tickable entry per name.
void AddCheckEntries(QListWidget& list, const QStringList& names);

// Replaces the entries by the names sorted alphabetically without regard to letter case, unticked.
void ShowSortedCheckEntries(QListWidget& list, const std::vector<std::string>& names);

QStringList TickedTexts(const QListWidget& list);
QBitArray TickedBits(const QListWidget& list);

// A list in which at most one name can be selected, none at first.
QListWidget* NewSingleChoiceList(QWidget* parent, const char* objectName);

// The selected name of a single-choice list.
std::optional<QString> SelectedText(const QListWidget& list);

// Writes the selection into the caller's list in place: it then holds exactly the names.
void ReplaceEntries(QStringList& list, const QStringList& names);

// Writes the option bits when the caller's set has as many bits as there are options.
void WriteOptions(QBitArray& options, const QBitArray& ticked);

std::vector<std::string> ToStdStrings(const QStringList& list);

} // namespace grafida::dlgpack
