#include "core/unit_fields.h"

#include <cfloat>
#include <cmath>

#include "platform/numtext.h"
#include "platform/rounding.h"

namespace {

// Readers look at no more than this many characters of a field.
constexpr size_t kFieldChars = 18;

enum class Required { Either, Always, Never };

Required requiredness(FieldKind kind) {
    switch (kind) {
        case FieldKind::RunwayLength:
        case FieldKind::Distance:
        case FieldKind::Altitude:
        case FieldKind::Volume:
        case FieldKind::Mass:
        case FieldKind::Arm:
            return Required::Either;
        case FieldKind::Frequency:
        case FieldKind::TankFill:
            return Required::Never;
        default:
            return Required::Always;
    }
}

std::string_view fieldText(std::string_view text) {
    return text.substr(0, std::min(text.size(), kFieldChars));
}

bool isBlank(std::string_view text) {
    return trimBlanks(text).empty();
}

long toLong(double v) {
    return static_cast<long>(clampTo<int32_t>(truncateToLong(v)));
}
int toInt(double v) {
    return static_cast<int>(clampTo<int32_t>(truncateToLong(v)));
}

// Converts a bound given in the kind's reference unit into the selected unit
// and rounds it as the kind's check does. Without a selector (unit < 0) the
// bound stays in the reference unit.
double convertBound(FieldKind kind, double v, int unit, int massUnit) {
    const bool hasUnit = unit >= 0;
    switch (kind) {
        case FieldKind::RunwayLength:
            return static_cast<double>(truncateToLong(hasUnit ? ConvertLength(v, DIM_METER, unit) : v));
        case FieldKind::Distance:
            return static_cast<double>(truncateToLong(hasUnit ? ConvertLength(v, DIM_NM, unit) : v));
        case FieldKind::Altitude:
            return static_cast<double>(truncateToLong(hasUnit ? ConvertLength(v, DIM_FEET, unit) : v));
        case FieldKind::Volume:
            return static_cast<double>(truncateToLong(hasUnit ? ConvertVolume(v, DIM_LITER, unit) : v));
        case FieldKind::Mass:
            return static_cast<double>(truncateToLong(hasUnit ? ConvertMass(v, DIM_KG, unit) : v));
        case FieldKind::Temperature:
            return static_cast<double>(truncateToLong(hasUnit ? ConvertTemperature(v, DIM_C, unit) : v));
        case FieldKind::WindSpeed:
        case FieldKind::Airspeed:
            return static_cast<double>(floorHalf(hasUnit ? ConvertSpeed(v, DIM_KT, unit) : v));
        case FieldKind::Arm:
            return static_cast<float>(hasUnit ? ConvertLength(v, DIM_METER, unit) : v);
        case FieldKind::Pressure:
            return static_cast<float>(hasUnit ? ConvertPressure(v, DIM_HPA, unit) : v);
        case FieldKind::ClimbRate:
            return static_cast<float>(hasUnit ? ConvertSpeed(v, DIM_FTPM, unit) : v);
        case FieldKind::Moment: {
            double m = hasUnit ? ConvertLength(v, DIM_METER, unit) : v;
            if (massUnit >= 0) m = ConvertMass(m, DIM_KG, massUnit);
            return static_cast<float>(m);
        }
        case FieldKind::Frequency:
        case FieldKind::TankFill:
        case FieldKind::Angle:
            return v;
    }
    return v;
}

std::string rangeMessage(FieldKind kind, double value, double lo, double hi, int unit, int massUnit) {
    const char* u = UnitName(unit);
    switch (kind) {
        case FieldKind::RunwayLength:
            return strFormat("Die Bahnlänge %d sollte zwischen %d und %d %s liegen!", toInt(value), toInt(lo),
                             toInt(hi), u);
        case FieldKind::Distance:
            return strFormat("Die Entfernung %ld sollte zwischen %ld und %ld %s liegen!", toLong(value),
                             toLong(lo), toLong(hi), u);
        case FieldKind::Altitude:
            return strFormat("Die Höhe %ld sollte zwischen %ld und %ld %s liegen!", toLong(value), toLong(lo),
                             toLong(hi), u);
        case FieldKind::Volume:
            return strFormat("Das Volumen %ld sollte zwischen %ld und %ld %s liegen!", toLong(value),
                             toLong(lo), toLong(hi), u);
        case FieldKind::Frequency:
            return strFormat("Die Frequenz %.3f sollte zwischen %.3f und %.3f liegen!", value, lo, hi);
        case FieldKind::Mass:
            return strFormat("Die Masse %ld sollte zwischen %ld und %ld %s liegen!", toLong(value),
                             toLong(lo), toLong(hi), u);
        case FieldKind::Arm:
            return strFormat("Der Hebelarm %.2f sollte zwischen %.2f und %.2f %s liegen!", value, lo, hi, u);
        case FieldKind::Temperature:
            return strFormat("Die Temperatur %d sollte zwischen %d und %d %s liegen!", toInt(value),
                             toInt(lo), toInt(hi), u);
        case FieldKind::Pressure:
            return strFormat("Der Luftdruck %6.2f sollte zwischen %6.2f und %6.2f %s liegen!", value, lo, hi,
                             u);
        case FieldKind::WindSpeed:
            return strFormat("Die Windgeschwindigkeit %d sollte zwischen %d und %d %s liegen!", toInt(value),
                             toInt(lo), toInt(hi), u);
        case FieldKind::Airspeed:
            return strFormat("Die Fluggeschwindigkeit %d sollte zwischen %d und %d %s liegen!", toInt(value),
                             toInt(lo), toInt(hi), u);
        case FieldKind::ClimbRate:
            return strFormat("Die Steigrate %.2f sollte zwischen %.2f und %.2f %s liegen!", value, lo, hi, u);
        case FieldKind::Moment:
            return strFormat("Das Drehmoment %.2f sollte zwischen %.2f und %.2f %s%s liegen!", value, lo, hi,
                             u, UnitName(massUnit));
        case FieldKind::TankFill:
            return strFormat("Der Tankfüllgrad %.0f sollte zwischen %.0f und %.0f liegen!", value * 100.0,
                             lo * 100.0, hi * 100.0);
        case FieldKind::Angle:
            return strFormat("Der Winkel %.1f sollte zwischen %.0f und %.0f Grad!", value, lo, hi);
    }
    return {};
}

}  // namespace

// ---- building blocks ---------------------------------------------------------------------

std::optional<int16_t> ReadInt16Field(std::string_view text, int16_t marker) {
    text = fieldText(text);
    if (isBlank(text)) return marker;
    const auto v = leadingInteger(text);
    if (!v) return std::nullopt;
    return clampTo<int16_t>(*v);
}

std::optional<int32_t> ReadInt32Field(std::string_view text, int32_t marker) {
    text = fieldText(text);
    if (isBlank(text)) return marker;
    const auto v = leadingInteger(text);
    if (!v) return std::nullopt;
    return clampTo<int32_t>(*v);
}

std::optional<double> ReadDecimalField(std::string_view text, double marker) {
    std::string s(fieldText(text));
    if (isBlank(s)) return marker;
    for (char& c : s) {
        if (c == ',') c = '.';
    }
    const auto v = leadingDouble(s);
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return *v;
}

std::string WriteWholeField(long long value, long long marker) {
    if (value == marker) return {};
    return strFormat("%lld", value);
}

std::string WriteDecimalField(double value, double marker, int decimals) {
    if (value == marker || !std::isfinite(value)) return {};
    return formatFixed(value, decimals);
}

// ---- by kind ---------------------------------------------------------------------------------

double FieldMarker(FieldKind kind, int unit) {
    switch (kind) {
        case FieldKind::RunwayLength:
            return NOVALUE_RUNWAY;
        case FieldKind::Distance:
        case FieldKind::Volume:
        case FieldKind::Mass:
            return NOVALUE_LONG;
        case FieldKind::Altitude:
            return NOVALUE_ALTITUDE;
        case FieldKind::Temperature:
        case FieldKind::WindSpeed:
        case FieldKind::Airspeed:
            return NOVALUE_SHORT;
        case FieldKind::Frequency:
        case FieldKind::Pressure:
        case FieldKind::ClimbRate:
            return NOVALUE_FLOAT;
        case FieldKind::Arm:
            return ArmMarker(unit);
        case FieldKind::Moment:
            return NOVALUE_TORQUE;
        case FieldKind::TankFill:
            return NOVALUE_FILL;
        case FieldKind::Angle:
            return NOVALUE_POSITION;
    }
    return 0.0;
}

bool IsWholeNumberKind(FieldKind kind) {
    switch (kind) {
        case FieldKind::RunwayLength:
        case FieldKind::Distance:
        case FieldKind::Altitude:
        case FieldKind::Volume:
        case FieldKind::Mass:
        case FieldKind::Temperature:
        case FieldKind::WindSpeed:
        case FieldKind::Airspeed:
            return true;
        default:
            return false;
    }
}

namespace {
bool isInt16Kind(FieldKind kind) {
    return kind == FieldKind::RunwayLength || kind == FieldKind::Temperature ||
           kind == FieldKind::WindSpeed || kind == FieldKind::Airspeed;
}
}  // namespace

int FieldDecimals(FieldKind kind, int unit) {
    switch (kind) {
        case FieldKind::Frequency:
            return 3;
        case FieldKind::Arm:
        case FieldKind::Moment:
            return 2;
        case FieldKind::ClimbRate:
        case FieldKind::Angle:
            return 1;
        case FieldKind::Pressure:
            return unit == DIM_INCHHG ? 2 : 0;
        default:
            return 0;
    }
}

std::optional<double> ReadField(FieldKind kind, std::string_view text, int unit) {
    const double marker = FieldMarker(kind, unit);
    if (IsWholeNumberKind(kind)) {
        if (isInt16Kind(kind)) {
            const auto v = ReadInt16Field(text, static_cast<int16_t>(marker));
            return v ? std::optional<double>(*v) : std::nullopt;
        }
        const auto v = ReadInt32Field(text, static_cast<int32_t>(marker));
        return v ? std::optional<double>(*v) : std::nullopt;
    }
    if (kind == FieldKind::TankFill) {
        const auto percent = ReadDecimalField(text, 0.0);
        if (!percent) return std::nullopt;
        if (isBlank(fieldText(text))) return static_cast<double>(NOVALUE_FILL);
        const double fraction = *percent * 0.01;
        if (std::fabs(fraction) > FLT_MAX) return std::nullopt;
        return static_cast<double>(static_cast<float>(fraction));
    }
    const auto v = ReadDecimalField(text, marker);
    if (!v) return std::nullopt;
    if (kind == FieldKind::Angle) return *v;
    if (std::fabs(*v) > FLT_MAX) return std::nullopt;
    return static_cast<double>(static_cast<float>(*v));
}

std::string WriteField(FieldKind kind, double value, int unit) {
    const double marker = FieldMarker(kind, unit);
    if (IsWholeNumberKind(kind)) {
        if (value == marker || !std::isfinite(value)) return {};
        return WriteWholeField(truncateToLong(value), truncateToLong(marker));
    }
    if (kind == FieldKind::TankFill) {
        if (value == marker || !std::isfinite(value)) return {};
        return formatFixed(value * 100.0, 0);
    }
    return WriteDecimalField(value, marker, FieldDecimals(kind, unit));
}

std::string MissingValueMessage(FieldKind kind, int unit) {
    const char* u = UnitName(unit);
    switch (kind) {
        case FieldKind::RunwayLength:
            return strFormat("Bitte geben Sie die Länge der Landebahn (in %s) ein!", u);
        case FieldKind::Distance:
            return strFormat("Bitte geben Sie eine Entfernung (in %s) ein!", u);
        case FieldKind::Altitude:
            return strFormat("Bitte geben Sie eine Höhe (in %s) ein!", u);
        case FieldKind::Volume:
            return strFormat("Bitte geben Sie ein Volumen (in %s) ein!", u);
        case FieldKind::Frequency:
            return "Bitte geben Sie eine Frequenz ein!";
        case FieldKind::Mass:
            return strFormat("Bitte geben Sie eine Masse (in %s) ein!", u);
        case FieldKind::Arm:
            return "Bitte geben Sie einen Hebelarm ein!";
        case FieldKind::Temperature:
            return strFormat("Bitte geben Sie eine Temperatur (in %s) ein!", u);
        case FieldKind::Pressure:
            return strFormat("Bitte geben Sie einen Luftdruck (in %s) ein!", u);
        case FieldKind::WindSpeed:
            return strFormat("Bitte geben Sie eine Windgeschwindigkeit (in %s) ein!", u);
        case FieldKind::Airspeed:
            return strFormat("Bitte geben Sie eine Fluggeschwindigkeit (in %s) ein!", u);
        case FieldKind::ClimbRate:
            return strFormat("Bitte geben Sie eine Steigrate (in %s) ein!", u);
        case FieldKind::Moment:
            return "Bitte geben Sie ein Drehmoment ein!";
        // A tank fill is never required; this text is only for a fill that
        // is no number.
        case FieldKind::TankFill:
            return "Bitte geben Sie einen Tankfüllgrad (in %) ein!";
        case FieldKind::Angle:
            return "Bitte geben Sie einen Winkel (in Grad) ein!";
    }
    return {};
}

FieldCheck CheckField(FieldKind kind, double value, bool required, double min, double max, int unit,
                      int massUnit) {
    switch (requiredness(kind)) {
        case Required::Always:
            required = true;
            break;
        case Required::Never:
            required = false;
            break;
        case Required::Either:
            break;
    }
    if (value == FieldMarker(kind, unit)) {
        if (!required) return {};
        return {false, MissingValueMessage(kind, unit)};
    }
    if (!std::isfinite(value)) return {false, MissingValueMessage(kind, unit)};

    const double lo = convertBound(kind, min, unit, massUnit);
    const double hi = convertBound(kind, max, unit, massUnit);
    bool inside;
    switch (kind) {
        case FieldKind::TankFill:
            inside = !(value < lo - 0.0001 || value > hi + 0.0001);
            break;
        case FieldKind::Arm:
        case FieldKind::Pressure:
        case FieldKind::ClimbRate:
        case FieldKind::Moment:
        case FieldKind::Frequency: {
            const float v = static_cast<float>(value);
            inside = static_cast<float>(lo) <= v && v <= static_cast<float>(hi);
            break;
        }
        default:
            inside = lo <= value && value <= hi;
            break;
    }
    if (inside) return {};
    return {false, rangeMessage(kind, value, lo, hi, unit, massUnit)};
}

FieldCheck CheckFieldPresent(FieldKind kind, double value, bool required, int unit) {
    if (!std::isfinite(value)) return {false, MissingValueMessage(kind, unit)};
    if (value != FieldMarker(kind, unit)) return {};
    const Required r = requiredness(kind);
    if (r == Required::Always || (r == Required::Either && required))
        return {false, MissingValueMessage(kind, unit)};
    return {};
}

// ---- plain (dimensionless) fields --------------------------------------------------------

std::string IntegerMessage() {
    return "Bitte geben Sie eine ganze Zahl ein.";
}

std::string IntegerRangeMessage(long long min, long long max) {
    return strFormat("Bitte geben Sie eine ganze Zahl zwischen %lld und %lld ein.", min, max);
}

std::string NumberMessage() {
    return "Bitte geben Sie eine Zahl ein.";
}

std::string NumberRangeMessage(double min, double max) {
    return strFormat("Bitte geben Sie eine Zahl zwischen %.15g und %.15g ein.", min, max);
}

std::string TextLengthMessage(int maxChars) {
    return strFormat("Bitte geben Sie nicht mehr als %d Zeichen ein.", maxChars);
}

PlainFieldValue<long long> ReadIntegerField(std::string_view text, long long min, long long max) {
    const auto v = parseInteger(text);
    if (!v) return {std::nullopt, IntegerMessage()};
    if (*v < min || *v > max) return {std::nullopt, IntegerRangeMessage(min, max)};
    return {*v, {}};
}

PlainFieldValue<double> ReadNumberField(std::string_view text, double min, double max) {
    std::string s(text);
    for (char& c : s) {
        if (c == ',') c = '.';
    }
    const auto v = parseDouble(s);
    if (!v || !std::isfinite(*v)) return {std::nullopt, NumberMessage()};
    if (*v < min || *v > max) return {std::nullopt, NumberRangeMessage(min, max)};
    return {*v, {}};
}
