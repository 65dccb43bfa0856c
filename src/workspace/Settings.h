#pragma once
// The user's settings: how matrices are printed, what opening files does, the
// eigenvalue solver's limits and the working folder.

#include <cstdint>
#include <string>

namespace grafida {

struct Settings {
    bool FormattedDisplay = false;  // full layout with sums instead of the plain one
    bool ClearPrevious = true;      // empty both stores before files are opened or dropped
    std::uint8_t Width = 4;         // field width of every printed number
    std::uint8_t Decimals = 2;      // digits after the decimal point of every printed number
    std::int32_t Iterations = 1000; // most sweeps of the iterative eigenvalue solver
    double Error = 1.0E-5;          // tolerance of that solver
    std::string WorkDir;            // work files, saved matrices and texts; AppDir by default

    bool operator==(const Settings&) const = default;
};

} // namespace grafida
