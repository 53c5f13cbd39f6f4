#pragma once
// Names and orders of the location types, runway directions and country
// prefixes, as the database, the dialogs and the listings show them.

#include <string>

// Number of location types and of type lists in a region.
constexpr int kLocationTypeCount = 8;

// The list (and type selector) position of a type: airports, VORs, NDBs,
// reporting points, intersections, free user points, gliding sites,
// heliports. An unknown type gives the free user points' list.
int TypeToListPos(int type);
// The type of a list position (WP_USER for positions outside 0..7).
int ListPosToType(int listPos);
bool IsKnownType(int type);

// "WP_AIRPORT" ... "WP_HELI"; empty for unknown types.
const char* TypeCodeName(int type);
// The type whose WP_ name is exactly `text` (case-sensitive); 0 for none.
int ParseTypeCodeName(const std::string& text);
// The type selector's text ("Flugplatz", "VOR", ...); empty for unknown types.
const char* TypeDisplayName(int type);
// The letter of the location list ("A", "R", "I", "N", "V", "U"); empty for
// gliding sites, heliports and unknown types.
const char* TypeLetter(int type);
// The word used in database merge messages ("Flugplatz", ..., "Benutzerwegpunkt");
// empty for gliding sites, heliports and unknown types.
const char* TypeWord(int type);

// The text of a runway direction code: 1..17 "01/19".."17/35", 0 "18/36",
// any other "xx/xx".
std::string RunwayDirectionText(int code);
// Runway direction list positions (0..17 "01/19".."18/36", 18 "xx/xx") and
// the stored codes. A position outside 0..17 (also "no selection", -1) is
// stored as 18.
int RunwayListPosToCode(int listPos);
int RunwayCodeToListPos(int code);

// The region name of a two-letter country prefix ("ED" "Germany"); any
// other prefix is shown as the letters themselves.
std::string CountryName(const std::string& prefix);
