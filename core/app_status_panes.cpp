#include "core/app_status_panes.h"

#include <cmath>

#include "platform/numtext.h"

namespace {

const char* const kNoValue = "---";

// While the moving map runs with a track of 2 to 32768 points, the track's
// last point supplies the altitude and the speed.
bool trackFeedsPanes(const StatusPaneInput& in) {
    return in.movingMapRunning && in.trackPoints >= 2 && in.trackPoints <= 32768;
}

}  // namespace

std::string PositionPaneText(const StatusPaneInput& in) {
    if (!in.cursor.IsValid()) return {};
    return in.cursor.Format(1);
}

std::string ElevationPaneText(const StatusPaneInput& in) {
    const std::optional<long> altitude = trackFeedsPanes(in) ? in.lastAltitude : std::nullopt;
    const std::optional<long> elevation = in.cursorElevation;
    const char* unit = in.altitudeUnit.c_str();
    if (altitude && elevation) return strFormat("%ld / %d %s", *altitude, static_cast<int>(*elevation), unit);
    if (altitude) return strFormat("%ld %s", *altitude, unit);
    if (elevation) return strFormat("%d %s", static_cast<int>(*elevation), unit);
    return kNoValue;
}

std::string SpeedPaneText(const StatusPaneInput& in) {
    if (trackFeedsPanes(in)) return in.lastSpeedText.empty() ? kNoValue : in.lastSpeedText;
    if (in.routeViewCurrent && in.cruiseSpeed && std::isfinite(*in.cruiseSpeed) &&
        std::fabs(*in.cruiseSpeed) < 1.0e6)
        return strFormat("%4d %s", static_cast<int>(*in.cruiseSpeed), in.speedUnit.c_str());
    return kNoValue;
}

StatusPaneWidths ComputeStatusPaneWidths(int positionLabelWidth) {
    const int wide = static_cast<int>(positionLabelWidth * 2.5);
    return {wide, wide, wide / 2};
}
