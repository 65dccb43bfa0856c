#pragma once
// The error tolerance as the preferences dialog shows and reads it.

#include <optional>
#include <string>
#include <string_view>

namespace grafida {

// "%-.2e" with an exponent of at least three digits: 1e-5 gives "1.00E-005".
std::string FormatTolerance(double value);

// The edited text as a number ("." point, blanks around it, an exponent allowed);
// nothing when it is not one.
std::optional<double> ParseTolerance(std::string_view text);

// Whether a typed character may enter the tolerance field: 0-9 - . E e.
bool IsToleranceCharacter(char c);

} // namespace grafida
