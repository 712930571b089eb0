// The résumé row table built by replaying the generator's exact calls on the registered
// engine, for 0, 1, 2 and 5 work entries and 0, 1, 2 skills, compared row by row with the
// intended layout: header lines Tahoma 8 in a merged first row; headings in merged rows,
// vertically centred; the skills cell with bold skills flush left and bulleted abilities;
// job title bold on the left, dates right-aligned; company italic, then ", city" upright.
#include "resume_calls.h"

#include "engine/automation/application.h"
#include "engine/automation/services.h"
#include "engine/model/dump.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "print_qstring.h"

using namespace resume_calls;
using engine::model::Document;
using engine::model::Table;

namespace {

const QString T8 = QStringLiteral("font=Tahoma sz=8");

QString q(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }
QString run(const QString& fmt, const QString& text) { return QLatin1Char('<') + fmt + QLatin1Char('>') + q(text); }
QString height(bool twenty) { return twenty ? QStringLiteral("R{h>=400}") : QStringLiteral("R"); }
const QString kFirstCell = QStringLiteral(" C{w=600}(¶)");

QString headerRow(const ResumeData& r) {
    const QStringList lines = {r.name, r.street + QStringLiteral(", ") + r.city + QLatin1Char(' ') + r.zip, r.phone, r.email};
    QStringList paras;
    for (const QString& l : lines) paras << (l.isEmpty() ? QString() : run(T8, l)) + QStringLiteral("¶<") + T8 + QLatin1Char('>');
    return QStringLiteral("R{h>=1000} C{span=3 w=8600}(") + paras.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QString headingRow(const QString& text, bool twenty) {
    return height(twenty) + QStringLiteral(" C{span=3 w=8600 va=c}(") + run(T8, text) + QStringLiteral("¶<") + T8 + QStringLiteral(">)");
}

// Skills flush left and bold; every ability line a level-1 paragraph of its own list.
QString skillsRow(const ResumeData& r) {
    QStringList paras;
    for (size_t i = 0; i < r.skills.size(); ++i) {
        // The first skill's mark took the bold toggle in its empty paragraph; later ones were
        // split off after the bold skill text.
        const QString mark = T8 + QStringLiteral(" b");
        paras << QStringLiteral("P{line=360}") + run(T8 + QStringLiteral(" b"), r.skills[i].skill) + QStringLiteral("¶<") + mark + QLatin1Char('>');
        for (const QString& line : r.skills[i].abilities.split(QStringLiteral("\r\n")))
            paras << QStringLiteral("P{line=360 list=%1:1}").arg(i + 1) + run(T8, line) + QStringLiteral("¶<") + T8 + QLatin1Char('>');
    }
    if (paras.isEmpty()) paras << QStringLiteral("P{line=360}¶<") + T8 + QLatin1Char('>');
    return QStringLiteral("R") + kFirstCell + QStringLiteral(" C{span=2 w=8000}(") + paras.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QString titleRow(const QString& title, const QString& dates, bool twenty) {
    // Font and bold were set in the empty cells, so the marks carry them too.
    return height(twenty) + kFirstCell + QStringLiteral(" C{w=4000 va=c}(") + run(T8 + QStringLiteral(" b"), title) +
           QStringLiteral("¶<") + T8 + QStringLiteral(" b>) C{w=4000 va=c}(P{al=r}") + run(T8, dates) + QStringLiteral("¶<") + T8 +
           QStringLiteral(">)");
}

QString placeRow(const QString& place, const QString& city, bool twenty) {
    return height(twenty) + kFirstCell + QStringLiteral(" C{span=2 w=8000 va=c}(P{al=l}") + run(T8 + QStringLiteral(" i"), place) +
           run(T8, QStringLiteral(", ") + city) + QStringLiteral("¶<") + T8 + QStringLiteral(" i> P{al=l}¶<") + T8 + QStringLiteral(">)");
}

// The rows of the résumé as intended.
QStringList intendedRows(const ResumeData& r) {
    const int n = int(r.work.size());
    const auto twenty = [&](int row) { return row == n + 7; };
    QStringList rows{headerRow(r), headingRow(QStringLiteral("SKILLS/ABILITIES"), true), skillsRow(r),
                     headingRow(QStringLiteral("WORK HISTORY"), true)};
    for (int k = 1; k <= n; ++k) {
        const WorkEntry& w = r.work[k - 1];
        rows << titleRow(w.title, w.dates, twenty(3 + 2 * k)) << placeRow(w.company, w.city, twenty(4 + 2 * k));
    }
    rows << headingRow(QStringLiteral("EDUCATION"), twenty(5 + 2 * n) || n == 2)
         << titleRow(r.degree, r.attendance, twenty(6 + 2 * n)) << placeRow(r.school, r.schoolCity, twenty(7 + 2 * n));
    return rows;
}

class ResumeReplay : public ::testing::Test {
protected:
    static void SetUpTestSuite() { engine::registerWordApplication(); }

    const Table& build(const ResumeData& r) {
        built_ = buildResume(r);
        EXPECT_TRUE(built_.errors.isEmpty()) << built_.errors.join(QStringLiteral("; ")).toStdString();
        doc_ = engine::modelOf(built_.document.ptr());
        if (!doc_) throw std::runtime_error("no document");
        return std::get<Table>(doc_->body.at(0));
    }
    QStringList rows(const Table& t) const {
        QStringList out;
        for (const auto& row : t.rows) out << engine::model::dump(row);
        return out;
    }
    Built built_;
    const Document* doc_ = nullptr;
};

} // namespace

TEST_F(ResumeReplay, rows_match_the_intended_layout_for_up_to_two_entries_and_skills) {
    for (int n : {0, 1, 2})
        for (int m : {0, 1, 2}) {
            SCOPED_TRACE(QStringLiteral("n=%1 m=%2").arg(n).arg(m).toStdString());
            const ResumeData r = sample(n, m);
            const Table& t = build(r);
            QStringList expected = intendedRows(r);
            if (n == 0) expected << QStringLiteral("R C{w=600}(¶) C{w=4000}(¶) C{w=4000}(¶)"); // the unused 8th row
            EXPECT_EQ(rows(t), expected);
            EXPECT_EQ(int(t.rows.size()), n <= 1 ? n + 8 : 2 * n + 7);
            EXPECT_EQ(int(doc_->lists.size()), m);
        }
}

TEST_F(ResumeReplay, table_is_three_fixed_columns_in_table_normal_with_all_four_style_flags) {
    const Table& t = build(sample(1, 1));
    EXPECT_EQ(t.grid, (std::vector<int>{600, 4000, 4000}));
    EXPECT_EQ(t.format.style, QStringLiteral("Table Normal"));
    EXPECT_FALSE(t.format.borders.has_value());
    EXPECT_TRUE(t.format.look.headingRows && t.format.look.lastRow && t.format.look.firstColumn && t.format.look.lastColumn);
    ASSERT_EQ(doc_->body.size(), 2u); // the table and the paragraph after it
    // Through late binding as well.
    const ole::Object table = built_.document.get(QStringLiteral("Tables"), {I2(1)});
    EXPECT_EQ(table.get(QStringLiteral("Rows")).value(QStringLiteral("Count")).toInt(), 9);
    EXPECT_EQ(table.value(QStringLiteral("Style")).toString(), QStringLiteral("Table Normal"));
    EXPECT_EQ(table.get(QStringLiteral("Rows"), {I2(8)}).value(QStringLiteral("Height")).toDouble(), 20.0);
    EXPECT_EQ(table.get(QStringLiteral("Rows"), {I2(8)}).value(QStringLiteral("HeightRule")).toInt(), 1);
}

TEST_F(ResumeReplay, my_list_level_one_is_a_wingdings_bullet_at_a_quarter_inch_with_text_at_half) {
    build(sample(0, 1));
    ASSERT_EQ(doc_->listTemplates.size(), 1u);
    const auto& tmpl = doc_->listTemplates[0];
    EXPECT_EQ(tmpl.name, QStringLiteral("my list"));
    EXPECT_TRUE(tmpl.outlineNumbered);
    const auto& l = tmpl.levels[0];
    EXPECT_EQ(l.numberFormat, QString(QChar(0xF0A7)));
    EXPECT_EQ(l.numberStyle, engine::model::NumberStyle::Bullet);
    EXPECT_EQ(l.trailing, engine::model::TrailingCharacter::Tab);
    EXPECT_EQ(l.numberPosition, 360);
    EXPECT_EQ(l.textPosition, 720);
    EXPECT_EQ(l.tabPosition, 720);
    EXPECT_EQ(l.resetOnHigher, 0);
    EXPECT_EQ(l.startAt, 1);
    EXPECT_EQ(l.linkedStyle, QString());
    EXPECT_EQ(engine::model::dump(l.font), QStringLiteral("font=Wingdings")); // all else undefined
    // Every ability paragraph points at level 1 of a list over this template.
    const auto& list = doc_->lists.at(0);
    EXPECT_EQ(list.templateIndex, 0);
}

TEST_F(ResumeReplay, second_skill_with_empty_abilities_moves_up_by_minus_one_and_nothing_breaks) {
    ResumeData r = sample(0, 2);
    r.skills[1].abilities.clear();
    const Table& t = build(r);
    EXPECT_EQ(engine::model::dump(t.rows[2], {.formats = false}),
              QStringLiteral("R C(¶) C(\"Skill 1\"¶ \"Ability 1a\"¶ \"Ability 1b\"¶ \"Ability 1c\"¶ \"Skill 2\"¶ ¶)"));
    // The empty abilities paragraph is bulleted; the skill above it is not.
    const auto& blocks = t.rows[2].cells[1].blocks;
    EXPECT_FALSE(std::get<engine::model::Paragraph>(blocks[4]).format.list.has_value());
    EXPECT_TRUE(std::get<engine::model::Paragraph>(blocks[5]).format.list.has_value());
}

TEST_F(ResumeReplay, five_entries_fill_a_table_created_with_every_row) {
    // The table is created with the 2n + 7 rows the résumé uses, so no row is appended from
    // the merged education heading or the bold degree row.
    const ResumeData r = sample(5, 1);
    const Table& t = build(r);
    ASSERT_EQ(t.rows.size(), 17u);
    EXPECT_EQ(rows(t), intendedRows(r));
}

TEST_F(ResumeReplay, empty_fields_leave_the_separators) {
    ResumeData r;
    const Table& t = build(r);
    EXPECT_EQ(engine::model::dump(t.rows[0], {.formats = false}), QStringLiteral("R C(¶ \",  \"¶ ¶ ¶)"));
    EXPECT_EQ(engine::model::dump(t.rows[5], {.formats = false}), QStringLiteral("R C(¶) C(¶) C(¶)"));
    EXPECT_EQ(engine::model::dump(t.rows[6], {.formats = false}), QStringLiteral("R C(¶) C(\", \"¶ ¶)"));
    EXPECT_EQ(t.rows.size(), 8u);
}

TEST_F(ResumeReplay, saved_resume_opens_again_with_the_same_table) {
    engine::registerWordApplication();
    if (!engine::automation::services().save || !engine::automation::services().open)
        GTEST_SKIP() << "no Word file reader and writer in this build";
    const ResumeData r = sample(2, 2);
    const Table& built = build(r);
    const QStringList before = rows(built);
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("varlin12345678.doc"));
    built_.document.call(QStringLiteral("SaveAs"), {path});
    built_.document.call(QStringLiteral("Close"));
    const ole::Object opened =
        built_.word.get(QStringLiteral("Documents")).call(QStringLiteral("Open"), {path}).toObject();
    const Document* d = engine::modelOf(opened.ptr());
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(rows(std::get<Table>(d->body.at(0))), before);
    built_.word.call(QStringLiteral("Quit"));
}
