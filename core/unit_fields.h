#pragma once
// Reading, writing and checking dimensioned values in dialog fields.
//
// Every function here is pure: the dialog passes the text of the field and
// the unit code its selector shows (DIM_UNKNOWN, i.e. -1, when the field has
// no selector or nothing is selected: the unit name is then empty, and a
// check compares with the range as the caller gave it). A check returns the
// German message the dialog shows when it fails. Numbers are read and written
// independently of the locale; "," in a decimal field counts as ".".
//
// Field kinds and how they are stored:
//   RunwayLength, Temperature, WindSpeed, Airspeed   int16 whole numbers
//   Distance, Altitude, Volume, Mass                 int32 whole numbers
//   Frequency (3 decimals), Pressure (2 decimals in InHg, else 0),
//   Arm (2), ClimbRate (1), Moment (2)               float decimals
//   TankFill                                         float fraction, shown as percent
//   Angle (1 decimal)                                double
// Latitudes, longitudes and variations are position texts (position_text.h).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/units.h"

enum class FieldKind {
    RunwayLength,
    Distance,
    Altitude,
    Volume,
    Frequency,
    Mass,
    Arm,
    Temperature,
    Pressure,
    WindSpeed,
    Airspeed,
    ClimbRate,
    Moment,
    TankFill,
    Angle,
};

// The outcome of a field check: ok, or the message to show.
struct FieldCheck {
    bool ok = true;
    std::string message;
    explicit operator bool() const { return ok; }
};

// ---- building blocks -----------------------------------------------------------------
// Each reader looks at the first 18 characters of the field. An empty (or
// blank) field gives the marker; text without a leading number gives no
// value (invalid input). Whole numbers take the leading whole number and are
// clamped to their width.
std::optional<int16_t> ReadInt16Field(std::string_view text, int16_t marker);
std::optional<int32_t> ReadInt32Field(std::string_view text, int32_t marker);
std::optional<double> ReadDecimalField(std::string_view text, double marker);

// "%d", or empty for the marker.
std::string WriteWholeField(long long value, long long marker);
// Fixed point with the given decimals, or empty for the marker (and for a
// value that is not finite).
std::string WriteDecimalField(double value, double marker, int decimals);

// ---- by kind -----------------------------------------------------------------------------
// The no-value marker of a kind; for an arm the arm marker of its unit.
double FieldMarker(FieldKind kind, int unit);
// True for the kinds stored as whole numbers.
bool IsWholeNumberKind(FieldKind kind);
// Decimals written for a kind (0 for whole numbers; a pressure has 2 in InHg
// and none otherwise).
int FieldDecimals(FieldKind kind, int unit);

// The value of a field in its stored form (whole numbers clamped to their
// width, decimals in float precision except angles, a tank fill as the
// fraction percent x 0.01). An empty field gives the kind's marker; text that
// reads as no number, or a decimal beyond the float range, gives no value.
std::optional<double> ReadField(FieldKind kind, std::string_view text, int unit);
// The text of a value; empty for the kind's marker.
std::string WriteField(FieldKind kind, double value, int unit);

// The "Bitte geben Sie ..." message of a kind: shown when a required field is
// empty and when a field holds text that is no number.
std::string MissingValueMessage(FieldKind kind, int unit);

// Checks a value read from a field against min..max, which the caller gives
// in the kind's reference unit (runway m, distance NM, altitude ft, volume
// Liter, mass kg, arm m, temperature C, pressure hPa, wind and airspeed kt,
// climb ft/min, moment m*kg, tank fill as a fraction, angle degrees; a
// frequency range is used as given). The bounds are converted into the
// selected unit (for a moment: arm unit, then mass unit) and compared with the
// value, which is in that unit.
//
// The marker fails a required field with the missing-value message and
// passes an optional one. Temperatures, pressures, speeds, climb rates,
// moments and angles are always required; frequencies and tank fills never.
FieldCheck CheckField(FieldKind kind, double value, bool required, double min, double max, int unit,
                      int massUnit = DIM_UNKNOWN);
// The part of CheckField for a field without a range: only the marker in a
// required field fails (kinds that are always or never required are so here
// too).
FieldCheck CheckFieldPresent(FieldKind kind, double value, bool required, int unit);

// ---- plain (dimensionless) fields ----------------------------------------------------
// Whole numbers, decimal numbers and texts without a unit, read and checked
// as the dialogs do it. Each reader takes the whole text (blanks around it
// allowed); empty text, text that is no number or a number outside min..max
// gives no value and the German message to show.

// The value of a plain field, or the message why there is none.
template <typename T>
struct PlainFieldValue {
    std::optional<T> value;
    std::string message;
    explicit operator bool() const { return value.has_value(); }
};

// "Bitte geben Sie eine ganze Zahl ein." / "... zwischen %d und %d ein."
std::string IntegerMessage();
std::string IntegerRangeMessage(long long min, long long max);
// "Bitte geben Sie eine Zahl ein." / "... zwischen %s und %s ein." (bounds
// without trailing zeros: "0" and "20", "-90" and "90", "0.5" and "1.5").
std::string NumberMessage();
std::string NumberRangeMessage(double min, double max);
// "Bitte geben Sie nicht mehr als %d Zeichen ein."
std::string TextLengthMessage(int maxChars);

// A whole number within min..max. A number that does not fit fails with the
// range message, it is never clamped into range silently.
PlainFieldValue<long long> ReadIntegerField(std::string_view text, long long min, long long max);
// A decimal number within min..max; "," counts as ".". Infinite and
// not-a-number values fail.
PlainFieldValue<double> ReadNumberField(std::string_view text, double min, double max);
