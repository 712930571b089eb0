#pragma once
// The selection of a document window, with Word's behaviour for moving, extending, typing,
// deleting, formatting and merging. An anchor stays where the selection began and the
// active end moves; what the two cover follows the table rules of extentOf().
//
// Formatting an insertion point sets the format of what is typed next (the pending
// format). It stays while typing and across new paragraphs and is dropped when the
// insertion point is moved. Formatting a selection formats its text and paragraph marks.

#include "engine/edit/extent.h"
#include "engine/edit/lines.h"

#include <optional>

namespace engine::edit {

using engine::model::CharFormat;
using engine::model::ParaFormat;

/// Numbered as Word's wdUnits.
enum class Unit : int {
    Character = 1,
    Word = 2,
    Sentence = 3,
    Paragraph = 4,
    Line = 5,
    Story = 6,
    Column = 9,
    Row = 10,
    Cell = 12,
};

class Selection {
public:
    /// Starts as an insertion point at the start of the story.
    explicit Selection(Document& d);

    Document& document() { return *doc_; }
    const Document& document() const { return *doc_; }
    /// Lines for line-wise moves; null restores the paragraph-per-line fallback.
    void setLineProvider(const LineProvider* lines);

    const Pos& anchor() const { return anchor_; }
    const Pos& active() const { return active_; }
    Extent extent() const;
    bool isInsertionPoint() const;
    QString text() const;

    /// Selects from `anchor` to `active` (each made valid first); drops the pending format.
    void select(const Pos& anchor, const Pos& active);
    void setInsertionPoint(const Pos& p) { select(p, p); }
    /// Selects a whole cell, as Word leaves the selection after merging.
    void selectCell(const CellRef& c);
    /// Selects the content of a cell (without its end mark), as moving by cells does.
    void selectCellContent(const CellRef& c);

    // Moves. Each returns how many units it moved. A move without extension of a
    // non-empty selection first collapses it (to its end going right, its start going left),
    // and that counts as one character. Extending across an end-of-cell mark selects whole
    // cells: every further character step adds the next cell of the row.
    int moveRight(Unit unit, int count = 1, bool extend = false);
    int moveLeft(Unit unit, int count = 1, bool extend = false);
    /// Lines up/down through the line provider; a count of 0 or less does not move.
    int moveUp(Unit unit, int count = 1, bool extend = false);
    int moveDown(Unit unit, int count = 1, bool extend = false);
    /// To the start (HomeKey) or end (EndKey) of the line, row or story. Returns 1 when the
    /// selection changed, else 0.
    int homeKey(Unit unit, bool extend = false);
    int endKey(Unit unit, bool extend = false);

    /// Types text: CR LF, a lone CR or a lone LF starts a new paragraph; a vertical tab is a
    /// manual line break; other characters are kept as they are. A non-empty selection is
    /// replaced and the text takes the format of its first character (for a selected cell,
    /// the format given to the cell); an insertion point types in the format of its
    /// paragraph mark when the paragraph is empty, else of the preceding character, with the
    /// pending format on top.
    void typeText(const QString& text);
    /// Ends the paragraph; the new one inherits paragraph and list formatting.
    void typeParagraph();
    /// Deletes the selection (counting as one) or the characters after the insertion point.
    /// Returns the number of units deleted.
    int deleteForward(Unit unit = Unit::Character, int count = 1);

    /// The effective character format common to the selection, every property defined
    /// (what nothing sets is off); a property that varies is unset. On an insertion point:
    /// the format typing would use.
    CharFormat font() const;
    void applyFont(const CharFormat& delta);
    /// The effective paragraph format common to the selected paragraphs.
    ParaFormat paragraphFormat() const;
    void applyParagraphFormat(const ParaFormat& delta);
    const std::optional<CharFormat>& pendingFormat() const { return pending_; }

    /// The selected cells, or the cell holding an insertion point; empty outside tables.
    std::vector<CellRef> cells() const;
    /// Merges the selected cells of one row; the selection becomes the merged cell. A single
    /// cell is left as it is. Throws EditError outside a table or across rows.
    void mergeCells();
    void setCellsVerticalAlignment(engine::model::VerticalAlignment a);

    /// Makes anchor and active valid again after edits made elsewhere (ranges, tables).
    void revalidate();

private:
    int moveByCharacters(int count, bool extend);
    int moveByCells(int count, bool extend);
    Pos collapsedEnd(const Extent& e, bool toEnd) const;
    /// Replaces a non-empty selection; returns the format the replacement takes.
    CharFormat replaceSelection();
    /// Makes the selection an insertion point ready for typing; returns the format typed
    /// text takes there.
    CharFormat prepareTyping();
    const LineProvider& lines() const;

    Document* doc_;
    Pos anchor_, active_;
    std::optional<CharFormat> pending_;
    const LineProvider* lines_ = nullptr;
};

} // namespace engine::edit
