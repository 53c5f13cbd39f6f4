#include "platform/qt/page_printer.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "support/temp_dir.h"

namespace {

bool havePdfToText() {
    return std::system("command -v pdftotext >/dev/null 2>&1") == 0;
}

// The text of one page of a PDF file, as laid out by pdftotext.
std::string pageText(const std::string& pdf, int page) {
    const std::string command = "pdftotext -layout -f " + std::to_string(page) + " -l " +
                                std::to_string(page) + " '" + pdf + "' - 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    char buffer[4096];
    size_t n;
    while (pipe && (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0) text.append(buffer, n);
    return text;
}

// Three pages, each with its number and a line with umlauts, drawn below the
// top of the printable area. Records what the canvases reported.
struct ThreePages {
    std::vector<int> drawn;
    std::vector<DeviceInfo> devices;
    int counted = 0;
    PageSource source() {
        return {[this](Canvas& c) {
                    ++counted;
                    devices.push_back(c.Device());
                    return 3;
                },
                [this](Canvas& c, int page) {
                    drawn.push_back(page);
                    devices.push_back(c.Device());
                    c.DrawText({130, -100}, "Seite " + std::to_string(page) + " von 3");
                    c.DrawText({130, -200}, "Höhe über Grund");
                    c.Line({130, -300}, {1800, -300});
                }};
    }
};

}  // namespace

TEST(PagePrinter, PdfHoldsEveryPageAndItsText) {
    TempDir dir;
    const std::string pdf = dir.file("flug.pdf");
    ThreePages doc;
    ASSERT_TRUE(ExportPdf(pdf, doc.source()));
    EXPECT_EQ(doc.counted, 1);
    EXPECT_EQ(doc.drawn, (std::vector<int>{1, 2, 3}));
    for (const DeviceInfo& d : doc.devices) {
        EXPECT_TRUE(d.printing);
        EXPECT_FALSE(d.preview);
        EXPECT_EQ(d.dpiY, 600);
        // A4 less 5 mm on each side: 200 x 287 mm (A4 is kept in whole points).
        EXPECT_NEAR(d.pageWidthPx, 200 / 25.4 * 600, 5);
        EXPECT_NEAR(d.pageHeightPx, 287 / 25.4 * 600, 5);
    }
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    for (int page = 1; page <= 3; ++page) {
        const std::string text = pageText(pdf, page);
        EXPECT_NE(text.find("Seite " + std::to_string(page) + " von 3"), std::string::npos) << text;
        EXPECT_NE(text.find("Höhe über Grund"), std::string::npos) << text;
    }
    EXPECT_EQ(pageText(pdf, 4).find("Seite"), std::string::npos);
}

TEST(PagePrinter, PdfKeepsTheFlatColoursOfImages) {
    if (std::system("command -v pdftoppm >/dev/null 2>&1") != 0) GTEST_SKIP() << "pdftoppm is not installed";
    TempDir dir;
    RasterImage image;
    image.format = RasterImage::Format::Indexed8;
    image.width = 2;
    image.height = 2;
    image.palette = {MakeRgb(255, 0, 0), MakeRgb(0, 255, 0), MakeRgb(0, 0, 255), MakeRgb(255, 255, 255)};
    image.pixels = {0, 1, 2, 3};
    PageSource source{nullptr, [&](Canvas& c, int) { c.DrawImage(image, {0, 0, 1000, -1000}); }};
    ASSERT_TRUE(ExportPdf(dir.file("bild.pdf"), source));
    const std::string png = dir.file("bild");
    ASSERT_EQ(
        std::system(("pdftoppm -r 25 -png -singlefile '" + dir.file("bild.pdf") + "' '" + png + "'").c_str()),
        0);
    const QImage page(QString::fromStdString(png + ".png"));
    ASSERT_FALSE(page.isNull());
    // 100 mm at 25 dpi is about 98 pixels; the quadrants' centres, 5 mm in.
    const int a = 5 + 25, b = 5 + 73;
    EXPECT_EQ(QColor(page.pixel(a, a)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(page.pixel(b, a)), QColor(0, 255, 0));
    EXPECT_EQ(QColor(page.pixel(a, b)), QColor(0, 0, 255));
}

TEST(PagePrinter, PdfIntoAMissingFolderFailsAndKeepsNothing) {
    TempDir dir;
    ThreePages doc;
    EXPECT_FALSE(ExportPdf(dir.file("fehlt/flug.pdf"), doc.source()));
}

TEST(PagePrinter, PrinterGetsTheChosenPageRange) {
    TempDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.file("druck.pdf")));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 7);  // past the end: up to the last page
    ThreePages doc;
    ASSERT_TRUE(PrintPages(printer, doc.source()));
    EXPECT_EQ(doc.drawn, (std::vector<int>{2, 3}));
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_NE(pageText(dir.file("druck.pdf"), 1).find("Seite 2 von 3"), std::string::npos);
    EXPECT_NE(pageText(dir.file("druck.pdf"), 2).find("Seite 3 von 3"), std::string::npos);
}

TEST(PagePrinter, PreviewShowsAllPagesAsPreview) {
    QPrinter printer;
    QPrintPreviewWidget preview(&printer);
    ThreePages doc;
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
                     [&](QPrinter* target) { RenderPreviewRequest(*target, doc.source()); });
    preview.updatePreview();
    EXPECT_EQ(preview.pageCount(), 3);
    EXPECT_EQ(doc.drawn, (std::vector<int>{1, 2, 3}));
    ASSERT_FALSE(doc.devices.empty());
    for (const DeviceInfo& d : doc.devices) EXPECT_TRUE(d.preview && d.printing);
}

TEST(PagePrinter, PageCountIsKeptSane) {
    TempDir dir;
    std::vector<int> drawn;
    PageSource none{[](Canvas&) { return 0; }, [&](Canvas&, int page) { drawn.push_back(page); }};
    ASSERT_TRUE(ExportPdf(dir.file("leer.pdf"), none));
    EXPECT_EQ(drawn, (std::vector<int>{1}));
}
