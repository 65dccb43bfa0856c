#include "topology/ResultMatrices.h"

#include "numeric/Error.h"

#include <new>

namespace grafida {

std::unique_ptr<TFLOATARRAY> TryNewMatrix(std::int64_t rows, std::int64_t cols) {
    try {
        return std::make_unique<TFLOATARRAY>(rows, cols);
    } catch (const GrafidaError&) {
        return nullptr;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace grafida
