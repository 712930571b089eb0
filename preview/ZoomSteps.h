#pragma once
// The zoom factor of the preview and the size of the painted page. Sizes are in twips.

#include <cstdint>

namespace quillory {

inline constexpr float kZoomStep = 0.25f;
inline constexpr float kSmallestZoom = 0.25f;
inline constexpr float kLargestZoom = 4.0f;

// The memory guard of the painting: no painted side above 16 384 pixels (15 twips each).
// A Letter or A4 page paints at every zoom up to 4.0 well inside it.
inline constexpr int32_t kLargestPaintedSideTwips = 16384 * 15;

// The factor one zoom step proposes: zoom + 0.25 for a zero `zoomOut` flag, zoom - 0.25
// otherwise, in single precision.
float steppedZoom(float zoom, int32_t zoomOut);

// True for factors from 0.25 to 4.0 inclusive; others are ignored silently.
bool isAcceptedZoom(float factor);

// floor(original × zoom), the product formed in double precision.
int32_t scaledSize(int32_t original, float zoom);

// The unscaled page size from the inner size of the page's holder: inner − 2, rounded
// half to even.
int32_t unscaledSize(double innerTwips);

// False when a side exceeds the memory guard; such a page is not painted.
bool isPaintable(int32_t zoomWidth, int32_t zoomHeight);

} // namespace quillory
