// The large polycyclic graphs: benzenoid flakes, fullerenes, nanotube segments and
// random cubic graphs, built from lattice coordinates or ring spirals.
#include "GraphFamilies.h"

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <set>
#include <stdexcept>

namespace grafida::graphs {

namespace {

// Numbers points (any ordered key) from 1 in the order they are first met.
template <class Key> class Numbering {
public:
    int operator()(const Key& key) {
        const auto found = numbers_.find(key);
        if (found != numbers_.end())
            return found->second;
        const int number = static_cast<int>(numbers_.size()) + 1;
        numbers_.emplace(key, number);
        return number;
    }
    int Count() const { return static_cast<int>(numbers_.size()); }

private:
    std::map<Key, int> numbers_;
};

TFLOATARRAY FromEdgeSet(const std::string& name, int n, const std::set<Edge>& edges) {
    return FromEdges(name, n, {edges.begin(), edges.end()});
}

} // namespace

TFLOATARRAY HexagonalFlake(int layers) {
    // Points of the triangular lattice x * (1, 0) + y * (1/2, sqrt 3 / 2): the hexagon
    // centres are the points with x - y divisible by 3, the carbon atoms the others.
    // Centres one ring apart differ by (2, -1), (1, 1) or their difference.
    static const int corner[6][2] = {{1, 0}, {0, 1}, {-1, 1}, {-1, 0}, {0, -1}, {1, -1}};
    Numbering<std::pair<int, int>> atom;
    std::set<Edge> edges;
    const int reach = layers - 1;
    for (int q = -reach; q <= reach; ++q)
        for (int r = -reach; r <= reach; ++r) {
            if (std::abs(q + r) > reach)
                continue;
            const int cx = 2 * q + r;
            const int cy = -q + r;
            for (int k = 0; k < 6; ++k) {
                const int a = atom({cx + corner[k][0], cy + corner[k][1]});
                const int b = atom({cx + corner[(k + 1) % 6][0], cy + corner[(k + 1) % 6][1]});
                edges.insert(std::minmax(a, b));
            }
        }
    return FromEdgeSet("flake" + std::to_string(layers), atom.Count(), edges);
}

namespace {

// The honeycomb as a brick wall: vertex (i, j), i along a row, j the row; row
// neighbours (i, j) - (i + 1, j), and a rung (i, j) - (i, j + 1) where i + j is even.
// wrapRows closes every row into a ring of columns vertices; otherwise the rungs close
// every column into a ring of rows vertices.
TFLOATARRAY BrickWallTube(const std::string& name, int columns, int rows, bool wrapRows) {
    std::set<Edge> edges;
    auto number = [&](int i, int j) { return j * columns + i + 1; };
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i) {
            if (i + 1 < columns || wrapRows)
                edges.insert(std::minmax(number(i, j), number((i + 1) % columns, j)));
            if ((i + j) % 2 == 0 && (j + 1 < rows || !wrapRows))
                edges.insert(std::minmax(number(i, j), number(i, (j + 1) % rows)));
        }
    return FromEdgeSet(name, columns * rows, edges);
}

} // namespace

TFLOATARRAY ZigzagTube(int around, int along) {
    return BrickWallTube("zigzag" + std::to_string(around) + "x" + std::to_string(along), around, along,
                         true);
}

TFLOATARRAY ArmchairTube(int around, int along) {
    return BrickWallTube("armchair" + std::to_string(around) + "x" + std::to_string(along), along, around,
                         false);
}

TFLOATARRAY RandomCubic(int n, std::uint32_t seed) {
    std::mt19937 random(seed);
    for (;;) {
        // Three stubs per vertex, paired at random; loops, double edges and
        // disconnected results are drawn again.
        std::vector<int> stubs;
        for (int v = 1; v <= n; ++v)
            stubs.insert(stubs.end(), 3, v);
        std::shuffle(stubs.begin(), stubs.end(), random);
        std::set<Edge> edges;
        bool simple = true;
        for (size_t k = 0; k + 1 < stubs.size() && simple; k += 2) {
            simple = stubs[k] != stubs[k + 1] && edges.insert(std::minmax(stubs[k], stubs[k + 1])).second;
        }
        if (!simple)
            continue;
        std::vector<std::vector<int>> near(static_cast<size_t>(n) + 1);
        for (const auto& [u, v] : edges) {
            near[static_cast<size_t>(u)].push_back(v);
            near[static_cast<size_t>(v)].push_back(u);
        }
        std::vector<int> reached{1};
        std::vector<char> seen(static_cast<size_t>(n) + 1, 0);
        seen[1] = 1;
        for (size_t head = 0; head < reached.size(); ++head)
            for (int w : near[static_cast<size_t>(reached[head])])
                if (!seen[static_cast<size_t>(w)]) {
                    seen[static_cast<size_t>(w)] = 1;
                    reached.push_back(w);
                }
        if (static_cast<int>(reached.size()) == n)
            return FromEdgeSet("cubic" + std::to_string(n) + "s" + std::to_string(seed), n, edges);
    }
}

namespace {

// A fullerene's bonds, and for each atom (from 1) the three faces that meet there.
struct Cage {
    std::set<Edge> bonds;
    std::vector<std::array<int, 3>> facesAt;
};

Cage CageFromSpiral(const std::string& name, int atoms, const std::vector<int>& pentagons) {
    // Wind the faces up one after another: each new face touches the face before it
    // and the oldest face of the open rim; a rim face that has all its neighbours
    // leaves the rim, and the new face then touches the next one as well.
    const int faces = atoms / 2 + 2;
    std::vector<int> size(static_cast<size_t>(faces), 6);
    for (int p : pentagons)
        size.at(static_cast<size_t>(p - 1)) = 5;
    std::vector<std::set<int>> touching(static_cast<size_t>(faces));
    auto join = [&](int a, int b) {
        touching[static_cast<size_t>(a)].insert(b);
        touching[static_cast<size_t>(b)].insert(a);
    };
    auto full = [&](int f) {
        return static_cast<int>(touching[static_cast<size_t>(f)].size()) >= size[static_cast<size_t>(f)];
    };
    std::deque<int> rim{0};
    join(0, 1);
    rim.push_back(1);
    for (int f = 2; f < faces; ++f) {
        join(f, f - 1);
        if (f == faces - 1) {
            for (int open : rim)
                join(f, open);
            break;
        }
        join(f, rim.front());
        while (full(rim.front())) {
            rim.pop_front();
            if (rim.empty())
                throw std::invalid_argument(name + ": the spiral closes too early");
            join(f, rim.front());
        }
        // The face before may now be closed as well; the new face then meets the one
        // before that on the rim.
        while (rim.size() > 1 && full(rim.back())) {
            rim.pop_back();
            join(f, rim.back());
        }
        rim.push_back(f);
    }
    for (int f = 0; f < faces; ++f)
        if (static_cast<int>(touching[static_cast<size_t>(f)].size()) != size[static_cast<size_t>(f)])
            throw std::invalid_argument(name + ": no fullerene has this spiral");

    // An atom where three faces meet; a bond where two atoms share two faces.
    Numbering<std::array<int, 3>> atom;
    std::map<std::pair<int, int>, std::vector<int>> atomsOnSeam;
    for (int a = 0; a < faces; ++a)
        for (int b : touching[static_cast<size_t>(a)])
            for (int c : touching[static_cast<size_t>(b)])
                if (a < b && b < c && touching[static_cast<size_t>(a)].count(c)) {
                    const int number = atom({a, b, c});
                    atomsOnSeam[{a, b}].push_back(number);
                    atomsOnSeam[{a, c}].push_back(number);
                    atomsOnSeam[{b, c}].push_back(number);
                }
    std::set<Edge> edges;
    for (const auto& [seam, ends] : atomsOnSeam) {
        if (ends.size() != 2)
            throw std::invalid_argument(name + ": faces do not meet as a fullerene's");
        edges.insert(std::minmax(ends[0], ends[1]));
    }
    if (atom.Count() != atoms)
        throw std::invalid_argument(name + ": the spiral gives another number of atoms");
    Cage cage{edges, std::vector<std::array<int, 3>>(static_cast<size_t>(atoms) + 1)};
    for (int a = 0; a < faces; ++a)
        for (int b : touching[static_cast<size_t>(a)])
            for (int c : touching[static_cast<size_t>(b)])
                if (a < b && b < c && touching[static_cast<size_t>(a)].count(c))
                    cage.facesAt[static_cast<size_t>(atom({a, b, c}))] = {a, b, c};
    return cage;
}

} // namespace

TFLOATARRAY FullereneFromSpiral(const std::string& name, int atoms, const std::vector<int>& pentagons) {
    return FromEdgeSet(name, atoms, CageFromSpiral(name, atoms, pentagons).bonds);
}

TFLOATARRAY ChamferedDodecahedron() {
    // Every face of the dodecahedron shrinks into a new pentagon of its own corners
    // (face, atom); each old atom stays, bonded to its three new corners; the old
    // bonds become hexagons.
    const Cage dodecahedron = CageFromSpiral("C20", 20, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    Numbering<std::pair<int, int>> corner;
    for (int v = 1; v <= 20; ++v)
        corner({-1, v}); // the old atoms keep their numbers 1..20
    std::set<Edge> bonds;
    for (int v = 1; v <= 20; ++v)
        for (int face : dodecahedron.facesAt[static_cast<size_t>(v)])
            bonds.insert(std::minmax(v, corner({face, v})));
    for (const auto& [v, w] : dodecahedron.bonds)
        for (int face : dodecahedron.facesAt[static_cast<size_t>(v)]) {
            const auto& other = dodecahedron.facesAt[static_cast<size_t>(w)];
            if (std::find(other.begin(), other.end(), face) != other.end())
                bonds.insert(std::minmax(corner({face, v}), corner({face, w})));
        }
    return FromEdgeSet("C80", corner.Count(), bonds);
}

} // namespace grafida::graphs
