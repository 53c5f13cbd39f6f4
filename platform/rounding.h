#pragma once
// The two rounding rules of the program. Each call site uses the one its
// behaviour names; they differ for negative values:
//   addHalfTruncate(-2.7) == -2   (-2.2 truncated toward zero)
//   floorHalf(-2.7)       == -3
// Non-finite input gives 0 and results are clamped to the range of long long,
// so no undefined conversion can happen.

#include <cmath>
#include <limits>

inline long long clampToLongLong(double x) {
    if (!std::isfinite(x)) return 0;
    constexpr double lo = static_cast<double>(std::numeric_limits<long long>::min());
    constexpr double hi = 9.2233720368547748e18;  // first double above LLONG_MAX
    if (x <= lo) return std::numeric_limits<long long>::min();
    if (x >= hi) return std::numeric_limits<long long>::max();
    return static_cast<long long>(x);
}

// "Add 0.5 and truncate" (truncation toward zero).
inline long long addHalfTruncate(double x) { return clampToLongLong(x + 0.5); }

// "floor(x + 0.5)": rounds half up for every sign.
inline long long floorHalf(double x) { return clampToLongLong(std::floor(x + 0.5)); }

// Truncation toward zero without undefined behaviour for huge values.
inline long long truncateToLong(double x) { return clampToLongLong(x); }
