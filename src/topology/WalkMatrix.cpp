#include "topology/WalkMatrix.h"

#include "numeric/MatrixNames.h"
#include "numeric/Messages.h"
#include "numeric/Progress.h"
#include "numeric/Reporter.h"
#include "topology/DistanceLayers.h"

#include <cmath>
#include <vector>

namespace grafida {

namespace {

// One walk step: next[i] = sum over j != i of m(i, j) * diagonal[j], summed in single
// precision as the published walk counts are, plus 2 * loopSeed[i] * diagonal[i] in
// loop mode. Every row reads the diagonal of the step before.
void AdvanceWalks(const TFLOATARRAY& m, const std::vector<double>& diagonal,
                  const std::vector<double>* loopSeed, std::vector<double>& next, ProgressGuard& progress) {
    const size_t n = diagonal.size();
    for (size_t i = 0; i < n; ++i) {
        const double* row = m.RowData(static_cast<std::int64_t>(i) + 1);
        float sum = 0;
        for (size_t j = 0; j < n; ++j)
            if (j != i)
                sum = static_cast<float>(sum + row[j] * diagonal[j]);
        double count = sum;
        if (loopSeed)
            count += 2 * (*loopSeed)[i] * diagonal[i];
        next[i] = count;
        progress.Step();
    }
}

// The step count a walk-operator entry asks for: rounded half to even and kept to
// 16 bits as an unsigned count; nothing for an entry that is not a number.
std::optional<std::uint16_t> StepCount(double entry) {
    const double rounded = RoundHalfEven(entry);
    if (!std::isfinite(rounded))
        return std::nullopt;
    double wrapped = std::fmod(rounded, 65536.0);
    if (wrapped < 0)
        wrapped += 65536.0;
    return static_cast<std::uint16_t>(wrapped);
}

bool SameSize(const TFLOATARRAY& a, const TFLOATARRAY& b) {
    return a.Rows() == b.Rows() && a.Cols() == b.Cols();
}

} // namespace

std::optional<TFLOATARRAY> CalcWMatrix(const TFLOATARRAY* m, std::uint16_t steps, TFLOATVEC& property) {
    if (!m || !m->IsSquare() || m->Rows() != property.Count()) {
        ShowError(messages::kErrorCalculating, "W matrix");
        return std::nullopt;
    }
    const std::int64_t n = m->Rows();
    const bool zeroTrace = m->DiagSum(0) == 0.0;
    const bool loopMode = property.Name() == kLoopPropertyName;
    const std::vector<double> loopSeed = loopMode ? property.Data() : std::vector<double>();

    std::vector<double> diagonal(static_cast<size_t>(n));
    for (std::int64_t i = 1; i <= n; ++i)
        diagonal[static_cast<size_t>(i - 1)] = !zeroTrace ? m->Get(i, i) : loopMode ? 1.0 : property.Get(i);

    std::string name = InsertAfterFirstUnderscore(m->Name(), FormatMessage("W%d_", static_cast<int>(steps)));
    if (property.IndexOfOther(1.0) != 0)
        name += "_" + property.Name();

    {
        ProgressGuard progress(n * steps);
        std::vector<double> next(diagonal.size());
        for (std::uint16_t step = 0; step < steps; ++step) {
            AdvanceWalks(*m, diagonal, loopMode ? &loopSeed : nullptr, next, progress);
            diagonal.swap(next);
        }
    }
    if (steps > 0)
        for (std::int64_t i = 1; i <= n; ++i)
            property.Put(i, diagonal[static_cast<size_t>(i - 1)]);

    TFLOATARRAY w;
    w.Assign(*m);
    w.SetName(std::move(name));
    for (std::int64_t i = 1; i <= n; ++i)
        w.Put(i, i, diagonal[static_cast<size_t>(i - 1)]);
    return w;
}

std::optional<TFLOATARRAY> CalcWalkOperator(const TFLOATARRAY* m1, const TFLOATARRAY* m2,
                                            const TFLOATARRAY* m3) {
    if (!m1 || !m2 || !m3 || !m1->IsSquare() || !SameSize(*m1, *m2) || !SameSize(*m1, *m3)) {
        ShowError(messages::kErrorCalculating, "walk operator");
        return std::nullopt;
    }
    const std::int64_t n = m1->Rows();

    // Every entry asks for the walk counts of one length; the counts of all lengths
    // come from one run of steps, each length's taken when the run passes it.
    std::vector<std::uint16_t> stepCounts(static_cast<size_t>(n * n));
    std::vector<bool> lengthWanted(65536, false);
    std::uint16_t longest = 0;
    for (std::int64_t i = 1; i <= n; ++i)
        for (std::int64_t j = 1; j <= n; ++j) {
            if (i == j)
                continue;
            const std::optional<std::uint16_t> count = StepCount(m2->Get(i, j));
            if (!count) {
                ShowError(messages::kErrorCalculating, "walk operator");
                return std::nullopt;
            }
            stepCounts[static_cast<size_t>((i - 1) * n + (j - 1))] = *count;
            lengthWanted[*count] = true;
            if (*count > longest)
                longest = *count;
        }

    const std::string joined = m1->Name() + "_" + MatrixPart(m2->Name()) + "_" + MatrixPart(m3->Name());
    TFLOATARRAY r(n, n);
    r.SetName(InsertAfterFirstUnderscore(joined, "W_"));

    // Walks seeded with ones, unless m1 brings its own diagonal.
    const bool zeroTrace = m1->DiagSum(0) == 0.0;
    std::vector<double> diagonal(static_cast<size_t>(n), 1.0);
    if (!zeroTrace)
        for (std::int64_t i = 1; i <= n; ++i)
            diagonal[static_cast<size_t>(i - 1)] = m1->Get(i, i);

    ProgressGuard progress(n * longest);
    std::vector<double> next(diagonal.size());
    for (std::int64_t length = 0; length <= longest; ++length) {
        if (lengthWanted[static_cast<size_t>(length)])
            for (std::int64_t i = 1; i <= n; ++i)
                for (std::int64_t j = 1; j <= n; ++j)
                    if (i != j && stepCounts[static_cast<size_t>((i - 1) * n + (j - 1))] == length)
                        r.Put(i, j, diagonal[static_cast<size_t>(i - 1)] * m3->Get(i, j));
        if (length < longest) {
            AdvanceWalks(*m1, diagonal, nullptr, next, progress);
            diagonal.swap(next);
        }
    }
    return r;
}

} // namespace grafida
