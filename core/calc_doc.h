#pragma once
// Computation presets: the flight date for the sun times, the thresholds of
// the route transformations, the preferred cruise altitude, the time
// allowances of the fuel plan and the permitted detour of auto-routing.

#include <cstdint>
#include <ctime>

#include "core/units.h"
#include "platform/document.h"

class CArchive;

class CCalcDoc : public CDocument {
public:
    CCalcDoc();

    int64_t m_tFlightDate;            // seconds since 1970; not stored
    int16_t m_nClimbThreshold = 1500;
    int16_t m_nClimbThresholdUnit = DIM_FEET;
    int16_t m_nSemicircleThreshold = 2500;
    int16_t m_nSemicircleThresholdUnit = DIM_FEET;
    int16_t m_nGreatCircleThreshold = 1000;
    int16_t m_nGreatCircleThresholdUnit = DIM_NM;
    int16_t m_nAutoRouteThreshold = 40;
    int16_t m_nAutoRouteThresholdUnit = DIM_NM;
    int16_t m_nCruiseAltitude = 4500;
    int16_t m_nCruiseAltitudeUnit = DIM_FEET;
    int16_t m_nTaxiTime = 10;
    int16_t m_nApproachTime = 10;
    int16_t m_nReserveTime = 30;
    int32_t m_nDetour = 3;  // 2 "Groß", 3 "Mittel", 4 "Klein"

    struct Date {
        int day;
        int month;  // 1..12
        int year;   // four digits
    };
    // The flight date in local time.
    Date GetFlightDate() const;
    // The day at 12:00:00 local standard time. Returns false (and changes
    // nothing) for a date that is not a real calendar date of 1990..2099.
    bool SetFlightDate(int day, int month, int year);
    void ResetFlightDate();
    static bool IsValidDate(int day, int month, int year);

    // The preferred cruise altitude in `unit`, rounded (add 0.5, truncate).
    long GetCruiseAltitude(int unit) const;

    // Resets every field but the flight date to its default.
    void ResetToDefaults();

    // 14 int16 values: four thresholds with their units, the detour (low 16
    // bits), taxi, approach and reserve times, and the cruise altitude with
    // its unit. Files of version 30 and lower end before the cruise altitude,
    // which then becomes 4500 ft.
    void Serialize(CArchive& ar, int fileVersion);
};

CCalcDoc* theCalcDoc();
void SetCalcDoc(CCalcDoc* doc);
