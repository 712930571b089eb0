#pragma once
// The scroll bars of the preview: how far a bar reaches and how many twips one unit of it
// moves the page. Arithmetic in 32 bits: a zoomed page exceeds the 16-bit range.

#include <cstdint>

namespace quillory {

struct ScrollRange {
    bool enabled = false;
    int32_t maximum = 0; // the bar's Max; meaningful only when enabled
    int16_t step = 0;    // twips per unit: 0 (disabled), 1 or 10
};

// The range for a picture of `pictureSize` in a viewport of `viewportSize` (one axis):
// disabled with step 0 when the picture fits; otherwise, with d the excess, Max = d and
// step 1 for d up to 100, Max = d / 10 rounded half to even and step 10 beyond.
ScrollRange scrollRangeFor(int32_t pictureSize, int32_t viewportSize);

// The page position for a bar value: −(step × value).
int32_t scrollOffset(int16_t step, int32_t value);

} // namespace quillory
