#include "preview/ScrollPercent.h"

#include "preview/Rounding.h"

#include <cmath>

namespace quillory {

std::optional<int32_t> scrollValueAtPercent(int16_t percent, int32_t maximum) {
    if (percent < 0)
        return std::nullopt;
    const double value = static_cast<double>(percent) / 100.0 * static_cast<double>(maximum);
    if (value > static_cast<double>(maximum))
        return std::nullopt;
    return roundHalfEven(value);
}

std::optional<int16_t> draggedPercent(float position, int32_t pictureSize, int32_t viewportSize) {
    const int64_t room = static_cast<int64_t>(pictureSize) - viewportSize;
    if (room == 0)
        return std::nullopt;
    const double percent =
        std::fabs(static_cast<double>(position)) / static_cast<double>(room) * 100.0;
    return saturatedInt16(roundHalfEven(percent));
}

} // namespace quillory
