#pragma once
// Layout works in twips (1/20 point, 1/1440 inch), the unit of the model. Fonts are made with
// a pixel size equal to their size in twips, so QTextLayout's coordinates are twips too.

namespace engine::layout {

inline constexpr int kTwipsPerPoint = 20;
inline constexpr int kTwipsPerInch = 1440;

inline constexpr double twipsToPoints(double twips) { return twips / kTwipsPerPoint; }
inline constexpr double twipsToPixels(double twips, double dpi) { return twips * dpi / kTwipsPerInch; }

} // namespace engine::layout
