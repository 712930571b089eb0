// Tables through the selection: insertion, moving and extending by characters and cells,
// appending rows, merging, deleting rows, widths and heights, line-wise moves.
#include "edit_support.h"

#include "engine/edit/error.h"
#include "engine/edit/tables.h"

using namespace edit_test;

namespace {
std::vector<Step> firstTable() { return {Step{0, 0, 0}}; }
} // namespace

TEST(edit_table, insert_in_a_blank_document_puts_the_table_before_its_paragraph) {
    Document d = doc("¶");
    Selection s(d);
    s.setInsertionPoint(insertTable(d, s.active(), 2, 3, TableBehavior::Word9));
    EXPECT_EQ(full(d), QStringLiteral("T{style=\"Table Grid\" grid=3120,3120,3120}[R C{w=3120}(¶) C{w=3120}(¶) "
                                      "C{w=3120}(¶) R C{w=3120}(¶) C{w=3120}(¶) C{w=3120}(¶)] ¶"));
    EXPECT_EQ(startOf(s), 0);
    EXPECT_EQ(d.effectiveParaFormat(cellPara(d, 0, 0), QStringLiteral("Table Grid")).spaceAfter, 0);
}

TEST(edit_table, word8_behaviour_draws_direct_borders_and_middle_insert_splits) {
    Document d = doc("\"abcd\"¶");
    d.page = PageSetup::a4();
    const Pos first = insertTable(d, fromOffset(d, 2), 1, 2, TableBehavior::Word8);
    EXPECT_EQ(full(d), QStringLiteral("\"ab\"¶ T{grid=4513,4513 borders=grid}[R C{w=4513}(¶) C{w=4513}(¶)] \"cd\"¶"));
    EXPECT_EQ(toOffset(d, first), 3);
    EXPECT_THROW(insertTable(d, storyStart(d), 0, 2, TableBehavior::Word9), EditError);
    EXPECT_THROW(insertTable(d, storyStart(d), 1, 64, TableBehavior::Word9), EditError);
}

TEST(edit_table, extending_by_characters_from_an_empty_cell_selects_it_and_the_next_cells) {
    for (int n = 1; n <= 3; ++n) {
        Document d = doc("T[R C(¶) C(\"text\"¶) C(¶)] ¶");
        Selection s(d);
        EXPECT_EQ(s.moveRight(Unit::Character, n, true), n);
        ASSERT_TRUE(s.extent().cells) << n;
        EXPECT_EQ(int(s.cells().size()), n);
        EXPECT_FALSE(s.extent().cells->wholeRows);
    }
}

TEST(edit_table, extending_past_the_last_cell_takes_the_whole_row) {
    Document d = doc("T[R C(¶) C(¶) R C(¶) C(¶)] ¶");
    Selection s(d);
    s.moveRight(Unit::Character, 3, true);
    ASSERT_TRUE(s.extent().cells);
    EXPECT_TRUE(s.extent().cells->wholeRows);
    EXPECT_EQ(s.cells().size(), 2u);
}

TEST(edit_table, extending_inside_text_stays_text_until_the_cell_mark) {
    Document d = doc("T[R C(\"abc\"¶) C(¶)] ¶");
    Selection s(d);
    s.moveRight(Unit::Character, 3, true);
    EXPECT_FALSE(s.extent().cells);
    EXPECT_EQ(s.text(), QStringLiteral("abc"));
    s.moveRight(Unit::Character, 1, true);
    ASSERT_TRUE(s.extent().cells);
    EXPECT_EQ(s.cells().size(), 1u);
}

TEST(edit_table, moving_without_extension_collapses_first_and_that_counts) {
    Document d = doc("\"abcdef\"¶");
    Selection s(d);
    place(s, 1, 3);
    EXPECT_EQ(s.moveRight(Unit::Character, 1), 1);
    EXPECT_EQ(startOf(s), 3);
    EXPECT_TRUE(s.isInsertionPoint());
    place(s, 1, 3);
    EXPECT_EQ(s.moveLeft(Unit::Character, 2), 2);
    EXPECT_EQ(startOf(s), 0);
    place(s, 2);
    EXPECT_EQ(s.moveLeft(Unit::Character, 5), 2); // stops at the story's start
}

TEST(edit_table, collapsing_a_selected_cell_stays_in_it) {
    Document d = doc("T[R C(\"ab\"¶) C(¶)] ¶");
    Selection s(d);
    s.selectCell(CellRef{firstTable(), 0, 0});
    s.moveLeft(Unit::Character, 1);
    EXPECT_EQ(startOf(s), 0);
    s.selectCell(CellRef{firstTable(), 0, 0});
    s.moveRight(Unit::Character, 1);
    EXPECT_EQ(startOf(s), 2);
}

TEST(edit_table, moving_by_cells_goes_in_row_order_and_selects_the_cell_text) {
    Document d = doc("T[R C(¶) C(\"ab\"¶) R C(\"c\"¶) C(¶)] ¶");
    Selection s(d);
    EXPECT_EQ(s.moveRight(Unit::Cell, 1), 1);
    EXPECT_EQ(s.text(), QStringLiteral("ab"));
    EXPECT_EQ(s.moveRight(Unit::Cell, 1), 1);
    EXPECT_EQ(s.text(), QStringLiteral("c"));
    EXPECT_EQ(s.moveLeft(Unit::Cell, 5), 2); // back to the first cell, and no further
    EXPECT_EQ(startOf(s), 0);
}

TEST(edit_table, moving_on_from_the_last_cell_appends_a_row_shaped_like_the_last) {
    Document d = doc("T{grid=600,4000,4000}[R{h>=400} C{w=600}(¶) C{span=2 w=8000 va=c}(P{al=r}\"x\"¶<i>)] ¶");
    Selection s(d);
    EXPECT_EQ(s.moveRight(Unit::Cell, 3), 3);
    EXPECT_EQ(full(d), QStringLiteral("T{grid=600,4000,4000}[R{h>=400} C{w=600}(¶) C{span=2 w=8000 va=c}(P{al=r}\"x\"¶<i>) "
                                      "R{h>=400} C{w=600}(¶) C{span=2 w=8000 va=c}(P{al=r}¶<i>)] ¶"));
    EXPECT_EQ(s.cells().front().row, 1);
    EXPECT_EQ(s.cells().front().cell, 1);
}

TEST(edit_table, moving_by_cells_outside_a_table_does_nothing) {
    Document d = doc("\"ab\"¶");
    Selection s(d);
    EXPECT_EQ(s.moveRight(Unit::Cell, 1), 0);
    EXPECT_EQ(text(d), QStringLiteral("\"ab\"¶"));
}

TEST(edit_table, merge_keeps_the_text_of_all_cells_and_selects_the_merged_cell) {
    Document d = doc("T[R C{w=600}(\"a\"¶) C{w=4000}(¶) C{w=4000}(\"b\"¶ \"c\"¶) R C(¶) C(¶) C(¶)] ¶");
    Selection s(d);
    s.moveRight(Unit::Character, 4, true); // "a", its cell mark, the empty cell, the third cell
    ASSERT_EQ(s.cells().size(), 3u);
    s.mergeCells();
    EXPECT_EQ(dump(table(d).rows[0]), QStringLiteral("R C{span=3 w=8600}(\"a\"¶ \"b\"¶ \"c\"¶)"));
    ASSERT_EQ(s.cells().size(), 1u);
    EXPECT_EQ(s.cells().front().cell, 0);
    EXPECT_EQ(s.text(), QStringLiteral("a\rb\rc\r\a"));
}

TEST(edit_table, merging_one_cell_is_harmless_and_across_rows_is_refused) {
    Document d = doc("T[R C(¶) C(¶) R C(¶) C(¶)] ¶");
    Selection s(d);
    s.mergeCells(); // insertion point in one cell
    EXPECT_EQ(text(d), QStringLiteral("T[R C(¶) C(¶) R C(¶) C(¶)] ¶"));
    s.select(fromOffset(d, 0), fromOffset(d, 4));
    EXPECT_THROW(s.mergeCells(), EditError);
    s.select(storyEnd(d), storyEnd(d));
    EXPECT_THROW(s.mergeCells(), EditError);
}

TEST(edit_table, typing_over_a_selected_cell_replaces_its_text_in_the_format_it_was_given) {
    Document d = doc("T[R C(\"old\"¶) C(¶)] ¶");
    Selection s(d);
    s.selectCell(CellRef{firstTable(), 0, 0});
    CharFormat f;
    f.fontName = QStringLiteral("Tahoma");
    f.halfPoints = 16;
    s.applyFont(f);
    s.typeText(QStringLiteral("new"));
    EXPECT_EQ(dump(table(d).rows[0]), QStringLiteral("R C{w=0}(<font=Tahoma sz=8>\"new\"¶<font=Tahoma sz=8>) C{w=0}(¶)"));
}

TEST(edit_table, deleting_whole_rows_removes_them_and_part_rows_are_emptied) {
    Document d = doc("T[R C(\"a\"¶) C(\"b\"¶) R C(\"c\"¶) C(\"d\"¶) R C(\"e\"¶) C(\"f\"¶)] ¶");
    Selection s(d);
    place(s, 0, 7); // rows 1 and 2 with their row marks... up to the start of row 2? 0..7 = row 1 whole + "c"
    ASSERT_TRUE(s.extent().cells);
    s.select(fromOffset(d, 0), fromOffset(d, 5)); // row 1 and its row mark
    s.deleteForward();
    EXPECT_EQ(text(d), QStringLiteral("T[R C(\"c\"¶) C(\"d\"¶) R C(\"e\"¶) C(\"f\"¶)] ¶"));
    s.select(fromOffset(d, 0), fromOffset(d, 3)); // both cells, not the row mark
    s.deleteForward();
    EXPECT_EQ(text(d), QStringLiteral("T[R C(¶) C(¶) R C(\"e\"¶) C(\"f\"¶)] ¶"));
    s.select(fromOffset(d, 0), fromOffset(d, 8));
    s.deleteForward();
    EXPECT_EQ(text(d), QStringLiteral("¶"));
}

TEST(edit_table, story_extension_from_a_row_start_covers_the_rows_above) {
    Document d = doc("T[R C(\"a\"¶) R C(\"b\"¶) R C(\"c\"¶)] ¶");
    Selection s(d);
    place(s, 6); // start of row 3
    s.homeKey(Unit::Story, true);
    ASSERT_TRUE(s.extent().cells);
    EXPECT_TRUE(s.extent().cells->wholeRows);
    s.deleteForward();
    EXPECT_EQ(text(d), QStringLiteral("T[R C(\"c\"¶)] ¶"));
}

TEST(edit_table, column_widths_and_row_heights) {
    Document d = doc("T{grid=100,100}[R C{w=100}(¶) C{w=100}(¶) R C{w=100}(¶) C{w=100}(¶)] ¶");
    setColumnWidth(d, firstTable(), 1, 4000);
    setRowHeight(d, firstTable(), 1, 400);
    EXPECT_EQ(full(d), QStringLiteral("T{grid=100,4000}[R C{w=100}(¶) C{w=4000}(¶) R{h>=400} C{w=100}(¶) C{w=4000}(¶)] ¶"));
    EXPECT_THROW(setColumnWidth(d, firstTable(), 2, 10), EditError);
    EXPECT_THROW(setRowHeight(d, firstTable(), 2, 10), EditError);
    Selection s(d);
    s.moveRight(Unit::Character, 2, true);
    s.mergeCells();
    try {
        setColumnWidth(d, firstTable(), 0, 10);
        FAIL() << "mixed widths accepted";
    } catch (const EditError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("mixed cell widths")));
    }
}

TEST(edit_table, vertical_alignment_of_selected_cells) {
    Document d = doc("T[R C(¶) C(¶) C(¶)] ¶");
    Selection s(d);
    s.moveRight(Unit::Character, 2, true);
    s.setCellsVerticalAlignment(VerticalAlignment::Center);
    EXPECT_EQ(full(d), QStringLiteral("T[R C{w=0 va=c}(¶) C{w=0 va=c}(¶) C{w=0}(¶)] ¶"));
}

TEST(edit_table, line_moves_use_one_line_per_paragraph_before_layout) {
    Document d = doc("\"first\"¶ \"second line\"¶ \"x\"¶");
    Selection s(d);
    place(s, 17); // "second line", offset 10
    EXPECT_EQ(s.moveUp(Unit::Line, 1), 1);
    EXPECT_EQ(startOf(s), 5); // clamped to the end of "first"
    EXPECT_EQ(s.moveUp(Unit::Line, 0), 0);
    EXPECT_EQ(s.moveUp(Unit::Line, -1), 0);
    EXPECT_EQ(startOf(s), 5);
    EXPECT_EQ(s.moveDown(Unit::Line, 5), 5); // stops at the last line
    EXPECT_EQ(startOf(s), 19);
    s.homeKey(Unit::Line, true);
    EXPECT_EQ(s.text(), QStringLiteral("x"));
    s.endKey(Unit::Story);
    s.homeKey(Unit::Story, true);
    EXPECT_EQ(s.text(), QStringLiteral("first\rsecond line\rx"));
}

TEST(edit_table, line_moves_cross_cells_by_grid_column) {
    Document d = doc("T[R C(\"a\"¶) C(\"b\"¶) R C{span=2}(\"cd\"¶)] \"after\"¶");
    Selection s(d);
    place(s, 2); // "b"
    s.moveDown(Unit::Line, 1);
    EXPECT_EQ(startOf(s), 5); // in "cd" at offset 0
    s.moveDown(Unit::Line, 1);
    EXPECT_EQ(startOf(s), 9); // the paragraph after the table
    s.moveUp(Unit::Line, 2);
    EXPECT_EQ(startOf(s), 0); // last row's first cell, then row 1's first cell
}

TEST(edit_table, extending_up_from_text_below_a_table_selects_whole_rows) {
    Document d = doc("T[R C(\"a\"¶) R C(\"b\"¶)] \"after\"¶");
    Selection s(d);
    place(s, 6);
    s.moveUp(Unit::Line, 1, true);
    ASSERT_TRUE(s.extent().cells);
    EXPECT_TRUE(s.extent().cells->wholeRows);
    EXPECT_EQ(startOf(s), 3); // row 2, whole
    EXPECT_EQ(s.text(), QStringLiteral("b\r\a\r\a"));
}

TEST(edit_table, from_a_row_end_moves_go_on_to_the_next_row) {
    Document d = doc("T[R C(\"a\"¶) C(¶) R C(¶) C(¶) C(¶)] ¶");
    Selection s(d);
    place(s, 3); // before row 1's end mark
    ASSERT_TRUE(s.active().atRowEnd());
    EXPECT_EQ(s.moveRight(Unit::Cell, 1), 1);
    EXPECT_EQ(startOf(s), 4); // row 2, first cell
    place(s, 3);
    s.moveRight(Unit::Character, 2, true); // the row mark, then row 2's first cell
    ASSERT_TRUE(s.extent().cells);
    EXPECT_EQ(s.extent().cells->firstRow, 0);
    EXPECT_EQ(s.extent().cells->lastRow, 1);
}

TEST(edit_table, a_table_inserted_straight_after_another_gets_a_paragraph_between) {
    Document d = doc("T[R C(¶)] \"x\"¶");
    const Pos first = insertTable(d, fromOffset(d, 2), 1, 1, TableBehavior::Word9);
    EXPECT_EQ(text(d), QStringLiteral("T[R C(¶)] ¶ T[R C(¶)] \"x\"¶"));
    EXPECT_EQ(toOffset(d, first), 3);
}
