#include "preview/ScrollRanges.h"

#include "preview/Rounding.h"

namespace quillory {

ScrollRange scrollRangeFor(int32_t pictureSize, int32_t viewportSize) {
    if (pictureSize <= viewportSize)
        return {false, 0, 0};
    const float excess = static_cast<float>(static_cast<int64_t>(pictureSize) - viewportSize);
    if (excess <= 100.0f)
        return {true, roundHalfEven(excess), 1};
    return {true, roundHalfEven(excess / 10.0f), 10};
}

int32_t scrollOffset(int16_t step, int32_t value) {
    return -(static_cast<int32_t>(step) * value);
}

} // namespace quillory
