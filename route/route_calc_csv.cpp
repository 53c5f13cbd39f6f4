#include "route/route_calc_csv.h"

#include "core/units.h"
#include "platform/numtext.h"
#include "route/route_calc.h"
#include "route/way_doc.h"

namespace {

// A text field, quoted when it holds a comma, a quote or a line break.
std::string csvText(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string whole(double v) {
    return strFormat("%d", static_cast<int>(v));
}

std::string legLine(const std::string& number, const CWayPoint& from, const CWayPoint& to,
                    const CRouteLeg& leg) {
    std::string line = number + "," + csvText(from.GetName()) + "," + csvText(to.GetName()) + ",";
    if (to.GetAltitudeFeet() != NOVALUE_ALTITUDE) line += strFormat("%d", to.GetAltitudeFeet());
    line += strFormat(",%d,", to.GetTrueAirspeed());
    if (leg.m_bCourseKnown) line += whole(leg.m_dTrueCourse);
    line += strFormat(",%d,%d,", to.GetWindDirection(), to.GetWindSpeed());
    if (leg.m_bSpeedKnown) line += whole(leg.m_dWindCorrection);
    line += ",";
    if (leg.m_bCourseKnown) {
        // The course as a compass shows it.
        double course = leg.m_dMagCourse;
        if (course < 0) course += 360.0;
        line += whole(course);
    }
    line += ",";
    if (leg.m_bSpeedKnown) line += whole(leg.m_dMagHeading);
    line += ",";
    if (leg.m_bSpeedKnown) line += strFormat("%.1f", leg.m_dGroundSpeed);
    line += ",";
    if (leg.m_bCourseKnown) line += whole(leg.m_dWholeDistance);
    line += ",";
    if (leg.m_bSpeedKnown) line += whole(leg.m_dWholeTime);
    return line;
}

}  // namespace

std::vector<std::string> FlightLogCsv(CWayDoc& route, const CPlane& plane) {
    std::vector<std::string> lines{kFlightLogCsvHeader};
    CRouteCalc& calc = route.GetCalc();
    calc.Prepare(plane);
    calc.ComputeLegs();
    calc.ComputeAlternateLegs();
    const int count = route.GetCount();
    for (int i = 1; i < count; ++i)
        lines.push_back(
            legLine(strFormat("%d", i), route.GetWayPoint(i - 1), route.GetWayPoint(i), calc.GetLeg(i)));
    CWayPoint from = count > 0 ? route.GetWayPoint(count - 1) : CWayPoint();
    for (int k = 0; k < calc.GetAlternateLegCount(); ++k) {
        CWayPoint alternate;
        route.GetAlternate(calc.GetAlternateNumber(k), alternate);
        lines.push_back(legLine(strFormat("A%d", k + 1), from, alternate, calc.GetAlternateLeg(k)));
        from = alternate;
    }
    std::string total = "total,,,,,,,,,,,,";
    if (calc.IsTotalDistanceKnown()) total += whole(calc.GetTotalDistance());
    total += ",";
    if (calc.IsTotalTimeKnown()) total += whole(calc.GetTotalTime());
    lines.push_back(total);
    calc.RestoreModified();
    return lines;
}
