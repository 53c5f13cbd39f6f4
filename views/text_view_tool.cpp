#include "views/text_view_tool.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

#include "platform/encoding.h"
#include "platform/numtext.h"
#include "platform/prompt.h"
#include "views/font_doc.h"

namespace {

constexpr int kTitleString = 1530;  // ">>>   N a v o r a   <<<"
constexpr int kPageString = 1835;   // "Seite %d"
constexpr const char* kFlightLine = "Flug: %s - %s";
constexpr int kLeftMargin = 130;    // 13 mm
// Font sizes outside this range can only come from a damaged settings file;
// they are taken as the nearest size that still lays out.
constexpr int kMinFontSize = 1;
constexpr int kMaxFontSize = 1000;

RouteEndsProvider& routeEndsProvider() {
    static RouteEndsProvider provider;
    return provider;
}

// Stands in for the user's prompt while a body runs: a body may lay out
// during a repaint, so nothing may open a message box there. Messages are
// kept as warnings of the view, questions are declined.
class WarningCollector final : public Prompt {
public:
    WarningCollector(CTextViewTool& view, Prompt& outer) : view_(view), outer_(outer) {}

    void Message(const std::string& text, MessageKind) override { view_.RecordWarning(text); }
    Answer AskYesNo(const std::string& text) override {
        view_.RecordWarning(text);
        return Answer::No;
    }
    Answer AskYesNoCancel(const std::string& text) override {
        view_.RecordWarning(text);
        return Answer::Cancel;
    }
    Answer AskOkCancel(const std::string& text) override {
        view_.RecordWarning(text);
        return Answer::Cancel;
    }
    std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> ChooseOpenFile(const std::string&, const std::string&, const FileFilter&) override {
        return {};
    }
    std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&, const FileFilter&) override {
        return {};
    }
    void Beep() override {}
    void SetWaitCursor(bool on) override { outer_.SetWaitCursor(on); }

private:
    CTextViewTool& view_;
    Prompt& outer_;
};

int truncateToInt(double v) {
    if (!std::isfinite(v)) return 0;
    v = std::clamp(v, static_cast<double>(std::numeric_limits<int>::min()),
                   static_cast<double>(std::numeric_limits<int>::max()));
    return static_cast<int>(v);
}

}  // namespace

void SetRouteEndsProvider(RouteEndsProvider provider) { routeEndsProvider() = std::move(provider); }

bool CTextViewTool::GetRouteEnds(std::string& first, std::string& last) const {
    const RouteEndsProvider& provider = routeEndsProvider();
    return provider && provider(first, last);
}

// ---- preparation and passes ---------------------------------------------------

void CTextViewTool::PrepareDC(Canvas& dc) { CreateViewFonts(dc); }

void CTextViewTool::CreateViewFonts(Canvas& dc) { SetupFonts(dc); }

void CTextViewTool::OnPrepareDC(Canvas& dc) {
    m_bPrinting = dc.Device().printing ? 1 : 0;
    if (m_bPrinting)
        Paginate(dc);
    else
        PrepareDC(dc);
}

void CTextViewTool::OnDraw(Canvas& dc) {
    if (!HasDocument()) return;
    int startRow = 0;
    int y = m_nNormalHeight;  // the first row lies one line below the top
    m_bPageQuestioned = false;
    RunBody(dc, startRow, y, m_bDrawing != 0);
}

void CTextViewTool::MeasureForScreen(Canvas& dc) {
    ClearWarnings();
    m_bPrinting = dc.Device().printing ? 1 : 0;
    PrepareDC(dc);
    m_bDrawing = 0;
    OnDraw(dc);
    m_bDrawing = 1;
}

int CTextViewTool::RunBody(Canvas& dc, int& startRow, int& y, bool drawing) {
    WarningCollector collector(*this, thePrompt());
    PromptScope scope(collector);
    const Font font = dc.CurrentFont();
    m_bDrawing = drawing ? 1 : 0;
    const int more = Body(dc, startRow, y, m_bPrinting, m_bDrawing);
    dc.SetFont(font);
    return more != 0 ? 1 : 0;
}

int CTextViewTool::LayoutPage(Canvas& dc, int& startRow, bool draw) {
    int y = 3 * m_nNormalHeight;
    m_bDrawing = draw ? 1 : 0;
    PageHeader(dc, y, m_nPageWidth);
    m_bPageQuestioned = false;
    return RunBody(dc, startRow, y, draw);
}

void CTextViewTool::PreparePrintPage(Canvas& dc) {
    m_bPrinting = 1;
    PrepareDC(dc);
    m_nLinesPerPage = GetLinesPerPage(dc, m_nNormalHeight);
}

int CTextViewTool::Paginate(Canvas& dc) {
    m_nPageCount = 0;
    PreparePrintPage(dc);
    m_bDrawing = 0;
    if (!HasDocument()) {
        m_nPageCount = 1;
    } else {
        int startRow = 0;
        int more = 0;
        do {
            const int pageStart = startRow;
            more = LayoutPage(dc, startRow, false);
            ++m_nPageCount;
            // A body that asks for another page without moving on would
            // only repeat this page.
            if (more && startRow == pageStart) break;
        } while (more && m_nPageCount < kMaxTextViewPages);
    }
    m_bDrawing = 1;
    return m_nPageCount;
}

void CTextViewTool::OnPrint(Canvas& dc, int page) {
    m_bPrinting = 1;
    page = std::clamp(page, 1, kMaxTextViewPages);
    int startRow = 0;
    bool bodyDone = false;
    for (int p = 1; p <= page; ++p) {
        const bool draw = p == page;
        if (bodyDone) {
            // Past the end of the body: the page keeps its frame only.
            if (!draw) continue;
            int y = 3 * m_nNormalHeight;
            m_bDrawing = 1;
            PageHeader(dc, y, m_nPageWidth);
            m_bMorePages = 0;
        } else {
            m_bMorePages = LayoutPage(dc, startRow, draw);
            bodyDone = m_bMorePages == 0;
        }
        if (m_nPageCount > 1) {
            m_bDrawing = draw ? 1 : 0;
            int y = m_nNormalHeight - m_nPageHeight;
            PageFooter(dc, y, p);
        }
    }
}

bool CTextViewTool::PageFull(int y, int lines) {
    if (!m_bPrinting) return false;
    if (!m_bPageQuestioned) {
        m_bPageQuestioned = true;
        return false;
    }
    const long long lh = m_nNormalHeight;
    return y + lines * lh < static_cast<long long>(m_nLinesPerPage) * lh;
}

// ---- header and footer -----------------------------------------------------------

void CTextViewTool::PageHeader(Canvas& dc, int& y, int width) {
    const int lh = m_nNormalHeight;
    const int x0 = m_nRuleStartX;
    const int q = std::abs(lh / 4);
    if (m_bDrawing) {
        FrameRect(dc, x0, y, x0 + width, y + 3 * lh);
        FrameRect(dc, x0 + q, y - q, x0 + width - q, y + 3 * lh + q);
    }
    const Font previous = dc.CurrentFont();
    dc.SetFont(m_NormalFont);
    const int centre = x0 + width / 2;
    int line = y + lh / 2;
    PutTextCentre(dc, centre, line, kTitleString);
    line += lh;
    std::string first, last;
    if (GetRouteEnds(first, last))
        PutTextCentre(dc, centre, line, LimitLength(strFormat(kFlightLine, first.c_str(), last.c_str())));
    dc.SetFont(previous);
    y = line + 3 * lh;
}

void CTextViewTool::PageFooter(Canvas& dc, int& y, int page) {
    const Font previous = dc.CurrentFont();
    dc.SetFont(m_NormalFont);
    y += m_nNormalHeight / 2;
    PutTextCentre(dc, m_nPageWidth / 2, y, kPageString, page);
    dc.SetFont(previous);
}

// ---- output ----------------------------------------------------------------------

void CTextViewTool::PutText(Canvas& dc, int x, int y, const std::string& text, HAlign align) {
    if (!m_bDrawing) return;
    dc.DrawText({x, y}, text, align, VAlign::Top);
}

std::string CTextViewTool::LimitLength(const std::string& text) {
    if (utf8Length(text) <= static_cast<size_t>(kMaxFormattedChars)) return text;
    return utf8Left(text, kMaxFormattedChars);
}

int CTextViewTool::TextEnd(Canvas& dc, int x, const std::string& text) { return x + dc.TextExtent(text).cx; }

void CTextViewTool::HorizontalRule(Canvas& dc, int y, int x1, int x2) {
    if (!m_bDrawing) return;
    dc.Line({x1, y}, {x2 + 1, y});
}

void CTextViewTool::DottedRule(Canvas& dc, int y, int x1, int x2) {
    if (!m_bDrawing) return;
    const Pen previous = dc.CurrentPen();
    dc.SetPen(Pen{PenStyle::Dot, 1, 0});
    dc.Line({x1, y}, {x2 + 1, y});
    dc.SetPen(previous);
}

void CTextViewTool::VerticalRules(Canvas& dc, int x1, int x2, int y1, int y2) {
    if (!m_bDrawing) return;
    dc.Line({x1, y1}, {x1, y2});
    dc.Line({x2, y1}, {x2, y2});
}

void CTextViewTool::FrameRect(Canvas& dc, int left, int top, int right, int bottom) {
    if (!m_bDrawing) return;
    dc.Polyline({{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}});
}

void CTextViewTool::FillFrameRect(Canvas& dc, const Rect& r, Colour colour) {
    if (!m_bDrawing) return;
    if (colour != kNoFillColour) dc.FillRect(r, colour);
    FrameRect(dc, r.left, r.top, r.right, r.bottom);
}

// ---- measures and fonts ------------------------------------------------------------

void CTextViewTool::GetFontMetrics(Canvas& dc, const Font& font, int& widest, int& lineHeight) {
    const Font previous = dc.CurrentFont();
    dc.SetFont(font);
    const TextMetrics m = dc.Metrics();
    dc.SetFont(previous);
    widest = m.maxCharWidth;
    lineHeight = -(m.height + m.externalLeading);
}

Size CTextViewTool::GetPageSize(Canvas& dc) {
    const DeviceInfo d = dc.Device();
    const int width = std::abs(dc.PixelsToLogicalX(d.pageWidthPx));
    // The inch left free at the bottom holds the page footer. A device
    // shorter than that has no room for rows.
    const int height = std::max(0, dc.PixelsToLogicalY(d.pageHeightPx - d.dpiY));
    return {width, height};
}

int CTextViewTool::GetLinesPerPage(Canvas& dc, int lineHeight) {
    m_nPageHeight = GetPageSize(dc).cy;
    if (lineHeight == 0) return 0;
    return m_nPageHeight / std::abs(lineHeight);
}

Font CTextViewTool::CreateNormalFont() const {
    Font f;
    f.face = m_szFontFace;
    f.height = std::abs(m_nFontHeight);
    f.weight = 400;
    return f;
}

Font CTextViewTool::CreateBoldFont() const {
    Font f = CreateNormalFont();
    f.weight = 700;
    return f;
}

void CTextViewTool::SetMarginAndGap(int fontSize) {
    m_nLeftMargin = kLeftMargin;
    m_nNormalWidth = fontSize * 4;
}

void CTextViewTool::SetExtentHeight(int height) {
    m_nExtentHeight = height == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : std::abs(height);
}

std::pair<int, int> CTextViewTool::FitScale(int a, int b, int c, int d, int e, int f) {
    std::optional<double> g;
    if (c != 0) g = static_cast<double>(e) / c;
    if (d != 0) {
        const double gy = static_cast<double>(f) / d;
        g = g ? std::min(*g, gy) : gy;
    }
    if (!g) return {0, 0};
    return {truncateToInt(a * *g), truncateToInt(b * *g)};
}

void CTextViewTool::SetupFonts(Canvas& dc) {
    const CFontDoc* doc = theFontDoc();
    m_szFontFace = doc->GetFace();
    m_nFontSize = static_cast<int16_t>(std::clamp<int>(doc->GetSize(), kMinFontSize, kMaxFontSize));
    const int pixels = static_cast<int>(dc.Device().dpiY * m_nFontSize * 0.013888888888888888);
    // Device y grows downward, logical y upward: the height comes out
    // negative, which asks for the character height.
    m_nFontHeight = -dc.PixelsToLogicalY(pixels);

    m_NormalFont = CreateNormalFont();
    GetFontMetrics(dc, m_NormalFont, m_nNormalWidth, m_nNormalHeight);
    m_BoldFont = CreateBoldFont();
    GetFontMetrics(dc, m_BoldFont, m_nBoldWidth, m_nBoldHeight);
}

// ---- warnings ------------------------------------------------------------------------

void CTextViewTool::RecordWarning(const std::string& text) {
    if (std::find(m_Warnings.begin(), m_Warnings.end(), text) == m_Warnings.end()) m_Warnings.push_back(text);
}
