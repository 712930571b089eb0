#pragma once
// Scroll bars placed by percentage, and the percentage a dragged page stands at.

#include <cstdint>
#include <optional>

namespace quillory {

// The value a bar with this `maximum` takes at `percent` %: percent / 100 × Max rounded
// half to even. None (the bar stays) for a negative percentage or one above 100.
std::optional<int32_t> scrollValueAtPercent(int16_t percent, int32_t maximum);

// The percentage of the way a page of `pictureSize` at `position` has been moved across a
// viewport of `viewportSize` (one axis): |position| / (pictureSize − viewportSize) × 100,
// rounded half to even and held within 16 bits. None when the page is exactly as large as
// the viewport: there is no way to move, and the bar stays.
std::optional<int16_t> draggedPercent(float position, int32_t pictureSize, int32_t viewportSize);

} // namespace quillory
