// Printing a long text view: every printed page lays out the pages before it
// again, so the cost of a whole printout grows with the square of its pages.
// Measures counting the pages and printing all of them for views of 1, 10
// and 100 pages (68 rows a page) on a recording canvas that keeps no log.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/recording_canvas.h"
#include "views/text_view_tool.h"

namespace {

class RowsView : public CTextViewTool {
public:
    explicit RowsView(int rows) : rows_(rows) {}
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
        m_bDrawing = drawing;
        for (int i = startRow; i < rows_; ++i) {
            if (printing && PageFull(y)) {
                startRow = i;
                return 1;
            }
            PutTextLeft(dc, m_nRuleStartX, y, "Zeile " + std::to_string(i));
            HorizontalRule(dc, y + LineHeight() / 2);
            y += LineHeight();
        }
        return 0;
    }

private:
    int rows_;
};

void PrintAllPages(benchmark::State& state) {
    DeviceInfo device = RecordingCanvas::DefaultDevice();
    device.printing = true;
    RecordingCanvas canvas(device);
    canvas.SetRecording(false);
    RowsView view(static_cast<int>(state.range(0)) * 68);
    int pages = 0;
    for (auto _ : state) {
        pages = view.Paginate(canvas);
        for (int page = 1; page <= pages; ++page) view.OnPrint(canvas, page);
    }
    state.counters["pages"] = pages;
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * pages);
}
BENCHMARK(PrintAllPages)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
