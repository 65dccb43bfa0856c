#pragma once
// The choice of the vertex properties to compute: SGI, charges and group mass, and
// "Calculate all" to tick or untick them together.

#include "dlgpack/SelectAllRule.h"

#include <QBitArray>
#include <QDialog>

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace grafida::dlgpack {

class TFormProp final : public QDialog {
    Q_OBJECT
public:
    explicit TFormProp(QWidget* owner);

    // SGI, charges, group mass; "Calculate all" itself is not among them.
    QBitArray Flags() const;

private:
    void TicksChanged();

    SelectAllRule selectAll_;
    bool applyingRule_ = false;
    QListWidget* chbProperties_;
    QPushButton* BitBtnOK_;
};

} // namespace grafida::dlgpack
