#pragma once
// One paragraph broken into lines: QTextLayout over its runs (font, size, bold, italic and the
// other character properties), the paragraph's indents, alignment, line spacing and spacing
// before and after, and the label of its list level. Everything is in twips, relative to the
// paragraph's box: x = 0 is the left edge of the text area the paragraph sits in (the page's
// text column or a cell less its margins), y = 0 the top of its space before.

#include "engine/model/document.h"

#include <QTextLayout>

#include <memory>
#include <vector>

namespace engine::layout {

struct LineBox {
    int start = 0;      // first character, as an offset in the paragraph
    int length = 0;     // characters on the line (trailing spaces and a line break included)
    int top = 0;        // from the paragraph's top
    int height = 0;
    int baseline = 0;   // from the line's top
    double x = 0;       // left end of the line's text after alignment
    double width = 0;   // width of its text, trailing spaces excluded
    int bottom() const { return top + height; }
    int end() const { return start + length; }
};

/// The list label drawn before the first line.
struct LabelBox {
    QString text;
    double x = 0; // left end of the label
    std::unique_ptr<QTextLayout> layout;
};

class ParagraphBox {
public:
    std::vector<LineBox> lines; // at least one
    int spaceBefore = 0;
    int spaceAfter = 0;
    int textLength = 0;
    std::unique_ptr<QTextLayout> text; // positioned so its baselines are those of `lines`
    std::unique_ptr<LabelBox> label;

    /// Space before, the lines and space after.
    int height() const { return lines.back().bottom() + spaceAfter; }
    /// Index of the line holding character `offset` (the mark belongs to the last line).
    int lineOf(int offset) const;
    /// Horizontal place of the caret before character `offset`.
    double caretX(int offset) const;
    /// The character offset on line `line` nearest to horizontal place `x`.
    int offsetAt(int line, double x) const;
};

struct ParagraphContext {
    const engine::model::Document* doc = nullptr;
    QString tableStyle; // style of the table the paragraph is in, if any
    int width = 0;      // the text area's width in twips
    QString label;      // the list label text when numbering decided it (empty: derive)
    /// The paragraph ends a table cell. Its last line then drops its own share of a
    /// multiple line spacing and takes instead that share of a line of the paragraph's own
    /// size (its style's, or its mark's when empty), as LibreOffice lays out a Word file.
    bool lastInCell = false;
};

/// Lays out `p`. Never fails: missing fonts fall back, a width too small breaks anywhere.
std::shared_ptr<const ParagraphBox> layoutParagraph(const ParagraphContext& ctx,
                                                    const engine::model::Paragraph& p);

/// The character format of the paragraph's list label (mark format under the level's font).
engine::model::CharFormat labelFormat(const engine::model::Document& doc, const engine::model::Paragraph& p,
                                      const engine::model::ListLevel& level, const QString& tableStyle);

} // namespace engine::layout
