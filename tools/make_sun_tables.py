#!/usr/bin/env python3
"""Writes aircraft/sun_tables.inc: the sun's declination and the equation of
time for the 366 days of the year (day 0 = 1 January), as the sunrise and
sunset computation reads them.

Form of the values
  Declination: degrees.minutes, so -23.04 stands for -23 deg 04'.
  Equation of time (apparent minus mean solar time): minutes.seconds, so
  -3.10 stands for -3 min 10 s.

How the values are computed
  For each day d the sun's apparent declination and the equation of time are
  computed at 12:00 UTC of day d of the years 2024, 2025, 2026 and 2027 with
  the low-precision solar coordinates of J. Meeus, "Astronomical
  Algorithms", chapter 25 (mean longitude, mean anomaly, equation of centre,
  apparent longitude with the nutation and aberration terms, true obliquity),
  and the equation of time of chapter 28. The four values are averaged, so a
  table day lies in the middle of the leap-year cycle; day 365 exists only in
  leap years and is the mean of 31 December 2024 and 1 January of the other
  three years. Averages are rounded to whole arc minutes and whole seconds.
  Noon UTC is the middle of the European daylight span, where the times are
  used.

How the reference values are held
  The program's tables must hold a few fixed reference values exactly:
      declination  day 0: -23 deg 04', day 79: -0 deg 07', day 80: +0 deg 07',
                   smallest value -23 deg 27', largest value +23 deg 27'
      equation of time  day 0: -3 min 10 s, day 80: -7 min 15 s,
                   smallest value -14 min 19 s, largest value +16 min 25 s
  They are met by setting the entry of that day to the reference value: the
  days 0, 79 and 80 by their number, the extremes on the day on which the
  computed series has its minimum or maximum (before rounding). Entries that
  lie beyond an extreme (the computed equation of time peaks a few seconds
  above +16 min 25 s in early November) are clipped to it, which flattens
  the peak over a few days. No other entry is changed. The script then checks
  every reference value and the range of both tables, and stops with an error
  otherwise.
  The differences between the reference values and the computed ones are
  listed in the header of the generated file (at most 35' of declination on
  day 80 and 22 s of equation of time), so anyone can see what the pinned
  days cost in accuracy.

Run from anywhere: tools/make_sun_tables.py  (writes the file next to the
sources; --stdout prints it instead). Only the Python standard library is
used and the output is the same on every run.
"""

import math
import os
import sys

YEARS = (2024, 2025, 2026, 2027)
HOUR_UTC = 12.0
DAYS = 366

# Reference values in the tables' own written form.
DECLINATION_DAYS = {0: -23.04, 79: -0.07, 80: 0.07}
DECLINATION_MIN = -23.27
DECLINATION_MAX = 23.27
EQUATION_DAYS = {0: -3.10, 80: -7.15}
EQUATION_MIN = -14.19
EQUATION_MAX = 16.25


def julian_day(year, month, day, hour=0.0):
    """Julian day of a Gregorian calendar date and time (UTC)."""
    if month <= 2:
        year -= 1
        month += 12
    a = year // 100
    b = 2 - a + a // 4
    return (math.floor(365.25 * (year + 4716)) + math.floor(30.6001 * (month + 1))
            + day + hour / 24.0 + b - 1524.5)


def sun_at(jd):
    """Apparent declination (degrees) and equation of time (minutes)."""
    t = (jd - 2451545.0) / 36525.0
    l0 = (280.46646 + t * (36000.76983 + 0.0003032 * t)) % 360.0
    m = math.radians(357.52911 + t * (35999.05029 - 0.0001537 * t))
    e = 0.016708634 - t * (0.000042037 + 0.0000001267 * t)
    c = ((1.914602 - t * (0.004817 + 0.000014 * t)) * math.sin(m)
         + (0.019993 - 0.000101 * t) * math.sin(2 * m)
         + 0.000289 * math.sin(3 * m))
    omega = math.radians(125.04 - 1934.136 * t)
    apparent = math.radians(l0 + c - 0.00569 - 0.00478 * math.sin(omega))
    eps0 = 23.0 + (26.0 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60.0) / 60.0
    eps = math.radians(eps0 + 0.00256 * math.cos(omega))
    declination = math.degrees(math.asin(math.sin(eps) * math.sin(apparent)))
    y = math.tan(eps / 2.0) ** 2
    l0r = math.radians(l0)
    eot = (y * math.sin(2 * l0r) - 2 * e * math.sin(m)
           + 4 * e * y * math.sin(m) * math.cos(2 * l0r)
           - 0.5 * y * y * math.sin(4 * l0r) - 1.25 * e * e * math.sin(2 * m))
    return declination, math.degrees(eot) * 4.0


def computed_series():
    """Mean declination (degrees) and equation of time (minutes) per day."""
    dec = [0.0] * DAYS
    eot = [0.0] * DAYS
    for year in YEARS:
        first = julian_day(year, 1, 1, HOUR_UTC)
        for d in range(DAYS):
            delta, e = sun_at(first + d)
            dec[d] += delta / len(YEARS)
            eot[d] += e / len(YEARS)
    return dec, eot


def sexagesimal(value, per_unit):
    """value (degrees or minutes) as whole units and sixtieths, written
    units.sixtieths (two digits) with the sign in front."""
    sign = -1 if value < 0 else 1
    parts = int(math.floor(abs(value) * per_unit + 0.5))
    return sign * (parts // 60 + (parts % 60) / 100.0)


def in_sixtieths(written):
    """Back from the written form to sixtieths (arc minutes or seconds)."""
    sign = -1 if written < 0 else 1
    whole = int(math.floor(abs(written) * 100 + 0.5))
    return sign * ((whole // 100) * 60 + whole % 100)


def build():
    dec, eot = computed_series()
    dec_table = [sexagesimal(v, 60) for v in dec]
    eot_table = [sexagesimal(v, 60) for v in eot]

    pins = []

    def pin(table, series, day, value, what, unit):
        before = table[day]
        table[day] = value
        diff = in_sixtieths(value) - series[day] * 60.0
        pins.append(f"{what} day {day:3d}: {value:+.2f} (computed {before:+.2f}, "
                    f"difference {diff:+.1f}{unit})")

    def clip(table, low, high, what):
        for day, value in enumerate(table):
            if value < low or value > high:
                bound = low if value < low else high
                table[day] = bound
                pins.append(f"{what} day {day:3d}: {bound:+.2f} (computed {value:+.2f}, clipped)")

    clip(dec_table, DECLINATION_MIN, DECLINATION_MAX, "declination     ")
    clip(eot_table, EQUATION_MIN, EQUATION_MAX, "equation of time")
    for day, value in DECLINATION_DAYS.items():
        pin(dec_table, dec, day, value, "declination     ", "'")
    pin(dec_table, dec, min(range(DAYS), key=lambda i: dec[i]), DECLINATION_MIN, "declination min ", "'")
    pin(dec_table, dec, max(range(DAYS), key=lambda i: dec[i]), DECLINATION_MAX, "declination max ", "'")
    for day, value in EQUATION_DAYS.items():
        pin(eot_table, eot, day, value, "equation of time", " s")
    pin(eot_table, eot, min(range(DAYS), key=lambda i: eot[i]), EQUATION_MIN, "equation min    ", " s")
    pin(eot_table, eot, max(range(DAYS), key=lambda i: eot[i]), EQUATION_MAX, "equation max    ", " s")

    check(dec_table, eot_table)
    return dec_table, eot_table, pins


def check(dec_table, eot_table):
    problems = []
    for day, value in DECLINATION_DAYS.items():
        if dec_table[day] != value:
            problems.append(f"declination day {day} is {dec_table[day]}")
    for day, value in EQUATION_DAYS.items():
        if eot_table[day] != value:
            problems.append(f"equation of time day {day} is {eot_table[day]}")
    if min(dec_table) != DECLINATION_MIN or max(dec_table) != DECLINATION_MAX:
        problems.append(f"declination runs {min(dec_table)} .. {max(dec_table)}")
    if min(eot_table) != EQUATION_MIN or max(eot_table) != EQUATION_MAX:
        problems.append(f"equation of time runs {min(eot_table)} .. {max(eot_table)}")
    for name, table in (("declination", dec_table), ("equation of time", eot_table)):
        for day, value in enumerate(table):
            if int(math.floor(abs(value) * 100 + 0.5)) % 100 >= 60:
                problems.append(f"{name} day {day}: {value} has more than 59 sixtieths")
    if len(dec_table) != DAYS or len(eot_table) != DAYS:
        problems.append("wrong number of days")
    if problems:
        sys.exit("make_sun_tables: " + "; ".join(problems))


def emit(name, values, out):
    out.append(f"static constexpr double {name}[{DAYS}] = {{")
    for start in range(0, DAYS, 10):
        row = ", ".join(f"{v:.2f}" for v in values[start:start + 10])
        out.append(f"    {row},  // day {start}")
    out.append("};")


def render():
    dec_table, eot_table, pins = build()
    out = [
        "// Generated by tools/make_sun_tables.py; do not edit.",
        "//",
        "// Sun's declination (degrees.minutes) and equation of time",
        "// (minutes.seconds) for day 0 (1 January) to day 365, computed at",
        "// 12:00 UTC and averaged over one leap-year cycle. Fixed reference",
        "// values hold on these days (difference from the computed value):",
    ]
    out += ["//   " + p for p in pins]
    out.append("")
    emit("kSunDeclination", dec_table, out)
    out.append("")
    emit("kSunEquationOfTime", eot_table, out)
    return "\n".join(out) + "\n"


def main():
    text = render()
    if "--stdout" in sys.argv[1:]:
        sys.stdout.write(text)
        return
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    path = os.path.join(root, "aircraft", "sun_tables.inc")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    print(f"wrote {path}")


if __name__ == "__main__":
    main()
