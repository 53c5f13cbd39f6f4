#pragma once
// The legs of the flight log as comma-separated values, one line per leg,
// for scripts and for checking results:
//   leg,from,to,alt_ft,tas_kt,true_course,wind_dir,wind_kt,wca,mag_course,mag_heading,gs_kt,dist_nm,minutes
// The ground speed has one decimal, the distance is the whole NM and the
// minutes the whole minutes the log counts; a value that cannot be computed
// is empty. The alternate legs follow as A1, A2, and a last line
// "total,,,,,,,,,,,,<distance>,<minutes>" holds the totals of all legs.

#include <string>
#include <vector>

class CWayDoc;
class CPlane;

inline constexpr const char* kFlightLogCsvHeader =
    "leg,from,to,alt_ft,tas_kt,true_course,wind_dir,wind_kt,wca,mag_course,mag_heading,gs_kt,dist_nm,minutes";

// Runs the computation of `route` for `plane` with the current weather
// (legs and alternate legs only) and returns the lines, header first. The
// route's modified flag is kept.
std::vector<std::string> FlightLogCsv(CWayDoc& route, const CPlane& plane);
