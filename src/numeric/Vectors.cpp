#include "numeric/Vectors.h"

#include "numeric/Error.h"
#include "numeric/NumberText.h"

namespace grafida {

template <class T> void TVectorOf<T>::CheckIndex(std::int64_t i) const {
    if (i < 1 || i > static_cast<std::int64_t>(data_.size()))
        RaiseError("Vector index %lld out of bounds", static_cast<long long>(i));
}

template <class T> void TVectorOf<T>::SetCount(std::int64_t n) {
    if (n == static_cast<std::int64_t>(data_.size()))
        return;
    if (n < 0 || n > kMaxCells)
        RaiseError("Object '%s' raised memory allocation error", ClassName());
    try {
        data_.resize(static_cast<size_t>(n), T{});
    } catch (const std::bad_alloc&) {
        RaiseError("Object '%s' raised memory allocation error", ClassName());
    }
}

template class TVectorOf<std::int32_t>;
template class TVectorOf<double>;

TFLOATVEC::TFLOATVEC(std::string name, std::vector<double> values) {
    SetName(std::move(name));
    SetCount(static_cast<std::int64_t>(values.size()));
    data_ = std::move(values);
}

void TFLOATVEC::Assign(const TContained& source) {
    const auto* vector = dynamic_cast<const TFLOATVEC*>(&source);
    if (!vector) {
        TBaseMatrix::Assign(source);
        return;
    }
    SetName(vector->Name());
    SetCount(vector->Count());
    for (std::uint32_t i = 1; i <= vector->Count(); ++i)
        Put(i, vector->Get(i));
}

void TFLOATVEC::Zero() {
    for (auto& value : data_)
        value = 0;
}

double TFLOATVEC::Sum() const {
    double sum = 0;
    for (double value : data_)
        sum += value;
    return sum;
}

double TFLOATVEC::Max() const {
    double best = Get(1);
    for (std::uint32_t i = 2; i <= Count(); ++i)
        if (Get(i) > best)
            best = Get(i);
    return best;
}

void TFLOATVEC::Swap(std::int64_t i, std::int64_t j) {
    const double first = Get(i);
    Put(i, Get(j));
    Put(j, first);
}

void TFLOATVEC::Fill(std::int64_t from, double value) {
    for (std::int64_t i = from; i <= static_cast<std::int64_t>(Count()); ++i)
        Put(i, value);
}

void TFLOATVEC::Reverse() {
    const std::uint32_t n = Count();
    for (std::uint32_t i = 1; i <= n / 2; ++i)
        Swap(i, n - i + 1);
}

std::uint32_t TFLOATVEC::IndexOfOther(double value) const {
    for (std::uint32_t i = 1; i <= Count(); ++i)
        if (Get(i) != value)
            return i;
    return 0;
}

std::uint32_t TFLOATVEC::Compact(std::int64_t start, double value) {
    if (start < 1 || start > static_cast<std::int64_t>(Count()))
        return 0;
    std::uint32_t run = 0;
    for (std::int64_t i = start; i <= static_cast<std::int64_t>(Count()) && Get(i) == value; ++i)
        ++run;
    data_.erase(data_.begin() + (start - 1), data_.begin() + (start - 1 + run));
    if (Count() == 1 && Get(1) == value)
        data_.clear();
    return run;
}

std::string TFLOATVEC::ToText(int width, int decimals) const {
    std::string text;
    for (double value : data_) {
        AppendFixed(text, value, width, decimals);
        text += ' ';
    }
    return text;
}

} // namespace grafida
