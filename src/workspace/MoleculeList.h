#pragma once
// The names of the loaded molecules. A molecule lives in its work file between
// commands; this list only says which ones the user has loaded, in load order.

#include <string>
#include <string_view>
#include <vector>

namespace grafida {

// Whether two names are one molecule: letter case is ignored for every
// Unicode letter (Benzene, BENZENE), other bytes must be equal.
bool SameMoleculeName(std::string_view a, std::string_view b);

class MoleculeList {
public:
    int Count() const { return static_cast<int>(names_.size()); }
    bool Empty() const { return names_.empty(); }
    // Raises "List index out of bounds (%d)" outside 0..Count-1.
    const std::string& Name(int index) const;
    const std::vector<std::string>& Names() const { return names_; }

    // 0-based position of the name, compared without regard to case, or -1.
    int IndexOf(std::string_view name) const;
    // Appends and returns the new position; -1 when the list already holds the
    // name in any letter case (the first spelling stays).
    int Append(std::string name);
    // Raises "List index out of bounds (%d)" outside 0..Count-1.
    void Delete(int index);
    void Clear() { names_.clear(); }

private:
    std::vector<std::string> names_;
};

} // namespace grafida
