#include "preview/ZoomSteps.h"

#include "preview/Rounding.h"

#include <cmath>

namespace quillory {

float steppedZoom(float zoom, int32_t zoomOut) {
    return zoomOut == 0 ? zoom + kZoomStep : zoom - kZoomStep;
}

bool isAcceptedZoom(float factor) {
    return factor >= kSmallestZoom && factor <= kLargestZoom;
}

int32_t scaledSize(int32_t original, float zoom) {
    const double product = std::floor(static_cast<double>(original) * static_cast<double>(zoom));
    return roundHalfEven(product); // already whole; held within 32 bits
}

int32_t unscaledSize(double innerTwips) {
    return roundHalfEven(innerTwips - 2.0);
}

bool isPaintable(int32_t zoomWidth, int32_t zoomHeight) {
    return zoomWidth <= kLargestPaintedSideTwips && zoomHeight <= kLargestPaintedSideTwips;
}

} // namespace quillory
