#include "route/route_warnings.h"

#include "aircraft/load_doc.h"
#include "aircraft/performance.h"
#include "aircraft/weight_balance.h"
#include "platform/prompt.h"
#include "route/route_calc.h"
#include "route/way_doc.h"

std::vector<std::string> ComputationWarnings(CWayDoc& route, const CPlane& plane, const CMetDoc& weather,
                                             const CLoadDoc& load) {
    CRouteCalc& calc = route.GetCalc();
    calc.Prepare(plane);
    std::vector<std::string> messages;
    if (calc.Compute(plane, weather, load))
        messages = WarningMessages(calc.GetResults().m_Performance.warnings);
    else
        messages = AllMissingArmMessages(plane, load.GetValues());
    calc.RestoreModified();
    return messages;
}

int CComputationWarnings::Show(CWayDoc* route, const CPlane* plane, const CMetDoc& weather,
                               const CLoadDoc& load, Prompt& prompt) {
    if (!route || !plane) return 0;
    const std::vector<std::string> messages = ComputationWarnings(*route, *plane, weather, load);
    if (!m_bChanged && messages == m_Shown) return 0;
    m_bChanged = false;
    m_Shown = messages;
    for (const std::string& message : messages) prompt.Message(message, MessageKind::Warning);
    return static_cast<int>(messages.size());
}
