#pragma once
// Small graphs and helpers shared by the descriptor tests.

#include "numeric/Arrays.h"
#include "numeric/Vectors.h"

#include <vector>

namespace grafida::testing {

using Rows = std::vector<std::vector<double>>;

inline Rows RowsOf(const TFLOATARRAY& m) {
    Rows rows(m.Rows(), std::vector<double>(m.Cols()));
    for (std::uint32_t i = 1; i <= m.Rows(); ++i)
        for (std::uint32_t j = 1; j <= m.Cols(); ++j)
            rows[i - 1][j - 1] = m.Get(i, j);
    return rows;
}

inline TFLOATVEC Ones(std::int64_t n, std::string name = "") {
    return TFLOATVEC(std::move(name), std::vector<double>(static_cast<size_t>(n), 1.0));
}

// Propane's skeleton, the path 1-2-3.
inline TFLOATARRAY PathAdjacency(const std::string& name = "propane_AD") {
    return TFLOATARRAY(name, {{0, 1, 0}, {1, 0, 1}, {0, 1, 0}});
}
inline TFLOATARRAY PathDistance(const std::string& name = "propane_DI") {
    return TFLOATARRAY(name, {{0, 1, 2}, {1, 0, 1}, {2, 1, 0}});
}

// Seven vertices: the ring 1-2-3-4-5-6-1 carrying 7 on vertex 3.
inline TFLOATARRAY RingAdjacency(const std::string& name = "mch_AD") {
    return TFLOATARRAY(name, {{0, 1, 0, 0, 0, 1, 0},
                              {1, 0, 1, 0, 0, 0, 0},
                              {0, 1, 0, 1, 0, 0, 1},
                              {0, 0, 1, 0, 1, 0, 0},
                              {0, 0, 0, 1, 0, 1, 0},
                              {1, 0, 0, 0, 1, 0, 0},
                              {0, 0, 1, 0, 0, 0, 0}});
}
inline TFLOATARRAY RingDistance(const std::string& name = "mch_DI") {
    return TFLOATARRAY(name, {{0, 1, 2, 3, 2, 1, 3},
                              {1, 0, 1, 2, 3, 2, 2},
                              {2, 1, 0, 1, 2, 3, 1},
                              {3, 2, 1, 0, 1, 2, 2},
                              {2, 3, 2, 1, 0, 1, 3},
                              {1, 2, 3, 2, 1, 0, 4},
                              {3, 2, 1, 2, 3, 4, 0}});
}

} // namespace grafida::testing
