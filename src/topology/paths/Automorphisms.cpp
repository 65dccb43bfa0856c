#include "topology/paths/Automorphisms.h"

#include <algorithm>
#include <map>
#include <numeric>

namespace grafida::paths {

namespace {

// Individualisation and refinement over two copies of the graph at once: the left
// copy individualises its vertices in a fixed order, the right copy tries every
// vertex of the same colour. Colours are refined on both copies with one shared
// numbering of the signatures, so a colour means the same on both sides; a leaf where
// every colour holds one vertex on each side is a candidate permutation.
class AutomorphismSearch {
public:
    AutomorphismSearch(const PathGraph& graph, int most) : graph_(graph), n_(graph.Size()), most_(most) {}

    std::vector<Permutation> Run() {
        std::vector<int> left(static_cast<size_t>(n_)), right;
        for (int v = 0; v < n_; ++v)
            left[static_cast<size_t>(v)] = static_cast<int>(graph_.Out(v).size());
        right = left;
        if (!Refine(left, right))
            return {Identity()};
        found_.clear();
        overflow_ = false;
        Branch(left, right);
        if (overflow_ || found_.empty())
            return {Identity()};
        // The identity first, then the others in the order found.
        const auto identity = std::find(found_.begin(), found_.end(), Identity());
        std::rotate(found_.begin(), identity, identity + 1);
        return found_;
    }

    Permutation Identity() const {
        Permutation identity(static_cast<size_t>(n_));
        std::iota(identity.begin(), identity.end(), 0);
        return identity;
    }

private:
    // Refines both colourings until stable; false when the two sides stop matching.
    bool Refine(std::vector<int>& left, std::vector<int>& right) const {
        std::vector<std::pair<int, std::vector<int>>> signatures(2 * static_cast<size_t>(n_));
        for (int classes = -1;;) {
            for (int side = 0; side < 2; ++side) {
                const std::vector<int>& colour = side == 0 ? left : right;
                for (int v = 0; v < n_; ++v) {
                    auto& signature = signatures[static_cast<size_t>(side * n_ + v)];
                    signature.first = colour[static_cast<size_t>(v)];
                    signature.second.clear();
                    for (int w : graph_.Out(v))
                        signature.second.push_back(colour[static_cast<size_t>(w)]);
                    std::sort(signature.second.begin(), signature.second.end());
                }
            }
            std::map<std::pair<int, std::vector<int>>, int> number;
            for (const auto& signature : signatures)
                number.emplace(signature, 0);
            int next = 0;
            for (auto& entry : number)
                entry.second = next++;
            std::vector<int> leftCount(number.size(), 0), rightCount(number.size(), 0);
            for (int v = 0; v < n_; ++v) {
                left[static_cast<size_t>(v)] = number[signatures[static_cast<size_t>(v)]];
                right[static_cast<size_t>(v)] = number[signatures[static_cast<size_t>(n_ + v)]];
                ++leftCount[static_cast<size_t>(left[static_cast<size_t>(v)])];
                ++rightCount[static_cast<size_t>(right[static_cast<size_t>(v)])];
            }
            if (leftCount != rightCount)
                return false;
            if (next == classes)
                return true;
            classes = next;
        }
    }

    void Branch(const std::vector<int>& left, const std::vector<int>& right) {
        if (overflow_)
            return;
        if (++nodes_ > 4 * most_ + 1000) {
            overflow_ = true;
            return;
        }
        // The first vertex (left side) of the smallest colour holding more than one.
        std::vector<int> size(static_cast<size_t>(2 * n_ + 1), 0);
        for (int c : left)
            ++size[static_cast<size_t>(c)];
        int chosen = -1;
        for (int v = 0; v < n_; ++v) {
            const int s = size[static_cast<size_t>(left[static_cast<size_t>(v)])];
            if (s > 1 && (chosen < 0 || s < size[static_cast<size_t>(left[static_cast<size_t>(chosen)])]))
                chosen = v;
        }
        if (chosen < 0) {
            Permutation image(static_cast<size_t>(n_));
            std::vector<int> atColour(static_cast<size_t>(2 * n_ + 1), -1);
            for (int v = 0; v < n_; ++v)
                atColour[static_cast<size_t>(right[static_cast<size_t>(v)])] = v;
            for (int v = 0; v < n_; ++v)
                image[static_cast<size_t>(v)] = atColour[static_cast<size_t>(left[static_cast<size_t>(v)])];
            if (IsAutomorphism(image)) {
                found_.push_back(image);
                overflow_ = static_cast<int>(found_.size()) > most_;
            }
            return;
        }
        const int colour = left[static_cast<size_t>(chosen)];
        for (int candidate = 0; candidate < n_; ++candidate) {
            if (right[static_cast<size_t>(candidate)] != colour)
                continue;
            std::vector<int> nextLeft = left, nextRight = right;
            // A colour of its own for the pair, above every colour in use.
            nextLeft[static_cast<size_t>(chosen)] = 2 * n_;
            nextRight[static_cast<size_t>(candidate)] = 2 * n_;
            if (Refine(nextLeft, nextRight))
                Branch(nextLeft, nextRight);
            if (overflow_)
                return;
        }
    }

    bool IsAutomorphism(const Permutation& image) const {
        for (int v = 0; v < n_; ++v) {
            const int w = image[static_cast<size_t>(v)];
            if (w < 0 || graph_.Out(v).size() != graph_.Out(w).size())
                return false;
            for (int u : graph_.Out(v))
                if (!TestBit(graph_.OutSet(w), image[static_cast<size_t>(u)]))
                    return false;
        }
        return true;
    }

    const PathGraph& graph_;
    int n_;
    int most_;
    long nodes_ = 0;
    bool overflow_ = false;
    std::vector<Permutation> found_;
};

constexpr int kLargestSearched = 256;

bool HasTwins(const PathGraph& graph) {
    const int words = graph.Words();
    for (int a = 0; a < graph.Size(); ++a)
        for (int b = a + 1; b < graph.Size(); ++b)
            if (std::equal(graph.NearSet(a), graph.NearSet(a) + words, graph.NearSet(b)))
                return true;
    return false;
}

} // namespace

std::vector<Permutation> FindAutomorphisms(const PathGraph& graph, int most) {
    AutomorphismSearch search(graph, most);
    // Graphs with one-way arcs are left alone, and so are large graphs, where the
    // search would cost more than it could spare. Two vertices with the same
    // neighbours (isolated vertices, leaves on one atom) can be swapped freely, so
    // such a graph has a group too large to list: left alone as well.
    if (!graph.IsSymmetric() || graph.Size() == 0 || graph.Size() > kLargestSearched || HasTwins(graph))
        return {search.Identity()};
    return search.Run();
}

} // namespace grafida::paths
