// Long computations: the bar with Cancel, Esc, other commands disabled meanwhile, and
// a cancelled command leaving the stores as they were.
#include "AppFixture.h"
#include "topology/Detour.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>

namespace grafida::app::testing {
namespace {

// The adjacency matrix of the generalised Petersen graph GP(n, k): an n-cycle, an
// inner {n/k} star polygon and n spokes. For GP(35, 8) the detour matrix takes about
// 20 s, far longer than the test waits before it cancels.
std::unique_ptr<TFLOATARRAY> Petersen(int n, int k) {
    auto matrix = std::make_unique<TFLOATARRAY>(2 * n, 2 * n);
    matrix->SetName("cage_AD");
    const auto edge = [&matrix](int a, int b) {
        matrix->Put(a + 1, b + 1, 1);
        matrix->Put(b + 1, a + 1, 1);
    };
    for (int i = 0; i < n; ++i) {
        edge(i, (i + 1) % n);
        edge(n + i, n + (i + k) % n);
        edge(i, n + i);
    }
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
        Work().matrices.Add(Petersen(35, 8));
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
    EXPECT_EQ(Work().matrices.Item(0).Get(1, 2), 1.0);
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
