#include "views/text_view_tool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/encoding.h"
#include "platform/recording_canvas.h"
#include "platform/scripted_prompt.h"
#include "views/font_doc.h"
#include "views/placeholder_text_view.h"

namespace {

// A view of numbered one-line rows that asks PageFull before each row, as a
// table view does. It records how the framework ran its body.
class RowsView : public CTextViewTool {
public:
    explicit RowsView(int rows) : rows_(rows) {}

    struct Call {
        int startRow;
        int printing;
        int drawing;
        bool operator==(const Call&) const = default;
    };
    std::vector<Call> calls;
    enum class Mode { Rows, Stuck, Endless } mode = Mode::Rows;
    std::string message;  // shown through the prompt on every pass when set

    void CreateViewFonts(Canvas& dc) override {
        SetupFonts(dc);
        SetMarginAndGap(m_nFontSize);
    }
    void PrepareDC(Canvas& dc) override {
        CTextViewTool::PrepareDC(dc);
        m_nRuleStartX = m_nLeftMargin;
        m_nRuleEndX = 1900;
        m_nPageWidth = m_nRuleEndX - m_nRuleStartX;
    }
    int Body(Canvas& dc, int& startRow, int& y, int printing, int drawing) override {
        calls.push_back({startRow, printing, drawing});
        m_bDrawing = drawing;
        if (!message.empty()) thePrompt().Message(message);
        if (mode == Mode::Stuck) return 1;
        if (mode == Mode::Endless) {
            ++startRow;
            return 1;
        }
        for (int i = startRow; i < rows_; ++i) {
            if (printing && PageFull(y)) {
                startRow = i;
                return 1;
            }
            PutTextLeft(dc, m_nRuleStartX, y, "Zeile " + std::to_string(i));
            y += LineHeight();
        }
        SetExtentWidth(m_nRuleStartX + m_nRuleEndX);
        SetExtentHeight(y);
        return 0;
    }

private:
    int rows_;
};

DeviceInfo printer(int dpi = 254, int pageHeightPx = 2970) {
    DeviceInfo d;
    d.dpiX = dpi;
    d.dpiY = dpi;
    d.pageWidthPx = dpi * 8;
    d.pageHeightPx = pageHeightPx;
    d.printing = true;
    return d;
}

std::vector<std::string> rowTexts(const RecordingCanvas& c) {
    std::vector<std::string> rows;
    for (const std::string& t : c.Texts())
        if (t.rfind("Zeile ", 0) == 0) rows.push_back(t);
    return rows;
}

bool logHas(const RecordingCanvas& c, const std::string& part) {
    return std::any_of(c.Log().begin(), c.Log().end(),
                       [&](const std::string& line) { return line.find(part) != std::string::npos; });
}

// Every test starts from the default font settings (Arial, 10 points).
class TextViewTest : public ::testing::Test {
protected:
    void SetUp() override { SetFontDoc(&fontDoc); }
    void TearDown() override {
        SetFontDoc(nullptr);
        SetRouteEndsProvider(nullptr);
    }
    CFontDoc fontDoc;
};

// On the recording canvas (254 dpi) 10 points are 35 pixels = 35 units, and
// the page below the header holds 68 rows of 35 units: 2970 pixels less one
// inch is 2716 units, 77 lines; the body starts 7.5 lines below the top and
// stops while two more lines would reach past line 77.
constexpr int kRowsPerPage = 68;

}  // namespace

TEST_F(TextViewTest, FontSetUpFollowsTheDeviceResolution) {
    struct Case {
        int dpi;
        int size;
        int fontHeight;
        int gap;
    };
    for (const Case& c : {Case{254, 10, -35, 40}, Case{600, 10, -35, 40}, Case{96, 10, -34, 40},
                          Case{600, 12, -42, 48},
                          Case{254, 0, -3, 4}}) {  // a damaged size is taken as 1 point
        fontDoc.SetSize(static_cast<int16_t>(c.size));
        DeviceInfo d = RecordingCanvas::DefaultDevice();
        d.dpiX = d.dpiY = c.dpi;
        RecordingCanvas canvas(d);
        RowsView view(1);
        view.PrepareDC(canvas);
        EXPECT_EQ(view.GetFontHeight(), c.fontHeight) << c.dpi << " dpi, " << c.size << " pt";
        EXPECT_EQ(view.NormalFont().height, -c.fontHeight);
        EXPECT_EQ(view.LineHeight(), c.fontHeight);  // fixed metrics: no leading
        // The default font's gap is 4 mm; the gap follows the size, not the device.
        EXPECT_EQ(view.ColumnGap(), c.gap);
        EXPECT_EQ(view.GetLeftMargin(), 130);
    }
    fontDoc.SetSize(10);
    RecordingCanvas canvas;
    RowsView view(1);
    view.PrepareDC(canvas);
    EXPECT_EQ(view.ColumnGap(), 40);
    EXPECT_EQ(view.NormalFont().face, "Arial");
    EXPECT_EQ(view.NormalFont().weight, 400);
    EXPECT_EQ(view.BoldFont().weight, 700);
    EXPECT_EQ(view.BoldWidest(), 35);

    // The plain font set-up, without the margin and gap step, as the
    // location list and the charts use it: no margin, the widest character.
    RowsView plain(1);
    plain.SetupFonts(canvas);
    EXPECT_EQ(plain.GetLeftMargin(), 0);
    EXPECT_EQ(plain.ColumnGap(), 35);
}

TEST_F(TextViewTest, PageSizeAndLinesPerPage) {
    struct Case {
        int dpi;
        int heightPx;
        int lineHeight;
        int pageHeight;
        int lines;
    };
    // 600 dpi and 6600 pixels: 6000 pixels below the footer inch = 254 mm.
    for (const Case& c : {Case{600, 6600, -40, 2540, 63}, Case{254, 2970, -35, 2716, 77},
                          Case{600, 500, -40, 0, 0}, Case{600, 6600, 0, 2540, 0}}) {
        RecordingCanvas canvas(printer(c.dpi, c.heightPx));
        RowsView view(1);
        EXPECT_EQ(CTextViewTool::GetPageSize(canvas).cy, c.pageHeight) << c.heightPx;
        EXPECT_EQ(view.GetLinesPerPage(canvas, c.lineHeight), c.lines) << c.heightPx;
        EXPECT_EQ(view.GetPageHeight(), c.pageHeight);
    }
}

TEST_F(TextViewTest, OnePageHasNoFooter) {
    RecordingCanvas canvas(printer());
    RowsView view(10);
    EXPECT_EQ(view.Paginate(canvas), 1);
    EXPECT_TRUE(canvas.Texts().empty());  // the pagination draws nothing
    view.OnPrint(canvas, 1);
    EXPECT_EQ(rowTexts(canvas).size(), 10u);
    EXPECT_TRUE(canvas.HasText(">>>   N a v o r a   <<<"));
    for (const std::string& t : canvas.Texts()) EXPECT_EQ(t.find("Seite"), std::string::npos) << t;
}

TEST_F(TextViewTest, PrintingTheLastPageLaysOutThePagesBeforeIt) {
    RecordingCanvas counting(printer());
    RowsView view(2 * kRowsPerPage + 14);
    EXPECT_EQ(view.Paginate(counting), 3);
    EXPECT_EQ(view.calls, (std::vector<RowsView::Call>{{0, 1, 0}, {kRowsPerPage, 1, 0}, {2 * kRowsPerPage, 1, 0}}));

    RecordingCanvas canvas(printer());
    view.calls.clear();
    view.PreparePrintPage(canvas);
    view.OnPrint(canvas, 3);
    // Pages 1 and 2 are laid out again without drawing; page 3 is drawn.
    EXPECT_EQ(view.calls, (std::vector<RowsView::Call>{{0, 1, 0}, {kRowsPerPage, 1, 0}, {2 * kRowsPerPage, 1, 1}}));
    const auto rows = rowTexts(canvas);
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_EQ(rows.front(), "Zeile 136");
    EXPECT_EQ(rows.back(), "Zeile 149");
    // The body starts 4.5 lines below the top of the header box (3 lines down).
    EXPECT_TRUE(logHas(canvas, "text 130,-262 L T h=35 w=400 a=0 'Zeile 136'"));
    // The footer for page 3, half a line below one line above the free inch,
    // centred on half the page width; no other page's footer.
    EXPECT_TRUE(logHas(canvas, "text 885,-2768 C T h=35 w=400 a=0 'Seite 3'"));
    EXPECT_FALSE(canvas.HasText("Seite 1"));
    EXPECT_FALSE(canvas.HasText("Seite 2"));
    EXPECT_EQ(view.GetMorePages(), 0);

    RecordingCanvas first(printer());
    view.PreparePrintPage(first);
    view.OnPrint(first, 1);
    EXPECT_EQ(rowTexts(first).size(), static_cast<size_t>(kRowsPerPage));
    EXPECT_TRUE(first.HasText("Seite 1"));
    EXPECT_EQ(view.GetMorePages(), 1);
}

TEST_F(TextViewTest, PageHeaderBoxAndFlightLine) {
    RowsView view(1);
    RecordingCanvas canvas(printer());
    view.PreparePrintPage(canvas);
    int y = 3 * view.LineHeight();
    view.PageHeader(canvas, y, view.GetPageWidth());
    EXPECT_EQ(y, -262);
    EXPECT_EQ(canvas.Texts(), (std::vector<std::string>{">>>   N a v o r a   <<<"}));
    // Three lines high, and an inner frame inset by a quarter line.
    EXPECT_TRUE(logHas(canvas, "polyline 130,-105 1900,-105 1900,-210 130,-210 130,-105 "));
    EXPECT_TRUE(logHas(canvas, "polyline 138,-113 1892,-113 1892,-202 138,-202 138,-113 "));
    EXPECT_TRUE(logHas(canvas, "text 1015,-122 C T"));

    SetRouteEndsProvider([](std::string& first, std::string& last) {
        first = "Egelsbach";
        last = "Würzburg";
        return true;
    });
    canvas.ClearLog();
    y = 3 * view.LineHeight();
    view.PageHeader(canvas, y, view.GetPageWidth());
    EXPECT_TRUE(logHas(canvas, "text 1015,-157 C T h=35 w=400 a=0 'Flug: Egelsbach - Würzburg'"));

    SetRouteEndsProvider([](std::string&, std::string&) { return false; });  // a route without waypoints
    canvas.ClearLog();
    view.PageHeader(canvas, y, view.GetPageWidth());
    EXPECT_EQ(canvas.Texts().size(), 1u);
}

TEST_F(TextViewTest, EveryPageTakesARowAndPaginationEnds) {
    // 100 units below the header: not even one row fits, yet each page takes one.
    RowsView tiny(5);
    RecordingCanvas small(printer(254, 254 + 100));
    EXPECT_EQ(tiny.Paginate(small), 5);
    RecordingCanvas last(printer(254, 254 + 100));
    tiny.OnPrint(last, 5);
    EXPECT_EQ(rowTexts(last), (std::vector<std::string>{"Zeile 4"}));
    EXPECT_TRUE(last.HasText("Seite 5"));

    // A body that asks for more pages without moving on ends after one page.
    RowsView stuck(5);
    stuck.mode = RowsView::Mode::Stuck;
    RecordingCanvas canvas(printer());
    EXPECT_EQ(stuck.Paginate(canvas), 1);

    // One that never finishes is cut off.
    RowsView endless(5);
    endless.mode = RowsView::Mode::Endless;
    EXPECT_EQ(endless.Paginate(canvas), kMaxTextViewPages);
}

TEST_F(TextViewTest, ScreenMeasuresWithoutDrawingAndDrawsWithoutHeader) {
    RecordingCanvas screen;
    RowsView view(3);
    view.MeasureForScreen(screen);
    EXPECT_TRUE(screen.Log().empty());
    EXPECT_EQ(view.GetExtent(), (Size{130 + 1900, 4 * 35}));
    EXPECT_TRUE(view.IsDrawing());

    view.OnPrepareDC(screen);
    view.OnDraw(screen);
    EXPECT_EQ(screen.Texts(), (std::vector<std::string>{"Zeile 0", "Zeile 1", "Zeile 2"}));
    EXPECT_TRUE(logHas(screen, "text 130,-35 L T"));  // one line below the top
    EXPECT_EQ(view.calls.back().printing, 0);
}

TEST_F(TextViewTest, ViewWithoutDocumentKeepsItsExtent) {
    struct Empty : RowsView {
        Empty() : RowsView(3) {}
        bool HasDocument() const override { return false; }
    } view;
    view.SetExtentWidth(500);
    view.SetExtentHeight(-700);
    RecordingCanvas screen;
    view.MeasureForScreen(screen);
    view.OnDraw(screen);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(view.GetExtent(), (Size{500, 700}));
}

TEST_F(TextViewTest, MessagesDuringAPassBecomeWarnings) {
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    RowsView view(3);
    view.message = "Die Sicherheitsmindesthöhe wird über »A« nicht eingehalten!";
    RecordingCanvas screen;
    view.MeasureForScreen(screen);
    view.OnDraw(screen);
    view.OnDraw(screen);
    EXPECT_TRUE(prompt.Shown().empty());
    EXPECT_EQ(view.Warnings(), (std::vector<std::string>{view.message}));
    view.message.clear();
    view.MeasureForScreen(screen);
    EXPECT_TRUE(view.Warnings().empty());
}

TEST_F(TextViewTest, OutputOperations) {
    RowsView view(1);
    RecordingCanvas canvas;
    view.PrepareDC(canvas);
    const Rect box{100, -100, 300, -200};

    view.SetDrawing(false);
    view.PutTextRight(canvas, 10, -10, 1835, 2);
    view.HorizontalRule(canvas, -50);
    view.DottedRule(canvas, -50);
    view.VerticalRules(canvas, 1, 2, 3, 4);
    view.FillFrameRect(canvas, box, 0xFF);
    EXPECT_TRUE(canvas.Log().empty());

    view.SetDrawing(true);
    view.PutTextRight(canvas, 10, -10, 1835, 2);
    view.HorizontalRule(canvas, -50);
    view.DottedRule(canvas, -60);
    view.FillFrameRect(canvas, box, kNoFillColour);
    view.FillFrameRect(canvas, box, 0xFF);
    EXPECT_EQ(canvas.Log(), (std::vector<std::string>{
                                "text 10,-10 R T h=35 w=400 a=0 'Seite 2'",
                                "line 130,-50 1901,-50 pen=solid/0/000000",
                                "line 130,-60 1901,-60 pen=dot/1/000000",
                                "polyline 100,-100 300,-100 300,-200 100,-200 100,-100 pen=solid/0/000000",
                                "fill 100,-100,300,-200 0000FF",
                                "polyline 100,-100 300,-100 300,-200 100,-200 100,-100 pen=solid/0/000000",
                            }));
    EXPECT_EQ(canvas.CurrentPen().style, PenStyle::Solid);  // the dotted pen is put back
    EXPECT_EQ(CTextViewTool::TextEnd(canvas, 100, "abcd"), 100 + 4 * 17);

    // Formatted output stops at 255 characters, whole characters counted.
    const std::string name(300, 'X');
    const std::string text = CTextViewTool::FormatString(1789, name.c_str());
    EXPECT_EQ(utf8Length(text), 255u);
    EXPECT_EQ(text.rfind("Region »XX", 0), 0u);
}

TEST(TextViewFitScale, FitsTheSmallerRatio) {
    struct Case {
        int a, b, c, d, e, f;
        std::pair<int, int> result;
    };
    for (const Case& t : {Case{1000, 500, 2000, 1000, 1000, 1000, {500, 250}},
                          Case{100, 100, 10, 20, 50, 50, {250, 250}},
                          Case{7, 7, 3, 0, 2, 9, {4, 4}},  // no height: the width decides
                          Case{5, 5, 0, 0, 1, 1, {0, 0}}}) {
        EXPECT_EQ(CTextViewTool::FitScale(t.a, t.b, t.c, t.d, t.e, t.f), t.result) << t.a << " " << t.c;
    }
}

TEST_F(TextViewTest, PlaceholderNamesTheView) {
    PlaceholderTextView view("Höhenprofil");
    RecordingCanvas screen;
    view.MeasureForScreen(screen);
    EXPECT_GT(view.GetExtentWidth(), 0);
    EXPECT_EQ(view.GetExtentHeight(), 70);
    view.OnDraw(screen);
    EXPECT_EQ(screen.Texts(), (std::vector<std::string>{"Die Ansicht »Höhenprofil« ist noch nicht verfügbar."}));
    RecordingCanvas paper(printer());
    EXPECT_EQ(view.Paginate(paper), 1);
}
