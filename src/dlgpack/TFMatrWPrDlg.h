#pragma once
// The W matrix dialog: one matrix, the properties of its molecule, a power and the keep box.

#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace grafida::dlgpack {

class TFMatrWPrDlg final : public QDialog {
    Q_OBJECT
public:
    explicit TFMatrWPrDlg(QWidget* owner);

    void SetTexts(const char* caption, const char* matrixLabel, const char* propertyLabel,
                  const char* keepCaption);
    void SetNames(const QStringList& names, const QStringList& propertyCatalogue);

    std::optional<QString> SelectedName() const;
    QStringList TickedProperties() const;
    bool Keep() const;
    std::uint16_t Power() const;

private:
    void SelectionChanged();

    std::vector<std::string> catalogue_;
    QLabel* lbMatrLst_;
    QListWidget* lstMatr_;
    QLabel* lbProp_;
    QListWidget* clbProp_;
    QCheckBox* cbKeep_;
    QLabel* lbPower_;
    QSpinBox* SpinEditPower_;
    QPushButton* BitBtnOK_;
};

} // namespace grafida::dlgpack
