#pragma once
// What the matrix manager does with the ticked stored matrices: display them (with
// the Cluj indices), delete, save, copy under a new name, transpose, invert, scale,
// print their eigenvalues or characteristic polynomials, and reorder the store. The
// manager window only passes the ticked names and shows what these return.
//
// Every function takes the ticked matrix entries in list order; a name that is no
// longer stored is skipped without a word unless the command says otherwise.

#include "numeric/TextTarget.h"
#include "workspace/CommandResult.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace grafida {

class Workspace;

namespace texts {
inline constexpr const char* kMatrixManagerCaption = "List all matrices stored in memory";
inline constexpr const char* kSelectAll = "Select all";
inline constexpr const char* kNewNameCaption = "Enter new matrix name";
inline constexpr const char* kNewNamePrompt = "Name";
inline constexpr const char* kNumberCaption = "Enter number";
inline constexpr const char* kNumberPrompt = "Value";
} // namespace texts

// Asks for a line of text in an input box: caption, prompt, the text it starts with.
// Nothing when the user cancels.
using AskText = std::function<std::optional<std::string>(
    const std::string& caption, const std::string& prompt, const std::string& value)>;

// The manager's list: every stored name in store order, then "Select all" when there
// are at least two.
std::vector<std::string> MatrixManagerEntries(const Workspace& workspace);

// Prints each ticked matrix by the layout setting into target, a Cluj matrix followed
// by its IP line and, when its molecule's adjacency matrix is stored, its IE line.
// The caption is the matrix's name + ".M" when exactly one was shown, empty (an
// untitled window) for more; the window is to be discarded when none was shown.
CommandResult DisplayMatrices(Workspace& workspace, const std::vector<std::string>& ticked,
                              TextTarget& target);

// Removes the ticked matrices, then every molecule name whose last stored matrix went
// with them (its work file stays). Molecules that had no stored matrix stay listed.
void DeleteMatrices(Workspace& workspace, const std::vector<std::string>& ticked);

// Writes each ticked matrix to WorkDir/<name>.M in the formatted layout, replacing an
// existing file; a file that cannot be written is reported and the others are still
// written. Returns the number written.
int SaveMatrices(const Workspace& workspace, const std::vector<std::string>& ticked);

// Copies each ticked matrix under a name asked for; a name already among entries
// (letter case ignored) or "new_name" is refused with a message.
void CopyMatrices(Workspace& workspace, const std::vector<std::string>& ticked,
                  const std::vector<std::string>& entries, const AskText& ask);

// Adds the transpose of each ticked matrix. False when a matrix was not square (the
// user was told; transposes added before it stay): the list is then not refreshed.
bool TransposeMatrices(Workspace& workspace, const std::vector<std::string>& ticked);

// Adds the inverse of each ticked matrix; for a singular one asks whether to go on.
void InvertMatrices(Workspace& workspace, const std::vector<std::string>& ticked);

// Prints the eigenvalues of each ticked symmetric matrix into a new untitled window of
// its own (other matrices are skipped) and tells how many were computed.
int PrintMatrixEigenvalues(const Workspace& workspace, const std::vector<std::string>& ticked,
                           TextWindows& windows);

// Prints the characteristic polynomial of each ticked matrix into one window. False
// when a solver failed (the user was told; the lines printed so far stay).
bool PrintCharacteristicPolynomials(const Workspace& workspace, const std::vector<std::string>& ticked,
                                    TextTarget& target);

enum class ScalarOperation { Multiply, Add, Subtract, Divide };

// Adds each ticked matrix combined with a number asked for (read with "." as the decimal
// point, then taken in single precision). False when the operation raised an error.
bool ApplyScalar(Workspace& workspace, ScalarOperation operation, const std::vector<std::string>& ticked,
                 const AskText& ask);

// Moves the stored matrix at from to the entry dropped on (-1 or past the last matrix:
// the last position). False when from names no stored matrix (the "Select all" entry).
bool ReorderMatrix(Workspace& workspace, int from, int dropRow);

} // namespace grafida
