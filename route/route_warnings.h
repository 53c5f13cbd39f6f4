#pragma once
// The warnings of a computation run that the main window shows after the
// load dialog and when the fuel sheet is chosen: insufficient tank volume or
// fuel, CG outside its limits, missing aerodrome elevations and runways that
// are too short, or the seat rows, compartments and tanks that lack an arm.
//
// The warnings are shown once per change: after they were shown, the same
// route, aircraft, weather, load and settings show nothing again until one
// of them changes (Changed).

#include <string>
#include <vector>

class CWayDoc;
class CPlane;
class CMetDoc;
class CLoadDoc;
class Prompt;

// The messages of a run, one per message box, in the order they are shown.
// The route's modified flag is left as it was.
std::vector<std::string> ComputationWarnings(CWayDoc& route, const CPlane& plane, const CMetDoc& weather,
                                             const CLoadDoc& load);

class CComputationWarnings {
public:
    // Something the run depends on changed: the next Show shows again.
    void Changed() { m_bChanged = true; }
    // Shows each warning in a message box when something changed since the
    // last time. Nothing without a route or an aircraft. Returns the number
    // of messages shown.
    int Show(CWayDoc* route, const CPlane* plane, const CMetDoc& weather, const CLoadDoc& load,
             Prompt& prompt);

private:
    bool m_bChanged = true;
};
