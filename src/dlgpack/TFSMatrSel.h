#pragma once
// The choice of one matrix (reciprocal, eigenvalues, combinatorial matrix).

#include "dlgpack/MatrixTickDialog.h"

namespace grafida::dlgpack {

class TFSMatrSel final : public MatrixTickDialog {
public:
    explicit TFSMatrSel(QWidget* owner) : MatrixTickDialog(owner, 1, "TFSMatrSel") {}
};

} // namespace grafida::dlgpack
