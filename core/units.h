#pragma once
// Unit codes, parameter types, the user's preferred units (CDimDoc) and the
// conversions between units. Every other part of the program converts
// through these functions and never carries its own factors.

#include <cstdint>
#include <span>
#include <string>

#include "platform/document.h"

class CArchive;

// ---- unit codes (16-bit; 0 = no unit, -1 = unknown) ------------------------
enum : int16_t {
    DIM_NONE = 0,
    DIM_FEET = 1,
    DIM_YARD = 2,
    DIM_METER = 3,
    DIM_KM = 4,
    DIM_STM = 5,
    DIM_NM = 6,
    DIM_FL = 7,
    DIM_FTPM = 8,
    DIM_KMH = 9,
    DIM_MPH = 10,
    DIM_KT = 11,
    DIM_MPS = 12,
    DIM_USQRT = 13,
    DIM_LITER = 14,
    DIM_BRQRT = 15,
    DIM_USGAL = 16,
    DIM_BRGAL = 17,
    DIM_POUNDS = 18,
    DIM_KG = 19,
    DIM_HPA = 20,
    DIM_MMHG = 21,
    DIM_INCHHG = 22,
    DIM_F = 23,
    DIM_C = 24,
    DIM_CM = 25,
    DIM_INCH = 26,
    DIM_KHZ = 27,
    DIM_MHZ = 28,
    DIM_UNKNOWN = -1,
};

// ---- parameter types ---------------------------------------------------------
enum Paramtype : int {
    PARAM_ALTITUDE = 0,
    PARAM_DISTANCE = 1,
    PARAM_SPEED = 2,
    PARAM_CLIMB = 3,
    PARAM_RUNWAY = 4,
    PARAM_MASS = 5,
    PARAM_WIND = 6,
    PARAM_TEMPERATURE = 7,
    PARAM_PRESSURE = 8,
    PARAM_VOLUME = 9,
    PARAM_ARM = 10,
    PARAM_FREQUENCY = 11,
};

// ---- no-value markers ----------------------------------------------------------
constexpr int32_t NOVALUE_ALTITUDE = 6250335;
constexpr int32_t NOVALUE_LONG = -1;
constexpr int16_t NOVALUE_RUNWAY = 1;
constexpr int16_t NOVALUE_SHORT = 32767;
constexpr float NOVALUE_FLOAT = 0.0f;
constexpr double NOVALUE_POSITION = 1000.0;
constexpr float NOVALUE_FILL = -1.0f;
constexpr float NOVALUE_TORQUE = -1.0f;

// ---- the user's preferred units ----------------------------------------------------
class CDimDoc : public CDocument {
public:
    int16_t m_nAltitude = DIM_FEET;
    int16_t m_nDistance = DIM_NM;
    int16_t m_nRunway = DIM_METER;
    int16_t m_nMass = DIM_KG;
    int16_t m_nWind = DIM_KT;
    int16_t m_nTemperature = DIM_C;
    int16_t m_nPressure = DIM_HPA;
    int16_t m_nFuel = DIM_LITER;
    int16_t m_nArm = DIM_METER;
    int16_t m_nFrequency = DIM_MHZ;  // not offered, not stored
    int32_t m_nPositionFormat = 0;   // 0: degrees, minutes, seconds; 1: degrees, decimal minutes

    // The settings record: ten int16 values, the last widened to the
    // position format. The frequency unit is not stored.
    void Serialize(CArchive& ar);

    // Converts `value` given in `from` into the preferred unit of `type`.
    // Types without a preferred unit (speed, climb, unknown) show
    // "ConvertToPref: Unknown Paramtype" and return the value unchanged.
    double ConvertToPref(int type, double value, int from) const;
    // The preferred unit of a parameter type; DIM_UNKNOWN when it has none.
    int PrefUnit(int type) const;
};

// The units record in use (set at start-up; a default record until then).
// SetDimDoc(nullptr) goes back to the default record.
CDimDoc* theDimDoc();
void SetDimDoc(CDimDoc* doc);

// ---- conversions ---------------------------------------------------------------
// value x factor(from) / factor(to) with the factors of the unit table; equal
// codes return the value unchanged. In the length family every code without a
// length factor (FL, unknown, 0, -1, ...) counts as 1 (the metre). The other
// families know only their own codes: a code outside the family leaves the
// value unchanged.
double ConvertLength(double value, int from, int to);
double ConvertSpeed(double value, int from, int to);
double ConvertVolume(double value, int from, int to);
double ConvertMass(double value, int from, int to);
double ConvertPressure(double value, int from, int to);
// Celsius to Fahrenheit (value x 1.8 + 32) and back ((value - 32) x 5/9).
// Equal codes, or a code other than DIM_C/DIM_F, leave the value unchanged.
double ConvertTemperature(double value, int from, int to);
// kHz and MHz (factor 1000); other codes leave the value unchanged.
double ConvertFrequency(double value, int from, int to);

// ---- names and unit selectors ---------------------------------------------------------
// The short name shown for a unit ("ft", "NM", "US Gall.", ...); empty for
// DIM_YARD, 0 and unknown codes.
const char* UnitName(int unit);
// The code name of a unit ("DIM_FEET"); empty for codes outside 1..28.
const char* UnitCodeName(int unit);
// The code whose DIM_ name is exactly `text` (case-sensitive). Returns true
// for a code greater than 0; `unit` is DIM_UNKNOWN when none matches.
bool ParseUnitCode(const std::string& text, int16_t& unit);

// The units a selector of a parameter type offers, in selector order (empty
// for an unknown type). Their names come from UnitName.
std::span<const int16_t> SelectorUnits(int type);
// The 0-based selector position of a unit for a type; -1 when the type's
// list does not hold it.
int UnitToIndex(int type, int unit);
// The unit at a selector position of a type; DIM_UNKNOWN outside the list.
int IndexToUnit(int type, int index);

// Derived units: the speed unit of a distance unit (km -> km/h, stm -> mph,
// otherwise kt) and back (km/h -> km, mph -> stm, otherwise NM); the climb
// unit of an altitude unit (m -> m/s, otherwise ft/min) and back.
int SpeedUnitFor(int distanceUnit);
int DistanceUnitFor(int speedUnit);
int ClimbUnitFor(int altitudeUnit);
int AltitudeUnitFor(int climbUnit);

// Compares two lengths in their units: 0 when both are the marker, -1 when
// only a is, 1 when only b is; otherwise a converted into unitB is compared
// with b with a tolerance of 0.00001 (1: a larger, -1: b larger, 0: equal).
int CompareLengths(double a, int unitA, double b, int unitB, double marker);

// The arm marker of an arm unit: 99 m in that unit, truncated (99 for m,
// 9900 for cm, 3897 for Inch). An arm holding it is "not given".
float ArmMarker(int armUnit);

// ---- times ----------------------------------------------------------------------------
struct TimeParts {
    int16_t hours = 0;
    int16_t minutes = 0;
    int16_t seconds = 0;
};
// Minutes as hours, minutes and rounded seconds (seconds of 60 carry into the
// minutes, 60 minutes into the hours). Hours are clamped to the 16-bit range;
// a non-finite value gives 0:00:00.
TimeParts SplitMinutes(double minutes);
// Whole minutes and seconds normalised: whole minutes out of the seconds,
// then whole hours out of the minutes (hours clamped to the 16-bit range).
TimeParts SplitMinutesSeconds(unsigned minutes, unsigned seconds);
