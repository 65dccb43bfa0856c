// Real files written by another program (Open Babel), checked against the graph an
// independent reader found in each of them.

#include "MoleculeTesting.h"
#include "support/RecordingReporter.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <tuple>

namespace grafida {
namespace {

using testing::BareSymbol;
using testing::ElementDataDirScope;
using testing::RecordedMessages;
using testing::TestDataPath;

using BondRow = std::tuple<int, int, std::string>;

std::string LetterOfOrder(double order) {
    if (order == 1.0)
        return "s";
    if (order == 2.0)
        return "d";
    if (order == 3.0)
        return "t";
    if (order == 1.5)
        return "a";
    return "?";
}

double Distance(const TAtom& a, const TAtom& b) {
    return std::hypot(a.X() - b.X(), a.Y() - b.Y(), a.Z() - b.Z());
}

std::vector<std::string> ReferenceNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(TestDataPath("reference/molecules")))
        names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReferenceMolecules, ReaderAgreesWithTheIndependentGraph) {
    ElementDataDirScope data;
    const auto names = ReferenceNames();
    ASSERT_GE(names.size(), 12u);
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        std::ifstream json(TestDataPath("reference/values/" + name + ".json"));
        const auto reference = nlohmann::json::parse(json);
        RecordedMessages messages;
        TMolecula molecule;
        ASSERT_TRUE(molecule.LoadFromHIN(TestDataPath("reference/molecules/" + name + ".hin")));
        EXPECT_TRUE(messages.errors().empty());

        const auto elements = reference["elements"].get<std::vector<std::string>>();
        const auto hydrogens = reference["hydrogens"].get<std::vector<int>>();
        ASSERT_EQ(molecule.VertexCount(), static_cast<int>(elements.size()));
        for (int k = 0; k < molecule.VertexCount(); ++k) {
            EXPECT_EQ(BareSymbol(molecule.Atoms[k]), elements[static_cast<size_t>(k)]) << "vertex " << k + 1;
            EXPECT_NE(molecule.Atoms[k].Element().AtomicNumber, 0) << "vertex " << k + 1;
            EXPECT_EQ(molecule.Atoms[k].HydrogenCount(), hydrogens[static_cast<size_t>(k)])
                << "vertex " << k + 1;
        }

        std::vector<BondRow> expected;
        for (const auto& bond : reference["bonds"]) {
            const int a = bond[0].get<int>();
            const int b = bond[1].get<int>();
            expected.emplace_back(std::min(a, b), std::max(a, b), LetterOfOrder(bond[2].get<double>()));
        }
        std::vector<BondRow> read;
        for (const auto& bond : molecule.Bonds) {
            read.emplace_back(bond.A1, bond.A2, LetterOfBondType(bond.BondType));
            EXPECT_TRUE(molecule.Atoms[bond.A1 - 1].Neighbours().Contains(bond.A2));
            EXPECT_TRUE(molecule.Atoms[bond.A2 - 1].Neighbours().Contains(bond.A1));
        }
        std::sort(expected.begin(), expected.end());
        std::sort(read.begin(), read.end());
        EXPECT_EQ(read, expected);

        // The coordinates, through the distances the reference computed from them.
        const auto& d3d = reference["D3D"];
        double worst = 0;
        for (int i = 0; i < molecule.VertexCount(); ++i)
            for (int j = 0; j < molecule.VertexCount(); ++j)
                worst = std::max(worst,
                                 std::abs(Distance(molecule.Atoms[i], molecule.Atoms[j]) -
                                          d3d[static_cast<size_t>(i)][static_cast<size_t>(j)].get<double>()));
        EXPECT_LT(worst, 5e-4);
    }
}

} // namespace
} // namespace grafida
