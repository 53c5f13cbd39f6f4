#pragma once
// The thirteen views of the main window: their numbers, commands and names,
// which view commands are enabled, the window title, and what switching to a
// view does besides showing its window.

#include <functional>
#include <string>

#include "core/ui/command_registry.h"

class CMapDoc;

enum ViewNumber {
    VIEW_COURSE = 1,       // flight log
    VIEW_ROUTE_MAP = 2,    // drawn map of the route
    VIEW_SCAN_MAP = 3,     // scanned map with the route
    VIEW_ELEV = 4,         // vertical profile
    VIEW_FUEL = 5,         // fuel and performance
    VIEW_FLIGHT_PLAN = 6,  // flight plan form
    VIEW_WAY = 7,          // route data
    VIEW_PLANE = 8,        // aircraft data
    VIEW_LOC = 9,          // location list
    VIEW_TRACK_MAP = 10,   // drawn map of the track
    VIEW_TRACK_SCAN = 11,  // scanned map with the track (the window of view 3)
    VIEW_ALT = 12,         // track altitude
    VIEW_SPEED = 13,       // track speed
};
constexpr int kViewCount = 13;

struct ViewInfo {
    int number;
    int command;             // the command that shows it
    const char* windowName;  // "Course View", ...
    const char* caption;     // German name, for placeholders and tool tips
    int window;              // index of its window: 0..11 (views 3 and 11 share one)
};
constexpr int kViewWindowCount = 12;

// nullptr outside 1..13.
const ViewInfo* FindView(int number);
// The view a view command shows (32880..32892), or 0.
int ViewOfCommand(int command);
bool IsTrackView(int view);  // 10..13
bool IsMapView(int view);    // 2, 3, 10, 11

// What the enabling of the view commands depends on.
struct ViewCommandContext {
    int currentView = VIEW_COURSE;
    bool movingMapRunning = false;
    bool catalogueEmpty = true;  // no scanned map in the catalogue
    long trackPoints = 0;
};

// Enabled and ticked state of the view commands 32880..32892, 33304 and
// 33305. `scanEnableOnce` (the flag that enables 32882 once) is consumed when
// it decides the answer.
CommandState ViewCommandState(int command, const ViewCommandContext& context, bool& scanEnableOnce);

// "%s - Navora" with the track's title for a track view, the route's title
// otherwise; an empty title reads "KeinName".
std::string FrameTitle(int view, const std::string& routeTitle, const std::string& trackTitle);

// The side effects of switching views, which other parts of the program
// provide. Empty hooks do nothing.
struct ViewSwitchHooks {
    std::function<void()> clearMovingMapDisplay;  // leaving the track maps
    std::function<void()> releaseScannedPicture;  // before the drawn maps (2, 10)
    std::function<void(int command)> setCatalogueCommand;
    std::function<void()> releaseCachedGrid;       // for views other than the maps
    std::function<void(int view)> loadScannedMap;  // for views 3 and 11
    std::function<void(int view)> updateViews;     // all views of the shown document
};

// Current and previous view, and the switch itself.
class ViewSwitcher {
public:
    ViewSwitcher(CMapDoc& mapSettings, ViewSwitchHooks& hooks) : map_(mapSettings), hooks_(hooks) {}

    int Current() const { return current_; }
    int Previous() const { return previous_; }

    // Switches to view `n` (1..13; other numbers are ignored and return
    // false). `showWindow` makes the view's window the visible one. The
    // caller sets the window title afterwards (FrameTitle of the new view).
    bool ShowView(int n, const std::function<void(int view)>& showWindow);

private:
    CMapDoc& map_;
    ViewSwitchHooks& hooks_;
    int current_ = VIEW_COURSE;
    int previous_ = VIEW_COURSE;
};
