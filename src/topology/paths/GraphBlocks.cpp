#include "topology/paths/GraphBlocks.h"

#include <algorithm>

namespace grafida::paths {

std::vector<GraphBlock> FindBlocks(const PathGraph& graph) {
    const int n = graph.Size();
    std::vector<int> order(static_cast<size_t>(n), -1), low(static_cast<size_t>(n)),
        parent(static_cast<size_t>(n));
    std::vector<int> nextArc(static_cast<size_t>(n)), callStack, vertexStack;
    std::vector<GraphBlock> blocks;
    int clock = 0;
    for (int root = 0; root < n; ++root) {
        if (order[static_cast<size_t>(root)] >= 0)
            continue;
        auto enter = [&](int u, int p) {
            order[static_cast<size_t>(u)] = low[static_cast<size_t>(u)] = clock++;
            parent[static_cast<size_t>(u)] = p;
            nextArc[static_cast<size_t>(u)] = 0;
            callStack.push_back(u);
            vertexStack.push_back(u);
        };
        enter(root, -1);
        while (!callStack.empty()) {
            const int u = callStack.back();
            const auto out = graph.Out(u);
            int& arc = nextArc[static_cast<size_t>(u)];
            if (arc < static_cast<int>(out.size())) {
                const int w = out[static_cast<size_t>(arc++)];
                if (order[static_cast<size_t>(w)] < 0)
                    enter(w, u);
                else if (w != parent[static_cast<size_t>(u)])
                    low[static_cast<size_t>(u)] =
                        std::min(low[static_cast<size_t>(u)], order[static_cast<size_t>(w)]);
                continue;
            }
            callStack.pop_back();
            if (callStack.empty()) {
                vertexStack.clear();
                break;
            }
            const int p = parent[static_cast<size_t>(u)];
            low[static_cast<size_t>(p)] = std::min(low[static_cast<size_t>(p)], low[static_cast<size_t>(u)]);
            if (low[static_cast<size_t>(u)] >= order[static_cast<size_t>(p)]) {
                GraphBlock block;
                block.vertices.push_back(p);
                int member;
                do {
                    member = vertexStack.back();
                    vertexStack.pop_back();
                    block.vertices.push_back(member);
                } while (member != u);
                std::sort(block.vertices.begin(), block.vertices.end());
                blocks.push_back(std::move(block));
            }
        }
    }
    // Count the edges inside each block (both ends in it).
    for (size_t b = 0; b < blocks.size(); ++b) {
        GraphBlock& block = blocks[b];
        int arcs = 0;
        for (int v : block.vertices)
            for (int w : graph.Out(v))
                arcs += std::binary_search(block.vertices.begin(), block.vertices.end(), w) ? 1 : 0;
        block.edges = arcs / 2;
    }
    return blocks;
}

} // namespace grafida::paths
