#include "topology/paths/Forest.h"

namespace grafida::paths {

std::optional<Forest> Forest::Of(const PathGraph& graph) {
    if (!graph.IsSymmetric())
        return std::nullopt;
    const int n = graph.Size();
    Forest forest(graph);
    forest.component_.assign(static_cast<size_t>(n), -1);
    // A graph is a forest when every component of c vertices has c - 1 edges.
    long arcs = 0;
    for (int v = 0; v < n; ++v)
        arcs += static_cast<long>(graph.Out(v).size());
    int components = 0;
    std::vector<int>& queue = forest.queue_;
    for (int root = 0; root < n; ++root) {
        if (forest.component_[static_cast<size_t>(root)] >= 0)
            continue;
        forest.component_[static_cast<size_t>(root)] = components;
        queue.assign(1, root);
        for (size_t head = 0; head < queue.size(); ++head)
            for (int w : graph.Out(queue[head]))
                if (forest.component_[static_cast<size_t>(w)] < 0) {
                    forest.component_[static_cast<size_t>(w)] = components;
                    queue.push_back(w);
                }
        forest.componentSize_.push_back(static_cast<int>(queue.size()));
        ++components;
    }
    if (arcs != 2L * (n - components))
        return std::nullopt;
    forest.firstStep_.assign(static_cast<size_t>(n), -1);
    forest.below_.assign(static_cast<size_t>(n), 0);
    return forest;
}

void Forest::FromVertex(int from, std::vector<int>& distance, std::vector<int>& branch) {
    const size_t n = component_.size();
    distance.assign(n, -1);
    branch.assign(n, -1);
    // Breadth-first from `from`: each vertex remembers the neighbour of from that
    // leads to it; walking the order backwards adds up the sizes below each vertex.
    distance[static_cast<size_t>(from)] = 0;
    queue_.assign(1, from);
    for (size_t head = 0; head < queue_.size(); ++head) {
        const int v = queue_[head];
        for (int w : graph_->Out(v))
            if (distance[static_cast<size_t>(w)] < 0) {
                distance[static_cast<size_t>(w)] = distance[static_cast<size_t>(v)] + 1;
                firstStep_[static_cast<size_t>(w)] = v == from ? w : firstStep_[static_cast<size_t>(v)];
                queue_.push_back(w);
            }
    }
    for (int v : queue_)
        below_[static_cast<size_t>(v)] = 1;
    for (size_t k = queue_.size(); k-- > 1;) {
        const int v = queue_[k];
        for (int w : graph_->Out(v))
            if (distance[static_cast<size_t>(w)] == distance[static_cast<size_t>(v)] - 1)
                below_[static_cast<size_t>(w)] += below_[static_cast<size_t>(v)];
    }
    const int treeSize = componentSize_[static_cast<size_t>(component_[static_cast<size_t>(from)])];
    branch[static_cast<size_t>(from)] = treeSize;
    for (size_t k = 1; k < queue_.size(); ++k) {
        const int v = queue_[k];
        branch[static_cast<size_t>(v)] =
            treeSize - below_[static_cast<size_t>(firstStep_[static_cast<size_t>(v)])];
    }
}

} // namespace grafida::paths
