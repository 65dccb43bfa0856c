// Long computations: the bar with Cancel, Esc, other commands disabled meanwhile, and
// a cancelled command leaving the stores as they were.
#include "AppFixture.h"
#include "molecule/Molecula.h"
#include "topology/Detour.h"
#include "topology/ElementaryMatrices.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>

namespace grafida::app::testing {
namespace {

// The adjacency matrix of a random cubic graph without symmetry: its detour matrix
// takes seconds, far longer than the test waits before it cancels.
std::unique_ptr<TFLOATARRAY> SlowCage() {
    TMolecula cage;
    EXPECT_TRUE(cage.LoadFromHIN(std::string(GRAFIDA_TEST_DATA_DIR) + "/slow/random-cubic-64.hin"));
    auto matrix = CalcAdjacency(cage);
    matrix->SetName("cage_AD");
    return matrix;
}

struct Before {
    std::vector<std::string> molecules;
    std::vector<std::string> matrices;
    Settings settings;
};

Before Take(const Workspace& work) {
    Before before{work.molecules.Names(), {}, work.settings};
    for (int i = 0; i < work.matrices.Count(); ++i)
        before.matrices.push_back(work.matrices.Item(i).Name());
    return before;
}

void ExpectUnchanged(const Workspace& work, const Before& before) {
    const Before now = Take(work);
    EXPECT_EQ(now.molecules, before.molecules);
    EXPECT_EQ(now.matrices, before.matrices);
    EXPECT_EQ(now.settings, before.settings);
}

class LongCommands : public App {
protected:
    void SetUp() override {
        Work().molecules.Append("cage");
        Work().matrices.Add(SlowCage());
        before_ = Take(Work());
    }
    Before before_;
};

// The detour matrix of the cage, kept when done: Cancel stops it and nothing is kept.
TEST_F(LongCommands, CancelButtonStopsARealComputation) {
    bool sawBar = false;
    bool otherCommandsDisabled = false;
    bool secondCommandRefused = false;
    QTimer::singleShot(150, [&] {
        sawBar = Main().Progress().Bar().isVisible();
        otherCommandsDisabled = !Item("OpenItem").isEnabled() && !Item("NewItem").isEnabled();
        secondCommandRefused = !Main().RunCommand([] {});
        QTest::mouseClick(&Main().Progress().CancelButton(), Qt::LeftButton);
    });
    const auto start = std::chrono::steady_clock::now();
    Main().RunCommand([this] {
        Work().settings.Decimals = 9;
        auto detour = CalcDetour(&Work().matrices.Item(0));
        Work().matrices.Add(std::move(detour));
    });
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    EXPECT_TRUE(sawBar);
    EXPECT_TRUE(otherCommandsDisabled);
    EXPECT_TRUE(secondCommandRefused);
    ExpectUnchanged(Work(), before_);
    EXPECT_EQ(Main().HintPanel().text(), "Cancelled: nothing was kept");
    EXPECT_FALSE(Main().Progress().Bar().isVisible());
    EXPECT_TRUE(Item("OpenItem").isEnabled());
    EXPECT_FALSE(Main().CommandRunning());
}

// A command that changed the stores before it was stopped with Esc: every change undone.
TEST_F(LongCommands, EscStopsACommandAndUndoesWhatItChanged) {
    QTimer::singleShot(100, [&] { QTest::keyClick(&Main(), Qt::Key_Escape); });
    Main().RunCommand([this] {
        Work().molecules.Clear();
        Work().matrices.Clear();
        Work().matrices.Add(std::make_unique<TFLOATARRAY>("partial", std::vector<std::vector<double>>{{1}}));
        Work().settings.WorkDir = "/elsewhere";
        ProgressGuard progress(1'000'000);
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < limit)
            progress.Step();
    });
    ExpectUnchanged(Work(), before_);
    ASSERT_EQ(Work().matrices.Count(), 1);
    const auto cage = SlowCage();
    for (int i = 1; i <= static_cast<int>(cage->Rows()); ++i)
        for (int j = 1; j <= static_cast<int>(cage->Rows()); ++j)
            ASSERT_EQ(Work().matrices.Item(0).Get(i, j), cage->Get(i, j)) << i << " " << j;
}

// An error raised inside a command is shown, and the stores are as before.
TEST_F(LongCommands, AnErrorIsShownAndChangesNothing) {
    Main().RunCommand([this] {
        Work().molecules.Clear();
        Work().matrices.Item(0).Get(99, 1);
    });
    ASSERT_EQ(reporter_.errors.size(), 1u);
    EXPECT_NE(reporter_.errors[0].find("99"), std::string::npos) << reporter_.errors[0];
    ExpectUnchanged(Work(), before_);
}

// A text window cannot go while a command may print into it.
TEST_F(LongCommands, TextWindowsStayWhileACommandRuns) {
    TFormMDIChild& window = NewWindow();
    bool closed = true;
    QTimer::singleShot(50, [&] {
        closed = window.parentWidget()->close();
        Main().Progress().RequestCancel();
    });
    Main().RunCommand([] {
        ProgressGuard progress(1'000'000);
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < limit)
            progress.Step();
    });
    EXPECT_FALSE(closed);
    EXPECT_EQ(Main().TextWindows().size(), 1u);
}

} // namespace
} // namespace grafida::app::testing
