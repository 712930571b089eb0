#include "preview/DragBounds.h"

namespace quillory {

float draggedPosition(float position, float anchor, float pointer) {
    return position - anchor + pointer;
}

float boundedDragPosition(float wanted, int32_t viewportInnerSize, int32_t pictureSize) {
    if (wanted > 0.0f)
        return 0.0f;
    const float farthest =
        static_cast<float>(static_cast<int64_t>(viewportInnerSize) - pictureSize);
    // A page that fits has nowhere to go: it stays at the near edge instead of jumping to
    // the far one.
    if (farthest >= 0.0f)
        return 0.0f;
    if (farthest > wanted)
        return farthest;
    return wanted;
}

} // namespace quillory
