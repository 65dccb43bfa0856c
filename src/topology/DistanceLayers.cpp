#include "topology/DistanceLayers.h"

#include <algorithm>
#include <cmath>

namespace grafida {

double RoundHalfEven(double x) {
    if (std::fabs(x - std::trunc(x)) == 0.5)
        return 2.0 * std::round(x / 2.0);
    return std::round(x);
}

std::optional<std::int64_t> LargestDistance(const TFLOATARRAY& d) {
    const std::int64_t rows = d.Rows();
    // Columns a matrix of this many rows may have, so that it stays within kMaxCells.
    const std::int64_t columnLimit = rows == 0 ? kMaxCells : kMaxCells / rows;
    std::int64_t largest = 0;
    const std::int64_t diagonalLength = std::min<std::int64_t>(rows, d.Cols());
    for (std::int64_t i = 1; i <= diagonalLength; ++i) {
        const double* row = d.RowData(i);
        for (std::int64_t j = i; j <= d.Cols(); ++j) {
            const double distance = row[j - 1];
            if (!(distance > static_cast<double>(largest)))
                continue;
            const double rounded = RoundHalfEven(distance);
            if (!(rounded + 1 <= static_cast<double>(columnLimit)))
                return std::nullopt;
            largest = static_cast<std::int64_t>(rounded);
        }
    }
    return largest;
}

} // namespace grafida
