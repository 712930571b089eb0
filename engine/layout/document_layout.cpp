#include "engine/layout/document_layout.h"

#include <algorithm>

namespace engine::layout {

using namespace engine::model;
using engine::edit::Pos;
using engine::edit::Step;

namespace {

// A paragraph found by its path: its box and where it sits relative to its top-level block
// (x from the page's text area left; y in the paragraph box or in the row of the outermost
// table).
struct Found {
    const ParagraphBox* box = nullptr;
    int block = 0;
    int row = -1;
    double x = 0;
    int y = 0;
};

// Walks `path` from depth `depth` through `blocks`, adding offsets.
bool descend(const std::vector<BlockBox>& blocks, const std::vector<Step>& path, size_t depth, Found& f) {
    const Step& s = path[depth];
    if (s.block < 0 || s.block >= int(blocks.size())) return false;
    const BlockBox& b = blocks[s.block];
    if (depth > 0) f.y += b.top;
    if (b.paragraph) {
        if (s.row != -1 || depth + 1 != path.size()) return false;
        f.box = b.paragraph.get();
        return true;
    }
    if (!b.table || s.row < 0 || s.row >= int(b.table->rows.size())) return false;
    const RowBox& row = *b.table->rows[s.row];
    f.x += b.table->left;
    if (depth > 0) f.y += b.table->rowTops[s.row];
    else f.row = s.row;
    if (s.cell == engine::edit::kRowEnd) { // the row's end mark: its last line
        f.y += row.height - 1;
        return depth + 1 == path.size();
    }
    if (s.cell < 0 || s.cell >= int(row.cells.size()) || depth + 1 >= path.size()) return false;
    const CellBox& c = row.cells[s.cell];
    f.x += c.textLeft;
    f.y += c.contentTop;
    return descend(c.blocks, path, depth + 1, f);
}

} // namespace

DocumentLayout::DocumentLayout(Document& doc) : doc_(doc) { doc_.addObserver(this); }

DocumentLayout::~DocumentLayout() { doc_.removeObserver(this); }

void DocumentLayout::blocksChanged(const BlockChange& change) {
    const int size = int(blocks_.size());
    const int first = std::clamp(change.first, 0, size);
    const int removed = std::clamp(change.removed, 0, size - first);
    blocks_.erase(blocks_.begin() + first, blocks_.begin() + first + removed);
    blocks_.insert(blocks_.begin() + first, std::max(0, change.added), std::nullopt);
    dirty_ = true;
}

namespace {
template <class T> bool startsWith(const std::vector<T>& all, const std::vector<T>& prefix) {
    return all.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), all.begin());
}
} // namespace

bool DocumentLayout::Context::extends(const Context& older) const {
    return page == older.page && defaults == older.defaults && styles == older.styles &&
           startsWith(listTemplates, older.listTemplates) && startsWith(lists, older.lists) &&
           (listTemplates.size() != older.listTemplates.size() || lists.size() != older.lists.size());
}

void DocumentLayout::update() const {
    Context now{doc_.page, doc_.defaults, doc_.styles, doc_.listTemplates, doc_.lists};
    if (context_ && now.extends(*context_)) {
        // New lists were added (each skill's bullets start one): keep the laid-out parts.
        context_ = std::move(now);
    } else if (!context_ || !(*context_ == now)) {
        // Styles, lists or the page changed: nothing laid out before can be trusted.
        cache_.clear();
        blocks_.assign(doc_.body.size(), std::nullopt);
        context_ = std::move(now);
        dirty_ = true;
    }
    if (blocks_.size() != doc_.body.size()) { // a change nobody announced
        blocks_.assign(doc_.body.size(), std::nullopt);
        dirty_ = true;
    }
    if (!dirty_) return;
    const int width = doc_.page.textWidth();
    body_.clear();
    body_.reserve(blocks_.size());
    for (size_t i = 0; i < blocks_.size(); ++i) {
        if (!blocks_[i]) blocks_[i] = cache_.block(doc_, doc_.body[i], width, {});
        body_.push_back(*blocks_[i]);
    }
    pagination_ = paginate(doc_.page, body_);
    cache_.endPass();
    dirty_ = false;
}

int DocumentLayout::pageCount() const {
    update();
    return std::max(1, pagination_.pageCount());
}

const Pagination& DocumentLayout::pagination() const {
    update();
    return pagination_;
}

const std::vector<BlockBox>& DocumentLayout::body() const {
    update();
    return body_;
}

ParagraphPlace DocumentLayout::paragraphPlace(const std::vector<Step>& path, int offset) const {
    update();
    ParagraphPlace place;
    if (path.empty()) return place;
    Found f;
    if (!descend(body_, path, 0, f) || !f.box) return place;
    const LineBox& line = f.box->lines[f.box->lineOf(offset)];
    f.block = path[0].block;
    const PageSlice* s = pagination_.sliceAt(f.block, f.row, f.y + line.top);
    place.box = f.box;
    if (s) {
        place.page = s->page;
        place.origin = QPointF(doc_.page.marginLeft + f.x, s->y - s->from + f.y);
    }
    return place;
}

int DocumentLayout::pageOf(const Pos& p) const {
    update();
    if (p.path.empty()) return 0;
    Found f;
    f.block = std::clamp(p.path[0].block, 0, int(body_.size()) - 1);
    if (!descend(body_, p.path, 0, f)) {
        const PageSlice* s = pagination_.sliceAt(f.block, f.row, 0);
        return s ? s->page : 0;
    }
    int y = f.y;
    if (f.box) y += f.box->lines[f.box->lineOf(p.offset)].top;
    const PageSlice* s = pagination_.sliceAt(p.path[0].block, f.row, y);
    return s ? s->page : 0;
}

Pos DocumentLayout::pageStart(int page) const {
    update();
    page = std::clamp(page, 0, pageCount() - 1);
    if (pagination_.pageFirstSlice.size() < 2 || pagination_.slices.empty()) return engine::edit::storyStart(doc_);
    const PageSlice& s = pagination_.slices[pagination_.pageFirstSlice[page]];
    const BlockBox& b = body_[s.block];
    if (b.paragraph) {
        const ParagraphBox& p = *b.paragraph;
        for (const LineBox& l : p.lines)
            if (l.top >= s.from) return Pos{{Step{s.block, -1, -1}}, l.start};
        return Pos{{Step{s.block, -1, -1}}, p.lines.back().start};
    }
    // A table row: its first cell, or for the rest of a row cut by the page, the first line
    // of that cell below the cut.
    const std::vector<Step> tablePath{Step{s.block, s.row, 0}};
    if (s.from > 0) {
        const CellBox& c = b.table->rows[s.row]->cells.front();
        for (size_t i = 0; i < c.blocks.size(); ++i) {
            const BlockBox& cb = c.blocks[i];
            if (!cb.paragraph) continue;
            for (const LineBox& l : cb.paragraph->lines)
                if (c.contentTop + cb.top + l.top >= s.from)
                    return Pos{{Step{s.block, s.row, 0}, Step{int(i), -1, -1}}, l.start};
        }
    }
    return engine::edit::cellStart(doc_, tablePath, s.row, 0);
}

} // namespace engine::layout
