#include "LiteralTopology.h"

#include "topology/ResultMatrices.h"
#include "topology/StackA.h"

#include <cmath>

namespace grafida::literal {

TFLOATARRAY CalcDistance(const TFLOATARRAY& adjacency) {
    const int n = static_cast<int>(adjacency.Rows());
    TFLOATARRAY d(n, n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            d.Put(i, j, adjacency.Get(i, j) != 0 || i == j ? adjacency.Get(i, j) : n);
    int k = 1;
    do {
        for (int j = 1; j <= n; ++j)
            for (int i = 1; i <= n; ++i)
                if (d.Get(i, j) == k)
                    for (int l = 1; l <= n; ++l)
                        if (d.Get(l, i) + k < d.Get(l, j))
                            d.Put(l, j, d.Get(l, i) + k);
        ++k;
    } while (k < n - 1);
    d.SetName(MoleculePrefix(adjacency.Name()) + "DI");
    return d;
}

void GetNeighbours(const TFLOATARRAY& graph, int v, TIntList& list) {
    for (int j = 1; j <= static_cast<int>(graph.Cols()); ++j)
        if (graph.Get(v, j) != 0)
            list.Add(j);
}

namespace {

enum class Variant { OfLength, Avoiding, Longest };

struct Search {
    Variant variant = Variant::Longest;
    int length = 0;     // OfLength
    TIntList forbidden; // Avoiding
    TListIntList* found = nullptr;
    int best = 0; // Longest
};

int Smallest(const TFLOATARRAY& graph, const TIntList& candidates) {
    for (int v = 1; v <= static_cast<int>(graph.Cols()); ++v)
        if (candidates.Contains(v))
            return v;
    return 0;
}

void DepthFirst(const TFLOATARRAY& graph, int s, int t, Search& search) {
    TStackA stack(static_cast<int>(graph.Rows()));
    TIntList path;
    path.Add(s);
    int depth = 1;
    TStackFrame current{s, {}};
    GetNeighbours(graph, s, current.Candidates);
    if (search.variant == Variant::Avoiding)
        current.Candidates.RemoveAllOf(search.forbidden);
    while (true) {
        if (current.Candidates.IsEmpty()) {
            const int v = current.Vertex;
            path.Remove(v);
            --depth;
            if (depth == 0)
                break;
            current = stack.Get(depth);
            current.Candidates.Remove(v);
            continue;
        }
        const int c = Smallest(graph, current.Candidates);
        if (c == t) {
            switch (search.variant) {
            case Variant::OfLength:
                if (path.Count() == search.length) {
                    TIntList completed = path;
                    completed.Add(t);
                    search.found->Add(completed);
                }
                break;
            case Variant::Avoiding: {
                TIntList completed = path;
                completed.Add(t);
                search.found->Add(completed);
                break;
            }
            case Variant::Longest:
                search.best = std::max(search.best, path.Count());
                break;
            }
            current.Candidates.Remove(c);
            continue;
        }
        if (search.variant == Variant::OfLength && path.Count() == search.length) {
            current.Candidates.Remove(c);
            continue;
        }
        TIntList next;
        GetNeighbours(graph, c, next);
        next.RemoveAllOf(path);
        if (search.variant == Variant::Avoiding)
            next.RemoveAllOf(search.forbidden);
        if (next.IsEmpty()) {
            current.Candidates.Remove(c);
            continue;
        }
        path.Add(c);
        stack.Put(depth, current);
        ++depth;
        current = TStackFrame{c, next};
    }
}

} // namespace

void FindPathsOfLength(const TFLOATARRAY& graph, int s, int t, int length, TListIntList& paths) {
    paths.Clear();
    Search search;
    search.variant = Variant::OfLength;
    search.length = length;
    search.found = &paths;
    DepthFirst(graph, s, t, search);
}

void FindPathsAvoiding(const TFLOATARRAY& graph, int s, int t, const TIntList& avoid, TListIntList& paths) {
    paths.Clear();
    Search search;
    search.variant = Variant::Avoiding;
    for (int k = 0; k < avoid.Count(); ++k)
        if (avoid[k] != avoid.First())
            search.forbidden.Add(avoid[k]);
    search.found = &paths;
    DepthFirst(graph, s, t, search);
}

int LongestPathLength(const TFLOATARRAY& graph, int s, int t) {
    Search search;
    search.variant = Variant::Longest;
    DepthFirst(graph, s, t, search);
    return search.best;
}

TFLOATARRAY CalcDetour(const TFLOATARRAY& graph) {
    TFLOATARRAY detour(graph.Rows(), graph.Cols());
    for (int i = 1; i <= static_cast<int>(graph.Rows()); ++i)
        for (int j = 1; j < i; ++j) {
            const int d = LongestPathLength(graph, i, j);
            detour.Put(i, j, d);
            detour.Put(j, i, d);
        }
    detour.SetName(MoleculePrefix(graph.Name()) + "DE");
    return detour;
}

int ClujCount(const TFLOATARRAY& adjacency, const TFLOATARRAY& distance, const TListIntList& paths, int home,
              int other) {
    const int n = static_cast<int>(adjacency.Rows());
    TIntList closer;
    for (int k = 1; k <= n; ++k)
        if (k != home && k != other && distance.Get(home, k) < distance.Get(other, k))
            closer.Add(k);
    int most = 0;
    for (const TIntList& path : paths.Lists()) {
        int reached = 0;
        for (int k : closer.Values()) {
            TListIntList found;
            FindPathsAvoiding(adjacency, home, k, path, found);
            reached += found.Count() > 0 ? 1 : 0;
        }
        most = std::max(most, reached);
    }
    return 1 + most;
}

void CutVertices(TFLOATARRAY& matrix, const TIntList& vertices) {
    for (int v : vertices.Values())
        for (int k = 1; k <= static_cast<int>(matrix.Rows()); ++k) {
            matrix.Put(v, k, 0);
            matrix.Put(k, v, 0);
        }
}

int ClujFragCount(const TFLOATARRAY& adjacency, const TListIntList& paths, int home, int other) {
    const int n = static_cast<int>(adjacency.Rows());
    int most = 0;
    for (const TIntList& path : paths.Lists()) {
        TIntList inner = path;
        inner.Remove(home);
        inner.Remove(other);
        TFLOATARRAY cut = adjacency;
        CutVertices(cut, inner);
        const TFLOATARRAY d = CalcDistance(cut);
        int count = 0;
        for (int k = 1; k <= n; ++k)
            count += d.Get(home, k) < d.Get(other, k) ? 1 : 0;
        most = std::max(most, count);
    }
    return most;
}

namespace {

enum class Counting { Whole, Fragmental };

TFLOATARRAY Cluj(const TFLOATARRAY& adjacency, const TFLOATARRAY& distance, const TFLOATARRAY& lengths,
                 Counting counting, const char* code) {
    const int n = static_cast<int>(adjacency.Rows());
    TFLOATARRAY c(n, n);
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j) {
            const int length = static_cast<int>(std::nearbyint(lengths.Get(i, j)));
            TListIntList ahead;
            FindPathsOfLength(adjacency, i, j, length, ahead);
            TListIntList back;
            back.AddCopies(ahead);
            if (counting == Counting::Whole) {
                c.Put(i, j, ClujCount(adjacency, distance, ahead, i, j));
                c.Put(j, i, ClujCount(adjacency, distance, back, j, i));
            } else {
                c.Put(i, j, ClujFragCount(adjacency, ahead, i, j));
                c.Put(j, i, ClujFragCount(adjacency, back, j, i));
            }
        }
    c.SetName(MoleculePrefix(adjacency.Name()) + code);
    return c;
}

} // namespace

TFLOATARRAY CalcClujDistance(const TFLOATARRAY& adjacency, const TFLOATARRAY& distance) {
    return Cluj(adjacency, distance, distance, Counting::Whole, "CjDi");
}

TFLOATARRAY CalcClujDetour(const TFLOATARRAY& adjacency, const TFLOATARRAY& distance) {
    return Cluj(adjacency, distance, CalcDetour(adjacency), Counting::Whole, "CjDe");
}

TFLOATARRAY CalcClujFragDistance(const TFLOATARRAY& adjacency, const TFLOATARRAY& distance) {
    return Cluj(adjacency, distance, distance, Counting::Fragmental, "CFDi");
}

TFLOATARRAY CalcClujFragDetour(const TFLOATARRAY& adjacency, const TFLOATARRAY& distance) {
    return Cluj(adjacency, distance, CalcDetour(adjacency), Counting::Fragmental, "CFDe");
}

} // namespace grafida::literal
