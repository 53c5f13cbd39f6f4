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
#include "views/route_text_view.h"

class CPlane;
class CWayDoc;

class CFuelView : public CRouteTextView {
public:
    // The route to show; nullptr shows the current route (theWayDoc()).
    explicit CFuelView(CWayDoc* route = nullptr);

    void CreateViewFonts(Canvas& dc) override;
    void PrepareDC(Canvas& dc) override;
    int Body(Canvas& dc, int& startRow, int& y, int printing, int drawing) override;

    // The sheet of the last preparation and its layout.
    const FuelSheet& Sheet() const { return m_Sheet; }
    // The right edge of column `column` (1...) of a table.
    int ColumnEdge(int table, int column) const;

private:
    void LayoutColumns(Canvas& dc);
    void DrawLine(Canvas& dc, int& y, const FuelLine& line);
    void DrawScale(Canvas& dc, int& y);

    FuelSheet m_Sheet;
    int m_nTextX = 0;
    std::array<std::vector<int>, 4> m_Edges;
};
