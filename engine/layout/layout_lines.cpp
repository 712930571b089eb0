#include "engine/layout/layout_lines.h"

namespace engine::layout {

using engine::edit::ParagraphLines;
using engine::edit::Pos;

Pos LayoutLines::lineStart(const engine::model::Document& d, const Pos& p) const {
    if (p.atRowEnd()) return p;
    const ParagraphPlace place = layout_.paragraphPlace(p.path, p.offset);
    if (!place.box) return ParagraphLines::instance().lineStart(d, p);
    return Pos{p.path, place.box->lines[place.box->lineOf(p.offset)].start};
}

Pos LayoutLines::lineEnd(const engine::model::Document& d, const Pos& p) const {
    if (p.atRowEnd()) return p;
    const ParagraphPlace place = layout_.paragraphPlace(p.path, p.offset);
    if (!place.box) return ParagraphLines::instance().lineEnd(d, p);
    const int i = place.box->lineOf(p.offset);
    const bool last = i + 1 == int(place.box->lines.size());
    return Pos{p.path, last ? place.box->textLength : place.box->lines[i].end()};
}

Pos LayoutLines::lineMoved(const engine::model::Document& d, const Pos& p, int count) const {
    if (count == 0) return p;
    const int dir = count < 0 ? -1 : 1;
    const int offset = p.atRowEnd() ? 0 : p.offset;
    ParagraphPlace place = p.atRowEnd() ? ParagraphPlace{} : layout_.paragraphPlace(p.path, offset);
    if (!place.box) return ParagraphLines::instance().lineMoved(d, p, count);

    // The horizontal place to keep, in page coordinates.
    const double x = place.origin.x() + place.box->caretX(offset);
    std::vector<engine::edit::Step> path = p.path;
    const ParagraphBox* box = place.box;
    int line = box->lineOf(offset);
    for (int i = 0; i < std::abs(count); ++i) {
        if (dir < 0 && line > 0) { --line; continue; }
        if (dir > 0 && line + 1 < int(box->lines.size())) { ++line; continue; }
        const Pos edge{path, dir < 0 ? 0 : box->textLength};
        const Pos next = ParagraphLines::instance().lineMoved(d, edge, dir);
        if (next.path == path || next.atRowEnd()) break; // first or last line of the story
        const ParagraphPlace there = layout_.paragraphPlace(next.path, 0);
        if (!there.box) break;
        path = next.path;
        box = there.box;
        line = dir < 0 ? int(box->lines.size()) - 1 : 0;
    }
    const ParagraphPlace target = layout_.paragraphPlace(path, box->lines[line].start);
    return Pos{path, box->offsetAt(line, x - target.origin.x())};
}

} // namespace engine::layout
