#include "topology/Detour.h"

#include "numeric/Progress.h"
#include "numeric/Reporter.h"
#include "topology/ResultMatrices.h"
#include "topology/paths/Automorphisms.h"
#include "topology/paths/Forest.h"
#include "topology/paths/GraphBlocks.h"
#include "topology/paths/LongestPathSearch.h"
#include "topology/paths/PathGraph.h"

#include <algorithm>
#include <cstdlib>

namespace grafida {

namespace {

using paths::GraphBlock;
using paths::LongestPathSearch;
using paths::PathGraph;
using paths::Word;

// Longest path lengths between the vertices of one block, local numbering.
class BlockTable {
public:
    explicit BlockTable(const GraphBlock& block)
        : size_(static_cast<int>(block.vertices.size())), cells_(static_cast<size_t>(size_) * size_, 0) {}
    int Size() const { return size_; }
    int At(int a, int b) const { return cells_[static_cast<size_t>(a) * size_ + static_cast<size_t>(b)]; }
    void Set(int a, int b, int length) {
        cells_[static_cast<size_t>(a) * size_ + static_cast<size_t>(b)] = length;
        cells_[static_cast<size_t>(b) * size_ + static_cast<size_t>(a)] = length;
    }

private:
    int size_;
    std::vector<int> cells_;
};

// A block that is one ring: the two ways round between two members are its only paths.
void FillRing(const PathGraph& ring, BlockTable& table) {
    const int size = ring.Size();
    std::vector<int> position(static_cast<size_t>(size), -1);
    int previous = -1;
    int current = 0;
    for (int step = 0; step < size; ++step) {
        position[static_cast<size_t>(current)] = step;
        const auto out = ring.Out(current);
        const int next = out[0] != previous ? out[0] : out[1];
        previous = current;
        current = next;
    }
    for (int a = 0; a < size; ++a)
        for (int b = 0; b < a; ++b) {
            const int apart = std::abs(position[static_cast<size_t>(a)] - position[static_cast<size_t>(b)]);
            table.Set(a, b, std::max(apart, size - apart));
        }
}

bool IsRing(const GraphBlock& block) {
    return block.vertices.size() >= 3 && block.edges == static_cast<int>(block.vertices.size());
}

// A block with automorphisms: one search from a vertex of each class of vertices,
// towards one vertex of each class of partners left by the symmetries that fix the
// start; every other pair is the image of a searched one under some automorphism,
// and gets its value. The automorphisms form a group, so every pair is reached.
void FillBySymmetry(const PathGraph& block, const std::vector<paths::Permutation>& group, BlockTable& table) {
    const int size = block.Size();
    LongestPathSearch search(block);
    std::vector<char> startDone(static_cast<size_t>(size), 0);
    std::vector<int> longest(static_cast<size_t>(size));
    std::vector<Word> targets(static_cast<size_t>(block.Words()));
    for (int start = 0; start < size; ++start) {
        if (startDone[static_cast<size_t>(start)])
            continue;
        for (const paths::Permutation& g : group)
            startDone[static_cast<size_t>(g[static_cast<size_t>(start)])] = 1;
        paths::ClearAll(targets.data(), block.Words());
        for (int t = 0; t < size; ++t) {
            bool first = t != start;
            for (const paths::Permutation& g : group)
                first = first && !(g[static_cast<size_t>(start)] == start && g[static_cast<size_t>(t)] < t);
            if (first)
                paths::SetBit(targets.data(), t);
            // Values found so far are lengths of real paths: a head start.
            longest[static_cast<size_t>(t)] = table.At(start, t);
        }
        search.Run(start, targets.data(), longest);
        paths::ForEachBit(targets.data(), block.Words(), [&](int t) {
            for (const paths::Permutation& g : group)
                table.Set(g[static_cast<size_t>(start)], g[static_cast<size_t>(t)],
                          longest[static_cast<size_t>(t)]);
        });
    }
}

// Symmetric graphs: longest paths inside each block, added up along the chain of
// blocks between two vertices.
void FillFromBlocks(const PathGraph& graph, TFLOATARRAY& detour, ProgressGuard& progress) {
    const int n = graph.Size();
    const std::vector<GraphBlock> blocks = paths::FindBlocks(graph);
    std::vector<BlockTable> tables;
    tables.reserve(blocks.size());
    struct Membership {
        int block;
        int local;
    };
    std::vector<std::vector<Membership>> memberOf(static_cast<size_t>(n));
    std::vector<PathGraph> blockGraphs;
    std::vector<int> searchedBlock(blocks.size(), -1); // index into blockGraphs, or -1
    for (size_t b = 0; b < blocks.size(); ++b) {
        const GraphBlock& block = blocks[b];
        tables.emplace_back(block);
        for (size_t k = 0; k < block.vertices.size(); ++k)
            memberOf[static_cast<size_t>(block.vertices[k])].push_back(
                {static_cast<int>(b), static_cast<int>(k)});
        if (block.vertices.size() == 2) {
            tables.back().Set(0, 1, 1);
        } else if (IsRing(block)) {
            FillRing(PathGraph(graph, block.vertices), tables.back());
        } else {
            PathGraph blockGraph(graph, block.vertices);
            const auto group = paths::FindAutomorphisms(blockGraph);
            if (group.size() > 1) {
                FillBySymmetry(blockGraph, group, tables.back());
                continue;
            }
            searchedBlock[b] = static_cast<int>(blockGraphs.size());
            blockGraphs.push_back(std::move(blockGraph));
        }
    }

    // One search per vertex and block, towards the block's earlier members.
    std::vector<LongestPathSearch> searches;
    searches.reserve(blockGraphs.size());
    for (const PathGraph& blockGraph : blockGraphs)
        searches.emplace_back(blockGraph);
    std::vector<int> longest, seen;
    std::vector<Word> targets;
    for (int v = 0; v < n; ++v) {
        for (const Membership& member : memberOf[static_cast<size_t>(v)]) {
            const int searched = searchedBlock[static_cast<size_t>(member.block)];
            if (searched < 0 || member.local == 0)
                continue;
            const PathGraph& blockGraph = blockGraphs[static_cast<size_t>(searched)];
            BlockTable& table = tables[static_cast<size_t>(member.block)];
            targets.assign(static_cast<size_t>(blockGraph.Words()), 0);
            longest.assign(static_cast<size_t>(blockGraph.Size()), 0);
            for (int t = 0; t < member.local; ++t) {
                paths::SetBit(targets.data(), t);
                // The search from t walked paths to this vertex: lengths known to exist.
                longest[static_cast<size_t>(t)] = table.At(t, member.local);
            }
            seen.assign(static_cast<size_t>(blockGraph.Size()), 0);
            searches[static_cast<size_t>(searched)].Run(member.local, targets.data(), longest, &seen);
            for (int t = 0; t < member.local; ++t)
                table.Set(member.local, t, longest[static_cast<size_t>(t)]);
            for (int t = member.local + 1; t < blockGraph.Size(); ++t)
                table.Set(member.local, t, std::max(table.At(member.local, t), seen[static_cast<size_t>(t)]));
        }
        progress.Step();
    }

    // Walk the tree of blocks from every vertex, adding up the pieces.
    struct Step {
        int vertex;
        int fromBlock;
        int length;
    };
    std::vector<Step> pending;
    for (int s = 0; s < n; ++s) {
        pending.assign(1, {s, -1, 0});
        while (!pending.empty()) {
            const Step at = pending.back();
            pending.pop_back();
            for (const Membership& entry : memberOf[static_cast<size_t>(at.vertex)]) {
                if (entry.block == at.fromBlock)
                    continue;
                const GraphBlock& block = blocks[static_cast<size_t>(entry.block)];
                const BlockTable& table = tables[static_cast<size_t>(entry.block)];
                for (int k = 0; k < table.Size(); ++k) {
                    if (k == entry.local)
                        continue;
                    const int length = at.length + table.At(entry.local, k);
                    const int w = block.vertices[static_cast<size_t>(k)];
                    detour.Put(s + 1, w + 1, length);
                    pending.push_back({w, entry.block, length});
                }
            }
        }
    }
}

// Forests: the one path between two vertices is the shortest.
void FillFromForest(paths::Forest& forest, TFLOATARRAY& detour, ProgressGuard& progress) {
    const int n = forest.Size();
    std::vector<int> steps, branch;
    for (int i = 0; i < n; ++i) {
        forest.FromVertex(i, steps, branch);
        for (int j = 0; j < n; ++j)
            detour.Put(i + 1, j + 1, std::max(steps[static_cast<size_t>(j)], 0));
        progress.Step();
    }
}

// Graphs with one-way arcs: one search per vertex over the whole graph.
void FillDirected(const PathGraph& graph, TFLOATARRAY& detour, ProgressGuard& progress) {
    const int n = graph.Size();
    LongestPathSearch search(graph);
    std::vector<int> longest(static_cast<size_t>(n), 0);
    std::vector<Word> targets(static_cast<size_t>(graph.Words()), 0);
    for (int i = 0; i < n; ++i) {
        if (i > 0) {
            std::fill(longest.begin(), longest.end(), 0);
            search.Run(i, targets.data(), longest);
            for (int j = 0; j < i; ++j) {
                detour.Put(i + 1, j + 1, longest[static_cast<size_t>(j)]);
                detour.Put(j + 1, i + 1, longest[static_cast<size_t>(j)]);
            }
        }
        paths::SetBit(targets.data(), i);
        progress.Step();
    }
}

} // namespace

std::unique_ptr<TFLOATARRAY> CalcDetour(const TFLOATARRAY* graph) {
    if (!graph || !graph->IsSquare()) {
        ShowError(messages::kErrorCalculating, "detour");
        return nullptr;
    }
    const int n = static_cast<int>(graph->Rows());
    auto detour = TryNewMatrix(n, n);
    if (!detour) {
        ShowError(messages::kNotEnoughMemory);
        return nullptr;
    }
    ProgressGuard progress(n);
    const PathGraph compact(*graph);
    if (auto forest = paths::Forest::Of(compact))
        FillFromForest(*forest, *detour, progress);
    else if (compact.IsSymmetric())
        FillFromBlocks(compact, *detour, progress);
    else
        FillDirected(compact, *detour, progress);
    detour->SetName(MoleculePrefix(graph->Name()) + "DE");
    return detour;
}

} // namespace grafida
