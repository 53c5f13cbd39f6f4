#pragma once
// Positions (latitude and longitude in degrees, north and east positive) and
// the spherical navigation math on them: great-circle and rhumb-line distance
// and course, points along both, Mercator latitude functions and
// latitude/longitude boxes.
//
// The earth is a unit sphere and distances are central angles in arc minutes,
// so one nautical mile is one minute of arc; no earth radius is involved.
// All angle conversions use pi taken as 3.1415926 (navmath::pi below), so
// stored routes, boxes and map positions come out exactly as they always have.

#include <string>

#include "core/vector3.h"

class CArchive;

namespace navmath {
constexpr double pi = 3.1415926;
constexpr double degToRad = 0.017453292222222222;      // pi / 180
constexpr double radToDeg = 57.295780490442965;        // 180 / pi
constexpr double halfDegToRad = 0.008726646111111111;  // pi / 360
constexpr double quarterPi = 0.78539815;               // pi / 4
constexpr double twiceRadToDeg = 114.59156098088593;   // 360 / pi
constexpr double nmToRad = 0.0002908882037037037;      // pi / 10800

// The unit vector of a position given in degrees: x = cos(lat) sin(lon),
// y = cos(lat) cos(lon), z = sin(lat). y points to 0/0, x to 0/90E, z north.
Vector3 ToVector(double latDeg, double lonDeg);
// The position of a vector (any length > 0), in degrees.
void FromVector(const Vector3& v, double& latDeg, double& lonDeg);
// The point reached from v by the angle `alpha` (radians) along the great
// circle through v and w, in the direction of w (it may pass w). When v and w
// span no plane (equal or opposite), v itself is returned.
Vector3 MoveTowards(const Vector3& v, const Vector3& w, double alpha);
}  // namespace navmath

// A distance in nautical miles and a true course in whole degrees (0..360;
// 0 also stands for "no leg").
struct CourseDistance {
    double distance = 0.0;
    int course = 0;
};

// A latitude/longitude box; west and east may lie beyond +-180.
struct LatLonBox {
    double north = 0.0;
    double west = 0.0;
    double south = 0.0;
    double east = 0.0;
};

// One coordinate split into its parts for display.
struct CoordParts {
    int degrees = 0;
    int minutes = 0;  // DecomposeForDisplay: minutes x 100, or hundredths of a minute
    int seconds = 0;
    char letter = 'N';
    bool operator==(const CoordParts&) const = default;
};

class CLatLon {
public:
    static constexpr double NoValue = 1000.0;

    double m_dLat = NoValue;  // degrees, north positive
    double m_dLon = NoValue;  // degrees, east positive

    CLatLon() = default;
    CLatLon(double lat, double lon) : m_dLat(lat), m_dLon(lon) {}

    void Set(double lat, double lon) {
        m_dLat = lat;
        m_dLon = lon;
    }
    // True inside -90..90 and -180..180; the no-value position is invalid.
    bool IsValid() const;
    bool operator==(const CLatLon&) const = default;

    // Compact text forms:
    //  1: "50  2N   8 34E"   whole minutes
    //  2: "5002N00834E"      the ICAO route form
    //  3: "50 02.0N   8 34.0E" minutes with one decimal
    // Minutes that round to 60 carry into the degrees. Other kinds give "".
    std::string Format(int kind) const;

    // Degrees, minutes and rounded seconds with the hemisphere letter
    // (N/S for a latitude, E/W for a longitude); carries 60 s and 60 min.
    static CoordParts Decompose(double coord, bool isLatitude);
    // The four values the given position format shows: format 1 gives
    // degrees, hundredths of a minute, 0; format 0 (and any other) degrees,
    // minutes x 100, seconds. The overload without a format uses the user's
    // preferred position format.
    static CoordParts DecomposeForDisplay(double coord, bool isLatitude, int positionFormat);
    static CoordParts DecomposeForDisplay(double coord, bool isLatitude);
    // True when both positions look the same in the position format.
    bool IsSamePosition(const CLatLon& other, int positionFormat) const;
    bool IsSamePosition(const CLatLon& other) const;

    // Great-circle distance to `to` and the true course at mid-leg, rounded
    // with floor(x + 0.5) (a leg due north has course 360). Equal positions
    // give 0/0. Opposite points and legs whose middle lies on a pole get a
    // defined course too (see the implementation).
    CourseDistance GreatCircle(const CLatLon& to) const;
    // The point `nm` nautical miles from `start` towards `target` on their
    // great circle (it may pass the target). Equal or opposite positions
    // define no great circle and give the start point.
    static CLatLon GreatCirclePoint(const CLatLon& start, const CLatLon& target, double nm);
    // The point `nm` nautical miles from `start` on the great circle that
    // leaves it with the true course `course` (whole degrees).
    static CLatLon GreatCircleDestination(const CLatLon& start, int course, double nm);

    // Rhumb-line distance to `to` and the course rounded with floor(x + 0.5)
    // (may be 360; equal positions give 0/0).
    CourseDistance RhumbLine(const CLatLon& to) const;
    // The point `nm` nautical miles from `start` along the rhumb line towards
    // `target`. The longitude is not normalised and may lie beyond +-180.
    static CLatLon RhumbLinePoint(const CLatLon& start, const CLatLon& target, double nm);

    // Signed longitude difference from `fromLon` to `toLon`, east positive,
    // in -180..180 (170 -> -170 is +20).
    static double LonDifference(double fromLon, double toLon);
    // ln|tan(lat/2 + pi/4)| with the latitude in degrees. Always finite: at
    // the south pole the tangent is 0, and the result is ln(DBL_MIN) there.
    static double MercatorY(double lat);
    // The latitude in degrees of a Mercator ordinate.
    static double InverseMercator(double y);

    // The box of half size `c` degrees around a position; the longitude half
    // width is c / cos(latitude), at most 180.
    static LatLonBox MakeBox(double lat, double lon, double c);
    // True when `lon` lies between west and east, also when the box reaches
    // beyond +-180 and the longitude does so shifted by 360; `shifted` gets
    // the longitude as it matches the box (unchanged when outside).
    static bool LonInRange(double west, double lon, double east, double& shifted);
    // LonInRange plus south <= lat <= north.
    static bool BoxContains(const LatLonBox& box, double lat, double lon, double& shifted);

    // The archive record: latitude, then longitude, as 8-byte doubles.
    void Serialize(CArchive& ar);

    Vector3 ToVector() const { return navmath::ToVector(m_dLat, m_dLon); }
};
