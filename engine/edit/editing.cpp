#include "engine/edit/editing.h"

#include <algorithm>

namespace engine::edit {

using engine::model::Run;

void touch(const Document& d, const Pos& p) {
    if (p.path.empty()) return;
    d.notifyChanged({p.path.front().block, 1, 1});
}

namespace {

// Makes a run boundary at `offset`; returns the index of the run that starts there.
int splitRunsAt(Paragraph& p, int offset) {
    int at = 0;
    for (int i = 0; i < int(p.runs.size()); ++i) {
        const int len = p.runs[i].text.size();
        if (offset == at) return i;
        if (offset < at + len) {
            Run tail{p.runs[i].text.mid(offset - at), p.runs[i].format};
            p.runs[i].text.truncate(offset - at);
            p.runs.insert(p.runs.begin() + i + 1, std::move(tail));
            return i + 1;
        }
        at += len;
    }
    return int(p.runs.size());
}

void removeText(Paragraph& p, int from, int to) {
    if (to <= from) return;
    const int a = splitRunsAt(p, from);
    const int b = splitRunsAt(p, to);
    p.runs.erase(p.runs.begin() + a, p.runs.begin() + b);
    p.normalize();
}

std::vector<Run> takeText(Paragraph& p, int from) {
    const int a = splitRunsAt(p, from);
    std::vector<Run> tail(std::make_move_iterator(p.runs.begin() + a), std::make_move_iterator(p.runs.end()));
    p.runs.erase(p.runs.begin() + a, p.runs.end());
    p.normalize();
    return tail;
}

Paragraph emptyLike(const Paragraph& p) {
    Paragraph e;
    e.format = p.format;
    e.markFormat = p.markFormat;
    e.style = p.style;
    return e;
}

const Paragraph* firstParagraph(const std::vector<Block>& blocks) {
    for (const Block& b : blocks)
        if (const Paragraph* p = std::get_if<Paragraph>(&b)) return p;
    return nullptr;
}

} // namespace

QString tableStyleAt(const Document& d, const Pos& p) {
    const int t = innermostTable(p);
    return t < 0 ? QString() : tableAt(d, p.path, t).format.style;
}

CharFormat withoutRedundantOffs(const CharFormat& direct, const CharFormat& inherited) {
    CharFormat out = direct;
    for (auto f = engine::model::charFlagsBegin(); f != engine::model::charFlagsEnd(); ++f) {
        std::optional<bool>& v = out.*(f->member);
        if (v == false && (inherited.*(f->member)).value_or(false) == false) v.reset();
    }
    return out;
}

Pos insertText(Document& d, const Pos& at, const QString& text, const CharFormat& format) {
    if (text.isEmpty()) return at;
    Paragraph& p = paragraphAt(d, at);
    const int i = splitRunsAt(p, at.offset);
    p.runs.insert(p.runs.begin() + i, Run{text, format});
    p.normalize();
    touch(d, at);
    return Pos{at.path, at.offset + int(text.size())};
}

Pos splitParagraph(Document& d, const Pos& at, const CharFormat& newMarkFormat) {
    BlockList& list = blocksAt(d, at.path, at.depth());
    const int index = at.path.back().block;
    Paragraph& p = std::get<Paragraph>(list[index]);
    const bool atEnd = at.offset >= p.textLength();
    Paragraph second = emptyLike(p);
    second.runs = takeText(p, at.offset);
    if (atEnd) second.markFormat = newMarkFormat;
    list.insert(list.begin() + index + 1, Block(std::move(second)));
    if (at.depth() == 0)
        d.notifyChanged({index, 1, 2});
    else
        touch(d, at);
    Pos next{at.path, 0};
    next.path.back().block = index + 1;
    return next;
}

CharFormat typingFormatAt(const Document& d, const Pos& at) {
    if (at.atRowEnd()) return {};
    const Paragraph& p = paragraphAt(d, at);
    if (p.textLength() == 0) return p.markFormat;
    return p.formatAt(at.offset > 0 ? at.offset - 1 : 0);
}

void applyCharFormat(Document& d, const Extent& e, const CharFormat& delta) {
    forEachParagraph(d, e, [&](const ParagraphPiece& piece) {
        Paragraph& p = paragraphAt(d, piece.paragraph);
        if (piece.to > piece.from) {
            const int a = splitRunsAt(p, piece.from);
            const int b = splitRunsAt(p, piece.to);
            for (int i = a; i < b; ++i) p.runs[i].format.overlay(delta);
            p.normalize();
        }
        if (piece.mark) p.markFormat.overlay(delta);
        touch(d, piece.paragraph);
    });
}

void changeParagraphs(Document& d, const Extent& e, const std::function<void(Paragraph&)>& change) {
    forEachParagraph(d, e, [&](const ParagraphPiece& piece) {
        change(paragraphAt(d, piece.paragraph));
        touch(d, piece.paragraph);
    });
}

namespace {

// Empties a cell, keeping its first paragraph's formats.
void clearCell(Cell& c) {
    const Paragraph* first = firstParagraph(c.blocks);
    Paragraph keep = first ? emptyLike(*first) : Paragraph{};
    c.blocks.clear();
    c.blocks.emplace_back(std::move(keep));
}

Pos deleteCells(Document& d, const Extent& e) {
    const CellBlock& b = *e.cells;
    const int depth = int(b.tablePath.size()) - 1;
    if (!b.wholeRows) {
        for (const CellRef& c : b.cells(d)) clearCell(tableAt(d, b.tablePath, depth).rows[c.row].cells[c.cell]);
        touch(d, e.start);
        const CellRef first = b.cells(d).front();
        return cellStart(d, b.tablePath, first.row, first.cell);
    }
    Table& t = tableAt(d, b.tablePath, depth);
    if (b.firstRow == 0 && b.lastRow + 1 >= int(t.rows.size())) {
        // Every row: the table goes; the paragraph after it takes its place.
        BlockList& list = blocksAt(d, b.tablePath, depth);
        const int index = b.tablePath.back().block;
        list.erase(list.begin() + index);
        if (depth == 0) d.notifyChanged({index, 1, 0});
        else touch(d, e.start);
        std::vector<Step> prefix(b.tablePath.begin(), b.tablePath.end() - 1);
        return firstPosIn(d, prefix, index);
    }
    t.rows.erase(t.rows.begin() + b.firstRow, t.rows.begin() + b.lastRow + 1);
    touch(d, e.start);
    if (b.firstRow < int(t.rows.size())) return cellStart(d, b.tablePath, b.firstRow, 0);
    return nextChar(d, rowEnd(b.tablePath, int(t.rows.size()) - 1));
}

} // namespace

Pos deleteExtent(Document& d, const Extent& e) {
    if (e.isEmpty()) return e.start;
    if (e.cells) return deleteCells(d, e);
    const Pos& s = e.start;
    const Pos& en = e.end;
    if (s.path == en.path) {
        removeText(paragraphAt(d, s), s.offset, en.offset);
        touch(d, s);
        return s;
    }
    // The first depth where the ends lie in different blocks of one list.
    size_t k = 0;
    while (k < s.path.size() && k < en.path.size() && s.path[k] == en.path[k]) ++k;
    if (k >= s.path.size() || k >= en.path.size() || s.path[k].block == en.path[k].block)
        return s; // not a shape the extent rules produce; leave the text alone
    const std::vector<Step> prefix(s.path.begin(), s.path.begin() + k);
    BlockList& list = blocksAt(d, s.path, int(k));
    const int sb = s.path[k].block, eb = en.path[k].block;
    const bool sPara = s.path[k].row < 0, ePara = en.path[k].row < 0;
    const int oldCount = int(list.size());

    // End side first, so indices before it stay put.
    std::vector<Run> tail;
    CharFormat tailMark;
    const bool join = sPara && ePara;
    const int removeUpTo = join ? eb + 1 : eb; // blocks [firstRemoved, removeUpTo) go entirely
    if (ePara) {
        Paragraph& ep = std::get<Paragraph>(list[eb]);
        if (join) {
            tail = takeText(ep, en.offset);
            tailMark = ep.markFormat;
        } else {
            removeText(ep, 0, en.offset);
        }
    } else {
        Table& et = std::get<Table>(list[eb]);
        et.rows.erase(et.rows.begin(), et.rows.begin() + en.path[k].row);
    }
    int firstRemoved = sb + 1;
    if (sPara) {
        Paragraph& sp = std::get<Paragraph>(list[sb]);
        removeText(sp, s.offset, sp.textLength());
        if (join) {
            for (Run& r : tail) sp.runs.push_back(std::move(r));
            sp.markFormat = tailMark;
            sp.normalize();
        }
    } else {
        Table& st = std::get<Table>(list[sb]);
        const int row = s.path[k].row;
        if (row == 0) firstRemoved = sb;
        else st.rows.erase(st.rows.begin() + row, st.rows.end());
    }
    if (removeUpTo > firstRemoved) list.erase(list.begin() + firstRemoved, list.begin() + removeUpTo);
    // Two tables must not touch: keep an empty paragraph between them.
    const int seam = firstRemoved;
    if (seam > 0 && seam < int(list.size()) && isTable(list[seam - 1]) && isTable(list[seam]))
        list.insert(list.begin() + seam, Block(Paragraph{}));
    if (k == 0)
        d.notifyChanged({sb, eb - sb + 1, int(list.size()) - oldCount + eb - sb + 1});
    else
        touch(d, s);
    if (sPara) return Pos{s.path, s.offset};
    return firstPosIn(d, prefix, std::min(firstRemoved, int(list.size()) - 1));
}

} // namespace engine::edit
