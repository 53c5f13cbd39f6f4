#pragma once
// Finding the waypoints and radio stations of a route in the location
// database, through the name index over the active regions.

#include <string>

#include "locations/location.h"

class CQuickFind;
class CRadioBearing;

// The name index of the settings, when there are settings and the index
// holds any name; nullptr otherwise.
CQuickFind* RouteNameIndex();

// The database entry of a waypoint's location: looked up by its name (when
// the name is not in the index, by the text before its first blank); the
// first entry of the same type at the same position (as the position format
// shows it) is the one. `found` gets its region name as region text.
bool FindWayPointInDatabase(CQuickFind& index, const CLocation& waypoint, CLocation& found);

// The station of a radio bearing, looked up by its name: the first entry
// with the bearing's frequency, else the first radio beacon, with a valid
// position.
bool FindStationInDatabase(CQuickFind& index, const CRadioBearing& bearing, CLocation& station);

// The location a user names by its name or ident, as the route editor looks
// it up: the first entry of that text (without regard to case) with a valid
// position and variation, shown by its ident when the ident was named.
bool FindLocationForRoute(CQuickFind& index, const std::string& text, CLocation& found);
