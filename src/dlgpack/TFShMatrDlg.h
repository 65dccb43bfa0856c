#pragma once
// The shell matrix dialog: one matrix and four options.

#include <QBitArray>
#include <QDialog>
#include <QStringList>
#include <optional>

class QListWidget;
class QPushButton;

namespace grafida::dlgpack {

class TFShMatrDlg final : public QDialog {
    Q_OBJECT
public:
    explicit TFShMatrDlg(QWidget* owner);

    void SetCaption(const char* caption);
    void SetNames(const QStringList& names);

    std::optional<QString> SelectedName() const;
    // "Keep matrix", "C index", "X index", "Polynomial" (not the layer dialog's order).
    QBitArray Options() const;

private:
    void SelectionChanged();

    QListWidget* lstMatr_;
    QListWidget* cbOpt_;
    QPushButton* BitBtnOK_;
};

} // namespace grafida::dlgpack
