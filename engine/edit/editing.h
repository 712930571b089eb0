#pragma once
// The primitive edits: insert text, split a paragraph, delete an extent, lay character and
// paragraph formats over an extent. Each tells the document's observers which top-level
// blocks it touched.

#include "engine/edit/extent.h"

namespace engine::edit {

using engine::model::CharFormat;
using engine::model::ParaFormat;

/// Inserts `text` (no paragraph breaks) at `at` with `format`; returns the position after it.
Pos insertText(Document& d, const Pos& at, const QString& text, const CharFormat& format);

/// Ends the paragraph at `at`; returns the start of the new (second) paragraph. Both halves
/// keep the paragraph format (list membership included). When nothing follows `at`, the new
/// paragraph's mark takes `newMarkFormat` (the format typing would give), else both marks
/// keep the old one.
Pos splitParagraph(Document& d, const Pos& at, const CharFormat& newMarkFormat);

/// Deletes what the extent covers and returns where the insertion point goes. Whole rows
/// are removed; a block of cells that are not whole rows is emptied; a joined paragraph
/// keeps the first paragraph's format and the last one's mark. The final paragraph mark,
/// end-of-cell marks and a mark before a table are never deleted.
Pos deleteExtent(Document& d, const Extent& e);

/// Lays `delta` over the text and paragraph marks the extent covers.
void applyCharFormat(Document& d, const Extent& e, const CharFormat& delta);
/// Changes every paragraph the extent touches.
void changeParagraphs(Document& d, const Extent& e, const std::function<void(Paragraph&)>& change);

/// The direct character format typing at `at` would use (before any pending format): an
/// empty paragraph's mark format, else the preceding character's (the first character's at
/// the start of a paragraph).
CharFormat typingFormatAt(const Document& d, const Pos& at);

/// The style of the table around `p` (for effective formats), or empty.
QString tableStyleAt(const Document& d, const Pos& p);

/// Unsets on/off properties that are explicitly off where nothing underneath turns them
/// on, so formats do not fill up with "not bold" that changes nothing.
CharFormat withoutRedundantOffs(const CharFormat& direct, const CharFormat& inherited);

/// Tells observers that the top-level block holding `p` changed in place.
void touch(const Document& d, const Pos& p);

} // namespace engine::edit
