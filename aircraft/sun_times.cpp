#include "aircraft/sun_times.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/numtext.h"
#include "platform/rounding.h"

namespace {

#include "aircraft/sun_tables.inc"

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kHorizonDepression = 0.85;  // degrees: refraction and the sun's radius
constexpr double kMaxLatitude = 89.9997;
constexpr long long kSecondsPerDay = 86400;

int clampDay(int day) {
    return std::clamp(day, 0, 365);
}

// A table value written as units.sixtieths (-23.04, -3.10) in sixtieths of
// the unit: -23 * 60 - 4. Rounded with floor(x + 0.5) on the magnitude, so
// that a value such as 7.15, which is not exact in binary, still gives 435.
long long sixtieths(double written) {
    const long long digits = floorHalf(std::fabs(written) * 100.0);
    const long long value = (digits / 100) * 60 + digits % 100;
    return written < 0 ? -value : value;
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Degrees of the sun's hour circle (15 deg per hour) as a time of day. The
// angle is first brought into one day; the seconds are cut, not rounded. The
// small allowance keeps a value such as 21830.9999999999 (meant as 21831)
// from losing a second to binary representation; it is far below the
// tables' own precision.
TimeParts timeOfDay(double degrees) {
    double angle = std::fmod(degrees, 360.0);
    if (angle < 0) angle += 360.0;
    long long seconds = static_cast<long long>(std::floor(angle * 240.0 + 1e-7));
    seconds %= kSecondsPerDay;
    TimeParts t;
    t.hours = static_cast<int16_t>(seconds / 3600);
    t.minutes = static_cast<int16_t>(seconds / 60 % 60);
    t.seconds = static_cast<int16_t>(seconds % 60);
    return t;
}

}  // namespace

int DayOfYear(int day, int month, int year) {
    static constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    static constexpr int kDaysIn[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1) return -1;
    const bool leap = isLeapYear(year);
    const int length = kDaysIn[month - 1] + (month == 2 && leap ? 1 : 0);
    if (day > length) return -1;
    return kDaysBefore[month - 1] + (month > 2 && leap ? 1 : 0) + day - 1;
}

double SunDeclination(int dayOfYear) {
    return static_cast<double>(sixtieths(kSunDeclination[clampDay(dayOfYear)])) / 60.0;
}

int SunEquationOfTimeSeconds(int dayOfYear) {
    return static_cast<int>(sixtieths(kSunEquationOfTime[clampDay(dayOfYear)]));
}

SunTimes ComputeSunTimes(int dayOfYear, double latitude, double longitude) {
    SunTimes result;
    if (!std::isfinite(latitude) || !std::isfinite(longitude) || latitude < -90.0 || latitude > 90.0 ||
        longitude < -180.0 || longitude > 180.0)
        return result;
    const double lat = std::clamp(latitude, -kMaxLatitude, kMaxLatitude) * kDegree;
    const double declination = SunDeclination(dayOfYear) * kDegree;
    const double equation = SunEquationOfTimeSeconds(dayOfYear);

    // Sine of the sun's hour angle past 6 h (local apparent time) when its
    // centre stands 0.85 deg below the horizon.
    const double x =
        (std::tan(lat) * std::sin(declination) + std::sin(kHorizonDepression * kDegree) / std::cos(lat)) /
        std::cos(declination);
    if (x >= 1.0) {
        // At 1 the sun just touches the horizon at midnight: it never sets.
        result.kind = SunKind::PolarDay;
        return result;
    }
    if (x <= -1.0) {
        result.kind = SunKind::PolarNight;
        return result;
    }
    const double a = std::asin(x) / kDegree;
    result.kind = SunKind::Normal;
    result.rise = timeOfDay(90.0 - a - longitude - equation / 240.0);
    result.set = timeOfDay(270.0 + a - longitude - equation / 240.0);
    return result;
}

std::string FormatSunTime(const TimeParts& time) {
    return strFormat("%02d:%02d:%02d", time.hours, time.minutes, time.seconds);
}
