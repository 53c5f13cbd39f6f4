#pragma once
// The canvas over a QPainter. It paints on whatever device the painter is
// open on: a widget, a QPrinter (also in print preview), a QPdfWriter or a
// QImage.
//
// Logical units are 0.1 mm with y up; 254 of them make one inch of the
// device's logical resolution. The origin is the logical point that appears
// at the device's top-left corner. Every point is mapped to device pixels here;
// the painter's own transform is only ever translated and rotated (for turned
// text), never flipped, so text always reads the right way round.

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <vector>

#include "platform/canvas.h"

class QPainter;
class QPainterPath;

class QtCanvas final : public Canvas {
public:
    // Draws with `painter`, which must be active and outlive the canvas. The
    // canvas sets the painter's pen, brush, font and background to its own
    // defaults, and leaves the painter's saved states balanced when it goes.
    explicit QtCanvas(QPainter& painter);
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    // Printers and PDF writers count as printing on their own; print preview
    // cannot be told from printing by the device, so its caller says so here.
    void SetPrintFlags(bool printing, bool preview);
    QPainter& painter() { return painter_; }

    DeviceInfo Device() const override { return device_; }
    void SetOrigin(Point topLeft) override { state_.origin = topLeft; }
    Point Origin() const override { return state_.origin; }
    void Save() override;
    void Restore() override;

    void SetPen(const Pen& pen) override;
    void SetBrush(const Brush& brush) override;
    void SetFont(const Font& font) override;
    Pen CurrentPen() const override { return state_.pen; }
    Brush CurrentBrush() const override { return state_.brush; }
    Font CurrentFont() const override { return state_.font; }
    void SetTextColour(Colour c) override { state_.textColour = c; }
    void SetBackground(bool opaque, Colour c) override;

    void SetClipRect(const Rect& r) override;
    void ResetClip() override;

    void MoveTo(Point p) override { state_.current = p; }
    void LineTo(Point p) override;
    void Polyline(const std::vector<Point>& points) override;
    void Polygon(const std::vector<Point>& points) override;
    void Rectangle(const Rect& r) override;
    void Ellipse(const Rect& r) override;
    void FillRect(const Rect& r, Colour c) override;
    void Arc(const Rect& bounds, Point start, Point end, bool clockwise) override;

    void DrawText(Point p, const std::string& text, HAlign h = HAlign::Left, VAlign v = VAlign::Top) override;
    Size TextExtent(const std::string& text) override;
    TextMetrics Metrics() override;

    void DrawImage(const RasterImage& image, const Rect& dest) override;

    // The device position of a logical point, and the device rectangle of a
    // logical one (normalised, so it never has a negative size).
    QPointF ToDevice(Point p) const;
    QRectF ToDevice(const Rect& r) const;
    // The Qt font that stands for `font` on this device.
    QFont ToQFont(const Font& font) const;

    static QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

private:
    struct State {
        Pen pen;
        Brush brush;
        Font font;
        Colour textColour = 0;
        bool opaque = false;
        Colour background = 0xFFFFFF;
        Point origin;
        Point current;
    };

    double ToLogicalX(double px) const;
    double ToLogicalY(double px) const;
    void ApplyPen();
    void ApplyBrush();
    bool HatchDrawnAsLines() const;
    void FillAndOutline(const QPainterPath& path);
    std::vector<QPointF> ToDevice(const std::vector<Point>& points) const;

    QPainter& painter_;
    DeviceInfo device_;
    State state_;
    std::vector<State> stack_;
};
