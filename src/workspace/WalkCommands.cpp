#include "workspace/WalkCommands.h"

#include "numeric/Error.h"
#include "numeric/MatrixText.h"
#include "numeric/Messages.h"
#include "numeric/NumberText.h"
#include "numeric/Reporter.h"
#include "topology/WalkMatrix.h"
#include "workspace/CommandSupport.h"
#include "workspace/PendingMatrices.h"
#include "workspace/Workspace.h"

namespace grafida {

std::vector<std::string> WMatrixPropertyLines(const Workspace& workspace) {
    return PropertyCatalogueLines(workspace, {});
}

CommandResult RunWMatrix(Workspace& workspace, const WMatrixChoices& choices, TextTarget& window) {
    CommandResult result;
    CountingTarget target(window);
    PendingMatrices pending(workspace.matrices);
    const Settings& settings = workspace.settings;
    const auto finish = [&](bool failed) {
        result.failed = failed;
        result.discardWindow = failed && target.Lines() == 0;
        result.kept = pending.Commit();
        return result;
    };
    const TFLOATARRAY* matrix = FindChosenMatrix(workspace, choices.matrix);
    if (!matrix)
        return finish(true);

    // Each W matrix with the sum of its diagonal.
    const auto computeAndPrint = [&](TFLOATVEC& property) {
        std::optional<TFLOATARRAY> w = CalcWMatrix(matrix, choices.steps, property);
        if (!w)
            return false;
        PrintPlain(*w, target, settings.Width, settings.Decimals);
        target.AddLine("Diagonal elements sum = " +
                       FormatFixed(w->DiagSum(0), settings.Width, settings.Decimals));
        result.printed.push_back(w->Name());
        if (choices.properties.empty())
            result.caption = w->Name() + ".M";
        if (choices.keep)
            pending.Keep(std::move(*w));
        return true;
    };

    if (choices.properties.empty()) {
        TFLOATVEC ones(matrix->Rows());
        ones.Fill(1, 1.0);
        return finish(!computeAndPrint(ones));
    }
    const std::string molecule = MoleculeOfMatrix(matrix->Name());
    const TAtomProperties properties = ReadMoleculeProperties(workspace, molecule);
    for (const std::string& name : choices.properties) {
        const TAtomProperty* property = properties.FindByName(name);
        if (!property) {
            ShowError(messages::kNeeds, "W matrix", name);
            return finish(true);
        }
        TFLOATVEC values(name, property->Values);
        if (!computeAndPrint(values))
            return finish(true);
    }
    return finish(false);
}

CommandResult RunWalkOperator(Workspace& workspace, const WalkOperatorChoices& choices, TextTarget& target) {
    CommandResult result;
    if (choices.matrices.size() < 3) {
        result.failed = result.discardWindow = true;
        return result;
    }
    const TFLOATARRAY* m[3] = {};
    for (int k = 0; k < 3; ++k)
        if (!(m[k] = FindChosenMatrix(workspace, choices.matrices[static_cast<size_t>(k)]))) {
            result.failed = result.discardWindow = true;
            return result;
        }
    std::optional<TFLOATARRAY> walks = CalcWalkOperator(m[0], m[1], m[2]);
    if (!walks) {
        // The command's rule: the window stays, empty.
        result.failed = true;
        return result;
    }
    PrintBySettings(*walks, workspace.settings, target);
    result.caption = walks->Name() + ".M";
    result.printed.push_back(walks->Name());
    if (choices.keep) {
        PendingMatrices pending(workspace.matrices);
        pending.Keep(std::move(*walks));
        result.kept = pending.Commit();
    }
    return result;
}

} // namespace grafida
