// The résumé the generator builds in the real document engine: the row table for several
// numbers of work entries, with spans, texts, fonts, bold and italic runs, alignment,
// bullets and row heights.

#include "FakeResumeSource.h"
#include "RecordingMessages.h"

#include "engine/automation/application.h"
#include "engine/model/document.h"
#include "wordgen/ResumeGenerator.h"

#include <gtest/gtest.h>

using namespace quillory;
using namespace quillory::testing;
namespace m = engine::model;

namespace {

// Plain text of a cell: its paragraphs joined by "¶".
QString cellText(const m::Cell& c) {
    QStringList paras;
    for (const m::Block& b : c.blocks)
        if (m::isParagraph(b)) paras << std::get<m::Paragraph>(b).text();
    return paras.join(QStringLiteral("¶"));
}

const m::Paragraph& firstParagraph(const m::Cell& c) { return std::get<m::Paragraph>(c.blocks.front()); }

// The runs of a cell's first paragraph as "text:flags" with b = bold, i = italic.
QStringList runStyles(const m::Cell& c) {
    QStringList out;
    for (const m::Run& r : firstParagraph(c).runs)
        out << r.text + QLatin1Char(':') + (r.format.bold.value_or(false) ? "b" : "") +
                   (r.format.italic.value_or(false) ? "i" : "");
    return out;
}

bool allTahoma8(const m::Cell& c) {
    for (const m::Block& b : c.blocks)
        for (const m::Run& r : std::get<m::Paragraph>(b).runs)
            if (r.format.fontName.value_or("") != "Tahoma" || r.format.halfPoints.value_or(0) != 16) return false;
    return true;
}

std::vector<int> spans(const m::Row& r) {
    std::vector<int> out;
    for (const m::Cell& c : r.cells) out.push_back(c.format.gridSpan);
    return out;
}

FakeResumeSource withEntries(int n) {
    FakeResumeSource s = FakeResumeSource::sample();
    s.work.clear();
    for (int k = 1; k <= n; ++k)
        s.work.append({QString("Year %1").arg(k), QString("Company %1").arg(k), QString("City %1").arg(k),
                       QString("Title %1").arg(k)});
    s.skills = {{"Photoshop", "3 courses"}, {"Software QA", "2 years\r\nof experience\r\nin teams"}};
    return s;
}

class GeneratorEngine : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { engine::registerWordApplication(); }
    RecordingMessages messages;
    ScopedMessages scoped{messages};
};

} // namespace

TEST_P(GeneratorEngine, builds_the_row_table) {
    const int n = GetParam();
    const FakeResumeSource s = withEntries(n);
    bool inspected = false;
    GenerateResume(s, [&](GenerationRun& run) {
        inspected = true;
        m::Document* doc = engine::modelOf(run.document.ptr());
        ASSERT_NE(doc, nullptr);
        ASSERT_TRUE(m::isTable(doc->body.front()));
        const m::Table& t = std::get<m::Table>(doc->body.front());
        const int used = 2 * n + 7;
        ASSERT_GE(int(t.rows.size()), used);
        // Only the unused eighth row of an empty work history stays below the résumé.
        EXPECT_EQ(int(t.rows.size()), n == 0 ? 8 : used);
        EXPECT_EQ(t.grid, (std::vector<int>{600, 4000, 4000}));
        const auto row = [&](int number) -> const m::Row& { return t.rows.at(number - 1); };

        EXPECT_EQ(spans(row(1)), std::vector<int>{3});
        EXPECT_EQ(cellText(row(1).cells[0]), "Alex Morrow¶42 Juniper Lane, Cedarbrook NH 04417¶555-010-4477¶alex.morrow@example.com");
        EXPECT_TRUE(allTahoma8(row(1).cells[0]));
        EXPECT_EQ(row(1).format.heightRule, m::HeightRule::AtLeast);
        EXPECT_EQ(row(1).format.height, 1000);

        for (auto [number, text] : {std::pair{2, "SKILLS/ABILITIES"}, {4, "WORK HISTORY"}, {5 + 2 * n, "EDUCATION"}}) {
            SCOPED_TRACE(text);
            EXPECT_EQ(spans(row(number)), std::vector<int>{3});
            EXPECT_EQ(cellText(row(number).cells[0]), text);
            EXPECT_EQ(row(number).cells[0].format.verticalAlignment, m::VerticalAlignment::Center);
            EXPECT_TRUE(allTahoma8(row(number).cells[0]));
        }
        EXPECT_EQ(row(2).format.height, 400);
        EXPECT_EQ(row(4).format.height, 400);
        EXPECT_EQ(row(n + 7).format.heightRule, m::HeightRule::AtLeast);
        EXPECT_EQ(row(n + 7).format.height, 400);

        // Skills: bold skill paragraphs without a bullet, every ability line bulleted.
        EXPECT_EQ(spans(row(3)), (std::vector<int>{1, 2}));
        const m::Cell& skills = row(3).cells[1];
        EXPECT_EQ(cellText(skills), "Photoshop¶3 courses¶Software QA¶2 years¶of experience¶in teams");
        EXPECT_TRUE(allTahoma8(skills));
        const std::vector<bool> bulleted = {false, true, false, true, true, true};
        for (size_t k = 0; k < skills.blocks.size(); ++k) {
            const auto& p = std::get<m::Paragraph>(skills.blocks[k]);
            SCOPED_TRACE(p.text().toStdString());
            const bool inList = p.format.list && p.format.list->listId != 0;
            EXPECT_EQ(inList, bulleted[k]);
            EXPECT_EQ(p.runs.at(0).format.bold.value_or(false), !bulleted[k]);
        }

        for (int k = 1; k <= n; ++k) {
            SCOPED_TRACE(k);
            const m::Row& first = row(3 + 2 * k);
            const m::Row& second = row(4 + 2 * k);
            EXPECT_EQ(spans(first), (std::vector<int>{1, 1, 1}));
            EXPECT_EQ(runStyles(first.cells[1]), QStringList{QString("Title %1:b").arg(k)});
            EXPECT_EQ(runStyles(first.cells[2]), QStringList{QString("Year %1:").arg(k)});
            EXPECT_EQ(firstParagraph(first.cells[2]).format.alignment, m::Alignment::Right);
            EXPECT_EQ(spans(second), (std::vector<int>{1, 2}));
            EXPECT_EQ(runStyles(second.cells[1]),
                      (QStringList{QString("Company %1:i").arg(k), QString(", City %1:").arg(k)}));
            EXPECT_EQ(cellText(second.cells[1]), QString("Company %1, City %1¶").arg(k));
        }

        const m::Row& degree = row(6 + 2 * n);
        EXPECT_EQ(spans(degree), (std::vector<int>{1, 1, 1}));
        EXPECT_EQ(runStyles(degree.cells[1]), QStringList{"High School Diploma:b"});
        EXPECT_EQ(runStyles(degree.cells[2]), QStringList{"2000 to 2004:"});
        EXPECT_EQ(firstParagraph(degree.cells[2]).format.alignment, m::Alignment::Right);
        const m::Row& school = row(7 + 2 * n);
        EXPECT_EQ(spans(school), (std::vector<int>{1, 2}));
        EXPECT_EQ(runStyles(school.cells[1]), (QStringList{"Cedarbrook High School:i", ", Cedarbrook NH:"}));
    });
    EXPECT_TRUE(inspected);
    for (const auto& m : messages.shown) ADD_FAILURE() << m.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(WorkEntries, GeneratorEngine, ::testing::Values(0, 1, 2, 3, 5));
