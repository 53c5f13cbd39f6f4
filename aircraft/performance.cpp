#include "aircraft/performance.h"

#include <algorithm>
#include <cmath>

#include "core/calc_doc.h"
#include "locations/location.h"
#include "platform/rounding.h"
#include "platform/string_table.h"

namespace {

constexpr double kObstacleNotGiven = CPlane::kDistanceNotGiven;
constexpr size_t kMaxAlternates = 2;

double finiteOrZero(double v) {
    return std::isfinite(v) ? v : 0.0;
}

double roundHundredths(double v) {
    return static_cast<double>(floorHalf(v * 100.0)) / 100.0;
}
double roundTenths(double v) {
    return static_cast<double>(floorHalf(v * 10.0)) / 10.0;
}

// A table value interpolated on mass; see InterpolateOnMass.
double interpolate(double atMax, double atMin, double massMax, double massMin, double mass) {
    const bool maxGiven = atMax != kObstacleNotGiven && std::isfinite(atMax);
    const bool minGiven = atMin != kObstacleNotGiven && std::isfinite(atMin);
    if (!maxGiven) return 0.0;  // nothing to interpolate from: not known
    const bool massesApart = massMin != CPlane::kMassNotGiven && massMax != CPlane::kMassNotGiven &&
                             std::isfinite(massMin) && std::isfinite(massMax) && massMax != massMin;
    if (!minGiven || !massesApart) return std::max(0.0, atMax);
    const double value = (atMax - atMin) * (mass - massMin) / (massMax - massMin) + atMin;
    return std::max(0.0, finiteOrZero(value));
}

// Flow in l/h of a leg; -1 when the aircraft has no fuel flow.
double legFlow(const CPlane& plane, const FuelLeg& leg, long thresholdFt) {
    return plane.GetFuelFlowForLeg(leg.climbDescent, leg.altitudeA, leg.altitudeB, thresholdFt);
}

double legFuel(const FuelLeg& leg, double flow) {
    return flow > 0 ? finiteOrZero(leg.minutes * flow / 60.0) : 0.0;
}

}  // namespace

// ---- aerodromes ------------------------------------------------------------------------------------

AerodromeData AerodromeFromLocation(const CLocation& location) {
    AerodromeData a;
    a.name = location.GetName();
    a.ident = location.GetIdent();
    a.position = CLatLon(location.m_dLat, location.m_dLon);
    if (const auto elevation = location.GetElevation()) {
        a.elevationKnown = true;
        a.elevationFt = ConvertLength(*elevation, location.GetElevationUnit(), DIM_FEET);
    }
    if (const auto length = location.GetRunwayLength()) {
        a.runwayLengthM = ConvertLength(*length, location.GetRunwayUnit(), DIM_METER);
        a.runwayKnown = a.runwayLengthM > 0;
    }
    if (const auto difference = location.GetHeightDifference())
        a.heightDifferenceM = ConvertLength(*difference, location.GetSlopeUnit(), DIM_METER);
    a.grass = location.IsUnpaved();
    return a;
}

// ---- take-off and landing distances ---------------------------------------------------------------

DistanceFactors ComputeDistanceFactors(DistanceKind kind, const AerodromeData& aerodrome,
                                       const MetConditions& weather) {
    const bool takeOff = kind == DistanceKind::TakeOff;
    DistanceFactors f;
    const double elevation = aerodrome.elevationKnown ? aerodrome.elevationFt : 0.0;
    f.pressureAltitudeFt = elevation + (1013.0 - weather.qnhHpa) * 30.0;
    const double pa = f.pressureAltitudeFt;
    const double standardTemperature = 15.0 - 0.002 * pa;
    f.temperature = 1.0 + (weather.temperatureC - standardTemperature) * (takeOff ? 0.01 : 0.0022);
    double kA;
    if (pa <= 1000.0)
        kA = takeOff ? 0.1 : 0.022;
    else if (pa <= 3000.0)
        kA = takeOff ? 0.13 : 0.025;
    else
        kA = takeOff ? 0.18 : 0.027;
    f.altitude = 1.0 + pa * kA * 0.001;
    if (aerodrome.runwayKnown && aerodrome.runwayLengthM > 0)
        f.slope = 1.0 + (aerodrome.heightDifferenceM * 100.0 / aerodrome.runwayLengthM) * 0.1;
    if (aerodrome.grass) f.surface = 1.2;
    if (weather.wet) f.wet = 1.3;
    return f;
}

TableDistances InterpolateOnMass(const CPlaneDistances& t, double massKg) {
    TableDistances d;
    d.roll = interpolate(t.m_fRoll[0], t.m_fRoll[1], t.m_fMass[0], t.m_fMass[1], massKg);
    d.obstacle = interpolate(t.m_fObstacle[0], t.m_fObstacle[1], t.m_fMass[0], t.m_fMass[1], massKg);
    return d;
}

RunwayDistances ComputeRunwayDistances(const CPlane& plane, DistanceKind kind, double massKg,
                                       const AerodromeData& aerodrome, const MetConditions& weather) {
    RunwayDistances r;
    if (!aerodrome.elevationKnown || !aerodrome.runwayKnown) return r;
    const CPlaneDistances table = kind == DistanceKind::TakeOff ? plane.GetTakeOff(DIM_KG, DIM_METER)
                                                                : plane.GetLanding(DIM_KG, DIM_METER);
    const TableDistances base = InterpolateOnMass(table, massKg);
    const double factor = ComputeDistanceFactors(kind, aerodrome, weather).Total();
    auto metres = [factor](double v) {
        const double m = finiteOrZero(v * factor);
        return m > 0 ? static_cast<long>(truncateToLong(m)) : 0L;
    };
    r.computed = true;
    r.roll = metres(base.roll);
    r.distance = metres(base.obstacle);
    return r;
}

bool IsRunwayTooShort(const AerodromeData& aerodrome, const RunwayDistances& distances) {
    if (!aerodrome.runwayKnown || distances.distance <= 0) return true;
    return static_cast<double>(distances.distance) > aerodrome.runwayLengthM;
}

// ---- fuel plan --------------------------------------------------------------------------------------

FuelPresets FuelPresetsOf(const CCalcDoc& calc) {
    FuelPresets p;
    p.taxiMinutes = calc.m_nTaxiTime;
    p.approachMinutes = calc.m_nApproachTime;
    p.reserveMinutes = calc.m_nReserveTime;
    p.climbThresholdFt = static_cast<long>(
        truncateToLong(ConvertLength(calc.m_nClimbThreshold, calc.m_nClimbThresholdUnit, DIM_FEET)));
    return p;
}

int FlightDayOfYear(const CCalcDoc& calc) {
    const CCalcDoc::Date date = calc.GetFlightDate();
    return std::max(0, DayOfYear(date.day, date.month, date.year));
}

double FuelAccount::Consume(double fuel, double flowPerHour) {
    if (!(fuel > 0) || !std::isfinite(fuel)) return 0.0;
    const double taken = std::min(fuel, std::max(0.0, available));
    if (flowPerHour > 0) endurance += taken * 60.0 / flowPerHour;
    available -= taken;
    return taken;
}

FuelPlan ComputeTripFuel(const CPlane& plane, double tankFuelMassKg, const std::vector<FuelLeg>& legs,
                         double tripDistanceNm, double tripMinutes,
                         const std::vector<FuelAlternate>& alternates, long climbThresholdFt) {
    FuelPlan plan;
    plan.tripDistanceNm = tripDistanceNm;
    plan.tripMinutes = tripMinutes;
    if (plane.HasNoFuelFlow() || !(plane.GetFuelFlowLiters(FlightPhase::Cruise) > 0)) {
        plan.noFuelFlow = true;
        return plan;
    }
    FuelAccount account{std::max(0.0, finiteOrZero(tankFuelMassKg)) * kLitresPerKg, 0.0};
    for (const FuelLeg& leg : legs) {
        const double flow = legFlow(plane, leg, climbThresholdFt);
        if (flow == -1.0) {
            plan.noFuelFlow = true;
            return plan;
        }
        const double fuel = legFuel(leg, flow);
        plan.tripFuel += fuel;
        account.Consume(fuel, flow);
    }
    plan.tripFuel = roundHundredths(plan.tripFuel);
    for (size_t i = 0; i < alternates.size() && i < kMaxAlternates; ++i) {
        const FuelAlternate& alt = alternates[i];
        const double flow = legFlow(plane, alt.leg, climbThresholdFt);
        const double fuel = legFuel(alt.leg, flow);
        plan.alternates.push_back({alt.distanceNm, alt.leg.minutes, fuel});
        account.Consume(fuel, flow);
    }
    plan.available = account.available;
    plan.endurance = account.endurance;
    return plan;
}

void ComputeReserves(FuelPlan& plan, double q, const FuelPresets& presets, double usableFuel) {
    if (plan.noFuelFlow || !(q > 0)) return;
    FuelAccount account{plan.available, plan.endurance};

    plan.taxiMinutes = presets.taxiMinutes;
    plan.taxiFuel = plan.taxiMinutes * q / 60.0;
    account.Consume(plan.taxiFuel, q);
    plan.approachMinutes = presets.approachMinutes;
    plan.approachFuel = plan.approachMinutes * q / 60.0;
    account.Consume(plan.approachFuel, q);
    plan.taxiApproachFuel = roundTenths(plan.taxiFuel + plan.approachFuel);

    plan.reserveMinutes = presets.reserveMinutes;
    plan.reserveFuel = roundTenths(plan.reserveMinutes * q / 60.0);
    account.Consume(plan.reserveFuel, q);

    // The rest buys extra time at cruise flow.
    plan.extraFuel = std::max(0.0, account.available);
    plan.extraMinutes = static_cast<double>(truncateToLong(plan.extraFuel * 60.0 / q));
    account.endurance += plan.extraMinutes;
    plan.available = account.available;
    plan.endurance = account.endurance;

    double alternateMinutes = 0, alternateFuel = 0;
    for (const AlternateFuel& a : plan.alternates) {
        alternateMinutes += a.minutes;
        alternateFuel += a.fuel;
    }
    plan.requiredMinutes = plan.tripMinutes + alternateMinutes + plan.approachMinutes + plan.taxiMinutes;
    plan.requiredFuel = roundTenths(plan.tripFuel) + plan.taxiApproachFuel + alternateFuel;
    plan.requiredWithReserveMinutes = plan.requiredMinutes + plan.reserveMinutes;
    plan.requiredWithReserveFuel = plan.requiredFuel + plan.reserveFuel;
    plan.safeMinutes = std::max(0.0, plan.endurance - plan.reserveMinutes);
    plan.safeFuel = std::max(0.0, usableFuel - plan.reserveFuel);
}

// ---- the whole computation -------------------------------------------------------------------------

PerformanceResults ComputePerformance(const PerformanceInput& in) {
    PerformanceResults r;
    if (!in.plane) return r;
    const CPlane& plane = *in.plane;
    r.haveAircraft = true;
    const LoadValues& load = in.load;

    // Every loaded position needs its arm.
    r.missingArm = FindMissingArm(plane, load);
    if (r.missingArm) return r;

    // Weight and balance, with the fills, the usable fuel and the CG
    // check; they do not depend on the fuel flow.
    r.wb = ComputeWeightBalance(plane, load);
    r.warnings.zeroFuelMass = r.wb.zeroFuelAboveMax;
    r.warnings.cg = !r.wb.cgCheck.permitted;
    r.landingMass = r.wb.totalMass;

    // Departure and destination elevations; sun times at both.
    r.warnings.departureElevation = !in.departure.elevationKnown;
    r.warnings.destinationElevation = !in.destination.elevationKnown;
    r.departure.massKg = r.wb.totalMass;
    r.departure.sun =
        ComputeSunTimes(in.dayOfYear, in.departure.position.m_dLat, in.departure.position.m_dLon);
    r.destination.sun =
        ComputeSunTimes(in.dayOfYear, in.destination.position.m_dLat, in.destination.position.m_dLon);

    // Fuel plan.
    std::vector<FuelAlternate> alternates = in.alternates;
    if (alternates.size() > kMaxAlternates) alternates.resize(kMaxAlternates);
    r.fuel = ComputeTripFuel(plane, r.wb.fuelMass, in.legs, in.tripDistanceNm, in.tripMinutes, alternates,
                             in.presets.climbThresholdFt);
    r.noFuelFlow = r.fuel.noFuelFlow;
    r.destination.massKg = r.landingMass;
    if (r.noFuelFlow) return r;

    // Reserves.
    const double q = plane.GetFuelFlowLiters(FlightPhase::Cruise);
    ComputeReserves(r.fuel, q, in.presets, r.wb.usableFuel);

    // Landing mass: the fuel burnt before landing leaves the aircraft;
    // what remains is never less than the aircraft without fuel.
    const double burnt = (r.fuel.approachFuel + r.fuel.taxiFuel + r.fuel.tripFuel) * kFuelDensity;
    r.landingMass = std::max(r.wb.totalMass - burnt, r.wb.zeroFuelMass);
    r.destination.massKg = r.landingMass;

    // Enough fuel, or enough tank volume?
    if (r.wb.usableFuel < r.fuel.requiredWithReserveFuel) {
        bool allFull = true;
        for (const TankLoad& t : r.wb.tanks)
            if (t.hasVolume && t.capacity > 0 && !t.full) allFull = false;
        if (allFull)
            r.warnings.tankVolume = true;
        else
            r.warnings.fuel = true;
    }

    // Distances and runway checks.
    r.departure.distances = ComputeRunwayDistances(plane, DistanceKind::TakeOff, r.departure.massKg,
                                                   in.departure, in.departureWeather);
    r.departure.runwayTooShort = IsRunwayTooShort(in.departure, r.departure.distances);
    r.destination.distances = ComputeRunwayDistances(plane, DistanceKind::Landing, r.destination.massKg,
                                                     in.destination, in.destinationWeather);
    r.destination.runwayTooShort = IsRunwayTooShort(in.destination, r.destination.distances);
    r.warnings.takeOffRunway = r.departure.runwayTooShort;
    r.warnings.landingRunway = r.destination.runwayTooShort;
    for (size_t i = 0; i < r.fuel.alternates.size(); ++i) {
        AlternateResult a;
        a.fuel = r.fuel.alternates[i];
        a.landing.massKg = std::max(r.landingMass - a.fuel.fuel * kFuelDensity, r.wb.zeroFuelMass);
        a.landing.distances = ComputeRunwayDistances(plane, DistanceKind::Landing, a.landing.massKg,
                                                     alternates[i].aerodrome, in.destinationWeather);
        a.landing.runwayTooShort = IsRunwayTooShort(alternates[i].aerodrome, a.landing.distances);
        r.alternates.push_back(a);
    }

    // Costs.
    r.costs.perHour = std::max<double>(0, plane.m_nCost);
    r.costs.approachMinutes = r.fuel.approachMinutes + r.fuel.tripMinutes;
    r.costs.taxiMinutes = r.fuel.taxiMinutes + r.fuel.approachMinutes + r.fuel.tripMinutes;
    r.costs.approachCost = finiteOrZero(r.costs.perHour * r.costs.approachMinutes / 60.0);
    r.costs.taxiCost = finiteOrZero(r.costs.perHour * r.costs.taxiMinutes / 60.0);
    return r;
}

// ---- texts --------------------------------------------------------------------------------------------

std::vector<std::string> WarningTexts(const PerformanceWarnings& w) {
    std::vector<std::string> out;
    auto add = [&out](bool set, int id) {
        if (set) out.emplace_back(LoadStr(id));
    };
    add(w.tankVolume, kStrWarnTankVolume);
    add(w.fuel, kStrWarnFuel);
    add(w.zeroFuelMass, kStrWarnZeroFuelMass);
    add(w.cg, kStrWarnCg);
    add(w.departureElevation, kStrWarnDepartureElevation);
    add(w.destinationElevation, kStrWarnDestinationElevation);
    add(w.takeOffRunway, kStrWarnTakeOffRunway);
    add(w.landingRunway, kStrWarnLandingRunway);
    return out;
}

std::vector<std::string> WarningMessages(const PerformanceWarnings& w) {
    std::vector<std::string> out;
    auto add = [&out](bool set, int id) {
        if (set) out.emplace_back(LoadStr(id));
    };
    add(w.tankVolume, kStrWarnTankVolume);
    add(w.fuel, kStrWarnFuel);
    add(w.zeroFuelMass, kStrWarnZeroFuelMass);
    add(w.cg, kStrWarnCg);
    add(w.departureElevation, kStrWarnDepartureElevation);
    add(w.takeOffRunway && !w.departureElevation, kStrWarnTakeOffRunway);
    add(w.destinationElevation, kStrWarnDestinationElevation);
    add(w.landingRunway && !w.destinationElevation, kStrWarnLandingRunway);
    return out;
}

std::string SunKindText(SunKind kind) {
    if (kind == SunKind::PolarDay) return LoadStr(kStrPolarDay);
    if (kind == SunKind::PolarNight) return LoadStr(kStrPolarNight);
    return std::string();
}
