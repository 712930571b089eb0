#include "engine/render/page_painter.h"

#include "engine/layout/fonts.h"

#include <QGlyphRun>
#include <QPainterPath>
#include <QPen>
#include <QTextLine>

namespace engine::render {

using namespace engine::layout;

namespace {

// The part of a block list to draw: lines whose top lies in [from, to), in the list's
// coordinates.
struct Window {
    int from = INT_MIN;
    int to = INT_MAX;
    bool shows(int top) const { return top >= from && top < to; }
};

// Draws a run of glyphs; a bold face whose outlines are not heavier than its regular one
// gets its outlines stroked as well, so bold reads as bold without moving a glyph. The
// stroke is a path, not text, so a PDF's text stays the same.
void drawGlyphs(QPainter& p, QPointF at, const QGlyphRun& run) {
    p.drawGlyphRun(at, run);
    const QRawFont font = run.rawFont();
    const qreal stroke = syntheticBoldStroke(font);
    if (stroke <= 0) return;
    QPainterPath outline;
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i)
        outline.addPath(font.pathForGlyph(glyphs[i]).translated(at + positions[i]));
    p.save();
    p.setPen(QPen(p.pen().color(), stroke * font.pixelSize(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    p.restore();
}

void drawParagraph(QPainter& p, const ParagraphBox& box, QPointF at, const Window& w) {
    const int count = box.text ? box.text->lineCount() : 0;
    for (int i = 0; i < int(box.lines.size()); ++i) {
        const LineBox& line = box.lines[i];
        if (!w.shows(line.top)) continue;
        if (i == 0 && box.label && box.label->layout && box.label->layout->lineCount() > 0) {
            const QTextLine l = box.label->layout->lineAt(0);
            const QPointF origin = at + QPointF(box.label->x, line.top + line.baseline - l.ascent());
            for (const QGlyphRun& g : l.glyphRuns()) drawGlyphs(p, origin, g);
        }
        if (i < count)
            for (const QGlyphRun& g : box.text->lineAt(i).glyphRuns()) drawGlyphs(p, at, g);
    }
}

void drawBlocks(QPainter& p, const std::vector<BlockBox>& blocks, QPointF at, const Window& w);

void drawBorders(QPainter& p, const TableBox& t, const RowBox& row, QPointF at, int from, int to, bool firstRow,
                 bool lastRow) {
    if (!t.borders) return;
    const auto& b = *t.borders;
    auto pen = [](const engine::model::BorderLine& l) {
        QPen pen(l.color == engine::model::kAutoColor ? QColor(Qt::black) : QColor::fromRgb(QRgb(l.color)));
        pen.setWidthF(l.eighthPoints * 20.0 / 8.0);
        pen.setCapStyle(Qt::SquareCap);
        return pen;
    };
    using Style = engine::model::BorderLine::Style;
    for (size_t c = 0; c < row.cells.size(); ++c) {
        const CellBox& cell = row.cells[c];
        const double x0 = at.x() + cell.left, x1 = x0 + cell.width;
        const double y0 = at.y() + from, y1 = at.y() + to;
        const auto& top = firstRow ? b.top : b.insideH;
        const auto& bottom = lastRow ? b.bottom : b.insideH;
        const auto& left = c == 0 ? b.left : b.insideV;
        const auto& right = c + 1 == row.cells.size() ? b.right : b.insideV;
        if (top.style != Style::None) { p.setPen(pen(top)); p.drawLine(QPointF(x0, y0), QPointF(x1, y0)); }
        if (bottom.style != Style::None) { p.setPen(pen(bottom)); p.drawLine(QPointF(x0, y1), QPointF(x1, y1)); }
        if (left.style != Style::None) { p.setPen(pen(left)); p.drawLine(QPointF(x0, y0), QPointF(x0, y1)); }
        if (right.style != Style::None) { p.setPen(pen(right)); p.drawLine(QPointF(x1, y0), QPointF(x1, y1)); }
    }
}

// Row `r` of `t`, its part [from, to) (row coordinates), with the row's top at `at`.
void drawRow(QPainter& p, const TableBox& t, int r, QPointF at, int from, int to) {
    const RowBox& row = *t.rows[r];
    for (const CellBox& cell : row.cells) {
        const Window inner{from - cell.contentTop, to - cell.contentTop};
        drawBlocks(p, cell.blocks, at + QPointF(cell.textLeft, cell.contentTop), inner);
    }
    drawBorders(p, t, row, at, from, to, r == 0, r + 1 == int(t.rows.size()));
}

void drawBlocks(QPainter& p, const std::vector<BlockBox>& blocks, QPointF at, const Window& w) {
    for (const BlockBox& b : blocks) {
        const QPointF origin = at + QPointF(0, b.top);
        const Window inner{w.from == INT_MIN ? INT_MIN : w.from - b.top, w.to == INT_MAX ? INT_MAX : w.to - b.top};
        if (b.paragraph) {
            drawParagraph(p, *b.paragraph, origin, inner);
        } else if (b.table) {
            const TableBox& t = *b.table;
            for (size_t r = 0; r < t.rows.size(); ++r)
                if (inner.shows(t.rowTops[r]))
                    drawRow(p, t, int(r), origin + QPointF(t.left, t.rowTops[r]), 0, t.rows[r]->height);
        }
    }
}

} // namespace

void paintPage(QPainter& p, const DocumentLayout& layout, int page) {
    const Pagination& pages = layout.pagination();
    if (page < 0 || page >= pages.pageCount()) return;
    const auto& body = layout.body();
    const double left = layout.pageSetup().marginLeft;
    p.save();
    for (int i = pages.pageFirstSlice[page]; i < pages.pageFirstSlice[page + 1]; ++i) {
        const PageSlice& s = pages.slices[i];
        const BlockBox& b = body[s.block];
        const QPointF at(left, s.y - s.from);
        if (b.paragraph) {
            drawParagraph(p, *b.paragraph, at, Window{s.from, s.to});
        } else if (b.table && s.row >= 0 && s.row < int(b.table->rows.size())) {
            drawRow(p, *b.table, s.row, at + QPointF(b.table->left, 0), s.from, s.to);
        }
    }
    p.restore();
}

} // namespace engine::render
