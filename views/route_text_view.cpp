#include "views/route_text_view.h"

#include "aircraft/load_doc.h"
#include "aircraft/met_doc.h"
#include "aircraft/plane_doc.h"
#include "route/way_doc.h"

CWayDoc* CRouteTextView::Route() const {
    return m_pRoute ? m_pRoute : theWayDoc();
}

const CPlane* CRouteTextView::Plane() const {
    if (m_pPlane) return m_pPlane;
    const CPlaneDoc* planes = thePlaneDoc();
    return planes ? planes->GetCurrentPlane() : nullptr;
}

bool CRouteTextView::GetRouteEnds(std::string& first, std::string& last) const {
    const CWayDoc* route = Route();
    return route && route->GetRouteEnds(first, last);
}

const CMetDoc& CRouteTextView::CurrentWeather() {
    static const CMetDoc calm;
    const CMetDoc* met = theMetDoc();
    return met ? *met : calm;
}

const CLoadDoc& CRouteTextView::CurrentLoad() {
    static const CLoadDoc none;
    const CLoadDoc* load = theLoadDoc();
    return load ? *load : none;
}
