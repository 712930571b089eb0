#pragma once
// Draws one page of a layout: text from the laid-out lines (the very glyph runs the layout
// measured), list labels and table borders. The painter's coordinates must be twips from
// the page's top-left corner; the caller scales to its device.

#include "engine/layout/document_layout.h"

#include <QPainter>

namespace engine::render {

/// Paints page `page` (0-based; nothing for a page that does not exist). Only ink: the
/// caller fills the paper.
void paintPage(QPainter& painter, const engine::layout::DocumentLayout& layout, int page);

} // namespace engine::render
