#include "core/calc_doc.h"

#include "core/archive.h"
#include "platform/clock.h"
#include "platform/rounding.h"

CCalcDoc::CCalcDoc() : m_tFlightDate(theClock().Now()) {}

CCalcDoc::Date CCalcDoc::GetFlightDate() const {
    const time_t t = static_cast<time_t>(m_tFlightDate);
    struct tm local {};
    localtime_r(&t, &local);
    return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

bool CCalcDoc::IsValidDate(int day, int month, int year) {
    if (year < 1990 || year > 2099 || month < 1 || month > 12 || day < 1) return false;
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int last = days[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= last;
}

bool CCalcDoc::SetFlightDate(int day, int month, int year) {
    if (!IsValidDate(day, month, year)) return false;
    struct tm local {};
    local.tm_mday = day;
    local.tm_mon = month - 1;
    local.tm_year = year - 1900;
    local.tm_hour = 12;
    local.tm_isdst = 0;  // local standard time
    m_tFlightDate = static_cast<int64_t>(mktime(&local));
    return true;
}

void CCalcDoc::ResetFlightDate() { m_tFlightDate = theClock().Now(); }

long CCalcDoc::GetCruiseAltitude(int unit) const {
    return static_cast<long>(addHalfTruncate(ConvertLength(m_nCruiseAltitude, m_nCruiseAltitudeUnit, unit)));
}

void CCalcDoc::ResetToDefaults() {
    const int64_t date = m_tFlightDate;
    CCalcDoc defaults;
    m_nClimbThreshold = defaults.m_nClimbThreshold;
    m_nClimbThresholdUnit = defaults.m_nClimbThresholdUnit;
    m_nSemicircleThreshold = defaults.m_nSemicircleThreshold;
    m_nSemicircleThresholdUnit = defaults.m_nSemicircleThresholdUnit;
    m_nGreatCircleThreshold = defaults.m_nGreatCircleThreshold;
    m_nGreatCircleThresholdUnit = defaults.m_nGreatCircleThresholdUnit;
    m_nAutoRouteThreshold = defaults.m_nAutoRouteThreshold;
    m_nAutoRouteThresholdUnit = defaults.m_nAutoRouteThresholdUnit;
    m_nCruiseAltitude = defaults.m_nCruiseAltitude;
    m_nCruiseAltitudeUnit = defaults.m_nCruiseAltitudeUnit;
    m_nTaxiTime = defaults.m_nTaxiTime;
    m_nApproachTime = defaults.m_nApproachTime;
    m_nReserveTime = defaults.m_nReserveTime;
    m_nDetour = defaults.m_nDetour;
    m_tFlightDate = date;
}

void CCalcDoc::Serialize(CArchive& ar, int fileVersion) {
    ar.Io(m_nClimbThreshold);
    ar.Io(m_nClimbThresholdUnit);
    ar.Io(m_nSemicircleThreshold);
    ar.Io(m_nSemicircleThresholdUnit);
    ar.Io(m_nGreatCircleThreshold);
    ar.Io(m_nGreatCircleThresholdUnit);
    ar.Io(m_nAutoRouteThreshold);
    ar.Io(m_nAutoRouteThresholdUnit);
    int16_t detour = static_cast<int16_t>(m_nDetour & 0xFFFF);
    ar.Io(detour);
    if (ar.IsLoading()) m_nDetour = detour;
    ar.Io(m_nTaxiTime);
    ar.Io(m_nApproachTime);
    ar.Io(m_nReserveTime);
    if (ar.IsStoring() || fileVersion > 30) {
        ar.Io(m_nCruiseAltitude);
        ar.Io(m_nCruiseAltitudeUnit);
    } else {
        m_nCruiseAltitude = 4500;
        m_nCruiseAltitudeUnit = DIM_FEET;
    }
}

namespace {
CCalcDoc* currentCalcDoc = nullptr;
}

CCalcDoc* theCalcDoc() {
    static CCalcDoc defaults;
    return currentCalcDoc ? currentCalcDoc : &defaults;
}

void SetCalcDoc(CCalcDoc* doc) { currentCalcDoc = doc; }
