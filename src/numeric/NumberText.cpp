#include "numeric/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace grafida {

namespace {
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}
} // namespace

CLocaleScope::CLocaleScope() : previous_(uselocale(CLocale())) {}
CLocaleScope::~CLocaleScope() {
    uselocale(previous_);
}

void AppendFixed(std::string& out, double value, int width, int decimals, bool leftAlign) {
    // Large enough for 309 integer digits, a sign, a point and 255 decimals.
    char buffer[640];
    const char* end;
    if (std::isnan(value)) {
        const char* text = std::signbit(value) ? "-nan" : "nan";
        end = std::strcpy(buffer, text) + std::strlen(text);
    } else if (std::isinf(value)) {
        const char* text = value < 0 ? "-inf" : "inf";
        end = std::strcpy(buffer, text) + std::strlen(text);
    } else {
        end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr;
    }
    const auto length = static_cast<int>(end - buffer);
    const int padding = width > length ? width - length : 0;
    if (!leftAlign)
        out.append(static_cast<size_t>(padding), ' ');
    out.append(buffer, static_cast<size_t>(length));
    if (leftAlign)
        out.append(static_cast<size_t>(padding), ' ');
}

std::string FormatFixed(double value, int width, int decimals, bool leftAlign) {
    std::string out;
    AppendFixed(out, value, width, decimals, leftAlign);
    return out;
}

std::string FormatShortest(double value) {
    // 32 characters hold every double in its shortest form ("-2.2250738585072014e-308").
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

std::optional<double> ParseNumber(std::string_view token) {
    if (!token.empty() && token.front() == '+')
        token.remove_prefix(1);
    if (token.empty() || token.front() == '+')
        return std::nullopt;
    // from_chars would take "inf" and "nan"; a matrix file holds finite numbers only.
    const char first = token.front() == '-' && token.size() > 1 ? token[1] : token.front();
    if (first != '.' && (first < '0' || first > '9'))
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int64_t> ParseInteger(std::string_view token) {
    if (!token.empty() && token.front() == '+')
        token.remove_prefix(1);
    if (token.empty() || token.front() == '+')
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size())
        return std::nullopt;
    return value;
}

} // namespace grafida
