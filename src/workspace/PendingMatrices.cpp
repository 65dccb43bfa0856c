#include "workspace/PendingMatrices.h"

#include <memory>

namespace grafida {

const TFLOATARRAY* PendingMatrices::Find(std::string_view name) const {
    if (const TFLOATARRAY* stored = store_.Find(name))
        return stored;
    for (const TFLOATARRAY& matrix : pending_)
        if (matrix.Name() == name)
            return &matrix;
    return nullptr;
}

std::vector<std::string> PendingMatrices::Commit() {
    std::vector<std::string> taken;
    for (TFLOATARRAY& matrix : pending_) {
        std::string name = matrix.Name();
        if (store_.Add(std::make_unique<TFLOATARRAY>(std::move(matrix))) >= 0)
            taken.push_back(std::move(name));
    }
    pending_.clear();
    return taken;
}

} // namespace grafida
