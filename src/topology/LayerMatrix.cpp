#include "topology/LayerMatrix.h"

#include "numeric/MatrixNames.h"
#include "numeric/Messages.h"
#include "numeric/Progress.h"
#include "numeric/Reporter.h"
#include "topology/DistanceLayers.h"

#include <algorithm>
#include <string>
#include <vector>

namespace grafida {

namespace {

std::string LayerMatrixName(const TFLOATARRAY& d, const TFLOATVEC& p, std::string_view name) {
    if (!name.empty())
        return InsertAfterFirstUnderscore(name, "LM_");
    const std::string prefix = MoleculePrefix(d.Name());
    return p.IndexOfOther(1.0) != 0 ? prefix + "LM_" + p.Name() : prefix + "LM";
}

} // namespace

std::optional<TFLOATARRAY> LayerMatrix(const TFLOATARRAY& d, const TFLOATVEC& p, std::string_view name) {
    const std::optional<std::int64_t> largest =
        d.IsSquare() && d.Rows() == p.Count() ? LargestDistance(d) : std::nullopt;
    if (!largest) {
        ShowError(messages::kErrorCalculating, "layer matrix");
        return std::nullopt;
    }
    const std::int64_t n = d.Rows();
    TFLOATARRAY l(n, *largest + 1);
    l.SetName(LayerMatrixName(d, p, name));
    for (std::int64_t i = 1; i <= n; ++i)
        l.Put(i, 1, p.Get(i));

    // Each layer sums its vertices in vertex order in single precision, as the
    // published layer matrices do.
    ProgressGuard progress(n);
    std::vector<float> layerSums(static_cast<size_t>(*largest) + 1);
    for (std::int64_t i = 1; i <= n; ++i) {
        std::fill(layerSums.begin(), layerSums.end(), 0.0f);
        const double* distances = d.RowData(i);
        for (std::int64_t j = 1; j <= n; ++j) {
            const std::int64_t layer = LayerOf(distances[j - 1], *largest);
            if (layer != 0)
                layerSums[static_cast<size_t>(layer)] =
                    static_cast<float>(layerSums[static_cast<size_t>(layer)] + l.Get(j, 1));
        }
        for (std::int64_t layer = 1; layer <= *largest; ++layer)
            l.Put(i, layer + 1, layerSums[static_cast<size_t>(layer)]);
        progress.Step();
    }
    return l;
}

TFLOATVEC LayerPolynomial(const TFLOATVEC& cs) {
    TFLOATVEC coefficients;
    coefficients.Assign(cs);
    coefficients.Reverse();
    coefficients.Compact(1, 0.0);
    return coefficients;
}

} // namespace grafida
