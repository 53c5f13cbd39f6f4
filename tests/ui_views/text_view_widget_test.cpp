#include "views/ui/text_view_widget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/ui/command_registry.h"
#include "platform/scripted_prompt.h"
#include "support/temp_dir.h"
#include "views/font_doc.h"
#include "views/ui/font_dialog.h"
#include "views/ui/text_view_commands.h"
#include "views/ui/text_view_print.h"

namespace {

// Numbered rows of a given width, paged the way a table view pages.
class RowsView : public CTextViewTool {
public:
    RowsView(int rows, int width) : rows_(rows), width_(width) {}
    std::string message;  // shown through the prompt on every pass when set

    void CreateViewFonts(Canvas& dc) override {
        SetupFonts(dc);
        SetMarginAndGap(m_nFontSize);
    }
    void PrepareDC(Canvas& dc) override {
        CTextViewTool::PrepareDC(dc);
        m_nRuleStartX = m_nLeftMargin;
        m_nRuleEndX = m_nLeftMargin + width_;
        m_nPageWidth = width_;
    }
    int Body(Canvas& dc, int& startRow, int& y, int printing, int drawing) override {
        m_bDrawing = drawing;
        if (!message.empty()) thePrompt().Message(message);
        const Font previous = dc.CurrentFont();
        dc.SetFont(m_NormalFont);
        for (int i = startRow; i < rows_; ++i) {
            if (printing && PageFull(y)) {
                startRow = i;
                dc.SetFont(previous);
                return 1;
            }
            PutTextLeft(dc, m_nRuleStartX, y, "Zeile " + std::to_string(i));
            y += LineHeight();
        }
        dc.SetFont(previous);
        SetExtentWidth(m_nRuleStartX + m_nRuleEndX);
        SetExtentHeight(y);
        return 0;
    }

private:
    int rows_;
    int width_;
};

// 130 rows make three pages on A4 for any line height from 3.6 to 4.4 mm.
constexpr int kThreePages = 130;

bool havePdfToText() { return std::system("command -v pdftotext >/dev/null 2>&1") == 0; }

// The text of one page without any blanks, so letter spacing does not matter.
std::string pageText(const std::string& pdf, int page) {
    const std::string command = "pdftotext -layout -f " + std::to_string(page) + " -l " + std::to_string(page) +
                                " '" + pdf + "' - 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    char buffer[4096];
    size_t n;
    while (pipe && (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0) text.append(buffer, n);
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n' || c == '\t' || c == '\f'; });
    return text;
}

void pressKey(QWidget& w, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &event);
}

class TextViewWidgetTest : public ::testing::Test {
protected:
    void SetUp() override { SetFontDoc(&fontDoc); }
    void TearDown() override {
        SetFontDoc(nullptr);
        SetRouteEndsProvider(nullptr);
    }
    CFontDoc fontDoc;
};

}  // namespace

TEST_F(TextViewWidgetTest, PdfPagesCarryHeaderAndPageNumber) {
    SetRouteEndsProvider([](std::string& first, std::string& last) {
        first = "Egelsbach";
        last = "Würzburg";
        return true;
    });
    auto owned = std::make_unique<RowsView>(kThreePages, 1700);
    RowsView& view = *owned;
    TextViewWidget widget(std::move(owned));
    widget.OnInitialUpdate();
    const Size screenExtent = view.GetExtent();

    TempDir dir;
    const std::string pdf = dir.file("flug.pdf");
    ASSERT_TRUE(widget.ExportPdf(pdf));
    EXPECT_EQ(view.GetPageCount(), 3);
    EXPECT_EQ(view.GetExtent(), screenExtent);  // printing leaves the screen layout alone
    EXPECT_FALSE(widget.ExportPdf(dir.file("fehlt/flug.pdf")));

    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    for (int page = 1; page <= 3; ++page) {
        const std::string text = pageText(pdf, page);
        EXPECT_NE(text.find(">>>Navora<<<"), std::string::npos) << page << ": " << text;
        EXPECT_NE(text.find("Flug:Egelsbach-Würzburg"), std::string::npos) << page;
        EXPECT_NE(text.find("Seite" + std::to_string(page)), std::string::npos) << page;
    }
    EXPECT_NE(pageText(pdf, 3).find("Zeile129"), std::string::npos);
    EXPECT_EQ(pageText(pdf, 4), "");
}

TEST_F(TextViewWidgetTest, PreviewShowsTheSamePages) {
    RowsView view(kThreePages, 1700);
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewWidget preview(&printer);
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
                     [&](QPrinter* target) { RenderPreviewRequest(*target, TextViewPages(view)); });
    preview.updatePreview();
    EXPECT_EQ(preview.pageCount(), 3);
    EXPECT_EQ(view.GetPageCount(), 3);

    // A chart prints as one page, however its body pages.
    view.SetGraphicView(true);
    preview.updatePreview();
    EXPECT_EQ(preview.pageCount(), 1);
}

TEST_F(TextViewWidgetTest, KeysScrollByPageLineAndToTheEnds) {
    TextViewWidget widget(std::make_unique<RowsView>(300, 6000));
    widget.resize(400, 300);
    widget.show();
    widget.OnUpdate();
    QScrollBar* h = widget.horizontalScrollBar();
    QScrollBar* v = widget.verticalScrollBar();
    ASSERT_GT(h->maximum(), 0);
    ASSERT_GT(v->maximum(), 0);
    const int dpiY = widget.viewport()->logicalDpiY();
    EXPECT_EQ(v->singleStep(), static_cast<int>(std::ceil(100.0 * dpiY / 254)));  // 10 mm
    EXPECT_EQ(h->singleStep(), widget.viewport()->width() / 10);

    pressKey(widget, Qt::Key_PageDown);
    EXPECT_EQ(v->value(), widget.viewport()->height());
    pressKey(widget, Qt::Key_Down);
    EXPECT_EQ(v->value(), widget.viewport()->height() + v->singleStep());
    pressKey(widget, Qt::Key_PageUp);
    EXPECT_EQ(v->value(), v->singleStep());
    pressKey(widget, Qt::Key_Right);
    EXPECT_EQ(h->value(), h->singleStep());
    pressKey(widget, Qt::Key_End);
    EXPECT_EQ(h->value(), h->maximum());
    EXPECT_EQ(v->value(), v->maximum());
    pressKey(widget, Qt::Key_Home);
    EXPECT_EQ(h->value(), 0);
    EXPECT_EQ(v->value(), 0);
}

TEST_F(TextViewWidgetTest, CopyTakesTheWholeView) {
    auto owned = std::make_unique<RowsView>(60, 1000);
    RowsView& view = *owned;
    TextViewWidget widget(std::move(owned));
    widget.resize(200, 150);
    widget.show();
    widget.OnUpdate();
    pressKey(widget, Qt::Key_End);
    ASSERT_TRUE(widget.CopyToClipboard());
    const QImage image = QGuiApplication::clipboard()->image();
    const double dpi = widget.screen()->logicalDotsPerInchX();
    EXPECT_NEAR(image.width(), view.GetExtentWidth() * dpi / 254, 1);
    EXPECT_NEAR(image.height(), view.GetExtentHeight() * dpi / 254, 1);
    EXPECT_GT(image.height(), widget.viewport()->height());
}

TEST_F(TextViewWidgetTest, WarningsShowOnceAfterAnUpdateNeverWhilePainting) {
    ScriptedPrompt prompt;
    PromptScope scope(prompt);
    auto owned = std::make_unique<RowsView>(5, 1000);
    RowsView& view = *owned;
    view.message = "Die Sicherheitsmindesthöhe wird über »Kassel« nicht eingehalten!";
    TextViewWidget widget(std::move(owned));
    widget.resize(300, 200);
    widget.OnUpdate();
    QApplication::processEvents();
    EXPECT_TRUE(prompt.Shown().empty());  // hidden: kept until the view is shown

    widget.show();
    QApplication::processEvents();
    widget.viewport()->repaint();
    widget.viewport()->repaint();
    QApplication::processEvents();
    EXPECT_EQ(prompt.Texts(), (std::vector<std::string>{view.message}));

    widget.OnUpdate();  // the route changed
    QApplication::processEvents();
    EXPECT_EQ(prompt.Shown().size(), 2u);
}

TEST_F(TextViewWidgetTest, FontChoiceUpdatesEveryTextView) {
    auto owned = std::make_unique<RowsView>(5, 1000);
    RowsView& view = *owned;
    TextViewWidget widget(std::move(owned));
    widget.OnUpdate();
    const int before = view.GetExtentHeight();

    QFont chosen("Liberation Serif");
    chosen.setPointSizeF(14.5);
    ApplyViewFont(chosen);
    EXPECT_EQ(fontDoc.GetFace(), "Liberation Serif");
    EXPECT_EQ(fontDoc.GetSize(), 14);
    EXPECT_EQ(view.GetFontSize(), 14);
    EXPECT_GT(view.GetExtentHeight(), before);
    EXPECT_EQ(CurrentViewFont().pointSize(), 14);

    RegisterTextViewCommands();
    EXPECT_TRUE(theCommands().Has(kFontCommand));
}
