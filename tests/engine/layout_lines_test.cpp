// Real lines for the selection: start and end of a wrapped line, moving up and down by lines
// inside a paragraph, across paragraphs and between table rows, through the Selection.
#include "engine/edit/selection.h"
#include "engine/layout/layout_lines.h"
#include "layout_support.h"

using namespace layout_test;
using engine::edit::Pos;
using engine::edit::Step;
using engine::edit::Unit;

namespace {
QString words(int n) {
    QStringList w;
    for (int i = 0; i < n; ++i) w << QStringLiteral("w%1").arg(i % 10);
    return w.join(QLatin1Char(' '));
}
Pos at(int block, int offset) { return Pos{{Step{block, -1, -1}}, offset}; }
} // namespace

TEST(layout_lines, start_and_end_of_a_wrapped_line) {
    Document d = doc(tahoma(words(200), QStringLiteral("after=0")));
    DocumentLayout l(d);
    LayoutLines lines(l);
    const ParagraphBox& p = paragraphBox(l, 0);
    ASSERT_GE(p.lines.size(), 3u);
    const LineBox& second = p.lines[1];
    const Pos mid = at(0, second.start + 3);
    EXPECT_EQ(lines.lineStart(d, mid), at(0, second.start));
    EXPECT_EQ(lines.lineEnd(d, mid), at(0, second.end()));
    EXPECT_EQ(lines.lineEnd(d, at(0, p.lines.back().start)), at(0, p.textLength));
}

TEST(layout_lines, moving_up_and_down_keeps_the_horizontal_place) {
    Document d = doc(tahoma(words(200), QStringLiteral("after=0")));
    DocumentLayout l(d);
    LayoutLines lines(l);
    const ParagraphBox& p = paragraphBox(l, 0);
    const Pos start = at(0, p.lines[2].start + 5);
    const Pos up = lines.lineMoved(d, start, -1);
    EXPECT_EQ(p.lineOf(up.offset), 1);
    EXPECT_NEAR(p.caretX(up.offset), p.caretX(start.offset), 150); // within a character
    EXPECT_EQ(p.lineOf(lines.lineMoved(d, start, -2).offset), 0);
    EXPECT_EQ(lines.lineMoved(d, start, -10), lines.lineMoved(d, start, -2)); // stops at the first line
    EXPECT_EQ(p.lineOf(lines.lineMoved(d, start, 1).offset), 3);
}

TEST(layout_lines, moving_up_from_a_paragraph_lands_on_the_last_line_of_the_one_above) {
    Document d = doc(tahoma(words(120), QStringLiteral("after=0")) + QLatin1Char(' ') + tahoma(QStringLiteral("short"), QStringLiteral("after=0")));
    DocumentLayout l(d);
    LayoutLines lines(l);
    const ParagraphBox& first = paragraphBox(l, 0);
    const Pos up = lines.lineMoved(d, at(1, 2), -1);
    EXPECT_EQ(up.path, at(0, 0).path);
    EXPECT_EQ(first.lineOf(up.offset), int(first.lines.size()) - 1);
    const Pos down = lines.lineMoved(d, at(0, 1), int(first.lines.size()));
    EXPECT_EQ(down.path, at(1, 0).path);
}

TEST(layout_lines, in_a_table_up_goes_to_the_cell_above_in_the_same_column) {
    const QString a = tahoma(QStringLiteral("above"), QStringLiteral("after=0"));
    const QString b = tahoma(QStringLiteral("below"), QStringLiteral("after=0"));
    Document d = doc(QStringLiteral("T{grid=600,4000,4000}[R C(¶) C(%1) C(%1) R C(¶) C(%2) C(%2)] ¶").arg(a, b));
    DocumentLayout l(d);
    LayoutLines lines(l);
    const Pos from{{Step{0, 1, 2}, Step{0, -1, -1}}, 2};
    const Pos up = lines.lineMoved(d, from, -1);
    EXPECT_EQ(up.path, (std::vector<Step>{Step{0, 0, 2}, Step{0, -1, -1}}));
    EXPECT_EQ(up.offset, 2);
}

TEST(layout_lines, the_selection_extends_over_the_lines_of_wrapped_abilities) {
    // The skills pattern: type several lines, move up by lines with extension, then to the
    // start of the line: the selection covers the lines typed.
    Document d = doc(QStringLiteral("T{grid=600,8000}[R C(¶) C(P{line=360}¶<font=Tahoma sz=8>)] ¶"));
    DocumentLayout l(d);
    LayoutLines lines(l);
    engine::edit::Selection s(d);
    s.setLineProvider(&lines);
    s.setInsertionPoint(Pos{{Step{0, 0, 1}, Step{0, -1, -1}}, 0});
    s.typeText(QStringLiteral("first ability\r\nsecond ability\r\nthird ability that is long enough ") + words(35));
    const Pos end = s.active();
    ASSERT_EQ(rowBox(l, 0, 0).cells[1].blocks.at(2).paragraph->lines.size(), 2u);
    EXPECT_EQ(s.moveUp(Unit::Line, 2, true), 2);
    s.homeKey(Unit::Line, true);
    // Two lines up from the second line of the wrapped third paragraph is the second one.
    EXPECT_EQ(s.active(), (Pos{{Step{0, 0, 1}, Step{1, -1, -1}}, 0}));
    EXPECT_EQ(s.anchor(), end);
    // A count of zero or less moves nothing.
    const Pos before = s.active();
    EXPECT_EQ(s.moveUp(Unit::Line, 0, true), 0);
    EXPECT_EQ(s.moveUp(Unit::Line, -1, true), 0);
    EXPECT_EQ(s.active(), before);
}

TEST(layout_lines, end_key_by_line_stops_at_the_wrap) {
    Document d = doc(tahoma(words(200), QStringLiteral("after=0")));
    DocumentLayout l(d);
    LayoutLines lines(l);
    engine::edit::Selection s(d);
    s.setLineProvider(&lines);
    s.setInsertionPoint(at(0, 0));
    s.endKey(Unit::Line, false);
    EXPECT_EQ(s.active(), at(0, paragraphBox(l, 0).lines[0].end()));
    s.homeKey(Unit::Story, true);
    EXPECT_EQ(s.active(), at(0, 0));
}
