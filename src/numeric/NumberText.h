#pragma once
// Numbers as text: "." is the decimal point everywhere, whatever the locale.

#include <cstdint>
#include <locale.h>
#include <optional>
#include <string>
#include <string_view>

namespace grafida {

// Switches the calling thread to the "C" locale for its lifetime (printf family).
class CLocaleScope {
public:
    CLocaleScope();
    ~CLocaleScope();
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

// Appends value as printf's "%-*.*f" (leftAlign) or "%*.*f" would, in the "C" locale.
void AppendFixed(std::string& out, double value, int width, int decimals, bool leftAlign = true);

// The same as a new string.
std::string FormatFixed(double value, int width, int decimals, bool leftAlign = true);

// The shortest text that reads back as the same double ("." point, any locale).
std::string FormatShortest(double value);

// A whole token as a finite decimal number ("." point, optional sign and exponent).
std::optional<double> ParseNumber(std::string_view token);

// A whole token as a decimal integer, optional sign.
std::optional<std::int64_t> ParseInteger(std::string_view token);

} // namespace grafida
