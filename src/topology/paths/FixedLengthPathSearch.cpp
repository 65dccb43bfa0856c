#include "topology/paths/FixedLengthPathSearch.h"

#include "numeric/Progress.h"

namespace grafida::paths {

FixedLengthPathSearch::FixedLengthPathSearch(const PathGraph& graph, const DistanceTable& distances)
    : graph_(graph), distances_(distances), words_(graph.Words()), bounds_(graph),
      used_(static_cast<size_t>(words_)), open_(static_cast<size_t>(words_)) {}

// Whether a path of the given length ending at v (already marked used) can still be
// extended to an open end vertex with exactly that end's length.
bool FixedLengthPathSearch::Promising(int v, int length, const std::vector<int>& lengths) {
    // Distances in the whole graph first: they cost nothing, and a remainder equal to
    // one of them is taken as promising without a closer look (a shortest path usually
    // survives the detour around the path so far; if not, the deeper levels find out).
    bool needsCloserLook = false;
    for (int k = 0; k < words_; ++k) {
        Word bits = open_[static_cast<size_t>(k)] & ~used_[static_cast<size_t>(k)];
        while (bits != 0) {
            const int u = k * 64 + std::countr_zero(bits);
            bits &= bits - 1;
            const int remainder = lengths[static_cast<size_t>(u)] - length;
            const int distance = distances_.At(v, u);
            if (remainder < 1 || distance > remainder)
                continue;
            if (distance == remainder)
                return true;
            needsCloserLook = true;
        }
    }
    if (!needsCloserLook)
        return false;

    bounds_.Reach(v, used_.data());
    bool limitsKnown = false;
    bool promising = false;
    ForEachCommonBit(bounds_.Reached(), open_.data(), words_, [&](int u) {
        if (promising)
            return;
        const int remainder = lengths[static_cast<size_t>(u)] - length;
        if (remainder < 1 || bounds_.Distance(u) > remainder || remainder > bounds_.RoughLimit(u))
            return;
        if (bounds_.Distance(u) == remainder) {
            promising = true;
            return;
        }
        if (!limitsKnown) {
            bounds_.ComputeLimits();
            limitsKnown = true;
        }
        promising = remainder <= bounds_.Limit(u);
    });
    return promising;
}

void FixedLengthPathSearch::Run(int start, const std::vector<int>& lengths, const Word* wanted,
                                const Visit& visit) {
    CopyBits(open_.data(), wanted, words_);
    ClearBit(open_.data(), start);
    int openCount = CountBits(open_.data(), words_);
    if (openCount == 0)
        return;
    ClearAll(used_.data(), words_);
    SetBit(used_.data(), start);
    path_.assign(1, start);
    if (!Promising(start, 0, lengths))
        return;

    frames_.clear();
    frames_.reserve(static_cast<size_t>(graph_.Size()));
    children_.clear();
    auto push = [&](int v, int length) {
        const int begin = static_cast<int>(children_.size());
        for (int w : graph_.Out(v))
            if (!TestBit(used_.data(), w))
                children_.push_back(w);
        frames_.push_back({length, begin, begin, static_cast<int>(children_.size())});
    };
    push(start, 0);
    while (!frames_.empty()) {
        // One pair can take seconds: let the user's Cancel in every few thousand steps.
        if (++steps_ % kStepsBetweenChecks == 0)
            CheckCancelled();
        Frame& frame = frames_.back();
        if (frame.next == frame.end) {
            ClearBit(used_.data(), path_.back());
            path_.pop_back();
            children_.resize(static_cast<size_t>(frame.begin));
            frames_.pop_back();
            continue;
        }
        const int w = children_[static_cast<size_t>(frame.next++)];
        const int length = frame.length + 1;
        path_.push_back(w);
        if (TestBit(open_.data(), w) && lengths[static_cast<size_t>(w)] == length && visit(path_, w)) {
            ClearBit(open_.data(), w);
            if (--openCount == 0)
                return;
        }
        SetBit(used_.data(), w);
        if (Promising(w, length, lengths)) {
            push(w, length);
        } else {
            ClearBit(used_.data(), w);
            path_.pop_back();
        }
    }
}

} // namespace grafida::paths
