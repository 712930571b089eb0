#pragma once
// Tables on their column grid: cells side by side with their horizontal spans, the table
// style's cell margins (108 twips left and right in "Table Normal"), rows at least as high as
// asked or exactly that high, cells vertically aligned in their row. Twips throughout; x is
// relative to the table's left edge, y to the row's top.

#include "engine/layout/paragraph_layout.h"

#include <memory>
#include <vector>

namespace engine::layout {

struct TableBox;

/// A paragraph or a nested table in a cell or the body, at `top` in its container.
struct BlockBox {
    std::shared_ptr<const ParagraphBox> paragraph;
    std::shared_ptr<const TableBox> table;
    int top = 0;
    int height() const;
};

struct CellBox {
    double left = 0, width = 0; // the cell's edges
    double textLeft = 0;        // its text area (margins taken off)
    int textWidth = 0;
    int contentHeight = 0;      // its blocks
    int contentTop = 0;         // where its blocks start in the row (vertical alignment)
    std::vector<BlockBox> blocks;
};

struct RowBox {
    std::vector<CellBox> cells;
    int height = 0;
};

struct TableBox {
    std::vector<std::shared_ptr<const RowBox>> rows;
    std::vector<int> rowTops; // from the table's top
    int height = 0;
    double left = 0;          // from the container's text area left
    std::optional<engine::model::Borders> borders;
};

/// What every row of one table shares: the grid, the style and its cell margins.
struct TableContext {
    const engine::model::Document* doc = nullptr;
    QString style;
    int marginLeft = 108, marginRight = 108;
    std::vector<int> grid;
    uint64_t key = 0; // a hash of the above, for caches

    static TableContext of(const engine::model::Document& doc, const engine::model::Table& t);
};

} // namespace engine::layout
