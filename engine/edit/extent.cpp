#include "engine/edit/extent.h"

#include <algorithm>

namespace engine::edit {

int gridColumnOf(const Row& r, int cell) {
    int g = 0;
    for (int c = 0; c < cell && c < int(r.cells.size()); ++c) g += r.cells[c].format.gridSpan;
    return g;
}

std::vector<CellRef> CellBlock::cells(const Document& d) const {
    std::vector<CellRef> out;
    const Table& t = tableAt(d, tablePath, int(tablePath.size()) - 1);
    for (int r = firstRow; r <= lastRow && r < int(t.rows.size()); ++r) {
        const Row& row = t.rows[r];
        for (int c = 0; c < int(row.cells.size()); ++c) {
            const int g0 = gridColumnOf(row, c);
            const int g1 = g0 + row.cells[c].format.gridSpan - 1;
            if (wholeRows || (g1 >= firstColumn && g0 <= lastColumn)) out.push_back(CellRef{tablePath, r, c});
        }
    }
    return out;
}

std::optional<CellRef> cellOf(const Pos& p) {
    const int t = innermostTable(p);
    if (t < 0) return std::nullopt;
    const Step& s = p.path[t];
    if (s.cell == kRowEnd) return std::nullopt;
    return CellRef{std::vector<Step>(p.path.begin(), p.path.begin() + t + 1), s.row, s.cell};
}

namespace {

Pos afterRow(const Document& d, const std::vector<Step>& tablePath, int row) {
    return nextChar(d, rowEnd(tablePath, row));
}

Extent cellBlockExtent(const Document& d, std::vector<Step> tablePath, const Step& first, const Step& last) {
    const int depth = int(tablePath.size()) - 1;
    const Table& t = tableAt(d, tablePath, depth);
    CellBlock b;
    b.tablePath = tablePath;
    b.firstRow = first.row;
    b.lastRow = last.row;
    b.wholeRows = last.cell == kRowEnd;
    const Row& r0 = t.rows[first.row];
    const Row& r1 = t.rows[last.row];
    const int firstCell = std::min(first.cell, int(r0.cells.size()) - 1);
    const int lastCell = b.wholeRows ? int(r1.cells.size()) - 1 : last.cell;
    const int a0 = gridColumnOf(r0, firstCell), a1 = a0 + r0.cells[firstCell].format.gridSpan - 1;
    const int c0 = gridColumnOf(r1, lastCell), c1 = c0 + r1.cells[lastCell].format.gridSpan - 1;
    b.firstColumn = std::min(a0, c0);
    b.lastColumn = std::max(a1, c1);
    const std::vector<CellRef> cells = b.cells(d);
    Extent e;
    e.start = cellStart(d, tablePath, cells.front().row, cells.front().cell);
    e.end = b.wholeRows ? afterRow(d, tablePath, b.lastRow)
                        : nextChar(d, cellEnd(d, tablePath, cells.back().row, cells.back().cell));
    e.cells = std::move(b);
    return e;
}

} // namespace

Extent extentOf(const Document& d, const Pos& a, const Pos& b) {
    Pos s = std::min(a, b), e = std::max(a, b);
    if (s == e) return Extent{s, e, std::nullopt};
    const Pos last = prevChar(d, e); // the last character covered
    for (size_t i = 0; i < s.path.size() && i < last.path.size(); ++i) {
        const Step& ss = s.path[i];
        const Step& ls = last.path[i];
        const std::vector<Step> prefix(s.path.begin(), s.path.begin() + i);
        if (ss.block != ls.block) {
            // Different blocks of one list: tables at either end are taken in whole rows.
            if (ss.row >= 0) {
                std::vector<Step> tp = prefix;
                tp.push_back(ss);
                s = cellStart(d, tp, ss.row, 0);
            }
            if (ls.row >= 0) {
                std::vector<Step> tp = prefix;
                tp.push_back(ls);
                e = afterRow(d, tp, ls.row);
            }
            return Extent{s, e, std::nullopt};
        }
        if (ss.row < 0) break; // the same paragraph
        std::vector<Step> tablePath = prefix;
        tablePath.push_back(ss);
        // Different cells, or a row's end mark at either end: whole cells (or rows).
        if (ss.row != ls.row || ss.cell != ls.cell || ss.cell == kRowEnd) return cellBlockExtent(d, tablePath, ss, ls);
        // Inside one cell: covering its end-of-cell mark selects the cell.
        if (last == cellEnd(d, tablePath, ss.row, ss.cell)) return cellBlockExtent(d, tablePath, ss, ss);
    }
    return Extent{s, e, std::nullopt};
}

namespace {

void walk(const Document& d, Pos pos, const Pos& end, const std::function<void(const ParagraphPiece&)>& fn,
          bool includeEmpty) {
    for (;;) {
        if (pos.atRowEnd()) {
            const Pos next = nextChar(d, pos);
            if (next == pos || !(next < end)) return;
            pos = next;
            continue;
        }
        const Paragraph& para = paragraphAt(d, pos);
        Pos mark{pos.path, para.textLength()};
        if (end <= mark) {
            if (end.path == pos.path && (end.offset > pos.offset || includeEmpty))
                fn(ParagraphPiece{pos, pos.offset, end.offset, false});
            return;
        }
        fn(ParagraphPiece{pos, pos.offset, mark.offset, true});
        const Pos next = nextChar(d, mark);
        if (next == mark || !(next < end)) return;
        pos = next;
    }
}

} // namespace

void forEachParagraph(const Document& d, const Extent& e, const std::function<void(const ParagraphPiece&)>& fn) {
    if (e.cells) {
        for (const CellRef& c : e.cells->cells(d))
            walk(d, cellStart(d, c.tablePath, c.row, c.cell),
                 nextChar(d, cellEnd(d, c.tablePath, c.row, c.cell)), fn, false);
        return;
    }
    walk(d, e.start, e.end, fn, e.isEmpty());
}

QString textOf(const Document& d, const Extent& e) {
    QString out;
    Pos p = e.start;
    while (p < e.end) {
        switch (charAfter(d, p)) {
        case CharKind::Text: {
            const Paragraph& para = paragraphAt(d, p);
            const QString t = para.text();
            const int stop = e.end.path == p.path ? std::min(e.end.offset, int(t.size())) : int(t.size());
            out += t.mid(p.offset, stop - p.offset);
            p.offset = stop;
            continue;
        }
        case CharKind::ParagraphMark: out += QLatin1Char('\r'); break;
        case CharKind::CellMark:
        case CharKind::RowMark: out += QStringLiteral("\r\a"); break;
        }
        const Pos next = nextChar(d, p);
        if (next == p) break;
        p = next;
    }
    return out;
}

} // namespace engine::edit
