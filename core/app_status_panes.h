#pragma once
// The texts of the main window's status bar panes "Position", "Elevation"
// and "Speed", from the state of the map, the moving map, the terrain and
// the current aircraft. A pane with an empty text is shown disabled.

#include <optional>
#include <string>

#include "core/latlon.h"

struct StatusPaneInput {
    CLatLon cursor;  // the map cursor; no position = 1000/1000
    bool movingMapRunning = false;
    long trackPoints = 0;
    std::optional<long> lastAltitude;     // last track point, preferred altitude unit
    std::optional<long> cursorElevation;  // terrain under the cursor, same unit
    std::string altitudeUnit;             // name of the preferred altitude unit
    std::string lastSpeedText;            // the moving map's speed of the last point
    bool routeViewCurrent = true;
    std::optional<double> cruiseSpeed;  // current aircraft, in speedUnit
    std::string speedUnit;
};

// The cursor position in the compact form with whole minutes, or "".
std::string PositionPaneText(const StatusPaneInput& in);
// "---", "%ld / %d %s", "%ld %s" or "%d %s".
std::string ElevationPaneText(const StatusPaneInput& in);
// "---", the moving map's speed, or the cruise speed "%4d %s".
std::string SpeedPaneText(const StatusPaneInput& in);

// Widths of the panes from the width the status bar first gives the
// position pane (the width of its label): 2.5 times that (truncated) for
// position and elevation, half of that for the speed.
struct StatusPaneWidths {
    int position;
    int elevation;
    int speed;
};
StatusPaneWidths ComputeStatusPaneWidths(int positionLabelWidth);
