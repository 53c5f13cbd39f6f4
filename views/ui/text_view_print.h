#pragma once
// Printing, print preview, PDF export and clipboard copy of a text view.
// Each works on the view's own layout: the pages are counted on the target
// device with the common page header and footer, and each page is drawn
// after laying out the pages before it. The view's screen extent is kept.

#include <string>
#include <vector>

#include "platform/qt/page_printer.h"

class CTextViewTool;
class QWidget;

// The paged form of a view for the printer, the PDF writer and the preview.
// A graphic view has exactly one page. The view must outlive the source.
PageSource TextViewPages(CTextViewTool& view);

// "&Drucken...": the print dialog, then the pages. False when the dialog was
// cancelled or printing failed (a failure is reported to the user).
bool PrintTextView(CTextViewTool& view, QWidget* parent);

// "Seiten&ansicht": the print preview with the same pages.
void PreviewTextView(CTextViewTool& view, QWidget* parent);

// All pages into a PDF file (A4 portrait), replacing the file only when it
// was written whole. False when the file cannot be written.
bool ExportTextViewPdf(CTextViewTool& view, const std::string& path, const std::string& title = {});
// The pages of several views, one after the other, into one PDF file; each
// view numbers its own pages.
bool ExportTextViewsPdf(const std::vector<CTextViewTool*>& views, const std::string& path,
                        const std::string& title = {});

// "&Kopieren": the whole view, not only its visible part, as an image on the
// clipboard at the screen's resolution. False, with the clipboard
// unchanged, when the image cannot be made.
bool CopyTextViewToClipboard(CTextViewTool& view, QWidget* window);
