#pragma once
// The fuel sheet ("Verbrauch"): weight and balance with the centre-of-
// gravity scale, the fuel plan, take-off and landing with the sun times,
// the flight costs and the warnings of the current route, aircraft, load
// and weather. Every preparation runs the route computation again.
//
// When printing, each section after the weight and balance begins on a new
// page when it does not fit on the current one; the section number is the
// row the framework carries from page to page.

#include <array>
#include <vector>

#include "views/fuel_sheet.h"
#include "views/text_view_tool.h"

class CPlane;
class CWayDoc;

class CFuelView : public CTextViewTool {
public:
    // The route to show; nullptr shows the current route (theWayDoc()).
    explicit CFuelView(CWayDoc* route = nullptr);

    // The aircraft to compute with; nullptr (the default) takes the current
    // aircraft of the aircraft database. It must outlive its use.
    void SetPlane(const CPlane* plane) { m_pPlane = plane; }

    void CreateViewFonts(Canvas& dc) override;
    void PrepareDC(Canvas& dc) override;
    int Body(Canvas& dc, int& startRow, int& y, int printing, int drawing) override;
    bool HasDocument() const override { return Route() != nullptr; }
    bool GetRouteEnds(std::string& first, std::string& last) const override;

    // The sheet of the last preparation and its layout.
    const FuelSheet& Sheet() const { return m_Sheet; }
    int TextX() const { return m_nTextX; }
    // The right edge of column `column` (1...) of a table.
    int ColumnEdge(int table, int column) const;

private:
    CWayDoc* Route() const;
    const CPlane* Plane() const;
    void LayoutColumns(Canvas& dc);
    void DrawLine(Canvas& dc, int& y, const FuelLine& line);
    void DrawScale(Canvas& dc, int& y);

    CWayDoc* m_pRoute;
    const CPlane* m_pPlane = nullptr;
    FuelSheet m_Sheet;
    int m_nTextX = 0;
    std::array<std::vector<int>, 4> m_Edges;
};
