#include "topology/ResultMatrices.h"

#include "numeric/Error.h"

#include <new>

namespace grafida {

std::string PrefixOfName(std::string_view name) {
    const size_t underscore = name.find('_');
    return underscore == std::string_view::npos ? std::string() : std::string(name.substr(0, underscore + 1));
}

std::string SuffixOfName(std::string_view name) {
    const size_t underscore = name.find('_');
    return underscore == std::string_view::npos ? std::string(name)
                                                : std::string(name.substr(underscore + 1));
}

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
