#include "topology/CombinatorialMatrix.h"

#include "numeric/MatrixNames.h"
#include "numeric/Messages.h"
#include "numeric/Reporter.h"

namespace grafida {

std::optional<TFLOATARRAY> CombinatorialMatrix(const TFLOATARRAY* m) {
    if (!m) {
        ShowError(messages::kErrorCalculating, "combinatorial matrix");
        return std::nullopt;
    }
    TFLOATARRAY c(m->Rows(), m->Cols());
    c.SetName(InsertAfterFirstUnderscore(m->Name(), "Comb_"));
    for (std::int64_t i = 1; i <= m->Rows(); ++i)
        for (std::int64_t j = 1; j <= m->Cols(); ++j) {
            const double entry = m->Get(i, j);
            // -1 gives -1·0 = -0.0, which prints as "-0.00"; no pair count is negative zero.
            c.Put(i, j, entry * (entry + 1) / 2 + 0.0);
        }
    return c;
}

} // namespace grafida
