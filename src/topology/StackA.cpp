#include "topology/StackA.h"

namespace grafida {

TStackFrame TStackA::Get(int k) const {
    return frames_[static_cast<std::size_t>(k - 1)];
}

void TStackA::Put(int k, const TStackFrame& frame) {
    frames_[static_cast<std::size_t>(k - 1)] = frame;
}

} // namespace grafida
