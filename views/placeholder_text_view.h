#pragma once
// A page that stands in for a view that is not available yet: one line
// naming the view. It scrolls, prints and copies like every text view.

#include <string>

#include "views/text_view_tool.h"

class PlaceholderTextView : public CTextViewTool {
public:
    explicit PlaceholderTextView(std::string viewName);

    const std::string& ViewName() const { return m_strViewName; }
    // "Die Ansicht »name« ist noch nicht verfügbar."
    std::string MessageText() const;

    void CreateViewFonts(Canvas& dc) override;
    void PrepareDC(Canvas& dc) override;
    int Body(Canvas& dc, int& startRow, int& y, int printing, int drawing) override;

private:
    std::string m_strViewName;
};
