#pragma once
// Positions and variations as text in dialog fields and on the command line.

#include <optional>
#include <string>
#include <string_view>

#include "core/latlon.h"

// Reads a latitude, longitude or variation typed into a field.
//  - An empty (or blank) field gives NOVALUE_POSITION.
//  - The text is cut into words at blanks; "," counts as "." inside a word.
//    A letter S, W, s or w ends its word and makes the whole value negative.
//  - Each non-empty word counts: its leading number (0 when it has none) adds
//    degrees for the first word, minutes / 60 for the second and seconds /
//    3600 for the third; further words add nothing. So "50 30 S" is -50.5 and
//    "N 50 30" is 0 degrees and 50 minutes.
//  - A leading minus makes the whole value negative: "-8 30" is -8.5. A
//    minus together with S or W is still negative.
//  - Text without any number ("N", "abc") is no position: no value.
std::optional<double> ReadPositionText(std::string_view text);

// A latitude ("N"/"S") or longitude ("E"/"W") as the dialogs show it:
// position format 0 "%3d %2d %2d %c" (degrees, minutes, rounded seconds);
// format 1 "%3d %.2f %c" (degrees, decimal minutes). Rounded seconds and
// minutes that reach 60 carry upwards. NOVALUE_POSITION (and a value that is
// not finite) gives an empty text. Without a format, the user's preferred one.
std::string WriteLatitudeText(double lat, int positionFormat);
std::string WriteLatitudeText(double lat);
std::string WriteLongitudeText(double lon, int positionFormat);
std::string WriteLongitudeText(double lon);

// A variation "%3d %c": whole degrees of the absolute value and "E" (for
// values >= 0) or "W"; empty for NOVALUE_POSITION.
std::string WriteVariationText(double variation);

// A position given on the command line, in one of two forms:
//  1. "LAT,LON" in decimal degrees with '.' as the decimal point, south and
//     west negative: "50.0333,8.5667", "-33.9, 18.4". This form is tried
//     first: the text holds exactly one ',' and both sides are plain numbers.
//  2. Two position texts as the dialogs read them (ReadPositionText), split
//     at the one ';' or '/' of the text, or, when there is none, at the one
//     ',' that does not stand between two digits (a ',' between digits is a
//     decimal comma): "50 2 N, 8 34 E", "50 30,5 N; 8 34 E", "50 2/8 34 W".
// Returns false for anything else (no or several separators, an empty or
// unreadable side) and for a latitude outside -90..90 or a longitude outside
// -180..180; `out` is then unchanged.
bool ParsePositionArgument(const std::string& text, CLatLon& out);
