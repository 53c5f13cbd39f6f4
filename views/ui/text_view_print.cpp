#include "views/ui/text_view_print.h"

#include <QPrinter>
#include <QString>
#include <algorithm>
#include <memory>

#include "platform/prompt.h"
#include "platform/qt/clipboard_image.h"
#include "views/text_view_tool.h"

namespace {

// Printer passes end with the printer's layout in the view; the scroll
// sizes on the screen must keep the extent of the last screen update.
class KeepExtent {
public:
    explicit KeepExtent(CTextViewTool& view) : view_(view), extent_(view.GetExtent()) {}
    ~KeepExtent() {
        view_.SetExtentWidth(extent_.cx);
        view_.SetExtentHeight(extent_.cy);
        view_.SetDrawing(true);
    }
    KeepExtent(const KeepExtent&) = delete;
    KeepExtent& operator=(const KeepExtent&) = delete;

private:
    CTextViewTool& view_;
    Size extent_;
};

}  // namespace

PageSource TextViewPages(CTextViewTool& view) {
    PageSource source;
    source.countPages = [&view](Canvas& canvas) {
        view.OnPreparePrinting();
        view.OnPrepareDC(canvas);
        return view.IsGraphicView() ? 1 : view.GetPageCount();
    };
    source.drawPage = [&view](Canvas& canvas, int page) {
        view.PreparePrintPage(canvas);
        view.OnPrint(canvas, page);
    };
    return source;
}

bool PrintTextView(CTextViewTool& view, QWidget* parent) {
    QPrinter& printer = ProgramPrinter();
    view.OnPreparePrinting();
    // The page range is chosen anew for every print.
    if (view.IsGraphicView()) {
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(1, 1);
    } else {
        printer.setPrintRange(QPrinter::AllPages);
        printer.setFromTo(0, 0);
    }
    if (!RunPrintDialog(parent, printer)) return false;
    KeepExtent keep(view);
    if (!PrintPages(printer, TextViewPages(view))) {
        thePrompt().Message("Die Seiten konnten nicht gedruckt werden.", MessageKind::Error);
        return false;
    }
    return true;
}

void PreviewTextView(CTextViewTool& view, QWidget* parent) {
    QPrinter& printer = ProgramPrinter();
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    KeepExtent keep(view);
    view.OnPreparePrinting();
    ShowPrintPreview(parent, TextViewPages(view), printer);
}

bool ExportTextViewPdf(CTextViewTool& view, const std::string& path, const std::string& title) {
    return ExportTextViewsPdf({&view}, path, title);
}

bool ExportTextViewsPdf(const std::vector<CTextViewTool*>& views, const std::string& path,
                        const std::string& title) {
    std::vector<std::unique_ptr<KeepExtent>> keep;
    std::vector<PageSource> sources;
    for (CTextViewTool* view : views) {
        keep.push_back(std::make_unique<KeepExtent>(*view));
        sources.push_back(TextViewPages(*view));
    }
    // The page counts of the last count decide which view draws a page.
    auto counts = std::make_shared<std::vector<int>>(sources.size(), 0);
    PageSource all;
    all.countPages = [sources, counts](Canvas& canvas) {
        int total = 0;
        for (size_t i = 0; i < sources.size(); ++i)
            total += (*counts)[i] = std::max(1, sources[i].countPages(canvas));
        return total;
    };
    all.drawPage = [sources, counts](Canvas& canvas, int page) {
        for (size_t i = 0; i < sources.size(); ++i) {
            if (page <= (*counts)[i]) {
                sources[i].drawPage(canvas, page);
                return;
            }
            page -= (*counts)[i];
        }
    };
    PdfOptions options;
    options.title = QString::fromStdString(title);
    return ExportPdf(path, all, options);
}

bool CopyTextViewToClipboard(CTextViewTool& view, QWidget* window) {
    KeepExtent keep(view);
    return CopyDrawingToClipboard(
        view.GetExtent(),
        [&view](Canvas& canvas) {
            view.OnPrepareDC(canvas);
            view.SetDrawing(true);
            view.OnDraw(canvas);
        },
        window);
}
