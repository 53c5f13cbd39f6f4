#pragma once
// What follows from a route, the current aircraft, the load and the weather:
// weight and balance, the fuel plan with taxi, approach, alternates and
// reserves, the landing mass, take-off and landing distances with the runway
// checks, sunrise and sunset, the flight costs and the warnings.
//
// The route computation hands over what it knows about the legs
// (PerformanceInput); ComputePerformance runs the whole computation in its
// fixed order and returns one PerformanceResults record, which the fuel
// view prints and the flight plan reads. Every step is also available on
// its own. Fuel volumes are litres, times minutes, masses kg and distances
// metres throughout; nothing here shows a message.

#include <array>
#include <string>
#include <vector>

#include "aircraft/load_doc.h"
#include "aircraft/met_doc.h"
#include "aircraft/plane.h"
#include "aircraft/sun_times.h"
#include "aircraft/weight_balance.h"
#include "core/latlon.h"

class CCalcDoc;
class CLocation;

// ---- aerodromes --------------------------------------------------------------------------------

// What the distance computation needs of an aerodrome, in fixed units.
struct AerodromeData {
    std::string name;
    std::string ident;
    CLatLon position;  // for the sun times; the no-value position when unknown
    bool elevationKnown = false;
    double elevationFt = 0;
    bool runwayKnown = false;  // a runway length is given
    double runwayLengthM = 0;
    double heightDifferenceM = 0;  // between the runway ends; 0 when not given
    bool grass = false;            // unpaved runway ("Gras")
};

// The aerodrome data of a location, converted from its own units.
AerodromeData AerodromeFromLocation(const CLocation& location);

// ---- take-off and landing distances --------------------------------------------------------------

enum class DistanceKind { TakeOff, Landing };

// The factors applied to the table distances at an aerodrome.
struct DistanceFactors {
    double pressureAltitudeFt = 0;  // elevation + (1013 - QNH) x 30
    double temperature = 1;         // deviation from the standard temperature at that altitude
    double altitude = 1;
    double slope = 1;    // +10 % per 1 % of slope
    double surface = 1;  // 1.2 on grass
    double wet = 1;      // 1.3 on a wet runway
    double Total() const { return temperature * altitude * slope * surface * wet; }
};

// Factors at an aerodrome (its elevation, runway and surface) in the given
// weather; the wet flag comes from the weather. An unknown elevation counts
// as sea level and an unknown runway length as level.
DistanceFactors ComputeDistanceFactors(DistanceKind kind, const AerodromeData& aerodrome,
                                       const MetConditions& weather);

// Ground roll and distance over a 15 m obstacle (m) from an aircraft table
// already in kg and m (CPlane::GetTakeOff(DIM_KG, DIM_METER)), interpolated
// on mass between the "Min" and "Max" rows. A distance of 1.0 is not given.
// Without a "Min" value, or with masses that are not apart, the "Max" value
// is used; without a "Max" value the distance is 0 (not known). Never
// negative.
struct TableDistances {
    double roll = 0;
    double obstacle = 0;
};
TableDistances InterpolateOnMass(const CPlaneDistances& tableKgM, double massKg);

struct RunwayDistances {
    bool computed = false;  // elevation and runway length known
    long roll = 0;          // whole metres, cut
    long distance = 0;      // over 15 m
};

// The table distances at a mass times all factors, cut to whole metres; 0
// (not computed) when the aerodrome's elevation or runway length is unknown.
RunwayDistances ComputeRunwayDistances(const CPlane& plane, DistanceKind kind, double massKg,
                                       const AerodromeData& aerodrome, const MetConditions& weather);

// True unless the aerodrome has a runway length, the distance over 15 m is
// above 0 and fits on the runway. An unknown runway or distance is "too short".
bool IsRunwayTooShort(const AerodromeData& aerodrome, const RunwayDistances& distances);

// ---- fuel plan ------------------------------------------------------------------------------------

// One leg as the route computation sees it: its time and what the
// aircraft's fuel flow for the leg depends on (CPlane::GetFuelFlowForLeg).
struct FuelLeg {
    double minutes = 0;
    bool climbDescent = false;
    // Whole feet as CPlane::GetFuelFlowForLeg takes them: the climb flow
    // when a - b is above the threshold, the descent flow when it is below
    // minus the threshold.
    long altitudeA = 0;
    long altitudeB = 0;
};

// An alternate: its leg from the destination, its distance and aerodrome.
struct FuelAlternate {
    FuelLeg leg;
    double distanceNm = 0;
    AerodromeData aerodrome;
};

// The time allowances and the climb threshold of the computation presets.
struct FuelPresets {
    int taxiMinutes = 10;
    int approachMinutes = 10;  // approach and departure
    int reserveMinutes = 30;
    long climbThresholdFt = 1500;
};
FuelPresets FuelPresetsOf(const CCalcDoc& calc);
// Day of the year (0 = 1 January) of the presets' flight date.
int FlightDayOfYear(const CCalcDoc& calc);

// Fuel that is not yet assigned and the minutes the assigned fuel buys.
struct FuelAccount {
    double available = 0;  // l
    double endurance = 0;  // min

    // Takes `fuel` at `flowPerHour`, at most what is available; the endurance
    // grows by the minutes the taken fuel lasts. Returns the fuel taken. A
    // flow of 0 or less buys no time.
    double Consume(double fuel, double flowPerHour);
};

struct AlternateFuel {
    double distanceNm = 0;
    double minutes = 0;
    double fuel = 0;  // l
};

struct FuelPlan {
    bool noFuelFlow = false;
    double available = 0;  // l not assigned to trip, alternates, taxi, approach or reserve
    double endurance = 0;  // min bought by all fuel including the extra fuel
    double tripDistanceNm = 0;
    double tripMinutes = 0;
    double tripFuel = 0;                    // rounded half up to 0.01 l
    std::vector<AlternateFuel> alternates;  // at most two
    double taxiMinutes = 0, taxiFuel = 0;
    double approachMinutes = 0, approachFuel = 0;
    double taxiApproachFuel = 0;                   // their sum rounded half up to 0.1 l, as shown
    double reserveMinutes = 0, reserveFuel = 0;    // fuel rounded half up to 0.1 l
    double extraMinutes = 0, extraFuel = 0;        // minutes cut to whole minutes
    double requiredMinutes = 0, requiredFuel = 0;  // without reserve
    double requiredWithReserveMinutes = 0, requiredWithReserveFuel = 0;  // with reserve
    double safeMinutes = 0, safeFuel = 0;  // endurance and usable fuel less the reserve, >= 0
};

// The trip and the alternates: fuel per leg at the aircraft's flow for that
// leg, consumed from the fuel in the tanks (kg). Sets noFuelFlow and stops
// when the aircraft has no fuel flow.
FuelPlan ComputeTripFuel(const CPlane& plane, double tankFuelMassKg, const std::vector<FuelLeg>& legs,
                         double tripDistanceNm, double tripMinutes,
                         const std::vector<FuelAlternate>& alternates, long climbThresholdFt);

// Taxi, approach and departure, reserve and extra fuel at the cruise flow,
// then the required and safe values. `usableFuel` is the usable fuel of the
// tanks (l). Does nothing for a plan without fuel flow.
void ComputeReserves(FuelPlan& plan, double cruiseFlowPerHour, const FuelPresets& presets, double usableFuel);

// ---- the whole computation -------------------------------------------------------------------------

struct PerformanceInput {
    const CPlane* plane = nullptr;  // the current aircraft; nullptr: none
    LoadValues load;
    std::vector<FuelLeg> legs;  // every leg after the first waypoint
    double tripDistanceNm = 0;  // route totals
    double tripMinutes = 0;
    std::vector<FuelAlternate> alternates;  // at most two are used
    AerodromeData departure;                // first waypoint
    AerodromeData destination;              // last waypoint
    MetConditions departureWeather;
    MetConditions destinationWeather;
    FuelPresets presets;
    int dayOfYear = 0;  // of the flight date, for the sun times
};

struct AerodromeResult {
    double massKg = 0;  // take-off mass at the departure, landing mass elsewhere
    RunwayDistances distances;
    bool runwayTooShort = false;
    SunTimes sun;  // departure and destination only
};

struct AlternateResult {
    AlternateFuel fuel;
    AerodromeResult landing;
};

struct PerformanceWarnings {
    bool tankVolume = false;            // "Unzureichendes Tankvolumen"
    bool fuel = false;                  // "Verfügbare Treibstoffmenge ist zu gering"
    bool zeroFuelMass = false;          // the load alone exceeds the maximum take-off mass
    bool cg = false;                    // "Unzulässige Schwerpunktlage"
    bool departureElevation = false;    // "Höhe des Startplatzes fehlt"
    bool destinationElevation = false;  // "Höhe des Landeplatzes fehlt"
    bool takeOffRunway = false;         // "Startbahn ist zu kurz"
    bool landingRunway = false;         // "Landebahn ist zu kurz"
    bool Any() const {
        return tankVolume || fuel || zeroFuelMass || cg || departureElevation || destinationElevation ||
               takeOffRunway || landingRunway;
    }
};

struct FlightCosts {
    double perHour = 0;          // 0: the aircraft has no cost
    double approachMinutes = 0;  // approach and departure + trip
    double approachCost = 0;
    double taxiMinutes = 0;  // taxi + approach and departure + trip
    double taxiCost = 0;
};

struct PerformanceResults {
    bool haveAircraft = false;
    MissingArm missingArm;  // set: nothing else was computed
    bool ArmsComplete() const { return !missingArm; }
    bool noFuelFlow = false;  // no fuel plan, distances or costs
    WeightBalance wb;
    FuelPlan fuel;
    double landingMass = 0;       // never below the zero-fuel mass
    AerodromeResult departure;    // take-off
    AerodromeResult destination;  // landing
    std::vector<AlternateResult> alternates;
    FlightCosts costs;
    PerformanceWarnings warnings;
};

// The whole computation in its order: arms, weight and balance, fuel plan,
// CG check, reserves, landing mass, fuel warnings, elevations, distances,
// runway checks, costs and sun times.
PerformanceResults ComputePerformance(const PerformanceInput& input);

// The set warnings as the fuel view lists them.
std::vector<std::string> WarningTexts(const PerformanceWarnings& warnings);
// The set warnings as message boxes show them after the load dialog: a
// runway warning only when the aerodrome's elevation is known.
std::vector<std::string> WarningMessages(const PerformanceWarnings& warnings);

// "Polartag" or "Polarnacht"; empty for the other kinds.
std::string SunKindText(SunKind kind);
