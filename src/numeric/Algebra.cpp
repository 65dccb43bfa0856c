#include "numeric/Algebra.h"

#include "numeric/Error.h"
#include "numeric/MatrixNames.h"
#include "numeric/SolverCodes.h"
#include "numeric/WorkMatrix.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace grafida {

namespace {

// Element arithmetic is done in extended precision and stored as double.
using Wide = long double;

// 2^-63: a pivot below it counts as zero.
constexpr Wide kNegligiblePivot = 1.0842021724855044e-19L;

[[noreturn]] void RaiseRange(std::int64_t first, std::int64_t second) {
    RaiseError("Error objects must be of the same range but are %lld %lld", static_cast<long long>(first),
               static_cast<long long>(second));
}

void CheckSameSize(const TFLOATARRAY& a, const TFLOATARRAY& b) {
    if (a.Rows() != b.Rows())
        RaiseRange(a.Rows(), b.Rows());
    if (a.Cols() != b.Cols())
        RaiseRange(a.Cols(), b.Cols());
}

template <class F> void ForEachElement(TFLOATARRAY& a, F change) {
    for (std::int64_t i = 1; i <= a.Rows(); ++i)
        for (std::int64_t j = 1; j <= a.Cols(); ++j)
            a.Put(i, j, static_cast<double>(change(static_cast<Wide>(a.Get(i, j)))));
}

void ApplyScalar(TFLOATARRAY& a, double c, const char* suffixFormat,
                 const std::function<Wide(Wide)>& change) {
    ForEachElement(a, change);
    a.SetName(a.Name() + FormatC(suffixFormat, c));
}

template <class F> void CombineElements(TFLOATARRAY& a, const TFLOATARRAY& b, const char* tag, F combine) {
    CheckSameSize(a, b);
    const std::string newName = a.Name() + tag + MatrixPart(b.Name());
    for (std::int64_t i = 1; i <= a.Rows(); ++i)
        for (std::int64_t j = 1; j <= a.Cols(); ++j)
            a.Put(
                i, j,
                static_cast<double>(combine(static_cast<Wide>(a.Get(i, j)), static_cast<Wide>(b.Get(i, j)))));
    a.SetName(newName);
}

} // namespace

void MulScalar(TFLOATARRAY& a, double c) {
    ApplyScalar(a, c, "_MUL%-.2f", [c](Wide x) { return x * c; });
}

void AddScalar(TFLOATARRAY& a, double c) {
    ApplyScalar(a, c, "_ADD%-.2f", [c](Wide x) { return x + c; });
}

void SubScalar(TFLOATARRAY& a, double c) {
    ApplyScalar(a, c, "_DIF%-.2f", [c](Wide x) { return x - c; });
}

void DivScalar(TFLOATARRAY& a, double c) {
    if (c == 0 && a.Rows() > 0 && a.Cols() > 0)
        RaiseError("Floating point division by zero");
    ApplyScalar(a, c, "_DIV%-.2f", [c](Wide x) { return x / c; });
}

void AddMatrix(TFLOATARRAY& a, const TFLOATARRAY& b) {
    CombineElements(a, b, "_SUM_", [](Wide x, Wide y) { return x + y; });
}

void SubMatrix(TFLOATARRAY& a, const TFLOATARRAY& b) {
    CombineElements(a, b, "_DIF_", [](Wide x, Wide y) { return x - y; });
}

void HadamardProduct(TFLOATARRAY& a, const TFLOATARRAY& b) {
    CombineElements(a, b, "_H_", [](Wide x, Wide y) { return x * y; });
}

void CramerProduct(TFLOATARRAY& a, const TFLOATARRAY& b) {
    if (b.Rows() != a.Cols())
        RaiseRange(a.Cols(), b.Rows());
    // The result keeps a's size, so b must reach as far right as a does.
    if (b.Cols() < a.Cols())
        RaiseRange(a.Cols(), b.Cols());
    TFLOATARRAY product;
    product.Assign(a);
    for (std::int64_t i = 1; i <= a.Rows(); ++i)
        for (std::int64_t j = 1; j <= a.Cols(); ++j) {
            Wide sum = 0;
            for (std::int64_t k = 1; k <= a.Cols(); ++k)
                sum += static_cast<Wide>(a.Get(i, k)) * b.Get(k, j);
            product.Put(i, j, static_cast<double>(sum));
        }
    product.SetName(a.Name() + "_CP" + FromFirstUnderscore(b.Name()));
    a = std::move(product);
}

void Reciprocal(TFLOATARRAY& a) {
    ForEachElement(a, [](Wide x) { return x != 0 ? 1 / x : x; });
    a.SetName(InsertBeforeFirstUnderscore(a.Name(), "_R"));
}

void Transpose(TFLOATARRAY& a) {
    if (!a.IsSquare())
        RaiseError("Error not a square matrix '%s'", a.Name());
    for (std::int64_t i = 1; i <= a.Rows(); ++i)
        for (std::int64_t j = i + 1; j <= a.Cols(); ++j) {
            const double upper = a.Get(i, j);
            a.Put(i, j, a.Get(j, i));
            a.Put(j, i, upper);
        }
    a.SetName(InsertAfterFirstUnderscore(a.Name(), "TRANS_"));
}

int Invert(TFLOATARRAY& a) {
    if (!a.IsSquare())
        RaiseRange(a.Cols(), a.Rows());
    const int n = static_cast<int>(a.Rows());
    WorkMatrix<double> c(a);
    if (!BlockIsFinite(c, 1, n))
        return kNotFinite;
    std::vector<int> pivotRow(static_cast<size_t>(n) + 1);
    std::vector<int> pivotCol(static_cast<size_t>(n) + 1);
    for (int k = 1; k <= n; ++k) {
        int row = k;
        int col = k;
        Wide largest = std::fabs(static_cast<Wide>(c(k, k)));
        for (int i = k; i <= n; ++i)
            for (int j = k; j <= n; ++j)
                if (std::fabs(static_cast<Wide>(c(i, j))) > largest) {
                    largest = std::fabs(static_cast<Wide>(c(i, j)));
                    row = i;
                    col = j;
                }
        pivotRow[static_cast<size_t>(k)] = row;
        pivotCol[static_cast<size_t>(k)] = col;
        if (largest < kNegligiblePivot)
            return kSingular;
        if (row != k)
            for (int j = 1; j <= n; ++j)
                std::swap(c(row, j), c(k, j));
        if (col != k)
            for (int i = 1; i <= n; ++i)
                std::swap(c(i, col), c(i, k));
        const Wide pivot = c(k, k);
        c(k, k) = 1;
        for (int j = 1; j <= n; ++j)
            c(k, j) = static_cast<double>(c(k, j) / pivot);
        for (int i = 1; i <= n; ++i) {
            if (i == k)
                continue;
            const Wide t = c(i, k);
            c(i, k) = 0;
            for (int j = 1; j <= n; ++j)
                c(i, j) = static_cast<double>(c(i, j) - c(k, j) * t);
        }
    }
    for (int k = n; k >= 1; --k)
        if (const int col = pivotCol[static_cast<size_t>(k)]; col != k)
            for (int j = 1; j <= n; ++j)
                std::swap(c(col, j), c(k, j));
    for (int k = n; k >= 1; --k)
        if (const int row = pivotRow[static_cast<size_t>(k)]; row != k)
            for (int i = 1; i <= n; ++i)
                std::swap(c(i, row), c(i, k));
    // Finite input can still overflow when it is all but singular; such an inverse is unusable.
    if (!BlockIsFinite(c, 1, n))
        return kSingular;
    c.CopyTo(a);
    a.SetName(InsertAfterFirstUnderscore(a.Name(), "INV_"));
    return kSolved;
}

void RowSums(const TFLOATARRAY& a, TFLOATVEC& v) {
    if (v.Count() != a.Rows())
        RaiseRange(a.Rows(), v.Count());
    for (std::int64_t i = 1; i <= a.Rows(); ++i)
        v.Put(i, a.RowSum(i));
}

void ColSums(const TFLOATARRAY& a, TFLOATVEC& v) {
    if (v.Count() != a.Cols())
        RaiseRange(a.Cols(), v.Count());
    for (std::int64_t j = 1; j <= a.Cols(); ++j)
        v.Put(j, a.ColSum(j));
}

} // namespace grafida
