#pragma once
// Vertex sets of the path searches as rows of 64-bit words: vertex v (0-based) is
// bit v % 64 of word v / 64. The searches keep many such sets side by side in flat
// buffers, so the helpers work on raw word pointers and an explicit word count.

#include <bit>
#include <cstdint>

namespace grafida::paths {

using Word = std::uint64_t;

// Members of one word. Without the processor's population count instruction the
// library call would cost more than these few operations.
inline int CountOnes(Word bits) {
#if defined(__POPCNT__)
    return std::popcount(bits);
#else
    bits = bits - ((bits >> 1) & 0x5555555555555555ULL);
    bits = (bits & 0x3333333333333333ULL) + ((bits >> 2) & 0x3333333333333333ULL);
    bits = (bits + (bits >> 4)) & 0x0f0f0f0f0f0f0f0fULL;
    return static_cast<int>((bits * 0x0101010101010101ULL) >> 56);
#endif
}

inline int WordsFor(int vertices) {
    return (vertices + 63) / 64;
}

inline void SetBit(Word* set, int v) {
    set[v >> 6] |= Word{1} << (v & 63);
}

inline void ClearBit(Word* set, int v) {
    set[v >> 6] &= ~(Word{1} << (v & 63));
}

inline bool TestBit(const Word* set, int v) {
    return ((set[v >> 6] >> (v & 63)) & 1U) != 0;
}

inline void ClearAll(Word* set, int words) {
    for (int k = 0; k < words; ++k)
        set[k] = 0;
}

inline void CopyBits(Word* target, const Word* source, int words) {
    for (int k = 0; k < words; ++k)
        target[k] = source[k];
}

inline int CountBits(const Word* set, int words) {
    int count = 0;
    for (int k = 0; k < words; ++k)
        count += CountOnes(set[k]);
    return count;
}

inline int CountCommon(const Word* a, const Word* b, int words) {
    int count = 0;
    for (int k = 0; k < words; ++k)
        count += CountOnes(a[k] & b[k]);
    return count;
}

inline bool AnyCommon(const Word* a, const Word* b, int words) {
    for (int k = 0; k < words; ++k)
        if ((a[k] & b[k]) != 0)
            return true;
    return false;
}

inline bool IsEmptySet(const Word* set, int words) {
    for (int k = 0; k < words; ++k)
        if (set[k] != 0)
            return false;
    return true;
}

// Calls visit(v) for every member, in increasing order.
template <class Visit> void ForEachBit(const Word* set, int words, Visit&& visit) {
    for (int k = 0; k < words; ++k) {
        Word bits = set[k];
        while (bits != 0) {
            visit(k * 64 + std::countr_zero(bits));
            bits &= bits - 1;
        }
    }
}

// Calls visit(v) for every member of a & b, in increasing order.
template <class Visit> void ForEachCommonBit(const Word* a, const Word* b, int words, Visit&& visit) {
    for (int k = 0; k < words; ++k) {
        Word bits = a[k] & b[k];
        while (bits != 0) {
            visit(k * 64 + std::countr_zero(bits));
            bits &= bits - 1;
        }
    }
}

} // namespace grafida::paths
