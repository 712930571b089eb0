// Bad input through the generator's calls: tabs and control characters, very long texts,
// right-to-left and CJK scripts, hundreds of skills, odd line ends. Nothing may crash or
// fail, and what was typed must be in the model.
#include "resume_calls.h"

#include "engine/automation/application.h"
#include "engine/model/dump.h"

#include <gtest/gtest.h>

#include "print_qstring.h"

using namespace resume_calls;
using engine::model::Paragraph;
using engine::model::Table;

namespace {

class BadInput : public ::testing::Test {
protected:
    static void SetUpTestSuite() { engine::registerWordApplication(); }
    const Table& build(const ResumeData& r) {
        built_ = buildResume(r);
        EXPECT_TRUE(built_.errors.isEmpty()) << built_.errors.join(QStringLiteral("; ")).toStdString();
        return std::get<Table>(engine::modelOf(built_.document.ptr())->body.at(0));
    }
    static QString cellText(const Table& t, int row, int cell) {
        QStringList paras;
        for (const auto& b : t.rows[row].cells[cell].blocks) paras << std::get<Paragraph>(b).text();
        return paras.join(QLatin1Char('\n'));
    }
    Built built_;
};

} // namespace

TEST_F(BadInput, tabs_and_control_characters_are_kept_in_the_model) {
    ResumeData r = sample(1, 1);
    r.name = QStringLiteral("A\tB") + QChar(0x01) + QChar(0x1B) + QChar(0x7F) + QStringLiteral("C");
    r.work[0].title = QStringLiteral("x") + QChar(0x0B) + QStringLiteral("y"); // a line break
    const Table& t = build(r);
    EXPECT_TRUE(cellText(t, 0, 0).startsWith(r.name + QLatin1Char('\n')));
    EXPECT_EQ(cellText(t, 4, 1), r.work[0].title);
}

TEST_F(BadInput, ten_thousand_character_fields_are_typed_whole) {
    ResumeData r = sample(2, 2);
    const QString big(10000, QLatin1Char('w'));
    r.name = r.work[1].company = r.skills[1].skill = r.degree = big;
    const Table& t = build(r);
    EXPECT_EQ(cellText(t, 0, 0).section(QLatin1Char('\n'), 0, 0), big);
    EXPECT_TRUE(cellText(t, 7, 1).startsWith(big + QStringLiteral(", City 2")));
    EXPECT_EQ(cellText(t, 9, 1), big);
    EXPECT_NE(cellText(t, 2, 1).indexOf(big), -1);
}

TEST_F(BadInput, right_to_left_and_cjk_text) {
    ResumeData r = sample(1, 1);
    r.name = QStringLiteral("مريم الأحمد");
    r.work[0].company = QStringLiteral("株式会社テスト");
    r.skills[0].abilities = QStringLiteral("עברית\r\n漢字 😀");
    const Table& t = build(r);
    EXPECT_TRUE(cellText(t, 0, 0).startsWith(r.name));
    EXPECT_TRUE(cellText(t, 5, 1).startsWith(r.work[0].company + QStringLiteral(", ")));
    EXPECT_EQ(cellText(t, 2, 1), QStringLiteral("Skill 1\nעברית\n漢字 😀"));
}

TEST_F(BadInput, three_hundred_skills_each_get_their_bulleted_lines) {
    const ResumeData r = sample(1, 300);
    const Table& t = build(r);
    const auto& blocks = t.rows[2].cells[1].blocks;
    ASSERT_EQ(blocks.size(), 300u * 4);
    int bulleted = 0;
    for (const auto& b : blocks) bulleted += std::get<Paragraph>(b).format.list.has_value();
    EXPECT_EQ(bulleted, 300 * 3);
    EXPECT_EQ(std::get<Paragraph>(blocks[4 * 299]).text(), QStringLiteral("Skill 300"));
    EXPECT_EQ(t.rows.size(), 9u);
}

TEST_F(BadInput, odd_line_ends_in_abilities_start_paragraphs_without_breaking_the_table) {
    ResumeData r = sample(0, 2);
    r.skills[0].abilities = QStringLiteral("a\rb\nc\r\n"); // lone CR, lone LF, trailing CR LF
    r.skills[1].abilities = QStringLiteral("\r\n\r\n");
    const Table& t = build(r);
    EXPECT_EQ(cellText(t, 2, 1), QStringLiteral("Skill 1\na\nb\nc\n\nSkill 2\n\n\n"));
    EXPECT_EQ(t.rows.size(), 8u);
    EXPECT_EQ(engine::model::dump(t.rows[3], {.formats = false}), QStringLiteral("R C(\"WORK HISTORY\"¶)"));
}
