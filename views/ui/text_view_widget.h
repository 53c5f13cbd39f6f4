#pragma once
// The window of a text view: a scrolling page that shows a CTextViewTool.
// It paints the view on the screen, sets the scroll sizes from the view's
// extent, scrolls by keyboard and offers print, preview, PDF and copy.
//
// The main window shows one view at a time and routes the commands
// "&Drucken..." (57607), "Seiten&ansicht" (57609) and "&Kopieren" (57634)
// to the active view's Print(), PrintPreview() and CopyToClipboard().

#include <QAbstractScrollArea>
#include <memory>
#include <string>
#include <vector>

#include "views/text_view_tool.h"

class TextViewWidget : public QAbstractScrollArea {
    Q_OBJECT

public:
    // Owns the view.
    explicit TextViewWidget(std::unique_ptr<CTextViewTool> view, QWidget* parent = nullptr);
    // Shows a view that lives elsewhere and outlives the widget.
    explicit TextViewWidget(CTextViewTool& view, QWidget* parent = nullptr);
    ~TextViewWidget() override;

    CTextViewTool& View() { return *view_; }

    // The first update after the view was made.
    void OnInitialUpdate() { OnUpdate(); }
    // After every change of what the view shows: the measuring pass, the
    // scroll sizes from the extent, a repaint. Warnings the pass recorded
    // are shown once, after it, while the widget is visible.
    void OnUpdate();

    bool Print();
    void PrintPreview();
    // All pages into a PDF file; false when it cannot be written.
    bool ExportPdf(const std::string& path);
    bool CopyToClipboard();

    // Updates every text view, for example after the font changed.
    static void UpdateAllTextViews();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Init();
    // Scroll ranges from the extent; page steps are the client area, line
    // steps a tenth of its width horizontally and 10 mm vertically.
    void SetScrollExtent();
    void ShowPendingWarnings();

    std::unique_ptr<CTextViewTool> owned_;
    CTextViewTool* view_;
    std::vector<std::string> pendingWarnings_;
    bool warningsQueued_ = false;
};
