// navora-cli sun DATE LAT,LON: sunrise and sunset in UTC at a position.

#include <cstdio>
#include <string>

#include "aircraft/performance.h"
#include "aircraft/sun_times.h"
#include "app/cli/cli.h"
#include "core/latlon.h"
#include "core/position_text.h"

namespace {

// A run of exactly `digits` decimal digits at `pos`.
bool readNumber(const std::string& text, size_t pos, size_t digits, int& value) {
    if (pos + digits > text.size()) return false;
    value = 0;
    for (size_t i = pos; i < pos + digits; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

// "YYYY-MM-DD" or "DD.MM.YYYY" (day and month also with one digit in the
// second form); the day of the year, or -1.
int parseDate(const std::string& text) {
    int day = 0, month = 0, year = 0;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        if (!readNumber(text, 0, 4, year) || !readNumber(text, 5, 2, month) || !readNumber(text, 8, 2, day))
            return -1;
    } else {
        const size_t first = text.find('.');
        const size_t second = first == std::string::npos ? first : text.find('.', first + 1);
        if (second == std::string::npos || first < 1 || first > 2 || second - first - 1 < 1 ||
            second - first - 1 > 2 || text.size() - second - 1 != 4)
            return -1;
        if (!readNumber(text, 0, first, day) || !readNumber(text, first + 1, second - first - 1, month) ||
            !readNumber(text, second + 1, 4, year))
            return -1;
    }
    if (year < 1583) return -1;  // Gregorian calendar only
    return DayOfYear(day, month, year);
}

}  // namespace

int CmdSun(const Args& args) {
    if (args.size() != 2) {
        std::fprintf(stderr, "Aufruf: navora-cli sun DATUM BREITE,LÄNGE\n");
        return 1;
    }
    const int day = parseDate(args[0]);
    if (day < 0) {
        std::fprintf(stderr, "Ungültiges Datum »%s«. Erwartet wird JJJJ-MM-TT oder TT.MM.JJJJ.\n",
                     args[0].c_str());
        return 1;
    }
    CLatLon position;
    if (!ParsePositionArgument(args[1], position)) {
        std::fprintf(stderr, "Ungültige Position »%s«.\n", args[1].c_str());
        return 1;
    }
    const SunTimes sun = ComputeSunTimes(day, position.m_dLat, position.m_dLon);
    switch (sun.kind) {
        case SunKind::Normal:
            std::printf("Sonnenaufgang: %s UTC\nSonnenuntergang: %s UTC\n", FormatSunTime(sun.rise).c_str(),
                        FormatSunTime(sun.set).c_str());
            return 0;
        case SunKind::PolarDay:
        case SunKind::PolarNight:
            std::printf("%s\n", SunKindText(sun.kind).c_str());
            return 0;
        case SunKind::Unknown:
            break;
    }
    std::fprintf(stderr, "Ungültige Position »%s«.\n", args[1].c_str());
    return 1;
}
