#include "aircraft/plane_dump.h"

#include <cmath>
#include <functional>
#include <optional>
#include <set>
#include <sstream>

#include "platform/encoding.h"
#include "platform/numtext.h"

namespace {

enum class Type { Text, Unit, Int16, Int32, Float };

using Ref = std::function<void*(CPlane&)>;
using Label = std::function<std::string(const CPlane&)>;
using MarkerOf = std::function<std::optional<float>(const CPlane&)>;

struct Field {
    std::string key;
    Type type;
    Ref ref;
    Label unit;          // empty function: no unit
    MarkerOf marker;     // empty function: no "not given" value
    size_t textBytes = 0;  // width of a text field including its terminator
    CodePage codePage = CodePage::Windows1252;
    bool isArm = false;  // an arm left out of the text is "not given" in its unit
};

template <typename T>
Ref member(T CPlane::*m) {
    return [m](CPlane& p) -> void* { return &(p.*m); };
}

Label unitOf(int16_t CPlane::*m) {
    return [m](const CPlane& p) { return std::string(UnitName(p.*m)); };
}

MarkerOf fixedMarker(float value) {
    return [value](const CPlane&) { return std::optional<float>(value); };
}

MarkerOf armMarkerOf(int16_t CPlane::*m) {
    return [m](const CPlane& p) { return std::optional<float>(ArmMarker(p.*m)); };
}

std::string number(int i) { return std::to_string(i); }

// All fields in record order.
const std::vector<Field>& fields() {
    static const std::vector<Field> table = [] {
        std::vector<Field> f;
        const Label speed = [](const CPlane& p) { return std::string(UnitName(SpeedUnitFor(p.m_nSpeedUnit))); };
        const Label rate = [](const CPlane& p) { return std::string(UnitName(ClimbUnitFor(p.m_nClimbUnit))); };
        const Label flow = [](const CPlane& p) { return std::string(UnitName(p.m_nFuelUnit)) + "/h"; };
        const Label moment = [](const CPlane& p) {
            return std::string(UnitName(p.m_nCgArmUnit)) + UnitName(p.m_nCgMassUnit);
        };
        const MarkerOf mass = fixedMarker(CPlane::kMassNotGiven);
        const MarkerOf distance = fixedMarker(CPlane::kDistanceNotGiven);
        const MarkerOf volume = fixedMarker(CPlane::kVolumeNotGiven);

        f.push_back({"name", Type::Text, member(&CPlane::m_strName), {}, {}, CPlane::kNameBytes, CodePage::Cp850});
        f.push_back({"speed_unit", Type::Unit, member(&CPlane::m_nSpeedUnit), {}, {}});
        f.push_back({"climb_unit", Type::Unit, member(&CPlane::m_nClimbUnit), {}, {}});
        f.push_back({"fuel_unit", Type::Unit, member(&CPlane::m_nFuelUnit), {}, {}});
        f.push_back({"cruise_speed", Type::Float, member(&CPlane::m_fCruiseSpeed), speed, {}});
        f.push_back({"cruise_fuel_flow", Type::Float, member(&CPlane::m_fCruiseFlow), flow, {}});
        f.push_back({"climb_speed", Type::Float, member(&CPlane::m_fClimbSpeed), speed, {}});
        f.push_back({"climb_fuel_flow", Type::Float, member(&CPlane::m_fClimbFlow), flow, {}});
        f.push_back({"climb_rate", Type::Float, member(&CPlane::m_fClimbRate), rate, {}});
        f.push_back({"descent_speed", Type::Float, member(&CPlane::m_fDescentSpeed), speed, {}});
        f.push_back({"descent_fuel_flow", Type::Float, member(&CPlane::m_fDescentFlow), flow, {}});
        f.push_back({"descent_rate", Type::Float, member(&CPlane::m_fDescentRate), rate, {}});
        f.push_back({"table_mass_unit", Type::Unit, member(&CPlane::m_nTableMassUnit), {}, {}});
        f.push_back({"table_length_unit", Type::Unit, member(&CPlane::m_nTableLengthUnit), {}, {}});

        const Label tableMass = unitOf(&CPlane::m_nTableMassUnit);
        const Label tableLength = unitOf(&CPlane::m_nTableLengthUnit);
        const auto addTable = [&](const std::string& prefix, CPlaneDistances CPlane::*table,
                                  int16_t CPlane::*reserved) {
            f.push_back({"reserved_" + prefix, Type::Int16, member(reserved), {}, {}});
            const char* which[2] = {"max", "min"};
            for (int i = 0; i < 2; ++i) {
                f.push_back({prefix + "_mass_" + which[i], Type::Float,
                             [table, i](CPlane& p) -> void* { return &(p.*table).m_fMass[i]; }, tableMass, mass});
            }
            for (int i = 0; i < 2; ++i) {
                f.push_back({prefix + "_roll_" + which[i], Type::Float,
                             [table, i](CPlane& p) -> void* { return &(p.*table).m_fRoll[i]; }, tableLength,
                             distance});
            }
            for (int i = 0; i < 2; ++i) {
                f.push_back({prefix + "_obstacle_" + which[i], Type::Float,
                             [table, i](CPlane& p) -> void* { return &(p.*table).m_fObstacle[i]; }, tableLength,
                             distance});
            }
        };
        addTable("takeoff", &CPlane::m_TakeOff, &CPlane::m_nReservedTakeOff);
        addTable("landing", &CPlane::m_Landing, &CPlane::m_nReservedLanding);

        const Label loadArm = unitOf(&CPlane::m_nLoadArmUnit);
        const MarkerOf loadArmMarker = armMarkerOf(&CPlane::m_nLoadArmUnit);
        f.push_back({"load_arm_unit", Type::Unit, member(&CPlane::m_nLoadArmUnit), {}, {}});
        f.push_back({"seat_rows", Type::Int16, member(&CPlane::m_nSeatRows), {}, {}});
        for (int i = 0; i < CPlane::kSeatRows; ++i) {
            Field field{"seat_arm_" + number(i + 1), Type::Float,
                        [i](CPlane& p) -> void* { return &p.m_fSeatArm[static_cast<size_t>(i)]; }, loadArm,
                        loadArmMarker};
            field.isArm = true;
            f.push_back(field);
        }
        f.push_back({"baggage_compartments", Type::Int16, member(&CPlane::m_nBaggageCompartments), {}, {}});
        for (int i = 0; i < CPlane::kBaggageCompartments; ++i) {
            Field field{"baggage_arm_" + number(i + 1), Type::Float,
                        [i](CPlane& p) -> void* { return &p.m_fBaggageArm[static_cast<size_t>(i)]; }, loadArm,
                        loadArmMarker};
            field.isArm = true;
            f.push_back(field);
        }

        const Label tankVolume = unitOf(&CPlane::m_nTankVolumeUnit);
        const Label tankArm = unitOf(&CPlane::m_nTankArmUnit);
        f.push_back({"tank_volume_unit", Type::Unit, member(&CPlane::m_nTankVolumeUnit), {}, {}});
        f.push_back({"tank_arm_unit", Type::Unit, member(&CPlane::m_nTankArmUnit), {}, {}});
        f.push_back({"tanks", Type::Int16, member(&CPlane::m_nTanks), {}, {}});
        for (int i = 0; i < CPlane::kTanks; ++i) {
            f.push_back({"tank_usable_" + number(i + 1), Type::Float,
                         [i](CPlane& p) -> void* { return &p.m_fTankUsable[static_cast<size_t>(i)]; }, tankVolume,
                         volume});
        }
        for (int i = 0; i < CPlane::kTanks; ++i) {
            f.push_back({"tank_unusable_" + number(i + 1), Type::Float,
                         [i](CPlane& p) -> void* { return &p.m_fTankUnusable[static_cast<size_t>(i)]; },
                         tankVolume, volume});
        }
        for (int i = 0; i < CPlane::kTanks; ++i) {
            Field field{"tank_arm_" + number(i + 1), Type::Float,
                        [i](CPlane& p) -> void* { return &p.m_fTankArm[static_cast<size_t>(i)]; }, tankArm,
                        armMarkerOf(&CPlane::m_nTankArmUnit)};
            field.isArm = true;
            f.push_back(field);
        }
        f.push_back({"cost", Type::Int16, member(&CPlane::m_nCost), [](const CPlane&) { return std::string("/h"); },
                     {}});

        const Label cgMass = unitOf(&CPlane::m_nCgMassUnit);
        const Label cgArm = unitOf(&CPlane::m_nCgArmUnit);
        const MarkerOf cgArmMarker = armMarkerOf(&CPlane::m_nCgArmUnit);
        f.push_back({"cg_mass_unit", Type::Unit, member(&CPlane::m_nCgMassUnit), {}, {}});
        f.push_back({"cg_arm_unit", Type::Unit, member(&CPlane::m_nCgArmUnit), {}, {}});
        f.push_back({"empty_mass", Type::Float, member(&CPlane::m_fEmptyMass), cgMass, mass});
        f.push_back({"empty_moment", Type::Float, member(&CPlane::m_fEmptyMoment), moment, mass});
        f.push_back({"cg_rows", Type::Int16, member(&CPlane::m_nCgRows), {}, {}});
        const char* rows[2] = {"mtow", "tow"};
        for (int i = 0; i < CPlane::kCgRows; ++i) {
            f.push_back({std::string("cg_mass_") + rows[i], Type::Float,
                         [i](CPlane& p) -> void* { return &p.m_fCgMass[static_cast<size_t>(i)]; }, cgMass, mass});
        }
        for (int i = 0; i < CPlane::kCgRows; ++i) {
            Field field{std::string("cg_forward_") + rows[i], Type::Float,
                        [i](CPlane& p) -> void* { return &p.m_fCgForward[static_cast<size_t>(i)]; }, cgArm,
                        cgArmMarker};
            field.isArm = true;
            f.push_back(field);
        }
        for (int i = 0; i < CPlane::kCgRows; ++i) {
            Field field{std::string("cg_aft_") + rows[i], Type::Float,
                        [i](CPlane& p) -> void* { return &p.m_fCgAft[static_cast<size_t>(i)]; }, cgArm,
                        cgArmMarker};
            field.isArm = true;
            f.push_back(field);
        }

        const auto plan = [](auto CPlaneFlightPlan::*m) -> Ref {
            return [m](CPlane& p) -> void* { return &(p.m_FlightPlan.*m); };
        };
        f.push_back({"fp_ident", Type::Text, plan(&CPlaneFlightPlan::m_strIdent), {}, {}, 8});
        f.push_back({"fp_type", Type::Text, plan(&CPlaneFlightPlan::m_strType), {}, {}, 8});
        f.push_back({"fp_equipment", Type::Text, plan(&CPlaneFlightPlan::m_strEquipment), {}, {}, 8});
        f.push_back({"fp_markings", Type::Text, plan(&CPlaneFlightPlan::m_strMarkings), {}, {}, 128});
        f.push_back({"fp_transponder", Type::Int32, plan(&CPlaneFlightPlan::m_nTransponder), {}, {}});
        f.push_back({"fp_radio_uhf", Type::Int32, plan(&CPlaneFlightPlan::m_bRadioUhf), {}, {}});
        f.push_back({"fp_radio_vhf", Type::Int32, plan(&CPlaneFlightPlan::m_bRadioVhf), {}, {}});
        f.push_back({"fp_beacon", Type::Int32, plan(&CPlaneFlightPlan::m_bBeacon), {}, {}});
        f.push_back({"reserved_long", Type::Int32, member(&CPlane::m_nReservedLong), {}, {}});
        f.push_back({"reserved_word", Type::Int16, member(&CPlane::m_nReservedWord), {}, {}});
        return f;
    }();
    return table;
}

// The shortest text that reads back as the same float.
std::string shortFloat(float v) {
    if (!std::isfinite(v)) return "ungültig";
    for (int precision = 6; precision <= 9; ++precision) {
        std::string s = strFormat("%.*g", precision, static_cast<double>(v));
        const auto back = parseDouble(s);
        if (back && static_cast<float>(*back) == v) return s;
    }
    return strFormat("%.9g", static_cast<double>(v));
}

std::string valueText(const Field& field, CPlane& p) {
    void* ref = field.ref(p);
    switch (field.type) {
        case Type::Text:
            return *static_cast<std::string*>(ref);
        case Type::Unit: {
            const int16_t unit = *static_cast<int16_t*>(ref);
            const char* name = UnitCodeName(unit);
            return *name ? std::string(name) : std::to_string(unit);
        }
        case Type::Int16:
            return std::to_string(*static_cast<int16_t*>(ref));
        case Type::Int32:
            return std::to_string(*static_cast<int32_t*>(ref));
        case Type::Float: {
            const float v = *static_cast<float*>(ref);
            if (field.marker && field.marker(p) == v) return "-";
            return shortFloat(v);
        }
    }
    return {};
}

std::string padName(const std::string& name, size_t width) {
    const size_t length = utf8Length(name);
    return length >= width ? name : name + std::string(width - length, ' ');
}

std::string lineError(int line, const std::string& what) {
    return strFormat("Zeile %d: ", line) + what;
}

// Stores one value; returns an empty text or the reason it was refused.
std::string storeValue(const Field& field, CPlane& p, const std::string& rest) {
    void* ref = field.ref(p);
    if (field.type == Type::Text) {
        const std::string bytes = fromUtf8(rest, field.codePage);
        if (bytes.size() + 1 > field.textBytes) {
            return strFormat("Der Text ist länger als %zu Zeichen.", field.textBytes - 1);
        }
        *static_cast<std::string*>(ref) = rest;
        return {};
    }
    std::istringstream in(rest);
    std::string value;
    in >> value;
    std::string unit, word;
    while (in >> word) {
        if (word.front() == '(') break;  // a remark such as "(nicht angegeben)"
        unit += unit.empty() ? word : " " + word;
    }
    if (value.empty()) return "Der Wert fehlt.";
    if (!unit.empty()) {
        const std::string expected = field.unit ? field.unit(p) : std::string();
        if (unit != expected) {
            return "Die Einheit »" + unit + "« passt nicht, erwartet wird »" + expected + "«.";
        }
    }
    switch (field.type) {
        case Type::Unit: {
            int16_t code;
            if (ParseUnitCode(value, code)) {
                *static_cast<int16_t*>(ref) = code;
                return {};
            }
            const auto n = parseInteger(value);
            if (!n || *n < INT16_MIN || *n > INT16_MAX) return "Unbekannte Einheit »" + value + "«.";
            *static_cast<int16_t*>(ref) = static_cast<int16_t>(*n);
            return {};
        }
        case Type::Int16:
        case Type::Int32: {
            const auto n = parseInteger(value);
            const long long lo = field.type == Type::Int16 ? INT16_MIN : INT32_MIN;
            const long long hi = field.type == Type::Int16 ? INT16_MAX : INT32_MAX;
            if (!n || *n < lo || *n > hi) return "»" + value + "« ist keine passende ganze Zahl.";
            if (field.type == Type::Int16) {
                *static_cast<int16_t*>(ref) = static_cast<int16_t>(*n);
            } else {
                *static_cast<int32_t*>(ref) = static_cast<int32_t>(*n);
            }
            return {};
        }
        case Type::Float: {
            if (value == "-") {
                if (!field.marker) return "Dieser Wert muss angegeben werden.";
                *static_cast<float*>(ref) = *field.marker(p);
                return {};
            }
            const auto v = parseDouble(value);
            if (!v || !std::isfinite(*v) || std::fabs(*v) > 3.4e38) return "»" + value + "« ist keine Zahl.";
            *static_cast<float*>(ref) = static_cast<float>(*v);
            return {};
        }
        case Type::Text:
            break;
    }
    return {};
}

}  // namespace

std::vector<std::string> ListPlanes(const std::vector<CPlane>& planes, int current, int speedUnit) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < planes.size(); ++i) {
        const bool isCurrent = static_cast<int>(i) == current;
        lines.push_back(strFormat("%2zu %c ", i, isCurrent ? '*' : ' ') +
                        padName(planes[i].m_strName, CPlane::kNameBytes - 1) + " " +
                        FormatCruiseSpeed(planes[i], speedUnit));
    }
    return lines;
}

std::vector<std::string> DumpPlane(const CPlane& plane) {
    CPlane p = plane;
    std::vector<std::string> lines;
    for (const Field& field : fields()) {
        std::string line = field.key + ":";
        const std::string value = valueText(field, p);
        if (!value.empty()) line += " " + value;
        const std::string unit = field.unit ? field.unit(p) : std::string();
        if (!unit.empty() && field.type != Type::Text) line += " " + unit;
        lines.push_back(line);
    }
    const auto derived = [&](const char* key, double value, const char* unit) {
        lines.push_back(strFormat("derived.%s: %.1f %s", key, std::isfinite(value) ? value : 0.0, unit));
    };
    lines.push_back(strFormat("derived.wake_category: %c", plane.GetWakeCategory()));
    derived("climb_speed", plane.GetSpeedKt(FlightPhase::Climb), "kt");
    derived("cruise_speed", plane.GetSpeedKt(FlightPhase::Cruise), "kt");
    derived("descent_speed", plane.GetSpeedKt(FlightPhase::Descent), "kt");
    derived("climb_rate", plane.GetRateFtPerMin(FlightPhase::Climb), "ft/min");
    derived("descent_rate", plane.GetRateFtPerMin(FlightPhase::Descent), "ft/min");
    derived("climb_fuel_flow", plane.GetFuelFlowLiters(FlightPhase::Climb), "Liter/h");
    derived("cruise_fuel_flow", plane.GetFuelFlowLiters(FlightPhase::Cruise), "Liter/h");
    derived("descent_fuel_flow", plane.GetFuelFlowLiters(FlightPhase::Descent), "Liter/h");
    return lines;
}

std::string ParsePlaneText(const std::string& text, CPlane& out) {
    CPlane p;
    std::set<std::string> named;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string_view trimmed = trimBlanks(line);
        if (trimmed.empty() || trimmed.front() == '#') continue;
        const size_t colon = line.find(':');
        if (colon == std::string::npos) return lineError(number, "Es fehlt der Doppelpunkt nach dem Namen des Feldes.");
        const std::string key(trimBlanks(std::string_view(line).substr(0, colon)));
        if (key.rfind("derived.", 0) == 0) continue;
        std::string rest = line.substr(colon + 1);
        if (!rest.empty() && rest.front() == ' ') rest.erase(0, 1);
        const Field* field = nullptr;
        for (const Field& f : fields()) {
            if (f.key == key) field = &f;
        }
        if (!field) return lineError(number, "Unbekanntes Feld »" + key + "«.");
        const std::string error = storeValue(*field, p, rest);
        if (!error.empty()) return lineError(number, error);
        named.insert(key);
    }
    // An arm that was not named is "not given" in the unit its group has now.
    for (const Field& f : fields()) {
        if (f.isArm && !named.count(f.key)) *static_cast<float*>(f.ref(p)) = *f.marker(p);
    }
    out = p;
    return {};
}
