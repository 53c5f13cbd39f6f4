#include "platform/recording_canvas.h"

#include <algorithm>

#include "platform/encoding.h"
#include "platform/numtext.h"

namespace {
std::string pt(Point p) { return strFormat("%d,%d", p.x, p.y); }
std::string rc(const Rect& r) { return strFormat("%d,%d,%d,%d", r.left, r.top, r.right, r.bottom); }
std::string penText(const Pen& p) {
    static const char* styles[] = {"solid", "dash", "dot", "dashdot", "dashdotdot", "null"};
    return strFormat("pen=%s/%d/%06X", styles[static_cast<int>(p.style)], p.width, p.colour);
}
std::string brushText(const Brush& b) {
    if (b.style == BrushStyle::Null) return "brush=null";
    return strFormat("brush=%d/%06X", static_cast<int>(b.style), b.colour);
}
}  // namespace

RecordingCanvas::RecordingCanvas(DeviceInfo device) : device_(device) {}

DeviceInfo RecordingCanvas::DefaultDevice() {
    DeviceInfo d;
    d.dpiX = 254;
    d.dpiY = 254;
    d.pageWidthPx = 2100;
    d.pageHeightPx = 2970;
    return d;
}

void RecordingCanvas::Record(std::string line) {
    if (recording_) log_.push_back(std::move(line));
}

std::vector<std::string> RecordingCanvas::Texts() const {
    std::vector<std::string> out;
    for (const auto& line : log_) {
        if (line.rfind("text ", 0) != 0) continue;
        const size_t q = line.find('\'');
        if (q != std::string::npos && line.size() > q + 1) out.push_back(line.substr(q + 1, line.size() - q - 2));
    }
    return out;
}

bool RecordingCanvas::HasText(const std::string& text) const {
    const auto texts = Texts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

void RecordingCanvas::Restore() {
    if (stack_.empty()) return;
    state_ = stack_.back();
    stack_.pop_back();
}

void RecordingCanvas::SetClipRect(const Rect& r) { Record("clip " + rc(r)); }
void RecordingCanvas::ResetClip() { Record("clip none"); }

void RecordingCanvas::LineTo(Point p) {
    Record("line " + pt(state_.current) + " " + pt(p) + " " + penText(state_.pen));
    state_.current = p;
}

void RecordingCanvas::Polyline(const std::vector<Point>& points) {
    std::string line = "polyline";
    for (const auto& p : points) line += " " + pt(p);
    Record(line + " " + penText(state_.pen));
}

void RecordingCanvas::Polygon(const std::vector<Point>& points) {
    std::string line = "polygon";
    for (const auto& p : points) line += " " + pt(p);
    Record(line + " " + penText(state_.pen) + " " + brushText(state_.brush));
}

void RecordingCanvas::Rectangle(const Rect& r) {
    Record("rect " + rc(r) + " " + penText(state_.pen) + " " + brushText(state_.brush));
}

void RecordingCanvas::Ellipse(const Rect& r) {
    Record("ellipse " + rc(r) + " " + penText(state_.pen) + " " + brushText(state_.brush));
}

void RecordingCanvas::FillRect(const Rect& r, Colour c) { Record("fill " + rc(r) + strFormat(" %06X", c)); }

void RecordingCanvas::Arc(const Rect& bounds, Point start, Point end, bool clockwise) {
    Record("arc " + rc(bounds) + " " + pt(start) + " " + pt(end) + (clockwise ? " cw " : " ccw ") +
           penText(state_.pen));
}

void RecordingCanvas::DrawText(Point p, const std::string& text, HAlign h, VAlign v) {
    static const char* hs = "LCR";
    static const char* vs = "TBb";
    Record(strFormat("text %d,%d %c %c h=%d w=%d a=%d ", p.x, p.y, hs[static_cast<int>(h)], vs[static_cast<int>(v)],
                     state_.font.height, state_.font.weight, state_.font.escapement) +
           "'" + text + "'");
}

Size RecordingCanvas::TextExtent(const std::string& text) {
    const int h = state_.font.height;
    return {static_cast<int>(utf8Length(text)) * (h / 2), h};
}

TextMetrics RecordingCanvas::Metrics() {
    const int h = state_.font.height;
    TextMetrics m;
    m.height = h;
    m.ascent = h * 8 / 10;
    m.descent = h - m.ascent;
    m.averageCharWidth = h / 2;
    m.maxCharWidth = h;
    return m;
}

void RecordingCanvas::DrawImage(const RasterImage& image, const Rect& dest) {
    Record(strFormat("image %dx%d ", image.width, image.height) + rc(dest));
}
