#pragma once
// Errors raised by containers and algebra, and printf-style formatting that
// always uses "." as the decimal point, whatever locale the process runs in.

#include <stdexcept>
#include <string>

namespace grafida {

// A container or algebra error; what() is the user's message, letter for letter.
class GrafidaError : public std::runtime_error {
public:
    explicit GrafidaError(const std::string& message) : std::runtime_error(message) {}
};

// vsnprintf under the "C" locale of the calling thread only.
[[gnu::format(printf, 1, 2)]] std::string FormatC(const char* format, ...);

namespace detail {
inline const char* FormatArg(const std::string& s) {
    return s.c_str();
}
template <class T> T FormatArg(T value) {
    return value;
}
} // namespace detail

// FormatC that also takes std::string for "%s".
template <class... Args> std::string FormatMessage(const char* format, const Args&... args) {
    if constexpr (sizeof...(Args) == 0) {
        return FormatC("%s", format);
    } else {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
        return FormatC(format, detail::FormatArg(args)...);
#pragma GCC diagnostic pop
    }
}

template <class... Args> [[noreturn]] void RaiseError(const char* format, const Args&... args) {
    throw GrafidaError(FormatMessage(format, args...));
}

} // namespace grafida
