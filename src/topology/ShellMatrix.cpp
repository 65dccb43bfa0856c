#include "topology/ShellMatrix.h"

#include "numeric/MatrixNames.h"
#include "numeric/Messages.h"
#include "numeric/Reporter.h"
#include "topology/DistanceLayers.h"

#include <algorithm>
#include <vector>

namespace grafida {

std::optional<TFLOATARRAY> ShellMatrix(const TFLOATARRAY& d, const TFLOATARRAY& m, const TFLOATVEC& p) {
    const bool sameSize = d.Rows() == m.Rows() && d.Cols() == m.Cols() && p.Count() >= m.Rows();
    const std::optional<std::int64_t> largest = sameSize ? LargestDistance(d) : std::nullopt;
    if (!largest) {
        ShowError(messages::kErrorCalculating, "shell matrix");
        return std::nullopt;
    }
    const std::int64_t rows = m.Rows();
    const std::int64_t cols = d.Cols();
    TFLOATARRAY s(rows, *largest + 1);
    s.SetName(InsertAfterFirstUnderscore(m.Name(), "Sh_"));

    // Each shell sums its entries in column order in single precision, as the
    // published shell matrices do.
    std::vector<float> shellSums(static_cast<size_t>(*largest) + 1);
    for (std::int64_t i = 1; i <= rows; ++i) {
        s.Put(i, 1, p.Get(i));
        if (cols == 0)
            continue;
        std::fill(shellSums.begin(), shellSums.end(), 0.0f);
        const double* distances = d.RowData(i);
        const double* entries = m.RowData(i);
        for (std::int64_t j = 1; j <= cols; ++j) {
            const std::int64_t shell = LayerOf(distances[j - 1], *largest);
            if (shell != 0)
                shellSums[static_cast<size_t>(shell)] =
                    static_cast<float>(shellSums[static_cast<size_t>(shell)] + entries[j - 1]);
        }
        for (std::int64_t shell = 1; shell <= *largest; ++shell)
            s.Put(i, shell + 1, shellSums[static_cast<size_t>(shell)]);
    }
    return s;
}

} // namespace grafida
