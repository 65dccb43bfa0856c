// grafida-cli eigen: the Eigenvalues command's text for matrices of an .M file.
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "numeric/Contained.h"
#include "numeric/MatrixText.h"
#include "numeric/Reporter.h"
#include "workspace/EigenvaluesCommand.h"
#include "workspace/Settings.h"

#include <cstdio>

namespace grafida::cli {

namespace {

// Counts and prints the messages of the core on stderr.
class StderrReporter final : public Reporter {
public:
    void Error(const std::string& text) override {
        std::fprintf(stderr, "grafida-cli: %s\n", text.c_str());
        ++errors;
    }
    void Inform(const std::string& text) override { std::fprintf(stderr, "grafida-cli: %s\n", text.c_str()); }
    Answer Ask(const std::string&, Question kind) override {
        return kind == Question::YesNo ? Answer::No : Answer::Cancel;
    }
    int errors = 0;
};

} // namespace

int RunEigen(const std::vector<std::string>& words) {
    const Arguments arguments(words, {"--width", "--decimals", "--iterations", "--error"}, {"--formatted"});
    Settings settings;
    settings.Width = static_cast<std::uint8_t>(arguments.Integer("--width", settings.Width, 0, 255));
    settings.Decimals = static_cast<std::uint8_t>(arguments.Integer("--decimals", settings.Decimals, 0, 255));
    settings.Iterations =
        static_cast<std::int32_t>(arguments.Integer("--iterations", settings.Iterations, 0, INT32_MAX));
    settings.Error = arguments.Number("--error", settings.Error, 0, 1);
    settings.FormattedDisplay = arguments.Has("--formatted");
    const auto& operands = arguments.Operands();
    if (operands.empty())
        throw UsageError("eigen needs an .M file");
    const std::string& file = operands.front();

    StderrReporter reporter;
    ReporterScope scope(reporter);
    TContainer matrices;
    if (LoadMatrices(file, matrices) < 0) {
        std::fprintf(stderr, "grafida-cli: %s: no such file\n", file.c_str());
        return 1;
    }
    std::vector<const TFLOATARRAY*> chosen;
    if (operands.size() == 1) {
        for (int i = 0; i < matrices.Count(); ++i)
            if (const auto* matrix = matrices.ItemAs<TFLOATARRAY>(i); matrix && matrix->IsSquare())
                chosen.push_back(matrix);
        // Silence would read as success: a file with nothing to solve is a failure.
        if (chosen.empty() && reporter.errors == 0)
            reporter.Error(file + ": no square matrix in the file");
    } else {
        for (std::size_t k = 1; k < operands.size(); ++k) {
            if (const auto* matrix = matrices.Find<TFLOATARRAY>(operands[k]))
                chosen.push_back(matrix);
            else
                reporter.Error(file + ": no matrix named " + operands[k]);
        }
    }
    for (const TFLOATARRAY* matrix : chosen) {
        StringListTarget text;
        PrintEigenvalues(*matrix, settings, text);
        for (const auto& line : text.lines)
            std::printf("%s\n", line.c_str());
    }
    std::fflush(stdout);
    return reporter.errors ? 1 : 0;
}

} // namespace grafida::cli
