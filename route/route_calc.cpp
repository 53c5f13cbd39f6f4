#include "route/route_calc.h"

#include <algorithm>

#include "aircraft/load_doc.h"
#include "aircraft/met_doc.h"
#include "core/calc_doc.h"
#include "core/units.h"
#include "platform/numtext.h"
#include "platform/rounding.h"
#include "route/route_calc_packed.h"
#include "route/way_doc.h"
#include "route/way_doc_links.h"

namespace {

// The altitude the computation works with: the planned altitude in whole
// feet (truncated). A waypoint without altitude keeps the no-value marker
// in every unit.
int32_t altitudeInFeet(int32_t planned, int unit) {
    if (planned == NOVALUE_ALTITUDE) return NOVALUE_ALTITUDE;
    return clampTo<int32_t>(truncateToLong(ConvertLength(planned, unit, DIM_FEET)));
}

// An airspeed in kt as the waypoints store it: + 0.5, truncated.
int16_t wholeKnots(double kt) {
    return clampTo<int16_t>(addHalfTruncate(kt));
}

const CMetDoc& calmWeather() {
    static const CMetDoc calm;
    return calm;
}

}  // namespace

CRouteCalc::CRouteCalc(CWayDoc& doc) : m_pDoc(&doc) {}

CRouteCalc::~CRouteCalc() = default;

// ---- a run -----------------------------------------------------------------------------------

void CRouteCalc::Prepare(const CPlane& plane) {
    m_pPlane = &plane;
    m_bSavedModified = m_pDoc->IsModified();
    m_dTotalDistance = 0;
    m_dTotalTime = 0;
    m_bTotalDistanceKnown = true;
    m_bTotalTimeKnown = true;
    m_Legs.clear();
    m_AlternateLegs.clear();
    m_AlternateNumbers.clear();
    m_Results = CRouteResults();
    m_pWeather = nullptr;
    m_WindCache.clear();

    if (!m_pDoc->HasOption(RTE_CLIMB_DESCENT)) FillWayPoints();
    ApplyAltitudeOptions();
}

void CRouteCalc::FillWayPoints() {
    const CPlane& plane = *m_pPlane;
    const int16_t cruise = wholeKnots(plane.GetSpeed(FlightPhase::Cruise, DIM_KT));
    const int16_t climb = wholeKnots(plane.GetSpeed(FlightPhase::Climb, DIM_KT));
    const int16_t descent = wholeKnots(plane.GetSpeed(FlightPhase::Descent, DIM_KT));
    const int count = m_pDoc->GetCount();
    for (int i = 0; i < count; ++i) {
        const PackedWayReader current(m_pDoc->GetPacked(i));
        const int32_t feet = altitudeInFeet(current.PlannedAltitude(), current.AltitudeUnit());
        int16_t tas = cruise;
        if (current.Marks() & WPT_TOP_OF_CLIMB) tas = climb;
        if (current.Marks() & WPT_TOP_OF_DESCENT) tas = descent;
        // A view runs this on every repaint: most records already hold the values.
        if (feet == current.AltitudeFeet() && tas == current.TrueAirspeed()) continue;
        PackedWayPoint record = m_pDoc->GetPacked(i);
        PackedWayFields wp(record);
        wp.SetAltitudeFeet(feet);
        wp.SetTrueAirspeed(tas);
        m_pDoc->ReplacePacked(i, record);
    }
    if (m_pDoc->HasOption(RTE_ALTERNATES)) {
        for (int which = 1; which <= 2; ++which) {
            CWayPoint alternate;
            if (!m_pDoc->GetAlternate(which, alternate)) continue;
            alternate.SetTrueAirspeed(cruise);
            // The alternate's altitude follows its planned altitude like every
            // waypoint's; a stale value would show a wrong altitude and take
            // the wind of a wrong band.
            alternate.SetAltitudeFeet(
                altitudeInFeet(alternate.GetPlannedAltitude(), alternate.GetAltitudeUnit()));
            m_pDoc->SetAlternate(which, alternate);
        }
    }
}

void CRouteCalc::ApplyAltitudeOptions() {
    const bool safe = m_pDoc->HasOption(RTE_SAFE_ALTITUDE);
    const bool semicircle = m_pDoc->HasOption(RTE_SEMICIRCLE);
    if (!safe && !semicircle) return;
    if (m_pDoc->HasOption(RTE_CLIMB_DESCENT)) {
        // The rebuild of the climb and descent points fills the waypoints and
        // applies both corrections itself before it inserts the points.
        if (const auto& rebuild = theWayDocLinks().rebuildClimbDescent) {
            if (!rebuild(*m_pDoc)) m_pDoc->SetOption(RTE_CLIMB_DESCENT, false);
        }
        return;
    }
    if (safe) {
        if (const auto& applySafe = theRouteCalcLinks().applySafeAltitudes) applySafe(*m_pDoc);
    }
    if (semicircle) ApplySemicircularAltitudes(*m_pDoc);
}

const CMetDoc& CRouteCalc::Weather() const {
    if (m_pWeather) return *m_pWeather;
    if (const CMetDoc* current = theMetDoc()) return *current;
    return calmWeather();
}

CRouteCalc::Wind CRouteCalc::WindForBand(long altitudeA, long altitudeB) {
    // Most legs of a route share a few altitude bands; the weather does not
    // change during a run.
    for (const WindEntry& e : m_WindCache)
        if (e.a == altitudeA && e.b == altitudeB) return e.wind;
    const LegWind wind = Weather().GetLegWind(altitudeA, altitudeB);
    const Wind result{wind.direction, wind.speed};
    if (m_WindCache.size() < 16) m_WindCache.push_back({altitudeA, altitudeB, result});
    return result;
}

void CRouteCalc::AddToTotals(const CRouteLeg& leg) {
    if (leg.m_bCourseKnown)
        m_dTotalDistance += leg.m_dWholeDistance;
    else
        m_bTotalDistanceKnown = false;
    if (leg.m_bSpeedKnown)
        m_dTotalTime += leg.m_dWholeTime;
    else
        m_bTotalTimeKnown = false;
}

void CRouteCalc::ComputeLegs() {
    // Each run starts afresh, so calling it twice never counts a leg twice.
    m_Legs.clear();
    m_AlternateLegs.clear();
    m_AlternateNumbers.clear();
    m_dTotalDistance = 0;
    m_dTotalTime = 0;
    m_bTotalDistanceKnown = true;
    m_bTotalTimeKnown = true;

    const int count = m_pDoc->GetCount();
    if (count < 2) return;
    m_Legs.reserve(static_cast<size_t>(count - 1));
    const PackedWayReader start(m_pDoc->GetPacked(0));
    CLatLon from = start.Position();
    int32_t fromFeet = start.AltitudeFeet();
    for (int i = 1; i < count; ++i) {
        const PackedWayReader wp(m_pDoc->GetPacked(i));
        const Wind found = WindForBand(fromFeet, wp.AltitudeFeet());
        const int16_t direction = clampTo<int16_t>(found.direction);
        const int16_t speed = clampTo<int16_t>(found.speed);
        if (direction != wp.WindDirection() || speed != wp.WindSpeed()) {
            PackedWayPoint record = m_pDoc->GetPacked(i);
            PackedWayFields(record).SetWind(direction, speed);
            m_pDoc->ReplacePacked(i, record);
        }
        const CLatLon to = wp.Position();
        const CRouteLeg leg = ComputeRouteLeg(from, to, wp.TrueAirspeed(), direction, speed, wp.Variation());
        m_Legs.push_back(leg);
        AddToTotals(leg);
        from = to;
        fromFeet = wp.AltitudeFeet();
    }
}

void CRouteCalc::ComputeAlternateLegs() {
    // A second call replaces the alternate legs instead of adding them again.
    for (const CRouteLeg& leg : m_AlternateLegs) {
        if (leg.m_bCourseKnown) m_dTotalDistance -= leg.m_dWholeDistance;
        if (leg.m_bSpeedKnown) m_dTotalTime -= leg.m_dWholeTime;
    }
    m_AlternateLegs.clear();
    m_AlternateNumbers.clear();
    if (!m_pDoc->HasOption(RTE_ALTERNATES)) return;
    CWayPoint previous;
    if (!m_pDoc->GetAt(m_pDoc->GetCount() - 1, previous)) return;
    for (int which = 1; which <= 2; ++which) {
        CWayPoint alternate;
        if (!m_pDoc->GetAlternate(which, alternate) || !alternate.IsValidLocation()) continue;
        const Wind wind = WindForBand(previous.GetAltitudeFeet(), alternate.GetAltitudeFeet());
        alternate.SetWindDirection(clampTo<int16_t>(wind.direction));
        alternate.SetWindSpeed(clampTo<int16_t>(wind.speed));
        m_pDoc->SetAlternate(which, alternate);
        const CRouteLeg leg =
            ComputeRouteLeg(previous, alternate, alternate.GetTrueAirspeed(), alternate.GetWindDirection(),
                            alternate.GetWindSpeed(), alternate.GetVariation());
        m_AlternateLegs.push_back(leg);
        m_AlternateNumbers.push_back(which);
        AddToTotals(leg);
        previous = alternate;
    }
}

int CRouteCalc::Compute(const CPlane& plane, const CMetDoc& weather, const CLoadDoc& load) {
    m_pPlane = &plane;
    if (m_pWeather != &weather) m_WindCache.clear();
    m_pWeather = &weather;
    m_Results = CRouteResults();
    m_Results.m_bComputed = true;

    // Every loaded position needs its lever arm before anything is computed.
    const LoadValues values = load.GetValues();
    const MissingArm missing = FindMissingArm(plane, values);
    if (missing) {
        m_Results.m_Performance.haveAircraft = true;
        m_Results.m_Performance.missingArm = missing;
        return 0;
    }

    ComputeLegs();
    // The fuel plan stops at the first leg of an aircraft without fuel
    // flow: no trip totals and no alternate legs then.
    const bool noFuelFlow = plane.HasNoFuelFlow() || !(plane.GetFuelFlowLiters(FlightPhase::Cruise) > 0);
    if (!noFuelFlow) {
        m_Results.m_dTripDistance = m_dTotalDistance;
        m_Results.m_dTripTime = m_dTotalTime;
    }
    if (!noFuelFlow) ComputeAlternateLegs();

    BuildPerformanceInput(plane, load, weather);
    m_Results.m_Performance = ComputePerformance(m_Results.m_Input);
    return 1;
}

void CRouteCalc::BuildPerformanceInput(const CPlane& plane, const CLoadDoc& load, const CMetDoc& weather) {
    PerformanceInput& in = m_Results.m_Input;
    in = PerformanceInput();
    in.plane = &plane;
    in.load = load.GetValues();
    const bool climbDescent = m_pDoc->HasOption(RTE_CLIMB_DESCENT);
    const int count = m_pDoc->GetCount();

    // Each leg burns fuel for its whole minutes at the flow that the
    // altitudes of its end (first) and start (second) call for.
    for (int i = 1; i < count && i - 1 < GetLegCount(); ++i) {
        const PackedWayReader start(m_pDoc->GetPacked(i - 1));
        const PackedWayReader end(m_pDoc->GetPacked(i));
        const CRouteLeg& leg = m_Legs[static_cast<size_t>(i - 1)];
        in.legs.push_back({leg.m_bSpeedKnown ? leg.m_dWholeTime : 0.0, climbDescent, end.AltitudeFeet(),
                           start.AltitudeFeet()});
    }
    in.tripDistanceNm = m_Results.m_dTripDistance;
    in.tripMinutes = m_Results.m_dTripTime;

    CWayPoint previous;
    m_pDoc->GetAt(count - 1, previous);
    for (int k = 0; k < GetAlternateLegCount(); ++k) {
        CWayPoint alternate;
        m_pDoc->GetAlternate(GetAlternateNumber(k), alternate);
        const CRouteLeg& leg = m_AlternateLegs[static_cast<size_t>(k)];
        FuelAlternate a;
        a.leg = {leg.m_bSpeedKnown ? leg.m_dWholeTime : 0.0, climbDescent, alternate.GetAltitudeFeet(),
                 previous.GetAltitudeFeet()};
        a.distanceNm = leg.m_bCourseKnown ? leg.m_dWholeDistance : 0.0;
        a.aerodrome = AerodromeFromLocation(alternate);
        in.alternates.push_back(a);
        previous = alternate;
    }

    if (count > 0) {
        in.departure = AerodromeFromLocation(m_pDoc->GetWayPoint(0));
        in.destination = AerodromeFromLocation(m_pDoc->GetWayPoint(count - 1));
    }
    in.departureWeather = weather.GetDepartureConditions();
    in.destinationWeather = weather.GetDestinationConditions();
    const CCalcDoc& calc = *theCalcDoc();
    in.presets = FuelPresetsOf(calc);
    in.dayOfYear = FlightDayOfYear(calc);
}

void CRouteCalc::RestoreModified() {
    m_pDoc->SetModifiedFlag(m_bSavedModified);
}

// ---- results -----------------------------------------------------------------------------------

CRouteLeg CRouteCalc::GetLeg(int index) const {
    if (index < 1 || index > GetLegCount()) return CRouteLeg();
    return m_Legs[static_cast<size_t>(index - 1)];
}

CRouteLeg CRouteCalc::GetAlternateLeg(int entry) const {
    if (entry < 0 || entry >= GetAlternateLegCount()) return CRouteLeg();
    return m_AlternateLegs[static_cast<size_t>(entry)];
}

int CRouteCalc::GetAlternateNumber(int entry) const {
    if (entry < 0 || entry >= static_cast<int>(m_AlternateNumbers.size())) return 0;
    return m_AlternateNumbers[static_cast<size_t>(entry)];
}

std::unique_ptr<CRouteCalc> CreateRouteCalc(CWayDoc& doc) {
    return std::make_unique<CRouteCalc>(doc);
}
