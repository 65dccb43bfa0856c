#pragma once
// The main window: the frame of the text windows, the menus and toolbar from which
// every command starts, file opening by dialog, drop and command line, the status
// bar with hints, tools, clock and progress, and start-up and shutdown.
//
// Commands run on this thread, one at a time: while one runs, every command is
// disabled and the window handles events between the computation's steps, so the
// window repaints, the clock ticks and Cancel or Esc stop the computation.

#include "app/StatusProgress.h"
#include "workspace/Workspace.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolButton;

namespace grafida::app {

class ResultDocument;
class StatusTools;
class TFormMDIChild;

class TFMain final : public QMainWindow {
    Q_OBJECT
public:
    // Takes the program's workspace, reads its settings and makes it the current one.
    explicit TFMain(std::unique_ptr<Workspace> workspace, QWidget* parent = nullptr);
    ~TFMain() override;

    Workspace& CurrentWorkspace() { return *workspace_; }
    QMdiArea& MdiArea() { return *mdiArea_; }
    StatusProgress& Progress() { return *progress_; }
    StatusTools& Tools() { return *tools_; }
    QLabel& HintPanel() { return *hint_; }
    QLabel& ClockPanel() { return *clock_; }
    // The named action ("NewItem", "OpenItem", "SpeedButtonClose", ...), for the tests.
    QAction* Action(const QString& name) const;

    std::vector<TFormMDIChild*> TextWindows() const;
    TFormMDIChild* ActiveTextWindow() const;
    // A new text window; commands print their results into one.
    TFormMDIChild* CreateTextWindow(const std::string& caption);
    // Shows a result window that is not text (a table, a plot) as a document.
    void AddDocument(QWidget* document);
    // The active document when it is such a result window.
    ResultDocument* ActiveDocument() const;

    // Runs a command: not while another one runs (false then), every command
    // disabled meanwhile, errors shown. Cancelled or failed, it leaves both stores
    // and the settings as they were before it started.
    bool RunCommand(const std::function<void()>& command);
    bool CommandRunning() const { return busy_; }

    // The File and window commands.
    void NewItemClick();
    void OpenItemClick();
    void CloseItemClick();
    void CloseAllItemClick();
    void PreferencesItemClick();
    void AboutItemClick();
    // Files named on the command line or dropped: only existing files count.
    void DropFiles(const std::vector<std::string>& paths);
    // Tiles the text windows one above the other, each as wide as the frame.
    void TileHorizontally();
    void ArrangeIcons();

    // Sets what is enabled and which File menu shows, from the workspace, the
    // active window and whether a command runs.
    void UpdateActions();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    QAction* MakeAction(const char* name, const char* text, const char* hint,
                        const QKeySequence& shortcut = {});
    void ShowManager(QWidget* manager);
    void UpdateWindowMenu();
    void ShowHint(const QString& hint);
    void TickClock();
    bool Shutdown();

    std::unique_ptr<Workspace> workspace_;
    std::unique_ptr<CurrentWorkspaceScope> workspaceScope_;
    QMdiArea* mdiArea_ = nullptr;
    QLabel* hint_ = nullptr;
    QLabel* clock_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    StatusTools* tools_ = nullptr;
    StatusProgress* progress_ = nullptr;
    QMenu* fileMenu_ = nullptr;      // the main window's own
    QMenu* childFileMenu_ = nullptr; // stands in its place while a text window is active
    QMenu* editMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    std::vector<QAction*> commandActions_; // everything disabled while a command runs
    std::vector<QAction*> windowListActions_;
    bool busy_ = false;
    bool closeButtonEnabled_ = false; // the state of SpeedButtonClose, kept by its own rules
    bool shuttingDown_ = false;
};

} // namespace grafida::app
