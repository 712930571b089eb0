#pragma once
// What a selection or range covers once Word's table rules are applied: within one cell it
// is plain text; as soon as it takes in an end-of-cell mark or reaches into another cell it
// covers whole cells (a block of rows × grid columns); when it takes in an end-of-row mark,
// or runs from a table into the text around it, it covers whole rows.

#include "engine/edit/position.h"

#include <QString>

#include <functional>
#include <optional>

namespace engine::edit {

struct CellRef {
    std::vector<Step> tablePath; // path to the table; the last step's row/cell are ignored
    int row = 0;
    int cell = 0;
    bool operator==(const CellRef&) const = default;
};

struct CellBlock {
    std::vector<Step> tablePath;
    int firstRow = 0, lastRow = 0;
    int firstColumn = 0, lastColumn = 0; // grid columns, inclusive
    bool wholeRows = false;              // the end-of-row marks are covered
    /// The cells in it, row by row.
    std::vector<CellRef> cells(const Document& d) const;
};

struct Extent {
    Pos start, end; // half-open; expanded to whole cells or rows where the rules say so
    std::optional<CellBlock> cells;
    bool isEmpty() const { return start == end; }
};

/// The extent between two positions (in either order).
Extent extentOf(const Document& d, const Pos& a, const Pos& b);

/// First grid column of a cell in its row.
int gridColumnOf(const Row& r, int cell);

/// The cell holding `p` (innermost table), if any.
std::optional<CellRef> cellOf(const Pos& p);

/// One paragraph's share of an extent: characters [from, to) and whether its mark is in.
struct ParagraphPiece {
    Pos paragraph; // offset = from
    int from = 0;
    int to = 0;
    bool mark = false;
};
/// Calls `fn` for every paragraph the extent touches, in order (an insertion point touches
/// its own paragraph, with nothing in it).
void forEachParagraph(const Document& d, const Extent& e, const std::function<void(const ParagraphPiece&)>& fn);

/// The text as Word's Range.Text gives it: "\r" for a paragraph mark, "\r\a" for end-of-cell
/// and end-of-row marks.
QString textOf(const Document& d, const Extent& e);

} // namespace engine::edit
