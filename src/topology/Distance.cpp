#include "topology/Distance.h"

#include "numeric/Progress.h"
#include "numeric/Reporter.h"
#include "topology/ResultMatrices.h"

#include <cmath>
#include <vector>

namespace grafida {

std::unique_ptr<TFLOATARRAY> CalcDistance(const TFLOATARRAY* adjacency) {
    if (!adjacency || !adjacency->IsSquare()) {
        ShowError(messages::kErrorCalculating, "distance");
        return nullptr;
    }
    const int n = static_cast<int>(adjacency->Rows());
    auto distance = TryNewMatrix(n, n);
    if (!distance) {
        ShowError(messages::kNotEnoughMemory);
        return nullptr;
    }

    // Neighbour lists: one breadth-first search per vertex replaces the repeated
    // relaxation over the whole matrix.
    std::vector<int> start(static_cast<size_t>(n) + 1, 0);
    std::vector<int> heads;
    for (int v = 0; v < n; ++v) {
        const double* row = adjacency->RowData(v + 1);
        for (int w = 0; w < n; ++w)
            if (w != v && row[w] != 0.0)
                heads.push_back(w);
        start[static_cast<size_t>(v) + 1] = static_cast<int>(heads.size());
    }

    ProgressGuard progress(100);
    int shown = 0;
    std::vector<int> hops(static_cast<size_t>(n));
    std::vector<int> queue;
    queue.reserve(static_cast<size_t>(n));
    for (int s = 0; s < n; ++s) {
        hops.assign(static_cast<size_t>(n), n);
        hops[static_cast<size_t>(s)] = 0;
        queue.assign(1, s);
        for (size_t head = 0; head < queue.size(); ++head) {
            const int v = queue[head];
            const int next = hops[static_cast<size_t>(v)] + 1;
            for (int k = start[static_cast<size_t>(v)]; k < start[static_cast<size_t>(v) + 1]; ++k) {
                const int w = heads[static_cast<size_t>(k)];
                if (hops[static_cast<size_t>(w)] == n) {
                    hops[static_cast<size_t>(w)] = next;
                    queue.push_back(w);
                }
            }
        }
        for (int j = 0; j < n; ++j)
            distance->Put(s + 1, j + 1, hops[static_cast<size_t>(j)]);
        const int percent = static_cast<int>(std::lround((s + 1) * 100.0 / n));
        for (; shown < percent; ++shown)
            progress.Step();
    }
    distance->SetName(MoleculePrefix(adjacency->Name()) + "DI");
    return distance;
}

} // namespace grafida
