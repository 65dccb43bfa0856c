#include "topology/paths/PathGraph.h"

namespace grafida::paths {

PathGraph::PathGraph(const TFLOATARRAY& matrix) : n_(static_cast<int>(matrix.Rows())) {
    outStart_.reserve(static_cast<size_t>(n_) + 1);
    outStart_.push_back(0);
    const int cols = static_cast<int>(matrix.Cols());
    for (int v = 0; v < n_; ++v) {
        const double* row = matrix.RowData(v + 1);
        for (int w = 0; w < cols && w < n_; ++w)
            if (w != v && row[w] != 0.0)
                outHeads_.push_back(w);
        outStart_.push_back(static_cast<int>(outHeads_.size()));
    }
    Finish();
}

PathGraph::PathGraph(const PathGraph& graph, std::span<const int> vertices)
    : n_(static_cast<int>(vertices.size())) {
    std::vector<int> local(static_cast<size_t>(graph.Size()), -1);
    for (int k = 0; k < n_; ++k)
        local[static_cast<size_t>(vertices[static_cast<size_t>(k)])] = k;
    outStart_.reserve(static_cast<size_t>(n_) + 1);
    outStart_.push_back(0);
    for (int k = 0; k < n_; ++k) {
        for (int head : graph.Out(vertices[static_cast<size_t>(k)]))
            if (local[static_cast<size_t>(head)] >= 0)
                outHeads_.push_back(local[static_cast<size_t>(head)]);
        outStart_.push_back(static_cast<int>(outHeads_.size()));
    }
    Finish();
}

void PathGraph::Finish() {
    words_ = WordsFor(n_);
    const size_t cells = static_cast<size_t>(n_) * static_cast<size_t>(words_);
    outSets_.assign(cells, 0);
    nearSets_.assign(cells, 0);
    for (int v = 0; v < n_; ++v) {
        for (int w : Out(v)) {
            SetBit(outSets_.data() + static_cast<size_t>(v) * words_, w);
            SetBit(nearSets_.data() + static_cast<size_t>(v) * words_, w);
            SetBit(nearSets_.data() + static_cast<size_t>(w) * words_, v);
        }
    }
    symmetric_ = outSets_ == nearSets_;

    // Two-colour every component of the undirected graph; one odd cycle spoils it.
    colours_.assign(static_cast<size_t>(n_), 0);
    std::vector<char> seen(static_cast<size_t>(n_), 0);
    std::vector<int> queue;
    queue.reserve(static_cast<size_t>(n_));
    bipartite_ = true;
    for (int root = 0; root < n_; ++root) {
        if (seen[static_cast<size_t>(root)])
            continue;
        seen[static_cast<size_t>(root)] = 1;
        queue.assign(1, root);
        for (size_t head = 0; head < queue.size(); ++head) {
            const int v = queue[head];
            ForEachBit(NearSet(v), words_, [&](int w) {
                if (!seen[static_cast<size_t>(w)]) {
                    seen[static_cast<size_t>(w)] = 1;
                    colours_[static_cast<size_t>(w)] =
                        static_cast<unsigned char>(1 - colours_[static_cast<size_t>(v)]);
                    queue.push_back(w);
                } else if (colours_[static_cast<size_t>(w)] == colours_[static_cast<size_t>(v)]) {
                    bipartite_ = false;
                }
            });
        }
    }
    secondColour_.assign(static_cast<size_t>(words_), 0);
    for (int v = 0; v < n_; ++v)
        if (colours_[static_cast<size_t>(v)] != 0)
            SetBit(secondColour_.data(), v);
}

DistanceTable::DistanceTable(const PathGraph& graph) : n_(graph.Size()) {
    table_.assign(static_cast<size_t>(n_) * static_cast<size_t>(n_), kFar);
    std::vector<int> queue;
    queue.reserve(static_cast<size_t>(n_));
    for (int start = 0; start < n_; ++start) {
        int* row = table_.data() + static_cast<size_t>(start) * n_;
        row[start] = 0;
        queue.assign(1, start);
        for (size_t head = 0; head < queue.size(); ++head) {
            const int v = queue[head];
            for (int w : graph.Out(v)) {
                if (row[w] == kFar) {
                    row[w] = row[v] + 1;
                    queue.push_back(w);
                }
            }
        }
    }
}

} // namespace grafida::paths
