#pragma once
// Pages from the body's boxes: paragraphs break between lines (keeping at least two lines of
// a paragraph together at either end of a page), table rows never break unless a single row
// is taller than a page, and then only between lines. Time is linear in the number of lines
// and rows; boxes are not touched, only placed.

#include "engine/layout/table_layout.h"
#include "engine/model/styles.h"

#include <vector>

namespace engine::layout {

/// A vertical stretch of one top-level block shown on a page: for a paragraph, the part of its
/// box from `from` to `to`; for a table, the part of row `row` from `from` to `to`.
struct PageSlice {
    int page = 0;
    int block = 0;
    int row = -1; // -1: a paragraph
    int from = 0, to = 0;
    int y = 0;    // where `from` lands, twips from the page's top edge
};

struct Pagination {
    std::vector<PageSlice> slices;     // in document order
    std::vector<int> pageFirstSlice;   // per page, index into slices; one extra at the end
    std::vector<int> blockFirstSlice;  // per block; one extra at the end

    int pageCount() const { return int(pageFirstSlice.size()) - 1; }
    /// The slice of `block` (and `row`, for a table) that shows vertical place `y` of it.
    const PageSlice* sliceAt(int block, int row, int y) const;
};

Pagination paginate(const engine::model::PageSetup& page, const std::vector<struct BlockBox>& body);

/// Bottom-most place ≤ `limit` in a row where no line of any cell is cut (≥ `from` + 1).
int rowBreakBefore(const RowBox& row, int from, int limit);

} // namespace engine::layout
