#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <climits>
#include <cmath>
#include <functional>

#include "platform/qt/qt_canvas.h"

namespace {

// A white image of the given resolution to draw on through a QtCanvas. At
// 254 dpi one logical unit is one pixel, which keeps expectations readable.
struct Surface {
    QImage image;
    Surface(int w, int h, int dpi = 254) : image(w, h, QImage::Format_RGB32) {
        image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
        image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
        image.fill(Qt::white);
    }
    void draw(const std::function<void(QtCanvas&)>& f) {
        QPainter painter(&image);
        QtCanvas canvas(painter);
        f(canvas);
    }
    bool inked(int x, int y) const { return image.pixel(x, y) != qRgb(255, 255, 255); }
    // Whether any pixel within `r` pixels of (x, y) is inked.
    bool inkedNear(int x, int y, int r = 2) const {
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx)
                if (inked(x + dx, y + dy)) return true;
        return false;
    }
    int count(QRgb colour) const {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
        return n;
    }
    // Bounding box of the pixels darker than mid grey, in image pixels.
    // Only rows fromY..toY and columns fromX..toX count (-1: to the edge).
    QRect ink(int fromY = 0, int toY = -1, int fromX = 0, int toX = -1) const {
        if (toY < 0) toY = image.height() - 1;
        if (toX < 0) toX = image.width() - 1;
        int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
        for (int y = fromY; y <= toY; ++y)
            for (int x = fromX; x <= toX; ++x)
                if (qGray(image.pixel(x, y)) < 128) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
    }
};

const QRgb kRed = qRgb(255, 0, 0);

}  // namespace

TEST(QtCanvas, FillRectMapsTenthsOfMillimetreWithYUp) {
    struct Case {
        int dpi;
        Point origin;
        Rect rect;
    };
    // Every case lands on pixel columns 10..49 and rows 20..59.
    const Case cases[] = {
        {254, {0, 0}, {10, -20, 50, -60}},
        {254, {100, 50}, {110, 30, 150, -10}},
        {254, {0, 0}, {50, -60, 10, -20}},  // corners given the other way round
        {127, {0, 0}, {20, -40, 100, -120}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "dpi " << c.dpi << " origin " << c.origin.x << "," << c.origin.y);
        Surface s(100, 100, c.dpi);
        s.draw([&](QtCanvas& canvas) {
            canvas.SetOrigin(c.origin);
            canvas.FillRect(c.rect, MakeRgb(255, 0, 0));
        });
        EXPECT_EQ(s.count(kRed), 40 * 40);
        EXPECT_EQ(s.image.pixel(10, 20), kRed);
        EXPECT_EQ(s.image.pixel(49, 59), kRed);
    }
}

TEST(QtCanvas, DeviceInfoComesFromThePaintDevice) {
    Surface s(300, 200, 600);
    s.draw([](QtCanvas& canvas) {
        const DeviceInfo d = canvas.Device();
        EXPECT_EQ(d.dpiX, 600);
        EXPECT_EQ(d.dpiY, 600);
        EXPECT_EQ(d.pageWidthPx, 300);
        EXPECT_EQ(d.pageHeightPx, 200);
        EXPECT_FALSE(d.printing);
        EXPECT_EQ(canvas.LogicalToPixelsX(254), 600);
        canvas.SetPrintFlags(false, true);
        EXPECT_TRUE(canvas.Device().printing);
        EXPECT_TRUE(canvas.Device().preview);
    });
}

TEST(QtCanvas, TextIsPlacedByItsTopBaselineOrBottomAndAligned) {
    const Point anchor{200, -150};
    for (HAlign h : {HAlign::Left, HAlign::Centre, HAlign::Right}) {
        for (VAlign v : {VAlign::Top, VAlign::Baseline, VAlign::Bottom}) {
            SCOPED_TRACE(testing::Message() << "h " << static_cast<int>(h) << " v " << static_cast<int>(v));
            Surface s(400, 300);
            Size extent;
            TextMetrics m;
            s.draw([&](QtCanvas& canvas) {
                Font f;
                f.height = 60;
                canvas.SetFont(f);
                extent = canvas.TextExtent("HH");
                m = canvas.Metrics();
                canvas.DrawText(anchor, "HH", h, v);
            });
            // The character cell in image pixels (one pixel per unit here).
            const int left = anchor.x - (h == HAlign::Left     ? 0
                                         : h == HAlign::Centre ? extent.cx / 2
                                                               : extent.cx);
            const int top = -anchor.y - (v == VAlign::Top ? 0 : v == VAlign::Baseline ? m.ascent : m.height);
            const QRect ink = s.ink();
            ASSERT_FALSE(ink.isNull());
            EXPECT_GE(ink.left(), left - 1);
            EXPECT_LE(ink.right(), left + extent.cx + 1);
            EXPECT_GE(ink.top(), top - 1);
            // "H" stands on the baseline and fills most of the ascent.
            EXPECT_NEAR(ink.bottom(), top + m.ascent, 2);
            EXPECT_GT(ink.height(), m.ascent / 2);
            EXPECT_GT(ink.width(), extent.cx * 2 / 3);
        }
    }
}

TEST(QtCanvas, TextIsUprightAndTurnsCounterClockwise) {
    Font f;
    f.height = 150;
    {
        // "F": the stem on the left, its bars reaching right at the top. A
        // flipped painter would put the bars at the bottom or on the left.
        Surface s(300, 300);
        s.draw([&](QtCanvas& canvas) {
            canvas.SetFont(f);
            canvas.DrawText({50, -50}, "F");
        });
        const QRect ink = s.ink();
        ASSERT_FALSE(ink.isNull());
        const int band = ink.height() / 5;
        const QRect topBand = s.ink(ink.top(), ink.top() + band);
        const QRect bottomBand = s.ink(ink.bottom() - band, ink.bottom());
        EXPECT_GT(topBand.right(), bottomBand.right() + ink.width() / 3);
        EXPECT_NEAR(topBand.left(), bottomBand.left(), 1);
        EXPECT_GE(ink.top(), 49);
    }
    {
        // Turned a quarter counter-clockwise about its top-left corner, the
        // text runs upward and lies right of and above the anchor, its stem
        // now a bar along the bottom.
        Surface s(300, 300);
        f.escapement = 900;
        s.draw([&](QtCanvas& canvas) {
            canvas.SetFont(f);
            canvas.DrawText({50, -250}, "F");
        });
        const QRect ink = s.ink();
        ASSERT_FALSE(ink.isNull());
        EXPECT_GE(ink.left(), 49);
        EXPECT_LE(ink.bottom(), 251);
        const QRect bottomBand = s.ink(ink.bottom() - ink.height() / 5, ink.bottom());
        EXPECT_GE(bottomBand.width(), ink.width() - 2);
        // Its top bar now runs up the left edge; the right edge only holds
        // the end of the stem.
        const int band = ink.width() / 5;
        const QRect leftBand = s.ink(0, -1, ink.left(), ink.left() + band);
        const QRect rightBand = s.ink(0, -1, ink.right() - band, ink.right());
        EXPECT_GT(leftBand.height(), rightBand.height() + ink.height() / 3);
    }
}

TEST(QtCanvas, MetricsAreInLogicalUnitsWhateverTheResolution) {
    struct Measured {
        TextMetrics normal;
        Size text, bold;
    };
    auto measure = [](int dpi, int height) {
        Measured r;
        Surface s(10, 10, dpi);
        s.draw([&](QtCanvas& canvas) {
            Font f;
            f.height = height;
            canvas.SetFont(f);
            r.normal = canvas.Metrics();
            r.text = canvas.TextExtent("Flugstrecke 123");
            f.weight = 700;
            canvas.SetFont(f);
            r.bold = canvas.TextExtent("Flugstrecke 123");
        });
        return r;
    };
    const Measured screen = measure(96, 35), print = measure(600, 35), big = measure(600, 70);
    for (const Measured* r : {&screen, &print}) {
        EXPECT_EQ(r->normal.height, r->normal.ascent + r->normal.descent);
        EXPECT_GE(r->normal.height, 35);
        EXPECT_LE(r->normal.height, 45);
        EXPECT_GE(r->normal.externalLeading, 0);
        EXPECT_GT(r->normal.averageCharWidth, 0);
        EXPECT_GE(r->normal.maxCharWidth, r->normal.averageCharWidth);
        EXPECT_EQ(r->text.cy, r->normal.height);
        EXPECT_GT(r->bold.cx, r->text.cx);
    }
    EXPECT_NEAR(screen.normal.height, print.normal.height, 4);
    EXPECT_NEAR(screen.text.cx, print.text.cx, print.text.cx / 10);
    EXPECT_NEAR(big.normal.height, 2 * print.normal.height, 2);
    EXPECT_NEAR(big.text.cx, 2 * print.text.cx, 4);
}

TEST(QtCanvas, PenStylesAndWidths) {
    struct Case {
        PenStyle style;
        int width;
        int minInked, maxInked;  // pixels along the line's middle row
        int thickness;           // rows inked across the line
    };
    const Case cases[] = {
        {PenStyle::Solid, 0, 181, 181, 1}, {PenStyle::Dash, 0, 100, 150, 1},  {PenStyle::Dot, 0, 40, 80, 1},
        {PenStyle::Null, 0, 0, 0, 0},      {PenStyle::Solid, 9, 181, 200, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << static_cast<int>(c.style) << " width " << c.width);
        Surface s(200, 100);
        s.draw([&](QtCanvas& canvas) {
            canvas.SetPen({c.style, c.width, MakeRgb(0, 0, 0)});
            canvas.Line({10, -50}, {190, -50});
        });
        int along = 0, across = 0;
        for (int x = 0; x < 200; ++x) along += s.inked(x, 50);
        for (int y = 0; y < 100; ++y) across += s.ink(y, y).isValid();
        EXPECT_GE(along, c.minInked);
        EXPECT_LE(along, c.maxInked);
        EXPECT_EQ(across, c.thickness);
    }
}

TEST(QtCanvas, HatchesKeepTheirScreenSpacingOnFineDevices) {
    // At 600 dpi a hatch line every 8 screen pixels is about 50 pixels apart,
    // not a tint of lines 8 device pixels apart.
    for (int dpi : {96, 600}) {
        SCOPED_TRACE(dpi);
        const int spacing = 8 * dpi / 96;
        Surface s(20 * spacing, 20 * spacing, dpi);
        s.draw([](QtCanvas& canvas) {
            canvas.SetPen({PenStyle::Null, 0, 0});
            canvas.SetBrush({BrushStyle::Horizontal, MakeRgb(0, 0, 0)});
            canvas.Rectangle({0, 0, 2540, -2540});
        });
        std::vector<int> lines;  // first rows of the runs of inked rows in one column
        for (int y = 0; y < s.image.height(); ++y)
            if (y > 0 && s.inked(spacing * 10, y) && !s.inked(spacing * 10, y - 1)) lines.push_back(y);
        ASSERT_GE(lines.size(), 10u);
        for (size_t i = 1; i < lines.size(); ++i) EXPECT_NEAR(lines[i] - lines[i - 1], spacing, 1);
    }
}

TEST(QtCanvas, ClipAndOriginAreSavedAndRestored) {
    Surface s(100, 100);
    s.draw([](QtCanvas& canvas) {
        canvas.Save();
        canvas.SetOrigin({-10, 0});
        canvas.SetClipRect({-10, 0, 10, -20});  // pixels 0..19 both ways
        canvas.FillRect({-100, 100, 200, -200}, MakeRgb(255, 0, 0));
        canvas.Restore();
        EXPECT_EQ(canvas.Origin(), (Point{0, 0}));
        canvas.FillRect({50, -50, 60, -60}, MakeRgb(0, 0, 255));
        canvas.Restore();  // one too many is ignored
    });
    EXPECT_EQ(s.count(kRed), 20 * 20);
    EXPECT_EQ(s.count(qRgb(0, 0, 255)), 10 * 10);
}

TEST(QtCanvas, ArcsRunCounterClockwiseUnlessClockwise) {
    // A circle of radius 80 about (100, -100); from its east point to its north point.
    const Rect box{20, -20, 180, -180};
    const Point east{180, -100}, north{100, -20};
    const int d = static_cast<int>(std::lround(80 / std::sqrt(2.0)));
    struct Case {
        bool clockwise;
        Point start, end;
        bool northEast, southWest;
    };
    const Case cases[] = {
        {false, east, north, true, false},
        {true, east, north, false, true},
        {false, north, east, false, true},
        {false, east, east, true, true},  // equal rays: the whole ellipse
    };
    for (const Case& c : cases) {
        Surface s(200, 200);
        s.draw([&](QtCanvas& canvas) { canvas.Arc(box, c.start, c.end, c.clockwise); });
        EXPECT_EQ(s.inkedNear(100 + d, 100 - d), c.northEast) << c.clockwise;
        EXPECT_EQ(s.inkedNear(100 - d, 100 + d), c.southWest) << c.clockwise;
        EXPECT_TRUE(s.inkedNear(180, 100));  // the start and end points lie on the arc
        EXPECT_TRUE(s.inkedNear(100, 20));
    }
}

TEST(QtCanvas, ImagesAreScaledUprightAndCheckedBeforeReading) {
    RasterImage indexed;
    indexed.format = RasterImage::Format::Indexed8;
    indexed.width = 2;
    indexed.height = 2;
    indexed.palette = {MakeRgb(255, 0, 0), MakeRgb(0, 255, 0), MakeRgb(0, 0, 255)};
    indexed.pixels = {0, 1, 2, 200};  // 200 lies past the palette: black
    Surface s(100, 100);
    s.draw([&](QtCanvas& canvas) { canvas.DrawImage(indexed, {0, 0, 100, -100}); });
    EXPECT_EQ(s.image.pixel(25, 25), kRed);
    EXPECT_EQ(s.image.pixel(75, 25), qRgb(0, 255, 0));
    EXPECT_EQ(s.image.pixel(25, 75), qRgb(0, 0, 255));
    EXPECT_EQ(s.image.pixel(75, 75), qRgb(0, 0, 0));

    RasterImage rgb;
    rgb.width = 2;
    rgb.height = 1;
    rgb.pixels = {255, 0, 0, 0, 0, 255};  // bytes R, G, B per pixel
    Surface t(100, 100);
    t.draw([&](QtCanvas& canvas) { canvas.DrawImage(rgb, {0, 0, 100, -100}); });
    EXPECT_EQ(t.image.pixel(25, 50), kRed);
    EXPECT_EQ(t.image.pixel(75, 50), qRgb(0, 0, 255));

    rgb.pixels.pop_back();  // one byte short: nothing is drawn
    Surface u(100, 100);
    u.draw([&](QtCanvas& canvas) { canvas.DrawImage(rgb, {0, 0, 100, -100}); });
    EXPECT_EQ(u.count(qRgb(255, 255, 255)), 100 * 100);
}

TEST(QtCanvas, OpaqueBackgroundFillsBehindText) {
    const QRgb yellow = qRgb(255, 255, 0);
    for (bool opaque : {false, true}) {
        Surface s(200, 100);
        s.draw([&](QtCanvas& canvas) {
            canvas.SetBackground(opaque, MakeRgb(255, 255, 0));
            canvas.DrawText({10, -10}, "i i");
        });
        EXPECT_EQ(s.count(yellow) > 100, opaque);
    }
}
