#pragma once
// Design geometry is written in twips; this is the one place where it becomes pixels.
// 15 twips make one pixel at 96 dpi; Qt scales the pixels on high-density screens.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

namespace quillory {

inline constexpr int kTwipsPerPixel = 15;

// Rounded to the nearest pixel, halves to the even neighbour.
inline int twipsToPixels(int twips) {
    return static_cast<int>(std::nearbyint(static_cast<double>(twips) / kTwipsPerPixel));
}

inline QPoint twipsPoint(int left, int top) {
    return {twipsToPixels(left), twipsToPixels(top)};
}

inline QSize twipsSize(int width, int height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twipsPoint(left, top), twipsSize(width, height)};
}

}  // namespace quillory
