#include "views/fuel_sheet.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "aircraft/load_doc.h"
#include "aircraft/met_doc.h"
#include "aircraft/performance.h"
#include "aircraft/plane.h"
#include "aircraft/weight_balance.h"
#include "core/calc_doc.h"
#include "core/units.h"
#include "platform/encoding.h"
#include "platform/numtext.h"
#include "platform/string_table.h"
#include "route/route_calc.h"
#include "route/way_doc.h"

namespace {

constexpr int kStrMissingPlane = 2413;  // "Fehlt"
constexpr double kObstacleHeightM = 15.0;
constexpr const char* kDash = "–";

// The preferred units of everything the sheet shows.
struct SheetUnits {
    int mass = DIM_KG;
    int fuel = DIM_LITER;
    int arm = DIM_METER;
    int distance = DIM_NM;
    int runway = DIM_METER;
    int altitude = DIM_FEET;

    static SheetUnits Preferred() {
        SheetUnits u;
        if (const CDimDoc* dim = theDimDoc()) {
            u.mass = dim->m_nMass;
            u.fuel = dim->m_nFuel;
            u.arm = dim->m_nArm;
            u.distance = dim->m_nDistance;
            u.runway = dim->m_nRunway;
            u.altitude = dim->m_nAltitude;
        }
        return u;
    }
    double Mass(double kg) const { return ConvertMass(kg, DIM_KG, mass); }
    double Fuel(double litres) const { return ConvertVolume(litres, DIM_LITER, fuel); }
    double Arm(double m) const { return ConvertLength(m, DIM_METER, arm); }
    double Distance(double nm) const { return ConvertLength(nm, DIM_NM, distance); }
    double Runway(double m) const { return ConvertLength(m, DIM_METER, runway); }
    double Altitude(double ft) const { return ConvertLength(ft, DIM_FEET, altitude); }
};

// Whole numbers for "%d" fields: cut toward zero like a C cast, never
// beyond the range of int.
int whole(double value) {
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::clamp(value, -2147483647.0, 2147483647.0));
}

FuelLine text(const std::string& s) {
    return {FuelLineKind::Text, kNoTable, {s}, false};
}
FuelLine title(const std::string& s) {
    return {FuelLineKind::Title, kNoTable, {s}, true};
}
FuelLine subtitle(const std::string& s) {
    return {FuelLineKind::Subtitle, kNoTable, {s}, true};
}
FuelLine row(int table, std::vector<std::string> cells, bool bold = false) {
    return {FuelLineKind::Row, table, std::move(cells), bold};
}

// ---- weight and balance ------------------------------------------------------------------------

void loadTable(FuelSection& section, const LoadValues& load, const SheetUnits& u) {
    section.lines.push_back(row(kLoadTable,
                                {strFormat("Zuladung in (%s):", UnitName(u.mass)), "Position 1", "Position 2",
                                 "Position 3", "Position 4", "Position 5"},
                                true));
    auto masses = [&](const char* label, const std::array<int16_t, 5>& values) {
        std::vector<std::string> cells{label};
        for (int16_t v : values)
            cells.push_back(v == -1 ? std::string()
                                    : strFormat("%5.0f", ConvertMass(v, load.massUnit, u.mass)));
        section.lines.push_back(row(kLoadTable, std::move(cells)));
    };
    masses("Sitzreihe", load.seat);
    masses("Gepäckabteil", load.baggage);
}

void weightBalance(FuelSheet& sheet, FuelSection& section, const CPlane& plane, const PerformanceResults& r,
                   const SheetUnits& u) {
    const WeightBalance& wb = r.wb;
    for (int k = 0; k < CPlane::kTanks && k < plane.m_nTanks; ++k) {
        const TankLoad& tank = wb.tanks[static_cast<size_t>(k)];
        if (!tank.hasVolume) continue;
        section.lines.push_back(text(strFormat("Zulässige Auslastung Tank %d: %3.0f%% oder %5.1f %s", k + 1,
                                               tank.fill, u.Fuel(tank.volume), UnitName(u.fuel))));
    }
    section.lines.push_back(
        text(strFormat("Ausfliegbare Kraftstoffmenge: %5.1f %s", u.Fuel(wb.usableFuel), UnitName(u.fuel))));

    const double momentFactor = ConvertLength(1.0, DIM_METER, u.arm) * ConvertMass(1.0, DIM_KG, u.mass);
    section.lines.push_back(
        text(strFormat("Masse = %4.0f %s  Moment = %4.0f %s%s  Schwerpunkt = %4.2f %s", u.Mass(wb.totalMass),
                       UnitName(u.mass), wb.moment * momentFactor, UnitName(u.arm), UnitName(u.mass),
                       u.Arm(wb.cg), UnitName(u.arm))));

    FuelScale& s = sheet.scale;
    s.forward = u.Arm(wb.cgCheck.forward);
    s.aft = u.Arm(wb.cgCheck.aft);
    s.cg = u.Arm(wb.cg);
    s.permitted = wb.cgCheck.permitted;
    s.shown = wb.cgCheck.limitsKnown && s.aft > s.forward;
    s.minText = strFormat("Min: %.2f %s", s.forward, UnitName(u.arm));
    s.maxText = strFormat("Max: %.2f %s", s.aft, UnitName(u.arm));
    if (s.shown) section.lines.push_back({FuelLineKind::Scale, kNoTable, {}, false});
    section.lines.push_back(text(strFormat(
        s.permitted ? "Schwerpunkt: %.2f %s" : "Unzulässiger Schwerpunkt: %.2f %s", s.cg, UnitName(u.arm))));
}

// ---- fuel ------------------------------------------------------------------------------------------

// Whole minutes, or hours and minutes when distances are in metres.
std::string minutesText(double minutes, const SheetUnits& u) {
    const int m = whole(minutes);
    if (u.distance == DIM_METER) return strFormat("%d:%02d", m / 60, std::abs(m % 60));
    return strFormat("%5d", m);
}

std::string alternateName(const AerodromeData& a) {
    return utf8Length(a.ident) < 4 ? a.name : a.ident;
}

FuelSection fuelPlan(const PerformanceResults& r, const PerformanceInput& in, const SheetUnits& u) {
    FuelSection section;
    const FuelPlan& f = r.fuel;
    section.lines.push_back(title("Treibstoffverbrauch"));
    section.lines.push_back(
        row(kFuelTable, {"Vorgesehen für:", "Zeit [min]", strFormat("Vol. [%s]", UnitName(u.fuel))}, true));
    auto line = [&](const std::string& label, double minutes, double litres) {
        section.lines.push_back(
            row(kFuelTable, {label, minutesText(minutes, u), strFormat("%5.1f", u.Fuel(litres))}));
    };
    line(strFormat("%ld %s Flugstrecke:", static_cast<long>(whole(u.Distance(f.tripDistanceNm))),
                   UnitName(u.distance)),
         f.tripMinutes, f.tripFuel);
    line("Rollen, An- und Abflug", f.taxiMinutes + f.approachMinutes, f.taxiApproachFuel);
    for (size_t i = 0; i < f.alternates.size(); ++i) {
        const AlternateFuel& a = f.alternates[i];
        const std::string name = i < in.alternates.size() ? alternateName(in.alternates[i].aerodrome) : "";
        line(strFormat("%ld %s zum Ausweichflugplatz %s:", static_cast<long>(whole(u.Distance(a.distanceNm))),
                       UnitName(u.distance), name.c_str()),
             a.minutes, a.fuel);
    }
    line("Sicherheits-Reserve", f.reserveMinutes, f.reserveFuel);
    line("Extra-Kraftstoff", f.extraMinutes, f.extraFuel);
    section.lines.push_back(subtitle("Flugzeit"));
    line("Gesamt (Endurance):", f.endurance, r.wb.usableFuel);
    line("Erforderlich, ohne Reserve:", f.requiredMinutes, f.requiredFuel);
    line("Erforderlich, mit Reserve:", f.requiredWithReserveMinutes, f.requiredWithReserveFuel);
    line(strFormat("Sicher (Gesamt - %d min)", whole(in.presets.reserveMinutes)), f.safeMinutes, f.safeFuel);
    return section;
}

// ---- take-off and landing ---------------------------------------------------------------------------

struct AerodromeWeather {
    int temperature = 15;
    int temperatureUnit = DIM_C;
    std::string qnh;
    int pressureUnit = DIM_HPA;
    bool wet = false;
};

AerodromeWeather weatherOf(const MetAerodrome& m) {
    return {m.temperature, m.temperatureUnit, CMetDoc::FormatPressure(m.qnh, m.pressureUnit, m.pressureUnit),
            m.pressureUnit, m.wet};
}

std::string sunLine(const SunTimes& sun) {
    if (sun.kind == SunKind::Normal)
        return strFormat("Sonnenaufgang: %02d:%02d:%02d UTC,  Sonnenuntergang: %02d:%02d:%02d UTC",
                         sun.rise.hours, sun.rise.minutes, sun.rise.seconds, sun.set.hours, sun.set.minutes,
                         sun.set.seconds);
    return SunKindText(sun.kind);
}

void aerodromeLines(FuelSection& section, DistanceKind kind, const AerodromeData& a,
                    const AerodromeResult& result, const AerodromeWeather& w, const SheetUnits& u,
                    bool withSun) {
    const bool takeOff = kind == DistanceKind::TakeOff;
    section.lines.push_back(subtitle(strFormat("In %s (%s): ", a.name.c_str(), a.ident.c_str())));
    const char* runwayUnit = UnitName(u.runway);
    if (!a.elevationKnown) {
        section.lines.push_back(
            text(takeOff ? "Höhe des Startplatzes fehlt" : "Höhe des Landeplatzes fehlt"));
    } else {
        // Distances that could not be computed show a dash, not 0.
        auto metres = [&](long value) {
            return result.distances.computed ? strFormat("%4d", whole(u.Runway(static_cast<double>(value))))
                                             : utf8PadLeft(kDash, 4);
        };
        std::string s = strFormat(takeOff ? "Startrollstrecke: %s %s, " : "Landerollstrecke: %s %s, ",
                                  metres(result.distances.roll).c_str(), runwayUnit);
        s += strFormat(takeOff ? "Startstrecke (über %d %s): %s %s" : "Landestrecke (über %d %s): %s %s",
                       whole(u.Runway(kObstacleHeightM)), runwayUnit,
                       metres(result.distances.distance).c_str(), runwayUnit);
        const std::string length =
            a.runwayKnown ? strFormat("%4d", whole(u.Runway(a.runwayLengthM))) : utf8PadLeft(kDash, 4);
        s += strFormat(" von %s %s%s", length.c_str(), runwayUnit, a.grass ? ", Gras" : "");
        section.lines.push_back(text(s));
    }
    const std::string elevation = a.elevationKnown
                                      ? strFormat("%5ld", static_cast<long>(whole(u.Altitude(a.elevationFt))))
                                      : utf8PadLeft(kDash, 5);
    section.lines.push_back(text(strFormat(
        "Bedingungen: %4d %s, %s %s (%2d %s), %3d Grad %s, %s %s%s", whole(u.Mass(result.massKg)),
        UnitName(u.mass), elevation.c_str(), UnitName(u.altitude),
        whole(ConvertLength(a.heightDifferenceM, DIM_METER, u.altitude)), UnitName(u.altitude), w.temperature,
        UnitName(w.temperatureUnit), w.qnh.c_str(), UnitName(w.pressureUnit), w.wet ? ", feucht" : "")));
    if (withSun) section.lines.push_back(text(sunLine(result.sun)));
}

FuelSection takeOffLanding(const PerformanceResults& r, const PerformanceInput& in, const CMetDoc& weather,
                           const SheetUnits& u) {
    FuelSection section;
    section.lines.push_back(title("Start und Landung"));
    const AerodromeWeather departure = weatherOf(weather.GetDeparture());
    const AerodromeWeather destination = weatherOf(weather.GetDestination());
    aerodromeLines(section, DistanceKind::TakeOff, in.departure, r.departure, departure, u, true);
    aerodromeLines(section, DistanceKind::Landing, in.destination, r.destination, destination, u, true);
    for (size_t i = 0; i < r.alternates.size() && i < in.alternates.size(); ++i)
        aerodromeLines(section, DistanceKind::Landing, in.alternates[i].aerodrome, r.alternates[i].landing,
                       destination, u, false);
    return section;
}

FuelSection costs(const PerformanceResults& r) {
    FuelSection section;
    section.lines.push_back(title("Flugkosten"));
    section.lines.push_back(
        row(kCostTable, {"Incl. An- und Abflug:", strFormat("%d Minuten", whole(r.costs.approachMinutes)),
                         strFormat("%8.2f", r.costs.approachCost)}));
    section.lines.push_back(
        row(kCostTable, {"Incl. Rollen, An- und Abflug:", strFormat("%d Minuten", whole(r.costs.taxiMinutes)),
                         strFormat("%8.2f", r.costs.taxiCost)}));
    return section;
}

}  // namespace

double FuelScale::Position(double value) const {
    const double range = aft - forward;
    if (!(range > 0) || !std::isfinite(value)) return 0.5;
    const double left = forward - range / 4;
    const double p = (value - left) / (range * 1.5);
    return std::clamp(p, 0.0, 1.0);
}

std::string ViewFileLine(const CWayDoc* route, const CPlane* plane) {
    const std::string title = route ? route->GetTitle() : std::string();
    const std::string name = plane ? plane->m_strName : std::string(LoadStr(kStrMissingPlane));
    return strFormat("Datei: %s   Flugzeug: %s", title.c_str(), name.c_str());
}

std::string ViewDateLine() {
    const CCalcDoc* calc = theCalcDoc();
    const CCalcDoc::Date date = calc ? calc->GetFlightDate() : CCalcDoc::Date{1, 1, 2000};
    return strFormat("Datum: %02d.%02d.%04d", date.day, date.month, date.year);
}

FuelSheet BuildFuelSheet(CWayDoc& route, const CPlane* plane, const CMetDoc& weather, const CLoadDoc& load) {
    FuelSheet sheet;
    sheet.fileLine = ViewFileLine(&route, plane);
    sheet.dateLine = ViewDateLine();
    if (!plane) return sheet;

    const SheetUnits u = SheetUnits::Preferred();
    CRouteCalc& calc = route.GetCalc();
    calc.Prepare(*plane);
    const bool complete = calc.Compute(*plane, weather, load) != 0;
    const PerformanceResults r = calc.GetResults().m_Performance;
    const PerformanceInput in = calc.GetResults().m_Input;
    calc.RestoreModified();

    FuelSection wb;
    wb.lines.push_back(title("Masse und Schwerpunkt"));
    loadTable(wb, load.GetValues(), u);
    if (!complete) {
        for (const std::string& message : AllMissingArmMessages(*plane, load.GetValues()))
            wb.lines.push_back(text(message));
        sheet.sections.push_back(std::move(wb));
        return sheet;
    }
    weightBalance(sheet, wb, *plane, r, u);
    sheet.sections.push_back(std::move(wb));

    if (r.noFuelFlow) {
        FuelSection none;
        none.lines.push_back(text("Kein Kraftstoff-Verbrauch!"));
        sheet.sections.push_back(std::move(none));
    } else {
        sheet.sections.push_back(fuelPlan(r, in, u));
        if (route.GetCount() > 0) sheet.sections.push_back(takeOffLanding(r, in, weather, u));
        sheet.sections.push_back(costs(r));
    }

    const std::vector<std::string> warnings = WarningTexts(r.warnings);
    if (!warnings.empty()) {
        FuelSection section;
        section.lines.push_back(title("A c h t u n g :"));
        for (const std::string& w : warnings) section.lines.push_back(text(w));
        sheet.sections.push_back(std::move(section));
    }
    return sheet;
}

std::vector<std::string> FuelSheetText(const FuelSheet& sheet) {
    std::vector<std::string> out{sheet.fileLine + "   " + sheet.dateLine};

    // Column widths per table.
    std::array<std::vector<size_t>, 4> widths;
    for (const FuelSection& section : sheet.sections)
        for (const FuelLine& line : section.lines) {
            if (line.kind != FuelLineKind::Row) continue;
            std::vector<size_t>& w = widths[static_cast<size_t>(line.table)];
            if (w.size() < line.cells.size()) w.resize(line.cells.size(), 0);
            for (size_t c = 0; c < line.cells.size(); ++c) w[c] = std::max(w[c], utf8Length(line.cells[c]));
        }

    for (const FuelSection& section : sheet.sections) {
        out.emplace_back();
        for (const FuelLine& line : section.lines) {
            switch (line.kind) {
                case FuelLineKind::Text:
                case FuelLineKind::Title:
                case FuelLineKind::Subtitle:
                    out.push_back(line.cells.empty() ? std::string() : line.cells[0]);
                    break;
                case FuelLineKind::Row: {
                    const std::vector<size_t>& w = widths[static_cast<size_t>(line.table)];
                    std::string s = utf8PadRight(line.cells[0], w[0]);
                    for (size_t c = 1; c < line.cells.size(); ++c)
                        s += "  " + utf8PadLeft(line.cells[c], w[c]);
                    while (!s.empty() && s.back() == ' ') s.pop_back();
                    out.push_back(s);
                    break;
                }
                case FuelLineKind::Scale: {
                    // 41 marks from a quarter range before the forward limit
                    // to a quarter range behind the aft limit.
                    const FuelScale& s = sheet.scale;
                    constexpr int kWidth = 41;
                    auto at = [&](double v) {
                        return static_cast<int>(std::lround(s.Position(v) * (kWidth - 1)));
                    };
                    std::string bar(kWidth, '-');
                    for (int i = at(s.forward); i <= at(s.aft); ++i) bar[static_cast<size_t>(i)] = '=';
                    bar[static_cast<size_t>(at(s.cg))] = '|';
                    out.push_back(s.minText + "  [" + bar + "]  " + s.maxText);
                    break;
                }
            }
        }
    }
    return out;
}
