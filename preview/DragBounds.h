#pragma once
// Where a dragged page may stand inside the viewport (one axis; twips, single precision
// as the mouse positions are).

#include <cstdint>

namespace quillory {

// The position that keeps the point under the pointer fixed on the page: the page's
// `position` − the `anchor` where the button went down + the `pointer` now (both in the
// page's own coordinates).
float draggedPosition(float position, float anchor, float pointer);

// `wanted` held within the viewport: a page larger than the viewport never shows a gap
// (its near edge stays at or before 0, its far edge at or beyond the viewport's);
// a page no larger than the viewport stays at 0, the left (top) edge.
float boundedDragPosition(float wanted, int32_t viewportInnerSize, int32_t pictureSize);

} // namespace quillory
