#include "views/fuel_view.h"

#include <algorithm>

#include "route/way_doc.h"

namespace {

constexpr Colour kScaleRed = 0x0000FF;  // 0x00BBGGRR
constexpr Colour kScaleGreen = 0x00A000;
constexpr int kScaleWidth = 1000;  // 10 cm at most
constexpr int kScalePen = 8;       // 0.8 mm

}  // namespace

CFuelView::CFuelView(CWayDoc* route) : CRouteTextView(route) {}

int CFuelView::ColumnEdge(int table, int column) const {
    const std::vector<int>& edges = m_Edges[static_cast<size_t>(table)];
    return column >= 0 && column < static_cast<int>(edges.size()) ? edges[static_cast<size_t>(column)] : 0;
}

void CFuelView::CreateViewFonts(Canvas& dc) {
    SetupFonts(dc);
    SetMarginAndGap(m_nFontSize);
}

void CFuelView::PrepareDC(Canvas& dc) {
    CTextViewTool::PrepareDC(dc);
    m_nPageHeight = GetPageSize(dc).cy;
    if (CWayDoc* route = Route())
        m_Sheet = BuildFuelSheet(*route, Plane(), CurrentWeather(), CurrentLoad());
    else
        m_Sheet = FuelSheet();
    const Font previous = dc.CurrentFont();
    LayoutColumns(dc);
    dc.SetFont(previous);
}

void CFuelView::LayoutColumns(Canvas& dc) {
    const int g = ColumnGap();
    m_nRuleStartX = m_nLeftMargin;
    m_nTextX = m_nLeftMargin + g;
    auto width = [&dc, this](const std::string& text, bool bold) {
        dc.SetFont(bold ? m_BoldFont : m_NormalFont);
        return dc.TextExtent(text).cx;
    };

    // Each table: the label column as wide as its widest label, then every
    // further column as wide as its widest figure, a gap apart.
    std::array<std::vector<int>, 4> widest;
    int right = m_nTextX + width(m_Sheet.fileLine, false) + 2 * g + width(m_Sheet.dateLine, false);
    for (const FuelSection& section : m_Sheet.sections)
        for (const FuelLine& line : section.lines) {
            if (line.kind == FuelLineKind::Row) {
                std::vector<int>& w = widest[static_cast<size_t>(line.table)];
                if (w.size() < line.cells.size()) w.resize(line.cells.size(), 0);
                for (size_t c = 0; c < line.cells.size(); ++c)
                    w[c] = std::max(w[c], width(line.cells[c], line.bold));
            } else if (line.kind == FuelLineKind::Scale) {
                right = std::max(right, m_nTextX + kScaleWidth);
            } else if (!line.cells.empty()) {
                right = std::max(right, m_nTextX + width(line.cells[0], line.kind != FuelLineKind::Text));
            }
        }
    for (size_t t = 0; t < widest.size(); ++t) {
        std::vector<int>& edges = m_Edges[t];
        edges.assign(widest[t].size(), 0);
        int edge = m_nTextX;
        for (size_t c = 0; c < widest[t].size(); ++c) {
            edge += (c == 0 ? 0 : 2 * g) + widest[t][c];
            edges[c] = edge;
        }
        if (!edges.empty()) right = std::max(right, edges.back());
    }
    m_nRuleEndX = right + g;
    m_nPageWidth = m_nRuleEndX - m_nRuleStartX;
}

void CFuelView::DrawScale(Canvas& dc, int& y) {
    const int lh = LineHeight();
    const FuelScale& s = m_Sheet.scale;
    const int left = m_nTextX;
    const int right = m_nTextX + std::min(kScaleWidth, m_nRuleEndX - ColumnGap() - m_nTextX);
    auto xOf = [&](double value) { return left + static_cast<int>((right - left) * s.Position(value)); };
    const int mid = y + lh / 2;
    if (m_bDrawing) {
        const Pen previous = dc.CurrentPen();
        dc.SetPen(Pen{PenStyle::Solid, kScalePen, kScaleRed});
        dc.Line({left, mid}, {right, mid});
        dc.SetPen(Pen{PenStyle::Solid, kScalePen, kScaleGreen});
        dc.Line({xOf(s.forward), mid}, {xOf(s.aft), mid});
        // Thin ticks at the limits, and the CG as a black mark across the bar.
        dc.SetPen(Pen{PenStyle::Solid, 0, 0});
        for (double limit : {s.forward, s.aft})
            dc.Line({xOf(limit), mid + lh / 4}, {xOf(limit), mid - lh / 4});
        dc.SetPen(Pen{PenStyle::Solid, kScalePen / 2, 0});
        const int x = xOf(s.cg);
        dc.Line({x, y}, {x, y + lh});
        dc.SetPen(previous);
    }
    y += lh;
    // Each limit's value stands under its tick.
    PutTextCentre(dc, xOf(s.forward), y, s.minText);
    PutTextCentre(dc, xOf(s.aft), y, s.maxText);
    y += lh;
}

void CFuelView::DrawLine(Canvas& dc, int& y, const FuelLine& line) {
    const int lh = LineHeight();
    switch (line.kind) {
        case FuelLineKind::Title:
        case FuelLineKind::Subtitle:
            dc.SetFont(m_BoldFont);
            PutTextLeft(dc, m_nTextX, y, line.cells.empty() ? std::string() : line.cells[0]);
            dc.SetFont(m_NormalFont);
            y += lh;
            return;
        case FuelLineKind::Text:
            PutTextLeft(dc, m_nTextX, y, line.cells.empty() ? std::string() : line.cells[0]);
            y += lh;
            return;
        case FuelLineKind::Row:
            if (line.bold) dc.SetFont(m_BoldFont);
            for (size_t c = 0; c < line.cells.size(); ++c) {
                if (c == 0)
                    PutTextLeft(dc, m_nTextX, y, line.cells[0]);
                else if (!line.cells[c].empty())
                    PutTextRight(dc, ColumnEdge(line.table, static_cast<int>(c)), y, line.cells[c]);
            }
            dc.SetFont(m_NormalFont);
            y += lh;
            return;
        case FuelLineKind::Scale:
            DrawScale(dc, y);
            return;
    }
}

int CFuelView::Body(Canvas& dc, int& startRow, int& y, int printing, int drawing) {
    m_bDrawing = drawing;
    const Font previous = dc.CurrentFont();
    dc.SetFont(m_NormalFont);
    dc.SetBackground(false, 0xFFFFFF);
    const int lh = LineHeight();
    auto finish = [&](int more) {
        dc.SetFont(previous);
        if (!more) {
            SetExtentWidth(m_nRuleStartX + m_nRuleEndX);
            SetExtentHeight(y);
        }
        return more;
    };

    if (startRow == 0) {
        PutTextLeft(dc, m_nTextX, y, m_Sheet.fileLine);
        PutTextRight(dc, m_nRuleEndX - ColumnGap(), y, m_Sheet.dateLine);
        y += lh;
        HorizontalRule(dc, y + lh / 2);
        y += lh;
    }
    const int sections = static_cast<int>(m_Sheet.sections.size());
    for (int i = std::max(startRow, 0); i < sections; ++i) {
        const FuelSection& section = m_Sheet.sections[static_cast<size_t>(i)];
        int lines = 1;
        for (const FuelLine& line : section.lines) lines += line.kind == FuelLineKind::Scale ? 2 : 1;
        // The weight and balance always starts the sheet; a later section
        // that does not fit goes to the next page whole.
        if (printing && i > 0 && PageFull(y, lines)) {
            startRow = i;
            return finish(1);
        }
        if (i > 0) y += lh;
        for (const FuelLine& line : section.lines) DrawLine(dc, y, line);
    }
    return finish(0);
}
