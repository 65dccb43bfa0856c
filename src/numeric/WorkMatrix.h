#pragma once
// A dense copy of a matrix with unchecked 1-based access, for the inner loops of
// the solvers. Each solver tests its index range once against the TFLOATARRAY
// (raising the container's bounds error), then works on the copy.

#include "numeric/Arrays.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace grafida {

template <class T> class WorkMatrix {
public:
    WorkMatrix() = default;
    WorkMatrix(int rows, int cols)
        : rows_(rows), cols_(cols), cells_(static_cast<size_t>(rows) * static_cast<size_t>(cols), T{}) {}
    explicit WorkMatrix(const TFLOATARRAY& a)
        : WorkMatrix(static_cast<int>(a.Rows()), static_cast<int>(a.Cols())) {
        for (int i = 1; i <= rows_; ++i)
            for (int j = 1; j <= cols_; ++j)
                (*this)(i, j) = static_cast<T>(a.Get(i, j));
    }

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    T& operator()(int i, int j) { return cells_[Offset(i, j)]; }
    const T& operator()(int i, int j) const { return cells_[Offset(i, j)]; }
    // Element (i, 1); row i is contiguous.
    T* Row(int i) { return cells_.data() + Offset(i, 1); }

    // Writes every element back into a, which has this size.
    void CopyTo(TFLOATARRAY& a) const {
        for (int i = 1; i <= rows_; ++i)
            for (int j = 1; j <= cols_; ++j)
                a.Put(i, j, static_cast<double>((*this)(i, j)));
    }

private:
    size_t Offset(int i, int j) const {
        return static_cast<size_t>(i - 1) * static_cast<size_t>(cols_) + static_cast<size_t>(j - 1);
    }
    int rows_ = 0;
    int cols_ = 0;
    std::vector<T> cells_;
};

// Raises the container's bounds error unless lo..hi is a square block of a (an empty range passes).
inline void CheckSquareRange(const TFLOATARRAY& a, int lo, int hi) {
    if (lo <= hi) {
        a.Get(lo, lo);
        a.Get(hi, hi);
    }
}

// Raises the container's bounds error unless elements lo..hi exist (an empty range passes).
inline void CheckRange(const TFLOATVEC& v, int lo, int hi) {
    if (lo <= hi) {
        v.Get(lo);
        v.Get(hi);
    }
}

// True when every element of the block lo..hi × lo..hi is a finite number.
template <class M> bool BlockIsFinite(const M& a, int lo, int hi) {
    for (int i = lo; i <= hi; ++i)
        for (int j = lo; j <= hi; ++j)
            if (!std::isfinite(a(i, j)))
                return false;
    return true;
}

} // namespace grafida
