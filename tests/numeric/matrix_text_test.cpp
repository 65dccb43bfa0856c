#include "numeric/MatrixText.h"
#include "numeric/NumberText.h"
#include "numeric/TextFile.h"
#include "support/FileSizeLimit.h"
#include "support/RecordingReporter.h"

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>

namespace grafida {
namespace {

using testing::FileSizeLimit;
using testing::ReadFile;
using testing::RecordedMessages;
using testing::ScratchDir;
using Lines = std::vector<std::string>;

Lines Plain(const TFLOATARRAY& m, int width = 4, int decimals = 2) {
    StringListTarget target;
    PrintPlain(m, target, static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(decimals));
    return target.lines;
}

Lines Formatted(const TFLOATARRAY& m, std::span<const TFLOATVEC* const> perRow = {},
                std::span<const TFLOATVEC* const> trailing = {}, int width = 4, int decimals = 2) {
    StringListTarget target;
    PrintFormatted(m, target, perRow, trailing, static_cast<std::uint8_t>(width),
                   static_cast<std::uint8_t>(decimals));
    return target.lines;
}

const TFLOATARRAY kAdjacency("m_AD", {{0, 1}, {1, 0}});

TEST(MatrixText, PlainAndFormattedLayouts) {
    EXPECT_EQ(Plain(kAdjacency), (Lines{"$TFLOATARRAY", "m_AD", "2 2", "0.00 1.00 ", "1.00 0.00 "}));
    EXPECT_EQ(Formatted(kAdjacency),
              (Lines{"$TFLOATARRAY", "m_AD", "2 2", "0.00 1.00   1.00", "1.00 0.00   1.00", "",
                     "1.00 1.00   2.00", "", "SUM = 2.00", "1/2SUM = 1.00"}));
    EXPECT_EQ(Plain(TFLOATARRAY()), (Lines{"$TFLOATARRAY", "", "0 0"}));
    EXPECT_EQ(Formatted(TFLOATARRAY()),
              (Lines{"$TFLOATARRAY", "", "0 0", "", "  0.00", "", "SUM = 0.00", "1/2SUM = 0.00"}));
}

TEST(MatrixText, FormattedWithPerRowAndTrailingVectors) {
    const TFLOATARRAY m("p_L", {{1, 2}, {3, 4.5}});
    const TFLOATVEC layers("X", {0.5, 1.25, 9});
    const TFLOATVEC sums("LS", {1, 2, 3});
    const TFLOATVEC* perRow[] = {&layers};
    const TFLOATVEC* trailing[] = {&sums, &layers};
    EXPECT_EQ(Formatted(m, perRow, trailing, 3, 1),
              (Lines{"$TFLOATARRAY", "p_L", "2 2", "1.0 2.0   3.0  0.5", "3.0 4.5   7.5  1.2", "",
                     "4.0 6.5   10.5 X = 10.8", "", "LS = 1.0 2.0 3.0   6.0", "X = 0.5 1.2 9.0   10.8",
                     "SUM = 10.5", "1/2SUM = 5.2"}));
}

TEST(MatrixText, NumberFieldsFollowWidthAndDecimals) {
    const TFLOATARRAY m("w", {{3, -12345.678}});
    EXPECT_EQ(Plain(m, 4, 0)[3], "3    -12346 ");
    EXPECT_EQ(Plain(m, 0, 3)[3], "3.000 -12345.678 ");
    EXPECT_EQ(Plain(m, 12, 1)[3], "3.0          -12345.7     ");
    EXPECT_EQ(FormatFixed(0.125, 6, 2, false), "  0.12"); // round half to even, as printf
    EXPECT_EQ(FormatFixed(-0.001, 1, 2), "-0.00");
}

TEST(MatrixText, FixedFormatMatchesPrintfOnRandomValues) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-8, 12), decimals(0, 12), width(0, 20);
    CLocaleScope cLocale;
    for (int n = 0; n < 20000; ++n) {
        const double value = std::ldexp(mantissa(random), exponent(random) * 3);
        const int w = width(random), d = decimals(random);
        char expected[512];
        std::snprintf(expected, sizeof expected, "%-*.*f", w, d, value);
        ASSERT_EQ(FormatFixed(value, w, d), expected) << value << " " << w << " " << d;
        std::snprintf(expected, sizeof expected, "%*.*f", w, d, value);
        ASSERT_EQ(FormatFixed(value, w, d, false), expected);
    }
}

TEST(MatrixText, ShortestTextReadsBackAsTheSameDouble) {
    EXPECT_EQ(FormatShortest(58), "58");
    EXPECT_EQ(FormatShortest(19178318590.0), "19178318590"); // all digits, where "%.10g" rounded
    EXPECT_EQ(FormatShortest(1.0 / 3), "0.3333333333333333");
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (int n = 0; n < 20000; ++n) {
        const double value = std::ldexp(mantissa(random), exponent(random));
        ASSERT_EQ(ParseNumber(FormatShortest(value)), value) << FormatShortest(value);
    }
}

TEST(MatrixText, PointIsTheDecimalSeparatorInAGermanLocale) {
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is missing: scripts/setup generates it";
    char native[32];
    std::snprintf(native, sizeof native, "%.2f", 3.14159);
    EXPECT_STREQ(native, "3,14"); // the locale really is active
    EXPECT_EQ(FormatC("%-*.*f|", 6, 2, 3.14159), "3.14  |");
    EXPECT_EQ(FormatFixed(3.14159, 6, 2), "3.14  ");
    EXPECT_EQ(ParseNumber("3.14"), 3.14);
    EXPECT_EQ(ParseNumber("3,14"), std::nullopt);
    EXPECT_EQ(FormatShortest(0.25), "0.25");

    ScratchDir dir;
    const TFLOATARRAY m("g", {{3.14159, -2.5}});
    ASSERT_TRUE(SaveToFile(m, dir.file("g.M"), 4, 3));
    TContainer list;
    EXPECT_EQ(LoadMatrices(dir.file("g.M"), list), 0);
    std::setlocale(LC_ALL, "C");
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(*list.ItemAs<TFLOATARRAY>(0), TFLOATARRAY("g", {{3.142, -2.5}}));
}

TEST(MatrixText, SaveThenLoadRoundsToDecimals) {
    ScratchDir dir;
    TFLOATARRAY m("r_DI", {{0, 1.23456, -7}, {123456.789, 0.5, 2}});
    struct Case {
        int width, decimals;
        bool formatted;
    } cases[] = {{4, 2, true}, {0, 0, true}, {2, 5, false}, {12, 3, false}, {4, 0, false}};
    for (const auto& c : cases) {
        const std::string path = dir.file("r.M");
        StringListTarget text;
        if (c.formatted)
            PrintFormatted(m, text, c.width, c.decimals);
        else
            PrintPlain(m, text, c.width, c.decimals);
        ASSERT_TRUE(WriteFileAtomically(path, JoinLinesCrLf(text.lines)));
        TContainer list;
        RecordedMessages messages;
        ASSERT_EQ(LoadMatrices(path, list), 0);
        EXPECT_TRUE(messages.errors().empty());
        ASSERT_EQ(list.Count(), 1);
        const auto& read = *list.ItemAs<TFLOATARRAY>(0);
        EXPECT_EQ(read.Name(), "r_DI");
        ASSERT_EQ(read.Rows(), 2u);
        ASSERT_EQ(read.Cols(), 3u);
        for (int i = 1; i <= 2; ++i)
            for (int j = 1; j <= 3; ++j)
                EXPECT_EQ(read.Get(i, j), *ParseNumber(FormatFixed(m.Get(i, j), 0, c.decimals)))
                    << c.width << "/" << c.decimals << " at " << i << "," << j;
    }
    ASSERT_TRUE(SaveToFile(m, dir.file("saved.M"), 4, 2));
    EXPECT_EQ(ReadFile(dir.file("saved.M")).substr(0, 25), "$TFLOATARRAY\r\nr_DI\r\n2 3\r\n");
}

struct LoadCase {
    const char* label;
    std::string text;
    std::vector<std::string> names; // what ends up in the list
    bool error;                     // "Can't read matrix from ... file" shown
};

TEST(MatrixText, LoadMatricesTable) {
    const std::string block = "$TFLOATARRAY\nA\n2 2\n1 2\n3 4\n";
    const std::vector<LoadCase> cases = {
        {"two blocks among other text, LF",
         "intro\n" + block + "middle\n$TFLOATARRAY\nB\n1 1\n5\ntail\n",
         {"A", "B"},
         false},
        {"CR LF", "$TFLOATARRAY\r\nA\r\n1 2\r\n1 2\r\n", {"A"}, false},
        {"marker with text around it",
         "xx $TFLOATARRAY yy\nA\n1 1 trailing words\n  7.5e1   \n",
         {"A"},
         false},
        {"formatted rows with extra tokens",
         "$TFLOATARRAY\nA\n1 2\n1.00 2.00   3.00  9\n\nSUM = 3\n",
         {"A"},
         false},
        {"a taken name is read and discarded", block + block, {"A"}, false},
        {"name is kept untrimmed", "$TFLOATARRAY\n  spaced name \n0 0\n", {"  spaced name "}, false},
        {"no trailing newline", "$TFLOATARRAY\nA\n1 1\n+4", {"A"}, false},
        {"tab separated", "$TFLOATARRAY\nA\n1\t2\n1\t2\n", {"A"}, false},
        {"short row keeps earlier matrices", block + "$TFLOATARRAY\nB\n1 3\n1 2\n", {"A"}, true},
        {"empty row", "$TFLOATARRAY\nA\n1 1\n\n", {}, true},
        {"missing rows", "$TFLOATARRAY\nA\n3 1\n1\n2\n", {}, true},
        {"huge sizes", "$TFLOATARRAY\nA\n999999999 999999999\n1 2\n", {}, true},
        {"huge columns", "$TFLOATARRAY\nA\n1 999999999\n1 2\n", {}, true},
        {"negative size", "$TFLOATARRAY\nA\n-1 2\n", {}, true},
        {"missing size", "$TFLOATARRAY\nA\n2\n", {}, true},
        {"size past 32 bits", "$TFLOATARRAY\nA\n4294967296 1\n", {}, true},
        {"marker at end of file", "$TFLOATARRAY\n", {}, true},
        {"non-numeric token", "$TFLOATARRAY\nA\n1 2\n1 x\n", {}, true},
        {"decimal comma", "$TFLOATARRAY\nA\n1 1\n1,5\n", {}, true},
        {"infinity", "$TFLOATARRAY\nA\n1 1\ninf\n", {}, true},
        {"not a number", "$TFLOATARRAY\nA\n1 1\nnan\n", {}, true},
        {"overflow", "$TFLOATARRAY\nA\n1 1\n1e999\n", {}, true},
        {"binary garbage", std::string("\x00\xff$TFLOATARRAY\x01\n\xfe\x00\n\x80 \x81\n", 19), {}, true},
        {"1 MB line without a marker", std::string(1 << 20, '7') + "\n" + block, {"A"}, false},
        {"1 MB row", "$TFLOATARRAY\nA\n1 1\n" + std::string(1 << 20, '1') + "\n", {}, true},
        {"empty file", "", {}, false},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        const std::string path = dir.write("case.M", c.text);
        TContainer list;
        RecordedMessages messages;
        EXPECT_EQ(LoadMatrices(path, list), 0) << c.label;
        std::vector<std::string> names;
        for (int i = 0; i < list.Count(); ++i)
            names.push_back(list.Item(i).Name());
        EXPECT_EQ(names, c.names) << c.label;
        const std::vector<std::string> expected =
            c.error ? std::vector<std::string>{"Can't read matrix from " + path + " file"}
                    : std::vector<std::string>{};
        EXPECT_EQ(messages.errors(), expected) << c.label;
    }
    const auto& first = TFLOATARRAY("A", {{1, 2}, {3, 4}});
    TContainer list;
    LoadMatrices(dir.write("one.M", block), list);
    EXPECT_EQ(*list.ItemAs<TFLOATARRAY>(0), first);
}

TEST(MatrixText, MissingFileAndFolderAreReported) {
    ScratchDir dir;
    TContainer list;
    RecordedMessages messages;
    EXPECT_EQ(LoadMatrices(dir.file("absent.M"), list), -1);
    EXPECT_TRUE(messages.errors().empty());
    EXPECT_EQ(LoadMatrices(dir.path().string(), list), 0);
    EXPECT_EQ(messages.errors(),
              (std::vector<std::string>{"Can't read matrix from " + dir.path().string() + " file"}));
}

TEST(MatrixText, FailedSaveLeavesTheOldFileAndReportsFalse) {
    ScratchDir dir;
    const std::string path = dir.write("keep.M", "old content");
    const TFLOATARRAY m("m", {{1}});
    // Writing into a folder that cannot hold new files must fail cleanly.
    EXPECT_FALSE(SaveToFile(m, "/proc/grafida-no-such-dir/x.M", 4, 2));
    EXPECT_FALSE(SaveToFile(m, dir.path().string(), 4, 2)); // a folder is not a file
    std::filesystem::create_directory(dir.file("sub"));
    EXPECT_FALSE(SaveToFile(m, dir.file("sub/missing/x.M"), 4, 2));
    {
        const FileSizeLimit diskFull(8);
        ASSERT_TRUE(diskFull.active());
        EXPECT_FALSE(SaveToFile(m, path, 4, 2));
    }
    EXPECT_EQ(ReadFile(path), "old content");
    ASSERT_TRUE(SaveToFile(m, path, 4, 2));
    EXPECT_EQ(ReadFile(path).rfind("$TFLOATARRAY\r\nm\r\n", 0), 0u);
    // No temporary files are left beside it.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 2);
}

} // namespace
} // namespace grafida
