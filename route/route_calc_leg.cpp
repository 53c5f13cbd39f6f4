// One leg of the flight log: the rhumb line from its start to its end and
// the wind triangle for the airspeed and wind of the leg.

#include <algorithm>
#include <array>
#include <cmath>

#include "core/latlon.h"
#include "platform/rounding.h"
#include "route/route_calc.h"

namespace {

// A full turn with the program's pi (2 x 3.1415926).
constexpr double kFullTurn = 6.2831852;

// Sine and cosine of whole degrees from -720 to 720. Courses and wind
// directions of a leg are whole degrees, so a table computed with the same
// conversion factor gives exactly the values the functions would.
class WholeDegreeTable {
public:
    static constexpr int kRange = 720;
    WholeDegreeTable() {
        for (int d = -kRange; d <= kRange; ++d) {
            sin_[static_cast<size_t>(d + kRange)] = std::sin(d * navmath::degToRad);
            cos_[static_cast<size_t>(d + kRange)] = std::cos(d * navmath::degToRad);
        }
    }
    double Sin(int degrees) const {
        if (degrees < -kRange || degrees > kRange) return std::sin(degrees * navmath::degToRad);
        return sin_[static_cast<size_t>(degrees + kRange)];
    }
    double Cos(int degrees) const {
        if (degrees < -kRange || degrees > kRange) return std::cos(degrees * navmath::degToRad);
        return cos_[static_cast<size_t>(degrees + kRange)];
    }

private:
    std::array<double, 2 * kRange + 1> sin_{};
    std::array<double, 2 * kRange + 1> cos_{};
};

const WholeDegreeTable wholeDegreeTable;

void clearSpeedValues(CRouteLeg& leg) {
    leg.m_bSpeedKnown = false;
    leg.m_dGroundSpeed = 0;
    leg.m_dWindCorrection = 0;
    leg.m_dMagHeading = 0;
    leg.m_dTime = 0;
    leg.m_dWholeTime = 0;
}

}  // namespace

CRouteLeg ComputeRouteLeg(const CLatLon& from, const CLatLon& to, int tas, int windDirection, int windSpeed,
                          int variation) {
    CRouteLeg leg;
    if (!from.IsValid() || !to.IsValid()) {
        leg.m_bCourseKnown = false;
        clearSpeedValues(leg);
        return leg;
    }

    // Course and distance of the rhumb line.
    const CourseDistance rhumb = from.RhumbLine(to);
    const int course = rhumb.course;
    const double distance = rhumb.distance;
    const double wholeDistance = static_cast<double>(floorHalf(distance));
    leg.m_dTrueCourse = course;
    leg.m_dDistance = distance;
    leg.m_dWholeDistance = wholeDistance;
    double magneticCourse = static_cast<double>(course) - variation;
    if (magneticCourse > 360.0) magneticCourse -= 360.0;
    leg.m_dMagCourse = magneticCourse;

    // Without airspeed, or with a wind at least as strong, there is no
    // heading that keeps the aircraft on the course.
    const double T = tas;
    const double W = windSpeed;
    if (!(T > 0.0) || W >= T) {
        clearSpeedValues(leg);
        return leg;
    }

    // Ground speed: the along-track part h of the wind, and the airspeed
    // left for the track once the cross-wind is held.
    const WholeDegreeTable& table = wholeDegreeTable;
    const double h = W * table.Cos(course - windDirection);
    const double G = std::sqrt(T * T - W * W + h * h) - h;

    // Heading: the ground vector plus the vector towards the wind's origin.
    const double x = std::clamp((W * table.Cos(windDirection) + G * table.Cos(course)) / T, -1.0, 1.0);
    const double y = W * table.Sin(windDirection) + G * table.Sin(course);
    double heading = std::acos(x);
    if (y < 0.0) heading = kFullTurn - heading;
    heading *= navmath::radToDeg;
    double angle = heading - course;
    if (angle > 180.0) angle -= 360.0;
    if (angle < -180.0) angle += 360.0;
    const double wholeAngle = std::floor(angle + 0.5);

    leg.m_dGroundSpeed = G;
    leg.m_dWindCorrection = wholeAngle;
    leg.m_dTime = distance * 60.0 / G;
    leg.m_dWholeTime = std::floor(wholeDistance * 60.0 / G + 1.0);
    double magneticHeading = std::floor(magneticCourse + wholeAngle + 0.5);
    if (magneticHeading < 0.0) magneticHeading += 360.0;
    if (magneticHeading > 360.0) magneticHeading -= 360.0;
    leg.m_dMagHeading = magneticHeading;

    if (!std::isfinite(leg.m_dGroundSpeed) || !std::isfinite(leg.m_dTime) ||
        !std::isfinite(leg.m_dWholeTime) || !std::isfinite(leg.m_dMagHeading) || !(G > 0.0))
        clearSpeedValues(leg);
    return leg;
}
