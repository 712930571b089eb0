// Character and paragraph formats through the selection, and lists.
#include "edit_support.h"

#include "engine/edit/error.h"
#include "engine/edit/lists.h"

using namespace edit_test;

namespace {
CharFormat cf(const char* tokens) { return parseCharFormat(QString::fromUtf8(tokens)); }
} // namespace

TEST(edit_format, font_on_a_selection_formats_text_and_the_marks_it_covers) {
    Document d = doc("\"abc\"¶ \"de\"¶");
    Selection s(d);
    place(s, 1, 5);
    s.applyFont(cf("b"));
    EXPECT_EQ(full(d), QStringLiteral("\"a\"<b>\"bc\"¶<b> <b>\"d\"\"e\"¶"));
    EXPECT_FALSE(s.pendingFormat());
}

TEST(edit_format, font_reads_the_common_value_and_leaves_mixed_ones_unset) {
    Document d = doc("<font=Tahoma b>\"ab\"<font=Tahoma>\"cd\"¶");
    Selection s(d);
    place(s, 0, 4);
    const CharFormat f = s.font();
    EXPECT_EQ(f.fontName, QStringLiteral("Tahoma"));
    EXPECT_EQ(f.halfPoints, 22); // from the document defaults
    EXPECT_FALSE(f.bold.has_value());
    EXPECT_EQ(f.italic, false); // set nowhere: off, not mixed
    place(s, 0, 2);
    EXPECT_EQ(s.font().bold, true);
}

TEST(edit_format, font_of_an_insertion_point_includes_the_pending_format) {
    Document d = doc("<b>\"ab\"¶");
    Selection s(d);
    place(s, 2);
    EXPECT_EQ(s.font().bold, true);
    s.applyFont(cf("-b"));
    EXPECT_EQ(s.font().bold, false);
    s.moveLeft(Unit::Character, 1);
    EXPECT_EQ(s.font().bold, true); // the pending format went with the move
}

TEST(edit_format, font_of_a_selected_empty_cell_is_its_mark) {
    Document d = doc("T[R C(¶<font=Tahoma sz=8>) C(¶)] ¶");
    Selection s(d);
    s.moveRight(Unit::Character, 1, true);
    EXPECT_EQ(s.font().fontName, QStringLiteral("Tahoma"));
    EXPECT_EQ(s.font().halfPoints, 16);
}

TEST(edit_format, paragraph_format_applies_to_every_touched_paragraph) {
    Document d = doc("\"a\"¶ \"b\"¶ \"c\"¶");
    Selection s(d);
    place(s, 1, 3); // from the end of "a" into "b"
    ParaFormat right;
    right.alignment = Alignment::Right;
    s.applyParagraphFormat(right);
    EXPECT_EQ(text(d), QStringLiteral("\"a\"¶ \"b\"¶ \"c\"¶"));
    EXPECT_EQ(full(d), QStringLiteral("P{al=r}\"a\"¶ P{al=r}\"b\"¶ \"c\"¶"));
    place(s, 0, 5);
    EXPECT_FALSE(s.paragraphFormat().alignment.has_value());
    EXPECT_EQ(s.paragraphFormat().spaceAfter, 160);
}

TEST(edit_format, list_template_puts_paragraphs_in_a_new_list_at_level_one) {
    Document d = doc("\"a\"¶ \"b\"¶ \"c\"¶");
    d.listTemplates.push_back(ListTemplate::make(QStringLiteral("my list"), true));
    applyListTemplate(d, extentOf(d, fromOffset(d, 0), fromOffset(d, 3)), 0, false);
    applyListTemplate(d, extentOf(d, fromOffset(d, 4), fromOffset(d, 4)), 0, false);
    EXPECT_EQ(full(d), QStringLiteral("P{list=1:1}\"a\"¶ P{list=1:1}\"b\"¶ P{list=2:1}\"c\"¶"));
    applyListTemplate(d, extentOf(d, fromOffset(d, 0), fromOffset(d, 0)), 0, true);
    applyListTemplate(d, extentOf(d, fromOffset(d, 4), fromOffset(d, 4)), 0, true);
    EXPECT_EQ(full(d), QStringLiteral("P{list=3:1}\"a\"¶ P{list=1:1}\"b\"¶ P{list=1:1}\"c\"¶"));
    EXPECT_THROW(applyListTemplate(d, extentOf(d, storyStart(d), storyStart(d)), 4, false), EditError);
}

TEST(edit_format, remove_numbers_and_outdent) {
    Document d = doc("P{list=1:2}\"a\"¶ P{list=1:1}\"b\"¶ P{left=1000}\"c\"¶ P{left=720}\"d\"¶");
    d.listTemplates.push_back(ListTemplate::make(QStringLiteral("l"), true));
    d.addList(0);
    const Extent all = extentOf(d, storyStart(d), storyEnd(d));
    outdent(d, all);
    EXPECT_EQ(full(d), QStringLiteral("P{list=1:1}\"a\"¶ P{list=1:1}\"b\"¶ P{left=720}\"c\"¶ P{left=0}\"d\"¶"));
    removeNumbers(d, extentOf(d, storyStart(d), fromOffset(d, 3)));
    EXPECT_EQ(full(d), QStringLiteral("\"a\"¶ \"b\"¶ P{left=720}\"c\"¶ P{left=0}\"d\"¶"));
    outdent(d, extentOf(d, storyStart(d), storyStart(d))); // nothing to outdent
    EXPECT_EQ(full(d).left(8), QStringLiteral("\"a\"¶ \"b\""));
    indent(d, all);
    EXPECT_EQ(full(d), QStringLiteral("P{left=720}\"a\"¶ P{left=720}\"b\"¶ P{left=1440}\"c\"¶ P{left=720}\"d\"¶"));
}

TEST(edit_format, remove_numbers_overrides_a_numbered_style) {
    Document d = doc("P{style=Listed}\"a\"¶");
    d.listTemplates.push_back(ListTemplate::make(QStringLiteral("l"), false));
    Style listed;
    listed.name = QStringLiteral("Listed");
    listed.paragraph.list = ListMembership{d.addList(0), 0};
    d.styles.push_back(listed);
    removeNumbers(d, extentOf(d, storyStart(d), storyStart(d)));
    EXPECT_EQ(full(d), QStringLiteral("P{list=0 style=Listed}\"a\"¶"));
    EXPECT_EQ(d.listLevel(d.effectiveParaFormat(para(d, 0))), nullptr);
}

TEST(edit_format, font_on_an_insertion_point_formats_the_mark_only_of_an_empty_paragraph) {
    Document d = doc("¶ \"ab\"¶");
    Selection s(d);
    place(s, 0);
    s.applyFont(cf("font=Tahoma sz=8"));
    s.typeText(QStringLiteral("x"));
    // The empty paragraph's mark took the font, so its line is measured in it; the mark of
    // a paragraph with text keeps its own format.
    place(s, 4);
    s.applyFont(cf("b"));
    EXPECT_EQ(full(d), QStringLiteral("<font=Tahoma sz=8>\"x\"¶<font=Tahoma sz=8> \"ab\"¶"));
    EXPECT_EQ(s.font().bold, true);
}
