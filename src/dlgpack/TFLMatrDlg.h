#pragma once
// The layer matrix dialog: one matrix, the properties of its molecule and four options.

#include <QBitArray>
#include <QDialog>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace grafida::dlgpack {

class TFLMatrDlg final : public QDialog {
    Q_OBJECT
public:
    explicit TFLMatrDlg(QWidget* owner);

    void SetCaption(const char* caption);
    void SetNames(const QStringList& names, const QStringList& propertyCatalogue);

    std::optional<QString> SelectedName() const;
    QStringList TickedProperties() const;
    // "Keep matrix", "X index", "C index", "Polynomial".
    QBitArray Options() const;

private:
    void SelectionChanged();

    std::vector<std::string> catalogue_;
    QListWidget* lstMatr_;
    QListWidget* clbProp_;
    QLabel* lbOptions_;
    QListWidget* clbOptions_;
    QPushButton* BitBtnOK_;
};

} // namespace grafida::dlgpack
