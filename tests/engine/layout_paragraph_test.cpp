// Paragraphs broken into lines: heights by line spacing, spacing after, wrapping, indents,
// list labels, tab stops, alignment and the caret.
#include "layout_support.h"

using namespace layout_test;

namespace {
const ParagraphBox& only(const DocumentLayout& l) { return paragraphBox(l, 0); }
QString words(int n) {
    QStringList w;
    for (int i = 0; i < n; ++i) w << QStringLiteral("word%1").arg(i);
    return w.join(QLatin1Char(' '));
}
} // namespace

TEST(layout_paragraph, line_height_follows_the_spacing_rule) {
    // 8 pt Tahoma is 160 twips; 259/240 gives 108 % (172), 1.5 lines 240, exactly 300 is 300.
    const std::pair<const char*, int> cases[] = {
        {"line=240 after=0", 160}, {"line=259 after=0", 172}, {"line=360 after=0", 240},
        {"line=480 after=0", 320}, {"line==300 after=0", 300}, {"line>=100 after=0", 160},
        {"line>=400 after=0", 400}};
    for (const auto& [fmt, height] : cases) {
        Document d = doc(tahoma(QStringLiteral("Alex"), QString::fromLatin1(fmt)));
        DocumentLayout l(d);
        EXPECT_EQ(only(l).lines.at(0).height, height) << fmt;
        EXPECT_EQ(only(l).height(), height) << fmt;
    }
}

TEST(layout_paragraph, at_least_and_exact_spacing_put_the_extra_above_the_text) {
    Document d = doc(tahoma(QStringLiteral("Alex"), QStringLiteral("line>=400 after=0")));
    DocumentLayout l(d);
    EXPECT_EQ(only(l).lines[0].baseline, 400 - 33);
}

TEST(layout_paragraph, new_documents_space_paragraphs_by_the_normal_style) {
    // Calibri 11 (Carlito) is 269 twips; Normal adds 8 % of it and 8 pt after.
    Document d = doc(QStringLiteral("\"one\"¶ \"two\"¶"));
    DocumentLayout l(d);
    EXPECT_EQ(only(l).lines[0].height, 269 + 269 * 8 / 100);
    EXPECT_EQ(only(l).spaceAfter, 160);
    EXPECT_EQ(only(l).height(), 290 + 160);
}

TEST(layout_paragraph, an_empty_paragraph_is_as_high_as_its_mark) {
    Document d = doc(QStringLiteral("P{line=240 after=0}¶<font=Tahoma sz=16>"));
    DocumentLayout l(d);
    EXPECT_EQ(only(l).lines.size(), 1u);
    EXPECT_EQ(only(l).lines[0].height, 320);
}

TEST(layout_paragraph, the_tallest_font_on_a_line_sets_its_height) {
    Document d = doc(QStringLiteral("P{line=240 after=0}<font=Tahoma sz=8>\"small \"<font=Tahoma sz=16>\"big\"¶"));
    DocumentLayout l(d);
    EXPECT_EQ(only(l).lines[0].height, 320);
    EXPECT_EQ(only(l).lines[0].baseline, 254);
}

TEST(layout_paragraph, long_text_wraps_within_the_text_width) {
    Document d = doc(tahoma(words(150), QStringLiteral("line=240 after=0")));
    DocumentLayout l(d);
    const ParagraphBox& p = only(l);
    ASSERT_GT(p.lines.size(), 3u);
    int covered = 0;
    for (size_t i = 0; i < p.lines.size(); ++i) {
        EXPECT_LE(p.lines[i].x + p.lines[i].width, d.page.textWidth() + 0.5);
        EXPECT_EQ(p.lines[i].start, covered);
        EXPECT_EQ(p.lines[i].top, int(i) * 160);
        covered += p.lines[i].length;
        // Lines break after a space, never inside a word.
        if (i + 1 < p.lines.size()) {
            EXPECT_EQ(p.text->text().at(covered - 1), QLatin1Char(' '));
        }
    }
    EXPECT_EQ(covered, p.textLength);
    // Half the width takes about twice the lines.
    d.page.marginRight += d.page.textWidth() / 2;
    DocumentLayout narrow(d);
    EXPECT_GE(only(narrow).lines.size(), 2 * p.lines.size() - 1);
}

TEST(layout_paragraph, a_word_longer_than_the_line_is_broken_anywhere) {
    Document d = doc(tahoma(QString(400, QLatin1Char('m')), QStringLiteral("after=0")));
    DocumentLayout l(d);
    EXPECT_GT(only(l).lines.size(), 1u);
    EXPECT_LE(only(l).lines[0].width, d.page.textWidth() + 0.5);
}

TEST(layout_paragraph, manual_line_breaks_start_new_lines) {
    Document d = doc(tahoma(QStringLiteral("one\\vtwo\\vthree"), QStringLiteral("line=240 after=0")));
    DocumentLayout l(d);
    ASSERT_EQ(only(l).lines.size(), 3u);
    EXPECT_EQ(only(l).lines[1].start, 4);
    EXPECT_EQ(only(l).lines[2].start, 8);
}

TEST(layout_paragraph, left_and_hanging_indents_place_first_and_other_lines) {
    Document d = doc(tahoma(words(120), QStringLiteral("left=1440 first=-720 after=0")));
    DocumentLayout l(d);
    const ParagraphBox& p = only(l);
    ASSERT_GT(p.lines.size(), 1u);
    EXPECT_NEAR(p.lines[0].x, 720, 0.01);
    EXPECT_NEAR(p.lines[1].x, 1440, 0.01);
    EXPECT_LE(p.lines[1].x + p.lines[1].width, d.page.textWidth() + 0.5);
}

TEST(layout_paragraph, a_bullet_stands_at_its_number_position_and_the_text_at_its_text_position) {
    Document d = doc(QStringLiteral("¶"));
    const int list = addBulletList(d);
    Document d2 = doc(tahoma(QStringLiteral("3 courses ") + words(100), QStringLiteral("list=%1:1 line=360").arg(list)));
    addBulletList(d2);
    DocumentLayout l(d2);
    const ParagraphBox& p = only(l);
    ASSERT_TRUE(p.label);
    EXPECT_EQ(p.label->text, QString(QChar(0xF0A7)));
    EXPECT_NEAR(p.label->x, 360, 0.01);
    EXPECT_NEAR(p.lines[0].x, 720, 0.01);
    ASSERT_GT(p.lines.size(), 1u);
    EXPECT_NEAR(p.lines[1].x, 720, 0.01); // wrapped lines align with the text, not the bullet
    // The Wingdings bullet is taller than Tahoma: the first line grows, later lines do not.
    EXPECT_EQ(p.lines[0].height, 177 + 177 / 2);
    EXPECT_EQ(p.lines[1].height, 240);
}

TEST(layout_paragraph, default_tab_stops_are_every_half_inch) {
    Document d = doc(tahoma(QStringLiteral("a\\tb\\tc"), QStringLiteral("after=0")));
    DocumentLayout l(d);
    const ParagraphBox& p = only(l);
    EXPECT_NEAR(p.caretX(2), 720, 0.5);
    EXPECT_NEAR(p.caretX(4), 1440, 0.5);
}

TEST(layout_paragraph, right_alignment_puts_the_text_against_the_right_edge) {
    Document d = doc(tahoma(QStringLiteral("August 2005 - Present"), QStringLiteral("al=r after=0")));
    DocumentLayout l(d);
    const LineBox& line = only(l).lines[0];
    EXPECT_NEAR(line.x + line.width, d.page.textWidth(), 10); // within half a point
    EXPECT_GT(line.x, d.page.textWidth() / 2);
}

TEST(layout_paragraph, bold_text_is_wider_than_regular) {
    Document a = doc(QStringLiteral("<font=Tahoma sz=8>\"Software Engineer\"¶"));
    Document b = doc(QStringLiteral("<font=Tahoma sz=8 b>\"Software Engineer\"¶"));
    DocumentLayout la(a), lb(b);
    EXPECT_GT(only(lb).lines[0].width, only(la).lines[0].width * 1.05);
}

TEST(layout_paragraph, caret_places_and_offsets_agree) {
    Document d = doc(tahoma(words(60), QStringLiteral("after=0")));
    DocumentLayout l(d);
    const ParagraphBox& p = only(l);
    for (int line = 0; line < int(p.lines.size()); ++line) {
        const LineBox& lb = p.lines[line];
        for (int k = lb.start; k < lb.end() - 1; k += 7) {
            EXPECT_EQ(p.lineOf(k), line);
            EXPECT_EQ(p.offsetAt(line, p.caretX(k)), k);
        }
    }
    // Far right of a wrapped line is its last character, not the next line's first.
    EXPECT_LT(p.offsetAt(0, 1e6), p.lines[0].end());
    EXPECT_EQ(p.offsetAt(int(p.lines.size()) - 1, 1e6), p.textLength);
}
