#include "route/way_dump.h"

#include "locations/location_types.h"
#include "platform/numtext.h"
#include "route/way_doc.h"

namespace {

struct Bit {
    unsigned bit;
    const char* name;
};

constexpr Bit kOptions[] = {{RTE_REVERSED, "RTE_REVERSED"},         {RTE_CLIMB_DESCENT, "RTE_CLIMB_DESCENT"},
                            {RTE_SEMICIRCLE, "RTE_SEMICIRCLE"},     {RTE_GREAT_CIRCLE, "RTE_GREAT_CIRCLE"},
                            {RTE_AUTOROUTE, "RTE_AUTOROUTE"},       {RTE_SAFE_ALTITUDE, "RTE_SAFE_ALTITUDE"},
                            {RTE_ALTERNATES, "RTE_ALTERNATES"}};

constexpr Bit kMarks[] = {{WPT_GREAT_CIRCLE, "WPT_GREAT_CIRCLE"},
                          {WPT_TOP_OF_CLIMB, "WPT_TOP_OF_CLIMB"},
                          {WPT_TOP_OF_DESCENT, "WPT_TOP_OF_DESCENT"},
                          {WPT_AUTOROUTE, "WPT_AUTOROUTE"},
                          {WPT_TERRAIN, "WPT_TERRAIN"}};

template <size_t N>
std::string bitNames(unsigned value, const Bit (&bits)[N]) {
    std::string out;
    unsigned known = 0;
    for (const Bit& b : bits) {
        known |= b.bit;
        if (!(value & b.bit)) continue;
        if (!out.empty()) out += '+';
        out += b.name;
    }
    if (value & ~known) out += strFormat("%s0x%02X", out.empty() ? "" : "+", value & ~known);
    return out.empty() ? "-" : out;
}

std::string orDash(const std::string& text) { return text.empty() ? "-" : text; }

}  // namespace

std::string RouteOptionNames(unsigned options) { return bitNames(options, kOptions); }

std::string DescribeWayPoint(const CWayPoint& wp) {
    const std::string type = TypeDisplayName(wp.GetType());
    const std::string position = wp.IsValid() ? strFormat("%.6f\t%.6f", wp.m_dLat, wp.m_dLon) : "-\t-";
    const std::string altitude =
        wp.GetPlannedAltitude() == NOVALUE_ALTITUDE
            ? "-"
            : strFormat("%d %s", wp.GetPlannedAltitude(), orDash(UnitName(wp.GetAltitudeUnit())).c_str());
    return strFormat("%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s", orDash(wp.GetName()).c_str(), orDash(wp.GetIdent()).c_str(),
                     orDash(type).c_str(), position.c_str(), altitude.c_str(), bitNames(wp.GetMarks(), kMarks).c_str(),
                     orDash(wp.GetBearing(0).Text()).c_str(), orDash(wp.GetBearing(1).Text()).c_str());
}

std::vector<std::string> DumpRoute(const CWayDoc& doc) {
    std::vector<std::string> lines;
    const int version = doc.GetFileVersion();
    lines.push_back(strFormat("Datei: %s", doc.GetTitle().c_str()));
    lines.push_back(version == 0 ? std::string("Version: -")
                                 : strFormat("Version: %d%s", version,
                                             version < CWayDoc::kCurrentVersion ? " (umgewandelt)" : ""));
    lines.push_back(strFormat("Optionen: 0x%02X %s", doc.GetOptions(), RouteOptionNames(doc.GetOptions()).c_str()));
    lines.push_back(strFormat("Wegpunkte: %d", doc.GetCount()));
    lines.push_back(strFormat("Aktiver Wegpunkt: %d", doc.GetActive()));
    lines.push_back(strFormat("Strecke: %s", orDash(doc.GetRouteText()).c_str()));
    for (int i = 0; i < doc.GetCount(); ++i)
        lines.push_back(strFormat("%d\t%s", i + 1, DescribeWayPoint(doc.GetWayPoint(i)).c_str()));
    if (doc.HasOption(RTE_ALTERNATES)) {
        for (int which = 1; which <= 2; ++which) {
            CWayPoint alternate;
            doc.GetAlternate(which, alternate);
            lines.push_back(strFormat("Ausweichflugplatz %d:\t%s", which, DescribeWayPoint(alternate).c_str()));
        }
    } else {
        lines.push_back("Ausweichflugplätze: keine");
    }
    const CFlightPlanBlock& plan = doc.GetFlightPlan();
    lines.push_back(strFormat("Flugplan von Hand: %s", plan.IsManual() ? "ja" : "nein"));
    lines.push_back(strFormat("Flugplan Geschwindigkeit: %s", plan.GetSpeed().c_str()));
    lines.push_back(strFormat("Flugplan Strecke: %s", plan.GetRoute().c_str()));
    lines.push_back(strFormat("Flugplan Ausweichflugplatz 1: %s", plan.GetAlternate(1).c_str()));
    lines.push_back(strFormat("Flugplan Ausweichflugplatz 2: %s", plan.GetAlternate(2).c_str()));
    lines.push_back(strFormat("Flugplan Sonstiges: %s", plan.GetOther().c_str()));
    return lines;
}
