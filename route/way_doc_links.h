#pragma once
// What the route document asks of other parts of the program when a route
// is read, created or opened. Each part fills in its own entry when it is
// present; an empty entry does what its comment says.

#include <functional>

class CWayDoc;

struct WayDocLinks {
    // After a route with the climb-and-descent option was read: rebuilds
    // the climb and descent points. False clears the option. Empty: the
    // points and the option stay as read.
    std::function<bool(CWayDoc&)> rebuildClimbDescent;
    // After a route with the great-circle option was read: removes the
    // great-circle points and inserts them again. False (no point added)
    // clears the option. Empty: the points and the option stay as read.
    std::function<bool(CWayDoc&)> refreshGreatCircle;
    // The contents of the route were deleted: the flight plan form goes back
    // to its automatic fields. Empty: nothing.
    std::function<void()> flightPlanToAutomatic;
    // A route was created or opened: the scanned-map catalogue takes its
    // reference position. Empty: nothing.
    std::function<void(CWayDoc&)> routeForScannedMaps;
    // After opening, while the scanned map is shown: centre it on the route.
    // Empty: nothing.
    std::function<void(CWayDoc&)> centreScannedMap;
};

// The links of the running program (all empty until filled).
WayDocLinks& theWayDocLinks();
