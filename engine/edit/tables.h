#pragma once
// Table edits with Word's rules: a new table's grid, rows appended after the last cell,
// merging, deleting rows, column widths and row heights.

#include "engine/edit/extent.h"

namespace engine::edit {

/// Word's wdDefaultTableBehavior: Word 8 draws direct single borders over "Table Normal";
/// Word 9 uses the "Table Grid" style (single-line grid, no space after in cells).
enum class TableBehavior { Word8 = 0, Word9 = 1 };

/// Inserts a rows × cols table at insertion point `at` (before its paragraph when `at` is
/// at the paragraph's start, else the paragraph is split around the table; straight after
/// another table an empty paragraph goes between them). Columns share
/// the width available there equally. Returns the start of the first cell. Throws EditError
/// for counts outside 1–32767 rows and 1–63 columns.
Pos insertTable(Document& d, const Pos& at, int rows, int cols, TableBehavior behavior);

/// Appends a row shaped like the last one (cells, widths, spans, vertical alignment, row
/// height, and each cell's last paragraph format as an empty paragraph); returns the start
/// of its first cell.
Pos appendRow(Document& d, const std::vector<Step>& tablePath);

/// Merges the cells of the block into one per row, keeping the text of every non-empty cell
/// (each cell's paragraphs in turn). Returns the merged cell of the first row. Throws
/// EditError when the block spans more than one row (vertical merging is not supported).
CellRef mergeCells(Document& d, const CellBlock& b);

/// Sets the width of grid column `column` (0-based) and of the cells in it. Throws EditError
/// when a cell of that column spans several columns, as Word does.
void setColumnWidth(Document& d, const std::vector<Step>& tablePath, int column, int twips);

/// A row's height; an automatic row becomes "at least" that height.
void setRowHeight(Document& d, const std::vector<Step>& tablePath, int row, int twips);

void setVerticalAlignment(Document& d, const std::vector<CellRef>& cells, engine::model::VerticalAlignment a);

/// The cell after `c` in row order, or nullopt after the table's last cell.
std::optional<CellRef> nextCell(const Document& d, const CellRef& c);
std::optional<CellRef> previousCell(const Document& d, const CellRef& c);

/// The width in twips text has in the block list at `prefix` (the page's text width in the
/// body, a cell's width less its margins in a cell).
int availableWidth(const Document& d, const std::vector<Step>& prefix);

} // namespace engine::edit
