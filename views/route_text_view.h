#pragma once
// Base of the text views that show the current route computed for an
// aircraft: the route and the aircraft they compute with, and the weather
// and load in use.

#include <string>

#include "views/text_view_tool.h"

class CPlane;
class CWayDoc;
class CMetDoc;
class CLoadDoc;

class CRouteTextView : public CTextViewTool {
public:
    // The route to show; nullptr shows the current route (theWayDoc()).
    explicit CRouteTextView(CWayDoc* route) : m_pRoute(route) {}

    // The aircraft to compute with; nullptr (the default) takes the current
    // aircraft of the aircraft database. The aircraft must outlive its use.
    void SetPlane(const CPlane* plane) { m_pPlane = plane; }

    bool HasDocument() const override { return Route() != nullptr; }
    bool GetRouteEnds(std::string& first, std::string& last) const override;

protected:
    CWayDoc* Route() const;
    const CPlane* Plane() const;
    // The weather and load in use; calm weather and the default load when
    // none is installed.
    static const CMetDoc& CurrentWeather();
    static const CLoadDoc& CurrentLoad();

private:
    CWayDoc* m_pRoute;
    const CPlane* m_pPlane = nullptr;
};
