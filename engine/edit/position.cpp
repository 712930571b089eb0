#include "engine/edit/position.h"

#include <algorithm>

namespace engine::edit {

namespace {

template <class D> auto& blocksAtImpl(D& d, const std::vector<Step>& path, int depth) {
    auto* list = &d.body;
    for (int i = 0; i < depth; ++i) {
        const Step& s = path[i];
        auto& t = std::get<Table>((*list)[s.block]);
        list = &t.rows[s.row].cells[s.cell].blocks;
    }
    return *list;
}

int cellLength(const Cell& c) {
    int n = 0;
    for (const Block& b : c.blocks) n += blockLength(b);
    return n;
}

int rowLength(const Row& r) {
    int n = 1; // end-of-row mark
    for (const Cell& c : r.cells) n += cellLength(c);
    return n;
}

} // namespace

int blockLength(const Block& b) {
    if (const Paragraph* p = std::get_if<Paragraph>(&b)) return p->textLength() + 1;
    int n = 0;
    for (const Row& r : std::get<Table>(b).rows) n += rowLength(r);
    return n;
}

BlockList& blocksAt(Document& d, const std::vector<Step>& path, int depth) { return blocksAtImpl(d, path, depth); }
const BlockList& blocksAt(const Document& d, const std::vector<Step>& path, int depth) {
    return blocksAtImpl(d, path, depth);
}

Paragraph& paragraphAt(Document& d, const Pos& p) {
    return std::get<Paragraph>(blocksAt(d, p.path, p.depth())[p.path.back().block]);
}
const Paragraph& paragraphAt(const Document& d, const Pos& p) {
    return std::get<Paragraph>(blocksAt(d, p.path, p.depth())[p.path.back().block]);
}

Table& tableAt(Document& d, const std::vector<Step>& path, int depth) {
    return std::get<Table>(blocksAt(d, path, depth)[path[depth].block]);
}
const Table& tableAt(const Document& d, const std::vector<Step>& path, int depth) {
    return std::get<Table>(blocksAt(d, path, depth)[path[depth].block]);
}

bool isValid(const Document& d, const Pos& p) {
    if (p.path.empty()) return false;
    const BlockList* list = &d.body;
    for (size_t i = 0; i < p.path.size(); ++i) {
        const Step& s = p.path[i];
        if (s.block < 0 || s.block >= int(list->size())) return false;
        const Block& b = (*list)[s.block];
        const bool last = i + 1 == p.path.size();
        if (s.row < 0) {
            if (!last || !isParagraph(b)) return false;
            const int len = std::get<Paragraph>(b).textLength();
            return p.offset >= 0 && p.offset <= len;
        }
        if (!isTable(b)) return false;
        const Table& t = std::get<Table>(b);
        if (s.row >= int(t.rows.size())) return false;
        if (s.cell == kRowEnd) return last && p.offset == 0;
        if (s.cell < 0 || s.cell >= int(t.rows[s.row].cells.size()) || last) return false;
        list = &t.rows[s.row].cells[s.cell].blocks;
    }
    return false;
}

Pos sanitized(const Document& d, const Pos& p) {
    if (isValid(d, p)) return p;
    // Keep the longest valid prefix of the path and take the nearest position there.
    std::vector<Step> prefix;
    const BlockList* list = &d.body;
    for (const Step& s : p.path) {
        const int block = std::clamp(s.block, 0, int(list->size()) - 1);
        const Block& b = (*list)[block];
        if (const Paragraph* para = std::get_if<Paragraph>(&b)) {
            prefix.push_back(Step{block});
            return Pos{prefix, std::clamp(p.offset, 0, para->textLength())};
        }
        if (s.row < 0) return firstPosIn(d, prefix, block);
        const Table& t = std::get<Table>(b);
        const int row = std::clamp(s.row, 0, int(t.rows.size()) - 1);
        if (s.cell == kRowEnd) {
            prefix.push_back(Step{block, row, kRowEnd});
            return Pos{prefix, 0};
        }
        const int cell = std::clamp(s.cell, 0, int(t.rows[row].cells.size()) - 1);
        prefix.push_back(Step{block, row, cell});
        list = &t.rows[row].cells[cell].blocks;
    }
    return prefix.empty() ? storyEnd(d) : firstPosIn(d, prefix, 0);
}

Pos firstPosIn(const Document& d, std::vector<Step> prefix, int index) {
    for (;;) {
        const Block& b = blocksAt(d, prefix, int(prefix.size()))[index];
        if (isParagraph(b)) {
            prefix.push_back(Step{index});
            return Pos{std::move(prefix), 0};
        }
        prefix.push_back(Step{index, 0, 0});
        index = 0;
    }
}

Pos lastPosIn(const Document& d, std::vector<Step> prefix, int index) {
    const Block& b = blocksAt(d, prefix, int(prefix.size()))[index];
    if (const Paragraph* p = std::get_if<Paragraph>(&b)) {
        prefix.push_back(Step{index});
        return Pos{std::move(prefix), p->textLength()};
    }
    prefix.push_back(Step{index, int(std::get<Table>(b).rows.size()) - 1, kRowEnd});
    return Pos{std::move(prefix), 0};
}

Pos cellStart(const Document& d, const std::vector<Step>& tablePath, int row, int cell) {
    std::vector<Step> prefix = tablePath;
    prefix.back().row = row;
    prefix.back().cell = cell;
    return firstPosIn(d, prefix, 0);
}

Pos cellEnd(const Document& d, const std::vector<Step>& tablePath, int row, int cell) {
    std::vector<Step> prefix = tablePath;
    prefix.back().row = row;
    prefix.back().cell = cell;
    const int last = int(blocksAt(d, prefix, int(prefix.size())).size()) - 1;
    return lastPosIn(d, prefix, last);
}

Pos rowEnd(const std::vector<Step>& tablePath, int row) {
    Pos p{tablePath, 0};
    p.path.back().row = row;
    p.path.back().cell = kRowEnd;
    return p;
}

Pos storyStart(const Document& d) { return firstPosIn(d, {}, 0); }

Pos storyEnd(const Document& d) { return lastPosIn(d, {}, int(d.body.size()) - 1); }

Pos nextChar(const Document& d, const Pos& p) {
    if (p.atRowEnd()) {
        const Table& t = tableAt(d, p.path, p.depth());
        const int row = p.path.back().row;
        std::vector<Step> tablePath = p.path;
        if (row + 1 < int(t.rows.size())) return cellStart(d, tablePath, row + 1, 0);
        tablePath.pop_back();
        return firstPosIn(d, tablePath, p.path.back().block + 1); // a table is followed by a block
    }
    const Paragraph& para = paragraphAt(d, p);
    if (p.offset < para.textLength()) return Pos{p.path, p.offset + 1};
    // Past the paragraph (or cell) mark.
    std::vector<Step> prefix(p.path.begin(), p.path.end() - 1);
    const int depth = p.depth();
    const BlockList& list = blocksAt(d, p.path, depth);
    const int index = p.path.back().block;
    if (index + 1 < int(list.size())) return firstPosIn(d, prefix, index + 1);
    if (depth == 0) return p; // the final paragraph mark
    const Step& at = prefix.back();
    const Table& t = tableAt(d, prefix, depth - 1);
    if (at.cell + 1 < int(t.rows[at.row].cells.size())) return cellStart(d, prefix, at.row, at.cell + 1);
    return rowEnd(prefix, at.row);
}

Pos prevChar(const Document& d, const Pos& p) {
    if (p.atRowEnd()) {
        const Step& at = p.path.back();
        const int cells = int(tableAt(d, p.path, p.depth()).rows[at.row].cells.size());
        return cellEnd(d, p.path, at.row, cells - 1);
    }
    if (p.offset > 0) return Pos{p.path, p.offset - 1};
    std::vector<Step> prefix(p.path.begin(), p.path.end() - 1);
    const int index = p.path.back().block;
    if (index > 0) return lastPosIn(d, prefix, index - 1);
    if (prefix.empty()) return p; // story start
    const Step at = prefix.back();
    if (at.cell > 0) return cellEnd(d, prefix, at.row, at.cell - 1);
    if (at.row > 0) return rowEnd(prefix, at.row - 1);
    // Before the table: the end of the block before it, if any.
    prefix.pop_back();
    if (at.block > 0) return lastPosIn(d, prefix, at.block - 1);
    return p;
}

CharKind charAfter(const Document& d, const Pos& p) {
    if (p.atRowEnd()) return CharKind::RowMark;
    const Paragraph& para = paragraphAt(d, p);
    if (p.offset < para.textLength()) return CharKind::Text;
    if (p.depth() == 0) return CharKind::ParagraphMark;
    const BlockList& list = blocksAt(d, p.path, p.depth());
    return p.path.back().block + 1 == int(list.size()) ? CharKind::CellMark : CharKind::ParagraphMark;
}

int innermostTable(const Pos& p) {
    for (int i = int(p.path.size()) - 1; i >= 0; --i)
        if (p.path[i].row >= 0) return i;
    return -1;
}

int toOffset(const Document& d, const Pos& p) {
    int n = 0;
    const BlockList* list = &d.body;
    for (const Step& s : p.path) {
        for (int i = 0; i < s.block; ++i) n += blockLength((*list)[i]);
        if (s.row < 0) return n + p.offset;
        const Table& t = std::get<Table>((*list)[s.block]);
        for (int r = 0; r < s.row; ++r) n += rowLength(t.rows[r]);
        const Row& row = t.rows[s.row];
        const int cells = s.cell == kRowEnd ? int(row.cells.size()) : s.cell;
        for (int c = 0; c < cells; ++c) n += cellLength(row.cells[c]);
        if (s.cell == kRowEnd) return n;
        list = &row.cells[s.cell].blocks;
    }
    return n;
}

Pos fromOffset(const Document& d, int offset) {
    offset = std::max(offset, 0);
    Pos p;
    const BlockList* list = &d.body;
    for (;;) {
        int index = 0;
        for (; index < int(list->size()); ++index) {
            const int len = blockLength((*list)[index]);
            if (offset < len) break;
            offset -= len;
        }
        if (index == int(list->size())) {
            // Past the end of this list: clamp to its last character.
            return p.path.empty() ? storyEnd(d) : lastPosIn(d, p.path, index - 1);
        }
        const Block& b = (*list)[index];
        if (const Paragraph* para = std::get_if<Paragraph>(&b)) {
            p.path.push_back(Step{index});
            p.offset = std::min(offset, para->textLength());
            return p;
        }
        const Table& t = std::get<Table>(b);
        int r = 0;
        for (; r < int(t.rows.size()); ++r) {
            const int len = rowLength(t.rows[r]);
            if (offset < len) break;
            offset -= len;
        }
        const Row& row = t.rows[r];
        int c = 0;
        for (; c < int(row.cells.size()); ++c) {
            const int len = cellLength(row.cells[c]);
            if (offset < len) break;
            offset -= len;
        }
        if (c == int(row.cells.size())) {
            p.path.push_back(Step{index, r, kRowEnd});
            return p;
        }
        p.path.push_back(Step{index, r, c});
        list = &row.cells[c].blocks;
    }
}

int storyLength(const Document& d) {
    int n = 0;
    for (const Block& b : d.body) n += blockLength(b);
    return n;
}

} // namespace engine::edit
