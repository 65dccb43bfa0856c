// The Calculate and Operation commands run from their menu items: the dialog answered
// as a user would, the printed window, what was kept, and the failure paths. The
// expected texts are worked out by hand from the molecules' graphs and the small
// matrices below.
#include "AppFixture.h"
#include "DialogDriver.h"

#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <cmath>
#include <filesystem>
#include <sstream>

namespace grafida::app::testing {
namespace {

using dlgpack::testing::Child;
using dlgpack::testing::Click;
using dlgpack::testing::DragAndDrop;
using dlgpack::testing::PressKey;
using dlgpack::testing::Texts;
using dlgpack::testing::TickedTexts;
using dlgpack::testing::ToggleTick;
using dlgpack::testing::WhenDialogShows;
using Lines = std::vector<std::string>;

Lines Join(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A matrix as the plain layout prints it with the default width 4 and 2 decimals.
Lines Plain(const std::string& name, const std::string& size, const Lines& rows) {
    return Join({{"$TFLOATARRAY", name, size}, rows});
}

class MenuCommands : public App {
protected:
    void Store(const std::string& name, const std::vector<std::vector<double>>& rows) {
        Work().matrices.Add(std::make_unique<TFLOATARRAY>(name, rows));
    }
    std::vector<std::string> Stored() {
        std::vector<std::string> names;
        for (int k = 0; k < Work().matrices.Count(); ++k)
            names.push_back(Work().matrices.Item(k).Name());
        return names;
    }
    Lines WindowLines(size_t index) {
        const auto windows = Main().TextWindows();
        if (index >= windows.size())
            return {"<no window " + std::to_string(index) + ">"};
        Lines lines;
        std::istringstream text(windows[index]->Text());
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        return lines;
    }
    // Runs the Basic matrices command with the items at rows ticked.
    void BasicMatrices(std::initializer_list<int> rows, bool keep) {
        WhenDialogShows("TFormBaseMatrices", [&](QDialog& dialog) {
            auto& list = Child<QListWidget>(dialog, "chbMatrices");
            for (int row : rows)
                ToggleTick(list, row);
            if (keep)
                Click(Child<QCheckBox>(dialog, "CheckBoxKeep"));
            Click(Child<QPushButton>(dialog, "BitBtnOK"));
        });
        Trigger("BasematricesItem");
    }
    // Runs a command whose dialog offers one list of matrices to tick (and a keep box).
    void TickMatrices(const char* item, const char* dialogClass, std::vector<int> rows, bool keep,
                      std::function<void(QListWidget&)> before = {}) {
        WhenDialogShows(dialogClass, [&](QDialog& dialog) {
            auto& list = Child<QListWidget>(dialog, "clbMatr");
            if (before)
                before(list);
            for (int row : rows)
                ToggleTick(list, row);
            if (keep)
                Click(Child<QCheckBox>(dialog, "chbKeep"));
            Click(Child<QPushButton>(dialog, "BitBtnOK"));
        });
        Trigger(item);
    }
};

const Lines kPropaneAD =
    Plain("propane_AD", "3 3", {"0.00 1.00 0.00 ", "1.00 0.00 1.00 ", "0.00 1.00 0.00 "});
const Lines kPropaneDI =
    Plain("propane_DI", "3 3", {"0.00 1.00 2.00 ", "1.00 0.00 1.00 ", "2.00 1.00 0.00 "});

TEST_F(MenuCommands, BasicMatricesDialogTicksAllTogetherAndNeedsATickForOkAndKeep) {
    WhenDialogShows("TFormBaseMatrices", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Calculate basic matrices");
        auto& list = Child<QListWidget>(dialog, "chbMatrices");
        auto& keep = Child<QCheckBox>(dialog, "CheckBoxKeep");
        auto& ok = Child<QPushButton>(dialog, "BitBtnOK");
        EXPECT_EQ(Texts(list), (QStringList{"Adjacency", "Conectivity", "Distance", "Distance3D", "Detour",
                                            "Cluj_Distance", "Cluj_Detour", "ClujF_Distance", "ClujF-Detour",
                                            "Calculate all"}));
        EXPECT_EQ(keep.text(), "Keep matrices");
        EXPECT_FALSE(ok.isEnabled() || keep.isEnabled());
        ToggleTick(list, 9);
        EXPECT_EQ(TickedTexts(list).size(), 10);
        EXPECT_TRUE(ok.isEnabled() && keep.isEnabled());
        ToggleTick(list, 4); // Detour
        EXPECT_EQ(TickedTexts(list),
                  (QStringList{"Adjacency", "Conectivity", "Distance", "Distance3D", "Cluj_Distance",
                               "Cluj_Detour", "ClujF_Distance", "ClujF-Detour"}));
        ToggleTick(list, 9); // all again, then all off
        ToggleTick(list, 9);
        EXPECT_TRUE(TickedTexts(list).isEmpty());
        EXPECT_FALSE(ok.isEnabled() || keep.isEnabled());
        PressKey(list, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        PressKey(list, Qt::Key_Escape);
    });
    OpenSamples({"propane"});
    Trigger("BasematricesItem");
    EXPECT_TRUE(Main().TextWindows().empty());
    EXPECT_EQ(Work().matrices.Count(), 0);
}

TEST_F(MenuCommands, BasicMatricesPrintsOneWindowPerMoleculeAndKeepsEachMatrixOnce) {
    OpenSamples({"propane", "cyclobutane"});
    BasicMatrices({0, 2}, true);
    ASSERT_EQ(Captions(), (std::vector<std::string>{"propane.M", "cyclobutane.M"}));
    EXPECT_EQ(WindowLines(0), Join({kPropaneAD, kPropaneDI}));
    // The 4-cycle: neighbours at 1, the opposite corner at 2.
    EXPECT_EQ(WindowLines(1), Join({Plain("cyclobutane_AD", "4 4",
                                          {"0.00 1.00 0.00 1.00 ", "1.00 0.00 1.00 0.00 ",
                                           "0.00 1.00 0.00 1.00 ", "1.00 0.00 1.00 0.00 "}),
                                    Plain("cyclobutane_DI", "4 4",
                                          {"0.00 1.00 2.00 1.00 ", "1.00 0.00 1.00 2.00 ",
                                           "2.00 1.00 0.00 1.00 ", "1.00 2.00 1.00 0.00 "})}));
    const std::vector<std::string> kept = {"propane_AD", "propane_DI", "cyclobutane_AD", "cyclobutane_DI"};
    EXPECT_EQ(Stored(), kept);

    // Again: printed again, stored once.
    BasicMatrices({0, 2}, true);
    EXPECT_EQ(Main().TextWindows().size(), 4u);
    EXPECT_EQ(WindowLines(2), Join({kPropaneAD, kPropaneDI}));
    EXPECT_EQ(Stored(), kept);
    EXPECT_TRUE(reporter_.errors.empty());
    EXPECT_TRUE(Item("OpenItem").isEnabled());
}

TEST_F(MenuCommands, BasicMatricesCalculateAllPrintsTheNineInTheirOrder) {
    OpenSamples({"propane"});
    BasicMatrices({9}, true);
    const std::vector<std::string> nine = {"propane_AD",   "propane_CON",  "propane_DI",
                                           "propane_D3D",  "propane_DE",   "propane_CjDi",
                                           "propane_CjDe", "propane_CFDi", "propane_CFDe"};
    EXPECT_EQ(Stored(), nine);
    const Lines text = WindowLines(0);
    std::vector<std::string> printed;
    for (size_t k = 0; k + 1 < text.size(); ++k)
        if (text[k] == "$TFLOATARRAY")
            printed.push_back(text[k + 1]);
    EXPECT_EQ(printed, nine);
    // On a path the detour is the distance; Cluj distance (i, j) counts the vertices
    // nearer to i than to j: the end on its own, the middle with the far end.
    const auto block = [&](const std::string& name) {
        const auto at = std::find(text.begin(), text.end(), name);
        return at == text.end() ? Lines{} : Lines(at - 1, std::min(at + 5, text.end()));
    };
    EXPECT_EQ(block("propane_DE"),
              Plain("propane_DE", "3 3", {"0.00 1.00 2.00 ", "1.00 0.00 1.00 ", "2.00 1.00 0.00 "}));
    EXPECT_EQ(block("propane_CjDi"),
              Plain("propane_CjDi", "3 3", {"0.00 1.00 1.00 ", "2.00 0.00 2.00 ", "1.00 1.00 0.00 "}));
}

TEST_F(MenuCommands, DistanceWithoutStoredAdjacencyStopsWithTheFirstMoleculesWindowEmpty) {
    OpenSamples({"propane", "cyclobutane"});
    BasicMatrices({2}, false);
    EXPECT_EQ(reporter_.errors, std::vector<std::string>{"Distance need Adjacency"});
    EXPECT_EQ(Captions(), std::vector<std::string>{"propane.M"});
    EXPECT_EQ(Main().TextWindows()[0]->Text(), "");
    EXPECT_EQ(Work().matrices.Count(), 0);
}

TEST_F(MenuCommands, PropertiesKeepChargesOnlyAfterSgiAndPrintNothing) {
    OpenSamples({"propane", "cyclobutane"});
    BasicMatrices({0, 2}, true);
    const size_t windows = Main().TextWindows().size();

    // Charges alone: molecules read back from their work files carry no SGI.
    WhenDialogShows("TFormProp", [](QDialog& dialog) {
        ToggleTick(Child<QListWidget>(dialog, "chbProperties"), 1);
        Click(Child<QPushButton>(dialog, "BitBtnOK"));
    });
    Trigger("PropertiesItem");
    EXPECT_EQ(reporter_.errors,
              (std::vector<std::string>{"CALCULATE SGI FIRST", "ERROR DIURING CALCULATING charges"}));
    EXPECT_EQ(Work().matrices.Count(), 4);

    reporter_.errors.clear();
    WhenDialogShows("TFormProp", [](QDialog& dialog) {
        ToggleTick(Child<QListWidget>(dialog, "chbProperties"), 3); // Calculate all
        Click(Child<QPushButton>(dialog, "BitBtnOK"));
    });
    Trigger("PropertiesItem");
    EXPECT_TRUE(reporter_.errors.empty()) << reporter_.errors.front();
    EXPECT_EQ(Stored(), (std::vector<std::string>{"propane_AD", "propane_DI", "cyclobutane_AD",
                                                  "cyclobutane_DI", "propane_CH", "cyclobutane_CH"}));
    EXPECT_EQ(Main().TextWindows().size(), windows);
    EXPECT_TRUE(std::filesystem::exists(Work().PropertyFilePath("propane")));
    EXPECT_TRUE(std::filesystem::exists(Work().PropertyFilePath("cyclobutane")));
}

class MatrixOperations : public MenuCommands {
protected:
    void SetUp() override {
        Store("a_X", {{1, 2}, {3, 4}});
        Store("a_Y", {{5, 6}, {7, 8}});
        Store("b_Z", {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}});
    }
};

TEST_F(MatrixOperations, TwoMatrixCommandsTakeTheOperandsInTheShownOrder) {
    TickMatrices("MatrixDifferenceItem", "TFDMatrSel", {0, 1}, false);
    // Dragged above a_X, a_Y comes first.
    TickMatrices("MatrixDifferenceItem", "TFDMatrSel", {0, 1}, true,
                 [](QListWidget& list) { DragAndDrop(list, {1}, list, 0); });
    TickMatrices("MatrixSumItem", "TFDMatrSel", {0, 1}, false);
    TickMatrices("CramerProductItem", "TFDMatrSel", {0, 1}, false);
    TickMatrices("HadamardProductItem", "TFDMatrSel", {0, 1}, true);
    ASSERT_EQ(Captions(), (std::vector<std::string>{"a_X_DIF_Y.M", "a_Y_DIF_X.M", "a_X_SUM_Y.M", "a_X_CP_Y.M",
                                                    "a_X_H_Y.M"}));
    EXPECT_EQ(WindowLines(0), Plain("a_X_DIF_Y", "2 2", {"-4.00 -4.00 ", "-4.00 -4.00 "}));
    EXPECT_EQ(WindowLines(1), Plain("a_Y_DIF_X", "2 2", {"4.00 4.00 ", "4.00 4.00 "}));
    EXPECT_EQ(WindowLines(2), Plain("a_X_SUM_Y", "2 2", {"6.00 8.00 ", "10.00 12.00 "}));
    // 1·5 + 2·7, 1·6 + 2·8; 3·5 + 4·7, 3·6 + 4·8.
    EXPECT_EQ(WindowLines(3), Plain("a_X_CP_Y", "2 2", {"19.00 22.00 ", "43.00 50.00 "}));
    EXPECT_EQ(WindowLines(4), Plain("a_X_H_Y", "2 2", {"5.00 12.00 ", "21.00 32.00 "}));
    EXPECT_EQ(Stored(), (std::vector<std::string>{"a_X", "a_Y", "b_Z", "a_Y_DIF_X", "a_X_H_Y"}));
    EXPECT_TRUE(reporter_.errors.empty());
}

TEST_F(MatrixOperations, SizeErrorLeavesNoWindowAndKeepsNothing) {
    TickMatrices("MatrixSumItem", "TFDMatrSel", {0, 2}, true);
    EXPECT_EQ(reporter_.errors,
              std::vector<std::string>{"Error objects must be of the same range but are 2 3"});
    EXPECT_TRUE(Main().TextWindows().empty());
    EXPECT_EQ(Work().matrices.Count(), 3);
    EXPECT_TRUE(Item("MatrixSumItem").isEnabled());
}

TEST_F(MatrixOperations, OneMatrixCommands) {
    TickMatrices("CombinatorialItem", "TFSMatrSel", {0}, true);
    TickMatrices("ReciprocalItem", "TFSMatrSel", {0}, false);
    ASSERT_EQ(Captions(), (std::vector<std::string>{"a_Comb_X.M", "a_R_X.M"}));
    // m(m + 1)/2: 1, 3, 6, 10.
    EXPECT_EQ(WindowLines(0), Plain("a_Comb_X", "2 2", {"1.00 3.00 ", "6.00 10.00 "}));
    EXPECT_EQ(WindowLines(1), Plain("a_R_X", "2 2", {"1.00 0.50 ", "0.33 0.25 "}));
    EXPECT_EQ(Stored(), (std::vector<std::string>{"a_X", "a_Y", "b_Z", "a_Comb_X"}));
}

// Numbers of a printed row, for results whose signs the solver chooses.
std::vector<double> Numbers(const std::string& row) {
    std::istringstream text(row);
    std::vector<double> numbers;
    for (double number; text >> number;)
        numbers.push_back(number);
    return numbers;
}

TEST_F(MenuCommands, EigenvaluesOfASymmetricMatrixKeepTheirVectors) {
    // [[2, 1], [1, 2]]: eigenvalues 3 and 1 with the vectors (1, 1)/√2 and (1, -1)/√2.
    Store("s_M", {{2, 1}, {1, 2}});
    TickMatrices("EigenItem", "TFSMatrSel", {0}, true);
    ASSERT_EQ(Captions(), std::vector<std::string>{"s_M_Eig.M"});
    const Lines text = WindowLines(0);
    ASSERT_EQ(text.size(), 13u) << ::testing::PrintToString(text);
    EXPECT_EQ(Lines(text.begin(), text.begin() + 11), Join({Plain("s_M", "2 2", {"2.00 1.00 ", "1.00 2.00 "}),
                                                            {"- Eigen values are -", "3.00", "1.00"},
                                                            {"$TFLOATARRAY", "s_EIGV_M", "2 2"}}));
    // Row i is the vector of the i-th value, up to its sign.
    const std::vector<double> first = Numbers(text[11]), second = Numbers(text[12]);
    ASSERT_EQ(first.size(), 2u);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(std::abs(first[0]), 0.71);
    EXPECT_EQ(first[1], first[0]);
    EXPECT_EQ(std::abs(second[0]), 0.71);
    EXPECT_EQ(second[1], -second[0]);
    EXPECT_EQ(Stored(), (std::vector<std::string>{"s_M", "s_EIGV_M"}));
    const TFLOATARRAY& vectors = Work().matrices.Item(1);
    const double h = std::sqrt(0.5);
    EXPECT_NEAR(std::abs(vectors.Get(1, 1)), h, 1e-4);
    EXPECT_NEAR(vectors.Get(1, 2), vectors.Get(1, 1), 1e-4);
    EXPECT_NEAR(std::abs(vectors.Get(2, 1)), h, 1e-4);
    EXPECT_NEAR(vectors.Get(2, 2), -vectors.Get(2, 1), 1e-4);
}

TEST_F(MenuCommands, EigenvaluesWithNoSweepsAllowedShowTheMatrixAndTheFailure) {
    Store("s_M", {{2, 1}, {1, 2}});
    Work().settings.Iterations = 0;
    TickMatrices("EigenItem", "TFSMatrSel", {0}, true);
    ASSERT_EQ(reporter_.errors.size(), 1u);
    EXPECT_NE(reporter_.errors[0].find("s_M"), std::string::npos) << reporter_.errors[0];
    EXPECT_EQ(Captions(), std::vector<std::string>{"s_M_Eig.M"});
    EXPECT_EQ(WindowLines(0), Plain("s_M", "2 2", {"2.00 1.00 ", "1.00 2.00 "}));
    EXPECT_EQ(Work().matrices.Count(), 1);
}

TEST_F(MenuCommands, LayerMatrixWithoutADistanceMatrixSaysSoAndOpensNoWindow) {
    Store("x_AD", {{0, 1}, {1, 0}});
    WhenDialogShows("TFLMatrDlg", [](QDialog& dialog) {
        dlgpack::testing::ClickEntry(Child<QListWidget>(dialog, "lstMatr"), 0);
        Click(Child<QPushButton>(dialog, "BitBtnOK"));
    });
    Trigger("LayerMatrixItem");
    EXPECT_EQ(reporter_.errors, std::vector<std::string>{"Layer matrix need distance"});
    EXPECT_TRUE(Main().TextWindows().empty());
}

// Picks the matrix of a layer or shell dialog and ticks the entries of its other lists
// by their texts.
void AnswerLayerDialog(QDialog& dialog, const QString& matrix, const char* listName, const QStringList& ticks,
                       const char* optionsName, const QStringList& options) {
    auto& matrices = Child<QListWidget>(dialog, "lstMatr");
    dlgpack::testing::ClickEntry(matrices, static_cast<int>(Texts(matrices).indexOf(matrix)));
    const auto tick = [](QListWidget& list, const QStringList& texts) {
        for (const QString& text : texts) {
            const int row = static_cast<int>(Texts(list).indexOf(text));
            ASSERT_GE(row, 0) << text.toStdString();
            ToggleTick(list, row);
        }
    };
    if (listName)
        tick(Child<QListWidget>(dialog, listName), ticks);
    tick(Child<QListWidget>(dialog, optionsName), options);
    Click(Child<QPushButton>(dialog, "BitBtnOK"));
}

class PropaneMatrices : public MenuCommands {
protected:
    void SetUp() override {
        OpenSamples({"propane"});
        BasicMatrices({0, 2}, true);
        ASSERT_EQ(Work().matrices.Count(), 2);
        Main().CloseAllItemClick();
        ASSERT_TRUE(WaitUntil([this] { return Main().TextWindows().empty(); }));
    }
};

// The path 1-2-3 with unit weights: layer rows (1, 1, 1), (1, 2, 0), (1, 1, 1).
// X(i) = (0.1·L(i,1) + 0.01·L(i,2) + 0.001·L(i,3)) / 3: 0.037, 0.04, 0.037 (sum 0.114);
// C = 1 / (product of L(i,e)^(2e))^(1/9) over e ≥ 1 with L(i,e) > 0: 0.5, 1/√2, 0.5.
// Column sums (3, 4, 2); weighted by e, 1/e, e², 1/e²: (4, 4), (4, 1), (4, 8), (4, 0.5).
// The layer polynomial 3x² + 4x + 2 has the roots -2/3 ± i·√8/6 = -0.67 ± 0.47i.
TEST_F(PropaneMatrices, LayerMatrixWithUnitWeightsAndEveryOption) {
    WhenDialogShows("TFLMatrDlg", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Calculate layer matrix");
        AnswerLayerDialog(dialog, "propane_DI", nullptr, {}, "clbOptions",
                          {"Keep matrix", "X index", "C index", "Polynomial"});
    });
    Trigger("LayerMatrixItem");
    EXPECT_TRUE(reporter_.errors.empty()) << reporter_.errors.front();
    ASSERT_EQ(Captions(), std::vector<std::string>{"propane_LM.M"});
    Lines text = WindowLines(0);
    ASSERT_EQ(text.size(), 18u) << ::testing::PrintToString(text);
    const std::string imaginary = text[15];
    text.erase(text.begin() + 15);
    EXPECT_EQ(text, (Lines{"$TFLOATARRAY", "propane_LM", "3 3", "1.00 1.00 1.00   3.00  0.04  0.50",
                           "1.00 2.00 0.00   3.00  0.04  0.71", "1.00 1.00 1.00   3.00  0.04  0.50", "",
                           "3.00 4.00 2.00   9.00 X = 0.11 C = 1.71", "", "CS = 3.00 4.00 2.00   9.00",
                           "PDS = 4.00 4.00   8.00", "PRDS = 4.00 1.00   5.00", "PD^2S = 4.00 8.00   12.00",
                           "PRD^2S = 4.00 0.50   4.50", "REAL ROOTS = -0.67 -0.67   -1.33", "SUM = 9.00",
                           "1/2SUM = 4.50"}));
    EXPECT_TRUE(imaginary == "IMAG ROOTS = 0.47 -0.47   0.00" ||
                imaginary == "IMAG ROOTS = -0.47 0.47   0.00")
        << imaginary;
    EXPECT_EQ(Stored(), (std::vector<std::string>{"propane_AD", "propane_DI", "propane_LM"}));
}

TEST_F(PropaneMatrices, LayerMatrixOfAZeroDiagonalWithPolynomialSaysSoAndLeavesNothing) {
    WhenDialogShows("TFLMatrDlg", [](QDialog& dialog) {
        AnswerLayerDialog(dialog, "propane_AD", "clbProp", {"Diagonal entries"}, "clbOptions",
                          {"Keep matrix", "Polynomial"});
    });
    Trigger("LayerMatrixItem");
    ASSERT_EQ(reporter_.errors.size(), 1u);
    EXPECT_TRUE(reporter_.errors[0].starts_with("System propane_"));
    EXPECT_TRUE(reporter_.errors[0].ends_with(" has all coeficients = 0")) << reporter_.errors[0];
    EXPECT_TRUE(Main().TextWindows().empty());
    EXPECT_EQ(Work().matrices.Count(), 2);
}

// The shell matrix of the adjacency (trace 0, so column 1 holds ones): row i sums the
// adjacency entries at distance 1 and 2 from i.
TEST_F(PropaneMatrices, ShellMatrixOfTheAdjacency) {
    WhenDialogShows("TFShMatrDlg", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Calculate shell matrix");
        AnswerLayerDialog(dialog, "propane_AD", nullptr, {}, "cbOpt", {});
    });
    Trigger("ShellMatrixItem");
    EXPECT_TRUE(reporter_.errors.empty()) << reporter_.errors.front();
    ASSERT_EQ(Captions(), std::vector<std::string>{"NONAME1"});
    Lines text = WindowLines(0);
    ASSERT_GT(text.size(), 2u);
    EXPECT_TRUE(text[1].starts_with("propane_")) << text[1];
    text.erase(text.begin() + 1);
    EXPECT_EQ(text,
              (Lines{"$TFLOATARRAY", "3 3", "1.00 1.00 0.00   2.00", "1.00 2.00 0.00   3.00",
                     "1.00 1.00 0.00   2.00", "", "3.00 4.00 0.00   7.00", "", "CS = 3.00 4.00 0.00   7.00",
                     "PDS = 4.00 0.00   4.00", "PRDS = 4.00 0.00   4.00", "PD^2S = 4.00 0.00   4.00",
                     "PRD^2S = 4.00 0.00   4.00", "SUM = 7.00", "1/2SUM = 3.50"}));
    EXPECT_EQ(Work().matrices.Count(), 2);
}

// Walks from vertex i of the path 1-2-3: of length 1 there are 1, 2, 1; of length 2,
// 2 from every vertex. With M2 = M3 = the distances, entry (i, j) is
// walks(i, d(i, j))·d(i, j).
TEST_F(PropaneMatrices, WalkOperatorAndItsSizeFailure) {
    const auto choose = [](QStringList names) {
        WhenDialogShows("TDualListDlg", [names](QDialog& dialog) {
            auto& source = Child<QListWidget>(dialog, "SrcList");
            for (const QString& name : names) {
                dlgpack::testing::ClickEntry(source, static_cast<int>(Texts(source).indexOf(name)));
                Click(Child<QPushButton>(dialog, "IncludeBtn"));
            }
            Click(Child<QCheckBox>(dialog, "cbKeep"));
            Click(Child<QPushButton>(dialog, "BitBtnOK"));
        });
    };
    choose({"propane_AD", "propane_DI", "propane_DI"});
    Trigger("WalkOperatorItem");
    ASSERT_EQ(Main().TextWindows().size(), 1u);
    const Lines text = WindowLines(0);
    ASSERT_EQ(text.size(), 6u) << ::testing::PrintToString(text);
    EXPECT_EQ(Captions(), std::vector<std::string>{text[1] + ".M"});
    EXPECT_EQ(Lines(text.begin() + 2, text.end()),
              (Lines{"3 3", "0.00 1.00 4.00 ", "2.00 0.00 2.00 ", "4.00 1.00 0.00 "}));
    ASSERT_EQ(Work().matrices.Count(), 3);
    EXPECT_EQ(Work().matrices.Item(2).Name(), text[1]);

    Store("two_AD", {{0, 1}, {1, 0}});
    choose({"propane_AD", "two_AD", "propane_DI"});
    Trigger("WalkOperatorItem");
    // The command's rule: the window stays, empty, and nothing is kept.
    EXPECT_EQ(Captions(), (std::vector<std::string>{text[1] + ".M", "NONAME2"}));
    EXPECT_EQ(Main().TextWindows()[1]->Text(), "");
    EXPECT_EQ(Work().matrices.Count(), 4);
}

// W of the path's adjacency over a vector of ones, two steps: the diagonal starts at
// ones, becomes the degrees (1, 2, 1), then the sums of the neighbours' degrees (2, 2, 2).
TEST_F(PropaneMatrices, WMatrixOverOnesPrintsItsDiagonalSum) {
    WhenDialogShows("TFMatrWPrDlg", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "W matrix calculation");
        dlgpack::testing::ClickEntry(Child<QListWidget>(dialog, "lstMatr"), 0);
        Child<QSpinBox>(dialog, "SpinEditPower").setValue(2);
        Click(Child<QPushButton>(dialog, "BitBtnOK"));
    });
    Trigger("WMatrixItem");
    EXPECT_TRUE(reporter_.errors.empty()) << reporter_.errors.front();
    EXPECT_EQ(Captions(), std::vector<std::string>{"propane_W2_AD.M"});
    EXPECT_EQ(WindowLines(0),
              Join({Plain("propane_W2_AD", "3 3", {"2.00 1.00 0.00 ", "1.00 2.00 1.00 ", "0.00 1.00 2.00 "}),
                    {"Diagonal elements sum = 6.00"}}));
    EXPECT_EQ(Work().matrices.Count(), 2);
}

// The detour matrix of a random cubic graph takes far longer than the test waits:
// Cancel takes back the adjacency already kept and the window it was printed into.
TEST_F(MenuCommands, CancelledBasicMatricesKeepsNothingAndLeavesNoWindow) {
    const std::string file = Path("work/random-cubic-64.hin");
    std::filesystem::copy_file(std::string(GRAFIDA_TEST_DATA_DIR) + "/slow/random-cubic-64.hin", file);
    dialogs_.openAnswers = {{file}};
    Trigger("OpenItem");
    ASSERT_EQ(Work().molecules.Names().size(), 1u);
    bool sawWindow = false;
    QTimer::singleShot(300, [&] {
        sawWindow = Main().TextWindows().size() == 1;
        Click(Main().Progress().CancelButton());
    });
    BasicMatrices({0, 4}, true);
    EXPECT_TRUE(sawWindow);
    EXPECT_EQ(Main().HintPanel().text(), "Cancelled: nothing was kept");
    EXPECT_TRUE(WaitUntil([this] { return Main().TextWindows().empty(); }));
    EXPECT_EQ(Work().matrices.Count(), 0);
    EXPECT_TRUE(Item("BasematricesItem").isEnabled());
}

// The property file goes while the dialog is open: the command names what it missed
// and opens no window.
TEST_F(PropaneMatrices, WMatrixWithAPropertyGoneSaysSoAndOpensNoWindow) {
    WhenDialogShows("TFormProp", [](QDialog& dialog) {
        ToggleTick(Child<QListWidget>(dialog, "chbProperties"), 0); // SGI
        Click(Child<QPushButton>(dialog, "BitBtnOK"));
    });
    Trigger("PropertiesItem");
    ASSERT_TRUE(std::filesystem::exists(Work().PropertyFilePath("propane")));
    WhenDialogShows("TFMatrWPrDlg", [this](QDialog& dialog) {
        dlgpack::testing::ClickEntry(Child<QListWidget>(dialog, "lstMatr"), 0);
        auto& properties = Child<QListWidget>(dialog, "clbProp");
        const int sgi = static_cast<int>(Texts(properties).indexOf("SGI"));
        ASSERT_GE(sgi, 0) << Texts(properties).join(',').toStdString();
        ToggleTick(properties, sgi);
        std::filesystem::remove(Work().PropertyFilePath("propane"));
        Click(Child<QPushButton>(dialog, "BitBtnOK"));
    });
    Trigger("WMatrixItem");
    EXPECT_EQ(reporter_.errors, std::vector<std::string>{"W matrix need SGI"});
    EXPECT_TRUE(Main().TextWindows().empty());
    EXPECT_EQ(Work().matrices.Count(), 2);
}

// A rotation by a quarter turn has the eigenvalues ±i and no real eigenvector.
TEST_F(MenuCommands, EigenvaluesOfARotationSayThereIsNoRealEigenvector) {
    Store("r_M", {{0, -1}, {1, 0}});
    TickMatrices("EigenItem", "TFSMatrSel", {0}, true);
    EXPECT_TRUE(reporter_.errors.empty()) << reporter_.errors.front();
    ASSERT_EQ(Captions(), std::vector<std::string>{"r_M_Eig.M"});
    const Lines text = WindowLines(0);
    ASSERT_EQ(text.size(), 14u) << ::testing::PrintToString(text);
    EXPECT_EQ(Lines(text.begin(), text.begin() + 6),
              Join({Plain("r_M", "2 2", {"0.00 -1.00 ", "1.00 0.00 "}), {"-REAL EIGENVALUES ARE-"}}));
    for (int k : {6, 7})
        EXPECT_EQ(std::abs(Numbers(text[k]).at(0)), 0.0) << text[k];
    EXPECT_EQ(text[8], "-IMAGINARY EIGENVALUES ARE-");
    EXPECT_EQ(std::abs(Numbers(text[9]).at(0)), 1.0);
    EXPECT_EQ(Numbers(text[10]).at(0), -Numbers(text[9]).at(0));
    EXPECT_EQ(text[11], "-EIGEN VECTORS ARE-");
    EXPECT_TRUE(text[12].starts_with("No real eigenvector for ")) << text[12];
    EXPECT_TRUE(text[13].starts_with("No real eigenvector for ")) << text[13];
    EXPECT_EQ(Work().matrices.Count(), 1);
}

// The Window menu is rebuilt each time it opens; its entries of the text windows the
// commands opened go on working after windows have come and gone.
TEST_F(MatrixOperations, WindowMenuListsTheResultWindowsEachTimeItOpens) {
    TickMatrices("ReciprocalItem", "TFSMatrSel", {0}, false);
    TickMatrices("CombinatorialItem", "TFSMatrSel", {0}, false);
    TickMatrices("ReciprocalItem", "TFSMatrSel", {1}, false);
    auto* menu = Main().findChild<QMenu*>("WindowMenu");
    ASSERT_NE(menu, nullptr);
    const auto entries = [menu] {
        emit menu->aboutToShow();
        QStringList texts;
        for (QAction* action : menu->actions())
            texts.append(action->text());
        return texts;
    };
    EXPECT_EQ(entries().mid(4), (QStringList{"&1 a_R_X.M", "&2 a_Comb_X.M", "&3 a_R_Y.M"}));
    Main().TextWindows()[0]->CloseWithoutQuestion();
    ASSERT_TRUE(WaitUntil([this] { return Main().TextWindows().size() == 2; }));
    entries();
    const QStringList now = entries();
    ASSERT_EQ(now.mid(4), (QStringList{"&1 a_Comb_X.M", "&2 a_R_Y.M"}));
    menu->actions()[4]->trigger();
    EXPECT_EQ(Main().ActiveTextWindow()->Caption(), "a_Comb_X.M");
}

} // namespace
} // namespace grafida::app::testing
