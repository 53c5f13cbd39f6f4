#include "platform/qt/clipboard_image.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPalette>
#include <QScreen>
#include <cmath>

TEST(ClipboardImage, WholeDrawingAtScreenResolution) {
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const double dpi = screen->logicalDotsPerInchX();
    int calls = 0;
    ASSERT_TRUE(CopyDrawingToClipboard({1000, 2000}, [&](Canvas& c) {
        ++calls;
        c.FillRect({0, 0, 100, -100}, MakeRgb(255, 0, 0));  // the top-left 10 mm
    }));
    EXPECT_EQ(calls, 1);
    const QImage image = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(image.isNull());
    // 100 mm x 200 mm.
    EXPECT_NEAR(image.width(), 1000 * dpi / 254, 1);
    EXPECT_NEAR(image.height(), 2000 * dpi / 254, 1);
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(QColor(image.pixel(image.width() - 2, image.height() - 2)),
              QApplication::palette().color(QPalette::Base));
}

TEST(ClipboardImage, ImpossibleImageLeavesClipboardUnchanged) {
    QGuiApplication::clipboard()->setText("vorher");
    for (Size extent : {Size{0, 100}, Size{100, -5}, Size{10'000'000, 10'000'000}, Size{2'000'000'000, 1}}) {
        bool drawn = false;
        EXPECT_FALSE(CopyDrawingToClipboard(extent, [&](Canvas&) { drawn = true; })) << extent.cx;
        EXPECT_FALSE(drawn);
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "vorher");
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasImage());
}
