#pragma once
// The texts of the flight log's table: its columns and headings, the cells
// of a waypoint or alternate row and of a totals row, in the user's units.
// The view draws them and the command-line tool prints them, so both show
// the same numbers.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct CRouteLeg;
class CLocation;
class CWayPoint;

// Columns, left to right. The screen form shows wind, wind correction and
// variation; the printed form frequency, minimum altitude and the two
// empty columns for times written in flight.
enum CourseColumn : int {
    kColName,
    kColWind,
    kColWca,
    kColVar,
    kColFreq,
    kColMinAlt,
    kColGroundSpeed,
    kColCourse,
    kColDistance,
    kColAltitude,
    kColHeading,
    kColTime,
    kColEto,
    kColAto,
    kCourseColumns
};

// What a cell shows for a value that cannot be computed.
inline constexpr const char* kNotComputable = "–";

// The heading of a column ("Ort", "W / S", ...).
std::string CourseHeading(int column);
// Whether the screen (print false) or the printed form has the column.
bool CourseColumnShown(int column, bool print);

// The user's units the log is shown in.
struct CourseUnits {
    int altitude = 0;
    int distance = 0;
    int wind = 0;
    int fuel = 0;
    int speed = 0;  // belongs to the distance unit: km/h, mph or kt
    // The preferred units of the settings in use (theDimDoc()).
    static CourseUnits Preferred();
};

// The sums the table carries from row to row (and from page to page).
struct CourseRunning {
    int32_t distance = 0;  // in the distance unit
    int32_t minutes = 0;
    int32_t seconds = 0;
    bool distanceKnown = true;  // false once a leg without distance was counted
    bool timeKnown = true;
};

struct CourseRowText {
    std::array<std::string, kCourseColumns> cells;
    std::string varLetter;              // "E" or "W" beside the variation
    std::vector<std::string> bearings;  // one line each
    // An intermediate waypoint whose altitude lies below its pattern
    // altitude (elevation plus minimum height).
    bool belowMinimum = false;
};

// "Ident (Name)" for a location shown by its ident, otherwise
// "Name (Ident)"; the part in parentheses only when it differs and exists.
std::string CourseLongLabel(const CLocation& location);

enum class CourseRowKind {
    Departure,     // row 0: the planned altitude, no leg
    Intermediate,  // a waypoint between departure and destination
    Destination,   // the last waypoint
    Alternate,
};

// The cells of one row; `leg` is the leg that ends at the row (ignored for
// the departure). The row's distance and time are added to `running`.
CourseRowText CourseRowCells(const CWayPoint& wp, CourseRowKind kind, const CRouteLeg& leg,
                             const CourseUnits& units, CourseRunning& running);
// The cells of a totals row: the running distance under "Dist" and the
// running time as hours, minutes and seconds under "Zeit".
CourseRowText CourseTotalCells(const CourseRunning& running);
