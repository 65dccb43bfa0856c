// Calculate › Indices ...: the selection dialog answered as a user would, the table
// window it opens (cells, sorting, notes), saving it as CSV and as a matrix file,
// copying it, and the plot of one index against another. The cells are compared
// with the table the workspace computes for the same request, so these tests hold
// whichever columns an index gives.
#include "AppFixture.h"
#include "DialogDriver.h"
#include "app/TFGetIng.h"
#include "app/TFWalkOpt.h"
#include "app/TFormIndexPlot.h"
#include "app/TFormIndexTable.h"
#include "app/TFormMolMng.h"
#include "numeric/MatrixText.h"
#include "numeric/TextFile.h"
#include "workspace/IndexTableFiles.h"

#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <charconv>
#include <chrono>
#include <cmath>
#include <filesystem>

namespace grafida::app::testing {
namespace {

using dlgpack::testing::WhenDialogShows;
using Lines = std::vector<std::string>;

// Randić (flag 0) and the half sum of the distance matrix (flag 3).
const std::vector<int> kTicked = {0, 3};

IndexRequest TickedRequest() {
    std::vector<bool> flags(kIndexFlagCount);
    for (int flag : kTicked)
        flags[static_cast<size_t>(flag)] = true;
    return IndexRequestFromFlags(flags, {0}, {});
}

// Ticks the indices of kTicked through the group and index lists.
void TickIndices(TFGetIng& dialog) {
    for (int flag : kTicked) {
        const int group = flag < 3 ? 0 : 1;
        dialog.Groups().setCurrentRow(group);
        dialog.Indices().item(flag - (group == 0 ? 0 : 3))->setCheckState(Qt::Checked);
    }
}

// A table made by hand: two numbers and an empty cell, for what must not depend on
// the index definitions.
IndexTable HandMadeTable() {
    IndexTable table;
    table.columns = {{"molecule", "molecule", "the molecule"},
                     {"a", "Index a", "a count"},
                     {"b", "Index b", "a value, in units of b"}};
    table.rows = {{std::string("m1"), 3, 1.5},
                  {std::string("m2"), std::monostate{}, 0.25},
                  {std::string("m3"), 1, 2.75},
                  {std::string("m4"), 2, std::monostate{}}};
    table.notes = {"m2: a is undefined", "m4: b is undefined"};
    return table;
}

class IndicesCommand : public App {
protected:
    // Runs the command, ticking the indices of kTicked and accepting.
    void RunIndices() {
        WhenDialogShows(QStringLiteral("FGetIng"), [](QDialog& dialog) {
            auto& select = static_cast<TFGetIng&>(dialog);
            TickIndices(select);
            select.OkButton().click();
        });
        Trigger("IndicesItem");
    }
    std::vector<TFormIndexTable*> Tables() {
        const auto tables = Main().MdiArea().findChildren<TFormIndexTable*>();
        return {tables.begin(), tables.end()};
    }
    TFormIndexTable& Table() {
        const auto tables = Tables();
        if (tables.size() != 1)
            throw std::runtime_error("not one table window");
        return *tables.front();
    }
    // Opens a table window of a table made by hand.
    TFormIndexTable& Show(IndexTable table) {
        auto* window = new TFormIndexTable(Main(), std::move(table), "T");
        Main().AddDocument(window);
        return *window;
    }
    std::string Cell(TFormIndexTable& window, int row, int column) {
        return window.View().model()->index(row, column).data().toString().toStdString();
    }
};

TEST_F(IndicesCommand, EnabledExactlyWhileAMoleculeIsLoadedAndNoCommandRuns) {
    EXPECT_FALSE(Item("IndicesItem").isEnabled());
    OpenSamples({"propane"});
    EXPECT_TRUE(Item("IndicesItem").isEnabled());
    bool enabledMeanwhile = true;
    Main().RunCommand([&] { enabledMeanwhile = Item("IndicesItem").isEnabled(); });
    EXPECT_FALSE(enabledMeanwhile);
    EXPECT_TRUE(Item("IndicesItem").isEnabled());
    // Deleting the last molecule in the molecule manager disables it again.
    Trigger("MoleculeListItem");
    TFormMolMng& manager = *Main().findChildren<TFormMolMng*>().back();
    manager.Molecules().item(0)->setSelected(true);
    manager.DeleteButton().click();
    EXPECT_TRUE(Work().molecules.Names().empty());
    EXPECT_FALSE(Item("IndicesItem").isEnabled());
}

TEST_F(IndicesCommand, TheWindowShowsTheTableOfEveryMoleculeInListOrder) {
    OpenSamples({"propane", "benzene", "ethene-water"});
    RunIndices();
    const IndexTable expected = CalcIndexTable(Work(), TickedRequest());
    TFormIndexTable& window = Table();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Indices1"));
    const QAbstractItemModel& model = *window.View().model();
    ASSERT_EQ(model.rowCount(), 3);
    ASSERT_EQ(model.columnCount(), static_cast<int>(expected.columns.size()));
    for (int column = 0; column < model.columnCount(); ++column) {
        const IndexColumn& index = expected.columns[static_cast<size_t>(column)];
        EXPECT_EQ(model.headerData(column, Qt::Horizontal).toString().toStdString(), index.title);
        EXPECT_EQ(model.headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString().toStdString(),
                  index.description);
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(Cell(window, row, column),
                      ShownIndexCell(expected.rows[static_cast<size_t>(row)][static_cast<size_t>(column)]))
                << "row " << row << ", column " << index.name;
        // Every digit stays reachable: a value's tooltip holds what the files hold.
        for (int row = 0; row < 3; ++row)
            if (const auto& cell = expected.rows[static_cast<size_t>(row)][static_cast<size_t>(column)];
                std::holds_alternative<double>(cell))
                EXPECT_EQ(model.index(row, column).data(Qt::ToolTipRole).toString().toStdString(),
                          FormatIndexCell(cell));
    }
    EXPECT_EQ(Cell(window, 0, 0), "propane");
    EXPECT_EQ(Cell(window, 2, 0), "ethene-water");
    std::string notes;
    for (const std::string& note : expected.notes)
        notes += (notes.empty() ? "" : "\n") + note;
    EXPECT_EQ(window.Notes().text().toStdString(), notes);
    EXPECT_EQ(window.Notes().isVisible(), !notes.empty());

    // Its File menu and the Edit menu stand in the menu bar; Save as and Copy apply.
    EXPECT_TRUE(Main().findChild<QMenu*>(QStringLiteral("ChildFileMenu"))->menuAction()->isVisible());
    EXPECT_TRUE(Main().findChild<QMenu*>(QStringLiteral("EditMenu"))->menuAction()->isVisible());
    EXPECT_TRUE(Item("SaveAsItem").isEnabled());
    EXPECT_FALSE(Item("LoadMatricesItem").isEnabled());
    EXPECT_FALSE(Item("PasteItem").isEnabled());
    EXPECT_TRUE(Item("CopyItem").isEnabled());
}

TEST_F(IndicesCommand, CancelInEitherDialogComputesNothing) {
    OpenSamples({"propane"});
    WhenDialogShows(QStringLiteral("FGetIng"), [](QDialog& dialog) {
        auto& select = static_cast<TFGetIng&>(dialog);
        select.Groups().setCurrentRow(5);
        select.Indices().item(1)->setCheckState(Qt::Checked); // Walk operator
        WhenDialogShows(QStringLiteral("FWalkOpt"), [](QDialog& walk) {
            auto& options = static_cast<TFWalkOpt&>(walk);
            options.BaseList().item(0)->setSelected(true);
            for (int k = 0; k < 3; ++k)
                options.Include(k).click();
            options.CancelButton().click();
        });
        select.WalkDetails().click();
        select.CancelButton().click();
    });
    Trigger("IndicesItem");
    EXPECT_TRUE(Tables().empty());
    EXPECT_TRUE(Main().MdiArea().subWindowList().isEmpty());
    EXPECT_TRUE(reporter_.errors.empty());
}

// The detour index of a random cubic cage takes seconds: Cancel stops it, and no
// window opens.
TEST_F(IndicesCommand, CancelWhileComputingOpensNoWindow) {
    const std::string cage = Path("work/cage.hin");
    std::filesystem::copy_file(std::string(GRAFIDA_TEST_DATA_DIR) + "/slow/random-cubic-64.hin", cage);
    dialogs_.openAnswers = {{cage}};
    Trigger("OpenItem");
    TFMain* main = &Main();
    WhenDialogShows(QStringLiteral("FGetIng"), [main](QDialog& dialog) {
        auto& select = static_cast<TFGetIng&>(dialog);
        select.Groups().setCurrentRow(1);
        select.Indices().item(2)->setCheckState(Qt::Checked); // 1/2Sum Detour
        select.OkButton().click();
        QTimer::singleShot(150,
                           [main] { QTest::mouseClick(&main->Progress().CancelButton(), Qt::LeftButton); });
    });
    const auto start = std::chrono::steady_clock::now();
    Trigger("IndicesItem");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_TRUE(Tables().empty());
    EXPECT_EQ(Main().HintPanel().text(), "Cancelled: nothing was kept");
    EXPECT_EQ(Work().molecules.Names(), Lines{"cage"});
}

TEST_F(IndicesCommand, UnavailableIndicesAreShownDisabledWithTheirReason) {
    TFGetIng dialog(Work(), kIndexFlagCount, &Main());
    const int firstFlags[] = {0, 3, 8, 16, 19, 22, kIndexFlagCount};
    for (int group = 0; group < 6; ++group) {
        dialog.Groups().setCurrentRow(group);
        ASSERT_EQ(dialog.Indices().count(), firstFlags[group + 1] - firstFlags[group]);
        for (int k = 0; k < dialog.Indices().count(); ++k) {
            QListWidgetItem& item = *dialog.Indices().item(k);
            const std::string reason = IndexUnavailableReason(firstFlags[group] + k);
            EXPECT_EQ(item.flags().testFlag(Qt::ItemIsEnabled), reason.empty()) << item.text().toStdString();
            EXPECT_EQ(item.toolTip().toStdString(), reason);
            if (!reason.empty()) {
                item.setCheckState(Qt::Checked);
                EXPECT_FALSE(dialog.Flags().testBit(firstFlags[group] + k));
            }
        }
    }
}

TEST_F(IndicesCommand, HeadersSortNumbersByValueWithEmptyCellsLast) {
    TFormIndexTable& window = Show(HandMadeTable());
    EXPECT_EQ(window.RowsShown(), (std::vector<size_t>{0, 1, 2, 3})); // list order at first
    QHeaderView& header = *window.View().horizontalHeader();
    const auto click = [&](int column) {
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                          QPoint(header.sectionViewportPosition(column) + header.sectionSize(column) / 2,
                                 header.height() / 2));
    };
    click(1);
    const auto first = window.RowsShown();
    click(1);
    const auto second = window.RowsShown();
    // One click sorts up, the next down; either way m2, whose cell is empty, comes last.
    const std::vector<size_t> up = {2, 3, 0, 1};
    const std::vector<size_t> down = {0, 3, 2, 1};
    EXPECT_TRUE((first == up && second == down) || (first == down && second == up));
    window.View().sortByColumn(2, Qt::AscendingOrder);
    EXPECT_EQ(window.RowsShown(), (std::vector<size_t>{1, 0, 2, 3}));
    window.View().sortByColumn(0, Qt::DescendingOrder);
    EXPECT_EQ(window.RowsShown(), (std::vector<size_t>{3, 2, 1, 0}));
    EXPECT_EQ(window.Notes().text(), QStringLiteral("m2: a is undefined\nm4: b is undefined"));
}

TEST_F(IndicesCommand, SaveAsWritesCsvOrTheNumericBlockAsAMatrixFile) {
    OpenSamples({"propane", "benzene", "cyclobutane"});
    RunIndices();
    const IndexTable& table = Table().Table();

    dialogs_.saveAnswers = {Path("other/indices.csv"), Path("other/indices.M")};
    Trigger("SaveAsItem");
    EXPECT_EQ(dialogs_.saveProposals.back(), QString::fromStdString(WorkDir() + "/Indices1.csv"));
    EXPECT_EQ(ReadWholeFile(Path("other/indices.csv")).bytes, IndexTableCsv(table));

    Trigger("SaveAsItem");
    TContainer read;
    ASSERT_EQ(LoadMatrices(Path("other/indices.M"), read), 0);
    ASSERT_EQ(read.Count(), 1);
    const auto& matrix = *read.ItemAs<TFLOATARRAY>(0);
    EXPECT_EQ(matrix.Name(), kIndexMatrixName);
    const auto numeric = NumericIndexColumns(table);
    ASSERT_EQ(matrix.Rows(), 3u);
    ASSERT_EQ(matrix.Cols(), numeric.size());
    for (size_t row = 0; row < 3; ++row)
        for (size_t k = 0; k < numeric.size(); ++k) {
            const std::string text = FormatIndexCell(table.rows[row][numeric[k]]);
            double cell = 0; // read with "." whatever the locale
            std::from_chars(text.data(), text.data() + text.size(), cell);
            EXPECT_NEAR(matrix.Get(row + 1, k + 1), cell, 1e-9 * std::max(1.0, std::abs(cell)));
        }
    EXPECT_TRUE(reporter_.errors.empty());
}

TEST_F(IndicesCommand, AMatrixFileLeavesOutMoleculesWithAnEmptyCellAndAFailedWriteLosesNothing) {
    Show(HandMadeTable());
    dialogs_.saveAnswers = {Path("other/hand.m")};
    Trigger("SaveAsItem");
    EXPECT_EQ(ReadWholeFile(Path("other/hand.m")).bytes,
              "$TFLOATARRAY\r\nIndexTable\r\n2 2\r\n3.0000000000 1.5000000000 \r\n"
              "1.0000000000 2.7500000000 \r\n");
    EXPECT_EQ(reporter_.informations,
              Lines{"m2, m4 left out of " + Path("other/hand.m") + ": an index of it could not be computed"});

    // A folder where the file should go: the user is told, and the folder keeps its file.
    std::filesystem::create_directories(Path("other/taken.csv"));
    Write("other/taken.csv/inside.txt", "old");
    dialogs_.saveAnswers = {Path("other/taken.csv")};
    Trigger("SaveAsItem");
    EXPECT_EQ(reporter_.errors, Lines{"Can't write file " + Path("other/taken.csv")});
    EXPECT_EQ(ReadWholeFile(Path("other/taken.csv/inside.txt")).bytes, "old");
}

TEST_F(IndicesCommand, CopyPutsTheSelectedRowsOrTheWholeTableOnTheClipboard) {
    TFormIndexTable& window = Show(HandMadeTable());
    Trigger("CopyItem");
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              "molecule\ta\tb\r\nm1\t3\t1.5\r\nm2\t\t0.25\r\nm3\t1\t2.75\r\nm4\t2\t\r\n");
    window.View().sortByColumn(1, Qt::AscendingOrder);
    window.View().selectRow(0); // m3
    window.View().selectionModel()->select(window.View().model()->index(2, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows); // m1
    Trigger("CopyItem");
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              "molecule\ta\tb\r\nm3\t1\t2.75\r\nm1\t3\t1.5\r\n");
}

TEST_F(IndicesCommand, ThePlotShowsTheChosenIndicesAndSavesAsPngAndSvg) {
    OpenSamples({"propane", "benzene", "cyclobutane"});
    RunIndices();
    const IndexTable table = Table().Table();
    Table().PlotButton().click();
    auto* plot = Main().MdiArea().findChild<TFormIndexPlot*>();
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(Main().ActiveDocument(), static_cast<ResultDocument*>(plot));
    const auto numeric = NumericIndexColumns(table);
    ASSERT_GE(numeric.size(), 2u);
    ASSERT_EQ(plot->XIndex().count(), static_cast<int>(numeric.size()));
    plot->XIndex().setCurrentIndex(1);
    plot->YIndex().setCurrentIndex(0);
    const IndexPlotPoints expected = PlotPoints(table, numeric[1], numeric[0]);
    EXPECT_EQ(plot->Points().names, (Lines{"propane", "benzene", "cyclobutane"}));
    EXPECT_EQ(plot->Points().x, expected.x);
    EXPECT_EQ(plot->Points().y, expected.y);
    EXPECT_EQ(plot->windowTitle().toStdString(), IndexPlotCaption(table, numeric[1], numeric[0]));

    dialogs_.saveAnswers = {Path("other/plot.png"), Path("other/plot.svg")};
    Trigger("SaveAsItem");
    Trigger("SaveAsItem");
    QImage picture;
    ASSERT_TRUE(picture.load(QString::fromStdString(Path("other/plot.png")), "PNG"));
    EXPECT_GT(picture.width(), 100);
    const std::string svg = ReadWholeFile(Path("other/plot.svg")).bytes;
    ASSERT_NE(svg.find("<svg"), std::string::npos);
    for (const char* name : {"propane", "benzene", "cyclobutane"})
        EXPECT_NE(svg.find(name), std::string::npos) << name;
    EXPECT_TRUE(reporter_.errors.empty());
}

TEST_F(IndicesCommand, APlotLeavesOutMoleculesWithAnEmptyCellAndSaysSo) {
    Show(HandMadeTable()).OpenPlot();
    auto* plot = Main().MdiArea().findChild<TFormIndexPlot*>();
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(plot->XIndex().currentText(), QStringLiteral("Index a"));
    EXPECT_EQ(plot->YIndex().currentText(), QStringLiteral("Index b"));
    EXPECT_EQ(plot->Points().names, (Lines{"m1", "m3"}));
    EXPECT_EQ(plot->Note().text(), QStringLiteral("Left out, an index could not be computed: m2, m4"));
    plot->XIndex().setCurrentIndex(1); // b against b: only m4 lacks it
    EXPECT_EQ(plot->Points().names, (Lines{"m1", "m2", "m3"}));
    EXPECT_EQ(plot->Note().text(), QStringLiteral("Left out, an index could not be computed: m4"));
}

} // namespace
} // namespace grafida::app::testing
