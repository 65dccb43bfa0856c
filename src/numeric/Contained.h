#pragma once
// Named objects and the owning list of named objects that every store builds on.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace grafida {

class TContained {
public:
    TContained() = default;
    explicit TContained(std::string name) : name_(std::move(name)) {}
    virtual ~TContained() = default;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    virtual const char* ClassName() const { return "TContained"; }
    virtual std::unique_ptr<TContained> Clone() const { return std::make_unique<TContained>(*this); }
    // Copies source into this object; the base refuses every source with
    // "Cannot assign a <source class> to a <this class>".
    virtual void Assign(const TContained& source);

    TContained(const TContained&) = default;
    TContained& operator=(const TContained&) = default;
    TContained(TContained&&) = default;
    TContained& operator=(TContained&&) = default;

private:
    std::string name_;
};

// Owns its items; names are unique and compared exactly (byte for byte).
class TContainer {
public:
    TContainer() = default;
    TContainer(const TContainer& other);
    TContainer& operator=(const TContainer& other);
    TContainer(TContainer&&) noexcept = default;
    TContainer& operator=(TContainer&&) noexcept = default;

    int Count() const { return static_cast<int>(items_.size()); }
    TContained& Item(int index);
    const TContained& Item(int index) const;

    // The item at index as T, or nullptr when it is not a T.
    template <class T> T* ItemAs(int index) { return dynamic_cast<T*>(&Item(index)); }
    template <class T> const T* ItemAs(int index) const { return dynamic_cast<const T*>(&Item(index)); }
    template <class T> T* Find(std::string_view name) {
        const int index = IndexOfName(name);
        return index < 0 ? nullptr : ItemAs<T>(index);
    }

    // 0-based position of the first item named name, or -1.
    int IndexOfName(std::string_view name) const;
    // Appends and returns the new position; -1 (and the item is destroyed) when the name is taken.
    int Add(std::unique_ptr<TContained> item);
    void RemoveByName(std::string_view name);
    void Delete(int index);
    void Clear() { items_.clear(); }
    // Moves the entry at from to position to; the others keep their relative order.
    void Move(int from, int to);

private:
    void CheckIndex(int index) const;
    std::vector<std::unique_ptr<TContained>> items_;
};

} // namespace grafida
