#pragma once
// The choice of two matrices in order (sum, difference, Cramer and Hadamard products): the first
// name shown is the first operand.

#include "dlgpack/MatrixTickDialog.h"

namespace grafida::dlgpack {

class TFDMatrSel final : public MatrixTickDialog {
public:
    explicit TFDMatrSel(QWidget* owner) : MatrixTickDialog(owner, 2, "TFDMatrSel") {}
};

} // namespace grafida::dlgpack
