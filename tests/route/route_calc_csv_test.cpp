// The CSV of the demo routes, checked leg by leg against a rhumb line and a
// wind triangle computed here the textbook way.

#include "route/route_calc_csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "aircraft/met_doc.h"
#include "aircraft/plane.h"
#include "route/way_doc.h"
#include "route_env.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180.0;

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, ',')) fields.push_back(field);
    if (!line.empty() && line.back() == ',') fields.push_back("");
    return fields;
}

// Course (degrees) and distance (NM) of the rhumb line on the sphere.
void rhumbLine(const CLatLon& a, const CLatLon& b, double& course, double& distance) {
    const double p1 = a.m_dLat * kRad, p2 = b.m_dLat * kRad;
    double dl = (b.m_dLon - a.m_dLon) * kRad;
    if (dl > kPi) dl -= 2 * kPi;
    if (dl < -kPi) dl += 2 * kPi;
    const double dpsi = std::log(std::tan(kPi / 4 + p2 / 2) / std::tan(kPi / 4 + p1 / 2));
    const double dp = p2 - p1;
    const double q = std::fabs(dpsi) > 1e-12 ? dp / dpsi : std::cos(p1);
    distance = std::sqrt(dp * dp + q * q * dl * dl) / kRad * 60.0;
    course = std::fmod(std::atan2(dl, dpsi) / kRad + 360.0, 360.0);
}

struct Expected {
    int course, wca, magCourse, heading, distance, minutes;
    double groundSpeed;
};

Expected expectedLeg(const CLocation& from, const CLocation& to, double tas, double windFrom, double wind) {
    double course = 0, distance = 0;
    rhumbLine(from, to, course, distance);
    Expected e{};
    e.course = static_cast<int>(std::floor(course + 0.5));
    // The wind correction and the ground speed of the textbook triangle.
    const double wca = std::asin(wind * std::sin((windFrom - e.course) * kRad) / tas) / kRad;
    e.groundSpeed = tas * std::cos(wca * kRad) - wind * std::cos((windFrom - e.course) * kRad);
    e.wca = static_cast<int>(std::floor(wca + 0.5));
    e.magCourse = e.course - to.GetVariation();
    if (e.magCourse > 360) e.magCourse -= 360;
    e.heading = static_cast<int>(std::floor(e.magCourse + e.wca + 0.5));
    if (e.magCourse < 0) e.magCourse += 360;
    if (e.heading < 0) e.heading += 360;
    if (e.heading > 360) e.heading -= 360;
    e.distance = static_cast<int>(std::floor(distance + 0.5));
    e.minutes = static_cast<int>(std::floor(e.distance * 60.0 / e.groundSpeed + 1.0));
    return e;
}

class FlightLogCsvTest : public RouteEnv, public ::testing::WithParamInterface<const char*> {
protected:
    CMetDoc met;
    FlightLogCsvTest() { SetMetDoc(&met); }
    ~FlightLogCsvTest() override { SetMetDoc(nullptr); }
};

TEST_P(FlightLogCsvTest, EveryLegAgreesWithTheTextbookTriangle) {
    for (int layer = 0; layer < 4; ++layer) met.SetLayerWind(layer, 250, 20);
    CPlane plane;
    plane.m_strName = "D-ECSV";
    plane.m_fCruiseSpeed = 110;
    plane.m_fClimbSpeed = 75;
    plane.m_fDescentSpeed = 120;
    plane.m_fCruiseFlow = 32;
    plane.m_fClimbFlow = 40;
    CWayDoc route;
    ASSERT_EQ(route.ReadQuietly(std::string(NAVORA_SOURCE_DIR) + "/demo/" + GetParam()), "");

    const std::vector<std::string> lines = FlightLogCsv(route, plane);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(
        lines.front(),
        "leg,from,to,alt_ft,tas_kt,true_course,wind_dir,wind_kt,wca,mag_course,mag_heading,gs_kt,dist_nm,"
        "minutes");

    // The legs in order: the route, then the alternates.
    std::vector<CWayPoint> points;
    for (int i = 0; i < route.GetCount(); ++i) points.push_back(route.GetWayPoint(i));
    std::vector<std::string> numbers;
    for (int i = 1; i < route.GetCount(); ++i) numbers.push_back(std::to_string(i));
    if (route.HasOption(RTE_ALTERNATES)) {
        int entry = 0;
        for (int which = 1; which <= 2; ++which) {
            CWayPoint alternate;
            if (route.GetAlternate(which, alternate) && alternate.IsValidLocation()) {
                points.push_back(alternate);
                numbers.push_back("A" + std::to_string(++entry));
            }
        }
    }
    ASSERT_EQ(lines.size(), points.size() + 1);  // header, legs, total

    int totalDistance = 0, totalMinutes = 0;
    for (size_t k = 1; k < points.size(); ++k) {
        SCOPED_TRACE(lines[k]);
        const std::vector<std::string> f = split(lines[k]);
        ASSERT_EQ(f.size(), 14u);
        const CWayPoint& from = points[k - 1];
        const CWayPoint& to = points[k];
        const Expected e = expectedLeg(from, to, 110, 250, 20);
        EXPECT_EQ(f[0], numbers[k - 1]);
        EXPECT_EQ(f[1], from.GetName());
        EXPECT_EQ(f[2], to.GetName());
        EXPECT_EQ(f[3], std::to_string(to.GetPlannedAltitude()));
        EXPECT_EQ(f[4], "110");
        EXPECT_EQ(f[5], std::to_string(e.course));
        EXPECT_EQ(f[6], "250");
        EXPECT_EQ(f[7], "20");
        EXPECT_EQ(f[8], std::to_string(e.wca));
        EXPECT_EQ(f[9], std::to_string(e.magCourse));
        EXPECT_EQ(f[10], std::to_string(e.heading));
        EXPECT_NEAR(std::stod(f[11]), e.groundSpeed, 0.0501);
        EXPECT_EQ(f[11].find('.'), f[11].size() - 2);  // one decimal
        EXPECT_EQ(f[12], std::to_string(e.distance));
        EXPECT_EQ(f[13], std::to_string(e.minutes));
        totalDistance += e.distance;
        totalMinutes += e.minutes;
    }
    EXPECT_EQ(lines.back(),
              "total,,,,,,,,,,,," + std::to_string(totalDistance) + "," + std::to_string(totalMinutes));
}

INSTANTIATE_TEST_SUITE_P(DemoRoutes, FlightLogCsvTest,
                         ::testing::Values("EDFE-EDTF.way", "EDFE-LSZB.way", "EDFE-EDDH.way"));

TEST_F(RouteEnv, FlightLogCsvLeavesWhatCannotBeComputedEmpty) {
    CMetDoc met;
    for (int layer = 0; layer < 4; ++layer) met.SetLayerWind(layer, 90, 60);
    SetMetDoc(&met);
    CPlane plane;
    plane.m_fCruiseSpeed = 50;  // slower than the wind
    CWayDoc route;
    for (int i = 0; i < 2; ++i) {
        CLocation loc(i == 0 ? "Start, Nord" : "Ziel", 0, LOC_MIN_500);
        loc.Set(50, 8 + i);
        CWayPoint wp(loc);
        wp.SetPlannedAltitude(i == 0 ? 1000 : NOVALUE_ALTITUDE);
        route.Append(wp);
    }
    const std::vector<std::string> lines = FlightLogCsv(route, plane);
    SetMetDoc(nullptr);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "1,\"Start, Nord\",Ziel,,50,90,90,60,,90,,,39,");
    EXPECT_EQ(lines[2], "total,,,,,,,,,,,,39,");
}

}  // namespace
