#pragma once
// The layout behind the "Word.Application" objects: installs the automation library's layout
// hooks so that the selection moves by real lines and Repaginate, BuiltInDocumentProperties(14),
// GoTo page and Range.CopyAsPicture work. Each document gets one layout, owned by the line
// provider the automation layer keeps with the document, so it lives exactly as long as the
// document's window and follows every edit through the model's change notices.

#include "engine/layout/document_layout.h"

#include <QImage>
#include <QString>

namespace engine::render {

/// Installs the hooks (once is enough; later calls change nothing). Call at start-up next to
/// registerWordApplication(), before any Application is created.
void installLayoutServices();

/// The layout a document got through the hooks, or null.
const engine::layout::DocumentLayout* layoutOf(const engine::model::Document& doc);

/// The first page of `doc` as the clipboard picture is made: white, antialiased, at
/// pictureDpi() with that resolution recorded.
QImage firstPagePicture(const engine::model::Document& doc);

/// Puts firstPagePicture(doc) on the system clipboard. Throws RenderError when there is no
/// graphical application (and so no clipboard).
void copyFirstPageToClipboard(const engine::model::Document& doc);

/// Writes `doc` as a PDF (Document.ExportAsFixedFormat with wdExportFormatPDF).
void exportDocumentPdf(const engine::model::Document& doc, const QString& path);

} // namespace engine::render
