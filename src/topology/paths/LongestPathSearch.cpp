#include "topology/paths/LongestPathSearch.h"

#include "numeric/Progress.h"

#include <algorithm>
#include <cassert>

namespace grafida::paths {

LongestPathSearch::LongestPathSearch(const PathGraph& graph)
    : graph_(graph), words_(graph.Words()), bounds_(graph), used_(static_cast<size_t>(words_)),
      open_(static_cast<size_t>(words_)), cap_(static_cast<size_t>(graph.Size())) {}

int LongestPathSearch::FreeNeighbours(int v) const {
    int count = 0;
    const Word* out = graph_.OutSet(v);
    for (int k = 0; k < words_; ++k)
        count += CountOnes(out[k] & ~used_[static_cast<size_t>(k)]);
    return count;
}

// Whether a path of the given length ending at v (already marked used) can still be
// extended to some open target beyond its best length so far.
bool LongestPathSearch::Promising(int v, int length, const std::vector<int>& longest) {
    bounds_.Reach(v, used_.data(), false);
    if (!AnyCommon(bounds_.Reached(), open_.data(), words_))
        return false;
    // Cheap test first: no extension has more edges than there are reachable vertices
    // (nor, in a 2-colourable graph, more than their colours allow).
    bool anyBelow = false;
    ForEachCommonBit(bounds_.Reached(), open_.data(), words_, [&](int u) {
        anyBelow = anyBelow || longest[static_cast<size_t>(u)] < length + bounds_.RoughLimit(u);
    });
    if (!anyBelow)
        return false;
    bounds_.ComputeLimits();
    bool promising = false;
    ForEachCommonBit(bounds_.Reached(), open_.data(), words_, [&](int u) {
        promising = promising || longest[static_cast<size_t>(u)] < length + bounds_.Limit(u);
    });
    if (!promising || !graph_.IsSymmetric())
        return promising;
    bounds_.ComputeDegreeLoss();
    promising = false;
    ForEachCommonBit(bounds_.Reached(), open_.data(), words_, [&](int u) {
        promising = promising || longest[static_cast<size_t>(u)] <
                                     length + std::min(bounds_.Limit(u), bounds_.DegreeLimit(u));
    });
    return promising;
}

// The frames' vertices followed by end: a simple path along arcs with length edges.
// Every length the search reports is backed by such a path; debug builds check it.
bool LongestPathSearch::IsPathOfLength(int end, int length) const {
    std::vector<int> path;
    for (const Frame& frame : frames_)
        path.push_back(frame.vertex);
    path.push_back(end);
    std::vector<char> onPath(static_cast<size_t>(graph_.Size()), 0);
    for (size_t k = 0; k < path.size(); ++k) {
        if (onPath[static_cast<size_t>(path[k])]++ != 0)
            return false;
        if (k > 0 && !TestBit(graph_.OutSet(path[k - 1]), path[k]))
            return false;
    }
    return static_cast<int>(path.size()) - 1 == length;
}

void LongestPathSearch::Run(int start, const Word* targets, std::vector<int>& longest,
                            std::vector<int>* seen) {
    ClearAll(used_.data(), words_);
    SetBit(used_.data(), start);
    bounds_.Reach(start, used_.data());
    bounds_.ComputeLimits();
    // A target is open while its best length is below its bound from the start; any
    // shortest path is a first lower bound.
    ClearAll(open_.data(), words_);
    int openCount = 0;
    ForEachBit(targets, words_, [&](int u) {
        const size_t index = static_cast<size_t>(u);
        if (u == start || !TestBit(bounds_.Reached(), u)) {
            longest[index] = 0;
            return;
        }
        longest[index] = std::max(longest[index], bounds_.Distance(u));
        cap_[index] = bounds_.Limit(u);
        if (longest[index] < cap_[index]) {
            SetBit(open_.data(), u);
            ++openCount;
        }
    });
    if (openCount == 0)
        return;

    frames_.clear();
    frames_.reserve(static_cast<size_t>(graph_.Size()));
    children_.clear();
    auto push = [&](int v, int length) {
        const int begin = static_cast<int>(children_.size());
        for (int w : graph_.Out(v))
            if (!TestBit(used_.data(), w))
                children_.push_back(w);
        // Neighbours with the fewest ways on first: long paths turn up early, and the
        // better the lengths found, the more branches the bounds cut off.
        // (A vertex has few neighbours: insertion sort, stable and without allocation.)
        for (size_t k = static_cast<size_t>(begin) + 1; k < children_.size(); ++k) {
            const int child = children_[k];
            const int ways = FreeNeighbours(child);
            size_t at = k;
            for (; at > static_cast<size_t>(begin) && FreeNeighbours(children_[at - 1]) > ways; --at)
                children_[at] = children_[at - 1];
            children_[at] = child;
        }
        frames_.push_back({v, length, begin, begin, static_cast<int>(children_.size())});
    };
    push(start, 0);
    while (!frames_.empty()) {
        // One pair can take seconds: let the user's Cancel in every few thousand steps.
        if (++steps_ % kStepsBetweenChecks == 0)
            CheckCancelled();
        Frame& frame = frames_.back();
        if (frame.next == frame.end) {
            ClearBit(used_.data(), frame.vertex);
            children_.resize(static_cast<size_t>(frame.begin));
            frames_.pop_back();
            continue;
        }
        const int w = children_[static_cast<size_t>(frame.next++)];
        const int length = frame.length + 1;
        const size_t index = static_cast<size_t>(w);
        if (seen)
            (*seen)[index] = std::max((*seen)[index], length);
        if (TestBit(open_.data(), w) && longest[index] < length) {
            longest[index] = length;
            assert(IsPathOfLength(w, length));
            if (length >= cap_[index]) {
                ClearBit(open_.data(), w);
                if (--openCount == 0)
                    return;
            }
        }
        SetBit(used_.data(), w);
        if (Promising(w, length, longest))
            push(w, length);
        else
            ClearBit(used_.data(), w);
    }
}

} // namespace grafida::paths
