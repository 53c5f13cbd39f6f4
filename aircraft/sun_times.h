#pragma once
// Sunrise and sunset in UTC at a position on a day of the year, from the
// tables of the sun's declination and the equation of time
// (aircraft/sun_tables.inc, written by tools/make_sun_tables.py).
//
// The sun counts as risen when its centre is 0.85 deg below the horizon
// (refraction and half the sun's diameter). Times are whole seconds, cut
// (not rounded) from the computed time, and both lie within one UTC day.

#include <string>

#include "core/units.h"

enum class SunKind {
    Normal,      // rises and sets
    PolarDay,    // "Polartag": the sun stays up all day
    PolarNight,  // "Polarnacht": the sun stays below the horizon
    Unknown,     // no valid position
};

struct SunTimes {
    SunKind kind = SunKind::Unknown;
    TimeParts rise;  // UTC; only for SunKind::Normal
    TimeParts set;
};

// Day of the year of a calendar date, 0 for 1 January (365 only for
// 31 December of a leap year); -1 for a date that does not exist.
int DayOfYear(int day, int month, int year);

// The table values of a day (0..365; other days are clamped): declination
// in degrees, equation of time (apparent minus mean solar time) in seconds.
double SunDeclination(int dayOfYear);
int SunEquationOfTimeSeconds(int dayOfYear);

// Sunrise and sunset at a latitude and longitude in degrees (north and
// east positive). Latitudes beyond +-89.9997 deg count as that value; a
// position outside -90..90 / -180..180 or not a number gives Unknown.
SunTimes ComputeSunTimes(int dayOfYear, double latitude, double longitude);

// "HH:MM:SS".
std::string FormatSunTime(const TimeParts& time);
