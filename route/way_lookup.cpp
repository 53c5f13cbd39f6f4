#include "route/way_lookup.h"

#include "core/init_doc.h"
#include "locations/quick_find.h"
#include "route/way_point.h"

namespace {

// Calls `match` on the locations of the run of `text` in the name index
// until it accepts one.
template <typename Match>
bool searchRun(CQuickFind& index, const std::string& text, Match match) {
    int first = 0;
    int last = -1;
    if (text.empty() || !index.Range(text, first, last)) return false;
    for (int i = first; i <= last; ++i) {
        CLocation loc;
        int region = 0;
        if (!index.LocationOf(i, loc, region)) continue;
        loc.SetRegion(index.RegionName(region));
        if (match(loc)) return true;
    }
    return false;
}

}  // namespace

CQuickFind* RouteNameIndex() {
    CInitDoc* settings = theInitDoc();
    if (!settings || settings->QuickFind().Names().Count() == 0) return nullptr;
    return &settings->QuickFind();
}

bool FindWayPointInDatabase(CQuickFind& index, const CLocation& waypoint, CLocation& found) {
    std::string text = waypoint.GetName();
    int ignored = 0;
    if (!index.Find(text, false, ignored)) {
        const size_t blank = text.find(' ');
        if (blank == std::string::npos) return false;
        text.resize(blank);
    }
    return searchRun(index, text, [&](const CLocation& loc) {
        if (loc.GetType() != waypoint.GetType() || !loc.IsValid() || !waypoint.IsValid()) return false;
        if (!loc.IsSamePosition(waypoint)) return false;
        found = loc;
        return true;
    });
}

bool FindStationInDatabase(CQuickFind& index, const CRadioBearing& bearing, CLocation& station) {
    if (!bearing.IsSet()) return false;
    if (searchRun(index, bearing.m_strStation, [&](const CLocation& loc) {
            if (!loc.IsValid() || loc.FrequencyCode() != bearing.m_nFrequency) return false;
            station = loc;
            return true;
        }))
        return true;
    return searchRun(index, bearing.m_strStation, [&](const CLocation& loc) {
        if (!loc.IsValid() || !loc.IsNavaid()) return false;
        station = loc;
        return true;
    });
}

bool FindLocationForRoute(CQuickFind& index, const std::string& text, CLocation& found) {
    CLocation loc;
    if (!index.FindLocationByName(text, loc)) return false;
    loc.MatchText(text);
    found = loc;
    return true;
}
