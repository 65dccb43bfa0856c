// The index table: the columns of a request, the cells of the sample molecules
// against values computed independently (by hand and with a separate numpy script
// from the bond lists: walks as powers of A, the characteristic polynomial with
// numpy.poly, the Szeged and Cluj counts by brute force over paths), and empty
// cells with their notes.
#include "BatchIndicesReference.h"
#include "CommandTesting.h"
#include "numeric/Error.h"
#include "numeric/Progress.h"
#include "workspace/IndexCatalogue.h"
#include "workspace/IndexTable.h"
#include "workspace/WalkOptions.h"

#include <cmath>
#include <filesystem>
#include <gmock/gmock.h>

namespace grafida {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

IndexRequest Request(std::vector<std::string> names, bool with3D = true) {
    IndexRequest request;
    request.names = std::move(names);
    request.with3D = with3D;
    return request;
}

std::vector<std::string> Names(const std::vector<IndexColumn>& columns) {
    std::vector<std::string> names;
    for (const IndexColumn& column : columns)
        names.push_back(column.name);
    return names;
}

class IndexTableTest : public testing::CommandTest {
protected:
    const IndexCell& Cell(const IndexTable& table, const std::string& molecule, const std::string& column) {
        const std::vector<std::string> names = Names(table.columns);
        const auto at = std::find(names.begin(), names.end(), column);
        EXPECT_NE(at, names.end()) << column;
        for (const auto& row : table.rows)
            if (std::get<std::string>(row.front()) == molecule)
                return row.at(static_cast<size_t>(at - names.begin()));
        ADD_FAILURE() << molecule;
        static const IndexCell none;
        return none;
    }
    double Number(const IndexTable& table, const std::string& molecule, const std::string& column) {
        const IndexCell& cell = Cell(table, molecule, column);
        if (const int* count = std::get_if<int>(&cell))
            return *count;
        if (const double* value = std::get_if<double>(&cell))
            return *value;
        ADD_FAILURE() << molecule << " " << column << " is not a number";
        return -12345;
    }
};

const std::vector<std::string> kEveryComputedIndex = {
    "randic",  "wiener",  "comb_distance", "detour",      "comb_detour", "distance3d", "IP_CjDi",
    "IE_CjDi", "IP_CFDi", "IE_CFDi",       "IP_SZD",      "ad_eig_max",  "ad_eig_min", "ad_poly",
    "X_LM",    "C_LM",    "layer_poly",    "walk_counts", "WO_AD_DI_AD"};

TEST_F(IndexTableTest, SamplesAgainstIndependentValues) {
    for (const char* sample : {"propane", "benzene", "cyclobutane"})
        LoadSample(sample);
    const IndexTable table = CalcIndexTable(workspace, Request(kEveryComputedIndex));
    EXPECT_TRUE(table.notes.empty());
    const struct {
        const char* molecule;
        const char* column;
        double value;
    } cases[] = {
        // Propane: the path 1-2-3.
        {"propane", "vertices", 3},
        {"propane", "edges", 2},
        {"propane", "randic", std::sqrt(2.0)},
        {"propane", "wiener", 4},
        {"propane", "comb_distance", 5},
        {"propane", "detour", 4},
        {"propane", "comb_detour", 5},
        {"propane", "distance3d", 5.58222},
        {"propane", "IP_CjDi", 5},
        {"propane", "IE_CjDi", 4},
        {"propane", "IP_CFDi", 5},
        {"propane", "IE_CFDi", 4},
        {"propane", "IP_SZD", 5},
        {"propane", "ad_eig_max", std::sqrt(2.0)},
        {"propane", "ad_eig_min", -std::sqrt(2.0)},
        {"propane", "ad_poly_c1", 0},
        {"propane", "ad_poly_c2", -2},
        {"propane", "ad_poly_c3", 0},
        {"propane", "ad_poly_c4", 0},
        {"propane", "X_LM", 0.114},
        {"propane", "C_LM", 1 + std::sqrt(0.5)},
        {"propane", "LM_poly_e0", 3},
        {"propane", "LM_poly_e1", 4},
        {"propane", "LM_poly_e2", 2},
        {"propane", "LM_poly_e3", 0},
        {"propane", "W1_AD", 4},
        {"propane", "W2_AD", 6},
        {"propane", "W3_AD", 8},
        {"propane", "W4_AD", 12},
        {"propane", "WO_AD_DI_AD", 3},
        // Benzene: the cycle of six.
        {"benzene", "randic", 3},
        {"benzene", "wiener", 27},
        {"benzene", "comb_distance", 42},
        {"benzene", "detour", 63},
        {"benzene", "comb_detour", 168},
        {"benzene", "distance3d", 31.1254},
        {"benzene", "IP_CjDi", 90},
        {"benzene", "IE_CjDi", 54},
        {"benzene", "IP_CFDi", 90},
        {"benzene", "IE_CFDi", 54},
        {"benzene", "IP_SZD", 105},
        {"benzene", "ad_eig_max", 2},
        {"benzene", "ad_eig_min", -2},
        {"benzene", "ad_poly_c2", -6},
        {"benzene", "ad_poly_c4", 9},
        {"benzene", "ad_poly_c6", -4},
        {"benzene", "ad_poly_c7", 0},
        {"benzene", "X_LM", 0.1221},
        {"benzene", "C_LM", 1.7010086},
        {"benzene", "LM_poly_e0", 6},
        {"benzene", "LM_poly_e1", 12},
        {"benzene", "LM_poly_e2", 12},
        {"benzene", "LM_poly_e3", 6},
        {"benzene", "W4_AD", 96},
        {"benzene", "WO_AD_DI_AD", 12},
        // Cyclobutane: the cycle of four.
        {"cyclobutane", "randic", 2},
        {"cyclobutane", "wiener", 8},
        {"cyclobutane", "comb_distance", 10},
        {"cyclobutane", "detour", 16},
        {"cyclobutane", "comb_detour", 30},
        {"cyclobutane", "distance3d", 10.5841},
        {"cyclobutane", "IP_CjDi", 18},
        {"cyclobutane", "IE_CjDi", 16},
        {"cyclobutane", "IP_SZD", 18},
        {"cyclobutane", "ad_poly_c2", -4},
        {"cyclobutane", "ad_poly_c4", 0},
        {"cyclobutane", "X_LM", 0.121},
        {"cyclobutane", "C_LM", 1.6568542},
        {"cyclobutane", "LM_poly_e1", 8},
        {"cyclobutane", "LM_poly_e2", 4},
        {"cyclobutane", "W3_AD", 32},
        {"cyclobutane", "WO_AD_DI_AD", 8},
    };
    for (const auto& c : cases) {
        // The work file keeps five significant digits of the coordinates; the C index
        // sums in single precision.
        const double tolerance = std::string(c.column) == "distance3d" ? 5e-3 : 1e-6;
        EXPECT_NEAR(Number(table, c.molecule, c.column), c.value, tolerance) << c.molecule << " " << c.column;
    }
}

// The Hückel characteristic polynomial of naphthalene, x^10 - 11x^8 + 41x^6 - 65x^4 +
// 43x^2 - 9, as chemical graph theory textbooks give it.
TEST_F(IndexTableTest, NaphthalenesCharacteristicPolynomial) {
    LoadSample("naphthalene");
    std::vector<std::string> names;
    for (int k = 1; k <= 11; ++k)
        names.push_back("ad_poly_c" + std::to_string(k));
    const IndexTable table = CalcIndexTable(workspace, Request(names));
    const double expected[] = {0, -11, 0, 41, 0, -65, 0, 43, 0, -9, 0};
    for (int k = 1; k <= 11; ++k)
        EXPECT_EQ(Number(table, "naphthalene", names[static_cast<size_t>(k - 1)]), expected[k - 1]) << k;
}

// Large coefficients stay exact integers: those of the buckyball were checked with an
// exact rational computation in Python; c2 = -edges, c5 = -2 × the twelve pentagons.
TEST_F(IndexTableTest, TheBuckyballsCharacteristicPolynomialIsExact) {
    LoadHin(std::string(GRAFIDA_TEST_DATA_DIR) + "/reference/molecules/buckminsterfullerene.hin");
    const IndexTable table = CalcIndexTable(
        workspace, Request({"ad_poly_c2", "ad_poly_c4", "ad_poly_c5", "ad_poly_c17", "ad_poly_c60"}));
    const std::vector<IndexCell>& row = table.rows.at(0);
    EXPECT_EQ(row.at(3), IndexCell(-90.0));
    EXPECT_EQ(row.at(4), IndexCell(3825.0));
    EXPECT_EQ(row.at(5), IndexCell(-24.0));
    EXPECT_EQ(row.at(6), IndexCell(-3322759768.0));
    EXPECT_EQ(row.at(7), IndexCell(-5660928.0));
}

// On a tree IP of the Cluj distance matrix is the hyper-Wiener index, n-octane's 210
// (Randić, Chem. Phys. Lett. 211 (1993) 478). The Szeged distance matrix counts every
// vertex nearer to i, not only those off the path, so it never falls below it; n-octane's
// IP_SZD, 340, was counted by brute force in a separate script.
TEST_F(IndexTableTest, OctanesClujAndSzegedIP) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(GRAFIDA_DATA_DIR) + "/samples/octanes"))
        LoadHin(entry.path().string());
    const IndexTable table = CalcIndexTable(workspace, Request({"IP_SZD", "IP_CjDi"}));
    ASSERT_EQ(table.rows.size(), 18u);
    for (const auto& row : table.rows)
        EXPECT_GE(std::get<double>(row.at(3)), std::get<double>(row.at(4))) << FormatIndexCell(row.front());
    EXPECT_EQ(Number(table, "octane", "IP_CjDi"), 210);
    EXPECT_EQ(Number(table, "octane", "IP_SZD"), 340);
}

TEST_F(IndexTableTest, TwoFragmentsLeaveTheDistanceIndicesEmptyAndSayWhy) {
    LoadSample("ethene-water");
    const IndexTable table = CalcIndexTable(workspace, Request(kEveryComputedIndex));
    for (const char* column : {"wiener", "comb_distance", "detour", "comb_detour", "IP_CjDi", "IP_CFDi",
                               "IP_SZD", "X_LM", "C_LM", "LM_poly_e0", "WO_AD_DI_AD"})
        EXPECT_TRUE(std::holds_alternative<std::monostate>(Cell(table, "ethene-water", column))) << column;
    // Indices of bonds, spectra, walks and geometry stay defined.
    const struct {
        const char* column;
        double value;
    } defined[] = {{"randic", 1},      {"IE_CjDi", 1}, {"ad_eig_max", 1},      {"ad_eig_min", -1},
                   {"ad_poly_c2", -1}, {"W3_AD", 2},   {"distance3d", 7.86673}};
    for (const auto& c : defined)
        EXPECT_NEAR(Number(table, "ethene-water", c.column), c.value, 5e-3) << c.column;
    ASSERT_EQ(table.notes.size(), 1u);
    EXPECT_THAT(table.notes[0], HasSubstr("ethene-water: wiener, comb_distance"));
    EXPECT_THAT(table.notes[0], HasSubstr("the graph is not connected"));
}

TEST_F(IndexTableTest, MissingCoordinatesAndAnUnreadableWorkFileGiveEmptyCellsWithNotes) {
    LoadSample("propane");
    workspace.molecules.Append("vanished");
    const IndexTable table = CalcIndexTable(workspace, Request({"wiener", "distance3d"}, false));
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(Cell(table, "propane", "distance3d")));
    EXPECT_EQ(Number(table, "propane", "wiener"), 4);
    for (size_t k = 1; k < table.rows[1].size(); ++k)
        EXPECT_TRUE(std::holds_alternative<std::monostate>(table.rows[1][k]));
    // Leaving the 3D distances out was the user's choice: no note says so again.
    EXPECT_THAT(table.notes,
                ElementsAre("vanished: every index left empty: its work file could not be read"));
}

TEST_F(IndexTableTest, TheDefaultRequestKeepsTheBatchColumnsAndValues) {
    LoadSample("benzene");
    const IndexTable table = CalcIndexTable(workspace, {});
    const auto& batch = MoleculeIndexColumns();
    EXPECT_THAT(Names(table.columns), ElementsAreArray(batch.begin(), batch.end()));
    TMolecula benzene;
    ASSERT_TRUE(benzene.LoadFromFile(workspace.WorkFilePath("benzene")));
    std::vector<IndexCell> expected;
    for (const Descriptor& descriptor : DescriptorTable(*CalcMoleculeIndices(benzene)))
        expected.push_back(descriptor.value);
    EXPECT_EQ(table.rows.at(0), expected);
}

TEST(IndexRequest, FlagsGiveTheirColumns) {
    const std::vector<std::string> walk = testing::Joined(
        {WalkOptionsBlock({"DI", "AD"}, {"DE"}, {"AD", "AD"}), WalkOptionsBlock({"DI"}, {"DE"}, {"CjDi"})});
    const struct {
        std::vector<int> flags;
        std::vector<std::string> columns;
    } cases[] = {
        {{0, 3, 17}, {"randic", "wiener", "ad_eig_max"}},
        {{12, 20}, {"IP_SZD", "C_LM"}},
        {{16},
         {"ad_poly_c1", "ad_poly_c2", "ad_poly_c3", "ad_poly_c4", "ad_poly_c5", "ad_poly_c6", "ad_poly_c7",
          "ad_poly_c8"}},
        {{22}, {"W1_AD", "W2_AD", "W3_AD", "W4_AD"}},
        // M1 outermost; a combination named twice is one column.
        {{23}, {"WO_DI_DE_AD", "WO_AD_DE_AD", "WO_DI_DE_CjDi"}},
        // Indices without a definition add nothing.
        {{1, 2, 13, 14, 15}, {}},
    };
    for (const auto& c : cases) {
        std::vector<bool> flags(24, false);
        for (int flag : c.flags)
            flags[static_cast<size_t>(flag)] = true;
        const IndexRequest request = IndexRequestFromFlags(flags, {7}, walk);
        EXPECT_EQ(request.elongation, 7);
        std::vector<std::string> expected = {"molecule", "vertices", "edges"};
        expected.insert(expected.end(), c.columns.begin(), c.columns.end());
        EXPECT_EQ(Names(IndexColumns(request)), expected) << c.flags.front();
    }
}

TEST(IndexRequest, OnlyTheIndicesWithoutDefinitionHaveAReason) {
    for (int flag = 0; flag < 24; ++flag) {
        const bool unavailable = flag == 1 || flag == 2 || flag == 13 || flag == 14 || flag == 15;
        EXPECT_EQ(IndexUnavailableReason(flag).empty(), !unavailable) << flag;
    }
}

TEST(IndexRequest, NamesItCannotTakeAreNamedInTheError) {
    const struct {
        const char* name;
        const char* message;
    } cases[] = {
        {"bogus", "Unknown index bogus"},
        {"Wiener", "Unknown index Wiener"},
        {"ad_poly_c0", "Unknown index ad_poly_c0"},
        {"ad_poly_c01", "Unknown index ad_poly_c01"},
        {"W0_AD", "Unknown index W0_AD"},
        {"LM_poly_e1001", "Unknown index LM_poly_e1001"},
        {"WO_AD_DI", "Unknown index WO_AD_DI"},
        {"WO_W3_DI_DE_AD", "Unknown index WO_W3_DI_DE_AD: the walk operator takes three of AD, CON"},
        {"LOVI", "Index LOVI can not be computed: Not available: LOVI names"},
        {"razinger", "Index razinger can not be computed: Not available"},
    };
    for (const auto& c : cases)
        EXPECT_THAT(testing::ErrorOf([&] {
                        IndexColumns(Request({"wiener", c.name}));
                    }),
                    HasSubstr(c.message))
            << c.name;
}

class CancelAtOnce final : public ProgressSink {
public:
    void Start(std::int64_t) override {}
    void Step() override {}
    void Done() override {}
    bool CancelRequested() override { return true; }
};

TEST_F(IndexTableTest, ACancelRequestStopsTheTable) {
    LoadSample("propane");
    LoadSample("benzene");
    CancelAtOnce sink;
    ProgressSinkScope scope(sink);
    EXPECT_THROW(CalcIndexTable(workspace, Request({"detour"})), ComputationCancelled);
}

} // namespace
} // namespace grafida

namespace grafida {
namespace {

TEST(IndexTableText, TheWindowShowsTenDigitsWhereFilesKeepEvery) {
    const struct {
        IndexCell cell;
        const char* shown;
        const char* written;
    } cases[] = {{1.9999999999999996, "2", "1.9999999999999996"},
                 {3.481380475434849, "3.481380475", "3.481380475434849"},
                 {19178318590.0, "1.917831859e+10", "19178318590"},
                 {7, "7", "7"},
                 {std::string("benzene"), "benzene", "benzene"},
                 {std::monostate{}, "", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(ShownIndexCell(c.cell), c.shown);
        EXPECT_EQ(FormatIndexCell(c.cell), c.written);
    }
}

TEST(IndexTableText, CsvQuotesAndTabTextKeepsOneCellPerField) {
    IndexTable table;
    table.columns = {{"molecule", "", ""}, {"vertices", "", ""}, {"wiener", "", ""}};
    table.rows = {{std::string("a, \"b\"\tc"), 3, std::monostate{}}, {std::string("d"), 4, 1.0 / 3}};
    EXPECT_EQ(IndexTableCsv(table),
              "molecule,vertices,wiener\r\n\"a, \"\"b\"\"\tc\",3,\r\nd,4,0.3333333333333333\r\n");
    EXPECT_EQ(IndexTableTabSeparated(table),
              "molecule\tvertices\twiener\r\na, \"b\" c\t3\t\r\nd\t4\t0.3333333333333333\r\n");
}

} // namespace
} // namespace grafida
