#include "engine/edit/selection.h"

#include "engine/edit/editing.h"
#include "engine/edit/error.h"
#include "engine/edit/tables.h"

#include <algorithm>

namespace engine::edit {

namespace {

// Keeps the properties on which `a` and `b` agree.
CharFormat common(const CharFormat& a, const CharFormat& b) {
    CharFormat c;
    auto keep = [](auto& into, const auto& x, const auto& y) {
        if (x == y) into = x;
    };
    keep(c.fontName, a.fontName, b.fontName);
    keep(c.halfPoints, a.halfPoints, b.halfPoints);
    for (auto f = engine::model::charFlagsBegin(); f != engine::model::charFlagsEnd(); ++f)
        keep(c.*(f->member), a.*(f->member), b.*(f->member));
    keep(c.underline, a.underline, b.underline);
    keep(c.color, a.color, b.color);
    keep(c.animation, a.animation, b.animation);
    return c;
}

ParaFormat common(const ParaFormat& a, const ParaFormat& b) {
    ParaFormat c;
    auto keep = [](auto& into, const auto& x, const auto& y) {
        if (x == y) into = x;
    };
    keep(c.alignment, a.alignment, b.alignment);
    keep(c.lineSpacing, a.lineSpacing, b.lineSpacing);
    keep(c.spaceBefore, a.spaceBefore, b.spaceBefore);
    keep(c.spaceAfter, a.spaceAfter, b.spaceAfter);
    keep(c.leftIndent, a.leftIndent, b.leftIndent);
    keep(c.rightIndent, a.rightIndent, b.rightIndent);
    keep(c.firstLineIndent, a.firstLineIndent, b.firstLineIndent);
    keep(c.list, a.list, b.list);
    return c;
}

// An effective format with every property defined: what is unset nowhere is off, so that
// an unset property in a common format can only mean "mixed".
CharFormat complete(CharFormat f) {
    for (auto flag = engine::model::charFlagsBegin(); flag != engine::model::charFlagsEnd(); ++flag)
        if (!(f.*(flag->member))) f.*(flag->member) = false;
    if (!f.underline) f.underline = engine::model::Underline::None;
    if (!f.color) f.color = engine::model::kAutoColor;
    if (!f.animation) f.animation = 0;
    return f;
}

// Where typing lands when the insertion point stands before an end-of-row mark: the end of
// the row's last cell.
Pos typingPosition(const Document& d, const Pos& p) {
    if (!p.atRowEnd()) return p;
    return prevChar(d, p);
}

} // namespace

Selection::Selection(Document& d) : doc_(&d), anchor_(storyStart(d)), active_(anchor_) {}

void Selection::setLineProvider(const LineProvider* lines) { lines_ = lines; }

const LineProvider& Selection::lines() const { return lines_ ? *lines_ : ParagraphLines::instance(); }

void Selection::revalidate() {
    anchor_ = sanitized(*doc_, anchor_);
    active_ = sanitized(*doc_, active_);
}

Extent Selection::extent() const {
    const Pos a = sanitized(*doc_, anchor_);
    const Pos b = sanitized(*doc_, active_);
    return extentOf(*doc_, a, b);
}

bool Selection::isInsertionPoint() const { return extent().isEmpty(); }

QString Selection::text() const { return textOf(*doc_, extent()); }

void Selection::select(const Pos& anchor, const Pos& active) {
    anchor_ = sanitized(*doc_, anchor);
    active_ = sanitized(*doc_, active);
    pending_.reset();
}

void Selection::selectCell(const CellRef& c) {
    select(cellStart(*doc_, c.tablePath, c.row, c.cell), nextChar(*doc_, cellEnd(*doc_, c.tablePath, c.row, c.cell)));
}

void Selection::selectCellContent(const CellRef& c) {
    select(cellStart(*doc_, c.tablePath, c.row, c.cell), cellEnd(*doc_, c.tablePath, c.row, c.cell));
}

Pos Selection::collapsedEnd(const Extent& e, bool toEnd) const {
    if (!toEnd) return e.start;
    if (e.cells) {
        // Stay inside the selected cells: the end of the last one's text.
        if (e.cells->wholeRows) return e.end;
        const CellRef last = e.cells->cells(*doc_).back();
        return cellEnd(*doc_, last.tablePath, last.row, last.cell);
    }
    return e.end;
}

// ---- moves -------------------------------------------------------------------------------

int Selection::moveByCharacters(int count, bool extend) {
    revalidate();
    const bool right = count > 0;
    int n = std::abs(count);
    int moved = 0;
    if (!extend) {
        pending_.reset();
        const Extent e = extent();
        if (!e.isEmpty()) {
            active_ = anchor_ = collapsedEnd(e, right);
            --n;
            ++moved;
        }
        for (; n > 0; --n) {
            const Pos next = right ? nextChar(*doc_, active_) : prevChar(*doc_, active_);
            if (next == active_) break;
            active_ = next;
            ++moved;
        }
        anchor_ = active_;
        return moved;
    }
    pending_.reset();
    for (; n > 0; --n) {
        const Pos next = right ? nextChar(*doc_, active_) : prevChar(*doc_, active_);
        if (next == active_) break;
        active_ = next;
        ++moved;
        // Across cells the selection grows by whole cells: snap to the block's edge.
        const Extent e = extent();
        if (e.cells) active_ = active_ < anchor_ ? e.start : e.end;
    }
    return moved;
}

int Selection::moveByCells(int count, bool extend) {
    revalidate();
    const Extent e = extent();
    std::optional<CellRef> at;
    if (e.cells) {
        const std::vector<CellRef> cells = e.cells->cells(*doc_);
        at = count > 0 ? cells.back() : cells.front();
    } else {
        const Pos& from = count > 0 ? e.end : e.start;
        at = cellOf(from);
        if (!at && from.atRowEnd()) {
            // Before an end-of-row mark: as if in the row's last cell.
            const int t = innermostTable(from);
            const int row = from.path[t].row;
            const std::vector<Step> tablePath(from.path.begin(), from.path.begin() + t + 1);
            at = CellRef{tablePath, row, int(tableAt(*doc_, tablePath, t).rows[row].cells.size()) - 1};
        }
    }
    if (!at) return 0; // not in a table
    int moved = 0;
    for (int i = 0; i < std::abs(count); ++i) {
        std::optional<CellRef> next = count > 0 ? nextCell(*doc_, *at) : previousCell(*doc_, *at);
        if (!next) {
            if (count < 0) break;
            appendRow(*doc_, at->tablePath);
            next = CellRef{at->tablePath, at->row + 1, 0};
        }
        at = next;
        ++moved;
    }
    if (extend) {
        const Pos a = anchor_;
        select(a, nextChar(*doc_, cellEnd(*doc_, at->tablePath, at->row, at->cell)));
    } else {
        selectCellContent(*at);
    }
    return moved;
}

int Selection::moveRight(Unit unit, int count, bool extend) {
    if (count == 0) return 0;
    switch (unit) {
    case Unit::Character: return moveByCharacters(count, extend);
    case Unit::Cell: return moveByCells(count, extend);
    default: break;
    }
    throw EditError(QStringLiteral("This unit is not available for moving right or left."));
}

int Selection::moveLeft(Unit unit, int count, bool extend) {
    if (count == 0) return 0;
    return moveRight(unit, -count, extend);
}

int Selection::moveUp(Unit unit, int count, bool extend) {
    if (unit != Unit::Line) throw EditError(QStringLiteral("This unit is not available for moving up or down."));
    if (count <= 0) return 0;
    revalidate();
    pending_.reset();
    const Pos before = active_;
    active_ = lines().lineMoved(*doc_, active_, -count);
    if (!extend) anchor_ = active_;
    return active_ != before ? count : 0;
}

int Selection::moveDown(Unit unit, int count, bool extend) {
    if (unit != Unit::Line) throw EditError(QStringLiteral("This unit is not available for moving up or down."));
    if (count <= 0) return 0;
    revalidate();
    pending_.reset();
    const Pos before = active_;
    active_ = lines().lineMoved(*doc_, active_, count);
    if (!extend) anchor_ = active_;
    return active_ != before ? count : 0;
}

namespace {
std::optional<CellRef> rowOf(const Pos& p) {
    const int t = innermostTable(p);
    if (t < 0) return std::nullopt;
    return CellRef{std::vector<Step>(p.path.begin(), p.path.begin() + t + 1), p.path[t].row, 0};
}
} // namespace

int Selection::homeKey(Unit unit, bool extend) {
    revalidate();
    Pos target;
    switch (unit) {
    case Unit::Story: target = storyStart(*doc_); break;
    case Unit::Line: target = lines().lineStart(*doc_, active_); break;
    case Unit::Row: {
        const std::optional<CellRef> r = rowOf(active_);
        if (!r) return 0;
        target = cellStart(*doc_, r->tablePath, r->row, 0);
        break;
    }
    default: throw EditError(QStringLiteral("This unit is not available for HomeKey."));
    }
    const Pos oldAnchor = anchor_, oldActive = active_;
    pending_.reset();
    active_ = target;
    if (!extend) anchor_ = target;
    return anchor_ != oldAnchor || active_ != oldActive ? 1 : 0;
}

int Selection::endKey(Unit unit, bool extend) {
    revalidate();
    Pos target;
    switch (unit) {
    case Unit::Story: target = storyEnd(*doc_); break;
    case Unit::Line: target = lines().lineEnd(*doc_, active_); break;
    case Unit::Row: {
        const std::optional<CellRef> r = rowOf(active_);
        if (!r) return 0;
        target = rowEnd(r->tablePath, r->row);
        break;
    }
    default: throw EditError(QStringLiteral("This unit is not available for EndKey."));
    }
    const Pos oldAnchor = anchor_, oldActive = active_;
    pending_.reset();
    active_ = target;
    if (!extend) anchor_ = target;
    return anchor_ != oldAnchor || active_ != oldActive ? 1 : 0;
}

// ---- typing and deleting -------------------------------------------------------------------

CharFormat Selection::replaceSelection() {
    const Extent e = extent();
    const Pos first = typingPosition(*doc_, e.start);
    const Paragraph& p = paragraphAt(*doc_, first);
    const CharFormat format = first.offset < p.textLength() ? p.formatAt(first.offset) : p.markFormat;
    const Pos at = deleteExtent(*doc_, e);
    anchor_ = active_ = sanitized(*doc_, at);
    pending_.reset();
    return format;
}

CharFormat Selection::prepareTyping() {
    revalidate();
    CharFormat format;
    if (!isInsertionPoint()) {
        format = replaceSelection();
    } else {
        active_ = anchor_ = typingPosition(*doc_, active_);
        format = typingFormatAt(*doc_, active_);
        if (pending_) format.overlay(*pending_);
    }
    const Paragraph& host = paragraphAt(*doc_, active_);
    return withoutRedundantOffs(format, doc_->effectiveCharFormat(host, {}, tableStyleAt(*doc_, active_)));
}

void Selection::typeText(const QString& text) {
    const CharFormat format = prepareTyping();
    Pos at = active_;
    qsizetype i = 0;
    while (i <= text.size()) {
        qsizetype j = i;
        while (j < text.size() && text[j] != QLatin1Char('\r') && text[j] != QLatin1Char('\n')) ++j;
        at = insertText(*doc_, at, text.mid(i, j - i), format);
        if (j >= text.size()) break;
        const bool crlf = text[j] == QLatin1Char('\r') && j + 1 < text.size() && text[j + 1] == QLatin1Char('\n');
        at = splitParagraph(*doc_, at, format);
        i = j + (crlf ? 2 : 1);
    }
    anchor_ = active_ = at;
}

void Selection::typeParagraph() {
    const CharFormat format = prepareTyping();
    anchor_ = active_ = splitParagraph(*doc_, active_, format);
}

int Selection::deleteForward(Unit unit, int count) {
    if (unit != Unit::Character) throw EditError(QStringLiteral("This unit is not available for Delete."));
    revalidate();
    int deleted = 0;
    if (!isInsertionPoint()) {
        replaceSelection();
        ++deleted;
        --count;
    }
    pending_.reset();
    for (; count > 0; --count) {
        switch (charAfter(*doc_, active_)) {
        case CharKind::CellMark:
        case CharKind::RowMark: return deleted; // Word does not delete table marks
        case CharKind::ParagraphMark: {
            const Pos next = nextChar(*doc_, active_);
            if (next == active_ || next.path.size() != active_.path.size()) return deleted; // story end, table
            break;
        }
        case CharKind::Text: break;
        }
        anchor_ = active_ = deleteExtent(*doc_, extentOf(*doc_, active_, nextChar(*doc_, active_)));
        ++deleted;
    }
    return deleted;
}

// ---- formats -------------------------------------------------------------------------------

CharFormat Selection::font() const {
    const Extent e = extent();
    if (e.isEmpty()) {
        const Pos at = typingPosition(*doc_, sanitized(*doc_, active_));
        CharFormat direct = typingFormatAt(*doc_, at);
        if (pending_) direct.overlay(*pending_);
        return complete(doc_->effectiveCharFormat(paragraphAt(*doc_, at), direct, tableStyleAt(*doc_, at)));
    }
    std::optional<CharFormat> result;
    std::optional<CharFormat> marks; // used when no text is selected
    forEachParagraph(*doc_, e, [&](const ParagraphPiece& piece) {
        const Paragraph& p = paragraphAt(*doc_, piece.paragraph);
        const QString style = tableStyleAt(*doc_, piece.paragraph);
        int at = 0;
        for (const engine::model::Run& r : p.runs) {
            const int from = at, to = at + int(r.text.size());
            at = to;
            if (to <= piece.from || from >= piece.to) continue;
            const CharFormat f = complete(doc_->effectiveCharFormat(p, r.format, style));
            result = result ? common(*result, f) : f;
        }
        if (piece.mark) {
            const CharFormat f = complete(doc_->effectiveCharFormat(p, p.markFormat, style));
            marks = marks ? common(*marks, f) : f;
        }
    });
    if (result) return *result;
    return marks.value_or(CharFormat{});
}

void Selection::applyFont(const CharFormat& delta) {
    revalidate();
    const Extent e = extent();
    if (e.isEmpty()) {
        if (!pending_) pending_ = CharFormat{};
        pending_->overlay(delta);
        // In an empty paragraph the mark takes the format too, as Word does, so the
        // paragraph's line is measured in the new font whatever is typed into it.
        const Pos at = typingPosition(*doc_, sanitized(*doc_, active_));
        if (paragraphAt(*doc_, at).textLength() == 0)
            changeParagraphs(*doc_, extentOf(*doc_, at, at), [&](Paragraph& p) { p.markFormat.overlay(delta); });
        return;
    }
    applyCharFormat(*doc_, e, delta);
}

ParaFormat Selection::paragraphFormat() const {
    std::optional<ParaFormat> result;
    forEachParagraph(*doc_, extent(), [&](const ParagraphPiece& piece) {
        const Paragraph& p = paragraphAt(*doc_, piece.paragraph);
        const ParaFormat f = doc_->effectiveParaFormat(p, tableStyleAt(*doc_, piece.paragraph));
        result = result ? common(*result, f) : f;
    });
    return result.value_or(ParaFormat{});
}

void Selection::applyParagraphFormat(const ParaFormat& delta) {
    revalidate();
    changeParagraphs(*doc_, extent(), [&](Paragraph& p) { p.format.overlay(delta); });
}

// ---- cells ---------------------------------------------------------------------------------

std::vector<CellRef> Selection::cells() const {
    const Extent e = extent();
    if (e.cells) return e.cells->cells(*doc_);
    if (const std::optional<CellRef> c = cellOf(e.start)) return {*c};
    return {};
}

void Selection::mergeCells() {
    revalidate();
    const Extent e = extent();
    if (!e.cells) {
        if (!cellOf(e.start)) throw EditError(QStringLiteral("The selection is not in a table."));
        return; // one cell: nothing to merge
    }
    if (e.cells->cells(*doc_).size() < 2) {
        selectCell(e.cells->cells(*doc_).front());
        return;
    }
    selectCell(engine::edit::mergeCells(*doc_, *e.cells));
}

void Selection::setCellsVerticalAlignment(engine::model::VerticalAlignment a) {
    revalidate();
    const std::vector<CellRef> c = cells();
    if (c.empty()) throw EditError(QStringLiteral("The selection is not in a table."));
    setVerticalAlignment(*doc_, c, a);
}

} // namespace engine::edit
