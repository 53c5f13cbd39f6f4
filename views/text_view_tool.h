#pragma once
// Base of every scrolling page view (flight log, fuel sheet, route data,
// location list, aircraft data, flight plan form and the charts).
//
// A view supplies only its body: the function that lays out and draws its
// rows. The base provides the page model, the fonts from the font settings,
// output operations that can be switched off for a measuring pass, and the
// pagination of printouts with the common page header and footer.
//
// Everything is in logical units of 0.1 mm with y up. The top of a page is
// y = 0 and rows go down to negative y, so line heights are negative and
// every vertical step adds a (negative) line height.
//
// The base never shows a message while it lays out or draws: anything a body
// asks the user during a pass is recorded as a warning (RecordWarning) and
// the view shows it once after its next update.

#include <concepts>
#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/canvas.h"
#include "platform/string_table.h"

// Pagination stops after this many pages, whatever the body answers.
constexpr int kMaxTextViewPages = 9999;
// The colour FillFrameRect takes as "outline only".
constexpr Colour kNoFillColour = 0x80000000;
// Formatted output is cut to this many characters.
constexpr int kMaxFormattedChars = 255;

// Arguments that may fill a string-table format: numbers and C strings. A
// std::string must be passed as .c_str().
template <typename T>
concept FormatArgument = std::is_arithmetic_v<std::decay_t<T>> || std::is_same_v<std::decay_t<T>, const char*> ||
                         std::is_same_v<std::decay_t<T>, char*>;

class CTextViewTool {
public:
    CTextViewTool() = default;
    virtual ~CTextViewTool() = default;
    CTextViewTool(const CTextViewTool&) = delete;
    CTextViewTool& operator=(const CTextViewTool&) = delete;

    // ---- framework entry points ---------------------------------------------
    // Prepares for `dc`: on a printing device it lays out all pages (page
    // count, lines per page); on the screen or an image it sets up fonts and
    // columns only.
    virtual void OnPrepareDC(Canvas& dc);
    // The screen form: the body from row 0, one line below the top, without
    // a page header. A view without a document draws nothing.
    virtual void OnDraw(Canvas& dc);
    // The measuring pass that follows every change: fonts and columns for
    // `dc`, then the body without drawing, which sets the extent. Warnings
    // of the previous update are dropped first.
    void MeasureForScreen(Canvas& dc);
    // Before a print or preview: more pages = 1.
    void OnPreparePrinting() { m_bMorePages = 1; }
    // Lays out every page without drawing; returns the page count (at least
    // one page when there is a document).
    int Paginate(Canvas& dc);
    // Prepares `dc` for drawing one page after the pages were counted on the
    // same kind of device: fonts, columns and lines per page, no pagination.
    void PreparePrintPage(Canvas& dc);
    // Draws printed page `page` (from 1): pages 1 to page - 1 are laid out
    // again without drawing, so running values continue across pages.
    virtual void OnPrint(Canvas& dc, int page);

    // ---- what a view supplies ------------------------------------------------
    // Mapping, fonts and column layout for a device. The base sets up the
    // fonts only; views call it and then lay out their columns.
    virtual void PrepareDC(Canvas& dc);
    // Fonts and their measures for a device; the base does the common set-up
    // (SetupFonts). Views with columns add SetMarginAndGap(m_nFontSize).
    virtual void CreateViewFonts(Canvas& dc);
    // Lays out and (when `drawing`) draws rows from `startRow` downward from
    // `y`, advancing y. When printing it asks PageFull before each row; on a
    // full page it stores the next row in `startRow` and returns 1 (more
    // pages follow). Returns 0 when everything is laid out, after setting the
    // extent. It restores the font it found.
    virtual int Body(Canvas& dc, int& startRow, int& y, int printing, int drawing) = 0;
    // False for a view that has no document to show: it draws nothing and
    // keeps its extent.
    virtual bool HasDocument() const { return true; }
    // The names of the route's first and last waypoint for the page header;
    // false when the route has no waypoint. The base asks the provider set
    // with SetRouteEndsProvider.
    virtual bool GetRouteEnds(std::string& first, std::string& last) const;

    // ---- page header and footer ----------------------------------------------
    // The header box at y with width `width` from the rule start x; y
    // becomes the top of the body, 4.5 lines below the top of the box.
    void PageHeader(Canvas& dc, int& y, int width);
    // "Seite n" half a line below y, centred on half the page width.
    void PageFooter(Canvas& dc, int& y, int page);

    // ---- pagination helper for bodies ----------------------------------------
    // Printing only: whether a block of `lines` lines at y no longer fits the
    // page, that is y + lines x line height lies below lines per page x line
    // height. The first question on each page is always answered "room", so
    // every page takes at least one row however small it is.
    bool PageFull(int y, int lines = 2);

    // ---- output operations (draw only while the drawing flag is 1) ---------
    void PutTextLeft(Canvas& dc, int x, int y, const std::string& text) { PutText(dc, x, y, text, HAlign::Left); }
    void PutTextLeft(Canvas& dc, int x, int y, int id) { PutText(dc, x, y, LoadStr(id), HAlign::Left); }
    template <FormatArgument... Args>
        requires(sizeof...(Args) > 0)
    void PutTextLeft(Canvas& dc, int x, int y, int id, Args... args) {
        PutText(dc, x, y, FormatString(id, args...), HAlign::Left);
    }
    void PutTextCentre(Canvas& dc, int x, int y, const std::string& text) {
        PutText(dc, x, y, text, HAlign::Centre);
    }
    void PutTextCentre(Canvas& dc, int x, int y, int id) { PutText(dc, x, y, LoadStr(id), HAlign::Centre); }
    template <FormatArgument... Args>
        requires(sizeof...(Args) > 0)
    void PutTextCentre(Canvas& dc, int x, int y, int id, Args... args) {
        PutText(dc, x, y, FormatString(id, args...), HAlign::Centre);
    }
    void PutTextRight(Canvas& dc, int x, int y, const std::string& text) { PutText(dc, x, y, text, HAlign::Right); }
    void PutTextRight(Canvas& dc, int x, int y, int id) { PutText(dc, x, y, LoadStr(id), HAlign::Right); }
    template <FormatArgument... Args>
        requires(sizeof...(Args) > 0)
    void PutTextRight(Canvas& dc, int x, int y, int id, Args... args) {
        PutText(dc, x, y, FormatString(id, args...), HAlign::Right);
    }

    // A string-table format filled in (C locale), at most 255 characters.
    template <FormatArgument... Args>
    static std::string FormatString(int id, Args... args) {
        return LimitLength(FormatStr(id, args...));
    }

    // x + the width of the text in the font selected on dc.
    static int TextEnd(Canvas& dc, int x, const std::string& text);
    static int TextEnd(Canvas& dc, int x, int id) { return TextEnd(dc, x, std::string(LoadStr(id))); }

    // A line with the current pen at y from the rule start x to the rule end
    // x + 1, or over its own range.
    void HorizontalRule(Canvas& dc, int y) { HorizontalRule(dc, y, m_nRuleStartX, m_nRuleEndX); }
    void HorizontalRule(Canvas& dc, int y, int x1, int x2);
    // The same with a dotted black pen of width 1.
    void DottedRule(Canvas& dc, int y) { DottedRule(dc, y, m_nRuleStartX, m_nRuleEndX); }
    void DottedRule(Canvas& dc, int y, int x1, int x2);
    // Vertical lines at x1 and x2 from y1 to y2.
    void VerticalRules(Canvas& dc, int x1, int x2, int y1, int y2);
    // The outline of a rectangle, as a closed line.
    void FrameRect(Canvas& dc, int left, int top, int right, int bottom);
    // Fills with `colour` (unless kNoFillColour) and outlines the rectangle.
    void FillFrameRect(Canvas& dc, const Rect& r, Colour colour);

    // Measures `font` on dc: its widest character and its line height,
    // -(character height + external leading). The selected font is kept.
    static void GetFontMetrics(Canvas& dc, const Font& font, int& widest, int& lineHeight);
    // The printable width and the printable height less one inch, in
    // logical units, both positive.
    static Size GetPageSize(Canvas& dc);
    // Page height / |lineHeight| for dc; also stores the page height. 0 for
    // a line height of 0 or a page shorter than one inch.
    int GetLinesPerPage(Canvas& dc, int lineHeight);
    Font CreateNormalFont() const;
    Font CreateBoldFont() const;
    // Left margin 130 (13 mm) and column gap fontSize x 4 (4 mm at 10 pt).
    void SetMarginAndGap(int fontSize);
    void SetExtentWidth(int width) { m_nExtentWidth = width; }
    void SetExtentHeight(int height);
    // Scales (a, b) by the smaller of e / c and f / d, truncated: fits a
    // drawing of size c x d into e x f. A side of size 0 sets no limit; with
    // both sides 0 the result is (0, 0).
    static std::pair<int, int> FitScale(int a, int b, int c, int d, int e, int f);

    // The common font set-up: face and size from the font settings, the font
    // height for dc's vertical resolution, the normal and the bold font and
    // their measures.
    void SetupFonts(Canvas& dc);

    // ---- warnings -------------------------------------------------------------
    // Keeps a message for the user, shown once after the next update. The
    // same text is kept once.
    void RecordWarning(const std::string& text);
    const std::vector<std::string>& Warnings() const { return m_Warnings; }
    void ClearWarnings() { m_Warnings.clear(); }

    // ---- state ------------------------------------------------------------------
    int GetExtentWidth() const { return m_nExtentWidth; }
    int GetExtentHeight() const { return m_nExtentHeight; }
    Size GetExtent() const { return {m_nExtentWidth, m_nExtentHeight}; }
    int GetPageCount() const { return m_nPageCount; }
    int GetLinesPerPageValue() const { return m_nLinesPerPage; }
    int GetMorePages() const { return m_bMorePages; }
    int GetLeftMargin() const { return m_nLeftMargin; }
    int GetPageWidth() const { return m_nPageWidth; }
    int GetPageHeight() const { return m_nPageHeight; }
    int GetRuleStartX() const { return m_nRuleStartX; }
    int GetRuleEndX() const { return m_nRuleEndX; }
    int GetFontHeight() const { return m_nFontHeight; }
    int GetFontSize() const { return m_nFontSize; }
    const std::string& GetFontFace() const { return m_szFontFace; }
    // Line height of the normal font (negative), the column gap (or the
    // widest character before SetMarginAndGap), and the bold font's values.
    int LineHeight() const { return m_nNormalHeight; }
    int ColumnGap() const { return m_nNormalWidth; }
    int BoldLineHeight() const { return m_nBoldHeight; }
    int BoldWidest() const { return m_nBoldWidth; }
    const Font& NormalFont() const { return m_NormalFont; }
    const Font& BoldFont() const { return m_BoldFont; }
    bool IsPrinting() const { return m_bPrinting != 0; }
    bool IsDrawing() const { return m_bDrawing != 0; }
    void SetDrawing(bool on) { m_bDrawing = on ? 1 : 0; }
    // Graphic views print and preview exactly one page.
    bool IsGraphicView() const { return m_bGraphicView; }
    void SetGraphicView(bool on) { m_bGraphicView = on; }

protected:
    int32_t m_bPrinting = 0;
    int32_t m_bDrawing = 1;
    int32_t m_nExtentWidth = 0;
    int32_t m_nExtentHeight = 0;
    int32_t m_bMorePages = 0;
    int32_t m_nLinesPerPage = 0;
    int32_t m_nPageCount = 0;
    int32_t m_nLeftMargin = 0;
    int32_t m_nPageWidth = 0;
    int32_t m_nPageHeight = 0;
    int32_t m_nRuleStartX = 0;
    int32_t m_nRuleEndX = 0;
    int16_t m_nFontSize = 10;
    std::string m_szFontFace = "Arial";
    int32_t m_nFontHeight = 0;

    Font m_NormalFont;
    Font m_BoldFont;
    int m_nNormalWidth = 0;   // the column gap once SetMarginAndGap ran
    int m_nNormalHeight = 0;  // line height, negative
    int m_nBoldWidth = 0;     // widest character
    int m_nBoldHeight = 0;

    bool m_bGraphicView = false;

private:
    void PutText(Canvas& dc, int x, int y, const std::string& text, HAlign align);
    static std::string LimitLength(const std::string& text);
    // One printed page: header and body, drawn only when `draw`. Returns the
    // body's answer.
    int LayoutPage(Canvas& dc, int& startRow, bool draw);
    int RunBody(Canvas& dc, int& startRow, int& y, bool drawing);

    bool m_bPageQuestioned = false;  // PageFull was asked on this page
    std::vector<std::string> m_Warnings;
};

// Where the page header takes the route's first and last waypoint names.
// The route sets it; without one the header has no flight line.
using RouteEndsProvider = std::function<bool(std::string& first, std::string& last)>;
void SetRouteEndsProvider(RouteEndsProvider provider);
