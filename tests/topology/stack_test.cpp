#include "topology/StackA.h"

#include <gtest/gtest.h>

namespace grafida {
namespace {

TEST(StackA, GetReturnsAnIndependentCopy) {
    TStackA stack(3);
    stack.Put(2, {7, {1, 2, 3}});
    TStackFrame frame = stack.Get(2);
    frame.Candidates.Remove(1);
    frame.Vertex = 9;
    EXPECT_EQ(stack.Get(2).Vertex, 7);
    EXPECT_EQ(stack.Get(2).Candidates, (TIntList{1, 2, 3}));
    stack.Put(2, frame);
    EXPECT_EQ(stack.Get(2).Candidates, (TIntList{2, 3}));
}

} // namespace
} // namespace grafida
