#pragma once
// Numbers as text, independent of the process locale: a German desktop locale
// must never turn 12.5 into 12,5 inside files, sentences or parsed dialog text.

#include <cstdarg>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// printf-style formatting in the C locale.
std::string strFormat(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string strFormatV(const char* fmt, va_list args);

// Fixed-point text with the given number of decimals ("12.50").
std::string formatFixed(double value, int decimals);

// A whole text as a number: leading and trailing blanks are allowed, anything
// else makes the text invalid (no value).
std::optional<double> parseDouble(std::string_view text);
std::optional<long long> parseInteger(std::string_view text);

// The leading decimal number of a text, as the dialog readers take it:
// blanks are skipped, then an optional sign, digits, an optional '.' and
// digits, and an optional exponent. No number at all gives no value.
std::optional<double> leadingDouble(std::string_view text);

// The leading whole number of a text, clamped to the range of T instead of
// overflowing. No number at all gives no value.
std::optional<long long> leadingInteger(std::string_view text);

template <typename T>
T clampTo(long long v);

template <>
inline int16_t clampTo<int16_t>(long long v) {
    return v < INT16_MIN ? INT16_MIN : v > INT16_MAX ? INT16_MAX : static_cast<int16_t>(v);
}
template <>
inline int32_t clampTo<int32_t>(long long v) {
    return v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : static_cast<int32_t>(v);
}

// Trims blanks (space, tab, CR, LF) at both ends.
std::string_view trimBlanks(std::string_view text);
