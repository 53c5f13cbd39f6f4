#include "views/course_view_rows.h"

#include <algorithm>
#include <cstdlib>

#include "core/units.h"
#include "platform/numtext.h"
#include "platform/rounding.h"
#include "platform/string_table.h"
#include "route/route_calc.h"
#include "route/way_point.h"

namespace {

constexpr int kStrPlace = 1534;      // "Ort"
constexpr int kStrFrequency = 1535;  // "Freq"
constexpr int kStrVariation = 1539;  // "Var"
constexpr int kStrAltitude = 1543;   // "Höhe"

long roundHalfUp(double v) {
    return static_cast<long>(clampTo<int32_t>(floorHalf(v)));
}

}  // namespace

std::string CourseHeading(int column) {
    switch (column) {
        case kColName:
            return LoadStr(kStrPlace);
        case kColWind:
            return "W / S";
        case kColWca:
            return "Luv";
        case kColVar:
            return LoadStr(kStrVariation);
        case kColFreq:
            return LoadStr(kStrFrequency);
        case kColMinAlt:
            return "H.Min";
        case kColGroundSpeed:
            return "Vg";
        case kColCourse:
            return "RWK";
        case kColDistance:
            return "Dist";
        case kColAltitude:
            return LoadStr(kStrAltitude);
        case kColHeading:
            return "Krs";
        case kColTime:
            return "Zeit";
        case kColEto:
            return "ETO";
        case kColAto:
            return "ATO";
        default:
            return std::string();
    }
}

bool CourseColumnShown(int column, bool print) {
    switch (column) {
        case kColWind:
        case kColWca:
        case kColVar:
            return !print;
        case kColFreq:
        case kColMinAlt:
        case kColEto:
        case kColAto:
            return print;
        default:
            return column >= 0 && column < kCourseColumns;
    }
}

CourseUnits CourseUnits::Preferred() {
    const CDimDoc& dim = *theDimDoc();
    CourseUnits u;
    u.altitude = dim.m_nAltitude;
    u.distance = dim.m_nDistance;
    u.wind = dim.m_nWind;
    u.fuel = dim.m_nFuel;
    u.speed = SpeedUnitFor(dim.m_nDistance);
    return u;
}

std::string CourseLongLabel(const CLocation& location) {
    const std::string& name = location.GetName();
    const std::string& ident = location.GetIdent();
    if (location.GetFlags() & LOC_SHOW_IDENT) {
        if (name != ident) return ident + " (" + name + ")";
        return ident;
    }
    if (!ident.empty() && ident != name) return name + " (" + ident + ")";
    return name;
}

CourseRowText CourseRowCells(const CWayPoint& wp, CourseRowKind kind, const CRouteLeg& leg,
                             const CourseUnits& units, CourseRunning& running) {
    CourseRowText row;
    auto& c = row.cells;
    const bool intermediate = kind == CourseRowKind::Intermediate;
    c[kColName] = kind == CourseRowKind::Intermediate ? wp.ShownText() : CourseLongLabel(wp);

    // Printed form: frequency and the minimum altitude.
    if (wp.FrequencyCode() > 0) c[kColFreq] = strFormat("%7.3f", wp.FrequencyCode() / 1000.0);
    if (!wp.GetElevation()) {
        c[kColMinAlt] = "?";
    } else if (intermediate) {
        c[kColMinAlt] = strFormat("%5ld", static_cast<long>(wp.PatternAltitude(units.altitude)));
    } else {
        c[kColMinAlt] = strFormat(
            "%5ld", roundHalfUp(ConvertLength(wp.Elevation(), wp.GetElevationUnit(), units.altitude)));
    }
    if (intermediate && wp.GetElevation() && wp.GetAltitudeFeet() != NOVALUE_ALTITUDE &&
        wp.GetAltitudeFeet() < wp.PatternAltitude(DIM_FEET))
        row.belowMinimum = true;

    for (int b = 0; b < 2; ++b)
        if (wp.GetBearing(b).IsSet()) row.bearings.push_back(wp.GetBearing(b).Text());

    if (kind == CourseRowKind::Departure) {
        // The departure has no leg: only its planned altitude.
        if (wp.GetPlannedAltitude() != NOVALUE_ALTITUDE)
            c[kColAltitude] =
                strFormat("%5ld", roundHalfUp(theDimDoc()->ConvertToPref(
                                      PARAM_ALTITUDE, wp.GetPlannedAltitude(), wp.GetAltitudeUnit())));
        return row;
    }

    // Screen form: the wind of the leg, the wind correction and the variation.
    c[kColWind] =
        strFormat("%03d/%2d", static_cast<int>(wp.GetWindDirection()),
                  static_cast<int>(roundHalfUp(ConvertSpeed(wp.GetWindSpeed(), DIM_KT, units.wind))));
    c[kColVar] = strFormat("%3d", std::abs(wp.GetVariation()));
    row.varLetter = wp.GetVariation() >= 0 ? "E" : "W";

    if (leg.m_bSpeedKnown) {
        c[kColWca] = strFormat("%3d", static_cast<int>(leg.m_dWindCorrection));
        c[kColGroundSpeed] = strFormat(
            "%3d", static_cast<int>(roundHalfUp(ConvertSpeed(leg.m_dGroundSpeed, DIM_KT, units.speed))));
        c[kColHeading] = strFormat("%03d", static_cast<int>(leg.m_dMagHeading));
        if (units.distance == DIM_METER) {
            const TimeParts t = SplitMinutes(leg.m_dTime);
            const int minutes = t.hours * 60 + t.minutes;
            c[kColTime] = strFormat("%d:%02d", minutes, static_cast<int>(t.seconds));
            running.minutes += minutes;
            running.seconds += t.seconds;
        } else {
            const int minutes = static_cast<int>(clampTo<int32_t>(truncateToLong(leg.m_dWholeTime)));
            c[kColTime] = strFormat("%4d", minutes);
            running.minutes += minutes;
        }
    } else {
        c[kColWca] = c[kColGroundSpeed] = c[kColHeading] = c[kColTime] = kNotComputable;
        running.timeKnown = false;
    }

    if (leg.m_bCourseKnown) {
        c[kColCourse] = strFormat("%03d", static_cast<int>(leg.m_dTrueCourse));
        const long distance = roundHalfUp(ConvertLength(leg.m_dDistance, DIM_NM, units.distance));
        c[kColDistance] = strFormat("%5ld", distance);
        running.distance = clampTo<int32_t>(static_cast<long long>(running.distance) + distance);
    } else {
        c[kColCourse] = c[kColDistance] = kNotComputable;
        running.distanceKnown = false;
    }

    if (wp.GetAltitudeFeet() != NOVALUE_ALTITUDE)
        c[kColAltitude] =
            strFormat("%5ld", roundHalfUp(ConvertLength(wp.GetAltitudeFeet(), DIM_FEET, units.altitude)));
    return row;
}

CourseRowText CourseTotalCells(const CourseRunning& running) {
    CourseRowText row;
    row.cells[kColDistance] = running.distanceKnown ? strFormat("%5d", running.distance) : kNotComputable;
    if (running.timeKnown) {
        const TimeParts t = SplitMinutesSeconds(static_cast<unsigned>(std::max(0, running.minutes)),
                                                static_cast<unsigned>(std::max(0, running.seconds)));
        row.cells[kColTime] = strFormat("%d:%02d:%02d", static_cast<int>(t.hours),
                                        static_cast<int>(t.minutes), static_cast<int>(t.seconds));
    } else {
        row.cells[kColTime] = kNotComputable;
    }
    return row;
}
