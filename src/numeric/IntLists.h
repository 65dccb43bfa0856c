#pragma once
// Integer lists: the vertex sets and paths of path enumeration and Cluj matrices.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace grafida {

class TIntList {
public:
    TIntList() = default;
    TIntList(std::initializer_list<std::int32_t> values) : values_(values) {}

    void Add(std::int32_t value) { values_.push_back(value); }
    void Clear() { values_.clear(); }
    void AddFrom(const TIntList& other);
    // Removes the first occurrence of value, if any.
    void Remove(std::int32_t value);
    // From the last position to the first, removes the first occurrence of every value
    // that other also holds.
    void RemoveAllOf(const TIntList& other);
    bool IsEmpty() const { return values_.empty(); }
    bool Contains(std::int32_t value) const;
    // Clears, then appends other's values from last to first: the copy is reversed,
    // and the Cluj matrices depend on that order.
    void Assign(const TIntList& other);
    // The value at position 0, or 2147483647 for an empty list.
    std::int32_t First() const { return values_.empty() ? INT32_MAX : values_.front(); }

    int Count() const { return static_cast<int>(values_.size()); }
    std::int32_t operator[](int index) const { return values_[static_cast<std::size_t>(index)]; }
    const std::vector<std::int32_t>& Values() const { return values_; }
    bool operator==(const TIntList&) const = default;

private:
    std::vector<std::int32_t> values_;
};

// An owning list of integer lists (a set of paths).
class TListIntList {
public:
    void Add(TIntList list) { lists_.push_back(std::move(list)); }
    void Clear() { lists_.clear(); }
    // The largest member count; 0 without members.
    int MaxCount() const;
    // For each member of other, in order, appends its reversed copy (made by Assign).
    void AddCopies(const TListIntList& other);

    int Count() const { return static_cast<int>(lists_.size()); }
    const TIntList& operator[](int index) const { return lists_[static_cast<std::size_t>(index)]; }
    TIntList& operator[](int index) { return lists_[static_cast<std::size_t>(index)]; }
    const std::vector<TIntList>& Lists() const { return lists_; }
    bool operator==(const TListIntList&) const = default;

private:
    std::vector<TIntList> lists_;
};

} // namespace grafida
