#pragma once
// Which columns an index request gives: the names the index table takes (fixed names,
// numbered families such as ad_poly_c3, walk operator combinations and groups), what
// each one computes, and how the selection dialog's flags map onto them.

#include "topology/BasicMatrices.h"
#include "workspace/IndexTable.h"

#include <array>
#include <string>
#include <vector>

namespace grafida {

enum class IndexKind {
    Vertices,
    Edges,
    Randic,
    HalfSum,              // of `matrix`
    CombinatorialHalfSum, // of the combinatorial matrix of `matrix`
    IP,                   // of `matrix`
    IE,                   // of `matrix`, over the bonds
    SzegedIP,
    EigenvalueMax,
    EigenvalueMin,
    CharPolyCoefficient, // c(order) of the adjacency matrix
    LayerX,
    LayerC,
    LayerPolyCoefficient, // column sum of distance `order` of the unit layer matrix
    WalkCount,            // diagonal sum of the adjacency W matrix after `order` steps
    WalkOperator,         // half sum of the walk operator of `walk`
};

// How one column's value is computed: its kind, the matrix it reads, the order of
// a coefficient or walk count, and the three matrices of a walk operator.
struct IndexRecipe {
    IndexKind kind = IndexKind::Vertices;
    BasicMatrix matrix = BasicMatrix::Adjacency;
    int order = 0;
    std::array<BasicMatrix, 3> walk{};
};

struct CataloguedIndex {
    IndexColumn column;
    IndexRecipe recipe;
};

// The columns of a request after "molecule", with what each computes. Raises an
// Error naming the first name that is unknown or names an index without a definition.
std::vector<CataloguedIndex> CatalogueIndices(const IndexRequest& request);

// The names of the default columns after "molecule" ("vertices" ... "ad_eig_min").
const std::vector<std::string>& DefaultIndexNames();

// The names selection flag k (0..23) stands for; walk operator names come from the
// walk option blocks. Empty for a flag without a definition.
std::vector<std::string> IndexNamesOfFlag(int flag, const std::vector<std::string>& walkLines);

// How many members the groups ad_poly, layer_poly and walk_counts stand for.
inline constexpr int kGroupCoefficients = 8;
inline constexpr int kGroupWalkSteps = 4;
// The largest order a numbered name takes (ad_poly_c, LM_poly_e, W..._AD).
inline constexpr int kLargestIndexOrder = 1000;

} // namespace grafida
