#include "workspace/MoleculeCommands.h"

#include "molecule/PropertyFile.h"
#include "molecule/VertexProperties.h"
#include "numeric/Messages.h"
#include "numeric/Reporter.h"
#include "topology/BasicMatrices.h"
#include "workspace/CommandSupport.h"
#include "workspace/PendingMatrices.h"
#include "workspace/Workspace.h"

namespace grafida {

namespace {

bool Chosen(const std::vector<bool>& flags, int k) {
    return static_cast<size_t>(k) < flags.size() && flags[static_cast<size_t>(k)];
}

// Builds, prints and (with Keep) keeps the chosen matrices of one molecule; false
// when the command is to end.
bool BasicMatricesOfMolecule(const TMolecula& molecule, Workspace& workspace,
                             const BasicMatricesChoices& choices, PendingMatrices& pending,
                             TextTarget& window, BasicMatricesResult& result) {
    const std::string prefix = molecule.Name() + "_";
    for (int k = 0; k < kBasicMatrixCount; ++k) {
        if (!Chosen(choices.matrices, k))
            continue;
        const auto which = static_cast<BasicMatrix>(k);
        // Looked up for each matrix: an earlier one of this run may have been kept.
        const TFLOATARRAY* adjacency = pending.Find(prefix + "AD");
        const TFLOATARRAY* distance = pending.Find(prefix + "DI");
        if (!HasBasicInputs(which, adjacency, distance))
            return false;
        std::unique_ptr<TFLOATARRAY> matrix = CalcBasicMatrix(which, molecule, adjacency, distance);
        if (!matrix)
            continue; // the builder has said why; nothing to print or keep
        PrintBySettings(*matrix, workspace.settings, window);
        result.printed.push_back(matrix->Name());
        if (choices.keep)
            pending.Keep(std::move(*matrix));
    }
    return true;
}

} // namespace

BasicMatricesResult RunBasicMatrices(Workspace& workspace, const BasicMatricesChoices& choices,
                                     TextWindows& windows) {
    BasicMatricesResult result;
    PendingMatrices pending(workspace.matrices);
    // A copy: the names must not change under the loop.
    const std::vector<std::string> molecules = workspace.molecules.Names();
    for (const std::string& name : molecules) {
        TextTarget& window = windows.Open(name + ".M");
        TMolecula molecule;
        if (!molecule.LoadFromFile(workspace.WorkFilePath(name))) {
            windows.Discard(window);
            result.failed = true;
            break;
        }
        // Results are named after the molecule as the store holds it.
        molecule.SetName(name);
        if (!BasicMatricesOfMolecule(molecule, workspace, choices, pending, window, result)) {
            result.failed = true;
            break;
        }
    }
    result.kept = pending.Commit();
    return result;
}

CommandResult RunProperties(Workspace& workspace, const PropertiesChoices& choices) {
    CommandResult result;
    result.discardWindow = true; // the command prints nothing
    PendingMatrices pending(workspace.matrices);
    const auto fail = [&](const char* calculation) {
        if (calculation)
            ShowError(messages::kErrorCalculating, calculation);
        result.failed = true;
        result.kept = pending.Commit();
        return result;
    };
    const std::vector<std::string> molecules = workspace.molecules.Names();
    for (const std::string& name : molecules) {
        TMolecula molecule;
        if (!molecule.LoadFromFile(workspace.WorkFilePath(name)))
            return fail(nullptr);
        molecule.SetName(name);
        if (choices.sgi && !CalcSGI(molecule))
            return fail("SGI");
        if (choices.charges) {
            const TFLOATARRAY* distance = workspace.matrices.Find(name + "_DI");
            if (!distance) {
                ShowError(messages::kNeeds, "charges", "distance matrix");
                return fail(nullptr);
            }
            TFLOATARRAY charges(distance->Rows(), distance->Cols());
            if (!CalcCharges(molecule, *distance, charges))
                return fail("charges");
            pending.Keep(std::move(charges));
        }
        if (choices.groupMass && !CalcGroupMass(molecule))
            return fail("Group mass");
        if (!SaveProperties(molecule.Properties, workspace.PropertyFilePath(name), workspace.settings.Width,
                            workspace.settings.Decimals))
            return fail(nullptr);
    }
    result.kept = pending.Commit();
    return result;
}

} // namespace grafida
