#pragma once
// Pictures of pages: white paper, antialiased text, and the resolution recorded in the image
// (dots per metre), so the picture's natural size is the page's physical size.

#include "engine/layout/document_layout.h"

#include <QImage>

namespace engine::render {

/// Page `page` (0-based) at `dpi` dots per inch. Throws RenderError for a page that does not
/// exist or a resolution outside 1–2400 dpi.
QImage renderPage(const engine::layout::DocumentLayout& layout, int page, double dpi);

/// The resolution of the page pictures handed to the clipboard: twice the screen's
/// (2 × 96 dpi where no screen says otherwise).
double pictureDpi();

} // namespace engine::render
