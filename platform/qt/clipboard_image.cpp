#include "platform/qt/clipboard_image.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <cmath>

#include "platform/qt/qt_canvas.h"

namespace {
constexpr double kUnitsPerInch = 254.0;
}

QImage RenderDrawingToImage(Size extent, const DrawFunction& draw, int dpiX, int dpiY, QColor background) {
    if (extent.cx <= 0 || extent.cy <= 0 || dpiX <= 0 || dpiY <= 0) return {};
    const double w = std::ceil(extent.cx * static_cast<double>(dpiX) / kUnitsPerInch);
    const double h = std::ceil(extent.cy * static_cast<double>(dpiY) / kUnitsPerInch);
    if (w < 1 || h < 1 || w * h > static_cast<double>(kMaxClipboardPixels)) return {};

    QImage image(static_cast<int>(w), static_cast<int>(h), QImage::Format_RGB32);
    if (image.isNull()) return {};
    // The image carries the resolution, so the canvas maps 0.1 mm through it.
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpiX / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpiY / 0.0254)));
    image.fill(background);
    QPainter painter(&image);
    if (!painter.isActive()) return {};
    {
        QtCanvas canvas(painter);
        if (draw) draw(canvas);
    }
    painter.end();
    return image;
}

bool CopyDrawingToClipboard(Size extent, const DrawFunction& draw, QWidget* window) {
    QScreen* screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const int dpiX = screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchX())) : 96;
    const int dpiY = screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : 96;
    // Views paint on the base colour of the palette (white in most themes).
    const QColor background = (window ? window->palette() : QApplication::palette()).color(QPalette::Base);
    const QImage image = RenderDrawingToImage(extent, draw, dpiX, dpiY, background);
    if (image.isNull()) return false;
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    clipboard->setImage(image);
    return true;
}
