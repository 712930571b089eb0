#include "engine/layout/block_layout.h"

#include "engine/layout/content_hash.h"

#include <QHash>

#include <algorithm>

namespace engine::layout {

using namespace engine::model;

namespace {

uint64_t paragraphKey(const ParagraphContext& ctx, const Paragraph& p) {
    uint64_t h = mixHash(contentHash(p), uint64_t(ctx.width));
    h = mixHash(h, qHash(ctx.tableStyle) + (ctx.lastInCell ? 1 : 0));
    return mixHash(h, qHash(ctx.label));
}

// Left edge of each grid column, and the table's width.
std::vector<int> gridEdges(const TableContext& ctx) {
    std::vector<int> edges{0};
    for (int w : ctx.grid) edges.push_back(edges.back() + std::max(0, w));
    return edges;
}

} // namespace

std::shared_ptr<const ParagraphBox> LayoutCache::paragraph(const ParagraphContext& ctx, const Paragraph& p) {
    const uint64_t key = paragraphKey(ctx, p);
    auto [first, last] = paragraphs_.equal_range(key);
    for (auto it = first; it != last; ++it) {
        const ParagraphEntry& e = it->second;
        if (e.width == ctx.width && e.lastInCell == ctx.lastInCell && e.tableStyle == ctx.tableStyle && e.label == ctx.label && e.source == p) {
            ++counters_.paragraphHits;
            return e.box;
        }
    }
    ++counters_.paragraphsLaidOut;
    auto box = layoutParagraph(ctx, p);
    paragraphs_.emplace(key, ParagraphEntry{p, ctx.tableStyle, ctx.width, ctx.label, ctx.lastInCell, box});
    return box;
}

std::shared_ptr<const RowBox> LayoutCache::row(const TableContext& ctx, const Row& r) {
    const uint64_t key = mixHash(contentHash(r), ctx.key);
    auto [first, last] = rows_.equal_range(key);
    for (auto it = first; it != last; ++it) {
        const RowEntry& e = it->second;
        if (e.context == ctx.key && e.source == r) {
            ++counters_.rowHits;
            return e.box;
        }
    }
    ++counters_.rowsLaidOut;

    auto box = std::make_shared<RowBox>();
    const std::vector<int> edges = gridEdges(ctx);
    int column = 0;
    int tallest = 0;
    for (const Cell& c : r.cells) {
        CellBox cell;
        const int span = std::max(1, c.format.gridSpan);
        if (column + span < int(edges.size())) {
            cell.left = edges[column];
            cell.width = edges[column + span] - edges[column];
        } else { // a row wider than the grid: the cell's own width
            cell.left = column < int(edges.size()) ? edges[column] : edges.back();
            cell.width = c.format.width;
        }
        column += span;
        cell.textLeft = cell.left + ctx.marginLeft;
        cell.textWidth = std::max(1, int(cell.width) - ctx.marginLeft - ctx.marginRight);
        int y = 0;
        for (size_t k = 0; k < c.blocks.size(); ++k) {
            BlockBox bb = block(*ctx.doc, c.blocks[k], cell.textWidth, ctx.style, k + 1 == c.blocks.size());
            bb.top = y;
            y += bb.height();
            cell.blocks.push_back(std::move(bb));
        }
        cell.contentHeight = y;
        tallest = std::max(tallest, y);
        box->cells.push_back(std::move(cell));
    }
    switch (r.format.heightRule) {
    case HeightRule::Auto: box->height = tallest; break;
    case HeightRule::AtLeast: box->height = std::max(tallest, r.format.height); break;
    case HeightRule::Exact: box->height = std::max(1, r.format.height); break;
    }
    for (size_t i = 0; i < r.cells.size(); ++i) {
        CellBox& cell = box->cells[i];
        const int room = std::max(0, box->height - cell.contentHeight);
        switch (r.cells[i].format.verticalAlignment) {
        case VerticalAlignment::Top: cell.contentTop = 0; break;
        case VerticalAlignment::Center: cell.contentTop = room / 2; break;
        case VerticalAlignment::Bottom: cell.contentTop = room; break;
        }
    }
    rows_.emplace(key, RowEntry{r, ctx.key, box});
    return box;
}

std::shared_ptr<const TableBox> LayoutCache::table(const Document& doc, const Table& t) {
    const TableContext ctx = TableContext::of(doc, t);
    auto box = std::make_shared<TableBox>();
    int y = 0;
    for (const Row& r : t.rows) {
        auto rb = row(ctx, r);
        box->rowTops.push_back(y);
        y += rb->height;
        box->rows.push_back(std::move(rb));
    }
    box->height = y;
    box->borders = t.format.borders;
    if (!box->borders)
        if (const Style* s = doc.style(t.format.style)) box->borders = s->borders;
    return box;
}

BlockBox LayoutCache::block(const Document& doc, const Block& b, int width, const QString& tableStyle,
                            bool lastInCell) {
    BlockBox bb;
    if (const auto* p = std::get_if<Paragraph>(&b)) {
        ParagraphContext ctx;
        ctx.doc = &doc;
        ctx.tableStyle = tableStyle;
        ctx.width = width;
        ctx.lastInCell = lastInCell;
        bb.paragraph = paragraph(ctx, *p);
    } else {
        bb.table = table(doc, std::get<Table>(b));
    }
    return bb;
}

void LayoutCache::endPass() {
    // Rows first: a row that goes releases its paragraphs, which then go too.
    std::erase_if(rows_, [](const auto& kv) { return kv.second.box.use_count() == 1; });
    std::erase_if(paragraphs_, [](const auto& kv) { return kv.second.box.use_count() == 1; });
}

void LayoutCache::clear() {
    rows_.clear();
    paragraphs_.clear();
}

} // namespace engine::layout
