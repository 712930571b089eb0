#include "engine/layout/pagination.h"

#include <algorithm>

namespace engine::layout {

namespace {

// Vertical extents of the units a cell may be cut between: lines of paragraphs, rows of
// nested tables, in the row's coordinates.
void collectUnits(const std::vector<BlockBox>& blocks, int top, std::vector<std::pair<int, int>>& out) {
    for (const BlockBox& b : blocks) {
        const int at = top + b.top;
        if (b.paragraph)
            for (const LineBox& l : b.paragraph->lines) out.emplace_back(at + l.top, at + l.bottom());
        else if (b.table)
            for (size_t r = 0; r < b.table->rows.size(); ++r)
                out.emplace_back(at + b.table->rowTops[r], at + b.table->rowTops[r] + b.table->rows[r]->height);
    }
}

struct Placer {
    const engine::model::PageSetup& setup;
    Pagination out;
    int page = 0;
    int y = 0;
    bool pageEmpty = true;

    int top() const { return setup.marginTop; }
    int bottom() const { return setup.height - setup.marginBottom; }
    int room() const { return std::max(1, bottom() - top()); }

    void newPage() {
        ++page;
        out.pageFirstSlice.push_back(int(out.slices.size()));
        y = top();
        pageEmpty = true;
    }
    void put(int block, int row, int from, int to) {
        out.slices.push_back(PageSlice{page, block, row, from, to, y});
        y += to - from;
        pageEmpty = false;
    }

    void paragraph(int block, const ParagraphBox& p) {
        const auto& lines = p.lines;
        int first = 0;    // first line not yet placed
        int from = 0;     // box offset where the next slice starts
        while (first < int(lines.size())) {
            // Lines that fit below y, the space after the last one allowed to overflow.
            int fit = first;
            while (fit < int(lines.size()) && y + (lines[fit].bottom() - from) <= bottom()) ++fit;
            if (fit == int(lines.size())) {
                put(block, -1, from, p.height());
                return;
            }
            int take = fit - first;
            const int total = int(lines.size());
            // Keep two lines together at the start and at the end of the paragraph.
            if (first == 0 && take == 1 && total > 1) take = 0;
            if (take > 0 && total - (first + take) == 1 && first + take >= 2 && take > 1) --take;
            if (take == 0 && pageEmpty) take = std::max(1, fit - first); // nothing fits on an empty page
            if (take > 0) {
                const int to = lines[first + take - 1].bottom();
                put(block, -1, from, to);
                from = to;
                first += take;
            }
            newPage();
        }
    }

    void table(int block, const TableBox& t) {
        for (int r = 0; r < int(t.rows.size()); ++r) {
            const RowBox& row = *t.rows[r];
            if (y + row.height > bottom() && !pageEmpty) newPage();
            if (y + row.height <= bottom() || row.height <= room()) {
                put(block, r, 0, row.height);
                continue;
            }
            // Taller than a page: cut between lines.
            int from = 0;
            while (from < row.height) {
                const int cut = rowBreakBefore(row, from, from + (bottom() - y));
                put(block, r, from, cut);
                from = cut;
                if (from < row.height) newPage();
            }
        }
    }
};

} // namespace

int rowBreakBefore(const RowBox& row, int from, int limit) {
    if (limit >= row.height) return row.height;
    std::vector<std::pair<int, int>> units;
    for (const CellBox& c : row.cells) collectUnits(c.blocks, c.contentTop, units);
    int cut = limit;
    for (bool moved = true; moved;) {
        moved = false;
        for (const auto& [top, bottom] : units)
            if (top < cut && bottom > cut && top > from) {
                cut = top;
                moved = true;
            }
    }
    return cut > from ? cut : std::max(from + 1, limit);
}

const PageSlice* Pagination::sliceAt(int block, int row, int y) const {
    if (block < 0 || block + 1 >= int(blockFirstSlice.size())) return nullptr;
    const PageSlice* first = slices.data() + blockFirstSlice[block];
    const PageSlice* last = slices.data() + blockFirstSlice[block + 1];
    // Slices of a block are ordered by (row, from).
    const PageSlice* it = std::upper_bound(first, last, std::make_pair(row, y), [](const auto& key, const PageSlice& s) {
        return key < std::make_pair(s.row, s.from);
    });
    if (it == first) return first == last ? nullptr : first;
    return it - 1;
}

Pagination paginate(const engine::model::PageSetup& setup, const std::vector<BlockBox>& body) {
    Placer p{setup, {}};
    p.out.pageFirstSlice.push_back(0);
    p.y = p.top();
    for (int b = 0; b < int(body.size()); ++b) {
        p.out.blockFirstSlice.push_back(int(p.out.slices.size()));
        if (body[b].paragraph) p.paragraph(b, *body[b].paragraph);
        else if (body[b].table) p.table(b, *body[b].table);
    }
    p.out.blockFirstSlice.push_back(int(p.out.slices.size()));
    p.out.pageFirstSlice.push_back(int(p.out.slices.size()));
    return std::move(p.out);
}

} // namespace engine::layout
