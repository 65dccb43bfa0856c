#pragma once
// Named 1-based vectors with bounds-tested access.

#include "numeric/Contained.h"

#include <cstdint>
#include <string>
#include <vector>

namespace grafida {

// Common base of the four numeric containers.
class TBaseMatrix : public TContained {
public:
    using TContained::TContained;
    const char* ClassName() const override { return "TBaseMatrix"; }
};

// The largest number of cells one container may hold (2 GiB of doubles); a larger
// request fails like an allocation failure instead of exhausting the machine.
inline constexpr std::int64_t kMaxCells = std::int64_t{1} << 28;

// Shared storage and bounds tests of TINTVEC and TFLOATVEC.
template <class T> class TVectorOf : public TBaseMatrix {
public:
    std::uint32_t Count() const { return static_cast<std::uint32_t>(data_.size()); }
    T Get(std::int64_t i) const {
        CheckIndex(i);
        return data_[static_cast<size_t>(i - 1)];
    }
    void Put(std::int64_t i, T value) {
        CheckIndex(i);
        data_[static_cast<size_t>(i - 1)] = value;
    }
    // Keeps elements 1..min(old, n); new elements are 0.
    void SetCount(std::int64_t n);
    // The elements, 0-based, for hot paths that have checked their sizes.
    const std::vector<T>& Data() const { return data_; }

protected:
    TVectorOf() = default;
    explicit TVectorOf(std::int64_t n) { SetCount(n); }
    void CheckIndex(std::int64_t i) const;
    std::vector<T> data_;
};

class TINTVEC : public TVectorOf<std::int32_t> {
public:
    TINTVEC() = default;
    explicit TINTVEC(std::int64_t n) : TVectorOf(n) {}
    const char* ClassName() const override { return "TINTVEC"; }
    std::unique_ptr<TContained> Clone() const override { return std::make_unique<TINTVEC>(*this); }
};

class TFLOATVEC : public TVectorOf<double> {
public:
    TFLOATVEC() = default;
    explicit TFLOATVEC(std::int64_t n) : TVectorOf(n) {}
    // Named vector holding values, for tests and builders.
    TFLOATVEC(std::string name, std::vector<double> values);

    const char* ClassName() const override { return "TFLOATVEC"; }
    std::unique_ptr<TContained> Clone() const override { return std::make_unique<TFLOATVEC>(*this); }
    void Assign(const TContained& source) override;

    void Zero();
    double Sum() const;
    // The largest element, the first one on ties; needs Count >= 1.
    double Max() const;
    void Swap(std::int64_t i, std::int64_t j);
    // Elements from..Count := value.
    void Fill(std::int64_t from, double value);
    void Reverse();
    // 1-based position of the first element that differs from value, or 0.
    std::uint32_t IndexOfOther(double value) const;
    // Removes the run of elements equal to value that begins at start; returns its length.
    std::uint32_t Compact(std::int64_t start, double value);
    // Each element as "%-*.*f ", concatenated.
    std::string ToText(int width, int decimals) const;
};

} // namespace grafida
