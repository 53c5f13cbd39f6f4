#include "core/latlon.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <vector>

#include "core/archive.h"
#include "core/units.h"

namespace {

// ---- an independent reference on a sphere where one arc minute is one NM ----
// Standard haversine and rhumb-line formulas with the full-precision pi.

constexpr double kPi = 3.14159265358979323846;
double rad(double deg) {
    return deg * kPi / 180.0;
}
double deg(double r) {
    return r * 180.0 / kPi;
}
double nmOfRadians(double r) {
    return deg(r) * 60.0;
}
double normCourse(double c) {
    c = std::fmod(c, 360.0);
    return c < 0 ? c + 360.0 : c;
}

double haversineNm(double lat1, double lon1, double lat2, double lon2) {
    const double p1 = rad(lat1), p2 = rad(lat2), dl = rad(lon2 - lon1);
    const double a =
        std::pow(std::sin((p2 - p1) / 2), 2) + std::cos(p1) * std::cos(p2) * std::pow(std::sin(dl / 2), 2);
    return nmOfRadians(2 * std::asin(std::sqrt(a)));
}

double initialBearing(double lat1, double lon1, double lat2, double lon2) {
    const double p1 = rad(lat1), p2 = rad(lat2), dl = rad(lon2 - lon1);
    return normCourse(
        deg(std::atan2(std::sin(dl) * std::cos(p2),
                       std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl))));
}

// The true course in the middle of the great-circle leg.
double midLegCourse(double lat1, double lon1, double lat2, double lon2) {
    const double p1 = rad(lat1), p2 = rad(lat2), dl = rad(lon2 - lon1);
    const double bx = std::cos(p2) * std::cos(dl), by = std::cos(p2) * std::sin(dl);
    const double pm =
        std::atan2(std::sin(p1) + std::sin(p2), std::sqrt(std::pow(std::cos(p1) + bx, 2) + by * by));
    const double lm = rad(lon1) + std::atan2(by, std::cos(p1) + bx);
    return initialBearing(deg(pm), deg(lm), lat2, lon2);
}

struct Rhumb {
    double nm;
    double course;
};
Rhumb rhumbReference(double lat1, double lon1, double lat2, double lon2) {
    const double p1 = rad(lat1), p2 = rad(lat2);
    double dl = rad(lon2 - lon1);
    if (std::fabs(dl) > kPi) dl = dl > 0 ? dl - 2 * kPi : dl + 2 * kPi;
    const double dpsi = std::log(std::tan(kPi / 4 + p2 / 2) / std::tan(kPi / 4 + p1 / 2));
    // Below 1e-7 the difference of the two logarithms has lost too many digits.
    const double q = std::fabs(dpsi) > 1e-7 ? (p2 - p1) / dpsi : std::cos((p1 + p2) / 2);
    return {nmOfRadians(std::sqrt((p2 - p1) * (p2 - p1) + q * q * dl * dl)),
            normCourse(deg(std::atan2(dl, dpsi)))};
}

// Difference of two courses in degrees, 0..180.
double courseGap(double a, double b) {
    const double d = std::fabs(normCourse(a) - normCourse(b));
    return std::min(d, 360.0 - d);
}

struct Leg {
    double lat1, lon1, lat2, lon2;
};

// Legs of all directions and lengths, across the date line and the equator.
const std::vector<Leg> kLegs = {
    {50.0333, 8.5667, 48.3538, 11.7861},
    {48.3538, 11.7861, 50.0333, 8.5667},
    {52.0, 13.0, 52.5, 13.0},
    {40.64, -73.78, 51.47, -0.45},
    {-33.95, 151.18, -37.0, 174.8},
    {10.0, 170.0, -5.0, -170.0},
    {-20.0, -175.0, 15.0, 178.0},
    {0.0, 0.0, 0.0, 90.0},
    {60.0, -20.0, 58.0, 25.0},
    {45.0, 5.0, 45.0001, 5.0002},
    {-60.0, 30.0, -61.0, 29.0},
    {1.0, 1.0, -1.0, -1.0},
};

TEST(GreatCircle, WorkedExamples) {
    const CourseDistance east = CLatLon(0, 0).GreatCircle(CLatLon(0, 10));
    EXPECT_EQ(east.course, 90);
    EXPECT_NEAR(east.distance, 600.0, 1e-9);
    const CourseDistance north = CLatLon(0, 0).GreatCircle(CLatLon(10, 0));
    EXPECT_EQ(north.course, 360);
    EXPECT_NEAR(north.distance, 600.0, 1e-9);
    EXPECT_EQ(CLatLon(10, 0).GreatCircle(CLatLon(0, 0)).course, 180);
    EXPECT_EQ(CLatLon(0, 10).GreatCircle(CLatLon(0, 0)).course, 270);
    const CourseDistance same = CLatLon(50, 8).GreatCircle(CLatLon(50, 8));
    EXPECT_EQ(same.course, 0);
    EXPECT_EQ(same.distance, 0.0);
}

TEST(GreatCircle, AgreesWithHaversineAndMidLegCourse) {
    for (const Leg& l : kLegs) {
        SCOPED_TRACE(testing::Message() << l.lat1 << "/" << l.lon1 << " -> " << l.lat2 << "/" << l.lon2);
        const CourseDistance r = CLatLon(l.lat1, l.lon1).GreatCircle(CLatLon(l.lat2, l.lon2));
        const double ref = haversineNm(l.lat1, l.lon1, l.lat2, l.lon2);
        // pi taken as 3.1415926 scales positions by about 2e-8.
        EXPECT_NEAR(r.distance, ref, 1e-6 * ref + 1e-6);
        EXPECT_LE(courseGap(r.course, midLegCourse(l.lat1, l.lon1, l.lat2, l.lon2)), 0.5 + 1e-5);
        EXPECT_GE(r.course, 1);
        EXPECT_LE(r.course, 360);
    }
}

// Poles, opposite points and the date line: every leg gets a finite distance
// and a course in 0..360, never NaN.
TEST(GreatCircle, DegenerateLegsStayDefined) {
    EXPECT_EQ(CLatLon(90, 0).GreatCircle(CLatLon(-90, 0)).course, 180);
    EXPECT_EQ(CLatLon(-90, 0).GreatCircle(CLatLon(90, 0)).course, 360);
    const std::vector<CLatLon> points = {
        CLatLon(90, 0),     CLatLon(-90, 0),  CLatLon(90, 50),   CLatLon(80, 0),  CLatLon(80, 180),
        CLatLon(-80, -180), CLatLon(0, 180),  CLatLon(0, -180),  CLatLon(0, 0),   CLatLon(30, 10),
        CLatLon(-30, -170), CLatLon(10, 180), CLatLon(10, -180), CLatLon(45, 90), CLatLon(-45, -90)};
    for (const CLatLon& a : points) {
        for (const CLatLon& b : points) {
            SCOPED_TRACE(a.Format(3) + " -> " + b.Format(3));
            const CourseDistance r = a.GreatCircle(b);
            EXPECT_TRUE(std::isfinite(r.distance));
            EXPECT_GE(r.distance, 0.0);
            EXPECT_LE(r.distance, 10800.01);
            EXPECT_GE(r.course, 0);
            EXPECT_LE(r.course, 360);
            const CLatLon p = CLatLon::GreatCirclePoint(a, b, 100.0);
            EXPECT_TRUE(std::isfinite(p.m_dLat) && std::isfinite(p.m_dLon));
        }
    }
    EXPECT_NEAR(CLatLon(30, 10).GreatCircle(CLatLon(-30, -170)).distance, 10800.0, 0.01);
    EXPECT_LT(CLatLon(10, 180).GreatCircle(CLatLon(10, -180)).distance, 0.001);

    // Vectors that span no plane: moving along "their" circle stays put.
    const Vector3 v = CLatLon(30, 10).ToVector();
    EXPECT_EQ(navmath::MoveTowards(v, v, 0.5), v);
    EXPECT_EQ(navmath::MoveTowards(v, -v, 0.5), v);
}

TEST(GreatCircle, PointsAlongTheLeg) {
    const CLatLon p = CLatLon::GreatCirclePoint(CLatLon(0, 0), CLatLon(0, 10), 300.0);
    EXPECT_NEAR(p.m_dLat, 0.0, 1e-9);
    EXPECT_NEAR(p.m_dLon, 5.0, 1e-9);
    // Beyond the target along the same circle.
    const CLatLon q = CLatLon::GreatCirclePoint(CLatLon(0, 0), CLatLon(10, 0), 900.0);
    EXPECT_NEAR(q.m_dLat, 15.0, 1e-9);
    EXPECT_NEAR(q.m_dLon, 0.0, 1e-9);
    for (const Leg& l : kLegs) {
        const CLatLon a(l.lat1, l.lon1), b(l.lat2, l.lon2);
        const CourseDistance r = a.GreatCircle(b);
        const CLatLon end = CLatLon::GreatCirclePoint(a, b, r.distance);
        EXPECT_NEAR(end.m_dLat, b.m_dLat, 1e-7);
        EXPECT_NEAR(CLatLon::LonDifference(end.m_dLon, b.m_dLon), 0.0, 1e-7);
        const CLatLon mid = CLatLon::GreatCirclePoint(a, b, r.distance / 2);
        EXPECT_NEAR(a.GreatCircle(mid).distance, r.distance / 2, 1e-6 * r.distance + 1e-6);
        EXPECT_NEAR(mid.GreatCircle(b).distance, r.distance / 2, 1e-6 * r.distance + 1e-6);
    }
    // No great circle through equal points: the start comes back.
    const CLatLon s = CLatLon::GreatCirclePoint(CLatLon(50, 8), CLatLon(50, 8), 100.0);
    EXPECT_EQ(s, CLatLon(50, 8));
}

TEST(GreatCircle, DestinationFromCourseAndDistance) {
    // The course is turned into radians with pi' too: 90 degrees is 2.7e-8
    // rad short of a right angle, which tilts the circle by about 1e-6 NM per NM.
    const CLatLon e = CLatLon::GreatCircleDestination(CLatLon(0, 0), 90, 600.0);
    EXPECT_NEAR(e.m_dLat, 0.0, 1e-6);
    EXPECT_NEAR(e.m_dLon, 10.0, 1e-9);
    const CLatLon n = CLatLon::GreatCircleDestination(CLatLon(0, 0), 0, 600.0);
    EXPECT_NEAR(n.m_dLat, 10.0, 1e-9);
    EXPECT_NEAR(n.m_dLon, 0.0, 1e-9);
    for (int course : {0, 45, 90, 135, 180, 225, 270, 315, 359}) {
        for (const CLatLon& start : {CLatLon(50.03, 8.57), CLatLon(-33.9, 151.2), CLatLon(10, -179.5)}) {
            SCOPED_TRACE(testing::Message() << start.Format(3) << " course " << course);
            const CLatLon d = CLatLon::GreatCircleDestination(start, course, 250.0);
            // With pi', 180 and -180 lie 6e-6 degrees apart: legs across the
            // date line come out up to 0.0004 NM short.
            EXPECT_NEAR(haversineNm(start.m_dLat, start.m_dLon, d.m_dLat, d.m_dLon), 250.0, 5e-4);
            EXPECT_LT(courseGap(initialBearing(start.m_dLat, start.m_dLon, d.m_dLat, d.m_dLon), course),
                      1e-4);
        }
    }
}

TEST(RhumbLine, AgreesWithMercatorReference) {
    for (const Leg& l : kLegs) {
        SCOPED_TRACE(testing::Message() << l.lat1 << "/" << l.lon1 << " -> " << l.lat2 << "/" << l.lon2);
        const CourseDistance r = CLatLon(l.lat1, l.lon1).RhumbLine(CLatLon(l.lat2, l.lon2));
        const Rhumb ref = rhumbReference(l.lat1, l.lon1, l.lat2, l.lon2);
        EXPECT_NEAR(r.distance, ref.nm, 1e-6 * ref.nm + 1e-6);
        EXPECT_LE(courseGap(r.course, ref.course), 0.5 + 1e-5);
    }
}

TEST(RhumbLine, WorkedExamples) {
    struct Case {
        CLatLon a, b;
        int course;
        double distance;
    };
    const double c50 = std::cos(50.0 * navmath::degToRad);
    const Case cases[] = {
        {CLatLon(50, 8), CLatLon(50, 10), 90, c50 * 2 * 60},
        {CLatLon(50, 10), CLatLon(50, 8), 270, c50 * 2 * 60},
        {CLatLon(50, 8), CLatLon(50, 8), 0, 0.0},
        {CLatLon(0, 0), CLatLon(10, 0), 0, 600.0},  // due north is 0 on a rhumb line
        {CLatLon(10, 0), CLatLon(0, 0), 180, 600.0},
        {CLatLon(0, 179), CLatLon(0, -179), 90, 120.0},  // across the date line
        {CLatLon(0, -179), CLatLon(0, 179), 270, 120.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.a.Format(3) + " -> " + c.b.Format(3));
        const CourseDistance r = c.a.RhumbLine(c.b);
        EXPECT_EQ(r.course, c.course);
        EXPECT_NEAR(r.distance, c.distance, 1e-9);
    }
}

// Legs close to due east or west, and latitudes a few bits apart, keep their
// full length in both directions.
TEST(RhumbLine, NearlyEqualLatitudes) {
    for (double dLat : {1e-3, 1e-6, 1e-9, 1e-12}) {
        for (double sign : {1.0, -1.0}) {
            SCOPED_TRACE(testing::Message() << dLat * sign);
            const Leg l{50.0, 10.0, 50.0 + sign * dLat, 0.0};
            const Rhumb ref = rhumbReference(l.lat1, l.lon1, l.lat2, l.lon2);
            const CourseDistance west = CLatLon(l.lat1, l.lon1).RhumbLine(CLatLon(l.lat2, l.lon2));
            const CourseDistance east = CLatLon(l.lat2, l.lon2).RhumbLine(CLatLon(l.lat1, l.lon1));
            EXPECT_NEAR(west.distance, ref.nm, 1e-6 * ref.nm);
            EXPECT_NEAR(east.distance, ref.nm, 1e-6 * ref.nm);
            EXPECT_EQ(west.course, 270);
            EXPECT_EQ(east.course, 90);
        }
    }
    const double lat2 = std::nextafter(50.0, 60.0);
    const CourseDistance r = CLatLon(50, 8).RhumbLine(CLatLon(lat2, 10));
    EXPECT_EQ(r.course, 90);
    EXPECT_NEAR(r.distance, std::cos(50.0 * navmath::degToRad) * 120.0, 1e-6);
    const CourseDistance w = CLatLon(lat2, 10).RhumbLine(CLatLon(50, 8));
    EXPECT_EQ(w.course, 270);
    EXPECT_NEAR(w.distance, r.distance, 1e-6);
}

TEST(RhumbLine, PointsAlongTheLeg) {
    const CLatLon a(50, 8), b(50, 10);
    const CLatLon mid = CLatLon::RhumbLinePoint(a, b, a.RhumbLine(b).distance / 2);
    EXPECT_NEAR(mid.m_dLat, 50.0, 1e-12);
    EXPECT_NEAR(mid.m_dLon, 9.0, 1e-12);
    EXPECT_EQ(CLatLon::RhumbLinePoint(a, a, 10.0), a);
    // Across the date line the longitude is not normalised.
    const CLatLon d = CLatLon::RhumbLinePoint(CLatLon(0, 179), CLatLon(0, -179), 90.0);
    EXPECT_NEAR(d.m_dLon, 180.5, 1e-9);
    for (const Leg& l : kLegs) {
        const CLatLon s(l.lat1, l.lon1), t(l.lat2, l.lon2);
        const CLatLon end = CLatLon::RhumbLinePoint(s, t, s.RhumbLine(t).distance);
        EXPECT_NEAR(end.m_dLat, t.m_dLat, 1e-7);
        EXPECT_NEAR(CLatLon::LonDifference(end.m_dLon, t.m_dLon), 0.0, 1e-7);
    }
}

TEST(LatLon, LonDifference) {
    EXPECT_DOUBLE_EQ(CLatLon::LonDifference(170, -170), 20.0);
    EXPECT_DOUBLE_EQ(CLatLon::LonDifference(-170, 170), -20.0);
    EXPECT_DOUBLE_EQ(CLatLon::LonDifference(8, 10), 2.0);
    EXPECT_DOUBLE_EQ(CLatLon::LonDifference(10, 8), -2.0);
    EXPECT_DOUBLE_EQ(CLatLon::LonDifference(-10, 10), 20.0);
}

TEST(LatLon, MercatorRoundTripAndPoles) {
    for (double lat : {-85.0, -45.5, 0.0, 12.25, 50.0, 85.0}) {
        EXPECT_NEAR(CLatLon::InverseMercator(CLatLon::MercatorY(lat)), lat, 1e-9);
    }
    EXPECT_NEAR(CLatLon::MercatorY(0), 0.0, 1e-7);
    EXPECT_TRUE(std::isfinite(CLatLon::MercatorY(90)));
    EXPECT_TRUE(std::isfinite(CLatLon::MercatorY(-90)));
    EXPECT_NEAR(CLatLon::InverseMercator(CLatLon::MercatorY(-90)), -90.0, 1e-6);
    // A rhumb line from the south pole stays finite.
    const CLatLon p = CLatLon::RhumbLinePoint(CLatLon(-90, 0), CLatLon(-80, 10), 300.0);
    EXPECT_TRUE(std::isfinite(p.m_dLat) && std::isfinite(p.m_dLon));
}

TEST(LatLon, MakeBoxWidensByCosineOfLatitude) {
    const LatLonBox b = CLatLon::MakeBox(60.0, 8.0, 2.0);
    EXPECT_DOUBLE_EQ(b.north, 62.0);
    EXPECT_DOUBLE_EQ(b.south, 58.0);
    const double h = 2.0 / std::cos(60.0 * navmath::degToRad);
    EXPECT_NEAR(h, 4.0, 1e-6);
    EXPECT_DOUBLE_EQ(b.west, 8.0 - h);
    EXPECT_DOUBLE_EQ(b.east, 8.0 + h);
    const LatLonBox eq = CLatLon::MakeBox(0.0, 0.0, 0.25);
    EXPECT_DOUBLE_EQ(eq.east, 0.25);
    const LatLonBox pole = CLatLon::MakeBox(90.0, 8.0, 2.0);
    EXPECT_DOUBLE_EQ(pole.west, 8.0 - 180.0);
    EXPECT_DOUBLE_EQ(pole.east, 8.0 + 180.0);
    EXPECT_DOUBLE_EQ(CLatLon::MakeBox(89.99, 0.0, 2.0).east, 180.0);
}

TEST(LatLon, LonInRangeAcrossTheDateLine) {
    struct Case {
        double west, lon, east;
        bool inside;
        double shifted;
    };
    const Case cases[] = {
        {5, 8, 10, true, 8},
        {5, 12, 10, false, 12},
        {170, -175, 190, true, 185},
        {170, 175, 190, true, 175},
        {-190, 175, -170, true, -185},
        {170, -160, 190, false, -160},
        {-190, -175, -170, true, -175},
        {-190, 160, -170, false, 160},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.west << " " << c.lon << " " << c.east);
        double shifted = 0;
        EXPECT_EQ(CLatLon::LonInRange(c.west, c.lon, c.east, shifted), c.inside);
        EXPECT_DOUBLE_EQ(shifted, c.shifted);
    }
    const LatLonBox box{52, 170, 48, 190};
    double shifted = 0;
    EXPECT_TRUE(CLatLon::BoxContains(box, 50, -175, shifted));
    EXPECT_DOUBLE_EQ(shifted, 185);
    EXPECT_FALSE(CLatLon::BoxContains(box, 53, -175, shifted));
    EXPECT_FALSE(CLatLon::BoxContains(box, 50, 0, shifted));
}

TEST(LatLon, Validity) {
    EXPECT_FALSE(CLatLon().IsValid());
    EXPECT_EQ(CLatLon().m_dLat, 1000.0);
    EXPECT_TRUE(CLatLon(90, -180).IsValid());
    EXPECT_TRUE(CLatLon(-90, 180).IsValid());
    EXPECT_FALSE(CLatLon(90.0001, 0).IsValid());
    EXPECT_FALSE(CLatLon(0, -180.0001).IsValid());
    EXPECT_FALSE(CLatLon(NAN, 0).IsValid());
}

TEST(LatLon, FormatKinds) {
    struct Case {
        CLatLon p;
        int kind;
        const char* text;
    };
    const double m2 = 2.0 / 60, m34 = 34.0 / 60;
    const Case cases[] = {
        {CLatLon(50 + m2, 8 + m34), 2, "5002N00834E"},
        {CLatLon(50 + m2, 8 + m34), 1, "50  2N   8 34E"},
        {CLatLon(50 + m2, 8 + m34), 3, "50 02.0N   8 34.0E"},
        {CLatLon(-(33 + 0.6 / 60), -(70 + 59.4 / 60)), 1, "33  1S  70 59W"},
        {CLatLon(50.99999, 0), 1, "51  0N   0  0E"},
        {CLatLon(50.99999, 0), 2, "5100N00000E"},
        {CLatLon(50 + 59.96 / 60, 8), 3, "51 00.0N   8 00.0E"},
        {CLatLon(50, 8 + 59.94 / 60), 3, "50 00.0N   8 59.9E"},
        {CLatLon(50, 8), 4, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.p.Format(c.kind), c.text) << c.kind;
    // Minutes that print as 60 always carry into the degrees.
    for (double m : {59.95, 59.950000001, 59.9999999, 59.5, 59.99}) {
        const CLatLon p(-(50 + m / 60), 170 + m / 60);
        for (int kind : {1, 2, 3}) {
            const std::string text = p.Format(kind);
            EXPECT_EQ(text.find("60"), std::string::npos) << m << " " << text;
        }
    }
}

TEST(LatLon, DecomposeCarries) {
    EXPECT_EQ(CLatLon::Decompose(-8.5, false), (CoordParts{8, 30, 0, 'W'}));
    EXPECT_EQ(CLatLon::Decompose(50.99999, true), (CoordParts{51, 0, 0, 'N'}));
    EXPECT_EQ(CLatLon::Decompose(50 + 59.0 / 60 + 59.7 / 3600, true), (CoordParts{51, 0, 0, 'N'}));
    EXPECT_EQ(CLatLon::Decompose(-12.5042, true), (CoordParts{12, 30, 15, 'S'}));
    EXPECT_EQ(CLatLon::Decompose(0.0, false), (CoordParts{0, 0, 0, 'E'}));
}

TEST(LatLon, DisplayResolutionDependsOnPositionFormat) {
    const double v = 50 + 30.123 / 60;
    EXPECT_EQ(CLatLon::DecomposeForDisplay(v, true, 0), (CoordParts{50, 3000, 7, 'N'}));
    EXPECT_EQ(CLatLon::DecomposeForDisplay(v, true, 1), (CoordParts{50, 3012, 0, 'N'}));
    EXPECT_EQ(CLatLon::DecomposeForDisplay(-(8 + 59.999 / 60), false, 1), (CoordParts{9, 0, 0, 'W'}));

    // 0.2 s apart: the same in degrees/minutes/seconds and decimal minutes.
    const CLatLon a(50.5, 8.5), b(50.5 + 0.2 / 3600, 8.5);
    EXPECT_TRUE(a.IsSamePosition(b, 0));
    EXPECT_TRUE(a.IsSamePosition(b, 1));
    // 0.9 s apart in longitude: different in both.
    const CLatLon c(50.5, 8.5 + 0.9 / 3600);
    EXPECT_FALSE(a.IsSamePosition(c, 0));
    EXPECT_FALSE(a.IsSamePosition(c, 1));
    EXPECT_FALSE(a.IsSamePosition(CLatLon(-50.5, 8.5), 0));

    // Without a format: the preferred one of the units record.
    CDimDoc units;
    SetDimDoc(&units);
    const CLatLon d(50.5, 8.5 + 0.4 / 3600);  // 0.4 s: 0 s, or 0.67 hundredths of a minute
    units.m_nPositionFormat = 0;
    EXPECT_TRUE(a.IsSamePosition(d));
    units.m_nPositionFormat = 1;
    EXPECT_FALSE(a.IsSamePosition(d));
    EXPECT_EQ(CLatLon::DecomposeForDisplay(v, true), (CoordParts{50, 3012, 0, 'N'}));
    SetDimDoc(nullptr);
}

TEST(LatLon, ArchiveRecordIs16Bytes) {
    CLatLon p(50.5, -8.25);
    CArchive out;
    p.Serialize(out);
    ASSERT_EQ(out.Bytes().size(), 16u);
    CArchive in(out.Bytes());
    CLatLon q;
    q.Serialize(in);
    EXPECT_EQ(q, p);

    CArchive none;
    CLatLon().Serialize(none);
    const std::vector<uint8_t> marker = {0, 0, 0, 0, 0, 0x40, 0x8F, 0x40};
    EXPECT_EQ(std::vector<uint8_t>(none.Bytes().begin(), none.Bytes().begin() + 8), marker);
}

TEST(Vector3, Operations) {
    const Vector3 x{1, 0, 0}, y{0, 1, 0};
    EXPECT_EQ(x.Cross(y), (Vector3{0, 0, 1}));
    EXPECT_DOUBLE_EQ(x.Dot(y), 0.0);
    EXPECT_NEAR(x.AngleTo(y), kPi / 2, 1e-15);
    EXPECT_DOUBLE_EQ((Vector3{3, 4, 0}).Length(), 5.0);
    EXPECT_DOUBLE_EQ((Vector3{3, 4, 0}).Normalized().x, 0.6);
    EXPECT_EQ(Vector3{}.Normalized(), Vector3{});
    EXPECT_EQ(x.AngleTo(Vector3{}), 0.0);
    // Parallel vectors whose normalised dot product rounds above 1.
    const Vector3 v{0.1, 0.2, 0.3};
    EXPECT_NEAR(v.AngleTo(v * 3.0), 0.0, 1e-7);
    EXPECT_NEAR(v.AngleTo(-v), kPi, 1e-7);
    const Vector3 r = Vector3{2, 1, 5}.RotatedXY(kPi / 2, Vector3{1, 1, 0});
    EXPECT_NEAR(r.x, 1.0, 1e-15);
    EXPECT_NEAR(r.y, 2.0, 1e-15);
    EXPECT_EQ(r.z, 5.0);
    EXPECT_EQ(-x + y * 2.0 - 2.0 * y, -x);
}

}  // namespace
