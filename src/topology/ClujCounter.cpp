#include "topology/ClujCounter.h"

namespace grafida::paths {

ClujCounter::ClujCounter(const PathGraph& graph)
    : graph_(graph), words_(graph.Words()), blocked_(static_cast<size_t>(words_)),
      visited_(static_cast<size_t>(words_)), frontier_(static_cast<size_t>(words_)),
      next_(static_cast<size_t>(words_)) {}

int ClujCounter::Reachable(std::span<const int> path, int home, const Word* closer) {
    ClearAll(visited_.data(), words_);
    for (int v : path)
        SetBit(visited_.data(), v);
    ClearAll(frontier_.data(), words_);
    SetBit(frontier_.data(), home);
    int count = 0;
    while (true) {
        ClearAll(next_.data(), words_);
        ForEachBit(frontier_.data(), words_, [&](int u) {
            const Word* out = graph_.OutSet(u);
            for (int k = 0; k < words_; ++k)
                next_[static_cast<size_t>(k)] |= out[k];
        });
        bool any = false;
        for (int k = 0; k < words_; ++k) {
            Word& fresh = next_[static_cast<size_t>(k)];
            fresh &= ~visited_[static_cast<size_t>(k)];
            visited_[static_cast<size_t>(k)] |= fresh;
            count += std::popcount(fresh & closer[k]);
            any = any || fresh != 0;
        }
        if (!any)
            return count;
        frontier_.swap(next_);
    }
}

ClujCounter::Sides ClujCounter::Fragments(std::span<const int> path) {
    ClearAll(blocked_.data(), words_);
    for (size_t k = 1; k + 1 < path.size(); ++k)
        SetBit(blocked_.data(), path[k]);
    return Fragments(path.front(), path.back(), blocked_.data());
}

ClujCounter::Sides ClujCounter::Fragments(int first, int second, const Word* cut) {
    const int n = graph_.Size();
    DistancesAvoiding(graph_, first, cut, n, fromFirst_, queue_);
    DistancesAvoiding(graph_, second, cut, n, fromLast_, queue_);
    Sides sides{0, 0};
    for (int k = 0; k < n; ++k) {
        const int a = fromFirst_[static_cast<size_t>(k)];
        const int b = fromLast_[static_cast<size_t>(k)];
        sides.first += a < b ? 1 : 0;
        sides.second += b < a ? 1 : 0;
    }
    return sides;
}

} // namespace grafida::paths
