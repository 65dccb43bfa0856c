#include "workspace/IndexCatalogue.h"

#include "numeric/Error.h"
#include "numeric/Messages.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <set>

namespace grafida {

namespace {

struct FixedIndex {
    const char* name;
    const char* title;
    const char* description;
    IndexKind kind;
    BasicMatrix matrix = BasicMatrix::Adjacency;
};

using BM = BasicMatrix;
using IK = IndexKind;

const std::vector<FixedIndex>& FixedIndices() {
    static const std::vector<FixedIndex> table = {
        {"vertices", "Vertices", "Number of heavy atoms (vertices of the hydrogen-depleted graph)",
         IK::Vertices},
        {"edges", "Edges", "Number of bonds between heavy atoms (edges)", IK::Edges},
        {"randic", "Randic",
         "Randić connectivity index: sum over the bonds of (deg(a)·deg(b))^(-1/2); dimensionless",
         IK::Randic},
        {"wiener", "1/2Sum Distance",
         "Wiener index: half the sum of the topological distance matrix; in bonds", IK::HalfSum,
         BM::Distance},
        {"comb_distance", "1/2Sum Combinatorial distance",
         "Half the sum of the combinatorial distance matrix, entries d(d+1)/2; dimensionless count",
         IK::CombinatorialHalfSum, BM::Distance},
        {"detour", "1/2Sum Detour",
         "Detour index: half the sum of the detour (longest simple path) matrix; in bonds", IK::HalfSum,
         BM::Detour},
        {"comb_detour", "1/2Sum Combinatorial detour",
         "Half the sum of the combinatorial detour matrix, entries d(d+1)/2; dimensionless count",
         IK::CombinatorialHalfSum, BM::Detour},
        {"distance3d", "1/2Sum Distance 3D",
         "Half the sum of the geometric distance matrix; in the file's coordinate units (Å for HyperChem)",
         IK::HalfSum, BM::Distance3D},
        {"IP_CjDi", "IP Cluj Distance",
         "IP of the Cluj distance matrix: sum over all vertex pairs of CjDi(i,j)·CjDi(j,i); dimensionless",
         IK::IP, BM::ClujDistance},
        {"IE_CjDi", "IE Cluj Distance",
         "IE of the Cluj distance matrix: sum over the bonds of CjDi(i,j)·CjDi(j,i); dimensionless", IK::IE,
         BM::ClujDistance},
        {"IP_CjDe", "IP Cluj Detour",
         "IP of the Cluj detour matrix: sum over all vertex pairs of CjDe(i,j)·CjDe(j,i); dimensionless",
         IK::IP, BM::ClujDetour},
        {"IE_CjDe", "IE Cluj Detour",
         "IE of the Cluj detour matrix: sum over the bonds of CjDe(i,j)·CjDe(j,i); dimensionless", IK::IE,
         BM::ClujDetour},
        {"IP_CFDi", "IP Cluj Fragmental Distance",
         "IP of the Cluj fragmental distance matrix: sum over all vertex pairs of CFDi(i,j)·CFDi(j,i); "
         "dimensionless",
         IK::IP, BM::ClujFragDistance},
        {"IE_CFDi", "IE Cluj Fragmental Distance",
         "IE of the Cluj fragmental distance matrix: sum over the bonds of CFDi(i,j)·CFDi(j,i); "
         "dimensionless",
         IK::IE, BM::ClujFragDistance},
        {"IP_CFDe", "IP Cluj Fragmental Detour",
         "IP of the Cluj fragmental detour matrix: sum over all vertex pairs of CFDe(i,j)·CFDe(j,i); "
         "dimensionless",
         IK::IP, BM::ClujFragDetour},
        {"IE_CFDe", "IE Cluj Fragmental Detour",
         "IE of the Cluj fragmental detour matrix: sum over the bonds of CFDe(i,j)·CFDe(j,i); dimensionless",
         IK::IE, BM::ClujFragDetour},
        {"ad_eig_max", "Max eigen value", "Largest eigenvalue of the adjacency matrix; dimensionless",
         IK::EigenvalueMax},
        {"ad_eig_min", "Min eigen value", "Smallest eigenvalue of the adjacency matrix; dimensionless",
         IK::EigenvalueMin},
        {"IP_SZD", "IP Szeged Distance",
         "IP of the unsymmetric Szeged matrix: sum over all vertex pairs of n(i)·n(j), n(i) the vertices "
         "closer to i "
         "than to j; dimensionless",
         IK::SzegedIP, BM::Distance},
        {"X_LM", "X index",
         "X index of the layer matrix with unit weights, summed over the vertices; dimensionless",
         IK::LayerX},
        {"C_LM", "C index",
         "C index of the layer matrix with unit weights, summed over the vertices; dimensionless",
         IK::LayerC},
    };
    return table;
}

// Names the selection dialog offers without a definition to compute them from.
struct UnavailableIndex {
    const char* name;
    int flag;
    const char* reason;
};
constexpr UnavailableIndex kUnavailable[] = {
    {"razinger", 1, messages::kNoRazingerDefinition}, {"DSI", 2, messages::kNoDsiDefinition},
    {"IP_ext", 13, messages::kNoExtendedDefinition},  {"IE_ext", 14, messages::kNoExtendedDefinition},
    {"LOVI", 15, messages::kNoLoviDefinition},
};

const FixedIndex* FindFixed(const std::string& name) {
    for (const FixedIndex& index : FixedIndices())
        if (name == index.name)
            return &index;
    return nullptr;
}

std::optional<int> NumberAfter(const std::string& name, const std::string& prefix,
                               const std::string& suffix = {}) {
    if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
        name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
        return std::nullopt;
    const char* first = name.data() + prefix.size();
    const char* last = name.data() + name.size() - suffix.size();
    if (*first == '+' || *first == '-' || (*first == '0' && last - first > 1))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || value > kLargestIndexOrder)
        return std::nullopt;
    return value;
}

std::optional<BasicMatrix> BasicMatrixOfCode(const std::string& code) {
    const auto& codes = BasicMatrixCodes();
    for (size_t k = 0; k < codes.size(); ++k)
        if (code == codes[k])
            return static_cast<BasicMatrix>(k);
    return std::nullopt;
}

// "WO_" + three basic matrix codes joined by "_".
std::optional<std::array<BasicMatrix, 3>> WalkOperatorOf(const std::string& name) {
    if (name.rfind("WO_", 0) != 0)
        return std::nullopt;
    std::array<BasicMatrix, 3> walk{};
    size_t start = 3;
    for (size_t k = 0; k < 3; ++k) {
        const size_t end = k < 2 ? name.find('_', start) : name.size();
        if (end == std::string::npos)
            return std::nullopt;
        const auto matrix = BasicMatrixOfCode(name.substr(start, end - start));
        if (!matrix)
            return std::nullopt;
        walk[k] = *matrix;
        start = end + 1;
    }
    return walk;
}

std::string Text(int value) {
    return std::to_string(value);
}

std::optional<CataloguedIndex> Parse(const std::string& name) {
    if (const FixedIndex* fixed = FindFixed(name))
        return CataloguedIndex{{fixed->name, fixed->title, fixed->description}, {fixed->kind, fixed->matrix}};
    if (const auto k = NumberAfter(name, "ad_poly_c"); k && *k >= 1)
        return CataloguedIndex{
            {name, "Polynomial coificient c" + Text(*k),
             "Coefficient c" + Text(*k) + " of x^(n-" + Text(*k) +
                 ") in the characteristic polynomial det(xI - A) of the adjacency matrix; 0 when " +
                 Text(*k) + " > n; an integer"},
            {IndexKind::CharPolyCoefficient, BasicMatrix::Adjacency, *k}};
    if (const auto e = NumberAfter(name, "LM_poly_e"))
        return CataloguedIndex{{name, "Layer polinomial coificient e" + Text(*e),
                                "Coefficient of the layer polynomial for distance " + Text(*e) +
                                    ": column sum of the layer matrix with unit weights (ordered vertex "
                                    "pairs at that distance; n for "
                                    "distance 0; 0 beyond the largest distance)"},
                               {IndexKind::LayerPolyCoefficient, BasicMatrix::Distance, *e}};
    if (const auto k = NumberAfter(name, "W", "_AD"); k && *k >= 1)
        return CataloguedIndex{{name, "W" + Text(*k) + " diagonal sum",
                                "Diagonal sum of the W matrix of the adjacency matrix after " + Text(*k) +
                                    " steps with unit weights: the number of walks of length " + Text(*k) +
                                    "; a count (summed in single precision: rounded above 16777216)"},
                               {IndexKind::WalkCount, BasicMatrix::Adjacency, *k}};
    if (const auto walk = WalkOperatorOf(name)) {
        const auto& codes = BasicMatrixCodes();
        const std::string m1 = codes[static_cast<size_t>((*walk)[0])];
        const std::string m2 = codes[static_cast<size_t>((*walk)[1])];
        const std::string m3 = codes[static_cast<size_t>((*walk)[2])];
        return CataloguedIndex{{name, "Walk operator " + m1 + " " + m2 + " " + m3,
                                "Half the sum of the walk operator matrix: over the vertex pairs i != j, the "
                                "walks of vertex i in " +
                                    m1 + " of the length " + m2 + "(i,j), times " + m3 +
                                    "(i,j), divided by 2"},
                               {IndexKind::WalkOperator, BasicMatrix::Adjacency, 0, *walk}};
    }
    return std::nullopt;
}

std::vector<std::string> GroupMembers(const std::string& name) {
    std::vector<std::string> members;
    if (name == "ad_poly")
        for (int k = 1; k <= kGroupCoefficients; ++k)
            members.push_back("ad_poly_c" + Text(k));
    else if (name == "layer_poly")
        for (int e = 0; e < kGroupCoefficients; ++e)
            members.push_back("LM_poly_e" + Text(e));
    else if (name == "walk_counts")
        for (int k = 1; k <= kGroupWalkSteps; ++k)
            members.push_back("W" + Text(k) + "_AD");
    else if (name == "default")
        members = DefaultIndexNames();
    return members;
}

// The walk option blocks as walk operator names, M1 × M2 × M3 in list order (M1
// outermost), block after block.
std::vector<std::string> WalkOperatorNames(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    std::array<std::vector<std::string>, 3> lists;
    size_t list = 0;
    bool inBlock = false;
    for (const std::string& line : lines) {
        if (line == "begin walk matrices") {
            inBlock = true;
            list = 0;
            lists = {};
        } else if (line == "end walk matrices") {
            if (inBlock)
                for (const auto& m1 : lists[0])
                    for (const auto& m2 : lists[1])
                        for (const auto& m3 : lists[2])
                            names.push_back("WO_" + m1 + "_" + m2 + "_" + m3);
            inBlock = false;
        } else if (inBlock && line == ",") {
            list = std::min<size_t>(list + 1, 2);
        } else if (inBlock && !line.empty()) {
            lists[list].push_back(line);
        }
    }
    return names;
}

} // namespace

const std::vector<std::string>& DefaultIndexNames() {
    static const std::vector<std::string> names = {
        "vertices",    "edges",      "randic",  "wiener",  "comb_distance", "detour",
        "comb_detour", "distance3d", "IP_CjDi", "IE_CjDi", "IP_CjDe",       "IE_CjDe",
        "IP_CFDi",     "IE_CFDi",    "IP_CFDe", "IE_CFDe", "ad_eig_max",    "ad_eig_min"};
    return names;
}

std::vector<std::string> IndexNamesOfFlag(int flag, const std::vector<std::string>& walkLines) {
    static const std::vector<std::vector<std::string>> byFlag = {{"randic"},
                                                                 {},
                                                                 {},
                                                                 {"wiener"},
                                                                 {"comb_distance"},
                                                                 {"detour"},
                                                                 {"comb_detour"},
                                                                 {"distance3d"},
                                                                 {"IP_CjDi"},
                                                                 {"IE_CjDi"},
                                                                 {"IP_CFDi"},
                                                                 {"IE_CFDi"},
                                                                 {"IP_SZD"},
                                                                 {},
                                                                 {},
                                                                 {},
                                                                 {"ad_poly"},
                                                                 {"ad_eig_max"},
                                                                 {"ad_eig_min"},
                                                                 {"X_LM"},
                                                                 {"C_LM"},
                                                                 {"layer_poly"},
                                                                 {"walk_counts"},
                                                                 {}};
    if (flag == 23)
        return WalkOperatorNames(walkLines);
    if (flag < 0 || flag >= static_cast<int>(byFlag.size()))
        return {};
    return byFlag[static_cast<size_t>(flag)];
}

std::string IndexUnavailableReason(int flag) {
    for (const UnavailableIndex& index : kUnavailable)
        if (index.flag == flag)
            return index.reason;
    return {};
}

std::vector<CataloguedIndex> CatalogueIndices(const IndexRequest& request) {
    std::vector<std::string> names = {"vertices", "edges"};
    for (const std::string& name : request.names.empty() ? DefaultIndexNames() : request.names) {
        const std::vector<std::string> members = GroupMembers(name);
        if (members.empty())
            names.push_back(name);
        else
            names.insert(names.end(), members.begin(), members.end());
    }
    std::vector<CataloguedIndex> indices;
    std::set<std::string> seen;
    for (const std::string& name : names) {
        if (!seen.insert(name).second)
            continue;
        for (const UnavailableIndex& index : kUnavailable)
            if (name == index.name)
                RaiseError(messages::kIndexUnavailable, name, index.reason);
        auto index = Parse(name);
        if (!index && name.rfind("WO_", 0) == 0)
            RaiseError(messages::kUnknownWalkOperator, name);
        if (!index)
            RaiseError(messages::kUnknownIndex, name);
        indices.push_back(std::move(*index));
    }
    return indices;
}

} // namespace grafida
