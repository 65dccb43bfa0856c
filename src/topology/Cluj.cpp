#include "topology/Cluj.h"

#include "numeric/Messages.h"
#include "numeric/Progress.h"
#include "numeric/Reporter.h"
#include "topology/Detour.h"
#include "topology/ResultMatrices.h"
#include "topology/paths/Automorphisms.h"
#include "topology/paths/ClujCounter.h"
#include "topology/paths/FixedLengthPathSearch.h"
#include "topology/paths/Forest.h"
#include "topology/paths/PathGraph.h"

#include <algorithm>
#include <cmath>

namespace grafida {

namespace {

using paths::ClujCounter;
using paths::DistanceTable;
using paths::FixedLengthPathSearch;
using paths::PathGraph;
using paths::Word;

struct ClujKind {
    const char* code;
    const char* title;   // for "%s need %s"
    const char* failure; // for "ERROR DIURING CALCULATING %s"
    bool usesDistance;
};

constexpr ClujKind kClujDistance{"CjDi", "Cluj distance", "cluj distance matrix", true};
constexpr ClujKind kClujDetour{"CjDe", "Cluj detour", "cluj detour matrix", true};
constexpr ClujKind kClujFragDistance{"CFDi", "Cluj fragmental distance", "cluj fragmental distance matrix",
                                     true};
constexpr ClujKind kClujFragDetour{"CFDe", "Cluj fragmental detour", "cluj fragmental detour matrix", false};

// Whether the inputs suit kind; says what is wrong when not.
bool InputsFit(const ClujKind& kind, const TFLOATARRAY* adjacency, const TFLOATARRAY* distance) {
    if (!adjacency || (kind.usesDistance && !distance)) {
        ShowError(messages::kNeeds, kind.title, kind.usesDistance ? "adjacency and distance" : "adjacency");
        return false;
    }
    const bool sameSize = !kind.usesDistance ||
                          (distance->Rows() == adjacency->Rows() && distance->Cols() == adjacency->Cols());
    if (!adjacency->IsSquare() || !sameSize) {
        ShowError(messages::kErrorCalculating, kind.failure);
        return false;
    }
    return true;
}

// A path length read from a matrix, rounded to the nearest integer; -1 when no
// simple path can have it (fewer than 1 or more than n - 1 edges).
int PathLength(double value, int n) {
    if (!std::isfinite(value))
        return -1;
    const double rounded = std::nearbyint(value);
    return rounded >= 1 && rounded <= n - 1 ? static_cast<int>(rounded) : -1;
}

// The vertices k (not home or other) with distance[home,k] < distance[other,k]; 1-based inputs.
void CloserVertices(const TFLOATARRAY& distance, int home, int other, Word* closer) {
    const int n = static_cast<int>(distance.Rows());
    const double* homeRow = distance.RowData(home + 1);
    const double* otherRow = distance.RowData(other + 1);
    for (int k = 0; k < n; ++k)
        if (k != home && k != other && homeRow[k] < otherRow[k])
            paths::SetBit(closer, k);
}

// The automorphisms of graph under which the pair lengths (upper triangle of lengths)
// and, when given, the distance matrix stay the same: for them, entry [g i, g j]
// equals entry [i, j]. They form a group again (a subgroup of the automorphisms).
std::vector<paths::Permutation> KeptSymmetries(const PathGraph& graph, const TFLOATARRAY* distance,
                                               const TFLOATARRAY& lengths) {
    std::vector<paths::Permutation> group = paths::FindAutomorphisms(graph);
    const int n = graph.Size();
    auto pairLength = [&](int a, int b) {
        return PathLength(a < b ? lengths.Get(a + 1, b + 1) : lengths.Get(b + 1, a + 1), n);
    };
    std::erase_if(group, [&](const paths::Permutation& g) {
        for (int a = 0; a < n; ++a) {
            const int ga = g[static_cast<size_t>(a)];
            for (int b = 0; b < n; ++b) {
                const int gb = g[static_cast<size_t>(b)];
                if ((a != b && pairLength(a, b) != pairLength(ga, gb)) ||
                    (distance && distance->Get(a + 1, b + 1) != distance->Get(ga + 1, gb + 1)))
                    return true;
            }
        }
        return false;
    });
    return group;
}

// Fills the requested matrices over the paths whose lengths the lengths matrix gives.
// A pair that a symmetry maps onto a pair already done takes that pair's entries;
// so does a partner that a symmetry fixing the row's vertex maps onto a smaller one.
void FillCluj(const PathGraph& graph, const TFLOATARRAY* distance, const TFLOATARRAY& lengths,
              TFLOATARRAY* whole, TFLOATARRAY* fragmental) {
    const int n = graph.Size();
    const int words = graph.Words();
    ProgressGuard progress(n);
    const DistanceTable shortest(graph);
    FixedLengthPathSearch search(graph, shortest);
    ClujCounter counter(graph);

    std::vector<int> length(static_cast<size_t>(n), -1);
    struct Entry {
        int best = 0;  // largest count so far
        int bound = 0; // no path can give more
    };
    // Entries [i,j] (ahead) and [j,i] (back) of the row i being filled, indexed by j.
    std::vector<Entry> ahead(static_cast<size_t>(n)), back(static_cast<size_t>(n));
    std::vector<Entry> fragAhead(static_cast<size_t>(n)), fragBack(static_cast<size_t>(n));
    std::vector<Word> closerAhead(static_cast<size_t>(n) * words), closerBack(static_cast<size_t>(n) * words);
    std::vector<Word> wanted(static_cast<size_t>(words));
    const std::vector<paths::Permutation> group = KeptSymmetries(graph, whole ? distance : nullptr, lengths);
    std::vector<char> filled(static_cast<size_t>(n) * static_cast<size_t>(n), 0);
    std::vector<char> computed(static_cast<size_t>(n));
    auto isFilled = [&](int a, int b) {
        return filled[static_cast<size_t>(a) * n + static_cast<size_t>(b)] != 0;
    };
    auto put = [&](TFLOATARRAY* matrix, int a, int b, int value) {
        matrix->Put(a + 1, b + 1, value);
        filled[static_cast<size_t>(a) * n + static_cast<size_t>(b)] = 1;
    };

    for (int i = 0; i < n; ++i) {
        paths::ClearAll(wanted.data(), words);
        std::fill(length.begin(), length.begin() + i + 1, -1);
        std::fill(computed.begin(), computed.end(), 0);
        for (int j = i + 1; j < n; ++j) {
            const size_t at = static_cast<size_t>(j);
            bool mapsLower = false;
            for (const paths::Permutation& g : group)
                mapsLower = mapsLower || (g[static_cast<size_t>(i)] == i && g[at] < j);
            if (isFilled(i, j) || mapsLower)
                continue;
            computed[at] = 1;
            ahead[at] = back[at] = {1, 1};
            fragAhead[at] = fragBack[at] = {0, 0};
            length[at] = PathLength(lengths.Get(i + 1, j + 1), n);
            if (length[at] < 0)
                continue;
            paths::SetBit(wanted.data(), j);
            if (whole) {
                Word* closerToI = closerAhead.data() + at * words;
                Word* closerToJ = closerBack.data() + at * words;
                paths::ClearAll(closerToI, words);
                paths::ClearAll(closerToJ, words);
                CloserVertices(*distance, i, j, closerToI);
                CloserVertices(*distance, j, i, closerToJ);
                // Home reaches only vertices off the path: n - L - 1 of them at most.
                const int offPath = n - length[at] - 1;
                ahead[at].bound = 1 + std::min(paths::CountBits(closerToI, words), offPath);
                back[at].bound = 1 + std::min(paths::CountBits(closerToJ, words), offPath);
            }
            fragAhead[at].bound = fragBack[at].bound = n - length[at];
        }

        search.Run(i, length, wanted.data(), [&](std::span<const int> path, int j) {
            const size_t at = static_cast<size_t>(j);
            bool done = true;
            if (whole) {
                if (ahead[at].best < ahead[at].bound)
                    ahead[at].best = std::max(
                        ahead[at].best, 1 + counter.Reachable(path, i, closerAhead.data() + at * words));
                if (back[at].best < back[at].bound)
                    back[at].best = std::max(back[at].best,
                                             1 + counter.Reachable(path, j, closerBack.data() + at * words));
                done = ahead[at].best >= ahead[at].bound && back[at].best >= back[at].bound;
            }
            if (fragmental) {
                if (fragAhead[at].best < fragAhead[at].bound || fragBack[at].best < fragBack[at].bound) {
                    const ClujCounter::Sides sides = counter.Fragments(path);
                    fragAhead[at].best = std::max(fragAhead[at].best, sides.first);
                    fragBack[at].best = std::max(fragBack[at].best, sides.second);
                }
                done = done && fragAhead[at].best >= fragAhead[at].bound &&
                       fragBack[at].best >= fragBack[at].bound;
            }
            return done;
        });

        for (int j = i + 1; j < n; ++j) {
            const size_t at = static_cast<size_t>(j);
            if (!computed[at])
                continue;
            for (const paths::Permutation& g : group) {
                const int gi = g[static_cast<size_t>(i)];
                const int gj = g[at];
                if (whole) {
                    put(whole, gi, gj, ahead[at].best);
                    put(whole, gj, gi, back[at].best);
                }
                if (fragmental) {
                    put(fragmental, gi, gj, fragAhead[at].best);
                    put(fragmental, gj, gi, fragBack[at].best);
                }
            }
        }
        progress.Step();
    }
}

// A forest's matrices from distances and branch sizes: a pair whose length in lengths
// is its distance has one path, whose count is the branch at its home end (all four
// matrices agree); other pairs have no path. The closer-vertex sets of the whole
// matrices come from distance, so this holds only while distance is the forest's own
// distance matrix: false (and the matrices to be filled again) when it is not.
bool FillClujOfForest(paths::Forest& forest, const TFLOATARRAY* distance, const TFLOATARRAY& lengths,
                      TFLOATARRAY* whole, TFLOATARRAY* fragmental) {
    const int n = forest.Size();
    ProgressGuard progress(n);
    std::vector<int> steps, branch;
    for (int i = 0; i < n; ++i) {
        forest.FromVertex(i, steps, branch);
        const double* distanceRow = whole ? distance->RowData(i + 1) : nullptr;
        for (int j = 0; j < n; ++j) {
            const int apart = steps[static_cast<size_t>(j)];
            if (whole && distanceRow[j] != (apart >= 0 ? apart : n))
                return false;
            if (j == i)
                continue;
            // Both entries of a pair take their length from the upper triangle.
            const double length = i < j ? lengths.Get(i + 1, j + 1) : lengths.Get(j + 1, i + 1);
            const bool onePath = apart > 0 && PathLength(length, n) == apart;
            if (whole)
                whole->Put(i + 1, j + 1, onePath ? branch[static_cast<size_t>(j)] : 1);
            if (fragmental)
                fragmental->Put(i + 1, j + 1, onePath ? branch[static_cast<size_t>(j)] : 0);
        }
        progress.Step();
    }
    return true;
}

// Checks, allocates and fills; lengths is the distance or detour matrix.
ClujMatrices BuildCluj(const ClujKind* wholeKind, const ClujKind* fragKind, const TFLOATARRAY& adjacency,
                       const TFLOATARRAY* distance, const TFLOATARRAY& lengths) {
    const int n = static_cast<int>(adjacency.Rows());
    ClujMatrices result;
    if (wholeKind) {
        result.whole = TryNewMatrix(n, n);
        if (!result.whole) {
            ShowError(messages::kNotEnoughMemory);
            return {};
        }
        result.whole->SetName(MoleculePrefix(adjacency.Name()) + wholeKind->code);
    }
    if (fragKind) {
        result.fragmental = TryNewMatrix(n, n);
        if (!result.fragmental) {
            ShowError(messages::kNotEnoughMemory);
            return {};
        }
        result.fragmental->SetName(MoleculePrefix(adjacency.Name()) + fragKind->code);
    }
    if (lengths.Rows() != adjacency.Rows() || lengths.Cols() != adjacency.Cols()) {
        ShowError(messages::kErrorCalculating, (wholeKind ? wholeKind : fragKind)->failure);
        return {};
    }
    const PathGraph graph(adjacency);
    if (auto forest = paths::Forest::Of(graph);
        forest && FillClujOfForest(*forest, distance, lengths, result.whole.get(), result.fragmental.get()))
        return result;
    FillCluj(graph, distance, lengths, result.whole.get(), result.fragmental.get());
    return result;
}

bool AllInputsFit(const ClujKind* wholeKind, const ClujKind* fragKind, const TFLOATARRAY* adjacency,
                  const TFLOATARRAY* distance) {
    return (!wholeKind || InputsFit(*wholeKind, adjacency, distance)) &&
           (!fragKind || InputsFit(*fragKind, adjacency, distance));
}

} // namespace

ClujMatrices CalcClujDistanceMatrices(const TFLOATARRAY* adjacency, const TFLOATARRAY* distance, bool whole,
                                      bool fragmental) {
    const ClujKind* wholeKind = whole ? &kClujDistance : nullptr;
    const ClujKind* fragKind = fragmental ? &kClujFragDistance : nullptr;
    if ((!whole && !fragmental) || !AllInputsFit(wholeKind, fragKind, adjacency, distance))
        return {};
    return BuildCluj(wholeKind, fragKind, *adjacency, distance, *distance);
}

ClujMatrices CalcClujDetourMatrices(const TFLOATARRAY* adjacency, const TFLOATARRAY* distance,
                                    const TFLOATARRAY* detour, bool whole, bool fragmental) {
    const ClujKind* wholeKind = whole ? &kClujDetour : nullptr;
    const ClujKind* fragKind = fragmental ? &kClujFragDetour : nullptr;
    if ((!whole && !fragmental) || !AllInputsFit(wholeKind, fragKind, adjacency, distance))
        return {};
    std::unique_ptr<TFLOATARRAY> own;
    if (!detour) {
        own = CalcDetour(adjacency);
        if (!own) {
            ShowError(messages::kErrorCalculating, (wholeKind ? wholeKind : fragKind)->failure);
            return {};
        }
        detour = own.get();
    }
    return BuildCluj(wholeKind, fragKind, *adjacency, distance, *detour);
}

std::unique_ptr<TFLOATARRAY> CalcClujDistance(const TFLOATARRAY* adjacency, const TFLOATARRAY* distance) {
    return CalcClujDistanceMatrices(adjacency, distance, true, false).whole;
}

std::unique_ptr<TFLOATARRAY> CalcClujDetour(const TFLOATARRAY* adjacency, const TFLOATARRAY* distance) {
    return CalcClujDetourMatrices(adjacency, distance, nullptr, true, false).whole;
}

std::unique_ptr<TFLOATARRAY> CalcClujFragDistance(const TFLOATARRAY* adjacency, const TFLOATARRAY* distance) {
    return CalcClujDistanceMatrices(adjacency, distance, false, true).fragmental;
}

std::unique_ptr<TFLOATARRAY> CalcClujFragDetour(const TFLOATARRAY* adjacency, const TFLOATARRAY* distance) {
    return CalcClujDetourMatrices(adjacency, distance, nullptr, false, true).fragmental;
}

namespace {

bool IsVertexOf(const TFLOATARRAY& matrix, int v) {
    return v >= 1 && v <= static_cast<int>(matrix.Rows());
}

} // namespace

int ClujCount(const TFLOATARRAY& adjacency, const TFLOATARRAY& distance, const TListIntList& paths, int home,
              int other) {
    if (paths.Count() == 0 || !adjacency.IsSquare() || distance.Rows() < adjacency.Rows() ||
        distance.Cols() < adjacency.Rows() || !IsVertexOf(adjacency, home) || !IsVertexOf(adjacency, other))
        return 1;
    const PathGraph graph(adjacency);
    std::vector<Word> closer(static_cast<size_t>(graph.Words()), 0);
    for (int k = 1; k <= static_cast<int>(adjacency.Rows()); ++k)
        if (k != home && k != other && distance.Get(home, k) < distance.Get(other, k))
            paths::SetBit(closer.data(), k - 1);
    const int bound = 1 + paths::CountBits(closer.data(), graph.Words());
    ClujCounter counter(graph);
    std::vector<int> avoided;
    int best = 1;
    for (const TIntList& path : paths.Lists()) {
        // Every vertex of the path but its first is out of bounds for home.
        avoided.clear();
        for (int v : path.Values())
            if (v != path.First() && IsVertexOf(adjacency, v))
                avoided.push_back(v - 1);
        best = std::max(best, 1 + counter.Reachable(avoided, home - 1, closer.data()));
        if (best >= bound)
            break;
    }
    return best;
}

int ClujFragCount(const TFLOATARRAY& adjacency, const TListIntList& paths, int home, int other) {
    if (paths.Count() == 0 || !adjacency.IsSquare() || !IsVertexOf(adjacency, home) ||
        !IsVertexOf(adjacency, other))
        return 0;
    const PathGraph graph(adjacency);
    const int n = graph.Size();
    ClujCounter counter(graph);
    const int words = graph.Words();
    std::vector<Word> cuts(static_cast<size_t>(paths.Count()) * words, 0);
    // A path isolates its inner vertices, and other never counts.
    int bound = 0;
    for (int p = 0; p < paths.Count(); ++p) {
        Word* cut = cuts.data() + static_cast<size_t>(p) * words;
        for (int v : paths[p].Values())
            if (v != home && v != other && IsVertexOf(adjacency, v))
                paths::SetBit(cut, v - 1);
        bound = std::max(bound, n - 1 - paths::CountBits(cut, words));
    }
    int best = 0;
    for (int p = 0; p < paths.Count() && best < bound; ++p)
        best = std::max(
            best, counter.Fragments(home - 1, other - 1, cuts.data() + static_cast<size_t>(p) * words).first);
    return best;
}

void CutVertices(TFLOATARRAY& matrix, const TIntList& vertices) {
    for (int v : vertices.Values()) {
        if (v >= 1 && v <= static_cast<int>(matrix.Rows()))
            for (std::int64_t j = 1; j <= matrix.Cols(); ++j)
                matrix.Put(v, j, 0.0);
        if (v >= 1 && v <= static_cast<int>(matrix.Cols()))
            for (std::int64_t i = 1; i <= matrix.Rows(); ++i)
                matrix.Put(i, v, 0.0);
    }
}

} // namespace grafida
