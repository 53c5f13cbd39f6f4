#pragma once
// A readable listing of a route: the header fields and options, one line
// per waypoint, the alternates and the flight-plan texts. Used by the
// command-line tool; distances of radio bearings are in the preferred unit.

#include <string>
#include <vector>

class CWayDoc;
class CWayPoint;

// One waypoint, tab-separated: name, ident, type, latitude and longitude in
// decimal degrees (6 decimals, "-" without a position), planned altitude
// with its unit ("-" without one), marks (WPT_ names joined by "+", "-"
// without marks), then both radio bearings as text ("-" without one).
std::string DescribeWayPoint(const CWayPoint& wp);

// The names of the route options that are set, joined by "+"; "-" for none.
std::string RouteOptionNames(unsigned options);

std::vector<std::string> DumpRoute(const CWayDoc& doc);
