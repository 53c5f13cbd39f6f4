#pragma once
// The flight log computation of a route. The route document owns one and
// replaces it by a new one whenever its contents are deleted (new route,
// opening a route), so a computation never outlives the waypoints it was
// made for.
//
// A run, as every reader makes it:
//   const CPlane* plane = thePlaneDoc()->GetCurrentPlane();   // none: nothing is computed
//   CRouteCalc& calc = route.GetCalc();
//   calc.Prepare(*plane);                                      // fills the waypoints
//   calc.Compute(*plane, *theMetDoc(), *theLoadDoc());         // legs, alternates, fuel, performance
//     ...or, for the legs alone: calc.ComputeLegs(); calc.ComputeAlternateLegs();
//   ... GetLeg(i), GetAlternateLeg(k), the totals, GetResults() ...
//   calc.RestoreModified();
//
// Prepare writes the altitude in feet and the true airspeed of every
// waypoint back into the route, and ComputeLegs the wind of every leg. The
// route keeps these values (they are saved with it), but RestoreModified
// puts the modified flag back to what it was, and none of the write-backs
// notifies a view, so a view may run the computation while it draws.
//
// Nothing is kept from one run to the next: Prepare starts from empty legs,
// zero totals and empty results, and so does ComputeLegs for the route legs.
//
// A leg that cannot be computed never carries a NaN or an infinity: its
// record says which of its values are known (CRouteLeg::m_bCourseKnown,
// m_bSpeedKnown) and holds 0 in the others.

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "aircraft/performance.h"
#include "aircraft/plane.h"

class CLoadDoc;
class CMetDoc;
class CWayDoc;
class CWayPoint;

// One leg of the flight log: from the previous waypoint (or, for an
// alternate leg, from the destination or alternate 1) to its end waypoint.
struct CRouteLeg {
    double m_dWindCorrection = 0;  // whole degrees, -180..180, right positive
    double m_dGroundSpeed = 0;     // kt, unrounded
    double m_dTrueCourse = 0;      // whole degrees of the rhumb line, 0..360
    double m_dDistance = 0;        // NM of the rhumb line, unrounded
    double m_dWholeDistance = 0;   // NM, rounded half up
    double m_dMagCourse = 0;       // true course - variation of the end waypoint; above 360 reduced by 360
    double m_dMagHeading = 0;      // whole degrees, 0..360
    double m_dTime = 0;            // minutes, distance x 60 / ground speed
    double m_dWholeTime = 0;       // whole minutes, floor(whole distance x 60 / ground speed + 1)

    // Course, distances and the magnetic course: false when either end has
    // no valid position.
    bool m_bCourseKnown = true;
    // Ground speed, wind correction, heading and times: false as well when
    // the end waypoint has no true airspeed or the wind is not weaker than
    // the airspeed (the wind triangle has no solution).
    bool m_bSpeedKnown = true;

    bool IsComplete() const { return m_bCourseKnown && m_bSpeedKnown; }
};

// The leg from `from` to `to` for the true airspeed `tas` (whole kt) and the
// wind from `windDirection` (whole degrees) at `windSpeed` (whole kt);
// `variation` is the end waypoint's (east positive).
CRouteLeg ComputeRouteLeg(const CLatLon& from, const CLatLon& to, int tas, int windDirection, int windSpeed,
                          int variation);

// What a run computes besides the legs: the trip totals and the fuel,
// weight-and-balance, runway, cost and sun results of the same run, with
// the input they were computed from.
struct CRouteResults {
    // The total distance (NM) and time (minutes) of the route legs alone,
    // copied before the alternate legs are added. Stay 0 when the aircraft
    // has no fuel flow.
    double m_dTripDistance = 0;
    double m_dTripTime = 0;
    // Set by Compute; false after Prepare.
    bool m_bComputed = false;
    PerformanceInput m_Input;
    PerformanceResults m_Performance;
};

// Altitude corrections that other parts of the program apply to a route
// during Prepare. Each is filled in by the part that provides it; an empty
// entry does what its comment says.
struct RouteCalcLinks {
    // Raises the altitudes in feet to the safe altitudes over the terrain
    // (route option RTE_SAFE_ALTITUDE). Empty: the altitudes stay.
    std::function<void(CWayDoc&)> applySafeAltitudes;
};
// The links of the running program (all empty until filled).
RouteCalcLinks& theRouteCalcLinks();

// The next semicircular flight level for a leg with the magnetic course
// `magneticCourse` (degrees) at `altitudeFt`: legs from 000 to 179 fly at
// 3500, 5500, 7500 ft..., the others at 2500, 4500, 6500 ft..., always the
// next such level at or above the altitude. Altitudes at or below
// `thresholdFt` stay as they are.
long SemicircularAltitude(long altitudeFt, int magneticCourse, long thresholdFt);

// Applies the semicircular levels to the altitudes in feet of the route,
// leg by leg, with the threshold of the computation presets. A waypoint
// without altitude stops the scan at its leg.
void ApplySemicircularAltitudes(CWayDoc& route);

class CRouteCalc {
public:
    explicit CRouteCalc(CWayDoc& doc);
    virtual ~CRouteCalc();
    CRouteCalc(const CRouteCalc&) = delete;
    CRouteCalc& operator=(const CRouteCalc&) = delete;

    CWayDoc& GetDoc() const { return *m_pDoc; }

    // ---- a run ------------------------------------------------------------------------
    // Starts a run for an aircraft: saves the route's modified flag, clears
    // legs, totals and results, fills the waypoints (altitude in feet from
    // the planned altitude, true airspeed from the aircraft) and applies
    // the altitude corrections of the route options. The aircraft must
    // outlive the run.
    void Prepare(const CPlane& plane);
    // The complete run: weight and balance, the legs, the trip totals, the
    // alternate legs, the fuel plan, reserves, landing mass, runway and
    // cost results. Returns 0, with no leg computed, when a loaded seat
    // row, baggage compartment or tank has no lever arm (GetResults() then
    // tells which); 1 otherwise. Without fuel flow the route legs and totals
    // are complete but the trip totals stay 0 and no alternate leg is
    // computed.
    int Compute(const CPlane& plane, const CMetDoc& weather, const CLoadDoc& load);
    // The wind of every leg, written into its end waypoint, and the legs.
    // Starts from empty route legs; the legs add to the totals. Uses the
    // weather of the last Compute of this run, else the current weather
    // (theMetDoc(); calm without one).
    void ComputeLegs();
    // With the route option RTE_ALTERNATES: the legs from the destination
    // to alternate 1 and on to alternate 2, skipping an alternate without a
    // valid location. Their winds are written into the alternates; the
    // legs add to the totals.
    void ComputeAlternateLegs();
    // Sets the route's modified flag back to the value Prepare saved.
    void RestoreModified();

    // ---- results ------------------------------------------------------------------------
    // The leg that ends at waypoint `index`; a record of zeros for waypoint
    // 0 or an index without a leg.
    CRouteLeg GetLeg(int index) const;
    // Alternate leg `entry` (0 or 1); zeros when there is none.
    CRouteLeg GetAlternateLeg(int entry) const;
    // Which alternate (1 or 2) alternate leg `entry` leads to; 0 for none.
    // Entry 0 leads to alternate 2 when alternate 1 has no valid location.
    int GetAlternateNumber(int entry) const;
    int GetLegCount() const { return static_cast<int>(m_Legs.size()); }
    int GetAlternateLegCount() const { return static_cast<int>(m_AlternateLegs.size()); }
    // The sums of the whole distances (NM) and whole times (minutes) of all
    // legs computed since Prepare.
    double GetTotalDistance() const { return m_dTotalDistance; }
    double GetTotalTime() const { return m_dTotalTime; }
    // False when a leg counted into the totals had no distance or no time:
    // the sum then lacks that leg.
    bool IsTotalDistanceKnown() const { return m_bTotalDistanceKnown; }
    bool IsTotalTimeKnown() const { return m_bTotalTimeKnown; }
    const CRouteResults& GetResults() const { return m_Results; }
    // The aircraft of the current run; nullptr before the first Prepare.
    const CPlane* GetPlane() const { return m_pPlane; }

private:
    void FillWayPoints();
    void ApplyAltitudeOptions();
    void AddToTotals(const CRouteLeg& leg);
    const CMetDoc& Weather() const;
    // The wind for a band of altitudes, remembered for the rest of the run.
    struct Wind {
        int direction = 0;
        int speed = 0;
    };
    Wind WindForBand(long altitudeA, long altitudeB);
    void BuildPerformanceInput(const CPlane& plane, const CLoadDoc& load, const CMetDoc& weather);

    CWayDoc* m_pDoc;
    const CPlane* m_pPlane = nullptr;
    bool m_bSavedModified = false;
    double m_dTotalDistance = 0;
    double m_dTotalTime = 0;
    bool m_bTotalDistanceKnown = true;
    bool m_bTotalTimeKnown = true;
    std::vector<CRouteLeg> m_Legs;
    std::vector<CRouteLeg> m_AlternateLegs;
    std::vector<int> m_AlternateNumbers;
    CRouteResults m_Results;
    const CMetDoc* m_pWeather = nullptr;

    struct WindEntry {
        long a = 0;
        long b = 0;
        Wind wind;
    };
    std::vector<WindEntry> m_WindCache;
};

// Makes the computation of a route document (called by the document).
std::unique_ptr<CRouteCalc> CreateRouteCalc(CWayDoc& doc);
