#include "topology/paths/ExtensionBounds.h"

#include <algorithm>

namespace grafida::paths {

ExtensionBounds::ExtensionBounds(const PathGraph& graph)
    : graph_(graph), words_(graph.Words()), reached_(static_cast<size_t>(words_)),
      visited_(static_cast<size_t>(words_)), frontier_(static_cast<size_t>(words_)),
      next_(static_cast<size_t>(words_)), inside_(static_cast<size_t>(words_)),
      hull_(static_cast<size_t>(words_)), forced_(static_cast<size_t>(words_)),
      distance_(static_cast<size_t>(graph.Size())), limit_(static_cast<size_t>(graph.Size())),
      order_(static_cast<size_t>(graph.Size())), low_(static_cast<size_t>(graph.Size())),
      parent_(static_cast<size_t>(graph.Size())), wordAt_(static_cast<size_t>(graph.Size())),
      pending_(static_cast<size_t>(graph.Size())) {
    callStack_.reserve(static_cast<size_t>(graph.Size()));
    vertexStack_.reserve(static_cast<size_t>(graph.Size()));
    blockMembers_.reserve(static_cast<size_t>(graph.Size()));
}

void ExtensionBounds::Reach(int v, const Word* used, bool distances) {
    start_ = v;
    if (words_ == 1) {
        ReachInOneWord(v, used[0], distances);
        return;
    }
    CopyBits(visited_.data(), used, words_);
    SetBit(visited_.data(), v);
    ClearAll(reached_.data(), words_);
    ClearAll(frontier_.data(), words_);
    SetBit(frontier_.data(), v);
    reachedCount_ = 0;
    for (int depth = 1;; ++depth) {
        graph_.StepFrom(frontier_.data(), next_.data());
        bool any = false;
        for (int k = 0; k < words_; ++k) {
            next_[static_cast<size_t>(k)] &= ~visited_[static_cast<size_t>(k)];
            visited_[static_cast<size_t>(k)] |= next_[static_cast<size_t>(k)];
            reached_[static_cast<size_t>(k)] |= next_[static_cast<size_t>(k)];
            any = any || next_[static_cast<size_t>(k)] != 0;
        }
        if (!any)
            break;
        ForEachBit(next_.data(), words_, [&](int u) {
            distance_[static_cast<size_t>(u)] = depth;
            ++reachedCount_;
        });
        frontier_.swap(next_);
    }
    if (graph_.IsBipartite()) {
        const Word* second = graph_.SecondColour();
        const int inSecond = CountCommon(reached_.data(), second, words_);
        sameColourCount_ = graph_.Colour(v) ? inSecond : reachedCount_ - inSecond;
    }
}

void ExtensionBounds::ReachInOneWord(int v, Word used, bool distances) {
    const Word* out = graph_.OutSet(0);
    Word visited = used | (Word{1} << v);
    Word frontier = Word{1} << v;
    Word reached = 0;
    int count = 0;
    for (int depth = 1;; ++depth) {
        Word next = 0;
        for (Word bits = frontier; bits != 0; bits &= bits - 1)
            next |= out[std::countr_zero(bits)];
        next &= ~visited;
        if (next == 0)
            break;
        visited |= next;
        reached |= next;
        if (distances)
            for (Word bits = next; bits != 0; bits &= bits - 1)
                distance_[static_cast<size_t>(std::countr_zero(bits))] = depth;
        count += CountOnes(next);
        frontier = next;
    }
    reached_[0] = reached;
    reachedCount_ = count;
    if (graph_.IsBipartite()) {
        const int inSecond = CountOnes(reached & graph_.SecondColour()[0]);
        sameColourCount_ = graph_.Colour(v) ? inSecond : count - inSecond;
    }
}

int ExtensionBounds::RoughLimit(int u) const {
    if (!graph_.IsBipartite())
        return reachedCount_;
    return BlockBound(start_, u, sameColourCount_, reachedCount_ - sameColourCount_, reachedCount_ + 1);
}

// The next vertex of the examined subgraph joined to u, or -1 when u has none left.
int ExtensionBounds::NextNeighbour(int u) {
    const size_t index = static_cast<size_t>(u);
    while (true) {
        Word& bits = pending_[index];
        if (bits != 0) {
            const int w = wordAt_[index] * 64 + std::countr_zero(bits);
            bits &= bits - 1;
            return w;
        }
        if (++wordAt_[index] >= words_)
            return -1;
        const size_t k = static_cast<size_t>(wordAt_[index]);
        bits = graph_.NearSet(u)[k] & inside_[k];
    }
}

// Most edges of a simple path from top to member inside one block.
int ExtensionBounds::BlockBound(int top, int member, int sameColour, int otherColour, int size) const {
    if (size == 2)
        return 1;
    if (!graph_.IsBipartite())
        return size - 1;
    // Colours alternate along the path: an even path ends on top's colour, an odd one on the other.
    if (graph_.Colour(member) == graph_.Colour(top))
        return 2 * std::min(sameColour, otherColour);
    return 2 * std::min(sameColour, otherColour - 1) + 1;
}

void ExtensionBounds::FindBlocks() {
    // Blocks of the undirected graph on the reached vertices and the start, found by
    // one depth-first search from the start; each block hangs below its top vertex.
    CopyBits(inside_.data(), reached_.data(), words_);
    SetBit(inside_.data(), start_);
    ForEachBit(inside_.data(), words_, [&](int u) { order_[static_cast<size_t>(u)] = -1; });
    blocks_.clear();
    blockMembers_.clear();
    vertexStack_.clear();
    callStack_.clear();
    int clock = 0;
    auto enter = [&](int u, int parent) {
        const size_t index = static_cast<size_t>(u);
        order_[index] = low_[index] = clock++;
        parent_[index] = parent;
        wordAt_[index] = 0;
        pending_[index] = graph_.NearSet(u)[0] & inside_[0];
        callStack_.push_back(u);
        vertexStack_.push_back(u);
    };
    enter(start_, -1);
    while (!callStack_.empty()) {
        const int u = callStack_.back();
        const int w = NextNeighbour(u);
        if (w >= 0) {
            if (order_[static_cast<size_t>(w)] < 0)
                enter(w, u);
            else if (w != parent_[static_cast<size_t>(u)])
                low_[static_cast<size_t>(u)] =
                    std::min(low_[static_cast<size_t>(u)], order_[static_cast<size_t>(w)]);
            continue;
        }
        callStack_.pop_back();
        if (callStack_.empty())
            break;
        const int p = parent_[static_cast<size_t>(u)];
        low_[static_cast<size_t>(p)] = std::min(low_[static_cast<size_t>(p)], low_[static_cast<size_t>(u)]);
        if (low_[static_cast<size_t>(u)] >= order_[static_cast<size_t>(p)]) {
            blocks_.push_back({p, static_cast<int>(blockMembers_.size())});
            int member;
            do {
                member = vertexStack_.back();
                vertexStack_.pop_back();
                blockMembers_.push_back(member);
            } while (member != u);
        }
    }
}

namespace {

// Depth-first block search over at most 64 vertices, one recursion level per vertex.
struct OneWordBlocks {
    const Word* near;
    Word inside;
    Word entered = 0;
    int order[64], low[64];
    int stacked[64];
    int stackCount = 0, clock = 0, blockCount = 0;
    struct Block {
        int top;
        Word members;
    } blocks[64];

    void Visit(int u, int parent) {
        order[u] = low[u] = clock++;
        entered |= Word{1} << u;
        stacked[stackCount++] = u;
        for (Word pending = near[u] & inside; pending != 0; pending &= pending - 1) {
            const int w = std::countr_zero(pending);
            if ((entered >> w & 1U) == 0) {
                Visit(w, u);
                low[u] = std::min(low[u], low[w]);
                if (low[w] >= order[u]) {
                    Word members = 0;
                    int member;
                    do {
                        member = stacked[--stackCount];
                        members |= Word{1} << member;
                    } while (member != w);
                    blocks[blockCount++] = {u, members};
                }
            } else if (w != parent) {
                low[u] = std::min(low[u], order[w]);
            }
        }
    }
};

} // namespace

void ExtensionBounds::LimitsInOneWord() {
    OneWordBlocks search;
    search.near = graph_.NearSet(0);
    search.inside = reached_[0] | (Word{1} << start_);
    search.Visit(start_, -1);
    const int blockCount = search.blockCount;
    const auto& blocks = search.blocks;

    const Word second = graph_.SecondColour()[0];
    const bool bipartite = graph_.IsBipartite();
    limit_[static_cast<size_t>(start_)] = 0;
    for (int b = blockCount; b-- > 0;) {
        const int top = blocks[b].top;
        const Word members = blocks[b].members;
        const int size = CountOnes(members) + 1;
        const bool topSecond = (second >> top & 1U) != 0;
        const Word sameSide = topSecond ? members & second : members & ~second;
        const int sameColour = bipartite ? CountOnes(sameSide) : 0;
        const int otherColour = size - 1 - sameColour;
        const int base = limit_[static_cast<size_t>(top)];
        for (Word bits = members; bits != 0; bits &= bits - 1) {
            const int member = std::countr_zero(bits);
            limit_[static_cast<size_t>(member)] =
                base + BlockBound(top, member, sameColour, otherColour, size);
        }
    }
}

void ExtensionBounds::ComputeLimits() {
    if (words_ == 1) {
        LimitsInOneWord();
        return;
    }
    FindBlocks();

    // Blocks were closed children first; walk them parents first, adding up along the way.
    limit_[static_cast<size_t>(start_)] = 0;
    for (size_t b = blocks_.size(); b-- > 0;) {
        const int top = blocks_[b].top;
        const size_t first = static_cast<size_t>(blocks_[b].first);
        const size_t last =
            b + 1 < blocks_.size() ? static_cast<size_t>(blocks_[b + 1].first) : blockMembers_.size();
        int sameColour = 0;
        for (size_t k = first; k < last; ++k)
            sameColour += graph_.Colour(blockMembers_[k]) == graph_.Colour(top) ? 1 : 0;
        const int otherColour = static_cast<int>(last - first) - sameColour;
        const int size = static_cast<int>(last - first) + 1;
        for (size_t k = first; k < last; ++k) {
            const int member = blockMembers_[k];
            limit_[static_cast<size_t>(member)] =
                limit_[static_cast<size_t>(top)] + BlockBound(top, member, sameColour, otherColour, size);
        }
    }
}

void ExtensionBounds::ComputeDegreeLoss() {
    CopyBits(hull_.data(), reached_.data(), words_);
    SetBit(hull_.data(), start_);
    ClearAll(forced_.data(), words_);
    ForEachBit(reached_.data(), words_, [&](int w) {
        if (CountCommon(graph_.NearSet(w), hull_.data(), words_) == 2)
            SetBit(forced_.data(), w);
    });
    surplusOnSame_ = surplusOnOther_ = 0;
    const bool colours = graph_.IsBipartite();
    ForEachBit(hull_.data(), words_, [&](int x) {
        const int surplus = CountCommon(graph_.NearSet(x), forced_.data(), words_) - (x == start_ ? 1 : 2);
        if (surplus <= 0)
            return;
        if (!colours || graph_.Colour(x) == graph_.Colour(start_))
            surplusOnSame_ += surplus;
        else
            surplusOnOther_ += surplus;
    });
}

int ExtensionBounds::DegreeLimit(int u) const {
    // The end u needs only one of its edges: as a leaning vertex it takes at most 2
    // off the surplus of its side, so at most one vertex off the loss.
    const bool endLeans = TestBit(forced_.data(), u);
    auto lost = [&](int surplus, bool relieved) {
        return std::max(0, relieved ? (surplus - 1) / 2 : (surplus + 1) / 2);
    };
    if (!graph_.IsBipartite())
        return reachedCount_ - lost(surplusOnSame_, endLeans);
    // Leaning vertices of the other colour lean on vertices of v's colour, and back.
    const bool uSame = graph_.Colour(u) == graph_.Colour(start_);
    const int same = sameColourCount_ - lost(surplusOnOther_, endLeans && uSame);
    const int other = reachedCount_ - sameColourCount_ - lost(surplusOnSame_, endLeans && !uSame);
    return uSame ? 2 * std::min(same, other) : 2 * std::min(same, other - 1) + 1;
}

} // namespace grafida::paths
