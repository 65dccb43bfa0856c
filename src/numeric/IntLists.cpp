#include "numeric/IntLists.h"

#include <algorithm>

namespace grafida {

void TIntList::AddFrom(const TIntList& other) {
    values_.insert(values_.end(), other.values_.begin(), other.values_.end());
}

void TIntList::Remove(std::int32_t value) {
    const auto found = std::find(values_.begin(), values_.end(), value);
    if (found != values_.end())
        values_.erase(found);
}

void TIntList::RemoveAllOf(const TIntList& other) {
    const TIntList others = other; // other may be this list
    for (int position = Count() - 1; position >= 0; --position) {
        if (position >= Count())
            continue;
        const std::int32_t value = values_[static_cast<size_t>(position)];
        if (others.Contains(value))
            Remove(value);
    }
}

bool TIntList::Contains(std::int32_t value) const {
    return std::find(values_.begin(), values_.end(), value) != values_.end();
}

void TIntList::Assign(const TIntList& other) {
    std::vector<std::int32_t> reversed(other.values_.rbegin(), other.values_.rend());
    values_ = std::move(reversed);
}

int TListIntList::MaxCount() const {
    int most = 0;
    for (const auto& list : lists_)
        most = std::max(most, list.Count());
    return most;
}

void TListIntList::AddCopies(const TListIntList& other) {
    const std::vector<TIntList> sources = other.lists_; // other may be this list
    for (const auto& source : sources) {
        TIntList copy;
        copy.Assign(source);
        lists_.push_back(std::move(copy));
    }
}

} // namespace grafida
