#include "engine/edit/lines.h"

#include "engine/edit/extent.h"

#include <algorithm>

namespace engine::edit {

const ParagraphLines& ParagraphLines::instance() {
    static const ParagraphLines lines;
    return lines;
}

Pos ParagraphLines::lineStart(const Document& d, const Pos& p) const {
    if (p.atRowEnd()) return p;
    return Pos{p.path, 0};
}

Pos ParagraphLines::lineEnd(const Document& d, const Pos& p) const {
    if (p.atRowEnd()) return p;
    return Pos{p.path, paragraphAt(d, p).textLength()};
}

namespace {

// The cell in `row` covering grid column `column` (the last cell when the row is shorter).
int cellAtColumn(const Row& r, int column) {
    for (int c = 0; c < int(r.cells.size()); ++c)
        if (column < gridColumnOf(r, c) + r.cells[c].format.gridSpan) return c;
    return int(r.cells.size()) - 1;
}

Pos withOffset(const Document& d, Pos p, int offset) {
    if (p.atRowEnd()) return p;
    p.offset = std::clamp(offset, 0, paragraphAt(d, p).textLength());
    return p;
}

// One line up (dir = -1) or down (dir = 1) from the paragraph at `p`, or p itself at the edge.
Pos step(const Document& d, const Pos& p, int dir, int offset) {
    std::vector<Step> prefix(p.path.begin(), p.path.end() - 1);
    int depth = int(prefix.size());
    int index = p.path.back().block;
    if (p.atRowEnd()) {
        // A row end behaves like the row's last cell.
        const Table& t = tableAt(d, p.path, p.depth());
        prefix = p.path;
        prefix.back().cell = int(t.rows[prefix.back().row].cells.size()) - 1;
        depth = int(prefix.size());
        index = dir < 0 ? 0 : int(blocksAt(d, prefix, depth).size()) - 1;
        return step(d, dir < 0 ? firstPosIn(d, prefix, index) : lastPosIn(d, prefix, index), dir, offset);
    }
    for (;;) {
        const BlockList& list = blocksAt(d, prefix, depth);
        const int next = index + dir;
        if (next >= 0 && next < int(list.size())) {
            // Entering a table from above or below lands in its first or last row's first cell.
            Pos target = dir < 0 ? lastPosIn(d, prefix, next) : firstPosIn(d, prefix, next);
            if (target.atRowEnd()) target = cellEnd(d, target.path, target.path.back().row, 0);
            return withOffset(d, target, offset);
        }
        if (depth == 0) return p; // first or last line of the story
        // Leave the cell: the cell above or below in the same grid column.
        const Step at = prefix.back();
        const Table& t = tableAt(d, prefix, depth - 1);
        const int row = at.row + dir;
        if (row >= 0 && row < int(t.rows.size())) {
            const int column = gridColumnOf(t.rows[at.row], at.cell);
            const int cell = cellAtColumn(t.rows[row], column);
            const Pos target = dir < 0 ? cellEnd(d, prefix, row, cell) : cellStart(d, prefix, row, cell);
            return withOffset(d, Pos{target.path, 0}, offset);
        }
        // Leave the table.
        index = at.block;
        prefix.pop_back();
        --depth;
    }
}

} // namespace

Pos ParagraphLines::lineMoved(const Document& d, const Pos& p, int count) const {
    const int dir = count < 0 ? -1 : 1;
    const int offset = p.atRowEnd() ? 0 : p.offset;
    Pos at = p;
    for (int i = 0; i < std::abs(count); ++i) {
        const Pos next = step(d, at, dir, offset);
        if (next == at) break;
        at = next;
    }
    return at;
}

} // namespace engine::edit
