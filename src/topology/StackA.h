#pragma once
// The explicit stack of the depth-first path search: frames 1..n, each a vertex and
// the candidates still to try from it.

#include "numeric/IntLists.h"

#include <cstdint>
#include <vector>

namespace grafida {

struct TStackFrame {
    std::int32_t Vertex = 0;
    TIntList Candidates;
};

class TStackA {
public:
    explicit TStackA(int capacity) : frames_(static_cast<std::size_t>(capacity)) {}
    // A copy of frame k (1-based); changing it leaves the stored frame unchanged.
    TStackFrame Get(int k) const;
    void Put(int k, const TStackFrame& frame);
    int Capacity() const { return static_cast<int>(frames_.size()); }

private:
    std::vector<TStackFrame> frames_;
};

} // namespace grafida
