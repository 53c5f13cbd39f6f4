#pragma once
// The one drawing interface of the program.
//
// Coordinates are logical units of 0.1 mm with x to the right and y upward.
// Colours are 0x00BBGGRR. Text is placed by its top (or baseline or bottom)
// with left, centre or right alignment and is never mirrored. Drawing code of
// every view, map and printout is written against this interface; the Qt
// implementation paints on screens, printers, PDF files and images, and the
// recording one keeps a text log with fixed metrics for tests.

#include <cstdint>
#include <string>
#include <vector>

using Colour = uint32_t;  // 0x00BBGGRR

constexpr Colour MakeRgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return c & 0xFF; }
constexpr int GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Colour c) { return (c >> 16) & 0xFF; }

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    bool operator==(const Size&) const = default;
};

// A rectangle by its edges; with y up, top is normally the larger y.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Rect&) const = default;
};

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Null };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 0;  // logical units; 0 draws one device pixel wide
    Colour colour = 0;
    bool operator==(const Pen&) const = default;
};

enum class BrushStyle { Solid, Null, Horizontal, Vertical, ForwardDiagonal, BackwardDiagonal, Cross, DiagonalCross };

struct Brush {
    BrushStyle style = BrushStyle::Solid;
    Colour colour = 0xFFFFFF;
    bool operator==(const Brush&) const = default;
};

struct Font {
    std::string face = "Arial";
    int height = 35;      // character (em) height in logical units
    int weight = 400;     // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    int escapement = 0;   // text angle in tenths of a degree, counter-clockwise
    bool operator==(const Font&) const = default;
};

struct TextMetrics {
    int height = 0;  // ascent + descent
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int averageCharWidth = 0;
    int maxCharWidth = 0;
};

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Baseline, Bottom };

// What the canvas paints on.
struct DeviceInfo {
    int dpiX = 96;
    int dpiY = 96;
    int pageWidthPx = 0;   // printable area of a printer or the image size
    int pageHeightPx = 0;
    bool printing = false;  // printer, PDF or print preview
    bool preview = false;
};

// A raster image that the canvas can draw: 8-bit indexed with a palette of at
// most 256 colours, or 24-bit RGB. Rows are stored from the top.
struct RasterImage {
    enum class Format { Indexed8, Rgb24 };
    Format format = Format::Rgb24;
    int width = 0;
    int height = 0;
    std::vector<Colour> palette;       // Indexed8 only
    std::vector<uint8_t> pixels;       // width bytes per row, or 3 * width (R, G, B) for Rgb24
    int stride() const { return format == Format::Indexed8 ? width : width * 3; }
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual DeviceInfo Device() const = 0;
    // Logical point that appears at the top-left corner of the device.
    virtual void SetOrigin(Point topLeft) = 0;
    virtual Point Origin() const = 0;

    // State: Save pushes pen, brush, font, colours, modes, clip and origin.
    virtual void Save() = 0;
    virtual void Restore() = 0;

    virtual void SetPen(const Pen& pen) = 0;
    virtual void SetBrush(const Brush& brush) = 0;
    virtual void SetFont(const Font& font) = 0;
    virtual Pen CurrentPen() const = 0;
    virtual Brush CurrentBrush() const = 0;
    virtual Font CurrentFont() const = 0;
    virtual void SetTextColour(Colour c) = 0;
    // Opaque backgrounds fill behind text and between hatch and dash lines.
    virtual void SetBackground(bool opaque, Colour c) = 0;

    virtual void SetClipRect(const Rect& r) = 0;
    virtual void ResetClip() = 0;

    virtual void MoveTo(Point p) = 0;
    virtual void LineTo(Point p) = 0;
    virtual void Polyline(const std::vector<Point>& points) = 0;
    // Filled with the brush and outlined with the pen.
    virtual void Polygon(const std::vector<Point>& points) = 0;
    virtual void Rectangle(const Rect& r) = 0;
    virtual void Ellipse(const Rect& r) = 0;
    // Fills without an outline.
    virtual void FillRect(const Rect& r, Colour c) = 0;
    // An elliptic arc inside `bounds` from the ray towards `start` to the ray
    // towards `end`, counter-clockwise unless `clockwise`.
    virtual void Arc(const Rect& bounds, Point start, Point end, bool clockwise) = 0;

    virtual void DrawText(Point p, const std::string& text, HAlign h = HAlign::Left, VAlign v = VAlign::Top) = 0;
    virtual Size TextExtent(const std::string& text) = 0;
    virtual TextMetrics Metrics() = 0;

    // Draws the image scaled into `dest`.
    virtual void DrawImage(const RasterImage& image, const Rect& dest) = 0;

    // Conversions between logical units and device pixels (sizes, no origin).
    int LogicalToPixelsX(int logical) const;
    int LogicalToPixelsY(int logical) const;
    int PixelsToLogicalX(int px) const;
    int PixelsToLogicalY(int px) const;

    // Convenience
    void Line(Point a, Point b) {
        MoveTo(a);
        LineTo(b);
    }
};

// Restores the canvas state on scope exit.
class CanvasStateScope {
public:
    explicit CanvasStateScope(Canvas& c) : canvas_(c) { canvas_.Save(); }
    ~CanvasStateScope() { canvas_.Restore(); }
    CanvasStateScope(const CanvasStateScope&) = delete;
    CanvasStateScope& operator=(const CanvasStateScope&) = delete;

private:
    Canvas& canvas_;
};
