#include "workspace/MatrixManagerCommands.h"

#include "numeric/Algebra.h"
#include "numeric/GeneralEigen.h"
#include "numeric/MatrixText.h"
#include "numeric/Messages.h"
#include "numeric/NumberText.h"
#include "numeric/Polynomial.h"
#include "numeric/Reporter.h"
#include "numeric/SymmetricEigen.h"
#include "topology/ClujIndices.h"
#include "workspace/CommandSupport.h"
#include "workspace/ShellMessages.h"
#include "workspace/Workspace.h"

#include <algorithm>
#include <array>
#include <set>

namespace grafida {

namespace {

inline constexpr const char* kEigenvaluesHeader = "- Eigenvalues are -";
inline constexpr const char* kPolynomialHeader =
    "Coeficients for characteristic polynomial for matrix %s is:";
// A name the copy command never accepts, whatever the list holds.
inline constexpr const char* kReservedName = "new_name";

// A Cluj matrix: the first of its Cluj codes found in the name ends the name.
bool IsClujMatrix(const std::string& name) {
    static constexpr std::array codes = {"_CjDi", "_CjDe", "_CFDi", "_CFDe"};
    size_t first = std::string::npos;
    for (const char* code : codes)
        first = std::min(first, name.find(code));
    return first != std::string::npos && first + 5 == name.size();
}

std::string IndexLine(const TGLOBV& index, const Settings& settings) {
    return index.Name() + " = " +
           FormatFixed(static_cast<double>(index.Value()), settings.Width, settings.Decimals);
}

// Runs one matrix operation; an error it raises is shown and ends the command.
template <class Operation> bool Reported(Operation operation) {
    try {
        operation();
        return true;
    } catch (const GrafidaError& error) {
        CurrentReporter().Error(error.what());
        return false;
    }
}

// Whether a stored matrix belongs to the molecule: its name starts with the
// molecule's name (any letter case, as molecule names compare) and "_".
bool BelongsTo(const std::string& matrixName, const std::string& molecule) {
    return matrixName.size() > molecule.size() && matrixName[molecule.size()] == '_' &&
           SameMoleculeName(std::string_view(matrixName).substr(0, molecule.size()), molecule);
}

bool HasStoredMatrix(const MatrixList& matrices, const std::string& molecule) {
    for (int i = 0; i < matrices.Count(); ++i)
        if (BelongsTo(matrices.Item(i).Name(), molecule))
            return true;
    return false;
}

} // namespace

std::vector<std::string> MatrixManagerEntries(const Workspace& workspace) {
    std::vector<std::string> entries;
    for (int i = 0; i < workspace.matrices.Count(); ++i)
        entries.push_back(workspace.matrices.Item(i).Name());
    if (entries.size() >= 2)
        entries.emplace_back(texts::kSelectAll);
    return entries;
}

CommandResult DisplayMatrices(Workspace& workspace, const std::vector<std::string>& ticked,
                              TextTarget& target) {
    const Settings& settings = workspace.settings;
    CommandResult result;
    int shown = 0;
    for (const std::string& name : ticked) {
        const TFLOATARRAY* matrix = workspace.matrices.Find(name);
        if (!matrix) {
            if (CurrentReporter().Ask(FormatMessage(messages::kMatrixNotFound, name), Question::OkCancel) !=
                Answer::Ok)
                break;
            continue;
        }
        ++shown;
        PrintBySettings(*matrix, settings, target);
        result.printed.push_back(name);
        if (IsClujMatrix(name)) {
            if (const auto ip = CalcIP(matrix))
                target.AddLine(IndexLine(*ip, settings));
            const std::string prefix = name.substr(0, name.find('_') + 1);
            const TFLOATARRAY* adjacency = workspace.matrices.Find(prefix + "AD");
            if (!adjacency) {
                const std::string molecule = prefix.substr(0, prefix.size() - 1);
                if (CurrentReporter().Ask(FormatMessage(messages::kAdjacencyMissing, molecule),
                                          Question::YesNo) == Answer::Yes)
                    continue;
                break;
            }
            if (const auto ie = CalcIE(adjacency, matrix)) {
                target.AddLine(IndexLine(*ie, settings));
                target.AddLine("");
            }
        }
        result.caption = name + ".M";
    }
    if (shown > 1)
        result.caption.clear();
    result.discardWindow = shown == 0;
    return result;
}

void DeleteMatrices(Workspace& workspace, const std::vector<std::string>& ticked) {
    // Only a molecule that loses its last stored matrix here leaves the list: one
    // loaded but not yet worked on is still wanted.
    std::vector<bool> hadMatrices;
    for (const std::string& molecule : workspace.molecules.Names())
        hadMatrices.push_back(HasStoredMatrix(workspace.matrices, molecule));
    for (const std::string& name : ticked)
        workspace.matrices.RemoveByName(name);
    for (int i = workspace.molecules.Count() - 1; i >= 0; --i)
        if (hadMatrices[static_cast<size_t>(i)] &&
            !HasStoredMatrix(workspace.matrices, workspace.molecules.Name(i)))
            workspace.molecules.Delete(i);
}

int SaveMatrices(const Workspace& workspace, const std::vector<std::string>& ticked) {
    int written = 0;
    for (const std::string& name : ticked) {
        const TFLOATARRAY* matrix = workspace.matrices.Find(name);
        if (!matrix)
            continue;
        const std::string path = workspace.WorkDir() + "/" + name + ".M";
        if (SaveToFile(*matrix, path, workspace.settings.Width, workspace.settings.Decimals))
            ++written;
        else
            ShowError(kCannotWriteFile, path);
    }
    return written;
}

void CopyMatrices(Workspace& workspace, const std::vector<std::string>& ticked,
                  const std::vector<std::string>& entries, const AskText& ask) {
    for (const std::string& name : ticked) {
        const TFLOATARRAY* matrix = workspace.matrices.Find(name);
        if (!matrix)
            continue;
        const auto answer = ask(texts::kNewNameCaption, texts::kNewNamePrompt, name);
        if (!answer)
            continue;
        const bool taken = *answer == kReservedName ||
                           std::any_of(entries.begin(), entries.end(), [&](const std::string& entry) {
                               return SameMoleculeName(entry, *answer);
                           });
        if (taken) {
            ShowInformation(messages::kNameExists, *answer);
            continue;
        }
        auto copy = std::make_unique<TFLOATARRAY>(*matrix);
        copy->SetName(*answer);
        workspace.matrices.Add(std::move(copy));
    }
}

bool TransposeMatrices(Workspace& workspace, const std::vector<std::string>& ticked) {
    for (const std::string& name : ticked) {
        const TFLOATARRAY* matrix = workspace.matrices.Find(name);
        if (!matrix)
            continue;
        auto copy = std::make_unique<TFLOATARRAY>(*matrix);
        if (!Reported([&] { Transpose(*copy); }))
            return false;
        workspace.matrices.Add(std::move(copy));
    }
    return true;
}

void InvertMatrices(Workspace& workspace, const std::vector<std::string>& ticked) {
    for (const std::string& name : ticked) {
        const TFLOATARRAY* matrix = workspace.matrices.Find(name);
        if (!matrix)
            continue;
        auto copy = std::make_unique<TFLOATARRAY>(*matrix);
        int code = kSolved;
        if (!Reported([&] { code = Invert(*copy); }))
            return;
        if (code != kSolved) {
            if (CurrentReporter().Ask(FormatMessage(messages::kSingularQuestion, name), Question::YesNo) !=
                Answer::Yes)
                return;
            continue;
        }
        workspace.matrices.Add(std::move(copy));
    }
}

int PrintMatrixEigenvalues(const Workspace& workspace, const std::vector<std::string>& ticked,
                           TextWindows& windows) {
    const Settings& settings = workspace.settings;
    int count = 0;
    for (const std::string& name : ticked) {
        const TFLOATARRAY* matrix = workspace.matrices.Find(name);
        if (!matrix || !matrix->IsSymmetric())
            continue;
        TFLOATARRAY copy(*matrix);
        TFLOATVEC values;
        const int n = static_cast<int>(copy.Rows());
        if (!Reported([&] { JacobiEigenvalues(copy, values, n); }))
            break;
        TextTarget& window = windows.Open("");
        window.AddLine(kEigenvaluesHeader);
        for (int i = 1; i <= static_cast<int>(values.Count()); ++i)
            window.AddLine(std::to_string(i) + " " +
                           FormatFixed(values.Get(i), settings.Width, settings.Decimals));
        ++count;
    }
    ShowInformation(messages::kEigenvaluesComputed, count);
    return count;
}

bool PrintCharacteristicPolynomials(const Workspace& workspace, const std::vector<std::string>& ticked,
                                    TextTarget& target) {
    const Settings& settings = workspace.settings;
    for (const std::string& name : ticked) {
        const TFLOATARRAY* matrix = workspace.matrices.Find(name);
        if (!matrix)
            continue;
        TFLOATARRAY copy(*matrix);
        const int n = static_cast<int>(copy.Rows());
        TFLOATVEC real(n);
        TFLOATVEC imaginary(n);
        TFLOATVEC coefficients;
        bool solved = false;
        if (!Reported([&] {
                // Only the real parts make the polynomial, as the command always did.
                solved = GeneralEigenvalues(copy, 1, n, real, imaginary) == kSolved &&
                         CharPolyFromRoots(real, coefficients) == 0;
            }))
            return false;
        if (!solved) {
            ShowError(messages::kGeneralNotConverged, name);
            return false;
        }
        target.AddLine(FormatMessage(kPolynomialHeader, name));
        target.AddLine(coefficients.ToText(settings.Width, settings.Decimals));
    }
    return true;
}

bool ApplyScalar(Workspace& workspace, ScalarOperation operation, const std::vector<std::string>& ticked,
                 const AskText& ask) {
    std::string lastText;
    for (const std::string& name : ticked) {
        const TFLOATARRAY* matrix = workspace.matrices.Find(name);
        if (!matrix)
            continue;
        const auto answer = ask(texts::kNumberCaption, texts::kNumberPrompt, lastText);
        if (!answer)
            continue;
        lastText = *answer;
        const auto number = ParseNumber(*answer);
        if (!number) {
            ShowInformation(messages::kNotANumber, *answer);
            continue;
        }
        const double value = static_cast<float>(*number);
        auto copy = std::make_unique<TFLOATARRAY>(*matrix);
        const bool done = Reported([&] {
            switch (operation) {
            case ScalarOperation::Multiply:
                MulScalar(*copy, value);
                break;
            case ScalarOperation::Add:
                AddScalar(*copy, value);
                break;
            case ScalarOperation::Subtract:
                SubScalar(*copy, value);
                break;
            case ScalarOperation::Divide:
                DivScalar(*copy, value);
                break;
            }
        });
        if (!done)
            return false;
        workspace.matrices.Add(std::move(copy));
    }
    return true;
}

bool ReorderMatrix(Workspace& workspace, int from, int dropRow) {
    const int count = workspace.matrices.Count();
    if (from < 0 || from >= count)
        return false;
    const int to = dropRow < 0 || dropRow >= count ? count - 1 : dropRow;
    workspace.matrices.Move(from, to);
    return true;
}

} // namespace grafida
