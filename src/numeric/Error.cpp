#include "numeric/Error.h"

#include "numeric/NumberText.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <locale.h>
#include <vector>

namespace grafida {

std::string FormatC(const char* format, ...) {
    CLocaleScope cLocale;
    char small[256];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    std::string result;
    if (length < 0) {
        va_end(again);
        return result;
    }
    if (static_cast<size_t>(length) < sizeof small) {
        result.assign(small, static_cast<size_t>(length));
    } else {
        std::vector<char> big(static_cast<size_t>(length) + 1);
        std::vsnprintf(big.data(), big.size(), format, again);
        result.assign(big.data(), static_cast<size_t>(length));
    }
    va_end(again);
    return result;
}

} // namespace grafida
