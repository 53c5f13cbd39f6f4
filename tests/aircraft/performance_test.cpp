#include "aircraft/performance.h"

#include <gtest/gtest.h>

#include <cmath>

#include "locations/location.h"

namespace {

// Cruise 30 l/h, climb 36 l/h, descent 20 l/h; 500 kg empty, one seat row,
// two tanks of 60 l (all usable), CG limits wide enough for every load;
// take-off 300 m roll / 500 m over 15 m at 1000 kg, 200 / 400 at 800 kg;
// landing 250 / 450 at 1000 kg without a "Min" row.
CPlane tourer() {
    CPlane p;
    p.m_fCruiseFlow = 30;
    p.m_fClimbFlow = 36;
    p.m_fDescentFlow = 20;
    p.m_fEmptyMass = 500;
    p.m_fEmptyMoment = 500;
    p.m_fSeatArm[0] = 1.0f;
    p.m_fTankUsable = {60, 60, -1};
    p.m_fTankUnusable = {0, 0, -1};
    p.m_fTankArm = {1.0f, 1.0f, 99};
    p.m_fCgMass = {1000, 600};
    p.m_fCgForward = {0.5f, 0.5f};
    p.m_fCgAft = {1.5f, 1.5f};
    p.m_TakeOff.m_fMass = {1000, 800};
    p.m_TakeOff.m_fRoll = {300, 200};
    p.m_TakeOff.m_fObstacle = {500, 400};
    p.m_Landing.m_fMass = {1000, -1};
    p.m_Landing.m_fRoll = {250, 1};
    p.m_Landing.m_fObstacle = {450, 1};
    p.m_nCost = 180;
    return p;
}

AerodromeData field(double elevationFt, double runwayM, bool grass = false, double heightDiffM = 0) {
    AerodromeData a;
    a.elevationKnown = true;
    a.elevationFt = elevationFt;
    a.runwayKnown = runwayM > 0;
    a.runwayLengthM = runwayM;
    a.grass = grass;
    a.heightDifferenceM = heightDiffM;
    a.position = CLatLon(50, 8);
    return a;
}

MetConditions weather(double t = 15, double qnh = 1013, bool wet = false) {
    return {t, qnh, wet};
}

// 90 kg pilot, fills given per tank.
PerformanceInput flight(const CPlane& plane, std::array<float, 3> fill) {
    PerformanceInput in;
    in.plane = &plane;
    in.load.seat = {90, 0, 0, 0, 0};
    in.load.baggage = {0, 0, 0, 0, 0};
    in.load.fill = fill;
    in.legs = {{60, false, 3000, 3000}};
    in.tripDistanceNm = 100;
    in.tripMinutes = 60;
    in.departure = field(0, 1000);
    in.destination = field(0, 1000);
    return in;
}

bool finite(const PerformanceResults& r) {
    const FuelPlan& f = r.fuel;
    for (double v :
         {f.available, f.endurance, f.tripFuel, f.taxiFuel, f.approachFuel, f.reserveFuel, f.extraFuel,
          f.extraMinutes, f.requiredFuel, f.requiredWithReserveFuel, f.safeMinutes, f.safeFuel, r.landingMass,
          r.wb.cg, r.wb.totalMass, r.wb.usableFuel, r.costs.approachCost, r.costs.taxiCost})
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

TEST(Performance, DistanceFactors) {
    struct Case {
        const char* what;
        DistanceKind kind;
        AerodromeData aerodrome;
        MetConditions met;
        double total;
    } cases[] = {
        {"sea level, standard day", DistanceKind::TakeOff, field(0, 800), weather(), 1.0},
        {"sea level landing", DistanceKind::Landing, field(0, 800), weather(), 1.0},
        // 1.04 for the temperature, 1.26 for the altitude.
        {"2000 ft take-off", DistanceKind::TakeOff, field(2000, 800), weather(), 1.3104},
        {"2000 ft landing", DistanceKind::Landing, field(2000, 800), weather(), (1 + 4 * 0.0022) * 1.05},
        // QNH 1003: pressure altitude 300 ft, standard 14.4 degrees.
        {"low QNH", DistanceKind::TakeOff, field(0, 800), weather(15, 1003), (1 + 0.6 * 0.01) * 1.03},
        {"above 3000 ft", DistanceKind::TakeOff, field(4000, 800), weather(7), 1.72},
        {"8 m over 800 m", DistanceKind::TakeOff, field(0, 800, false, 8), weather(), 1.1},
        {"wet grass", DistanceKind::Landing, field(0, 800, true), weather(15, 1013, true), 1.56},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(ComputeDistanceFactors(c.kind, c.aerodrome, c.met).Total(), c.total, 1e-9);
    }
}

TEST(Performance, TableInterpolationOnMass) {
    CPlaneDistances t;
    t.m_fMass = {1000, 800};
    t.m_fRoll = {300, 200};
    t.m_fObstacle = {500, 400};
    struct Case {
        const char* what;
        std::array<float, 2> mass, roll, obstacle;
        double at, roll_, obstacle_;
    } cases[] = {
        {"between the rows", {1000, 800}, {300, 200}, {500, 400}, 900, 250, 450},
        {"at the maximum", {1000, 800}, {300, 200}, {500, 400}, 1000, 300, 500},
        {"no Min value", {1000, 800}, {300, 1}, {500, 1}, 900, 300, 500},
        {"masses not apart", {1000, 1000}, {300, 200}, {500, 400}, 900, 300, 500},
        {"no Min mass", {1000, -1}, {300, 200}, {500, 400}, 900, 300, 500},
        {"no Max value", {1000, 800}, {1, 200}, {1, 400}, 900, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        t.m_fMass = c.mass;
        t.m_fRoll = c.roll;
        t.m_fObstacle = c.obstacle;
        const TableDistances d = InterpolateOnMass(t, c.at);
        EXPECT_DOUBLE_EQ(d.roll, c.roll_);
        EXPECT_DOUBLE_EQ(d.obstacle, c.obstacle_);
    }
}

TEST(Performance, RunwayDistancesAndChecks) {
    const CPlane p = tourer();
    // At sea level on a standard day the distances are the table's.
    RunwayDistances d = ComputeRunwayDistances(p, DistanceKind::TakeOff, 900, field(0, 600), weather());
    EXPECT_TRUE(d.computed);
    EXPECT_EQ(d.roll, 250);
    EXPECT_EQ(d.distance, 450);
    EXPECT_FALSE(IsRunwayTooShort(field(0, 600), d));
    EXPECT_FALSE(IsRunwayTooShort(field(0, 450), d));  // exactly fits
    EXPECT_TRUE(IsRunwayTooShort(field(0, 449), d));

    // 2000 ft, wet grass: x 1.3104 x 1.56, cut to whole metres.
    d = ComputeRunwayDistances(p, DistanceKind::TakeOff, 900, field(2000, 1000, true),
                               weather(15, 1013, true));
    EXPECT_EQ(d.roll, static_cast<long>(250 * 1.3104 * 1.56));
    EXPECT_EQ(d.distance, static_cast<long>(450 * 1.3104 * 1.56));

    // Unknown elevation or runway: nothing computed, and the runway counts
    // as too short.
    AerodromeData unknown = field(0, 600);
    unknown.elevationKnown = false;
    d = ComputeRunwayDistances(p, DistanceKind::Landing, 900, unknown, weather());
    EXPECT_FALSE(d.computed);
    EXPECT_EQ(d.distance, 0);
    EXPECT_TRUE(IsRunwayTooShort(unknown, d));
    AerodromeData noRunway = field(0, 0);
    EXPECT_FALSE(ComputeRunwayDistances(p, DistanceKind::TakeOff, 900, noRunway, weather()).computed);
}

TEST(Performance, AerodromeFromLocation) {
    CLocation loc;
    loc.SetName("Egelsbach");
    loc.SetIdent("EDFE");
    loc.Set(49.96, 8.64);
    loc.SetElevationUnit(DIM_FEET);
    loc.SetElevation(384);
    loc.SetRunwayUnit(DIM_FEET);
    loc.SetRunwayLength(2625);
    loc.SetSlopeUnit(DIM_FEET);
    loc.SetHeightDifference(10);
    loc.SetUnpaved(true);
    const AerodromeData a = AerodromeFromLocation(loc);
    EXPECT_EQ(a.ident, "EDFE");
    EXPECT_TRUE(a.elevationKnown);
    EXPECT_DOUBLE_EQ(a.elevationFt, 384);
    EXPECT_TRUE(a.runwayKnown);
    EXPECT_NEAR(a.runwayLengthM, ConvertLength(2625, DIM_FEET, DIM_METER), 1e-9);
    EXPECT_NEAR(a.heightDifferenceM, ConvertLength(10, DIM_FEET, DIM_METER), 1e-9);
    EXPECT_TRUE(a.grass);
    EXPECT_DOUBLE_EQ(a.position.m_dLat, 49.96);

    const AerodromeData none = AerodromeFromLocation(CLocation());
    EXPECT_FALSE(none.elevationKnown);
    EXPECT_FALSE(none.runwayKnown);
}

TEST(Performance, TripFuelAtTheFlowOfEachLeg) {
    const CPlane p = tourer();
    // Climb 10 min (36 l/h), cruise 30 min (30 l/h), descent 12 min (20 l/h);
    // the threshold is 1500 ft.
    const std::vector<FuelLeg> legs = {{10, true, 4500, 0}, {30, true, 4500, 4500}, {12, true, 1000, 4500}};
    FuelPlan plan = ComputeTripFuel(p, 100 * kFuelDensity, legs, 80, 52, {}, 1500);
    EXPECT_FALSE(plan.noFuelFlow);
    EXPECT_DOUBLE_EQ(plan.tripFuel, 6 + 15 + 4);
    EXPECT_NEAR(plan.available, 75, 1e-9);
    EXPECT_NEAR(plan.endurance, 52, 1e-9);

    // With little fuel only what is there is consumed; the endurance is what
    // it buys (6 l at 36 l/h, then the last 9 l at 30 l/h).
    plan = ComputeTripFuel(p, 15 * kFuelDensity, legs, 80, 52, {}, 1500);
    EXPECT_DOUBLE_EQ(plan.tripFuel, 25);
    EXPECT_NEAR(plan.available, 0, 1e-9);
    EXPECT_NEAR(plan.endurance, 10 + 18, 1e-9);

    // Alternates: at most two, from the destination.
    FuelAlternate alt;
    alt.leg = {20, false, 3000, 3000};
    alt.distanceNm = 30;
    plan = ComputeTripFuel(p, 100 * kFuelDensity, legs, 80, 52, {alt, alt, alt}, 1500);
    ASSERT_EQ(plan.alternates.size(), 2u);
    EXPECT_DOUBLE_EQ(plan.alternates[0].fuel, 10);
    EXPECT_NEAR(plan.available, 55, 1e-9);
}

TEST(Performance, ReservesAtCruiseFlow) {
    const CPlane p = tourer();
    FuelPlan plan = ComputeTripFuel(p, 100 * kFuelDensity, {{60, false, 0, 0}}, 100, 60, {}, 1500);
    ComputeReserves(plan, 30, FuelPresets{10, 10, 30, 1500}, 100);
    EXPECT_DOUBLE_EQ(plan.taxiFuel, 5);
    EXPECT_DOUBLE_EQ(plan.approachFuel, 5);
    EXPECT_DOUBLE_EQ(plan.taxiApproachFuel, 10);
    EXPECT_DOUBLE_EQ(plan.reserveFuel, 15);
    // 100 - 30 - 5 - 5 - 15 = 45 l buy 90 min.
    EXPECT_NEAR(plan.extraFuel, 45, 1e-9);
    EXPECT_EQ(plan.extraMinutes, 90);
    EXPECT_NEAR(plan.endurance, 60 + 10 + 10 + 30 + 90, 1e-9);
    EXPECT_EQ(plan.requiredMinutes, 80);
    EXPECT_DOUBLE_EQ(plan.requiredFuel, 40);
    EXPECT_EQ(plan.requiredWithReserveMinutes, 110);
    EXPECT_DOUBLE_EQ(plan.requiredWithReserveFuel, 55);
    EXPECT_NEAR(plan.safeMinutes, 170, 1e-9);
    EXPECT_DOUBLE_EQ(plan.safeFuel, 85);

    // Rounding: 7 min at 31 l/h are 3.6166 l; taxi and approach together
    // 7.2333 -> 7.2; 31 min reserve 16.0166 -> 16.0; extra minutes are cut.
    FuelPlan odd = ComputeTripFuel(p, 50 * kFuelDensity, {}, 0, 0, {}, 1500);
    ComputeReserves(odd, 31, FuelPresets{7, 7, 31, 1500}, 50);
    EXPECT_DOUBLE_EQ(odd.taxiApproachFuel, 7.2);
    EXPECT_DOUBLE_EQ(odd.reserveFuel, 16.0);
    EXPECT_EQ(odd.extraMinutes, std::trunc((50 - 2 * 7 * 31 / 60.0 - 16.0) * 60 / 31));

    // Not enough fuel for the reserve: safe values stop at 0.
    FuelPlan dry = ComputeTripFuel(p, 5 * kFuelDensity, {{60, false, 0, 0}}, 100, 60, {}, 1500);
    ComputeReserves(dry, 30, FuelPresets{10, 10, 30, 1500}, 5);
    EXPECT_EQ(dry.extraFuel, 0);
    EXPECT_EQ(dry.safeFuel, 0);
    EXPECT_NEAR(dry.safeMinutes, 0, 1e-9);
}

TEST(Performance, WholeComputation) {
    const CPlane p = tourer();
    // Tanks half full: 60 l on board.
    PerformanceInput in = flight(p, {0.5f, 0.5f, -1});
    FuelAlternate alt;
    alt.leg = {20, false, 3000, 3000};
    alt.distanceNm = 30;
    alt.aerodrome = field(0, 300);
    in.alternates = {alt};
    const PerformanceResults r = ComputePerformance(in);
    ASSERT_TRUE(r.haveAircraft);
    ASSERT_TRUE(r.ArmsComplete());
    EXPECT_FALSE(r.noFuelFlow);
    EXPECT_DOUBLE_EQ(r.wb.usableFuel, 60);
    EXPECT_NEAR(r.wb.totalMass, 590 + 60 * kFuelDensity, 1e-9);
    // Burnt before landing: taxi 5 + approach 5 + trip 30 l.
    EXPECT_NEAR(r.landingMass, r.wb.totalMass - 40 * kFuelDensity, 1e-9);
    EXPECT_NEAR(r.alternates.at(0).landing.massKg, r.landingMass - 10 * kFuelDensity, 1e-9);
    // Required with reserve: 30 + 10 + 10 + 15 = 65 l > 60 l, and the tanks
    // are not full: too little fuel, not too little tank.
    EXPECT_TRUE(r.warnings.fuel);
    EXPECT_FALSE(r.warnings.tankVolume);
    EXPECT_EQ(r.departure.distances.distance, static_cast<long>(400 + 100 * (r.wb.totalMass - 800) / 200));
    EXPECT_FALSE(r.warnings.takeOffRunway);
    EXPECT_EQ(r.destination.distances.distance, 450);
    EXPECT_TRUE(r.alternates[0].landing.runwayTooShort);
    EXPECT_FALSE(r.warnings.landingRunway);
    // Costs: 180 per hour for 70 and 80 minutes.
    EXPECT_DOUBLE_EQ(r.costs.approachCost, 210);
    EXPECT_DOUBLE_EQ(r.costs.taxiCost, 240);
    EXPECT_EQ(r.departure.sun.kind, SunKind::Normal);
    EXPECT_TRUE(finite(r));

    // "Maximal" fills both tanks: 120 l is enough.
    in.load.fill = {-1, -1, -1};
    const PerformanceResults full = ComputePerformance(in);
    EXPECT_FALSE(full.warnings.fuel);
    EXPECT_FALSE(full.warnings.tankVolume);
    // A longer trip needs more than the full tanks hold.
    in.legs = {{240, false, 3000, 3000}};
    in.tripMinutes = 240;
    const PerformanceResults far = ComputePerformance(in);
    EXPECT_TRUE(far.warnings.tankVolume);
    EXPECT_FALSE(far.warnings.fuel);
}

// The landing mass never drops below the aircraft without fuel, even when
// the plan burns more than the tanks hold.
TEST(Performance, LandingMassNotBelowZeroFuelMass) {
    const CPlane p = tourer();
    PerformanceInput in = flight(p, {0.1f, 0, -1});  // 6 l
    const PerformanceResults r = ComputePerformance(in);
    EXPECT_DOUBLE_EQ(r.wb.zeroFuelMass, 590);
    EXPECT_DOUBLE_EQ(r.landingMass, 590);
    EXPECT_TRUE(r.warnings.fuel);
}

TEST(Performance, StopsAtAMissingArm) {
    CPlane p = tourer();
    PerformanceInput in = flight(p, {-1, -1, -1});
    in.load.baggage = {0, 20, 0, 0, 0};
    const PerformanceResults r = ComputePerformance(in);
    EXPECT_FALSE(r.ArmsComplete());
    EXPECT_EQ(MissingArmMessage(r.missingArm),
              "Sie haben das 2. Gepäckfach beladen, aber dafür keinen Hebelarm definiert!");
    EXPECT_FALSE(r.warnings.Any());
    EXPECT_FALSE(ComputePerformance(PerformanceInput{}).haveAircraft);
}

// Without fuel flow there is no fuel plan, but weight and balance is still
// checked, and nothing is NaN.
TEST(Performance, NoFuelFlowStillChecksWeightAndBalance) {
    CPlane p = tourer();
    p.m_fCruiseFlow = 0;
    p.m_fCgAft = {0.9f, 0.9f};  // the CG lies behind this
    PerformanceInput in = flight(p, {-1, -1, -1});
    const PerformanceResults r = ComputePerformance(in);
    EXPECT_TRUE(r.noFuelFlow);
    EXPECT_TRUE(r.warnings.cg);
    EXPECT_FALSE(r.warnings.fuel || r.warnings.tankVolume || r.warnings.takeOffRunway);
    EXPECT_DOUBLE_EQ(r.landingMass, r.wb.totalMass);
    EXPECT_TRUE(finite(r));

    // A zero descent flow buys no time but gives no NaN either.
    CPlane glide = tourer();
    glide.m_fDescentFlow = 0;
    PerformanceInput g = flight(glide, {-1, -1, -1});
    g.legs = {{30, true, 0, 5000}};
    const PerformanceResults rg = ComputePerformance(g);
    EXPECT_FALSE(rg.noFuelFlow);
    EXPECT_EQ(rg.fuel.tripFuel, 0);
    EXPECT_TRUE(finite(rg));
}

TEST(Performance, WarningLists) {
    PerformanceWarnings w;
    w.tankVolume = true;
    w.zeroFuelMass = true;
    w.cg = true;
    w.departureElevation = true;
    w.takeOffRunway = true;
    w.landingRunway = true;
    EXPECT_EQ(WarningTexts(w),
              (std::vector<std::string>{"Unzureichendes Tankvolumen",
                                        "Die Masse ohne Kraftstoff übersteigt die maximale Abflugmasse",
                                        "Unzulässige Schwerpunktlage", "Höhe des Startplatzes fehlt",
                                        "Startbahn ist zu kurz", "Landebahn ist zu kurz"}));
    // The messages leave out a runway whose aerodrome has no elevation.
    EXPECT_EQ(
        WarningMessages(w),
        (std::vector<std::string>{
            "Unzureichendes Tankvolumen", "Die Masse ohne Kraftstoff übersteigt die maximale Abflugmasse",
            "Unzulässige Schwerpunktlage", "Höhe des Startplatzes fehlt", "Landebahn ist zu kurz"}));
    EXPECT_TRUE(WarningTexts(PerformanceWarnings{}).empty());
}
