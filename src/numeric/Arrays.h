#pragma once
// Named 1-based matrices with bounds-tested access. TFLOATARRAY is the working
// type of every matrix the user sees.

#include "numeric/Vectors.h"

#include <cstdint>
#include <vector>

namespace grafida {

// Integer matrix: sizing only (no computation creates one).
class TINTARRAY : public TBaseMatrix {
public:
    TINTARRAY() = default;
    TINTARRAY(std::int64_t rows, std::int64_t cols);
    const char* ClassName() const override { return "TINTARRAY"; }
    std::unique_ptr<TContained> Clone() const override { return std::make_unique<TINTARRAY>(*this); }
    std::uint32_t Rows() const { return rows_; }
    std::uint32_t Cols() const { return cols_; }
    void SetRows(std::int64_t n);
    void SetCols(std::int64_t n);

private:
    std::uint32_t rows_ = 0;
    std::uint32_t cols_ = 0;
    std::vector<std::int32_t> data_;
};

enum class DiagDirection { Get, Put };

class TFLOATARRAY : public TBaseMatrix {
public:
    TFLOATARRAY() = default;
    TFLOATARRAY(std::int64_t rows, std::int64_t cols);
    // Named matrix from rows of values (all rows as long as the first).
    TFLOATARRAY(std::string name, const std::vector<std::vector<double>>& rows);

    const char* ClassName() const override { return "TFLOATARRAY"; }
    std::unique_ptr<TContained> Clone() const override { return std::make_unique<TFLOATARRAY>(*this); }
    void Assign(const TContained& source) override;

    std::uint32_t Rows() const { return rows_; }
    std::uint32_t Cols() const { return cols_; }
    double Get(std::int64_t i, std::int64_t j) const { return data_[Offset(i, j)]; }
    void Put(std::int64_t i, std::int64_t j, double value) { data_[Offset(i, j)] = value; }
    // Kept rows keep their values; new rows hold Cols zeros.
    void SetRows(std::int64_t n);
    // Every row gets n cells; kept cells keep their values, new cells are 0.
    void SetCols(std::int64_t n);

    void Zero();
    double RowSum(std::int64_t i) const;
    double ColSum(std::int64_t j) const;
    double TotalSum() const;
    bool IsSquare() const { return rows_ == cols_; }
    bool IsSymmetric() const;
    // Copies the k-th diagonal into vector (Get) or vector into it (Put).
    void Diag(TFLOATVEC* vector, std::int64_t k, DiagDirection direction);
    double DiagSum(std::int64_t k) const;
    void SwapRows(std::int64_t r1, std::int64_t r2);
    void SwapCols(std::int64_t c1, std::int64_t c2);

    // Row i (1-based) as Cols contiguous values, for printers and hot paths.
    const double* RowData(std::int64_t i) const { return &data_[Offset(i, 1)]; }
    bool operator==(const TFLOATARRAY& other) const {
        return Name() == other.Name() && rows_ == other.rows_ && cols_ == other.cols_ && data_ == other.data_;
    }

private:
    size_t Offset(std::int64_t i, std::int64_t j) const {
        if (i < 1 || j < 1 || i > rows_ || j > cols_)
            RaiseBounds(i, j);
        return static_cast<size_t>(i - 1) * cols_ + static_cast<size_t>(j - 1);
    }
    [[noreturn]] static void RaiseBounds(std::int64_t i, std::int64_t j);
    void Resize(std::int64_t rows, std::int64_t cols);

    std::uint32_t rows_ = 0;
    std::uint32_t cols_ = 0;
    std::vector<double> data_; // row-major, rows_ * cols_ cells
};

} // namespace grafida
