#pragma once
// The warnings of a computation run that the main window shows after the
// load dialog and when the fuel sheet is chosen: insufficient tank volume or
// fuel, CG outside its limits, missing aerodrome elevations and runways that
// are too short, or the seat rows, compartments and tanks that lack an arm.
//
// The warnings are shown once per change: once shown, they are not shown
// again until a document announces a change (Changed) or the warnings
// themselves differ from those shown last (a change nobody announced).

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
    // Shows each warning in a message box unless the same warnings were
    // shown last and nothing changed since. Nothing without a route or an
    // aircraft. Returns the number of messages shown.
    int Show(CWayDoc* route, const CPlane* plane, const CMetDoc& weather, const CLoadDoc& load,
             Prompt& prompt);

private:
    bool m_bChanged = true;
    std::vector<std::string> m_Shown;
};
