#include "workspace/MatrixOperationCommands.h"

#include "numeric/Algebra.h"
#include "numeric/Error.h"
#include "numeric/Messages.h"
#include "numeric/Reporter.h"
#include "topology/CombinatorialMatrix.h"
#include "workspace/CommandSupport.h"
#include "workspace/PendingMatrices.h"
#include "workspace/Workspace.h"

#include <functional>

namespace grafida {

namespace {

CommandResult Failed() {
    CommandResult result;
    result.failed = result.discardWindow = true;
    return result;
}

// Prints result, names the window after it and keeps it on request.
CommandResult Show(Workspace& workspace, TFLOATARRAY result, bool keep, TextTarget& target) {
    CommandResult shown;
    PrintBySettings(result, workspace.settings, target);
    shown.caption = result.Name() + ".M";
    shown.printed.push_back(result.Name());
    if (keep) {
        PendingMatrices pending(workspace.matrices);
        pending.Keep(std::move(result));
        shown.kept = pending.Commit();
    }
    return shown;
}

// A copy of source transformed by operation; nothing, after showing the algebra's
// own message, when the operands do not fit.
std::optional<TFLOATARRAY> Transformed(const TFLOATARRAY& source,
                                       const std::function<void(TFLOATARRAY&)>& operation) {
    TFLOATARRAY copy;
    copy.Assign(source);
    try {
        operation(copy);
    } catch (const GrafidaError& error) {
        // The size error is the user's choice of operands, not a fault of the
        // program: it is told like every other failure, and no window remains.
        CurrentReporter().Error(error.what());
        return std::nullopt;
    }
    return copy;
}

} // namespace

CommandResult RunCombinatorialMatrix(Workspace& workspace, const OneMatrixChoices& choices,
                                     TextTarget& target) {
    const TFLOATARRAY* matrix = FindChosenMatrix(workspace, choices.matrix);
    if (!matrix)
        return Failed();
    std::optional<TFLOATARRAY> combinatorial = CombinatorialMatrix(matrix);
    if (!combinatorial)
        return Failed();
    return Show(workspace, std::move(*combinatorial), choices.keep, target);
}

CommandResult RunTwoMatrixOperation(Workspace& workspace, TwoMatrixOperation operation,
                                    const TwoMatrixChoices& choices, TextTarget& target) {
    if (choices.matrices.size() < 2)
        return Failed();
    const TFLOATARRAY* first = FindChosenMatrix(workspace, choices.matrices[0]);
    const TFLOATARRAY* second = first ? FindChosenMatrix(workspace, choices.matrices[1]) : nullptr;
    if (!second)
        return Failed();
    std::optional<TFLOATARRAY> result = Transformed(*first, [&](TFLOATARRAY& copy) {
        switch (operation) {
        case TwoMatrixOperation::Sum:
            AddMatrix(copy, *second);
            break;
        case TwoMatrixOperation::Difference:
            SubMatrix(copy, *second);
            break;
        case TwoMatrixOperation::CramerProduct:
            CramerProduct(copy, *second);
            break;
        case TwoMatrixOperation::HadamardProduct:
            HadamardProduct(copy, *second);
            break;
        }
    });
    if (!result)
        return Failed();
    return Show(workspace, std::move(*result), choices.keep, target);
}

CommandResult RunReciprocal(Workspace& workspace, const OneMatrixChoices& choices, TextTarget& target) {
    const TFLOATARRAY* matrix = FindChosenMatrix(workspace, choices.matrix);
    if (!matrix)
        return Failed();
    std::optional<TFLOATARRAY> result = Transformed(*matrix, [](TFLOATARRAY& copy) { Reciprocal(copy); });
    if (!result)
        return Failed();
    return Show(workspace, std::move(*result), choices.keep, target);
}

} // namespace grafida
