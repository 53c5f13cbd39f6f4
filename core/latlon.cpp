#include "core/latlon.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "core/archive.h"
#include "core/units.h"
#include "platform/numtext.h"
#include "platform/rounding.h"
#include "platform/string_table.h"

namespace navmath {

Vector3 ToVector(double latDeg, double lonDeg) {
    const double phi = latDeg * degToRad;
    const double lambda = lonDeg * degToRad;
    const double c = std::cos(phi);
    return {c * std::sin(lambda), c * std::cos(lambda), std::sin(phi)};
}

void FromVector(const Vector3& v, double& latDeg, double& lonDeg) {
    const Vector3 u = v.Normalized();
    const double z = std::clamp(u.z, -1.0, 1.0);
    const double phi = std::asin(z);
    double lambda = 0.0;
    if (std::fabs(z) < 1.0) {
        const double c = std::clamp(u.y / std::cos(phi), -1.0, 1.0);
        lambda = std::acos(c);
        if (u.x < 0.0) lambda = -lambda;
    }
    latDeg = phi * radToDeg;
    lonDeg = lambda * radToDeg;
}

Vector3 MoveTowards(const Vector3& v, const Vector3& w, double alpha) {
    const Vector3 n = v.Cross(w);
    if (n.Length() < 1e-12) return v;
    const Vector3 nHat = n.Normalized();
    return std::cos(alpha) * v + std::sin(alpha) * nHat.Cross(v);
}

}  // namespace navmath

using namespace navmath;

namespace {

int toInt(double x) {
    return static_cast<int>(std::clamp<long long>(truncateToLong(x), INT32_MIN, INT32_MAX));
}

char hemisphere(double coord, bool isLatitude) {
    if (isLatitude) return coord < 0 ? 'S' : 'N';
    return coord < 0 ? 'W' : 'E';
}

// Degrees and rounded whole minutes of one coordinate (formats 1 and 2).
void wholeMinutes(double coord, int& degrees, int& minutes) {
    const double v = std::fabs(coord);
    degrees = toInt(v);
    minutes = toInt(static_cast<double>(addHalfTruncate((v - degrees) * 60.0)));
    if (minutes >= 60) {
        minutes = 0;
        ++degrees;
    }
}

// Degrees and minutes with one decimal (format 3). Minutes that would print
// as "60.0" carry into the degrees.
void tenthMinutes(double coord, int& degrees, double& minutes) {
    const double v = std::fabs(coord);
    degrees = toInt(v);
    minutes = (v - degrees) * 60.0;
    if (minutes >= 60.0 || strFormat("%.1f", minutes) == "60.0") {
        minutes = 0.0;
        ++degrees;
    }
}

}  // namespace

bool CLatLon::IsValid() const {
    return m_dLat >= -90.0 && m_dLat <= 90.0 && m_dLon >= -180.0 && m_dLon <= 180.0;
}

std::string CLatLon::Format(int kind) const {
    const char latLetter = hemisphere(m_dLat, true);
    const char lonLetter = hemisphere(m_dLon, false);
    if (kind == 1 || kind == 2) {
        int latD, latM, lonD, lonM;
        wholeMinutes(m_dLat, latD, latM);
        wholeMinutes(m_dLon, lonD, lonM);
        return FormatStr(kind == 1 ? 1739 : 1741, latD, latM, latLetter, lonD, lonM, lonLetter);
    }
    if (kind == 3) {
        int latD, lonD;
        double latM, lonM;
        tenthMinutes(m_dLat, latD, latM);
        tenthMinutes(m_dLon, lonD, lonM);
        return FormatStr(1740, latD, latM, latLetter, lonD, lonM, lonLetter);
    }
    return {};
}

CoordParts CLatLon::Decompose(double coord, bool isLatitude) {
    CoordParts p;
    p.letter = hemisphere(coord, isLatitude);
    const double v = std::fabs(coord);
    p.degrees = toInt(v);
    const double minutes = (v - p.degrees) * 60.0;
    p.minutes = toInt(minutes);
    p.seconds = toInt(static_cast<double>(addHalfTruncate((minutes - p.minutes) * 60.0)));
    if (p.seconds >= 60) {
        p.seconds = 0;
        ++p.minutes;
    }
    if (p.minutes >= 60) {
        p.minutes = 0;
        ++p.degrees;
    }
    return p;
}

CoordParts CLatLon::DecomposeForDisplay(double coord, bool isLatitude, int positionFormat) {
    if (positionFormat == 1) {
        CoordParts p;
        p.letter = hemisphere(coord, isLatitude);
        const double v = std::fabs(coord);
        p.degrees = toInt(v);
        p.minutes = toInt(static_cast<double>(addHalfTruncate((v - p.degrees) * 6000.0)));
        if (p.minutes >= 6000) {
            p.minutes = 0;
            ++p.degrees;
        }
        return p;
    }
    CoordParts p = Decompose(coord, isLatitude);
    p.minutes *= 100;
    return p;
}

CoordParts CLatLon::DecomposeForDisplay(double coord, bool isLatitude) {
    return DecomposeForDisplay(coord, isLatitude, theDimDoc()->m_nPositionFormat);
}

bool CLatLon::IsSamePosition(const CLatLon& other, int positionFormat) const {
    return DecomposeForDisplay(m_dLat, true, positionFormat) ==
               DecomposeForDisplay(other.m_dLat, true, positionFormat) &&
           DecomposeForDisplay(m_dLon, false, positionFormat) ==
               DecomposeForDisplay(other.m_dLon, false, positionFormat);
}

bool CLatLon::IsSamePosition(const CLatLon& other) const {
    return IsSamePosition(other, theDimDoc()->m_nPositionFormat);
}

CourseDistance CLatLon::GreatCircle(const CLatLon& to) const {
    if (m_dLat == to.m_dLat && m_dLon == to.m_dLon) return {};
    const Vector3 a = ToVector();
    const Vector3 b = to.ToVector();
    const double theta = a.AngleTo(b);
    CourseDistance result;
    result.distance = theta * radToDeg * 60.0;

    const Vector3 n = a.Cross(b);
    if (n.Length() < 1e-12) {
        // The two points span no plane.
        if (a.Dot(b) > 0.0) return result;  // the same point written differently: no course
        // Opposite points: every great circle through A leads to B. The leg
        // is taken over the north pole along A's meridian; its middle lies on
        // that meridian heading north when A is south of the equator, and
        // beyond (or on) the pole heading south otherwise.
        result.course = m_dLat < 0.0 ? 360 : 180;
        return result;
    }

    const Vector3 middle = MoveTowards(a, b, theta / 2.0);
    const Vector3 q = middle.Cross(Vector3{0.0, 0.0, 0.99999});
    if (q.Length() < 1e-12) {
        // The middle of the leg is a pole: every direction is south at the
        // north pole and north at the south pole.
        result.course = middle.z > 0.0 ? 180 : 360;
        return result;
    }
    const double beta = n.AngleTo(q) * radToDeg;
    double delta = m_dLon - to.m_dLon;
    if (delta < 0.0) delta += 360.0;
    const double course = delta < 180.0 ? 360.0 - beta : beta;
    result.course = static_cast<int>(floorHalf(course));
    return result;
}

CLatLon CLatLon::GreatCirclePoint(const CLatLon& start, const CLatLon& target, double nm) {
    const Vector3 a = start.ToVector();
    const Vector3 b = target.ToVector();
    if (a.Cross(b).Length() < 1e-12) return start;  // equal or opposite: no great circle
    const Vector3 p = MoveTowards(a, b, nm * nmToRad);
    CLatLon result;
    FromVector(p, result.m_dLat, result.m_dLon);
    return result;
}

CLatLon CLatLon::GreatCircleDestination(const CLatLon& start, int course, double nm) {
    const double c = course * degToRad;
    const double phi = start.m_dLat * degToRad;
    const Vector3 tangent{std::sin(c), -std::cos(c) * std::sin(phi), std::cos(c) * std::cos(phi)};
    const Vector3 t = tangent.RotatedXY(-start.m_dLon * degToRad);
    const Vector3 p = MoveTowards(start.ToVector(), t, nm * nmToRad);
    CLatLon result;
    FromVector(p, result.m_dLat, result.m_dLon);
    return result;
}

namespace {

// The longitude difference of the rhumb line, with differences below 1e-8
// degrees taken as 0.
double rhumbLonDifference(double fromLon, double toLon) {
    const double d = CLatLon::LonDifference(fromLon, toLon);
    return std::fabs(d) < 1e-8 ? 0.0 : d;
}

}  // namespace

CourseDistance CLatLon::RhumbLine(const CLatLon& to) const {
    const double dLon = rhumbLonDifference(m_dLon, to.m_dLon);
    double course;
    if (dLon == 0.0) {
        course = m_dLat <= to.m_dLat ? 0.0 : 180.0;
    } else if (m_dLat == to.m_dLat) {
        course = 90.0;
    } else {
        course = std::atan((dLon * degToRad) / (MercatorY(to.m_dLat) - MercatorY(m_dLat))) * radToDeg;
        if (course < 0.0) course += 180.0;
    }
    double x = -dLon;
    if (x <= 0.0) x += 360.0;
    if (x < 180.0) course += 180.0;

    CourseDistance result;
    if (m_dLat == to.m_dLat) {
        result.distance = std::cos(m_dLat * degToRad) * std::fabs(dLon) * 60.0;
    } else {
        const double cosCourse = std::cos(course * degToRad);
        if (std::fabs(cosCourse) >= 0.1) {
            result.distance = 60.0 / cosCourse * (to.m_dLat - m_dLat);
        } else {
            // Within about 6 degrees of due east or west, dividing the
            // latitude difference by the cosine of the course loses precision
            // (for westward legs the 180 degrees added above carry the error
            // of pi', and latitudes a few bits apart give no usable course at
            // all). The same distance in a form that stays exact there:
            // sqrt(dphi^2 + (q dlambda)^2) with q = dphi / dMercator, or the
            // cosine of the middle latitude when the latitudes nearly agree.
            const double dPhi = (to.m_dLat - m_dLat) * degToRad;
            const double q = std::fabs(dPhi) > 1e-8 ? dPhi / (MercatorY(to.m_dLat) - MercatorY(m_dLat))
                                                    : std::cos((m_dLat + to.m_dLat) / 2.0 * degToRad);
            const double dLambda = dLon * degToRad;
            result.distance = std::sqrt(dPhi * dPhi + q * q * dLambda * dLambda) * radToDeg * 60.0;
        }
    }
    // The distance is never negative: the course and the latitude difference
    // always agree in direction.
    result.course = static_cast<int>(floorHalf(course));
    return result;
}

CLatLon CLatLon::RhumbLinePoint(const CLatLon& start, const CLatLon& target, double nm) {
    const double d = start.RhumbLine(target).distance;
    if (d == 0.0) return start;
    const double f = nm / d;
    const double yA = MercatorY(start.m_dLat);
    const double yB = MercatorY(target.m_dLat);
    const double dLon = rhumbLonDifference(start.m_dLon, target.m_dLon);
    return CLatLon(InverseMercator(yA + (yB - yA) * f), start.m_dLon + dLon * f);
}

double CLatLon::LonDifference(double fromLon, double toLon) {
    if (fromLon < 0.0) fromLon += 360.0;
    if (toLon < 0.0) toLon += 360.0;
    double d = toLon - fromLon;
    if (d > 180.0) d -= 360.0;
    if (d < -180.0) d += 360.0;
    return d;
}

double CLatLon::MercatorY(double lat) {
    const double t = std::fabs(std::tan(lat * halfDegToRad + quarterPi));
    return std::log(std::max(t, DBL_MIN));
}

double CLatLon::InverseMercator(double y) {
    return (std::atan(std::exp(y)) - quarterPi) * twiceRadToDeg;
}

LatLonBox CLatLon::MakeBox(double lat, double lon, double c) {
    const double cosLat = std::cos(lat * degToRad);
    double h = 180.0;
    if (cosLat > 0.0 && std::fabs(c / cosLat) < 180.0) h = c / cosLat;
    return {lat + c, lon - h, lat - c, lon + h};
}

bool CLatLon::LonInRange(double west, double lon, double east, double& shifted) {
    shifted = lon;
    if (west <= lon && lon <= east) return true;
    if (std::fabs(west) > 180.0 || std::fabs(east) > 180.0) {
        if (west > lon + 360.0 || east < lon + 360.0) {
            if (west <= lon - 360.0 && lon - 360.0 <= east) {
                shifted = lon - 360.0;
                return true;
            }
            return false;
        }
        shifted = lon + 360.0;
        return true;
    }
    return false;
}

bool CLatLon::BoxContains(const LatLonBox& box, double lat, double lon, double& shifted) {
    const bool inLon = LonInRange(box.west, lon, box.east, shifted);
    return inLon && box.south <= lat && lat <= box.north;
}

void CLatLon::Serialize(CArchive& ar) {
    ar.Io(m_dLat);
    ar.Io(m_dLon);
}
