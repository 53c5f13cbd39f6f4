#pragma once
// The aircraft database as text, for the command-line tool: a listing of the
// aircraft, every field of one aircraft as "key: value unit" lines in record
// order, and the way back from such lines to a record (so an aircraft can be
// written down as text and turned into a database file).
//
// In the field lines, unit codes stand as their DIM_ names, a value that is
// "not given" (the group's marker) stands as "-", and texts take the rest of
// the line. Lines after the fields, with keys beginning "derived.", show
// values computed from the record and are ignored when reading.

#include <string>
#include <vector>

#include "aircraft/plane.h"

// One line per aircraft: index, "*" for the current one, the name and the
// cruise speed in `speedUnit` ("%4d %s").
std::vector<std::string> ListPlanes(const std::vector<CPlane>& planes, int current, int speedUnit);

// Every field of an aircraft, then the derived values.
std::vector<std::string> DumpPlane(const CPlane& plane);

// Reads "key: value unit" lines into a new record. Blank lines and lines
// starting with '#' are skipped; a field that is not named keeps the value of
// a new record (an arm that is not named is "not given" in its unit). A unit
// after a value must be the field's unit. Returns an empty text on success,
// else a German message naming the line.
std::string ParsePlaneText(const std::string& text, CPlane& out);
