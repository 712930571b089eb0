// Tables: cells on the column grid with their spans, the style's cell margins, row heights
// and vertical alignment, and the bottom of a cell.
#include "layout_support.h"

using namespace layout_test;

namespace {
// The résumé's grid: 30, 200 and 200 points.
const QString kGrid = QStringLiteral("T{grid=600,4000,4000}[");
}

TEST(layout_table, cells_sit_on_the_grid_with_their_spans_and_margins) {
    Document d = doc(kGrid + QStringLiteral("R C{span=3 w=8600}(¶) R C{w=600}(¶) C{span=2 w=8000}(¶) "
                                            "R C{w=600}(¶) C{w=4000}(¶) C{w=4000}(¶)] ¶"));
    DocumentLayout l(d);
    const RowBox& merged = rowBox(l, 0, 0);
    ASSERT_EQ(merged.cells.size(), 1u);
    EXPECT_EQ(merged.cells[0].left, 0);
    EXPECT_EQ(merged.cells[0].width, 8600);
    EXPECT_EQ(merged.cells[0].textLeft, 108);
    EXPECT_EQ(merged.cells[0].textWidth, 8600 - 216);
    const RowBox& two = rowBox(l, 0, 1);
    EXPECT_EQ(two.cells[1].left, 600);
    EXPECT_EQ(two.cells[1].width, 8000);
    const RowBox& three = rowBox(l, 0, 2);
    EXPECT_EQ(three.cells[2].left, 4600);
    EXPECT_EQ(three.cells[2].textLeft, 4708);
}

TEST(layout_table, a_table_style_without_margins_of_its_own_takes_its_base_styles) {
    Document d = doc(QStringLiteral("T{style=\"Table Grid\" grid=2000}[R C(¶)] ¶"));
    DocumentLayout l(d);
    EXPECT_EQ(rowBox(l, 0, 0).cells[0].textLeft, 108);
}

TEST(layout_table, rows_are_at_least_their_height_or_exactly_it) {
    Document d = doc(kGrid + QStringLiteral("R{h>=1000} C{span=3}(%1) R{h>=100} C{span=3}(%1) R{h==100} C{span=3}(%1)] ¶")
                                 .arg(tahoma(QStringLiteral("Alex"), QStringLiteral("line=240 after=0"))));
    DocumentLayout l(d);
    EXPECT_EQ(rowBox(l, 0, 0).height, 1000);
    EXPECT_EQ(rowBox(l, 0, 1).height, 160);
    EXPECT_EQ(rowBox(l, 0, 2).height, 100);
    EXPECT_EQ(l.body()[0].table->rowTops[2], 1160);
}

TEST(layout_table, a_row_is_as_high_as_its_fullest_cell) {
    const QString one = tahoma(QStringLiteral("a"), QStringLiteral("line=240 after=0"));
    Document d = doc(kGrid + QStringLiteral("R C(%1) C(%1 %1 %1) C(%1)] ¶").arg(one));
    DocumentLayout l(d);
    EXPECT_EQ(rowBox(l, 0, 0).height, 480);
}

TEST(layout_table, cells_asked_to_centre_are_centred_vertically) {
    const QString one = tahoma(QStringLiteral("WORK HISTORY"), QStringLiteral("line=240 after=0"));
    Document d = doc(kGrid + QStringLiteral("R{h>=400} C{span=3 va=c}(%1) R{h>=400} C{span=3 va=b}(%1) R{h>=400} C{span=3}(%1)] ¶").arg(one));
    DocumentLayout l(d);
    EXPECT_EQ(rowBox(l, 0, 0).cells[0].contentTop, 120);
    EXPECT_EQ(rowBox(l, 0, 1).cells[0].contentTop, 240);
    EXPECT_EQ(rowBox(l, 0, 2).cells[0].contentTop, 0);
}

TEST(layout_table, the_last_line_of_a_cell_takes_its_multiple_spacing_from_the_paragraph_size) {
    // In the body a 108 % line of 8 pt Tahoma is 172 twips. Ending a cell, it is 160 plus 8 %
    // of an 11 pt line of the fallback serif (253 twips) = 180; an empty last paragraph
    // measures from its own mark (8 pt: 8 % of 185 = 14).
    const QString text = tahoma(QStringLiteral("Alex"), QStringLiteral("line=259 after=0"));
    const QString empty = QStringLiteral("P{line=259 after=0}¶<font=Tahoma sz=8>");
    Document d = doc(QStringLiteral("T{grid=4000}[R C(%1) R C(%1 %1) R C(%1 %2)] %1").arg(text, empty));
    DocumentLayout l(d);
    EXPECT_EQ(rowBox(l, 0, 0).height, 180);
    EXPECT_EQ(rowBox(l, 0, 1).height, 172 + 180);
    EXPECT_EQ(rowBox(l, 0, 2).height, 172 + 174);
    EXPECT_EQ(paragraphBox(l, 1).height(), 172);
}

TEST(layout_table, a_nested_table_is_laid_out_inside_its_cell) {
    const QString one = tahoma(QStringLiteral("x"), QStringLiteral("line=240 after=0"));
    Document d = doc(QStringLiteral("T{grid=6000}[R C(T{grid=3000}[R C(%1) R C(%1)] %1)] ¶").arg(one));
    DocumentLayout l(d);
    const CellBox& outer = rowBox(l, 0, 0).cells[0];
    ASSERT_EQ(outer.blocks.size(), 2u);
    ASSERT_TRUE(outer.blocks[0].table);
    EXPECT_EQ(outer.blocks[0].table->height, 320);
    EXPECT_EQ(outer.blocks[1].top, 320);
    EXPECT_EQ(rowBox(l, 0, 0).height, 480);
}
