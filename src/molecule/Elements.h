#pragma once
// The element table: symbol (with one blank before and after), atomic number,
// group and period of the 74 elements a molecule may hold.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace grafida {

struct TElement {
    std::string Symbol; // " C ", " Cl "
    std::uint8_t AtomicNumber = 0;
    std::uint8_t Group = 0;
    std::uint8_t Period = 0;
    bool operator==(const TElement&) const = default;
};

inline constexpr int kElementCount = 74;

// The table in its fixed order: H, He, Li, ... Ra (no lanthanides after La).
const std::array<TElement, kElementCount>& ElementTable();

// The record of a bare symbol ("C", "Cl"), compared exactly; an unknown symbol gives
// a record holding " symbol " and zeros.
TElement ElementOf(std::string_view symbol);

// True when symbol (bare, exact letters) is in the table.
bool IsKnownElement(std::string_view symbol);

} // namespace grafida
