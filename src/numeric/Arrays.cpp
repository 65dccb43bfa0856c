#include "numeric/Arrays.h"

#include "numeric/Error.h"

#include <algorithm>
#include <cstdlib>

namespace grafida {

namespace {

// Checks a requested size; raises the allocation error for what cannot fit.
void CheckSize(const char* className, std::int64_t rows, std::int64_t cols) {
    if (rows < 0 || cols < 0 || rows > UINT32_MAX || cols > UINT32_MAX ||
        (rows > 0 && cols > 0 && rows > kMaxCells / cols))
        RaiseError("Object '%s' raised memory allocation error", className);
}

} // namespace

TINTARRAY::TINTARRAY(std::int64_t rows, std::int64_t cols) {
    SetRows(rows);
    SetCols(cols);
}

void TINTARRAY::SetRows(std::int64_t n) {
    CheckSize(ClassName(), n, cols_);
    data_.resize(static_cast<size_t>(n) * cols_, 0);
    rows_ = static_cast<std::uint32_t>(n);
}

void TINTARRAY::SetCols(std::int64_t n) {
    if (n == cols_)
        return;
    CheckSize(ClassName(), rows_, n);
    std::vector<std::int32_t> cells(static_cast<size_t>(rows_) * static_cast<size_t>(n), 0);
    const size_t kept = std::min<size_t>(cols_, static_cast<size_t>(n));
    for (size_t i = 0; i < rows_; ++i)
        std::copy_n(data_.begin() + static_cast<std::ptrdiff_t>(i * cols_), kept,
                    cells.begin() + static_cast<std::ptrdiff_t>(i * static_cast<size_t>(n)));
    data_ = std::move(cells);
    cols_ = static_cast<std::uint32_t>(n);
}

TFLOATARRAY::TFLOATARRAY(std::int64_t rows, std::int64_t cols) {
    SetRows(rows);
    SetCols(cols);
}

TFLOATARRAY::TFLOATARRAY(std::string name, const std::vector<std::vector<double>>& rows) {
    SetName(std::move(name));
    const auto n = static_cast<std::int64_t>(rows.size());
    const auto m = rows.empty() ? std::int64_t{0} : static_cast<std::int64_t>(rows.front().size());
    Resize(n, m);
    for (std::int64_t i = 1; i <= n; ++i)
        for (std::int64_t j = 1; j <= m; ++j)
            Put(i, j, rows[static_cast<size_t>(i - 1)].at(static_cast<size_t>(j - 1)));
}

void TFLOATARRAY::RaiseBounds(std::int64_t i, std::int64_t j) {
    RaiseError("Array index %lld and %lld out of bounds", static_cast<long long>(i),
               static_cast<long long>(j));
}

void TFLOATARRAY::Resize(std::int64_t rows, std::int64_t cols) {
    CheckSize(ClassName(), rows, cols);
    try {
        if (cols == cols_) {
            data_.resize(static_cast<size_t>(rows) * cols_, 0.0);
        } else {
            std::vector<double> cells(static_cast<size_t>(rows) * static_cast<size_t>(cols), 0.0);
            const size_t keptRows = std::min<size_t>(rows_, static_cast<size_t>(rows));
            const size_t keptCols = std::min<size_t>(cols_, static_cast<size_t>(cols));
            for (size_t i = 0; i < keptRows; ++i)
                std::copy_n(data_.begin() + static_cast<std::ptrdiff_t>(i * cols_), keptCols,
                            cells.begin() + static_cast<std::ptrdiff_t>(i * static_cast<size_t>(cols)));
            data_ = std::move(cells);
        }
    } catch (const std::bad_alloc&) {
        RaiseError("Object '%s' raised memory allocation error", ClassName());
    }
    rows_ = static_cast<std::uint32_t>(rows);
    cols_ = static_cast<std::uint32_t>(cols);
}

void TFLOATARRAY::SetRows(std::int64_t n) {
    Resize(n, cols_);
}

void TFLOATARRAY::SetCols(std::int64_t n) {
    if (n != cols_)
        Resize(rows_, n);
}

void TFLOATARRAY::Assign(const TContained& source) {
    const auto* matrix = dynamic_cast<const TFLOATARRAY*>(&source);
    if (!matrix) {
        TBaseMatrix::Assign(source);
        return;
    }
    if (matrix == this)
        return;
    SetName(matrix->Name());
    SetRows(matrix->Rows());
    SetCols(matrix->Cols());
    data_ = matrix->data_;
}

void TFLOATARRAY::Zero() {
    std::fill(data_.begin(), data_.end(), 0.0);
}

double TFLOATARRAY::RowSum(std::int64_t i) const {
    double sum = 0;
    for (std::int64_t j = 1; j <= cols_; ++j)
        sum += Get(i, j);
    return sum;
}

double TFLOATARRAY::ColSum(std::int64_t j) const {
    double sum = 0;
    for (std::int64_t i = 1; i <= rows_; ++i)
        sum += Get(i, j);
    return sum;
}

double TFLOATARRAY::TotalSum() const {
    double sum = 0;
    for (std::int64_t i = 1; i <= rows_; ++i)
        sum += RowSum(i);
    return sum;
}

bool TFLOATARRAY::IsSymmetric() const {
    if (!IsSquare())
        return false;
    for (std::int64_t i = 1; i <= rows_; ++i)
        for (std::int64_t j = i + 1; j <= cols_; ++j)
            if (Get(i, j) != Get(j, i))
                return false;
    return true;
}

void TFLOATARRAY::Diag(TFLOATVEC* vector, std::int64_t k, DiagDirection direction) {
    if (!vector)
        RaiseError("Error NULL parameter passed to procedure %s", "TFLOATARRAY.Diag");
    const std::int64_t length = static_cast<std::int64_t>(rows_) - std::llabs(k);
    if (length < 0 || vector->Count() != length)
        RaiseBounds(k, k);
    const std::int64_t first = k >= 0 ? 1 : 1 - k;
    for (std::int64_t n = 1; n <= length; ++n) {
        const std::int64_t i = first + n - 1;
        if (direction == DiagDirection::Get)
            vector->Put(n, Get(i, i + k));
        else
            Put(i, i + k, vector->Get(n));
    }
}

double TFLOATARRAY::DiagSum(std::int64_t k) const {
    const std::int64_t length = static_cast<std::int64_t>(rows_) - std::llabs(k);
    if (length < 0)
        RaiseBounds(k, k);
    // The cells Diag would copy out, summed in the same order.
    const std::int64_t first = k >= 0 ? 1 : 1 - k;
    double sum = 0;
    for (std::int64_t n = 1; n <= length; ++n)
        sum += Get(first + n - 1, first + n - 1 + k);
    return sum;
}

void TFLOATARRAY::SwapRows(std::int64_t r1, std::int64_t r2) {
    for (std::int64_t j = 1; j <= cols_; ++j) {
        const double first = Get(r1, j);
        Put(r1, j, Get(r2, j));
        Put(r2, j, first);
    }
}

void TFLOATARRAY::SwapCols(std::int64_t c1, std::int64_t c2) {
    for (std::int64_t i = 1; i <= rows_; ++i) {
        const double first = Get(i, c1);
        Put(i, c1, Get(i, c2));
        Put(i, c2, first);
    }
}

} // namespace grafida
