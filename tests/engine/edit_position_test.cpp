// Positions counted as Word counts them, and what a range covers under the table rules.
#include "edit_support.h"

using namespace edit_test;

namespace {
// cell 1: a b ¤ | cell 2: ¤ | row mark | x ¶
const char* kSmall = "T[R C(\"ab\"¶) C(¶)] \"x\"¶";
} // namespace

TEST(edit_position, marks_are_characters_in_word_order) {
    const Document d = doc(kSmall);
    EXPECT_EQ(storyLength(d), 7);
    std::vector<CharKind> kinds;
    Pos p = storyStart(d);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(toOffset(d, p), i);
        EXPECT_EQ(fromOffset(d, i), p) << i;
        kinds.push_back(charAfter(d, p));
        const Pos next = nextChar(d, p);
        if (i < 6) {
            EXPECT_EQ(prevChar(d, next), p) << i;
        }
        p = next;
    }
    EXPECT_EQ(kinds, (std::vector<CharKind>{CharKind::Text, CharKind::Text, CharKind::CellMark, CharKind::CellMark,
                                            CharKind::RowMark, CharKind::Text, CharKind::ParagraphMark}));
    EXPECT_EQ(nextChar(d, storyEnd(d)), storyEnd(d)); // the final mark cannot be passed
    EXPECT_EQ(prevChar(d, storyStart(d)), storyStart(d));
    EXPECT_EQ(toOffset(d, storyEnd(d)), 6);
}

TEST(edit_position, range_text_uses_words_mark_characters) {
    const Document d = doc(kSmall);
    EXPECT_EQ(textOf(d, extentOf(d, storyStart(d), storyEnd(d))), QStringLiteral("ab\r\a\r\a\r\ax"));
}

TEST(edit_position, offsets_beyond_the_story_are_clamped) {
    const Document d = doc(kSmall);
    EXPECT_EQ(fromOffset(d, 500), storyEnd(d));
    EXPECT_EQ(fromOffset(d, -3), storyStart(d));
}

TEST(edit_position, stale_positions_are_made_valid) {
    const Document d = doc(kSmall);
    Pos stale{{Step{0, 5, 9}, Step{3}}, 40};
    EXPECT_FALSE(isValid(d, stale));
    const Pos fixed = sanitized(d, stale);
    EXPECT_TRUE(isValid(d, fixed));
    EXPECT_TRUE(isValid(d, sanitized(d, Pos{{Step{7}}, 2})));
    EXPECT_TRUE(isValid(d, sanitized(d, Pos{})));
}

TEST(edit_position, range_inside_a_cell_is_text) {
    const Document d = doc(kSmall);
    const Extent e = extentOf(d, fromOffset(d, 0), fromOffset(d, 2));
    EXPECT_FALSE(e.cells);
    EXPECT_EQ(textOf(d, e), QStringLiteral("ab"));
}

TEST(edit_position, covering_an_end_of_cell_mark_selects_the_cell) {
    const Document d = doc(kSmall);
    const Extent e = extentOf(d, fromOffset(d, 1), fromOffset(d, 3));
    ASSERT_TRUE(e.cells);
    EXPECT_EQ(e.cells->cells(d).size(), 1u);
    EXPECT_FALSE(e.cells->wholeRows);
    EXPECT_EQ(toOffset(d, e.start), 0); // the whole cell, from its start
    EXPECT_EQ(toOffset(d, e.end), 3);
}

TEST(edit_position, reaching_into_the_next_cell_selects_both_and_the_row_mark_selects_the_row) {
    const Document d = doc(kSmall);
    Extent e = extentOf(d, fromOffset(d, 1), fromOffset(d, 4));
    ASSERT_TRUE(e.cells);
    EXPECT_EQ(e.cells->cells(d).size(), 2u);
    EXPECT_FALSE(e.cells->wholeRows);
    e = extentOf(d, fromOffset(d, 0), fromOffset(d, 5));
    ASSERT_TRUE(e.cells);
    EXPECT_TRUE(e.cells->wholeRows);
}

TEST(edit_position, from_a_table_into_the_text_after_takes_whole_rows) {
    const Document d = doc("T[R C(\"ab\"¶) C(¶) R C(\"c\"¶) C(¶)] \"xyz\"¶");
    // From "c" (row 2) to "y": row 2 whole, then text.
    const Extent e = extentOf(d, fromOffset(d, 5), fromOffset(d, 11));
    EXPECT_FALSE(e.cells);
    EXPECT_EQ(toOffset(d, e.start), 5);
    EXPECT_EQ(textOf(d, e), QStringLiteral("c\r\a\r\a\r\axy"));
}

TEST(edit_position, cell_blocks_over_rows_follow_grid_columns) {
    const Document d = doc("T[R C(\"a\"¶) C(\"b\"¶) C(\"c\"¶) R C{span=2}(\"d\"¶) C(\"e\"¶)] ¶");
    // From "b" (row 1, grid column 2) down to "d" (row 2, grid columns 1–2).
    const Extent e = extentOf(d, fromOffset(d, 2), fromOffset(d, 8));
    ASSERT_TRUE(e.cells);
    EXPECT_EQ(e.cells->firstColumn, 0);
    EXPECT_EQ(e.cells->lastColumn, 1);
    const std::vector<CellRef> cells = e.cells->cells(d);
    ASSERT_EQ(cells.size(), 3u); // a, b and the spanning d
    EXPECT_EQ(cells[2].row, 1);
    EXPECT_EQ(cells[2].cell, 0);
}

TEST(edit_position, paragraphs_of_an_extent_are_visited_in_order) {
    const Document d = doc("\"one\"¶ \"two\"¶ \"three\"¶");
    std::vector<std::tuple<int, int, bool>> seen;
    forEachParagraph(d, extentOf(d, fromOffset(d, 1), fromOffset(d, 10)), [&](const ParagraphPiece& p) {
        seen.emplace_back(p.from, p.to, p.mark);
    });
    EXPECT_EQ(seen, (std::vector<std::tuple<int, int, bool>>{{1, 3, true}, {0, 3, true}, {0, 2, false}}));
}
