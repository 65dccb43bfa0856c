#include "topology/CombinatorialMatrix.h"

#include "numeric/MatrixNames.h"
#include "numeric/Reporter.h"

namespace grafida {

std::optional<TFLOATARRAY> CombinatorialMatrix(const TFLOATARRAY* m) {
    if (!m) {
        ShowError("ERROR DIURING CALCULATING %s", "combinatorial matrix");
        return std::nullopt;
    }
    TFLOATARRAY c(m->Rows(), m->Cols());
    c.SetName(InsertAfterFirstUnderscore(m->Name(), "Comb_"));
    for (std::int64_t i = 1; i <= m->Rows(); ++i)
        for (std::int64_t j = 1; j <= m->Cols(); ++j) {
            const double entry = m->Get(i, j);
            c.Put(i, j, entry * (entry + 1) / 2);
        }
    return c;
}

} // namespace grafida
