#pragma once
// Printing a paged drawing: on a printer, into a PDF file, or in the print
// preview. A document is described by two callbacks, so any view can print
// through the same code: one lays the document out for the device it is given
// and says how many pages it has, the other draws one page.
//
// Each call gets a fresh canvas on the page (origin at the top-left of the
// printable area, default pen, brush and font) that reports itself as
// printing, and in the preview also as preview.

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <functional>
#include <string>

#include "platform/canvas.h"

class QPainter;
class QPrinter;
class QWidget;

struct PageSource {
    // Lays the document out for the canvas's device; returns the page count.
    std::function<int(Canvas&)> countPages;
    // Draws page `page` (from 1) on the canvas.
    std::function<void(Canvas&, int page)> drawPage;
};

// A document reporting fewer pages still prints one; more than this many
// are cut off.
constexpr int kMaxPrintPages = 9999;

struct PdfOptions {
    QPageSize pageSize = QPageSize(QPageSize::A4);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    // Unprintable border of a typical printer, so a PDF lays out like a print.
    double marginMm = 5.0;
    int resolution = 600;
    QString title;
};

// Draws the pages `from` to `to` (from 1; 0 means the first or the last page)
// on a painter that is open on a paged device. Returns the pages drawn.
int RenderPages(QPainter& painter, const PageSource& source, bool preview, int from = 0, int to = 0);

// Prints on `printer` (the page range of its print dialog, if one was
// chosen). False when the printer cannot be opened.
bool PrintPages(QPrinter& printer, const PageSource& source);

// Writes the pages into a PDF file, replacing it only when the whole file
// was written. False when the file cannot be written.
bool ExportPdf(const std::string& path, const PageSource& source, const PdfOptions& options = {});

// The printer of the whole program run: the printer, paper and orientation
// chosen in "Druckereinrichtung" or a print dialog stay for the next print
// and preview. Needs the application object.
QPrinter& ProgramPrinter();

// "Druckereinrichtung": paper, orientation and margins of the program's
// printer; true when the user confirmed.
bool RunPrintSetup(QWidget* parent);

// The print dialog ("Drucken") for `printer`; true when the user confirmed.
bool RunPrintDialog(QWidget* parent, QPrinter& printer);

// Renders all pages for the print preview's `target`, or the chosen range
// when the preview's own print button hands it the real printer.
void RenderPreviewRequest(QPrinter& target, const PageSource& source);

// Shows all pages in the modal print preview, from which they can also be
// printed.
void ShowPrintPreview(QWidget* parent, const PageSource& source, QPrinter& printer);
