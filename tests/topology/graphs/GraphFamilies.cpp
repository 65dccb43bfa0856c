#include "GraphFamilies.h"

#include <algorithm>
#include <numeric>
#include <set>

namespace grafida::graphs {

TFLOATARRAY FromEdges(const std::string& name, int n, const std::vector<Edge>& edges) {
    TFLOATARRAY a(n, n);
    for (const auto& [u, v] : edges) {
        a.Put(u, v, 1);
        a.Put(v, u, 1);
    }
    a.SetName(name + "_AD");
    return a;
}

TFLOATARRAY Path(int n) {
    std::vector<Edge> edges;
    for (int v = 2; v <= n; ++v)
        edges.emplace_back(v - 1, v);
    return FromEdges("path" + std::to_string(n), n, edges);
}

TFLOATARRAY Cycle(int n) {
    std::vector<Edge> edges;
    for (int v = 2; v <= n; ++v)
        edges.emplace_back(v - 1, v);
    edges.emplace_back(n, 1);
    return FromEdges("cycle" + std::to_string(n), n, edges);
}

namespace {

int Draw(std::mt19937& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

std::vector<Edge> TreeEdges(int n, std::mt19937& random, int first = 1) {
    std::vector<Edge> edges;
    std::vector<int> degree(static_cast<size_t>(n) + 1, 0);
    for (int v = 2; v <= n; ++v) {
        int parent;
        do
            parent = Draw(random, 1, v - 1);
        while (degree[static_cast<size_t>(parent)] >= 4);
        ++degree[static_cast<size_t>(parent)];
        ++degree[static_cast<size_t>(v)];
        edges.emplace_back(parent + first - 1, v + first - 1);
    }
    return edges;
}

// Renumbers the vertices at random, so that no shape comes in a tidy order.
std::vector<Edge> Shuffled(int n, const std::vector<Edge>& edges, std::mt19937& random) {
    std::vector<int> label(static_cast<size_t>(n));
    std::iota(label.begin(), label.end(), 1);
    std::shuffle(label.begin(), label.end(), random);
    std::vector<Edge> renamed;
    for (const auto& [u, v] : edges)
        renamed.emplace_back(label[static_cast<size_t>(u) - 1], label[static_cast<size_t>(v) - 1]);
    return renamed;
}

// Rings fused at random: each new ring of 5 or 6 shares one edge of the graph so far.
std::vector<Edge> FusedRings(int rings, std::mt19937& random, int& n) {
    std::vector<Edge> edges;
    n = Draw(random, 5, 6);
    for (int v = 2; v <= n; ++v)
        edges.emplace_back(v - 1, v);
    edges.emplace_back(n, 1);
    for (int r = 1; r < rings; ++r) {
        const Edge shared = edges[static_cast<size_t>(Draw(random, 0, static_cast<int>(edges.size()) - 1))];
        const int added = Draw(random, 3, 4); // new vertices of a 5- or 6-ring
        int previous = shared.first;
        for (int k = 0; k < added; ++k) {
            edges.emplace_back(previous, ++n);
            previous = n;
        }
        edges.emplace_back(previous, shared.second);
    }
    return edges;
}

} // namespace

TFLOATARRAY RandomTree(int n, std::uint32_t seed) {
    std::mt19937 random(seed);
    return FromEdges("tree" + std::to_string(n), n, TreeEdges(n, random));
}

TFLOATARRAY Acene(int rings) {
    // Two chains of 2 * rings + 1 vertices joined by rungs at every other position.
    const int side = 2 * rings + 1;
    std::vector<Edge> edges;
    for (int k = 1; k < side; ++k) {
        edges.emplace_back(k, k + 1);
        edges.emplace_back(side + k, side + k + 1);
    }
    for (int k = 1; k <= side; k += 2)
        edges.emplace_back(k, side + k);
    return FromEdges("acene" + std::to_string(rings), 2 * side, edges);
}

TFLOATARRAY Dodecahedron() {
    // Outer pentagon 1-5, middle ring 6-15, inner pentagon 16-20.
    std::vector<Edge> edges;
    for (int k = 0; k < 5; ++k) {
        edges.emplace_back(1 + k, 1 + (k + 1) % 5);
        edges.emplace_back(1 + k, 6 + 2 * k);
        edges.emplace_back(16 + k, 16 + (k + 1) % 5);
        edges.emplace_back(16 + k, 7 + 2 * k);
    }
    for (int k = 0; k < 10; ++k)
        edges.emplace_back(6 + k, 6 + (k + 1) % 10);
    return FromEdges("dodecahedron", 20, edges);
}

TFLOATARRAY SteroidNucleus() {
    // Rings A (1-5, 10), B (5-10), C (8, 9, 11-14), D (13-17), numbered as chemists do.
    const std::vector<Edge> edges = {{1, 2},   {2, 3},  {3, 4},   {4, 5},   {5, 10},  {10, 1},  {5, 6},
                                     {6, 7},   {7, 8},  {8, 9},   {9, 10},  {9, 11},  {11, 12}, {12, 13},
                                     {13, 14}, {14, 8}, {13, 17}, {17, 16}, {16, 15}, {15, 14}};
    return FromEdges("steroid", 17, edges);
}

RandomGraph RandomSample(int index) {
    std::mt19937 random(static_cast<std::uint32_t>(7919 * index + 17));
    std::vector<Edge> edges;
    int n = 0;
    std::string shape;
    const int kind = index % 16 == 15 ? 8 : index % 8;
    switch (kind) {
    case 0:
        shape = "tree";
        n = Draw(random, 1, 14);
        edges = TreeEdges(n, random);
        break;
    case 1: {
        shape = "ring with branches";
        const int ring = Draw(random, 3, 8);
        n = ring + Draw(random, 0, 5);
        for (int v = 2; v <= ring; ++v)
            edges.emplace_back(v - 1, v);
        edges.emplace_back(ring, 1);
        for (int v = ring + 1; v <= n; ++v)
            edges.emplace_back(Draw(random, 1, v - 1), v);
        break;
    }
    case 2:
        shape = "fused rings";
        edges = FusedRings(Draw(random, 2, 3), random, n);
        break;
    case 3: {
        shape = "rings joined by a chain";
        int first = 0;
        edges = FusedRings(1, random, first);
        int second = 0;
        auto other = FusedRings(Draw(random, 1, 2), random, second);
        const int link = Draw(random, 0, 2);
        n = first + link + second;
        int previous = Draw(random, 1, first);
        for (int k = 1; k <= link; ++k) {
            edges.emplace_back(previous, first + k);
            previous = first + k;
        }
        for (const auto& [u, v] : other)
            edges.emplace_back(u + first + link, v + first + link);
        edges.emplace_back(previous, first + link + Draw(random, 1, second));
        break;
    }
    case 4: {
        shape = "cage";
        // A prism or an antiprism-like band over a ring, closed by chords.
        const int ring = Draw(random, 3, 6);
        n = 2 * ring;
        for (int k = 0; k < ring; ++k) {
            edges.emplace_back(1 + k, 1 + (k + 1) % ring);
            edges.emplace_back(ring + 1 + k, ring + 1 + (k + 1) % ring);
            edges.emplace_back(1 + k, ring + 1 + (Draw(random, 0, 1) + k) % ring);
        }
        break;
    }
    case 5: {
        shape = "two fragments";
        const int first = Draw(random, 1, 7);
        const int second = Draw(random, 1, 7);
        n = first + second;
        edges = TreeEdges(first, random);
        for (const auto& edge : TreeEdges(second, random, first + 1))
            edges.push_back(edge);
        if (first >= 3)
            edges.emplace_back(1, first);
        break;
    }
    case 6: {
        shape = "dense";
        n = Draw(random, 4, 9);
        for (int u = 1; u <= n; ++u)
            for (int v = u + 1; v <= n; ++v)
                if (Draw(random, 0, 99) < 45)
                    edges.emplace_back(u, v);
        break;
    }
    case 7: {
        shape = "sparse with rings";
        n = Draw(random, 6, 14);
        edges = TreeEdges(n, random);
        for (int extra = Draw(random, 1, 4); extra > 0; --extra) {
            const int u = Draw(random, 1, n);
            const int v = Draw(random, 1, n);
            if (u != v)
                edges.emplace_back(u, v);
        }
        break;
    }
    default: {
        shape = "one-way arcs";
        n = Draw(random, 3, 9);
        TFLOATARRAY a(n, n);
        for (int u = 1; u <= n; ++u)
            for (int v = 1; v <= n; ++v)
                if (u != v && Draw(random, 0, 99) < 35)
                    a.Put(u, v, 1);
        a.SetName("random" + std::to_string(index) + "_AD");
        return {shape, a};
    }
    }
    // Duplicates and loops from random picks are dropped.
    std::set<Edge> unique;
    for (auto [u, v] : Shuffled(n, edges, random))
        if (u != v)
            unique.insert(std::minmax(u, v));
    return {shape, FromEdges("random" + std::to_string(index), n, {unique.begin(), unique.end()})};
}

} // namespace grafida::graphs
