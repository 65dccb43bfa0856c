#include "app/TFMain.h"

#include "app/CommandHandlers.h"
#include "app/ResultDocument.h"
#include "app/StatusTools.h"
#include "app/TFormMDIChild.h"
#include "app/TFormMatrMng.h"
#include "app/TFormMolMng.h"
#include "app/TFormPreferences.h"
#include "app/UserDialogs.h"
#include "dlgpack/DlgPack.h"
#include "numeric/Reporter.h"
#include "workspace/FileOpening.h"
#include "workspace/ShellMessages.h"
#include "workspace/TextDocuments.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>
#include <new>

namespace grafida::app {

namespace {

// What a command may change, kept so that a cancelled or failed one changes nothing.
struct StoreSnapshot {
    explicit StoreSnapshot(const Workspace& workspace)
        : molecules(workspace.molecules), settings(workspace.settings) {
        for (int i = 0; i < workspace.matrices.Count(); ++i)
            matrices.emplace_back(std::make_unique<TFLOATARRAY>(workspace.matrices.Item(i)));
    }
    void RestoreInto(Workspace& workspace) {
        workspace.molecules = std::move(molecules);
        workspace.settings = std::move(settings);
        workspace.matrices.Clear();
        for (auto& matrix : matrices)
            workspace.matrices.Add(std::move(matrix));
    }
    MoleculeList molecules;
    Settings settings;
    std::vector<std::unique_ptr<TFLOATARRAY>> matrices;
};

// The filters of the file dialogs match extensions in any letter case.
// Molecule files of other programs come third, so the first two stay as users know them.
const QString kOpenFilter = QStringLiteral("HyperChem files (*.[Hh][Ii][Nn]);;Matrices files (*.[Mm]);;"
                                           "Molecule files (*.[Ss][Dd][Ff] *.[Mm][Oo][Ll] *.[Mm][Oo][Ll]2 "
                                           "*.[Ss][Mm][Ii] *.[Ss][Mm][Ii][Ll][Ee][Ss])");

QString Text(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

TFMain::TFMain(std::unique_ptr<Workspace> workspace, QWidget* parent)
    : QMainWindow(parent), workspace_(std::move(workspace)) {
    setObjectName(QStringLiteral("TFMain"));
    setWindowTitle(QStringLiteral("GRAFIDA"));
    // Numbers go through the core's own formatting with "."; Qt's widgets follow suit.
    QLocale::setDefault(QLocale::c());
    workspace_->Start();
    workspaceScope_ = std::make_unique<CurrentWorkspaceScope>(*workspace_);

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("MdiArea"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] { UpdateActions(); });

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();

    resize(652, 480);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setAcceptDrops(true);
    UpdateActions();
}

TFMain::~TFMain() {
    // The text windows go before the workspace they refer to, without questions:
    // whatever had to be asked was asked when the window was closed.
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        delete window;
    if (busy_)
        QApplication::instance()->removeEventFilter(this);
}

QAction* TFMain::MakeAction(const char* name, const char* text, const char* hint,
                            const QKeySequence& shortcut) {
    auto* action = new QAction(Text(text), this);
    action->setObjectName(QString::fromLatin1(name));
    // "short|long": the long hint goes to the status bar, the short one to the tooltip.
    const QString full = Text(hint);
    const qsizetype bar = full.indexOf(QLatin1Char('|'));
    action->setToolTip(bar < 0 ? full : full.left(bar));
    action->setStatusTip(bar < 0 ? full : full.mid(bar + 1));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

void TFMain::CreateActions() {
    const auto command = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, handler);
        commandActions_.push_back(action);
        return action;
    };

    // The main window's File menu.
    command(MakeAction("NewItem", "&New", "Create a new matrices file", QKeySequence(Qt::CTRL | Qt::Key_N)),
            [this] { NewItemClick(); });
    command(MakeAction("OpenItem", "&Open", "Open a file or files", QKeySequence(Qt::CTRL | Qt::Key_O)),
            [this] { OpenItemClick(); });
    command(MakeAction("PreferencesItem", "&Preferences ...", "Modify general options",
                       QKeySequence(Qt::CTRL | Qt::Key_P)),
            [this] { PreferencesItemClick(); });
    command(MakeAction("ExitItem", "E&xit", "Exit program", QKeySequence(Qt::Key_F10)), [this] { close(); });

    // Calculate and Operation: each handler asks its dialog and runs the workspace's command.
    command(MakeAction("BasematricesItem", "&Basic matrices ...", "Calculate base matrices"),
            [this] { BasematricesItemClick(*this); });
    command(MakeAction("PropertiesItem", "P&roperties ...", "Calculate some properties"),
            [this] { PropertiesItemClick(*this); });
    command(MakeAction("IndicesItem", "Indices ...", "Calculate topological indices"),
            [this] { IndicesItemClick(*this); });
    command(MakeAction("MatrixListItem", "&Matrix list ...",
                       "View matrices stored in memory and perform various operations on them"),
            [this] { ShowManager(new TFormMatrMng(*this)); });
    command(MakeAction("MoleculeListItem", "M&olecule list ...", "View molecules stored in memory"),
            [this] { ShowManager(new TFormMolMng(*this)); });
    command(MakeAction("MatrixSumItem", "Matrix &sum", "Calculate matrix sum"),
            [this] { MatrixSumItemClick(*this); });
    command(MakeAction("MatrixDifferenceItem", "Matrix &difference", "Calculate matrix difference"),
            [this] { MatrixDifferenceItemClick(*this); });
    command(MakeAction("ReciprocalItem", "&Reciprocal", "Calculate matrix reciprocal"),
            [this] { ReciprocalItemClick(*this); });
    command(MakeAction("CramerProductItem", "&Cramer product", "Calculate Cramer product"),
            [this] { CramerProductItemClick(*this); });
    command(MakeAction("HadamardProductItem", "&Hadamard product", "Calculate Hadamard product"),
            [this] { HadamardProductItemClick(*this); });
    command(MakeAction("EigenItem", "&Eigen values and vectors", "Calculate eigen values and vectors"),
            [this] { EigenItemClick(*this); });
    command(MakeAction("CombinatorialItem", "Com&binatorial matrix", "Calculate combinatorial matrix"),
            [this] { CombinatorialItemClick(*this); });
    command(MakeAction("WMatrixItem", "&W matrix", "Calculate W matrix"),
            [this] { WMatrixItemClick(*this); });
    command(MakeAction("WalkOperatorItem", "Wal&k operator", "Calculate matrix based on Walk operator"),
            [this] { WalkOperatorItemClick(*this); });
    command(MakeAction("LayerMatrixItem", "La&yer matrix", "Calculate layer matrix"),
            [this] { LayerMatrixItemClick(*this); });
    command(MakeAction("ShellMatrixItem", "S&hell matrix", "Calculate shell matrix"),
            [this] { ShellMatrixItemClick(*this); });

    // Window and Help.
    connect(MakeAction("CascadeItem", "&Cascade", "Cascade"), &QAction::triggered, mdiArea_,
            &QMdiArea::cascadeSubWindows);
    connect(MakeAction("TileItem", "&Tile", "Tile horizontally"), &QAction::triggered, this,
            [this] { TileHorizontally(); });
    connect(MakeAction("ArrangeIconsItem", "&Arrange Icons", "Arrange Icons"), &QAction::triggered, this,
            [this] { ArrangeIcons(); });
    command(
        MakeAction("AboutItem", "&About ...", "Displays program information, version number, and copyright"),
        [this] { AboutItemClick(); });

    // The text windows' File menu; Open, Preferences and Exit are the main window's own.
    command(
        MakeAction("ChildNewItem", "&New", "Create new matrices file", QKeySequence(Qt::CTRL | Qt::Key_N)),
        [this] { NewItemClick(); });
    command(MakeAction("SaveItem", "&Save", "Save current file", QKeySequence(Qt::CTRL | Qt::Key_S)), [this] {
        if (auto* window = ActiveTextWindow())
            window->SaveText();
        else if (auto* document = ActiveDocument())
            document->SaveAs();
    });
    command(MakeAction("SaveAsItem", "Save &as ...", "Save current file with different name",
                       QKeySequence(Qt::CTRL | Qt::Key_A)),
            [this] {
                if (auto* window = ActiveTextWindow())
                    window->SaveTextAs();
                else if (auto* document = ActiveDocument())
                    document->SaveAs();
            });
    command(MakeAction("CloseItem", "&Close", "Close current file", QKeySequence(Qt::CTRL | Qt::Key_F4)),
            [this] { CloseItemClick(); });
    command(MakeAction("CloseAllItem", "Clo&se all ...", "Close all open files"),
            [this] { CloseAllItemClick(); });

    // The text windows' Edit menu.
    const auto onMemo = [this](void (QPlainTextEdit::*edit)()) {
        return [this, edit] {
            if (auto* window = ActiveTextWindow())
                (window->Memo().*edit)();
        };
    };
    connect(MakeAction("CutItem", "Cu&t", "Cut|Cuts the selection and puts it on the Clipboard"),
            &QAction::triggered, this, onMemo(&QPlainTextEdit::cut));
    // A table or a plot copies what it shows.
    connect(MakeAction("CopyItem", "&Copy", "Copy|Copies the selection and puts it on the Clipboard"),
            &QAction::triggered, this, [this, copy = onMemo(&QPlainTextEdit::copy)] {
                if (auto* document = ActiveDocument())
                    document->CopyToClipboard();
                else
                    copy();
            });
    connect(MakeAction("PasteItem", "&Paste", "Paste|Inserts Clipboard contents"), &QAction::triggered, this,
            onMemo(&QPlainTextEdit::paste));
    connect(MakeAction("SelectAllItem", "Sellect &all", "Sellect all contents"), &QAction::triggered, this,
            [this, selectAll = onMemo(&QPlainTextEdit::selectAll)] {
                if (auto* document = ActiveDocument())
                    document->SelectAll();
                else
                    selectAll();
            });
    connect(MakeAction("FontsItem", "&Fonts ...", "Select font size type ..."), &QAction::triggered, this,
            [this] {
                if (auto* window = ActiveTextWindow())
                    window->ChooseFont();
            });
    command(MakeAction("LoadMatricesItem", "Load matrices to l&ist",
                       "Load current content of the window to matrices list in memory"),
            [this] {
                if (auto* window = ActiveTextWindow())
                    RunCommand([window] { window->LoadMatricesToList(); });
            });

    // The toolbar's buttons.
    command(MakeAction("SpeedButtonNew", "New", "Create a new matrices file"), [this] { NewItemClick(); });
    command(MakeAction("SpeedButtonOpen", "Open", "Open a file or files"), [this] { OpenItemClick(); });
    command(MakeAction("SpeedButtonClose", "Close", "Close current file"), [this] { CloseItemClick(); });
    Action("SpeedButtonNew")->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    Action("SpeedButtonOpen")->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    Action("SpeedButtonClose")->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
}

QAction* TFMain::Action(const QString& name) const {
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

void TFMain::CreateMenus() {
    const auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (name == nullptr)
                menu->addSeparator();
            else
                menu->addAction(Action(QString::fromLatin1(name)));
        }
    };
    QMenuBar* bar = menuBar();
    fileMenu_ = bar->addMenu(QStringLiteral("&File"));
    fileMenu_->setObjectName(QStringLiteral("FileMenu"));
    add(fileMenu_, {"NewItem", "OpenItem", nullptr, "PreferencesItem", nullptr, "ExitItem"});

    childFileMenu_ = bar->addMenu(QStringLiteral("&File"));
    childFileMenu_->setObjectName(QStringLiteral("ChildFileMenu"));
    add(childFileMenu_, {"ChildNewItem", "OpenItem", "SaveItem", "SaveAsItem", nullptr, "CloseItem",
                         "CloseAllItem", nullptr, "PreferencesItem", nullptr, "ExitItem"});
    editMenu_ = bar->addMenu(QStringLiteral("&Edit"));
    editMenu_->setObjectName(QStringLiteral("EditMenu"));
    add(editMenu_, {"CutItem", "CopyItem", "PasteItem", nullptr, "SelectAllItem", "FontsItem", nullptr,
                    "LoadMatricesItem"});

    QMenu* calculate = bar->addMenu(QStringLiteral("&Calculate"));
    calculate->setObjectName(QStringLiteral("CalculateMenu"));
    add(calculate, {"BasematricesItem", "PropertiesItem", "IndicesItem"});

    QMenu* operation = bar->addMenu(QStringLiteral("&Operation"));
    operation->setObjectName(QStringLiteral("OperationMenu"));
    add(operation, {"MatrixListItem", "MoleculeListItem"});
    QMenu* mathematics = operation->addMenu(QStringLiteral("Mathematical o&perations"));
    mathematics->setObjectName(QStringLiteral("MathematicalOperationsMenu"));
    mathematics->menuAction()->setStatusTip(QStringLiteral("Basic mathematical operation on matrices"));
    add(mathematics, {"MatrixSumItem", "MatrixDifferenceItem", nullptr, "ReciprocalItem", "CramerProductItem",
                      "HadamardProductItem", nullptr, "EigenItem", "CombinatorialItem"});
    add(operation,
        {nullptr, "WMatrixItem", "WalkOperatorItem", nullptr, "LayerMatrixItem", "ShellMatrixItem"});

    windowMenu_ = bar->addMenu(QStringLiteral("&Window"));
    windowMenu_->setObjectName(QStringLiteral("WindowMenu"));
    connect(windowMenu_, &QMenu::aboutToShow, this, [this] { UpdateWindowMenu(); });
    UpdateWindowMenu();

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    add(help, {"AboutItem"});
}

void TFMain::UpdateWindowMenu() {
    // clear() deletes the window entries, which the menu owns; deleting them again
    // crashed the second time the menu opened.
    windowMenu_->clear();
    windowListActions_.clear();
    windowMenu_->addAction(Action(QStringLiteral("CascadeItem")));
    windowMenu_->addAction(Action(QStringLiteral("TileItem")));
    windowMenu_->addAction(Action(QStringLiteral("ArrangeIconsItem")));
    const auto windows = mdiArea_->subWindowList();
    if (!windows.isEmpty())
        windowMenu_->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        auto* child = qobject_cast<TFormMDIChild*>(window->widget());
        const QString caption = child ? QString::fromStdString(child->Caption()) : window->windowTitle();
        QAction* action = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(caption));
        action->setCheckable(true);
        action->setChecked(window == mdiArea_->activeSubWindow());
        connect(action, &QAction::triggered, this, [this, window] { mdiArea_->setActiveSubWindow(window); });
        windowListActions_.push_back(action);
    }
}

void TFMain::CreateToolBar() {
    QToolBar* toolBar = addToolBar(QStringLiteral("Tools"));
    toolBar->setObjectName(QStringLiteral("ToolBar"));
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(18, 18));
    for (const char* name : {"SpeedButtonNew", "SpeedButtonOpen", "SpeedButtonClose"}) {
        QAction* action = Action(QString::fromLatin1(name));
        toolBar->addAction(action);
        if (auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(action))) {
            button->setObjectName(QString::fromLatin1(name));
            button->setFixedSize(24, 24);
            button->setAutoRaise(true);
        }
    }
}

void TFMain::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    auto* panel = new QWidget(bar);
    panel->setObjectName(QStringLiteral("StatusPanel0"));
    panel->setFixedWidth(400);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(4);
    hint_ = new QLabel(panel);
    hint_->setObjectName(QStringLiteral("HintPanel"));
    layout->addWidget(hint_, 1);
    progress_ = new StatusProgress(*panel, *hint_);
    bar->addWidget(panel);

    tools_ = new StatusTools(std::getenv("PATH") ? std::getenv("PATH") : "", bar);
    tools_->setFixedWidth(150);
    bar->addWidget(tools_);

    clock_ = new QLabel(bar);
    clock_->setObjectName(QStringLiteral("ClockPanel"));
    clock_->setMinimumWidth(50);
    bar->addWidget(clock_);
    clockTimer_ = new QTimer(this);
    connect(clockTimer_, &QTimer::timeout, this, [this] { TickClock(); });
    clockTimer_->start(1000);
    TickClock();
}

void TFMain::TickClock() {
    // The locale's long time format, less the time zone that would not fit the panel.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    clock_->setText(QLocale::system().toString(QTime::currentTime(), format.trimmed()));
}

void TFMain::ShowHint(const QString& hint) {
    hint_->setText(hint);
}

bool TFMain::event(QEvent* event) {
    // Hints go to the first status panel, which the progress bar shares.
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

std::vector<TFormMDIChild*> TFMain::TextWindows() const {
    std::vector<TFormMDIChild*> windows;
    for (QMdiSubWindow* window : mdiArea_->subWindowList(QMdiArea::CreationOrder))
        if (auto* child = qobject_cast<TFormMDIChild*>(window->widget()))
            windows.push_back(child);
    return windows;
}

TFormMDIChild* TFMain::ActiveTextWindow() const {
    QMdiSubWindow* window = mdiArea_->activeSubWindow();
    return window ? qobject_cast<TFormMDIChild*>(window->widget()) : nullptr;
}

TFormMDIChild* TFMain::CreateTextWindow(const std::string& caption) {
    auto* child = new TFormMDIChild(*workspace_, [this] { return busy_; });
    child->SetCaption(caption);
    QMdiSubWindow* window = mdiArea_->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(windowIcon());
    // A window closed by any other way disables Close when it was the last one.
    connect(window, &QObject::destroyed, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (TextWindows().empty())
                closeButtonEnabled_ = false;
            UpdateActions();
        });
    });
    connect(child, &QWidget::windowTitleChanged, this, [this] { UpdateWindowMenu(); });
    child->show();
    UpdateActions();
    return child;
}

void TFMain::AddDocument(QWidget* document) {
    // The size the document asked for, as far as the frame has room.
    const QSize wanted = document->size();
    QMdiSubWindow* window = mdiArea_->addSubWindow(document);
    window->resize(wanted.boundedTo(mdiArea_->viewport()->size()));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(windowIcon());
    connect(window, &QObject::destroyed, this,
            [this] { QTimer::singleShot(0, this, [this] { UpdateActions(); }); });
    connect(document, &QWidget::windowTitleChanged, this, [this] { UpdateWindowMenu(); });
    document->show();
    // Wholly inside the frame where it fits, so that its corner and buttons can be reached.
    const QSize room = mdiArea_->viewport()->size();
    window->move(std::clamp(window->x(), 0, std::max(0, room.width() - window->width())),
                 std::clamp(window->y(), 0, std::max(0, room.height() - window->height())));
    UpdateActions();
}

ResultDocument* TFMain::ActiveDocument() const {
    QMdiSubWindow* window = mdiArea_->activeSubWindow();
    return window ? dynamic_cast<ResultDocument*>(window->widget()) : nullptr;
}

bool TFMain::RunCommand(const std::function<void()>& command) {
    if (busy_)
        return false;
    busy_ = true;
    progress_->Reset();
    UpdateActions();
    QApplication::instance()->installEventFilter(this);
    StoreSnapshot before(*workspace_);
    ProgressSinkScope progress(*progress_);
    bool completed = false;
    try {
        command();
        completed = true;
    } catch (const ComputationCancelled&) {
        ShowHint(Text(kComputationCancelled));
    } catch (const std::bad_alloc&) {
        ShowError(kNoMemory);
    } catch (const std::exception& error) {
        ShowError("%s", std::string(error.what()));
    }
    if (!completed)
        before.RestoreInto(*workspace_);
    QApplication::instance()->removeEventFilter(this);
    busy_ = false;
    UpdateActions();
    return true;
}

bool TFMain::eventFilter(QObject* watched, QEvent* event) {
    // Esc stops the computation whose bar shows, unless a dialog of it takes the key.
    if (busy_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && progress_->IsShown() &&
        !QApplication::activeModalWidget()) {
        progress_->RequestCancel();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFMain::ShowManager(QWidget* manager) {
    // Each command makes a new manager; a closed one is only hidden, and all go with
    // this window.
    manager->show();
    manager->activateWindow();
}

void TFMain::NewItemClick() {
    CreateTextWindow(NewDocumentCaption(static_cast<int>(TextWindows().size())));
    closeButtonEnabled_ = true;
    UpdateActions();
}

void TFMain::OpenItemClick() {
    RunCommand([this] {
        PrepareOpen(*workspace_);
        const auto files =
            CurrentDialogs().OpenFiles(this, QStringLiteral("Select file or files to open"),
                                       QString::fromStdString(workspace_->WorkDir()), kOpenFilter);
        if (!files.empty() && OpenFiles(*workspace_, files) == FileKind::Mixed)
            return;
        if (TextWindows().size() > 2)
            closeButtonEnabled_ = true;
    });
}

void TFMain::DropFiles(const std::vector<std::string>& paths) {
    RunCommand([this, &paths] { grafida::DropFiles(*workspace_, paths); });
}

void TFMain::CloseItemClick() {
    const size_t before = TextWindows().size();
    if (QMdiSubWindow* window = mdiArea_->activeSubWindow())
        window->close();
    if (before < 2)
        closeButtonEnabled_ = false;
    UpdateActions();
}

void TFMain::CloseAllItemClick() {
    const auto windows = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        (*it)->close();
    closeButtonEnabled_ = false;
    UpdateActions();
}

void TFMain::PreferencesItemClick() {
    RunCommand([this] {
        TFormPreferences dialog(*workspace_, this);
        dialog.exec();
    });
}

void TFMain::AboutItemClick() {
    FGetAbout(this);
}

void TFMain::TileHorizontally() {
    std::vector<QMdiSubWindow*> shown;
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        if (!window->isMinimized())
            shown.push_back(window);
    if (shown.empty())
        return;
    const QRect area = mdiArea_->viewport()->rect();
    const int height = area.height() / static_cast<int>(shown.size());
    int y = 0;
    for (QMdiSubWindow* window : shown) {
        window->showNormal();
        window->setGeometry(0, y, area.width(), height);
        y += height;
    }
}

void TFMain::ArrangeIcons() {
    const QRect area = mdiArea_->viewport()->rect();
    int x = 0;
    int y = area.bottom();
    for (QMdiSubWindow* window : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized())
            continue;
        const QSize size = window->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        window->move(x, y - size.height() + 1);
        x += size.width();
    }
}

void TFMain::UpdateActions() {
    const bool text = ActiveTextWindow() != nullptr;
    // A table or a plot brings the same File and Edit menus, with what applies to it.
    const bool document = text || ActiveDocument() != nullptr;
    // The active document's File menu stands in place of the main one; the hidden
    // one's own New is hidden too, so that Ctrl+N has one meaning.
    fileMenu_->menuAction()->setVisible(!document);
    childFileMenu_->menuAction()->setVisible(document);
    editMenu_->menuAction()->setVisible(document);
    Action(QStringLiteral("NewItem"))->setVisible(!document);
    Action(QStringLiteral("ChildNewItem"))->setVisible(document);

    for (QAction* action : commandActions_)
        action->setEnabled(!busy_);
    Action(QStringLiteral("SpeedButtonClose"))->setEnabled(!busy_ && closeButtonEnabled_);
    for (const char* name : {"SaveItem", "SaveAsItem", "CloseItem", "CloseAllItem"})
        Action(QString::fromLatin1(name))->setEnabled(!busy_ && document);
    Action(QStringLiteral("LoadMatricesItem"))->setEnabled(!busy_ && text);
    for (const char* name : {"CutItem", "PasteItem", "FontsItem"})
        Action(QString::fromLatin1(name))->setEnabled(text || !document);
    Action(QStringLiteral("IndicesItem"))->setEnabled(!busy_ && workspace_->molecules.Count() > 0);
    setAcceptDrops(!busy_ && !shuttingDown_);
}

void TFMain::closeEvent(QCloseEvent* event) {
    if (busy_) {
        // Stop the computation first; the user closes again once it is done.
        progress_->RequestCancel();
        event->ignore();
        return;
    }
    if (shuttingDown_ || Shutdown())
        event->accept();
    else
        event->ignore();
}

bool TFMain::Shutdown() {
    const auto windows = TextWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (!(*it)->QueryClose())
            return false;
    if (CurrentReporter().Ask(kExitQuestion, Question::YesNo) != Answer::Yes)
        return false;
    shuttingDown_ = true;
    for (TFormMDIChild* window : windows)
        window->CloseWithoutQuestion();
    setAcceptDrops(false);
    workspace_->Close();
    return true;
}

void TFMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!busy_ && !shuttingDown_ && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TFMain::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile().toStdString());
    event->acceptProposedAction();
    // Loading may ask questions; let the drag finish first.
    QTimer::singleShot(0, this, [this, paths] { DropFiles(paths); });
}

} // namespace grafida::app
