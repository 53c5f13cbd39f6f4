#include "core/app_views.h"

#include "maps/map_doc.h"
#include "platform/string_table.h"

namespace {

constexpr ViewInfo kViews[kViewCount] = {
    {VIEW_COURSE, 32880, "Course View", "Kurs + Zeit", 0},
    {VIEW_ROUTE_MAP, 32881, "Map View", "Karte - Zeichnung", 1},
    {VIEW_SCAN_MAP, 32882, "Scan Map View", "Karte - Bild", 2},
    {VIEW_ELEV, 32883, "Elev View", "Höhenprofil", 3},
    {VIEW_FUEL, 32884, "Fuel View", "Verbrauch", 4},
    {VIEW_FLIGHT_PLAN, 32885, "Flight Plan View", "Flugplan", 5},
    {VIEW_WAY, 32886, "Way View", "Wegdaten", 6},
    {VIEW_PLANE, 32887, "Plane View", "Flugzeug", 7},
    {VIEW_LOC, 32888, "Loc View", "Ortsliste", 8},
    {VIEW_TRACK_MAP, 32889, "Track View", "Zurückgelegte Strecke - Zeichnung", 9},
    {VIEW_TRACK_SCAN, 32890, "Scan Map View", "Zurückgelegte Strecke - Bild", 2},
    {VIEW_ALT, 32891, "Alt View", "Höhe", 10},
    {VIEW_SPEED, 32892, "Speed View", "Geschwindigkeit", 11},
};

constexpr int kRouteScanCommand = 32882;
constexpr int kTrackScanCommand = 32890;

}  // namespace

const ViewInfo* FindView(int number) {
    if (number < 1 || number > kViewCount) return nullptr;
    return &kViews[number - 1];
}

int ViewOfCommand(int command) {
    for (const ViewInfo& v : kViews)
        if (v.command == command) return v.number;
    return 0;
}

bool IsTrackView(int view) {
    return view >= VIEW_TRACK_MAP && view <= VIEW_SPEED;
}

bool IsMapView(int view) {
    return view == VIEW_ROUTE_MAP || view == VIEW_SCAN_MAP || view == VIEW_TRACK_MAP ||
           view == VIEW_TRACK_SCAN;
}

CommandState ViewCommandState(int command, const ViewCommandContext& c, bool& scanEnableOnce) {
    const bool fewTrackPoints = c.trackPoints < 2;
    switch (command) {
        case 32880:
        case 32883:
        case 32884:
        case 32885:
        case 32886:
        case 32887:
        case 32881:
            return {!c.movingMapRunning && c.currentView != ViewOfCommand(command), false};
        case 32882: {
            if (scanEnableOnce) {
                scanEnableOnce = false;
                return {true, false};
            }
            return {!c.movingMapRunning && c.currentView != VIEW_SCAN_MAP && !c.catalogueEmpty, false};
        }
        case 32888:
            return {true, false};
        case 32889:
            return {c.currentView != VIEW_TRACK_MAP && !fewTrackPoints, false};
        case 32890:
            return {c.currentView != VIEW_TRACK_SCAN && !c.catalogueEmpty && !fewTrackPoints, false};
        case 32891:
        case 32892:
            return {c.currentView != ViewOfCommand(command) && !fewTrackPoints, false};
        case 33304:
            return {true, c.currentView == VIEW_ROUTE_MAP || c.currentView == VIEW_TRACK_MAP};
        case 33305:
            return {!c.catalogueEmpty, c.currentView == VIEW_SCAN_MAP || c.currentView == VIEW_TRACK_SCAN};
        default:
            return {false, false};
    }
}

std::string FrameTitle(int view, const std::string& routeTitle, const std::string& trackTitle) {
    const std::string& title = IsTrackView(view) ? trackTitle : routeTitle;
    return FormatStr(1767, title.empty() ? LoadStr(1769) : title.c_str());
}

bool ViewSwitcher::ShowView(int n, const std::function<void(int view)>& showWindow) {
    if (!FindView(n)) return false;
    previous_ = current_;
    map_.m_dCentreLat = 1000.0;
    map_.m_dCentreLon = 1000.0;
    const bool fromTrackMap = previous_ == VIEW_TRACK_MAP || previous_ == VIEW_TRACK_SCAN;
    const bool toTrackMap = n == VIEW_TRACK_MAP || n == VIEW_TRACK_SCAN;
    if (fromTrackMap && !toTrackMap && hooks_.clearMovingMapDisplay) hooks_.clearMovingMapDisplay();
    if ((n == VIEW_ROUTE_MAP || n == VIEW_TRACK_MAP) && hooks_.releaseScannedPicture)
        hooks_.releaseScannedPicture();
    map_.m_bShowRoute = n == VIEW_TRACK_SCAN ? 0 : 1;

    current_ = n;
    const int scanCommand = n == VIEW_TRACK_MAP ? kTrackScanCommand : kRouteScanCommand;
    map_.m_nScanCommand = static_cast<int16_t>(scanCommand);
    if (hooks_.setCatalogueCommand) hooks_.setCatalogueCommand(scanCommand);
    if (!IsMapView(n) && hooks_.releaseCachedGrid) hooks_.releaseCachedGrid();
    if (showWindow) showWindow(n);
    if ((n == VIEW_SCAN_MAP || n == VIEW_TRACK_SCAN) && hooks_.loadScannedMap) hooks_.loadScannedMap(n);
    if (hooks_.updateViews) hooks_.updateViews(n);
    return true;
}
