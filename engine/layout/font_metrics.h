#pragma once
// Vertical font metrics as word processors measure lines. The values come from the font's
// own tables, not from Qt's rasteriser: ascent and descent from 'hhea', replaced by the
// OS/2 "typo" values when the font sets USE_TYPO_METRICS, and by the OS/2 "win" values when
// 'hhea' has none; the line gap is added above the text. Each part is rounded to whole
// twips, so a single line of 8 pt Tahoma is 160 twips high, as LibreOffice lays it out.

#include <QFont>
#include <QRawFont>

namespace engine::layout {

struct VerticalMetrics {
    int ascent = 0;  // baseline below the line's top, line gap included (twips)
    int descent = 0; // below the baseline (twips)
    int height() const { return ascent + descent; }
};

/// Metrics of `font` (made by layoutFont, pixel size = twips). Cached per face and size.
VerticalMetrics verticalMetrics(const QFont& font);
/// Metrics of a raw font at its pixel size (used for the faces font merging picked).
VerticalMetrics verticalMetrics(const QRawFont& font);

} // namespace engine::layout
