#include "platform/numtext.h"

#include <locale.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// The C locale, made current for this thread while formatting.
class CLocaleScope {
public:
    CLocaleScope() {
        static locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        previous_ = uselocale(cLocale);
    }
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Length of the leading decimal number of `s` (sign, digits, point, digits,
// exponent); 0 when there is none.
size_t numberLength(std::string_view s, bool allowFraction) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    if (allowFraction && i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (allowFraction && i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        size_t expDigits = 0;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j, ++expDigits;
        if (expDigits > 0) i = j;
    }
    return i;
}

std::optional<double> toDouble(std::string_view s) {
    if (!s.empty() && s[0] == '+') s.remove_prefix(1);
    double v = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec == std::errc::result_out_of_range) {
        // Overflow saturates; underflow is zero.
        bool neg = !s.empty() && s[0] == '-';
        size_t e = s.find_first_of("eE");
        bool tiny = e != std::string_view::npos && s.substr(e + 1).find('-') == 0;
        return tiny ? 0.0 : (neg ? -HUGE_VAL : HUGE_VAL);
    }
    if (ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

std::optional<long long> toInteger(std::string_view s) {
    bool neg = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        neg = s[0] == '-';
        s.remove_prefix(1);
    }
    unsigned long long v = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ptr != s.data() + s.size()) return std::nullopt;
    if (ec == std::errc::result_out_of_range || v > static_cast<unsigned long long>(LLONG_MAX)) {
        return neg ? LLONG_MIN : LLONG_MAX;
    }
    if (ec != std::errc()) return std::nullopt;
    return neg ? -static_cast<long long>(v) : static_cast<long long>(v);
}

}  // namespace

std::string strFormatV(const char* fmt, va_list args) {
    CLocaleScope scope;
    va_list copy;
    va_copy(copy, args);
    char small[256];
    const int n = std::vsnprintf(small, sizeof small, fmt, copy);
    va_end(copy);
    if (n < 0) return {};
    if (static_cast<size_t>(n) < sizeof small) return std::string(small, n);
    std::vector<char> big(static_cast<size_t>(n) + 1);
    std::vsnprintf(big.data(), big.size(), fmt, args);
    return std::string(big.data(), n);
}

std::string strFormat(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string s = strFormatV(fmt, args);
    va_end(args);
    return s;
}

std::string formatFixed(double value, int decimals) { return strFormat("%.*f", decimals, value); }

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::optional<double> parseDouble(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty() || numberLength(text, true) != text.size()) return std::nullopt;
    return toDouble(text);
}

std::optional<long long> parseInteger(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty() || numberLength(text, false) != text.size()) return std::nullopt;
    return toInteger(text);
}

std::optional<double> leadingDouble(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    const size_t n = numberLength(text, true);
    if (n == 0) return std::nullopt;
    return toDouble(text.substr(0, n));
}

std::optional<long long> leadingInteger(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    const size_t n = numberLength(text, false);
    if (n == 0) return std::nullopt;
    return toInteger(text.substr(0, n));
}
