// Typing, new paragraphs and deleting, with the formats Word gives typed text.
#include "edit_support.h"

using namespace edit_test;

TEST(edit_typing, line_ends_start_paragraphs_and_vertical_tab_breaks_the_line) {
    Document d = doc("¶");
    Selection s(d);
    s.typeText(QStringLiteral("a\r\nb\rc\nd\ve\tf\r\n"));
    EXPECT_EQ(text(d), QStringLiteral("\"a\"¶ \"b\"¶ \"c\"¶ \"d\\ve\\tf\"¶ ¶"));
    EXPECT_EQ(startOf(s), toOffset(d, storyEnd(d)));
}

TEST(edit_typing, control_characters_are_kept) {
    Document d = doc("¶");
    Selection s(d);
    s.typeText(QStringLiteral("x") + QChar(0x01) + QChar(0x1F) + QStringLiteral("y"));
    EXPECT_EQ(para(d, 0).text().size(), 4);
}

TEST(edit_typing, typing_replaces_a_selection_in_its_first_characters_format) {
    Document d = doc("\"ab\"<b>\"cd\"\"ef\"¶");
    Selection s(d);
    place(s, 2, 5);
    s.typeText(QStringLiteral("X"));
    EXPECT_EQ(full(d), QStringLiteral("\"ab\"<b>\"X\"\"f\"¶"));
}

TEST(edit_typing, empty_paragraph_types_in_its_mark_format_else_the_preceding_character) {
    Document d = doc("¶<font=Tahoma sz=8> <i>\"ab\"\"cd\"¶");
    Selection s(d);
    s.typeText(QStringLiteral("x"));
    place(s, 4); // after "ab"
    s.typeText(QStringLiteral("y"));
    place(s, 2); // start of "abcd": the first character's format
    s.typeText(QStringLiteral("z"));
    EXPECT_EQ(full(d), QStringLiteral("<font=Tahoma sz=8>\"x\"¶<font=Tahoma sz=8> <i>\"zaby\"\"cd\"¶"));
}

TEST(edit_typing, pending_format_stays_across_new_paragraphs_and_drops_on_a_move) {
    Document d = doc("\"ab\"¶");
    Selection s(d);
    place(s, 2);
    CharFormat bold;
    bold.bold = true;
    s.applyFont(bold);
    EXPECT_EQ(full(d), QStringLiteral("\"ab\"¶")); // nothing formatted yet
    s.typeText(QStringLiteral("c"));
    s.typeParagraph();
    s.typeText(QStringLiteral("d"));
    EXPECT_EQ(full(d), QStringLiteral("\"ab\"<b>\"c\"¶ <b>\"d\"¶<b>"));
    CharFormat italic;
    italic.italic = true;
    s.applyFont(italic);
    s.moveLeft(Unit::Character, 1);
    s.moveRight(Unit::Character, 1);
    s.typeText(QStringLiteral("e"));
    EXPECT_EQ(full(d), QStringLiteral("\"ab\"<b>\"c\"¶ <b>\"de\"¶<b>"));
}

TEST(edit_typing, toggled_off_format_leaves_no_explicit_off) {
    Document d = doc("<b>\"ab\"¶");
    Selection s(d);
    place(s, 2);
    CharFormat notBold;
    notBold.bold = false;
    s.applyFont(notBold);
    s.typeText(QStringLiteral("c"));
    EXPECT_EQ(full(d), QStringLiteral("<b>\"ab\"\"c\"¶"));
}

TEST(edit_typing, new_paragraph_inherits_paragraph_and_list_format) {
    Document d = doc("P{al=r line=360 list=1:2}\"ab\"¶");
    d.listTemplates.push_back(ListTemplate::make(QStringLiteral("l"), true));
    d.addList(0);
    Selection s(d);
    place(s, 1);
    s.typeParagraph();
    EXPECT_EQ(full(d), QStringLiteral("P{al=r line=360 list=1:2}\"a\"¶ P{al=r line=360 list=1:2}\"b\"¶"));
    EXPECT_EQ(startOf(s), 2);
}

TEST(edit_typing, delete_removes_characters_and_joins_paragraphs_keeping_the_first_format) {
    Document d = doc("P{al=c}\"ab\"¶ P{al=r}\"cd\"¶<i>");
    Selection s(d);
    place(s, 1);
    EXPECT_EQ(s.deleteForward(Unit::Character, 2), 2);
    EXPECT_EQ(full(d), QStringLiteral("P{al=c}\"acd\"¶<i>"));
}

TEST(edit_typing, delete_stops_at_table_marks_and_the_final_mark) {
    Document d = doc("T[R C(\"a\"¶) C(¶)] \"x\"¶");
    Selection s(d);
    place(s, 1);
    EXPECT_EQ(s.deleteForward(Unit::Character, 3), 0);
    place(s, 4);
    EXPECT_EQ(s.deleteForward(Unit::Character, 5), 1);
    EXPECT_EQ(text(d), QStringLiteral("T[R C(\"a\"¶) C(¶)] ¶"));
    EXPECT_EQ(s.deleteForward(Unit::Character, 1), 0);
}

TEST(edit_typing, paragraph_mark_before_a_table_is_not_deleted) {
    Document d = doc("\"a\"¶ T[R C(¶)] ¶");
    Selection s(d);
    place(s, 1);
    EXPECT_EQ(s.deleteForward(), 0);
    EXPECT_EQ(text(d), QStringLiteral("\"a\"¶ T[R C(¶)] ¶"));
}

TEST(edit_typing, deleting_across_paragraphs_and_whole_rows) {
    Document d = doc("\"ab\"¶ T[R C(\"c\"¶) R C(\"d\"¶)] \"ef\"¶");
    Selection s(d);
    place(s, 1, 10); // from "b" into "ef": rows taken whole, table removed
    s.deleteForward();
    EXPECT_EQ(text(d), QStringLiteral("\"af\"¶"));
}

TEST(edit_typing, typing_at_a_row_end_goes_into_the_last_cell) {
    Document d = doc("T[R C(¶) C(\"a\"¶)] ¶");
    Selection s(d);
    place(s, 3); // before the end-of-row mark
    ASSERT_TRUE(s.active().atRowEnd());
    s.typeText(QStringLiteral("b"));
    EXPECT_EQ(text(d), QStringLiteral("T[R C(¶) C(\"ab\"¶)] ¶"));
}

TEST(edit_typing, edits_tell_observers_which_top_level_block_changed) {
    struct Log : DocumentObserver {
        std::vector<BlockChange> seen;
        void blocksChanged(const BlockChange& c) override { seen.push_back(c); }
    } log;
    Document d = doc("\"a\"¶ T[R C(¶)] \"b\"¶");
    d.addObserver(&log);
    Selection s(d);
    place(s, 2); // in the cell
    s.typeText(QStringLiteral("x"));
    place(s, 5); // in "b"
    s.typeParagraph();
    d.removeObserver(&log);
    ASSERT_EQ(log.seen.size(), 2u);
    EXPECT_EQ(log.seen[0], (BlockChange{1, 1, 1}));
    EXPECT_EQ(log.seen[1], (BlockChange{2, 1, 2}));
}
