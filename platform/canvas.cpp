#include "platform/canvas.h"

#include <cmath>

// 254 logical units (0.1 mm) make one inch.
int Canvas::LogicalToPixelsX(int logical) const {
    return static_cast<int>(std::lround(logical * static_cast<double>(Device().dpiX) / 254.0));
}
int Canvas::LogicalToPixelsY(int logical) const {
    return static_cast<int>(std::lround(logical * static_cast<double>(Device().dpiY) / 254.0));
}
int Canvas::PixelsToLogicalX(int px) const {
    return static_cast<int>(std::lround(px * 254.0 / Device().dpiX));
}
int Canvas::PixelsToLogicalY(int px) const {
    return static_cast<int>(std::lround(px * 254.0 / Device().dpiY));
}
