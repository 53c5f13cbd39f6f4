#include "core/units.h"

#include <array>
#include <cmath>

#include "core/archive.h"
#include "platform/numtext.h"
#include "platform/prompt.h"
#include "platform/rounding.h"

namespace {

enum class Family { None, Length, Speed, Volume, Mass, Pressure, Temperature, Frequency };

struct UnitInfo {
    const char* codeName;
    const char* shortName;
    Family family;
    double factor;  // to the family's base unit
};

// Indexed by unit code 0..28. The factors are the program's own (a statute
// mile is 1609 m, a mile per hour 1.609 km/h).
constexpr std::array<UnitInfo, 29> kUnits{{
    {"", "", Family::None, 1.0},
    {"DIM_FEET", "ft", Family::Length, 0.3048},
    {"DIM_YARD", "", Family::Length, 0.9144},
    {"DIM_METER", "m", Family::Length, 1.0},
    {"DIM_KM", "km", Family::Length, 1000.0},
    {"DIM_STM", "stm", Family::Length, 1609.0},
    {"DIM_NM", "NM", Family::Length, 1852.0},
    {"DIM_FL", "FL", Family::None, 1.0},
    {"DIM_FTPM", "ft/min", Family::Speed, 0.018288},
    {"DIM_KMH", "km/h", Family::Speed, 1.0},
    {"DIM_MPH", "mph", Family::Speed, 1.609},
    {"DIM_KT", "kt", Family::Speed, 1.852},
    {"DIM_MPS", "m/s", Family::Speed, 3.6},
    {"DIM_USQRT", "US Quarts", Family::Volume, 0.95},
    {"DIM_LITER", "Liter", Family::Volume, 1.0},
    {"DIM_BRQRT", "Br.Quarts", Family::Volume, 1.14},
    {"DIM_USGAL", "US Gall.", Family::Volume, 3.7853},
    {"DIM_BRGAL", "Br.Gall.", Family::Volume, 4.5459},
    {"DIM_POUNDS", "lbs", Family::Mass, 0.45359},
    {"DIM_KG", "kg", Family::Mass, 1.0},
    {"DIM_HPA", "hPa", Family::Pressure, 1.0},
    {"DIM_MMHG", "mmHg", Family::Pressure, 1.3331579},
    {"DIM_INCHHG", "InHg", Family::Pressure, 33.862211},
    {"DIM_F", "F", Family::Temperature, 1.0},
    {"DIM_C", "C", Family::Temperature, 1.0},
    {"DIM_CM", "cm", Family::Length, 0.01},
    {"DIM_INCH", "Inch", Family::Length, 0.0254},
    {"DIM_KHZ", "kHz", Family::Frequency, 1.0},
    {"DIM_MHZ", "MHz", Family::Frequency, 1000.0},
}};

const UnitInfo* info(int unit) {
    if (unit < 0 || unit >= static_cast<int>(kUnits.size())) return nullptr;
    return &kUnits[static_cast<size_t>(unit)];
}

bool inFamily(int unit, Family family) {
    const UnitInfo* u = info(unit);
    return u && u->family == family;
}

// value x factor(from) / factor(to) inside one family; a foreign code leaves
// the value unchanged.
double convertInFamily(double value, int from, int to, Family family) {
    if (from == to) return value;
    if (!inFamily(from, family) || !inFamily(to, family)) return value;
    return value * info(from)->factor / info(to)->factor;
}

// Selector lists of the parameter types, in selector order.
constexpr int16_t kAltitudeUnits[] = {DIM_FEET, DIM_METER};
constexpr int16_t kDistanceUnits[] = {DIM_NM, DIM_KM, DIM_STM};
constexpr int16_t kSpeedUnits[] = {DIM_KT, DIM_KMH, DIM_MPH};
constexpr int16_t kClimbUnits[] = {DIM_FTPM, DIM_MPS};
constexpr int16_t kRunwayUnits[] = {DIM_METER, DIM_FEET};
constexpr int16_t kMassUnits[] = {DIM_KG, DIM_POUNDS};
constexpr int16_t kWindUnits[] = {DIM_KT, DIM_MPS, DIM_KMH};
constexpr int16_t kTemperatureUnits[] = {DIM_C, DIM_F};
constexpr int16_t kPressureUnits[] = {DIM_HPA, DIM_MMHG, DIM_INCHHG};
constexpr int16_t kVolumeUnits[] = {DIM_LITER, DIM_USGAL, DIM_BRGAL};
constexpr int16_t kArmUnits[] = {DIM_METER, DIM_CM, DIM_INCH};
constexpr int16_t kFrequencyUnits[] = {DIM_KHZ, DIM_MHZ};

CDimDoc defaultDimDoc;
CDimDoc* currentDimDoc = nullptr;

int16_t clampHours(long long h) {
    return clampTo<int16_t>(h);
}

}  // namespace

// ---- the units record ---------------------------------------------------------------

void CDimDoc::Serialize(CArchive& ar) {
    ar.Io(m_nAltitude);
    ar.Io(m_nDistance);
    ar.Io(m_nRunway);
    ar.Io(m_nMass);
    ar.Io(m_nWind);
    ar.Io(m_nTemperature);
    ar.Io(m_nPressure);
    ar.Io(m_nFuel);
    ar.Io(m_nArm);
    if (ar.IsStoring()) {
        ar.WriteI16(clampTo<int16_t>(m_nPositionFormat));
    } else {
        m_nPositionFormat = ar.ReadI16();
    }
}

int CDimDoc::PrefUnit(int type) const {
    switch (type) {
        case PARAM_ALTITUDE:
            return m_nAltitude;
        case PARAM_DISTANCE:
            return m_nDistance;
        case PARAM_RUNWAY:
            return m_nRunway;
        case PARAM_MASS:
            return m_nMass;
        case PARAM_WIND:
            return m_nWind;
        case PARAM_TEMPERATURE:
            return m_nTemperature;
        case PARAM_PRESSURE:
            return m_nPressure;
        case PARAM_VOLUME:
            return m_nFuel;
        case PARAM_ARM:
            return m_nArm;
        case PARAM_FREQUENCY:
            return m_nFrequency;
        default:
            return DIM_UNKNOWN;
    }
}

double CDimDoc::ConvertToPref(int type, double value, int from) const {
    const int to = PrefUnit(type);
    switch (type) {
        case PARAM_ALTITUDE:
        case PARAM_DISTANCE:
        case PARAM_RUNWAY:
        case PARAM_ARM:
            return ConvertLength(value, from, to);
        case PARAM_MASS:
            return ConvertMass(value, from, to);
        case PARAM_WIND:
            return ConvertSpeed(value, from, to);
        case PARAM_TEMPERATURE:
            return ConvertTemperature(value, from, to);
        case PARAM_PRESSURE:
            return ConvertPressure(value, from, to);
        case PARAM_VOLUME:
            return ConvertVolume(value, from, to);
        case PARAM_FREQUENCY:
            return ConvertFrequency(value, from, to);
        default:
            thePrompt().Message("ConvertToPref: Unknown Paramtype", MessageKind::Error);
            return value;
    }
}

CDimDoc* theDimDoc() {
    return currentDimDoc ? currentDimDoc : &defaultDimDoc;
}

void SetDimDoc(CDimDoc* doc) {
    currentDimDoc = doc;
}

// ---- conversions ---------------------------------------------------------------------

double ConvertLength(double value, int from, int to) {
    if (from == to) return value;
    const double f = inFamily(from, Family::Length) ? info(from)->factor : 1.0;
    const double t = inFamily(to, Family::Length) ? info(to)->factor : 1.0;
    return value * f / t;
}

double ConvertSpeed(double value, int from, int to) {
    return convertInFamily(value, from, to, Family::Speed);
}

double ConvertVolume(double value, int from, int to) {
    return convertInFamily(value, from, to, Family::Volume);
}

double ConvertMass(double value, int from, int to) {
    return convertInFamily(value, from, to, Family::Mass);
}

double ConvertPressure(double value, int from, int to) {
    return convertInFamily(value, from, to, Family::Pressure);
}

double ConvertFrequency(double value, int from, int to) {
    return convertInFamily(value, from, to, Family::Frequency);
}

double ConvertTemperature(double value, int from, int to) {
    if (from == to) return value;
    if (from == DIM_C && to == DIM_F) return value * 1.8 + 32.0;
    if (from == DIM_F && to == DIM_C) return (value - 32.0) * 0.5555555555555556;
    return value;
}

// ---- names and selectors --------------------------------------------------------------

const char* UnitName(int unit) {
    const UnitInfo* u = info(unit);
    return u ? u->shortName : "";
}

const char* UnitCodeName(int unit) {
    const UnitInfo* u = info(unit);
    return u ? u->codeName : "";
}

bool ParseUnitCode(const std::string& text, int16_t& unit) {
    unit = DIM_UNKNOWN;
    for (size_t i = 1; i < kUnits.size(); ++i) {
        if (text == kUnits[i].codeName) {
            unit = static_cast<int16_t>(i);
            break;
        }
    }
    return unit > 0;
}

std::span<const int16_t> SelectorUnits(int type) {
    switch (type) {
        case PARAM_ALTITUDE:
            return kAltitudeUnits;
        case PARAM_DISTANCE:
            return kDistanceUnits;
        case PARAM_SPEED:
            return kSpeedUnits;
        case PARAM_CLIMB:
            return kClimbUnits;
        case PARAM_RUNWAY:
            return kRunwayUnits;
        case PARAM_MASS:
            return kMassUnits;
        case PARAM_WIND:
            return kWindUnits;
        case PARAM_TEMPERATURE:
            return kTemperatureUnits;
        case PARAM_PRESSURE:
            return kPressureUnits;
        case PARAM_VOLUME:
            return kVolumeUnits;
        case PARAM_ARM:
            return kArmUnits;
        case PARAM_FREQUENCY:
            return kFrequencyUnits;
        default:
            return {};
    }
}

int UnitToIndex(int type, int unit) {
    const auto units = SelectorUnits(type);
    for (size_t i = 0; i < units.size(); ++i) {
        if (units[i] == unit) return static_cast<int>(i);
    }
    return -1;
}

int IndexToUnit(int type, int index) {
    const auto units = SelectorUnits(type);
    if (index < 0 || static_cast<size_t>(index) >= units.size()) return DIM_UNKNOWN;
    return units[static_cast<size_t>(index)];
}

int SpeedUnitFor(int distanceUnit) {
    if (distanceUnit == DIM_KM) return DIM_KMH;
    if (distanceUnit == DIM_STM) return DIM_MPH;
    return DIM_KT;
}

int DistanceUnitFor(int speedUnit) {
    if (speedUnit == DIM_KMH) return DIM_KM;
    if (speedUnit == DIM_MPH) return DIM_STM;
    return DIM_NM;
}

int ClimbUnitFor(int altitudeUnit) {
    return altitudeUnit == DIM_METER ? DIM_MPS : DIM_FTPM;
}

int AltitudeUnitFor(int climbUnit) {
    return climbUnit == DIM_MPS ? DIM_METER : DIM_FEET;
}

int CompareLengths(double a, int unitA, double b, int unitB, double marker) {
    const bool aMissing = a == marker;
    const bool bMissing = b == marker;
    if (aMissing && bMissing) return 0;
    if (aMissing) return -1;
    if (bMissing) return 1;
    const double converted = ConvertLength(a, unitA, unitB);
    if (converted - b > 0.00001) return 1;
    if (b - converted > 0.00001) return -1;
    return 0;
}

float ArmMarker(int armUnit) {
    return static_cast<float>(truncateToLong(ConvertLength(99.0, DIM_METER, armUnit)));
}

// ---- times --------------------------------------------------------------------------------

TimeParts SplitMinutes(double minutes) {
    TimeParts t;
    if (!std::isfinite(minutes)) return t;
    const double hours = std::floor(minutes / 60.0);
    const double rest = minutes - 60.0 * hours;
    const double whole = std::floor(rest);
    long long h = clampToLongLong(hours);
    long long m = clampToLongLong(whole);
    long long s = truncateToLong((rest - whole) * 60.0 + 0.5);
    if (s >= 60) {
        s -= 60;
        ++m;
    }
    if (m >= 60) {
        m -= 60;
        ++h;
    }
    t.hours = clampHours(h);
    t.minutes = static_cast<int16_t>(m);
    t.seconds = static_cast<int16_t>(s);
    return t;
}

TimeParts SplitMinutesSeconds(unsigned minutes, unsigned seconds) {
    unsigned long long m = minutes + static_cast<unsigned long long>(seconds / 60);
    TimeParts t;
    t.seconds = static_cast<int16_t>(seconds % 60);
    t.minutes = static_cast<int16_t>(m % 60);
    t.hours = clampHours(static_cast<long long>(m / 60));
    return t;
}
