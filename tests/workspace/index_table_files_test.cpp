// The octane samples that the index table is shown with, and what the program does
// with a computed table besides showing it.
#include "BatchIndicesReference.h"
#include "molecule/ElementData.h"
#include "molecule/Molecula.h"
#include "workspace/IndexTableFiles.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace grafida {
namespace {

// The 18 octane isomers: each file's carbon skeleton has the Wiener index (half sum
// of the distance matrix) known for that isomer, worked out by hand from its tree.
TEST(OctaneSamples, EveryIsomerReadsAsItsCarbonTreeWithItsWienerIndex) {
    SetElementDataDir(GRAFIDA_DATA_DIR);
    const std::pair<const char*, int> isomers[] = {
        {"octane", 84},
        {"2-methylheptane", 79},
        {"3-methylheptane", 76},
        {"4-methylheptane", 75},
        {"3-ethylhexane", 72},
        {"2-2-dimethylhexane", 71},
        {"2-3-dimethylhexane", 70},
        {"2-4-dimethylhexane", 71},
        {"2-5-dimethylhexane", 74},
        {"3-3-dimethylhexane", 67},
        {"3-4-dimethylhexane", 68},
        {"3-ethyl-2-methylpentane", 67},
        {"3-ethyl-3-methylpentane", 64},
        {"2-2-3-trimethylpentane", 63},
        {"2-2-4-trimethylpentane", 66},
        {"2-3-3-trimethylpentane", 62},
        {"2-3-4-trimethylpentane", 65},
        {"2-2-3-3-tetramethylbutane", 58},
    };
    std::set<std::pair<int, double>> distinct;
    for (const auto& [name, wiener] : isomers) {
        TMolecula molecule;
        ASSERT_TRUE(molecule.LoadFromHIN(std::string(GRAFIDA_DATA_DIR) + "/samples/octanes/" + name + ".hin"))
            << name;
        EXPECT_EQ(molecule.VertexCount(), 8) << name;
        EXPECT_EQ(molecule.Bonds.size(), 7u) << name;
        int hydrogens = 0;
        for (int k = 0; k < molecule.VertexCount(); ++k)
            hydrogens += molecule.Atoms[k].HydrogenCount();
        EXPECT_EQ(hydrogens, 18) << name; // C8H18
        const auto indices = CalcMoleculeIndices(molecule);
        ASSERT_TRUE(indices) << name;
        EXPECT_EQ(indices->wiener, wiener) << name;
        distinct.insert({wiener, indices->randic});
    }
    EXPECT_EQ(distinct.size(), 18u); // no file repeats another isomer
    SetElementDataDir({});
}

TEST(IndexTableFiles, AMatrixFileIsOneNamedDotM) {
    const std::pair<const char*, bool> cases[] = {
        {"/w/t.M", true}, {"/w/t.m", true},   {"t.csv", false},
        {"/w/M", false},  {"/w/t.Mx", false}, {"", false},
    };
    for (const auto& [path, matrix] : cases)
        EXPECT_EQ(IsMatrixFilePath(path), matrix) << path;
}

TEST(IndexTableFiles, TheNumericBlockLeavesOutTextColumnsAndMoleculesWithAnEmptyCell) {
    IndexTable table;
    table.columns = {{"molecule", "", ""}, {"n", "", ""}, {"x", "", ""}, {"formula", "", ""}};
    table.rows = {{std::string("a"), 4, 0.5, std::string("C4")},
                  {std::string("b"), 5, std::monostate{}, std::string("C5")},
                  {std::string("c"), 6, -1.25, std::monostate{}}};
    EXPECT_EQ(NumericIndexColumns(table), (std::vector<size_t>{1, 2}));
    std::vector<std::string> leftOut;
    const auto matrix = IndexTableMatrix(table, leftOut);
    EXPECT_EQ(leftOut, std::vector<std::string>{"b"});
    ASSERT_EQ(matrix->Rows(), 2u);
    ASSERT_EQ(matrix->Cols(), 2u);
    EXPECT_EQ(matrix->Get(2, 1), 6);
    EXPECT_EQ(matrix->Get(2, 2), -1.25);
}

TEST(IndexTableFiles, APlotStartsWithTheFirstTwoColumnsThatVary) {
    IndexTable table;
    table.columns = {{"molecule", "", ""}, {"n", "", ""}, {"w", "", ""}, {"r", "", ""}};
    table.rows = {{std::string("a"), 8, 58, 3.25}, {std::string("b"), 8, 84, std::monostate{}}};
    EXPECT_EQ(DefaultPlotColumns(table), (std::pair<size_t, size_t>{1, 2})); // r has one number only
    table.rows.push_back({std::string("c"), 8, 70, 3.68});
    EXPECT_EQ(DefaultPlotColumns(table), (std::pair<size_t, size_t>{2, 3}));
    table.rows.resize(1); // nothing varies in one molecule
    EXPECT_EQ(DefaultPlotColumns(table), (std::pair<size_t, size_t>{1, 2}));
}

} // namespace
} // namespace grafida
