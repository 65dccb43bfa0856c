// The Cluj indices IP and IE.

#include "TopologyTesting.h"
#include "graphs/GraphFamilies.h"
#include "numeric/Error.h"
#include "topology/ClujIndices.h"

namespace grafida {
namespace {

TFLOATARRAY PropaneClujDistance(const std::string& name) {
    return TFLOATARRAY(name, {{0, 1, 1}, {2, 0, 2}, {1, 1, 0}});
}

TEST(ClujIndices, PropaneValuesAndNames) {
    const TFLOATARRAY c = PropaneClujDistance("propane_CjDi");
    const TFLOATARRAY pattern = graphs::Path(3);
    const auto ip = CalcIP(&c);
    const auto ie = CalcIE(&pattern, &c);
    ASSERT_TRUE(ip && ie);
    EXPECT_EQ(ip->Value(), 5);
    EXPECT_EQ(ip->Name(), "IP_CjDi");
    EXPECT_EQ(ie->Value(), 4);
    EXPECT_EQ(ie->Name(), "IE_CjDi");
}

TEST(ClujIndices, NameWithoutUnderscoreIsTakenWhole) {
    const TFLOATARRAY c = PropaneClujDistance("CjDi");
    EXPECT_EQ(CalcIP(&c)->Name(), "IP_CjDi");
    const TFLOATARRAY pattern = graphs::Path(3);
    EXPECT_EQ(CalcIE(&pattern, &c)->Name(), "IE_CjDi");
    const TFLOATARRAY longer = PropaneClujDistance("my_mol_CjDi");
    EXPECT_EQ(CalcIP(&longer)->Name(), "IP_mol_CjDi");
}

TEST(ClujIndices, OnlyExactOnesInThePatternSelect) {
    const TFLOATARRAY c = PropaneClujDistance("propane_CjDi");
    TFLOATARRAY pattern = graphs::Path(3);
    pattern.Put(1, 2, 2.0);
    pattern.Put(2, 1, 0.5);
    EXPECT_EQ(CalcIE(&pattern, &c)->Value(), 2); // only (2,3) and (3,2) left: (2*1 + 1*2) / 2
}

TEST(ClujIndices, DiagonalCountsSquared) {
    const TFLOATARRAY m("m_X", {{3, 1}, {2, 0}});
    EXPECT_EQ(CalcIP(&m)->Value(), (9 + 2 + 2) / 2.0L);
}

TEST(ClujIndices, MissingOrMismatchedMatricesGiveNothing) {
    const TFLOATARRAY c = PropaneClujDistance("propane_CjDi");
    const TFLOATARRAY pattern = graphs::Path(3);
    const TFLOATARRAY bigger = graphs::Path(4);
    const TFLOATARRAY wide(3, 4);
    EXPECT_FALSE(CalcIP(nullptr));
    EXPECT_FALSE(CalcIP(&wide));
    EXPECT_FALSE(CalcIE(nullptr, &c));
    EXPECT_FALSE(CalcIE(&pattern, nullptr));
    EXPECT_FALSE(CalcIE(&bigger, &c));
    EXPECT_FALSE(CalcIE(&wide, &wide));
}

TEST(ClujIndices, NamedScalar) {
    const TGLOBV empty;
    EXPECT_EQ(empty.Name(), "");
    EXPECT_EQ(empty.Value(), 0);
    const TGLOBV ip("IP_CjDi", 5);
    TGLOBV copy;
    copy.Assign(ip);
    EXPECT_EQ(copy.Name(), "IP_CjDi");
    EXPECT_EQ(copy.Value(), 5);
    const auto clone = ip.Clone();
    EXPECT_EQ(dynamic_cast<const TGLOBV&>(*clone).Value(), 5);
    EXPECT_THROW(copy.Assign(TFLOATARRAY(1, 1)), GrafidaError);
}

} // namespace
} // namespace grafida
