#include "numeric/Contained.h"

#include "numeric/Error.h"

#include <algorithm>

namespace grafida {

void TContained::Assign(const TContained& source) {
    RaiseError("Cannot assign a %s to a %s", source.ClassName(), ClassName());
}

TContainer::TContainer(const TContainer& other) {
    items_.reserve(other.items_.size());
    for (const auto& item : other.items_)
        items_.push_back(item->Clone());
}

TContainer& TContainer::operator=(const TContainer& other) {
    if (this != &other) {
        TContainer copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void TContainer::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        RaiseError("List index out of bounds (%d)", index);
}

TContained& TContainer::Item(int index) {
    CheckIndex(index);
    return *items_[static_cast<size_t>(index)];
}

const TContained& TContainer::Item(int index) const {
    CheckIndex(index);
    return *items_[static_cast<size_t>(index)];
}

int TContainer::IndexOfName(std::string_view name) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->Name() == name)
            return static_cast<int>(i);
    return -1;
}

int TContainer::Add(std::unique_ptr<TContained> item) {
    if (!item || IndexOfName(item->Name()) >= 0)
        return -1;
    items_.push_back(std::move(item));
    return Count() - 1;
}

void TContainer::RemoveByName(std::string_view name) {
    const int index = IndexOfName(name);
    if (index >= 0)
        Delete(index);
}

void TContainer::Delete(int index) {
    CheckIndex(index);
    items_.erase(items_.begin() + index);
}

void TContainer::Move(int from, int to) {
    CheckIndex(from);
    CheckIndex(to);
    auto first = items_.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
}

} // namespace grafida
