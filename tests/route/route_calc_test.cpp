#include "route/route_calc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "aircraft/load_doc.h"
#include "aircraft/met_doc.h"
#include "core/calc_doc.h"
#include "route/route_calc_packed.h"
#include "route/way_doc.h"
#include "route_env.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

CWayPoint wayPoint(const std::string& name, double lat, double lon, int32_t planned, int16_t unit = DIM_FEET,
                   int variation = 0) {
    CLocation loc(name, variation, LOC_MIN_1000);
    loc.Set(lat, lon);
    CWayPoint wp(loc);
    wp.SetPlannedAltitude(planned);
    wp.SetAltitudeUnit(unit);
    return wp;
}

// An aircraft in kt with fuel flows and the arms of the default load (seat
// row 1, baggage compartment 1) and of one tank.
CPlane fixturePlane(float cruise = 100) {
    CPlane p;
    p.m_strName = "D-ETST";
    p.m_fCruiseSpeed = cruise;
    p.m_fClimbSpeed = 70;
    p.m_fDescentSpeed = 120;
    p.m_fCruiseFlow = 30;
    p.m_fClimbFlow = 40;
    p.m_fDescentFlow = 20;
    p.m_nSeatRows = 1;
    p.m_fSeatArm[0] = 0.9f;
    p.m_nBaggageCompartments = 1;
    p.m_fBaggageArm[0] = 2.4f;
    p.m_nTanks = 1;
    p.m_fTankUsable[0] = 150;
    p.m_fTankUnusable[0] = 4;
    p.m_fTankArm[0] = 1.1f;
    p.m_fEmptyMass = 700;
    p.m_fEmptyMoment = 700;
    return p;
}

// Every value of a leg is a number: no NaN or infinity ever reaches a reader.
void expectFinite(const CRouteLeg& leg) {
    for (double v :
         {leg.m_dWindCorrection, leg.m_dGroundSpeed, leg.m_dTrueCourse, leg.m_dDistance, leg.m_dWholeDistance,
          leg.m_dMagCourse, leg.m_dMagHeading, leg.m_dTime, leg.m_dWholeTime})
        EXPECT_TRUE(std::isfinite(v));
}

// ---- one leg ------------------------------------------------------------------------------------

struct LegCase {
    const char* name;
    CLatLon from, to;
    int tas, windDirection, windSpeed, variation;
    int course;       // expected true course
    double distance;  // expected NM
    bool speedKnown;
    double groundSpeed;  // expected kt; NAN: derive from the wind triangle below
    int wca;             // expected whole wind correction; 999: derive
    double magCourse;
    int heading;  // -1: derive
};

// The wind triangle the textbook way: the correction angle from the cross
// wind, the ground speed from the components along the track.
void textbookTriangle(double course, double windFrom, double wind, double tas, double& wca, double& gs) {
    const double rad = kPi / 180.0;
    wca = std::asin(wind * std::sin((windFrom - course) * rad) / tas) / rad;
    gs = tas * std::cos(wca * rad) - wind * std::cos((windFrom - course) * rad);
}

class RouteLegTable : public ::testing::TestWithParam<LegCase> {};

TEST_P(RouteLegTable, CourseDistanceWindTriangleAndTimes) {
    const LegCase& c = GetParam();
    const CRouteLeg leg = ComputeRouteLeg(c.from, c.to, c.tas, c.windDirection, c.windSpeed, c.variation);
    expectFinite(leg);
    ASSERT_TRUE(leg.m_bCourseKnown);
    EXPECT_EQ(leg.m_dTrueCourse, c.course);
    EXPECT_NEAR(leg.m_dDistance, c.distance, 1e-3);
    EXPECT_EQ(leg.m_dWholeDistance, std::floor(c.distance + 0.5));
    EXPECT_EQ(leg.m_dMagCourse, c.magCourse);
    ASSERT_EQ(leg.m_bSpeedKnown, c.speedKnown);
    if (!c.speedKnown) {
        EXPECT_EQ(leg.m_dGroundSpeed, 0.0);
        EXPECT_EQ(leg.m_dWholeTime, 0.0);
        return;
    }
    double wca = 0, gs = 0;
    textbookTriangle(c.course, c.windDirection, c.windSpeed, c.tas, wca, gs);
    EXPECT_NEAR(leg.m_dGroundSpeed, std::isnan(c.groundSpeed) ? gs : c.groundSpeed, 5e-3);
    EXPECT_NEAR(leg.m_dGroundSpeed, gs, 1e-4);
    EXPECT_EQ(leg.m_dWindCorrection, c.wca == 999 ? std::floor(wca + 0.5) : c.wca);
    EXPECT_NEAR(leg.m_dTime, leg.m_dDistance * 60.0 / gs, 1e-6);
    EXPECT_EQ(leg.m_dWholeTime, std::floor(leg.m_dWholeDistance * 60.0 / leg.m_dGroundSpeed + 1.0));
    int heading = c.heading;
    if (heading < 0) {
        heading = static_cast<int>(std::floor(c.magCourse + leg.m_dWindCorrection + 0.5));
        if (heading < 0) heading += 360;
        if (heading > 360) heading -= 360;
    }
    EXPECT_EQ(leg.m_dMagHeading, heading);
}

INSTANTIATE_TEST_SUITE_P(
    Legs, RouteLegTable,
    ::testing::Values(
        // No wind: ground speed = airspeed, heading = magnetic course rounded.
        LegCase{"calm", {0, 0}, {0, 1}, 100, 0, 0, 0, 90, 60, true, 100, 0, 90, 90},
        // Wind from 360 at 20 kt across a course of 090 at 100 kt.
        LegCase{"crossWind", {0, 0}, {0, 1}, 100, 360, 20, 0, 90, 60, true, 97.98, -12, 90, 78},
        LegCase{"headWind", {0, 0}, {0, 1}, 100, 90, 20, 0, 90, 60, true, 80, 0, 90, 90},
        LegCase{"tailWind", {0, 0}, {0, 1}, 100, 270, 20, 0, 90, 60, true, 120, 0, 90, 90},
        // 30 NM at 120 kt: 15.0 minutes, counted as 16.
        LegCase{"thirtyMiles", {0, 0}, {0.5, 0}, 120, 0, 0, 0, 0, 30, true, 120, 0, 0, 0},
        // Variation east: the magnetic course goes negative, the heading wraps.
        LegCase{"courseFiveVariationTenEast",
                {0, 0},
                {0.5, 0.04374},
                100,
                0,
                0,
                10,
                5,
                30.1146,
                true,
                100,
                0,
                -5,
                355},
        // Variation west above 360: 358 - (-5) = 363 is 003.
        LegCase{"courseAbove360", {0, 0}, {0.5, -0.01746}, 100, 0, 0, -5, 358, 30.0183, true, 100, 0, 3, 3},
        LegCase{"dueNorth", {50, 8}, {51, 8}, 100, 200, 15, 0, 0, 60, true, NAN, 999, 0, -1},
        LegCase{
            "dueEastAcrossGreenwich", {0, -0.5}, {0, 0.5}, 100, 45, 25, 2, 90, 60, true, NAN, 999, 88, -1},
        LegCase{"dueEastAcrossTheDateLine",
                {10, 179.5},
                {10, -179.5},
                100,
                300,
                30,
                0,
                90,
                59.0885,
                true,
                NAN,
                999,
                90,
                -1},
        LegCase{"westAcrossTheDateLine",
                {-20, -179.8},
                {-20.4, 179.6},
                90,
                150,
                12,
                -3,
                235,
                41.4424,
                true,
                NAN,
                999,
                238,
                -1},
        // The wind triangle has no solution: course and distance still show.
        LegCase{"windStrongerThanAirspeed", {0, 0}, {0, 1}, 50, 360, 60, 0, 90, 60, false, 0, 0, 90, 0},
        LegCase{"windAsStrongAsAirspeed", {0, 0}, {0, 1}, 60, 90, 60, 0, 90, 60, false, 0, 0, 90, 0},
        LegCase{"noAirspeed", {0, 0}, {0, 1}, 0, 0, 0, 0, 90, 60, false, 0, 0, 90, 0}),
    [](const ::testing::TestParamInfo<LegCase>& info) { return std::string(info.param.name); });

TEST(RouteLeg, InvalidPositionKnowsNothingAndHoldsNoNaN) {
    const CRouteLeg leg = ComputeRouteLeg({50, 8}, CLatLon(), 100, 270, 20, 0);
    EXPECT_FALSE(leg.m_bCourseKnown);
    EXPECT_FALSE(leg.m_bSpeedKnown);
    expectFinite(leg);
}

// ---- the route -----------------------------------------------------------------------------------

class RouteCalcTest : public RouteEnv {
protected:
    CMetDoc met;
    CLoadDoc load;
    RouteCalcTest() { SetMetDoc(&met); }
    ~RouteCalcTest() override { SetMetDoc(nullptr); }

    void setAllWinds(int direction, int speed) {
        for (int layer = 0; layer < 4; ++layer) met.SetLayerWind(layer, direction, speed);
    }
};

TEST_F(RouteCalcTest, RouteOfOneWaypointHasNoLegs) {
    CWayDoc route;
    route.Append(wayPoint("A", 50, 8, 1000));
    const CPlane plane = fixturePlane();
    CRouteCalc& calc = route.GetCalc();
    calc.Prepare(plane);
    ASSERT_EQ(calc.Compute(plane, met, load), 1);
    EXPECT_EQ(calc.GetLegCount(), 0);
    EXPECT_EQ(calc.GetTotalDistance(), 0);
    EXPECT_EQ(calc.GetTotalTime(), 0);
    const CRouteLeg none = calc.GetLeg(1);
    EXPECT_EQ(none.m_dDistance, 0);
    EXPECT_EQ(none.m_dTrueCourse, 0);
    EXPECT_EQ(calc.GetLeg(0).m_dWholeTime, 0);
}

TEST_F(RouteCalcTest, PrepareFillsAltitudeInFeetAndAirspeedAndKeepsTheModifiedFlag) {
    CWayDoc route;
    route.Append(wayPoint("A", 50, 8, 1000, DIM_METER));              // 3280.8 ft, cut to 3280
    route.Append(wayPoint("B", 50, 9, NOVALUE_ALTITUDE, DIM_METER));  // stays without value
    CWayPoint climb = wayPoint("C", 50, 10, 4500);
    climb.SetMark(WPT_TOP_OF_CLIMB, true);
    route.Append(climb);
    CWayPoint descent = wayPoint("D", 50, 11, 4500);
    descent.SetMark(WPT_TOP_OF_DESCENT, true);
    route.Append(descent);
    CWayPoint both = wayPoint("E", 50, 12, 4500);
    both.SetMarks(WPT_TOP_OF_CLIMB | WPT_TOP_OF_DESCENT);
    route.Append(both);
    route.SetModifiedFlag(false);

    // Speeds in km/h: 185 km/h is 99.89 kt, stored as 100.
    CPlane plane = fixturePlane();
    plane.m_nSpeedUnit = DIM_KM;
    plane.m_fCruiseSpeed = 185;
    plane.m_fClimbSpeed = 130;    // 70.19 kt
    plane.m_fDescentSpeed = 222;  // 119.87 kt
    CRouteCalc& calc = route.GetCalc();
    calc.Prepare(plane);
    calc.ComputeLegs();
    calc.RestoreModified();
    EXPECT_FALSE(route.IsModified());

    const std::vector<std::pair<int32_t, int16_t>> expected{
        {3280, 100}, {NOVALUE_ALTITUDE, 100}, {4500, 70}, {4500, 120}, {4500, 120}};
    for (int i = 0; i < route.GetCount(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(route.GetWayPoint(i).GetAltitudeFeet(), expected[static_cast<size_t>(i)].first);
        EXPECT_EQ(route.GetWayPoint(i).GetTrueAirspeed(), expected[static_cast<size_t>(i)].second);
    }
}

struct WindCase {
    const char* name;
    int32_t from, to;  // feet, NOVALUE_ALTITUDE for none
    std::array<LegWind, 4> layers;
    LegWind expected;
};

class LegWindTable : public RouteEnv, public ::testing::WithParamInterface<WindCase> {};

// The wind of a leg is the weather's average over the leg's altitude band,
// written into the leg's end waypoint.
TEST_P(LegWindTable, EachLegTakesTheWindOfItsBand) {
    const WindCase& c = GetParam();
    CMetDoc met;
    for (int layer = 0; layer < 4; ++layer)
        met.SetLayerWind(layer, c.layers[static_cast<size_t>(layer)].direction,
                         c.layers[static_cast<size_t>(layer)].speed);
    CWayDoc route;
    route.Append(wayPoint("A", 50, 8, c.from));
    route.Append(wayPoint("B", 50, 9, c.to));
    const CPlane plane = fixturePlane();
    CLoadDoc load;
    CRouteCalc& calc = route.GetCalc();
    calc.Prepare(plane);
    ASSERT_EQ(calc.Compute(plane, met, load), 1);
    const CWayPoint b = route.GetWayPoint(1);
    EXPECT_EQ(b.GetWindDirection(), c.expected.direction);
    EXPECT_EQ(b.GetWindSpeed(), c.expected.speed);
}

constexpr LegWind kNorth20{360, 20}, kEast20{90, 20};
INSTANTIATE_TEST_SUITE_P(
    Bands, LegWindTable,
    ::testing::Values(
        // Level at 2250 ft: the mean of the 1500 and 3000 ft vectors, (10, 10).
        WindCase{"levelBetweenLayers", 2250, 2250, {kNorth20, kEast20, {0, 0}, {0, 0}}, {45, 14}},
        // Climb from 0 to 3000 ft: half the 1500 ft wind, half the wind at
        // 2250 ft: (5, 15) is 16 kt from 018.
        WindCase{"climbToThree", 0, 3000, {kNorth20, kEast20, {0, 0}, {0, 0}}, {18, 16}},
        WindCase{"aboveTheTopLayer", 12000, 12000, {kNorth20, kEast20, {0, 0}, {200, 33}}, {200, 33}},
        WindCase{"calm", 1000, 9000, {LegWind{}, LegWind{}, LegWind{}, LegWind{}}, {0, 0}},
        WindCase{
            "sameWindEverywhere", 0, 12000, {LegWind{270, 20}, {270, 20}, {270, 20}, {270, 20}}, {270, 20}},
        // No altitude, or none above the ground: the lowest layer's wind.
        WindCase{"noAltitude", NOVALUE_ALTITUDE, 5000, {kNorth20, kEast20, {0, 0}, {200, 33}}, {360, 20}},
        WindCase{"atTheGround", 0, 0, {kNorth20, kEast20, {0, 0}, {200, 33}}, {360, 20}}),
    [](const ::testing::TestParamInfo<WindCase>& info) { return std::string(info.param.name); });

TEST_F(RouteCalcTest, ComputeLegsStartsAfreshEachTime) {
    CWayDoc route;
    route.Append(wayPoint("A", 50, 8, 3000));
    route.Append(wayPoint("B", 50, 9, 3000));
    route.Append(wayPoint("C", 51, 9, 3000));
    const CPlane plane = fixturePlane();
    CRouteCalc& calc = route.GetCalc();
    calc.Prepare(plane);
    calc.ComputeLegs();
    const double distance = calc.GetTotalDistance();
    const double time = calc.GetTotalTime();
    calc.ComputeLegs();
    EXPECT_EQ(calc.GetLegCount(), 2);
    EXPECT_EQ(calc.GetTotalDistance(), distance);
    EXPECT_EQ(calc.GetTotalTime(), time);
    EXPECT_EQ(distance, calc.GetLeg(1).m_dWholeDistance + calc.GetLeg(2).m_dWholeDistance);
    EXPECT_EQ(time, calc.GetLeg(1).m_dWholeTime + calc.GetLeg(2).m_dWholeTime);
}

TEST_F(RouteCalcTest, LegThatCannotBeComputedLeavesTheOtherLegs) {
    // 80 kt; the wind above 10000 ft blows at 90 kt.
    met.SetLayerWind(0, 270, 10);
    met.SetLayerWind(3, 270, 90);
    CWayDoc route;
    route.Append(wayPoint("A", 50, 8, 1000));
    route.Append(wayPoint("B", 50, 9, 12000));
    route.Append(wayPoint("C", 50, 10, 12000));
    route.Append(wayPoint("D", 1000, 1000, 1000));  // no position
    route.Append(wayPoint("E", 50, 11, 1000));
    const CPlane plane = fixturePlane(80);
    CRouteCalc& calc = route.GetCalc();
    calc.Prepare(plane);
    calc.ComputeLegs();
    ASSERT_EQ(calc.GetLegCount(), 4);
    EXPECT_TRUE(calc.GetLeg(1).IsComplete());
    EXPECT_TRUE(calc.GetLeg(2).m_bCourseKnown);
    EXPECT_FALSE(calc.GetLeg(2).m_bSpeedKnown);
    EXPECT_FALSE(calc.GetLeg(3).m_bCourseKnown);
    EXPECT_FALSE(calc.GetLeg(4).m_bCourseKnown);
    for (int i = 1; i <= 4; ++i) expectFinite(calc.GetLeg(i));
    // The totals say that they miss legs.
    EXPECT_FALSE(calc.IsTotalDistanceKnown());
    EXPECT_FALSE(calc.IsTotalTimeKnown());
    EXPECT_EQ(calc.GetTotalDistance(), calc.GetLeg(1).m_dWholeDistance + calc.GetLeg(2).m_dWholeDistance);
    EXPECT_EQ(calc.GetTotalTime(), calc.GetLeg(1).m_dWholeTime);
}

class RouteWithAlternates : public RouteCalcTest {
protected:
    CWayDoc route;
    RouteWithAlternates() {
        route.Append(wayPoint("A", 50, 8, 1000));
        route.Append(wayPoint("B", 50.5, 8.5, 3000));
        route.Append(wayPoint("C", 51, 9, 1500));
        route.SetOption(RTE_ALTERNATES, true);
        CWayPoint alternate1 = wayPoint("Alt1", 51.2, 9.3, 2000);
        alternate1.SetAltitudeFeet(0);  // a value of some earlier run
        route.SetAlternate(1, alternate1);
        route.SetAlternate(2, wayPoint("Alt2", 51.0, 9.8, 2500, DIM_METER));
        route.SetModifiedFlag(false);
        setAllWinds(240, 15);
    }
};

TEST_F(RouteWithAlternates, TotalsAreTheTripPlusTheAlternateLegs) {
    const CPlane plane = fixturePlane();
    CRouteCalc& calc = route.GetCalc();
    calc.Prepare(plane);
    ASSERT_EQ(calc.Compute(plane, met, load), 1);
    calc.RestoreModified();
    EXPECT_FALSE(route.IsModified());

    ASSERT_EQ(calc.GetAlternateLegCount(), 2);
    const CRouteResults& r = calc.GetResults();
    EXPECT_EQ(r.m_dTripDistance, calc.GetLeg(1).m_dWholeDistance + calc.GetLeg(2).m_dWholeDistance);
    EXPECT_EQ(r.m_dTripTime, calc.GetLeg(1).m_dWholeTime + calc.GetLeg(2).m_dWholeTime);
    EXPECT_EQ(calc.GetTotalDistance(), r.m_dTripDistance + calc.GetAlternateLeg(0).m_dWholeDistance +
                                           calc.GetAlternateLeg(1).m_dWholeDistance);
    EXPECT_EQ(calc.GetTotalTime(),
              r.m_dTripTime + calc.GetAlternateLeg(0).m_dWholeTime + calc.GetAlternateLeg(1).m_dWholeTime);
    // The second alternate leg starts at the first alternate.
    const CRouteLeg second = calc.GetAlternateLeg(1);
    const CourseDistance expected = CLatLon(51.2, 9.3).RhumbLine(CLatLon(51.0, 9.8));
    EXPECT_EQ(second.m_dTrueCourse, expected.course);
    EXPECT_NEAR(second.m_dDistance, expected.distance, 1e-9);

    // The alternates get the cruise speed, the wind of their band and an
    // altitude in feet from their own planned altitude.
    CWayPoint a1, a2;
    route.GetAlternate(1, a1);
    route.GetAlternate(2, a2);
    EXPECT_EQ(a1.GetTrueAirspeed(), 100);
    EXPECT_EQ(a1.GetAltitudeFeet(), 2000);
    EXPECT_EQ(a2.GetAltitudeFeet(), 8202);
    EXPECT_EQ(a1.GetWindDirection(), 240);
    EXPECT_EQ(a2.GetWindSpeed(), 15);

    // The fuel plan was made from the same legs.
    const PerformanceResults& p = r.m_Performance;
    EXPECT_TRUE(p.haveAircraft);
    EXPECT_FALSE(p.noFuelFlow);
    ASSERT_EQ(p.fuel.alternates.size(), 2u);
    EXPECT_EQ(p.fuel.alternates[0].distanceNm, calc.GetAlternateLeg(0).m_dWholeDistance);
    EXPECT_GT(p.fuel.tripFuel, 0);
    EXPECT_EQ(r.m_Input.legs.size(), 2u);
    EXPECT_EQ(r.m_Input.legs[0].altitudeA, 3000);  // end first, then start
    EXPECT_EQ(r.m_Input.legs[0].altitudeB, 1000);
}

TEST_F(RouteWithAlternates, AlternateTwoAloneFillsTheFirstEntry) {
    route.SetAlternate(1, CWayPoint());  // no valid location
    const CPlane plane = fixturePlane();
    CRouteCalc& calc = route.GetCalc();
    calc.Prepare(plane);
    calc.ComputeLegs();
    calc.ComputeAlternateLegs();
    ASSERT_EQ(calc.GetAlternateLegCount(), 1);
    EXPECT_EQ(calc.GetAlternateNumber(0), 2);
    EXPECT_EQ(calc.GetAlternateNumber(1), 0);
    const CourseDistance expected = CLatLon(51, 9).RhumbLine(CLatLon(51.0, 9.8));
    EXPECT_NEAR(calc.GetAlternateLeg(0).m_dDistance, expected.distance, 1e-9);
    EXPECT_EQ(calc.GetAlternateLeg(1).m_dDistance, 0);
}

TEST_F(RouteWithAlternates, WithoutFuelFlowTheLegsAreCompleteButNoTripAndNoAlternates) {
    CPlane plane = fixturePlane();
    plane.m_fCruiseFlow = 0;
    CRouteCalc& calc = route.GetCalc();
    calc.Prepare(plane);
    ASSERT_EQ(calc.Compute(plane, met, load), 1);
    EXPECT_EQ(calc.GetLegCount(), 2);
    EXPECT_GT(calc.GetTotalDistance(), 0);
    EXPECT_EQ(calc.GetResults().m_dTripDistance, 0);
    EXPECT_EQ(calc.GetResults().m_dTripTime, 0);
    EXPECT_EQ(calc.GetAlternateLegCount(), 0);
    EXPECT_TRUE(calc.GetResults().m_Performance.noFuelFlow);
}

TEST_F(RouteWithAlternates, MissingLeverArmStopsBeforeAnyLeg) {
    CPlane plane = fixturePlane();
    plane.m_fBaggageArm[0] = ArmMarker(plane.m_nLoadArmUnit);
    CRouteCalc& calc = route.GetCalc();
    calc.Prepare(plane);
    EXPECT_EQ(calc.Compute(plane, met, load), 0);
    EXPECT_EQ(calc.GetLegCount(), 0);
    EXPECT_EQ(calc.GetAlternateLegCount(), 0);
    const MissingArm missing = calc.GetResults().m_Performance.missingArm;
    EXPECT_EQ(missing.position, ArmPosition::Baggage);
    EXPECT_EQ(missing.number, 1);
}

// ---- semicircular levels --------------------------------------------------------------------------

TEST(SemicircularAltitude, NextLevelOfTheCourse) {
    struct Case {
        long altitude;
        int course;
        long expected;
    } cases[] = {{3000, 90, 3500},  {3600, 90, 5500},  {4600, 270, 6500}, {2000, 90, 2000},
                 {2500, 90, 2500},  // at the threshold: unchanged
                 {3500, 179, 3500}, {3500, 180, 4500}, {2600, 0, 3500},   {7400, 359, 8500}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.altitude) + " ft, " + std::to_string(c.course));
        EXPECT_EQ(SemicircularAltitude(c.altitude, c.course, 2500), c.expected);
    }
}

TEST_F(RouteCalcTest, SemicircleOptionCorrectsTheAltitudesInFeetOnEveryRun) {
    CWayDoc route;
    route.Append(wayPoint("A", 50, 8, 1000));
    route.Append(wayPoint("B", 50.5, 7.9728, 3000, DIM_FEET, -5));  // true 358, magnetic 003: eastbound
    route.Append(wayPoint("C", 50.5, 7.0, 3600));                   // westbound
    route.Append(wayPoint("D", 50.5, 6.0, 2000));                   // below the threshold
    route.Append(wayPoint("E", 50.5, 5.0, NOVALUE_ALTITUDE));       // ends the scan
    route.Append(wayPoint("F", 50.5, 6.0, 4000));
    route.SetOption(RTE_SEMICIRCLE, true);
    ASSERT_EQ(CLatLon(50, 8).GreatCircle(CLatLon(50.5, 7.9728)).course, 358);
    const CPlane plane = fixturePlane();
    CRouteCalc& calc = route.GetCalc();
    for (int run = 0; run < 2; ++run) {
        calc.Prepare(plane);
        calc.ComputeLegs();
        // Only the altitudes in feet change; the planned altitudes stay.
        const std::vector<int32_t> feet{1000, 3500, 4500, 2000, NOVALUE_ALTITUDE, 4000};
        const std::vector<int32_t> planned{1000, 3000, 3600, 2000, NOVALUE_ALTITUDE, 4000};
        for (int i = 0; i < route.GetCount(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(route.GetWayPoint(i).GetAltitudeFeet(), feet[static_cast<size_t>(i)]);
            EXPECT_EQ(route.GetWayPoint(i).GetPlannedAltitude(), planned[static_cast<size_t>(i)]);
        }
    }
}

TEST_F(RouteCalcTest, SemicircleThresholdComesFromThePresets) {
    CCalcDoc presets;
    presets.m_nSemicircleThreshold = 1000;
    presets.m_nSemicircleThresholdUnit = DIM_METER;  // 3280.8 ft, 3281 as whole feet
    SetCalcDoc(&presets);
    CWayDoc route;
    route.Append(wayPoint("A", 50, 8, 1000));
    route.Append(wayPoint("B", 50, 9, 3281));  // eastbound, at the threshold
    route.Append(wayPoint("C", 50, 10, 3282));
    route.SetOption(RTE_SEMICIRCLE, true);
    route.GetCalc().Prepare(fixturePlane());
    EXPECT_EQ(route.GetWayPoint(1).GetAltitudeFeet(), 3281);
    EXPECT_EQ(route.GetWayPoint(2).GetAltitudeFeet(), 3500);
    SetCalcDoc(nullptr);
}

// ---- packed records ---------------------------------------------------------------------------------

TEST_F(RouteCalcTest, PackedFieldsAreTheFieldsOfTheWaypoint) {
    CWayPoint wp = wayPoint("Packed", -33.25, 151.125, 4500, DIM_METER, -12);
    wp.SetAltitudeFeet(14763);
    wp.SetTrueAirspeed(-7);
    wp.SetWindDirection(275);
    wp.SetWindSpeed(31);
    wp.SetMarks(WPT_TOP_OF_DESCENT | WPT_GREAT_CIRCLE);
    PackedWayPoint record = wp.ToPackedWayPoint();
    PackedWayFields fields(record);
    EXPECT_EQ(fields.Position(), CLatLon(-33.25, 151.125));
    EXPECT_EQ(fields.Variation(), -12);
    EXPECT_EQ(fields.PlannedAltitude(), 4500);
    EXPECT_EQ(fields.AltitudeUnit(), DIM_METER);
    EXPECT_EQ(fields.AltitudeFeet(), 14763);
    EXPECT_EQ(fields.TrueAirspeed(), -7);
    EXPECT_EQ(fields.WindDirection(), 275);
    EXPECT_EQ(fields.WindSpeed(), 31);
    EXPECT_EQ(fields.Marks(), WPT_TOP_OF_DESCENT | WPT_GREAT_CIRCLE);

    fields.SetAltitudeFeet(-250);
    fields.SetTrueAirspeed(321);
    fields.SetWind(5, 44);
    const CWayPoint back = CWayPoint::FromPackedWayPoint(record);
    EXPECT_EQ(back.GetAltitudeFeet(), -250);
    EXPECT_EQ(back.GetTrueAirspeed(), 321);
    EXPECT_EQ(back.GetWindDirection(), 5);
    EXPECT_EQ(back.GetWindSpeed(), 44);
    EXPECT_EQ(back.GetName(), "Packed");
    EXPECT_EQ(back.GetPlannedAltitude(), 4500);
}

}  // namespace
