#include "workspace/CommandSupport.h"

#include "molecule/PropertyFile.h"
#include "numeric/MatrixText.h"
#include "numeric/Messages.h"
#include "numeric/Reporter.h"

namespace grafida {

const TFLOATARRAY* FindChosenMatrix(const Workspace& workspace, std::string_view name) {
    const TFLOATARRAY* matrix = workspace.matrices.Find(name);
    if (!matrix)
        ShowError(messages::kMatrixNotStored, std::string(name));
    return matrix;
}

void PrintBySettings(const TFLOATARRAY& matrix, const Settings& settings, TextTarget& target) {
    if (settings.FormattedDisplay)
        PrintFormatted(matrix, target, settings.Width, settings.Decimals);
    else
        PrintPlain(matrix, target, settings.Width, settings.Decimals);
}

std::string MoleculeOfMatrix(std::string_view matrixName) {
    return std::string(matrixName.substr(0, matrixName.find('_')));
}

TAtomProperties ReadMoleculeProperties(const Workspace& workspace, std::string_view molecule) {
    TAtomProperties properties;
    if (LoadProperties(properties, workspace.PropertyFilePath(molecule)) != kPropertiesLoaded)
        properties.Clear();
    return properties;
}

std::vector<std::string> PropertyCatalogueLines(const Workspace& workspace,
                                                const std::vector<std::string>& fixedItems) {
    std::vector<std::string> lines;
    for (const std::string& molecule : workspace.molecules.Names()) {
        std::string line = molecule + ",";
        for (const std::string& item : fixedItems)
            line += item + ",";
        for (const TAtomProperty& property : ReadMoleculeProperties(workspace, molecule))
            line += property.Name + ",";
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace grafida
