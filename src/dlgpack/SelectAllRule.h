#pragma once
// Check lists whose last entry ("Calculate all", "Select all") ticks or unticks all the others.

#include <algorithm>
#include <vector>

namespace grafida {

class SelectAllRule {
public:
    // Adjusts ticks after the user ticked or unticked one entry. With every entry ticked, unticking
    // one also unticks the last entry; ticking the others one by one never ticks the last entry.
    void Apply(std::vector<bool>& ticks) {
        if (ticks.empty())
            return;
        if (!allSelected_ && ticks.back()) {
            std::fill(ticks.begin(), ticks.end(), true);
            allSelected_ = true;
        }
        if (!allSelected_)
            return;
        if (!ticks.back()) {
            std::fill(ticks.begin(), ticks.end(), false);
            allSelected_ = false;
            return;
        }
        if (std::find(ticks.begin(), ticks.end() - 1, false) != ticks.end() - 1) {
            ticks.back() = false;
            allSelected_ = false;
        }
    }

    bool allSelected() const { return allSelected_; }

private:
    bool allSelected_ = false;
};

} // namespace grafida
