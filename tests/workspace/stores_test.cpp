#include "molecule/Molecula.h"
#include "numeric/Error.h"
#include "workspace/MatrixList.h"
#include "workspace/MoleculeList.h"

#include <gtest/gtest.h>

namespace grafida {
namespace {

TEST(MoleculeNames, AreTheFileNameCutBeforeItsFirstPoint) {
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"/data/hin/Ring.hin", "Ring"},
        {"/other/RING.HIN", "RING"},
        {"ring.a.hin", "ring"},
        {"/dots.in.folder/benzene.HIN", "benzene"},
        {"relative/dir/naphthalene", "naphthalene"},
        {"/data/.hin", ""},
        {"/data/noextension", "noextension"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MoleculeNameOfFile(c.path), c.name) << c.path;
}

TEST(MoleculeNames, IgnoreLetterCaseOfEveryAlphabet) {
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"Benzene", "BENZENE", true}, {"benzene", "benzen", false},
        {"Äthan", "ÄTHAN", true},     {"äthan", "ÄTHAN", true},
        {"Этан", "ЭТАН", true},       {"a_1", "A_1", true},
        {"a_1", "a-1", false},        {"\xC3", "\xC3", true}, // a cut sequence equals only itself
        {"\xC3", "\xC3\xA4", false},  {"", "", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SameMoleculeName(c.a, c.b), c.same) << c.a << " / " << c.b;
}

TEST(MoleculeListStore, SecondFileDifferingOnlyInCaseKeepsTheFirstEntry) {
    MoleculeList list;
    EXPECT_EQ(list.Append(MoleculeNameOfFile("/one/Ring.hin")), 0);
    EXPECT_EQ(list.Append(MoleculeNameOfFile("/two/RING.HIN")), -1);
    EXPECT_EQ(list.Append("benzene"), 1);
    EXPECT_EQ(list.Names(), (std::vector<std::string>{"Ring", "benzene"}));
    EXPECT_EQ(list.IndexOf("rInG"), 0);
    EXPECT_EQ(list.IndexOf("BENZENE"), 1);
    EXPECT_EQ(list.IndexOf("Rin"), -1);

    list.Delete(0);
    EXPECT_EQ(list.Names(), (std::vector<std::string>{"benzene"}));
    EXPECT_THROW(list.Delete(1), GrafidaError);
    EXPECT_THROW(list.Name(-1), GrafidaError);
    list.Clear();
    EXPECT_TRUE(list.Empty());
    EXPECT_EQ(list.IndexOf("benzene"), -1);
}

std::unique_ptr<TFLOATARRAY> Matrix(const std::string& name, int rows, int cols, double fill = 0) {
    auto matrix = std::make_unique<TFLOATARRAY>(rows, cols);
    matrix->SetName(name);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j)
            matrix->Put(i, j, fill);
    return matrix;
}

TEST(MatrixListStore, KeepingAResultUnderATakenNameChangesNothing) {
    MatrixList list;
    ASSERT_EQ(list.Add(Matrix("benz_AD", 2, 2, 1)), 0);
    ASSERT_EQ(list.Add(Matrix("benz_DI", 2, 2, 2)), 1);
    EXPECT_EQ(list.Add(Matrix("benz_AD", 3, 3, 9)), -1);
    EXPECT_EQ(list.Add(nullptr), -1);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(0), *Matrix("benz_AD", 2, 2, 1));
    EXPECT_EQ(list.Item(1).Name(), "benz_DI");
    // Lookup is exact: another letter case is another matrix.
    EXPECT_EQ(list.IndexOfName("BENZ_AD"), -1);
    EXPECT_EQ(list.Add(Matrix("BENZ_AD", 1, 1)), 2);
}

TEST(MatrixListStore, SquareMatrixNamesOmitRectangularMatricesInStoreOrder) {
    MatrixList list;
    EXPECT_TRUE(list.SquareMatrixNames().empty());
    list.Add(Matrix("a_DI", 3, 3));
    list.Add(Matrix("a_vec", 3, 4));
    list.Add(Matrix("b_AD", 1, 1));
    list.Add(Matrix("empty", 0, 0));
    EXPECT_EQ(list.SquareMatrixNames(), (std::vector<std::string>{"a_DI", "b_AD", "empty"}));
}

TEST(MatrixListStore, IndexOfMatrixInTextFindsStoredNamesInsideTheText) {
    MatrixList list;
    EXPECT_EQ(list.IndexOfMatrixInText("benzene"), -1);
    list.Add(Matrix("benzene_AD", 2, 2));
    EXPECT_EQ(list.IndexOfMatrixInText("benzene"), -1);
    list.Add(Matrix("Benz", 2, 2));
    EXPECT_EQ(list.IndexOfMatrixInText("benzene"), -1) << "letters are compared exactly";
    list.Add(Matrix("benz", 2, 2));
    list.Add(Matrix("ben", 2, 2));
    EXPECT_EQ(list.IndexOfMatrixInText("benzene"), 2) << "the first match in store order";
    EXPECT_EQ(list.IndexOfMatrixInText("a_benzene_AD_x"), 0);
}

TEST(MatrixListStore, MoveRemoveAndClear) {
    MatrixList list;
    for (const char* name : {"a", "b", "c", "d"})
        list.Add(Matrix(name, 1, 1));
    auto names = [&] {
        std::string text;
        for (int i = 0; i < list.Count(); ++i)
            text += list.Item(i).Name();
        return text;
    };
    list.Move(0, 2);
    EXPECT_EQ(names(), "bcad");
    list.Move(3, 0);
    EXPECT_EQ(names(), "dbca");
    EXPECT_THROW(list.Move(0, 4), GrafidaError);
    list.RemoveByName("c");
    list.RemoveByName("missing");
    EXPECT_EQ(names(), "dba");
    EXPECT_EQ(list.Find("b"), &list.Item(1));
    EXPECT_EQ(list.Find("c"), nullptr);
    list.Clear();
    EXPECT_TRUE(list.Empty());
}

} // namespace
} // namespace grafida
