#include "engine/edit/tables.h"

#include "engine/edit/editing.h"
#include "engine/edit/error.h"

#include <algorithm>

namespace engine::edit {

using engine::model::Borders;
using engine::model::HeightRule;

namespace {

void notifyTable(const Document& d, const std::vector<Step>& tablePath) {
    d.notifyChanged({tablePath.front().block, 1, 1});
}

bool isEmptyCell(const Cell& c) {
    return c.blocks.size() == 1 && isParagraph(c.blocks[0]) && std::get<Paragraph>(c.blocks[0]).textLength() == 0;
}

} // namespace

int availableWidth(const Document& d, const std::vector<Step>& prefix) {
    if (prefix.empty()) return d.page.textWidth();
    const Table& t = tableAt(d, prefix, int(prefix.size()) - 1);
    const Step& s = prefix.back();
    const engine::model::Style* style = d.style(t.format.style);
    const int margins = style ? style->cellMarginLeft + style->cellMarginRight : 216;
    return std::max(t.rows[s.row].cells[s.cell].format.width - margins, 20);
}

Pos insertTable(Document& d, const Pos& at, int rows, int cols, TableBehavior behavior) {
    if (rows < 1 || rows > 32767) throw EditError(QStringLiteral("The number of rows must be between 1 and 32767."));
    if (cols < 1 || cols > 63) throw EditError(QStringLiteral("The number of columns must be between 1 and 63."));
    if (at.atRowEnd()) throw EditError(QStringLiteral("A table cannot be inserted at the end of a row."));
    Pos where = at;
    const Paragraph host = paragraphAt(d, where);
    if (where.offset > 0) where = splitParagraph(d, where, host.markFormat);
    const std::vector<Step> prefix(where.path.begin(), where.path.end() - 1);
    const int index = where.path.back().block;

    Table t;
    const int width = availableWidth(d, prefix);
    for (int c = 0; c < cols; ++c) t.grid.push_back(width / cols + (c < width % cols ? 1 : 0));
    if (behavior == TableBehavior::Word9) {
        t.format.style = QStringLiteral("Table Grid");
    } else {
        t.format.borders = Borders::singleGrid();
    }
    Paragraph cellParagraph;
    cellParagraph.format = host.format;
    cellParagraph.format.list.reset();
    cellParagraph.markFormat = host.markFormat;
    cellParagraph.style = host.style;
    Row row;
    for (int c = 0; c < cols; ++c) {
        Cell cell = Cell::empty(t.grid[c]);
        cell.blocks[0] = cellParagraph;
        row.cells.push_back(std::move(cell));
    }
    t.rows.assign(rows, row);

    BlockList& list = blocksAt(d, where.path, where.depth());
    int slot = index;
    if (slot > 0 && isTable(list[slot - 1])) {
        // Straight after a table: an empty paragraph keeps the two tables apart.
        Paragraph gap;
        gap.format = host.format;
        gap.markFormat = host.markFormat;
        gap.style = host.style;
        list.insert(list.begin() + slot, Block(std::move(gap)));
        ++slot;
    }
    list.insert(list.begin() + slot, Block(std::move(t)));
    if (prefix.empty()) d.notifyChanged({index, 0, slot - index + 1});
    else touch(d, where);
    std::vector<Step> tablePath = prefix;
    tablePath.push_back(Step{slot, 0, 0});
    return cellStart(d, tablePath, 0, 0);
}

Pos appendRow(Document& d, const std::vector<Step>& tablePath) {
    Table& t = tableAt(d, tablePath, int(tablePath.size()) - 1);
    const Row& last = t.rows.back();
    Row row;
    row.format = last.format;
    for (const Cell& c : last.cells) {
        Cell n;
        n.format = c.format;
        Paragraph p;
        for (auto it = c.blocks.rbegin(); it != c.blocks.rend(); ++it)
            if (const Paragraph* lp = std::get_if<Paragraph>(&*it)) {
                p.format = lp->format;
                p.markFormat = lp->markFormat;
                p.style = lp->style;
                break;
            }
        n.blocks.emplace_back(std::move(p));
        row.cells.push_back(std::move(n));
    }
    t.rows.push_back(std::move(row));
    notifyTable(d, tablePath);
    return cellStart(d, tablePath, int(t.rows.size()) - 1, 0);
}

CellRef mergeCells(Document& d, const CellBlock& b) {
    if (b.firstRow != b.lastRow)
        throw EditError(QStringLiteral("Cells of more than one row cannot be merged."));
    std::vector<CellRef> cells = b.cells(d);
    Table& t = tableAt(d, b.tablePath, int(b.tablePath.size()) - 1);
    Row& row = t.rows[b.firstRow];
    const int first = cells.front().cell, last = cells.back().cell;
    Cell& into = row.cells[first];
    bool intoEmpty = isEmptyCell(into);
    for (int c = first + 1; c <= last; ++c) {
        Cell& from = row.cells[c];
        into.format.gridSpan += from.format.gridSpan;
        into.format.width += from.format.width;
        if (isEmptyCell(from)) continue;
        if (intoEmpty) {
            into.blocks = std::move(from.blocks);
            intoEmpty = false;
        } else {
            for (Block& blk : from.blocks) into.blocks.push_back(std::move(blk));
        }
    }
    row.cells.erase(row.cells.begin() + first + 1, row.cells.begin() + last + 1);
    notifyTable(d, b.tablePath);
    return CellRef{b.tablePath, b.firstRow, first};
}

void setColumnWidth(Document& d, const std::vector<Step>& tablePath, int column, int twips) {
    Table& t = tableAt(d, tablePath, int(tablePath.size()) - 1);
    if (column < 0 || column >= int(t.grid.size()))
        throw EditError(QStringLiteral("The requested member of the collection does not exist."));
    for (const Row& r : t.rows)
        for (int c = 0; c < int(r.cells.size()); ++c)
            if (gridColumnOf(r, c) <= column && column < gridColumnOf(r, c) + r.cells[c].format.gridSpan &&
                r.cells[c].format.gridSpan != 1)
                throw EditError(QStringLiteral(
                    "Cannot access individual columns in this collection because the table has mixed cell widths."));
    t.grid[column] = twips;
    for (Row& r : t.rows)
        for (int c = 0; c < int(r.cells.size()); ++c)
            if (gridColumnOf(r, c) == column) r.cells[c].format.width = twips;
    notifyTable(d, tablePath);
}

void setRowHeight(Document& d, const std::vector<Step>& tablePath, int row, int twips) {
    Table& t = tableAt(d, tablePath, int(tablePath.size()) - 1);
    if (row < 0 || row >= int(t.rows.size()))
        throw EditError(QStringLiteral("The requested member of the collection does not exist."));
    Row& r = t.rows[row];
    r.format.height = twips;
    if (r.format.heightRule == HeightRule::Auto) r.format.heightRule = HeightRule::AtLeast;
    notifyTable(d, tablePath);
}

void setVerticalAlignment(Document& d, const std::vector<CellRef>& cells, engine::model::VerticalAlignment a) {
    for (const CellRef& c : cells) {
        tableAt(d, c.tablePath, int(c.tablePath.size()) - 1).rows[c.row].cells[c.cell].format.verticalAlignment = a;
        notifyTable(d, c.tablePath);
    }
}

std::optional<CellRef> nextCell(const Document& d, const CellRef& c) {
    const Table& t = tableAt(d, c.tablePath, int(c.tablePath.size()) - 1);
    if (c.cell + 1 < int(t.rows[c.row].cells.size())) return CellRef{c.tablePath, c.row, c.cell + 1};
    if (c.row + 1 < int(t.rows.size())) return CellRef{c.tablePath, c.row + 1, 0};
    return std::nullopt;
}

std::optional<CellRef> previousCell(const Document& d, const CellRef& c) {
    const Table& t = tableAt(d, c.tablePath, int(c.tablePath.size()) - 1);
    if (c.cell > 0) return CellRef{c.tablePath, c.row, c.cell - 1};
    if (c.row > 0) return CellRef{c.tablePath, c.row - 1, int(t.rows[c.row - 1].cells.size()) - 1};
    return std::nullopt;
}

} // namespace engine::edit
