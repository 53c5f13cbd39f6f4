#pragma once
// Copying a drawing to the clipboard as an image: the drawing is rendered
// whole (not only what a window shows) at the screen's resolution on the
// background colour of a view, then handed to the clipboard.

#include <QColor>
#include <QImage>
#include <functional>

#include "platform/canvas.h"

class QWidget;

// Larger images are refused rather than allocated.
constexpr long long kMaxClipboardPixels = 100'000'000;

using DrawFunction = std::function<void(Canvas&)>;

// Renders `draw` into an image covering the logical rectangle from (0, 0) to
// (extent.cx, -extent.cy) at dpiX x dpiY, filled with `background` first.
// Returns a null image when the size is empty, above the pixel limit or
// cannot be allocated.
QImage RenderDrawingToImage(Size extent, const DrawFunction& draw, int dpiX, int dpiY, QColor background);

// Renders at the resolution of the screen that shows `window` (the primary
// screen when null), on the background colour of its views, and puts the
// image on the clipboard. Returns false, with the clipboard unchanged, when
// the image cannot be made.
bool CopyDrawingToClipboard(Size extent, const DrawFunction& draw, QWidget* window = nullptr);
