#pragma once
// Conversions of fractional numbers to integers as the preview's arithmetic makes them.

#include <cmath>
#include <cstdint>
#include <limits>

namespace quillory {

// Nearest integer, halves to the even neighbour (123.5 gives 124, 62.5 gives 62).
inline int32_t roundHalfEven(double value) {
    // std::nearbyint rounds in the current mode, which is to-nearest-even by default.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int32_t>::min())) // also catches NaN
        return std::numeric_limits<int32_t>::min();
    if (rounded > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(rounded);
}

// `value` held within the 16-bit range.
inline int16_t saturatedInt16(int32_t value) {
    if (value < std::numeric_limits<int16_t>::min())
        return std::numeric_limits<int16_t>::min();
    if (value > std::numeric_limits<int16_t>::max())
        return std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(value);
}

} // namespace quillory
