#include "topology/ClujIndices.h"

#include "topology/ResultMatrices.h"

namespace grafida {

void TGLOBV::Assign(const TContained& source) {
    if (const auto* other = dynamic_cast<const TGLOBV*>(&source)) {
        SetName(other->Name());
        value_ = other->value_;
        return;
    }
    TContained::Assign(source);
}

std::unique_ptr<TGLOBV> CalcIP(const TFLOATARRAY* matrix) {
    if (!matrix || !matrix->IsSquare())
        return nullptr;
    const std::int64_t n = matrix->Rows();
    double sum = 0;
    for (std::int64_t i = 1; i <= n; ++i)
        for (std::int64_t j = 1; j <= n; ++j)
            sum += matrix->Get(i, j) * matrix->Get(j, i);
    return std::make_unique<TGLOBV>("IP_" + MatrixPart(matrix->Name()), static_cast<long double>(sum) / 2);
}

std::unique_ptr<TGLOBV> CalcIE(const TFLOATARRAY* pattern, const TFLOATARRAY* matrix) {
    if (!pattern || !matrix || !matrix->IsSquare() || pattern->Rows() != matrix->Rows() ||
        pattern->Cols() != matrix->Cols())
        return nullptr;
    const std::int64_t n = matrix->Rows();
    double sum = 0;
    for (std::int64_t i = 1; i <= n; ++i)
        for (std::int64_t j = 1; j <= n; ++j)
            if (pattern->Get(i, j) == 1.0)
                sum += matrix->Get(i, j) * matrix->Get(j, i);
    return std::make_unique<TGLOBV>("IE_" + MatrixPart(matrix->Name()), static_cast<long double>(sum) / 2);
}

} // namespace grafida
