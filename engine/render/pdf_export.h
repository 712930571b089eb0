#pragma once
// The document as a PDF: every page drawn by the same painter as the pictures, text as
// text (fonts embedded, selectable), page size from the page set-up.

#include "engine/layout/document_layout.h"

#include <QString>

namespace engine::render {

/// Writes all pages to `path`, replacing the file. Throws RenderError with a readable
/// description when the file cannot be written.
void exportPdf(const engine::layout::DocumentLayout& layout, const QString& path);

} // namespace engine::render
