#include "topology/LayerIndices.h"

#include "numeric/Messages.h"
#include "numeric/Reporter.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace grafida {

namespace {

// N, the largest distance of a matrix with N + 1 columns; -1 for a matrix without columns.
std::int64_t LargestDistanceOf(const TFLOATARRAY& l) {
    return static_cast<std::int64_t>(l.Cols()) - 1;
}

} // namespace

double IntegerPower(double base, std::int64_t exponent) {
    std::uint64_t remaining =
        exponent < 0 ? 0 - static_cast<std::uint64_t>(exponent) : static_cast<std::uint64_t>(exponent);
    double result = 1.0;
    double factor = base;
    while (remaining != 0) {
        if (remaining & 1U)
            result *= factor;
        remaining >>= 1U;
        if (remaining != 0)
            factor *= factor;
    }
    return exponent < 0 ? 1.0 / result : result;
}

double RealPower(double base, double exponent) {
    if (exponent == 0.0)
        return 1.0;
    if (base == 0.0 && exponent > 0.0)
        return 0.0;
    if (std::trunc(exponent) == exponent && std::fabs(exponent) <= INT_MAX)
        return IntegerPower(base, static_cast<std::int64_t>(exponent));
    return std::exp(exponent * std::log(base));
}

namespace {

// (entry^(2e))^rootExponent. The power 2e of a large molecule leaves the range of a
// double (1275^100 for a 51-vertex chain's distance sums, 0.001^120 at the other
// end) although the term itself is a modest number; such terms are taken in
// logarithms, |entry|^(2e·rootExponent), which is the same value.
double CTerm(double entry, std::int64_t e, double rootExponent) {
    const double inner = IntegerPower(entry, 2 * e);
    if (std::isnormal(inner) || entry == 0.0 || !std::isfinite(entry))
        return RealPower(inner, rootExponent);
    return std::exp(static_cast<double>(2 * e) * rootExponent * std::log(std::fabs(entry)));
}

} // namespace

std::optional<TFLOATVEC> CIndex(const TFLOATARRAY* l) {
    if (!l) {
        ShowError(messages::kErrorCalculating, "C index");
        return std::nullopt;
    }
    const std::int64_t largest = LargestDistanceOf(*l);
    const double rootExponent =
        largest > 0 ? 1.0 / (static_cast<double>(largest) * static_cast<double>(largest)) : 0;
    TFLOATVEC c(l->Rows());
    c.SetName("C");
    for (std::int64_t i = 1; i <= l->Rows(); ++i) {
        float sum = 0;
        for (std::int64_t e = 1; e <= largest; ++e)
            sum = static_cast<float>(sum + CTerm(l->Get(i, e + 1), e, rootExponent));
        if (sum != 0)
            c.Put(i, 1.0 / sum);
    }
    return c;
}

std::optional<TFLOATVEC> XIndex(const TFLOATARRAY* l) {
    if (!l) {
        ShowError(messages::kErrorCalculating, "X index");
        return std::nullopt;
    }
    const std::int64_t cols = l->Cols();
    const double total = cols > 0 ? l->ColSum(1) : 0.0;
    std::vector<double> placeValues(static_cast<size_t>(cols));
    for (std::int64_t k = 1; k <= cols; ++k)
        placeValues[static_cast<size_t>(k - 1)] = IntegerPower(10.0, -k);

    TFLOATVEC x(l->Rows());
    x.SetName("X");
    for (std::int64_t i = 1; i <= l->Rows(); ++i) {
        double value = 0;
        for (std::int64_t k = 1; k <= cols; ++k)
            value += l->Get(i, k) * placeValues[static_cast<size_t>(k - 1)];
        if (total != 0)
            value /= total;
        x.Put(i, value);
    }
    return x;
}

void LayerSums(const TFLOATARRAY& l, std::vector<TFLOATVEC>& sums) {
    const std::int64_t cols = l.Cols();
    TFLOATVEC columnSums(cols);
    columnSums.SetName("CS");
    for (std::int64_t k = 1; k <= cols; ++k)
        columnSums.Put(k, l.ColSum(k));
    sums.push_back(std::move(columnSums));

    // Each weighted sum runs over the rows in single precision, as the published sums do.
    const auto weightedSums = [&](const char* name, auto weighted) {
        const std::int64_t largest = std::max<std::int64_t>(LargestDistanceOf(l), 0);
        TFLOATVEC vector(largest);
        vector.SetName(name);
        for (std::int64_t e = 1; e <= largest; ++e) {
            float sum = 0;
            for (std::int64_t i = 1; i <= l.Rows(); ++i)
                sum = static_cast<float>(sum + weighted(l.Get(i, e + 1), static_cast<double>(e)));
            vector.Put(e, sum);
        }
        sums.push_back(std::move(vector));
    };
    weightedSums("PDS", [](double entry, double e) { return entry * e; });
    weightedSums("PRDS", [](double entry, double e) { return entry / e; });
    weightedSums("PD^2S", [](double entry, double e) { return entry * (e * e); });
    weightedSums("PRD^2S", [](double entry, double e) { return entry / (e * e); });
}

} // namespace grafida
