#include "app/CommandHandlers.h"

#include "app/TFGetIng.h"
#include "app/TFMain.h"
#include "app/TFormBaseMatrices.h"
#include "app/TFormIndexTable.h"
#include "app/TFormMDIChild.h"
#include "dlgpack/DlgPack.h"
#include "numeric/Progress.h"
#include "workspace/CommandTexts.h"
#include "workspace/EigenvaluesCommand.h"
#include "workspace/IndexTable.h"
#include "workspace/IndexTableFiles.h"
#include "workspace/LayerCommands.h"
#include "workspace/MatrixOperationCommands.h"
#include "workspace/MoleculeCommands.h"
#include "workspace/WalkCommands.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace grafida::app {

namespace {

QStringList ToQt(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts)
        list.append(QString::fromStdString(text));
    return list;
}

std::vector<std::string> ToStd(const QStringList& list) {
    std::vector<std::string> texts;
    for (const QString& text : list)
        texts.push_back(text.toStdString());
    return texts;
}

std::vector<bool> ToBools(const QBitArray& bits) {
    std::vector<bool> flags;
    for (qsizetype k = 0; k < bits.size(); ++k)
        flags.push_back(bits.testBit(k));
    return flags;
}

QStringList SquareMatrices(TFMain& main) {
    return ToQt(main.CurrentWorkspace().matrices.SquareMatrixNames());
}

// A one-window command prints into this first; its window opens once it is done,
// so that a command that fails or is cancelled leaves no half-filled window.
void ShowResult(TFMain& main, const CommandResult& result, const StringListTarget& text) {
    if (result.discardWindow)
        return;
    const int open = static_cast<int>(main.TextWindows().size());
    TFormMDIChild* window = main.CreateTextWindow(WindowCaption(result, open));
    for (const std::string& line : text.lines)
        window->AddLine(line);
}

// One window per molecule, opened as the command reaches it; a cancelled run
// takes its windows away again along with what it kept.
class MoleculeWindows final : public TextWindows {
public:
    explicit MoleculeWindows(TFMain& main) : main_(main) {}
    TextTarget& Open(const std::string& caption) override {
        TFormMDIChild* window = main_.CreateTextWindow(caption);
        opened_.emplace_back(window);
        return *window;
    }
    void Discard(TextTarget& target) override {
        for (QPointer<TFormMDIChild>& window : opened_)
            if (window && static_cast<TextTarget*>(window.data()) == &target)
                Remove(window);
    }
    void DiscardAll() {
        for (QPointer<TFormMDIChild>& window : opened_)
            if (window)
                Remove(window);
    }

private:
    // Closing asks questions and waits for the command to end; these windows just go.
    static void Remove(QPointer<TFormMDIChild>& window) {
        QWidget* frame = window->parentWidget();
        delete (qobject_cast<QMdiSubWindow*>(frame) ? frame : window.data());
        window = nullptr;
    }

    TFMain& main_;
    std::vector<QPointer<TFormMDIChild>> opened_;
};

void RunOneMatrixDialogCommand(TFMain& main, const char* caption, const char* keepCaption,
                               CommandResult (*command)(Workspace&, const OneMatrixChoices&, TextTarget&)) {
    main.RunCommand([&] {
        QStringList names = SquareMatrices(main);
        bool keep = false;
        if (!FGetSMatrDlg(&main, caption, keepCaption, &names, &keep) || names.isEmpty())
            return;
        StringListTarget text;
        const CommandResult result =
            command(main.CurrentWorkspace(), OneMatrixChoices{names.front().toStdString(), keep}, text);
        ShowResult(main, result, text);
    });
}

void RunTwoMatrixDialogCommand(TFMain& main, const char* caption, TwoMatrixOperation operation) {
    main.RunCommand([&] {
        QStringList names = SquareMatrices(main);
        bool keep = false;
        if (!FGetDMatrDlg(&main, caption, texts::kKeepMatrix, &names, &keep))
            return;
        StringListTarget text;
        const CommandResult result = RunTwoMatrixOperation(main.CurrentWorkspace(), operation,
                                                           TwoMatrixChoices{ToStd(names), keep}, text);
        ShowResult(main, result, text);
    });
}

} // namespace

void BasematricesItemClick(TFMain& main) {
    main.RunCommand([&] {
        TFormBaseMatrices dialog(&main);
        if (dialog.exec() != QDialog::Accepted)
            return;
        MoleculeWindows windows(main);
        try {
            RunBasicMatrices(main.CurrentWorkspace(), dialog.Choices(), windows);
        } catch (...) {
            // A cancelled or failed run keeps nothing, so its windows would show what is not there.
            windows.DiscardAll();
            throw;
        }
    });
}

void PropertiesItemClick(TFMain& main) {
    main.RunCommand([&] {
        QBitArray flags;
        if (!FGetProperties(&main, &flags) || flags.size() < 3)
            return;
        RunProperties(main.CurrentWorkspace(),
                      PropertiesChoices{flags.testBit(0), flags.testBit(1), flags.testBit(2)});
    });
}

void IndicesItemClick(TFMain& main) {
    main.RunCommand([&] {
        Workspace& workspace = main.CurrentWorkspace();
        QBitArray flags(kIndexFlagCount);
        std::vector<int> numbers;
        std::vector<std::string> lines;
        if (workspace.molecules.Count() == 0 || !GetIndices(workspace, &main, flags, numbers, lines))
            return;
        IndexTable table = CalcIndexTable(workspace, IndexRequestFromFlags(ToBools(flags), numbers, lines));
        const auto open = main.MdiArea().findChildren<TFormIndexTable*>().size();
        main.AddDocument(
            new TFormIndexTable(main, std::move(table), IndexTableCaption(static_cast<int>(open))));
    });
}

void WMatrixItemClick(TFMain& main) {
    main.RunCommand([&] {
        Workspace& workspace = main.CurrentWorkspace();
        QStringList names = SquareMatrices(main);
        QStringList properties = ToQt(WMatrixPropertyLines(workspace));
        bool keep = false;
        std::uint16_t steps = 0;
        if (!FGetMatrWPrDlg(&main, texts::kWMatrixCaption, nullptr, nullptr, nullptr, &names, &properties,
                            &keep, &steps) ||
            names.isEmpty())
            return;
        StringListTarget text;
        const CommandResult result = RunWMatrix(
            workspace, WMatrixChoices{names.front().toStdString(), ToStd(properties), steps, keep}, text);
        ShowResult(main, result, text);
    });
}

void WalkOperatorItemClick(TFMain& main) {
    main.RunCommand([&] {
        QStringList names = SquareMatrices(main);
        bool keep = false;
        if (!FGetDualLstDlg(&main, texts::kWalkOperatorCaption, texts::kSourceMatrixLabel,
                            texts::kSelectedMatrixLabel, nullptr, &names, &keep,
                            texts::kWalkOperatorMatrixCount))
            return;
        StringListTarget text;
        const CommandResult result =
            RunWalkOperator(main.CurrentWorkspace(), WalkOperatorChoices{ToStd(names), keep}, text);
        ShowResult(main, result, text);
    });
}

void LayerMatrixItemClick(TFMain& main) {
    main.RunCommand([&] {
        Workspace& workspace = main.CurrentWorkspace();
        QStringList names = SquareMatrices(main);
        QStringList properties = ToQt(LayerPropertyLines(workspace));
        QBitArray options(4);
        if (!FGetLMatrDlg(&main, texts::kLayerMatrixCaption, &names, &properties, &options) ||
            names.isEmpty())
            return;
        StringListTarget text;
        const CommandResult result = RunLayerMatrix(
            workspace, LayerMatrixChoices{names.front().toStdString(), ToStd(properties), ToBools(options)},
            text);
        ShowResult(main, result, text);
    });
}

void ShellMatrixItemClick(TFMain& main) {
    main.RunCommand([&] {
        QStringList names = SquareMatrices(main);
        QBitArray options(4);
        if (!FGetShMatrDlg(&main, texts::kShellMatrixCaption, &names, &options) || names.isEmpty())
            return;
        StringListTarget text;
        const CommandResult result = RunShellMatrix(
            main.CurrentWorkspace(), ShellMatrixChoices{names.front().toStdString(), ToBools(options)}, text);
        ShowResult(main, result, text);
    });
}

void CombinatorialItemClick(TFMain& main) {
    RunOneMatrixDialogCommand(main, texts::kCombinatorialCaption, texts::kKeepMatrix,
                              &RunCombinatorialMatrix);
}

void EigenItemClick(TFMain& main) {
    main.RunCommand([&] {
        QStringList names = SquareMatrices(main);
        bool keep = false;
        if (!FGetSMatrDlg(&main, texts::kEigenvaluesCaption, texts::kKeepEigenvectors, &names, &keep) ||
            names.isEmpty())
            return;
        StringListTarget text;
        const CommandResult result = RunEigenvalues(
            main.CurrentWorkspace(), EigenvaluesChoices{names.front().toStdString(), keep}, text);
        ShowResult(main, result, text);
    });
}

void MatrixSumItemClick(TFMain& main) {
    RunTwoMatrixDialogCommand(main, texts::kSumCaption, TwoMatrixOperation::Sum);
}

void MatrixDifferenceItemClick(TFMain& main) {
    RunTwoMatrixDialogCommand(main, texts::kDifferenceCaption, TwoMatrixOperation::Difference);
}

void CramerProductItemClick(TFMain& main) {
    RunTwoMatrixDialogCommand(main, texts::kCramerCaption, TwoMatrixOperation::CramerProduct);
}

void HadamardProductItemClick(TFMain& main) {
    RunTwoMatrixDialogCommand(main, texts::kHadamardCaption, TwoMatrixOperation::HadamardProduct);
}

void ReciprocalItemClick(TFMain& main) {
    RunOneMatrixDialogCommand(main, texts::kReciprocalCaption, texts::kKeepMatrix, &RunReciprocal);
}

} // namespace grafida::app
