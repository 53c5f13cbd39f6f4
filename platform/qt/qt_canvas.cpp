#include "platform/qt/qt_canvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QString>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr double kUnitsPerInch = 254.0;
// Dash patterns are laid out for a screen of this resolution; on finer
// devices they are stretched so a dotted rule looks the same on paper.
constexpr double kPatternDpi = 96.0;
// Sizes beyond these would only make the font engine or the image allocator
// choke; nothing the program draws comes near them.
constexpr int kMaxFontPixels = 20000;

Qt::BrushStyle qtBrushStyle(BrushStyle s) {
    switch (s) {
        case BrushStyle::Solid:
            return Qt::SolidPattern;
        case BrushStyle::Null:
            return Qt::NoBrush;
        case BrushStyle::Horizontal:
            return Qt::HorPattern;
        case BrushStyle::Vertical:
            return Qt::VerPattern;
        case BrushStyle::ForwardDiagonal:
            return Qt::FDiagPattern;
        case BrushStyle::BackwardDiagonal:
            return Qt::BDiagPattern;
        case BrushStyle::Cross:
            return Qt::CrossPattern;
        case BrushStyle::DiagonalCross:
            return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

// The dash pattern of a style in units of a one-pixel pen (Qt's own patterns).
QList<qreal> dashPattern(PenStyle s) {
    switch (s) {
        case PenStyle::Dash:
            return {4, 2};
        case PenStyle::Dot:
            return {1, 2};
        case PenStyle::DashDot:
            return {4, 2, 1, 2};
        case PenStyle::DashDotDot:
            return {4, 2, 1, 2, 1, 2};
        default:
            return {};
    }
}

// Angle in degrees, counter-clockwise from the positive x axis, of the point
// on the ellipse with semi-axes a and b that lies on the ray (dx, dy) from its
// centre, as the parameter Qt's arc functions take. dy points up.
double ellipseAngle(double dx, double dy, double a, double b) {
    if (dx == 0 && dy == 0) return 0;
    return std::atan2(dy / b, dx / a) * 180.0 / M_PI;
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) {
    const QPaintDevice* dev = painter_.device();
    if (dev) {
        device_.dpiX = dev->logicalDpiX() > 0 ? dev->logicalDpiX() : 96;
        device_.dpiY = dev->logicalDpiY() > 0 ? dev->logicalDpiY() : 96;
        device_.pageWidthPx = dev->width();
        device_.pageHeightPx = dev->height();
        device_.printing = dynamic_cast<const QPagedPaintDevice*>(dev) != nullptr;
    }
    ApplyPen();
    ApplyBrush();
    painter_.setFont(ToQFont(state_.font));
    SetBackground(state_.opaque, state_.background);
}

QtCanvas::~QtCanvas() {
    while (!stack_.empty()) {
        painter_.restore();
        stack_.pop_back();
    }
}

void QtCanvas::SetPrintFlags(bool printing, bool preview) {
    device_.printing = printing || preview;
    device_.preview = preview;
}

void QtCanvas::Save() {
    painter_.save();
    stack_.push_back(state_);
}

void QtCanvas::Restore() {
    if (stack_.empty()) return;
    painter_.restore();
    state_ = stack_.back();
    stack_.pop_back();
}

QPointF QtCanvas::ToDevice(Point p) const {
    return {(p.x - state_.origin.x) * device_.dpiX / kUnitsPerInch,
            (state_.origin.y - p.y) * device_.dpiY / kUnitsPerInch};
}

QRectF QtCanvas::ToDevice(const Rect& r) const {
    return QRectF(ToDevice(Point{r.left, r.top}), ToDevice(Point{r.right, r.bottom})).normalized();
}

std::vector<QPointF> QtCanvas::ToDevice(const std::vector<Point>& points) const {
    std::vector<QPointF> out;
    out.reserve(points.size());
    for (const Point& p : points) out.push_back(ToDevice(p));
    return out;
}

double QtCanvas::ToLogicalX(double px) const {
    return px * kUnitsPerInch / device_.dpiX;
}
double QtCanvas::ToLogicalY(double px) const {
    return px * kUnitsPerInch / device_.dpiY;
}

QFont QtCanvas::ToQFont(const Font& font) const {
    QFont f(QString::fromUtf8(font.face.c_str()));
    const double px = std::abs(static_cast<double>(font.height)) * device_.dpiY / kUnitsPerInch;
    f.setPixelSize(static_cast<int>(std::lround(std::clamp(px, 1.0, static_cast<double>(kMaxFontPixels)))));
    const int weight = font.weight <= 0 ? 400 : std::clamp(font.weight, 1, 1000);
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

void QtCanvas::ApplyPen() {
    const Pen& p = state_.pen;
    if (p.style == PenStyle::Null) {
        painter_.setPen(Qt::NoPen);
        return;
    }
    QPen pen(ToQColor(p.colour));
    // Width 0 is Qt's cosmetic pen: one device pixel at any resolution. Any
    // other width covers at least one pixel, as thin lines must not vanish.
    double widthPx = 0;
    if (p.width > 0) widthPx = std::max(1.0, p.width * (device_.dpiX + device_.dpiY) / (2 * kUnitsPerInch));
    pen.setWidthF(widthPx);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    if (p.style != PenStyle::Solid) {
        // Qt measures dashes in pen widths; keep them about as long on paper
        // as on the screen.
        const double scale = std::max(1.0, (device_.dpiX / kPatternDpi) / std::max(1.0, widthPx));
        QList<qreal> pattern = dashPattern(p.style);
        for (qreal& v : pattern) v *= scale;
        pen.setDashPattern(pattern);
        pen.setCapStyle(Qt::FlatCap);
    }
    painter_.setPen(pen);
}

void QtCanvas::ApplyBrush() {
    const Brush& b = state_.brush;
    if (b.style == BrushStyle::Null) {
        painter_.setBrush(Qt::NoBrush);
        return;
    }
    painter_.setBrush(QBrush(ToQColor(b.colour), qtBrushStyle(b.style)));
}

void QtCanvas::SetPen(const Pen& pen) {
    state_.pen = pen;
    ApplyPen();
}

void QtCanvas::SetBrush(const Brush& brush) {
    state_.brush = brush;
    ApplyBrush();
}

void QtCanvas::SetFont(const Font& font) {
    state_.font = font;
    painter_.setFont(ToQFont(font));
}

void QtCanvas::SetBackground(bool opaque, Colour c) {
    state_.opaque = opaque;
    state_.background = c;
    painter_.setBackgroundMode(opaque ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_.setBackground(QBrush(ToQColor(c)));
}

void QtCanvas::SetClipRect(const Rect& r) {
    painter_.setClipRect(ToDevice(r), Qt::ReplaceClip);
}

void QtCanvas::ResetClip() {
    painter_.setClipping(false);
}

void QtCanvas::LineTo(Point p) {
    painter_.drawLine(ToDevice(state_.current), ToDevice(p));
    state_.current = p;
}

void QtCanvas::Polyline(const std::vector<Point>& points) {
    if (points.size() < 2) return;
    const auto pts = ToDevice(points);
    painter_.drawPolyline(pts.data(), static_cast<int>(pts.size()));
}

bool QtCanvas::HatchDrawnAsLines() const {
    return state_.brush.style != BrushStyle::Solid && state_.brush.style != BrushStyle::Null &&
           device_.dpiX / kPatternDpi > 1.5;
}

void QtCanvas::FillAndOutline(const QPainterPath& path) {
    // Qt's hatch brushes are patterns of device pixels, a mere tint on paper
    // (and PDF ignores any scaling of them), so on fine devices the hatch is
    // drawn as lines with the spacing and width it has on the screen.
    const double scale = device_.dpiX / kPatternDpi;
    const double step = 8 * scale;
    const BrushStyle style = state_.brush.style;
    painter_.save();
    painter_.setClipPath(path, Qt::IntersectClip);
    if (state_.opaque) painter_.fillPath(path, ToQColor(state_.background));
    QPen pen(ToQColor(state_.brush.colour));
    pen.setWidthF(scale);
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
    // Lines only where they can show, however far the shape reaches.
    QRectF b = path.boundingRect();
    if (const QPaintDevice* dev = painter_.device())
        b = b.intersected(
            painter_.worldTransform().inverted().mapRect(QRectF(0, 0, dev->width(), dev->height())));
    auto from = [step](double v) { return std::floor(v / step) * step; };
    if (style == BrushStyle::Horizontal || style == BrushStyle::Cross)
        for (double y = from(b.top()); y <= b.bottom(); y += step)
            painter_.drawLine(QPointF(b.left(), y), QPointF(b.right(), y));
    if (style == BrushStyle::Vertical || style == BrushStyle::Cross)
        for (double x = from(b.left()); x <= b.right(); x += step)
            painter_.drawLine(QPointF(x, b.top()), QPointF(x, b.bottom()));
    if (style == BrushStyle::ForwardDiagonal ||
        style == BrushStyle::DiagonalCross)  // y = x + c, falling left to right
        for (double c = from(b.top() - b.right()); c <= b.bottom() - b.left(); c += step)
            painter_.drawLine(QPointF(b.left(), b.left() + c), QPointF(b.right(), b.right() + c));
    if (style == BrushStyle::BackwardDiagonal || style == BrushStyle::DiagonalCross)  // y = c - x, rising
        for (double c = from(b.left() + b.top()); c <= b.right() + b.bottom(); c += step)
            painter_.drawLine(QPointF(b.left(), c - b.left()), QPointF(b.right(), c - b.right()));
    painter_.restore();
    painter_.save();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
    painter_.restore();
}

void QtCanvas::Polygon(const std::vector<Point>& points) {
    if (points.size() < 2) return;
    const auto pts = ToDevice(points);
    if (HatchDrawnAsLines()) {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(pts.begin(), pts.end())));
        path.closeSubpath();
        path.setFillRule(Qt::OddEvenFill);
        FillAndOutline(path);
        return;
    }
    painter_.drawPolygon(pts.data(), static_cast<int>(pts.size()), Qt::OddEvenFill);
}

void QtCanvas::Rectangle(const Rect& r) {
    if (HatchDrawnAsLines()) {
        QPainterPath path;
        path.addRect(ToDevice(r));
        FillAndOutline(path);
        return;
    }
    painter_.drawRect(ToDevice(r));
}

void QtCanvas::Ellipse(const Rect& r) {
    if (HatchDrawnAsLines()) {
        QPainterPath path;
        path.addEllipse(ToDevice(r));
        FillAndOutline(path);
        return;
    }
    painter_.drawEllipse(ToDevice(r));
}

void QtCanvas::FillRect(const Rect& r, Colour c) {
    painter_.fillRect(ToDevice(r), ToQColor(c));
}

void QtCanvas::Arc(const Rect& bounds, Point start, Point end, bool clockwise) {
    const QRectF box = ToDevice(bounds);
    const double a = box.width() / 2;
    const double b = box.height() / 2;
    if (a <= 0 || b <= 0) return;
    // Rays from the centre, in device pixels with y up, so that angles grow
    // counter-clockwise as the page is seen.
    const double cx = (bounds.left + bounds.right) / 2.0;
    const double cy = (bounds.top + bounds.bottom) / 2.0;
    const double sx = (start.x - cx) * device_.dpiX / kUnitsPerInch;
    const double sy = (start.y - cy) * device_.dpiY / kUnitsPerInch;
    const double ex = (end.x - cx) * device_.dpiX / kUnitsPerInch;
    const double ey = (end.y - cy) * device_.dpiY / kUnitsPerInch;
    const double from = ellipseAngle(sx, sy, a, b);
    const double to = ellipseAngle(ex, ey, a, b);
    // The counter-clockwise sweep from start to end in (0, 360]; equal rays
    // give the whole ellipse.
    double span = std::fmod(to - from + 720.0, 360.0);
    if (span <= 1e-9) span = 360.0;
    if (clockwise) span = span >= 360.0 ? -360.0 : span - 360.0;
    painter_.drawArc(box, static_cast<int>(std::lround(from * 16)), static_cast<int>(std::lround(span * 16)));
}

void QtCanvas::DrawText(Point p, const std::string& text, HAlign h, VAlign v) {
    if (text.empty()) return;
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFont font = ToQFont(state_.font);
    const QFontMetricsF fm(font, painter_.device());
    const double width = fm.horizontalAdvance(s);
    const double x = h == HAlign::Left ? 0.0 : h == HAlign::Centre ? -width / 2 : -width;
    const double baseline = v == VAlign::Top ? fm.ascent() : v == VAlign::Baseline ? 0.0 : -fm.descent();

    painter_.save();
    // Only translate and rotate: the text itself stays upright and unmirrored.
    painter_.translate(ToDevice(p));
    if (state_.font.escapement != 0) painter_.rotate(-state_.font.escapement / 10.0);
    if (state_.opaque)
        painter_.fillRect(QRectF(x, baseline - fm.ascent(), width, fm.ascent() + fm.descent()),
                          ToQColor(state_.background));
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setPen(QPen(ToQColor(state_.textColour)));
    painter_.setFont(font);
    painter_.drawText(QPointF(x, baseline), s);
    painter_.restore();
}

Size QtCanvas::TextExtent(const std::string& text) {
    const QFont font = ToQFont(state_.font);
    const QFontMetricsF fm(font, painter_.device());
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const int ascent = static_cast<int>(std::lround(ToLogicalY(fm.ascent())));
    const int descent = static_cast<int>(std::lround(ToLogicalY(fm.descent())));
    return {static_cast<int>(std::lround(ToLogicalX(fm.horizontalAdvance(s)))), ascent + descent};
}

TextMetrics QtCanvas::Metrics() {
    const QFont font = ToQFont(state_.font);
    const QFontMetricsF fm(font, painter_.device());
    TextMetrics m;
    m.ascent = static_cast<int>(std::lround(ToLogicalY(fm.ascent())));
    m.descent = static_cast<int>(std::lround(ToLogicalY(fm.descent())));
    m.height = m.ascent + m.descent;
    const int em = static_cast<int>(std::lround(ToLogicalY(font.pixelSize())));
    m.internalLeading = std::max(0, m.height - em);
    m.externalLeading = std::max(0, static_cast<int>(std::lround(ToLogicalY(fm.leading()))));
    m.averageCharWidth = static_cast<int>(std::lround(ToLogicalX(fm.averageCharWidth())));
    m.maxCharWidth = static_cast<int>(std::lround(ToLogicalX(fm.maxWidth())));
    return m;
}

void QtCanvas::DrawImage(const RasterImage& image, const Rect& dest) {
    if (image.width <= 0 || image.height <= 0) return;
    const size_t stride = static_cast<size_t>(image.stride());
    // A buffer shorter than its stated size is not read past its end.
    if (image.pixels.size() / stride < static_cast<size_t>(image.height)) return;

    // Built as 32-bit RGB, which every paint engine takes as it is (the PDF
    // engine would turn an indexed image grey).
    QImage img(image.width, image.height, QImage::Format_RGB32);
    if (img.isNull()) return;
    if (image.format == RasterImage::Format::Indexed8) {
        // A full table, so that an index past the palette shows black
        // instead of reading outside it.
        QRgb table[256];
        std::fill(std::begin(table), std::end(table), qRgb(0, 0, 0));
        const size_t n = std::min<size_t>(image.palette.size(), 256);
        for (size_t i = 0; i < n; ++i) {
            const Colour c = image.palette[i];
            table[i] = qRgb(RedOf(c), GreenOf(c), BlueOf(c));
        }
        for (int row = 0; row < image.height; ++row) {
            const uint8_t* src = image.pixels.data() + stride * static_cast<size_t>(row);
            auto* dst = reinterpret_cast<QRgb*>(img.scanLine(row));
            for (int x = 0; x < image.width; ++x) dst[x] = table[src[x]];
        }
    } else {
        for (int row = 0; row < image.height; ++row) {
            const uint8_t* src = image.pixels.data() + stride * static_cast<size_t>(row);
            auto* dst = reinterpret_cast<QRgb*>(img.scanLine(row));
            for (int x = 0; x < image.width; ++x, src += 3) dst[x] = qRgb(src[0], src[1], src[2]);
        }
    }
    // PDF output would otherwise store the image as a lossy JPEG, which
    // smears the flat colours of maps and charts.
    const bool lossless = painter_.testRenderHint(QPainter::LosslessImageRendering);
    painter_.setRenderHint(QPainter::LosslessImageRendering, true);
    painter_.drawImage(ToDevice(dest), img);
    painter_.setRenderHint(QPainter::LosslessImageRendering, lossless);
}
