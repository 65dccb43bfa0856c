#include "molecule/Elements.h"

namespace grafida {

namespace {

struct Entry {
    const char* symbol;
    std::uint8_t number, group, period;
};

// Group: main-group number 1..8 (noble gases 8); transition metals count their
// outer s and d electrons (3..10), the copper and zinc groups take 1 and 2.
constexpr Entry kEntries[kElementCount] = {
    {"H", 1, 1, 1},    {"He", 2, 8, 1},  {"Li", 3, 1, 2},   {"Be", 4, 2, 2},   {"B", 5, 3, 2},
    {"C", 6, 4, 2},    {"N", 7, 5, 2},   {"O", 8, 6, 2},    {"F", 9, 7, 2},    {"Ne", 10, 8, 2},
    {"Na", 11, 1, 3},  {"Mg", 12, 2, 3}, {"Al", 13, 3, 3},  {"Si", 14, 4, 3},  {"P", 15, 5, 3},
    {"S", 16, 6, 3},   {"Cl", 17, 7, 3}, {"Ar", 18, 8, 3},  {"K", 19, 1, 4},   {"Ca", 20, 2, 4},
    {"Sc", 21, 3, 4},  {"Ti", 22, 4, 4}, {"V", 23, 5, 4},   {"Cr", 24, 6, 4},  {"Mn", 25, 7, 4},
    {"Fe", 26, 8, 4},  {"Co", 27, 9, 4}, {"Ni", 28, 10, 4}, {"Cu", 29, 1, 4},  {"Zn", 30, 2, 4},
    {"Ga", 31, 3, 4},  {"Ge", 32, 4, 4}, {"As", 33, 5, 4},  {"Se", 34, 6, 4},  {"Br", 35, 7, 4},
    {"Kr", 36, 8, 4},  {"Rb", 37, 1, 5}, {"Sr", 38, 2, 5},  {"Y", 39, 3, 5},   {"Zr", 40, 4, 5},
    {"Nb", 41, 5, 5},  {"Mo", 42, 6, 5}, {"Tc", 43, 7, 5},  {"Ru", 44, 8, 5},  {"Rh", 45, 9, 5},
    {"Pd", 46, 10, 5}, {"Ag", 47, 1, 5}, {"Cd", 48, 2, 5},  {"In", 49, 3, 5},  {"Sn", 50, 4, 5},
    {"Sb", 51, 5, 5},  {"Te", 52, 6, 5}, {"I", 53, 7, 5},   {"Xe", 54, 8, 5},  {"Cs", 55, 1, 6},
    {"Ba", 56, 2, 6},  {"La", 57, 3, 6}, {"Hf", 72, 4, 6},  {"Ta", 73, 5, 6},  {"W", 74, 6, 6},
    {"Re", 75, 7, 6},  {"Os", 76, 8, 6}, {"Ir", 77, 9, 6},  {"Pt", 78, 10, 6}, {"Au", 79, 1, 6},
    {"Hg", 80, 2, 6},  {"Tl", 81, 3, 6}, {"Pb", 82, 4, 6},  {"Bi", 83, 5, 6},  {"Po", 84, 6, 6},
    {"At", 85, 7, 6},  {"Rn", 86, 8, 6}, {"Fr", 87, 1, 7},  {"Ra", 88, 2, 7},
};

} // namespace

const std::array<TElement, kElementCount>& ElementTable() {
    static const auto table = [] {
        std::array<TElement, kElementCount> records;
        for (int i = 0; i < kElementCount; ++i) {
            const Entry& e = kEntries[i];
            records[static_cast<size_t>(i)] = {std::string(" ") + e.symbol + " ", e.number, e.group,
                                               e.period};
        }
        return records;
    }();
    return table;
}

TElement ElementOf(std::string_view symbol) {
    for (const auto& record : ElementTable())
        if (std::string_view(record.Symbol).substr(1, record.Symbol.size() - 2) == symbol)
            return record;
    TElement unknown;
    unknown.Symbol = " " + std::string(symbol) + " ";
    return unknown;
}

bool IsKnownElement(std::string_view symbol) {
    return ElementOf(symbol).AtomicNumber != 0;
}

} // namespace grafida
