#include "views/placeholder_text_view.h"

#include <algorithm>
#include <utility>

#include "platform/numtext.h"

PlaceholderTextView::PlaceholderTextView(std::string viewName) : m_strViewName(std::move(viewName)) {}

std::string PlaceholderTextView::MessageText() const {
    return strFormat("Die Ansicht »%s« ist noch nicht verfügbar.", m_strViewName.c_str());
}

void PlaceholderTextView::CreateViewFonts(Canvas& dc) {
    SetupFonts(dc);
    SetMarginAndGap(m_nFontSize);
}

void PlaceholderTextView::PrepareDC(Canvas& dc) {
    CTextViewTool::PrepareDC(dc);
    m_nPageHeight = GetPageSize(dc).cy;
    const Font previous = dc.CurrentFont();
    dc.SetFont(m_NormalFont);
    m_nRuleStartX = m_nLeftMargin;
    // Wide enough for the message and for the page header's title.
    const int width = std::max(dc.TextExtent(MessageText()).cx, 2 * dc.TextExtent(LoadStr(1530)).cx);
    m_nRuleEndX = m_nRuleStartX + width + 2 * ColumnGap();
    m_nPageWidth = m_nRuleEndX - m_nRuleStartX;
    dc.SetFont(previous);
}

int PlaceholderTextView::Body(Canvas& dc, int&, int& y, int, int drawing) {
    m_bDrawing = drawing;
    const Font previous = dc.CurrentFont();
    dc.SetFont(m_NormalFont);
    PutTextLeft(dc, m_nRuleStartX + ColumnGap(), y, MessageText());
    y += LineHeight();
    dc.SetFont(previous);
    SetExtentWidth(m_nRuleStartX + m_nRuleEndX);
    SetExtentHeight(y);
    return 0;
}
