#include "workspace/PreferencesText.h"

#include "numeric/Error.h"
#include "numeric/NumberText.h"

#include <cstdlib>

namespace grafida {

std::string FormatTolerance(double value) {
    // printf gives at least two exponent digits; the dialog shows three.
    std::string text = FormatC("%-.2E", value);
    const size_t e = text.find('E');
    if (e != std::string::npos && e + 2 < text.size()) {
        const size_t digits = e + 2;
        const size_t count = text.size() - digits;
        if (count < 3)
            text.insert(digits, 3 - count, '0');
    }
    return text;
}

std::optional<double> ParseTolerance(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return ParseNumber(text);
}

bool IsToleranceCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '.' || c == 'E' || c == 'e';
}

} // namespace grafida
