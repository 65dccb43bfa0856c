#pragma once
// The Cluj indices of an unsymmetric matrix (in practice a Cluj matrix): IP over all
// pairs of vertices, IE over the pairs a pattern matrix marks (the edges, with the
// adjacency matrix as pattern).

#include "numeric/Arrays.h"
#include "numeric/Contained.h"

#include <memory>

namespace grafida {

// A named scalar: the result type of the indices.
class TGLOBV : public TContained {
public:
    TGLOBV() = default;
    TGLOBV(std::string name, long double value) : TContained(std::move(name)), value_(value) {}
    const char* ClassName() const override { return "TGLOBV"; }
    std::unique_ptr<TContained> Clone() const override { return std::make_unique<TGLOBV>(*this); }
    void Assign(const TContained& source) override;

    long double Value() const { return value_; }
    void SetValue(long double value) { value_ = value; }

private:
    long double value_ = 0;
};

// Half the sum of M[i,j] * M[j,i] over all cells; named "IP_" + the text after the
// first underscore of M's name (the whole name without one). None for a missing or
// non-square M.
std::unique_ptr<TGLOBV> CalcIP(const TFLOATARRAY* matrix);

// Half the sum of M[i,j] * M[j,i] over the cells where pattern holds exactly 1.0;
// named "IE_" + the same suffix. None when a matrix is missing, M is not square or
// the two differ in size.
std::unique_ptr<TGLOBV> CalcIE(const TFLOATARRAY* pattern, const TFLOATARRAY* matrix);

} // namespace grafida
