#include "topology/paths/ClujCounter.h"

namespace grafida::paths {

ClujCounter::ClujCounter(const PathGraph& graph)
    : graph_(graph), words_(graph.Words()), blocked_(static_cast<size_t>(words_)),
      visited_(static_cast<size_t>(words_)), frontier_(static_cast<size_t>(words_)),
      next_(static_cast<size_t>(words_)), otherVisited_(static_cast<size_t>(words_)),
      otherFrontier_(static_cast<size_t>(words_)), otherNext_(static_cast<size_t>(words_)) {}

int ClujCounter::Reachable(std::span<const int> path, int home, const Word* closer) {
    if (words_ == 1) {
        const Word* out = graph_.OutSet(0);
        Word seen = 0;
        for (int v : path)
            seen |= Word{1} << v;
        Word frontier = Word{1} << home;
        int count = 0;
        while (frontier != 0) {
            Word next = 0;
            for (Word bits = frontier; bits != 0; bits &= bits - 1)
                next |= out[std::countr_zero(bits)];
            next &= ~seen;
            seen |= next;
            count += CountOnes(next & closer[0]);
            frontier = next;
        }
        return count;
    }
    ClearAll(visited_.data(), words_);
    for (int v : path)
        SetBit(visited_.data(), v);
    ClearAll(frontier_.data(), words_);
    SetBit(frontier_.data(), home);
    int count = 0;
    while (true) {
        graph_.StepFrom(frontier_.data(), next_.data());
        bool any = false;
        for (int k = 0; k < words_; ++k) {
            Word& fresh = next_[static_cast<size_t>(k)];
            fresh &= ~visited_[static_cast<size_t>(k)];
            visited_[static_cast<size_t>(k)] |= fresh;
            count += CountOnes(fresh & closer[k]);
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

// Both breadth-first searches advance level by level together: a vertex counts for
// an end when that end's search gets there at a level the other one has not reached.
ClujCounter::Sides ClujCounter::Fragments(int first, int second, const Word* cut) {
    if (words_ == 1)
        return FragmentsInOneWord(first, second, cut[0]);
    Word* seenA = visited_.data();
    Word* seenB = otherVisited_.data();
    Word* frontierA = frontier_.data();
    Word* frontierB = otherFrontier_.data();
    Word* nextA = next_.data();
    Word* nextB = otherNext_.data();
    CopyBits(seenA, cut, words_);
    CopyBits(seenB, cut, words_);
    SetBit(seenA, first);
    SetBit(seenB, second);
    ClearAll(frontierA, words_);
    ClearAll(frontierB, words_);
    SetBit(frontierA, first);
    SetBit(frontierB, second);
    Sides sides{TestBit(seenB, first) ? 0 : 1, TestBit(seenA, second) ? 0 : 1};
    while (!IsEmptySet(frontierA, words_) || !IsEmptySet(frontierB, words_)) {
        graph_.StepFrom(frontierA, nextA);
        graph_.StepFrom(frontierB, nextB);
        for (int k = 0; k < words_; ++k) {
            nextA[k] &= ~seenA[k];
            nextB[k] &= ~seenB[k];
            seenA[k] |= nextA[k];
            seenB[k] |= nextB[k];
        }
        for (int k = 0; k < words_; ++k) {
            sides.first += CountOnes(nextA[k] & ~seenB[k]);
            sides.second += CountOnes(nextB[k] & ~seenA[k]);
        }
        std::swap(frontierA, nextA);
        std::swap(frontierB, nextB);
    }
    return sides;
}

ClujCounter::Sides ClujCounter::FragmentsInOneWord(int first, int second, Word cut) {
    const Word* out = graph_.OutSet(0);
    Word seenA = cut | (Word{1} << first);
    Word seenB = cut | (Word{1} << second);
    Word frontierA = Word{1} << first;
    Word frontierB = Word{1} << second;
    Sides sides{(seenB >> first & 1U) != 0 ? 0 : 1, (seenA >> second & 1U) != 0 ? 0 : 1};
    while ((frontierA | frontierB) != 0) {
        Word nextA = 0;
        Word nextB = 0;
        for (Word bits = frontierA; bits != 0; bits &= bits - 1)
            nextA |= out[std::countr_zero(bits)];
        for (Word bits = frontierB; bits != 0; bits &= bits - 1)
            nextB |= out[std::countr_zero(bits)];
        nextA &= ~seenA;
        nextB &= ~seenB;
        seenA |= nextA;
        seenB |= nextB;
        sides.first += CountOnes(nextA & ~seenB);
        sides.second += CountOnes(nextB & ~seenA);
        frontierA = nextA;
        frontierB = nextB;
    }
    return sides;
}

} // namespace grafida::paths
