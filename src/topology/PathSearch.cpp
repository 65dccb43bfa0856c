#include "topology/PathSearch.h"

#include "topology/paths/FixedLengthPathSearch.h"
#include "topology/paths/LongestPathSearch.h"
#include "topology/paths/PathGraph.h"

namespace grafida {

namespace {

using paths::PathGraph;
using paths::Word;

// s and t are distinct vertices of a square graph.
bool ArePathEnds(const TFLOATARRAY& graph, int s, int t) {
    const int n = static_cast<int>(graph.Rows());
    return graph.IsSquare() && s >= 1 && s <= n && t >= 1 && t <= n && s != t;
}

TIntList ToPath(std::span<const int> vertices) {
    TIntList path;
    for (int v : vertices)
        path.Add(v + 1);
    return path;
}

} // namespace

void GetNeighbours(const TFLOATARRAY& graph, int v, TIntList& list) {
    if (v < 1 || v > static_cast<int>(graph.Rows()))
        return;
    const double* row = graph.RowData(v);
    for (int w = 1; w <= static_cast<int>(graph.Cols()); ++w)
        if (w != v && row[w - 1] != 0.0)
            list.Add(w);
}

void FindPathsOfLength(const TFLOATARRAY& graph, int s, int t, int length, TListIntList& paths) {
    paths.Clear();
    if (!ArePathEnds(graph, s, t) || length < 1 || length >= static_cast<int>(graph.Rows()))
        return;
    const PathGraph compact(graph);
    const paths::DistanceTable distances(compact);
    paths::FixedLengthPathSearch search(compact, distances);
    std::vector<int> lengths(static_cast<size_t>(compact.Size()), -1);
    lengths[static_cast<size_t>(t - 1)] = length;
    std::vector<Word> wanted(static_cast<size_t>(compact.Words()), 0);
    paths::SetBit(wanted.data(), t - 1);
    search.Run(s - 1, lengths, wanted.data(), [&](std::span<const int> path, int) {
        paths.Add(ToPath(path));
        return false;
    });
}

void FindPathsAvoiding(const TFLOATARRAY& graph, int s, int t, const TIntList& avoid, TListIntList& paths) {
    paths.Clear();
    if (!ArePathEnds(graph, s, t))
        return;
    const PathGraph compact(graph);
    const int n = compact.Size();
    const int words = compact.Words();
    // Forbidden vertices and the current path are both out of bounds for the search.
    std::vector<Word> blocked(static_cast<size_t>(words), 0);
    for (int v : avoid.Values())
        if (v != avoid.First() && v >= 1 && v <= n)
            paths::SetBit(blocked.data(), v - 1);
    const int start = s - 1;
    const int end = t - 1;
    if (paths::TestBit(blocked.data(), end))
        return;
    paths::SetBit(blocked.data(), start);

    // A branch is worth following only while the end stays reachable from its tip.
    std::vector<Word> seen(static_cast<size_t>(words));
    std::vector<int> queue;
    auto endReachable = [&](int from) {
        paths::CopyBits(seen.data(), blocked.data(), words);
        paths::SetBit(seen.data(), from);
        queue.assign(1, from);
        for (size_t head = 0; head < queue.size(); ++head) {
            for (int w : compact.Out(queue[head])) {
                if (w == end)
                    return true;
                if (!paths::TestBit(seen.data(), w)) {
                    paths::SetBit(seen.data(), w);
                    queue.push_back(w);
                }
            }
        }
        return false;
    };

    struct Frame {
        int vertex;
        size_t next;
    };
    std::vector<Frame> frames{{start, 0}};
    std::vector<int> path{start};
    if (!endReachable(start))
        return;
    while (!frames.empty()) {
        Frame& frame = frames.back();
        const auto out = compact.Out(frame.vertex);
        if (frame.next == out.size()) {
            if (frames.size() > 1)
                paths::ClearBit(blocked.data(), frame.vertex);
            path.pop_back();
            frames.pop_back();
            continue;
        }
        const int w = out[frame.next++];
        if (paths::TestBit(blocked.data(), w))
            continue;
        if (w == end) {
            path.push_back(w);
            paths.Add(ToPath(path));
            path.pop_back();
            continue;
        }
        paths::SetBit(blocked.data(), w);
        if (endReachable(w)) {
            path.push_back(w);
            frames.push_back({w, 0});
        } else {
            paths::ClearBit(blocked.data(), w);
        }
    }
}

int LongestPathLength(const TFLOATARRAY& graph, int s, int t) {
    if (!ArePathEnds(graph, s, t))
        return 0;
    const PathGraph compact(graph);
    paths::LongestPathSearch search(compact);
    std::vector<Word> target(static_cast<size_t>(compact.Words()), 0);
    paths::SetBit(target.data(), t - 1);
    std::vector<int> longest(static_cast<size_t>(compact.Size()), 0);
    search.Run(s - 1, target.data(), longest);
    return longest[static_cast<size_t>(t - 1)];
}

} // namespace grafida
