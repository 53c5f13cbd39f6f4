#pragma once
// A canvas that draws nothing and writes every operation into a log, with
// fixed, font-independent metrics: each character is half the font height
// wide, ascent is 80 % and descent 20 % of the height. Layout code measured
// on it gives the same figures on every machine, so tests can check what a
// view would draw and where.

#include <string>
#include <vector>

#include "platform/canvas.h"

class RecordingCanvas : public Canvas {
public:
    // By default one device pixel is one logical unit (254 dpi), with an
    // A4 page of 2100 x 2970 pixels.
    explicit RecordingCanvas(DeviceInfo device = DefaultDevice());
    static DeviceInfo DefaultDevice();

    // Each entry is one line such as "text 130,-40 L T 'Flug: A - B'".
    const std::vector<std::string>& Log() const { return log_; }
    void ClearLog() { log_.clear(); }
    // Texts drawn, in order.
    std::vector<std::string> Texts() const;
    // Whether a text equal to `text` was drawn.
    bool HasText(const std::string& text) const;
    void SetRecording(bool on) { recording_ = on; }

    DeviceInfo Device() const override { return device_; }
    void SetOrigin(Point topLeft) override { state_.origin = topLeft; }
    Point Origin() const override { return state_.origin; }
    void Save() override { stack_.push_back(state_); }
    void Restore() override;
    void SetPen(const Pen& pen) override { state_.pen = pen; }
    void SetBrush(const Brush& brush) override { state_.brush = brush; }
    void SetFont(const Font& font) override { state_.font = font; }
    Pen CurrentPen() const override { return state_.pen; }
    Brush CurrentBrush() const override { return state_.brush; }
    Font CurrentFont() const override { return state_.font; }
    void SetTextColour(Colour c) override { state_.textColour = c; }
    void SetBackground(bool opaque, Colour c) override {
        state_.opaque = opaque;
        state_.background = c;
    }
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
    void DrawText(Point p, const std::string& text, HAlign h, VAlign v) override;
    Size TextExtent(const std::string& text) override;
    TextMetrics Metrics() override;
    void DrawImage(const RasterImage& image, const Rect& dest) override;

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
    void Record(std::string line);

    DeviceInfo device_;
    State state_;
    std::vector<State> stack_;
    std::vector<std::string> log_;
    bool recording_ = true;
};
