#include "platform/qt/page_printer.h"

#include <QPageSetupDialog>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <algorithm>

#include "platform/qt/qt_canvas.h"

int RenderPages(QPainter& painter, const PageSource& source, bool preview, int from, int to) {
    auto* device = dynamic_cast<QPagedPaintDevice*>(painter.device());
    if (!device || !source.drawPage) return 0;

    int count = 1;
    if (source.countPages) {
        QtCanvas canvas(painter);
        canvas.SetPrintFlags(true, preview);
        count = std::clamp(source.countPages(canvas), 1, kMaxPrintPages);
    }
    const int first = from > 0 ? std::min(from, count) : 1;
    const int last = to > 0 ? std::clamp(to, first, count) : count;

    int drawn = 0;
    for (int page = first; page <= last; ++page) {
        if (page > first && !device->newPage()) break;
        painter.save();
        {
            QtCanvas canvas(painter);
            canvas.SetPrintFlags(true, preview);
            source.drawPage(canvas, page);
        }
        painter.restore();
        ++drawn;
    }
    return drawn;
}

bool PrintPages(QPrinter& printer, const PageSource& source) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const bool range = printer.printRange() == QPrinter::PageRange;
    RenderPages(painter, source, false, range ? printer.fromPage() : 0, range ? printer.toPage() : 0);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

bool ExportPdf(const std::string& path, const PageSource& source, const PdfOptions& options) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(options.resolution);
        writer.setTitle(options.title);
        writer.setCreator("Navora");
        const QMarginsF margins(options.marginMm, options.marginMm, options.marginMm, options.marginMm);
        writer.setPageLayout(
            QPageLayout(options.pageSize, options.orientation, margins, QPageLayout::Millimeter));
        QPainter painter;
        if (painter.begin(&writer)) {
            RenderPages(painter, source, false);
            painted = painter.end();
        }
    }
    if (!painted) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QPrinter& ProgramPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

bool RunPrintSetup(QWidget* parent) {
    QPageSetupDialog dialog(&ProgramPrinter(), parent);
    dialog.setWindowTitle("Druckereinrichtung");
    return dialog.exec() == QDialog::Accepted;
}

bool RunPrintDialog(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("Drucken");
    dialog.setMinMax(1, kMaxPrintPages);
    return dialog.exec() == QDialog::Accepted;
}

void RenderPreviewRequest(QPrinter& target, const PageSource& source) {
    // The preview records its pages as pictures; printing from the preview
    // window asks again with the printer's own engine.
    QPaintEngine* engine = target.paintEngine();
    if (engine && engine->type() != QPaintEngine::Picture) {
        PrintPages(target, source);
        return;
    }
    QPainter painter;
    if (!painter.begin(&target)) return;
    RenderPages(painter, source, true);
    painter.end();
}

void ShowPrintPreview(QWidget* parent, const PageSource& source, QPrinter& printer) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle("Navora - Seitenansicht");
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&source](QPrinter* target) { RenderPreviewRequest(*target, source); });
    dialog.exec();
}
