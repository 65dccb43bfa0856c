#pragma once
// The handlers of the Calculate and Operation menus' computing commands. Each runs
// through the main window's command mechanism (other commands disabled, progress
// with Cancel, the stores as they were after a cancel or failure), asks for its
// choices in a dialog, hands them to the command in the workspace and shows what it
// printed in a new text window.

namespace grafida::app {

class TFMain;

void BasematricesItemClick(TFMain& main);
void PropertiesItemClick(TFMain& main);
// Every ticked index of every loaded molecule, as one table window.
void IndicesItemClick(TFMain& main);
void WMatrixItemClick(TFMain& main);
void WalkOperatorItemClick(TFMain& main);
void LayerMatrixItemClick(TFMain& main);
void ShellMatrixItemClick(TFMain& main);
void CombinatorialItemClick(TFMain& main);
void EigenItemClick(TFMain& main);
void MatrixSumItemClick(TFMain& main);
void MatrixDifferenceItemClick(TFMain& main);
void CramerProductItemClick(TFMain& main);
void HadamardProductItemClick(TFMain& main);
void ReciprocalItemClick(TFMain& main);

} // namespace grafida::app
