// The late-bound call sequence of the résumé generator, checked against a recording
// stand-in for the word processor: names, argument values and types, and order.

#include "FakeResumeSource.h"
#include "RecordingMessages.h"

#include "wordgen/ResumeGenerator.h"
#include "wordgen/ole/recorder.h"
#include "wordgen/ole/registry.h"

#include <QRegularExpression>

#include <algorithm>

#include <gtest/gtest.h>

using namespace quillory;
using namespace quillory::testing;
using ole::testing::Recorder;
using ole::testing::Recording;

namespace {

class GeneratorCalls : public ::testing::Test {
protected:
    std::shared_ptr<Recording> log = std::make_shared<Recording>();
    RecordingMessages messages;
    ScopedMessages scopedMessages{messages};
    ole::ScopedClass word{"Word.Application",
                          {[this] { return std::make_shared<Recorder>(log, "Application"); }, {}}};

    void SetUp() override {
        log->answer = [](const ole::testing::Call& c) -> std::optional<ole::Value> {
            if (c.name == "InchesToPoints") return ole::R4(float(c.args.at(0).toDouble() * 72));
            return std::nullopt;
        };
    }

    // The calls and puts in a short form: the selection, the table and the list template
    // are named by what they are, not by the path that reached them.
    QStringList actions() const {
        QStringList out;
        for (const auto& c : log->calls) {
            if (c.kind == ole::Invoke::PropertyGet) continue;
            QString s = c.toString();
            s.replace(QRegularExpression(R"(Object \S*Selection\.Range)"), "Object Selection.Range");
            s.replace(QRegularExpression(R"(Object \S*ListTemplates\.Add\([^)]*\))"), "Object ListTemplate");
            s.replace(QRegularExpression(R"( \S*\.Selection\.)"), " Selection.");
            s.replace(QRegularExpression(R"( \S*Tables\.Add\([^)]*\)\.)"), " Table.");
            s.replace(QRegularExpression(R"( \S*ListTemplates\.Add\([^)]*\)\.)"), " ListTemplate.");
            s.replace(QRegularExpression(R"( Application\.Documents\.Add\.)"), " Document.");
            out << s;
        }
        return out;
    }
};

// Expected sequences, written out from the documented steps.
struct Expect {
    QStringList lines;
    void add(const QString& s) { lines << s; }
    void font8() {
        add("put Selection.Font.Size = I2 8");
        add("put Selection.Font.Name = String \"Tahoma\"");
    }
    void cells(int n) { add(QString("call Selection.MoveRight(I4 12, I2 %1)").arg(n)); }
    void selectCells(int n) {
        add(QString("call Selection.MoveRight(I4 1, I2 %1, I4 1)").arg(n));
        font8();
        add("call Selection.Cells.Merge()");
    }
    void type(const QString& text) { add("call Selection.TypeText(" + ole::Value(text).describe() + ")"); }
    void centre() { add("put Selection.Cells.VerticalAlignment = I4 1"); }
    void align(int a) { add(QString("put Selection.ParagraphFormat.Alignment = I4 %1").arg(a)); }
    void heading(const QString& text) {
        cells(1);
        selectCells(3);
        type(text);
        centre();
    }
    void entry(const QString& title, const QString& dates, const QString& place, const QString& city) {
        cells(2);
        font8();
        add("put Selection.Font.Bold = Bool True");
        type(title);
        centre();
        cells(1);
        font8();
        type(dates);
        centre();
        align(2);
        cells(2);
        selectCells(2);
        add("put Selection.Font.Italic = I4 9999998");
        align(0);
        type(place);
        add("put Selection.Font.Italic = I4 9999998");
        type(", " + city);
        centre();
        add("call Selection.TypeParagraph()");
    }
};

Expect expectedStart(int workRows, const QString& header) {
    Expect e;
    e.add("call Application.Documents.Add()");
    e.add(QString("call Application.ActiveDocument.Tables.Add(Object Selection.Range, I4 %1, I2 3, I4 1, I4 0)")
              .arg(std::max(workRows + 8, 2 * workRows + 7)));
    e.add("put Table.Columns(1).Width = I2 30");
    e.add("put Table.Columns(2).Width = I2 200");
    e.add("put Table.Columns(3).Width = I2 200");
    e.add("put Table.Rows(1).Height = I2 50");
    e.add("put Table.Rows(2).Height = I2 20");
    e.add("put Table.Rows(4).Height = I2 20");
    e.add("put Table.Style = String \"Table Normal\"");
    e.add("put Table.ApplyStyleHeadingRows = Bool True");
    e.add("put Table.ApplyStyleLastRow = Bool True");
    e.add("put Table.ApplyStyleFirstColumn = Bool True");
    e.add("put Table.ApplyStyleLastColumn = Bool True");
    e.add("call Selection.MoveRight(I4 1, I2 3, I4 1)");
    e.add("call Selection.Cells.Merge()");
    e.font8();
    e.type(header);
    e.heading("SKILLS/ABILITIES");
    e.add("call Document.ListTemplates.Add(Bool True, String \"my list\")");
    e.add(QString("put ListTemplate.ListLevels(1).NumberFormat = ") + ole::Value(QString(QChar(0xF0A7))).describe());
    e.add("put ListTemplate.ListLevels(1).TrailingCharacter = I4 0");
    e.add("put ListTemplate.ListLevels(1).NumberStyle = I4 23");
    e.add("call Application.InchesToPoints(R8 0.25)");
    e.add("put ListTemplate.ListLevels(1).NumberPosition = R4 18");
    e.add("put ListTemplate.ListLevels(1).Alignment = I4 0");
    e.add("call Application.InchesToPoints(R8 0.5)");
    e.add("put ListTemplate.ListLevels(1).TextPosition = R4 36");
    e.add("call Application.InchesToPoints(R8 0.5)");
    e.add("put ListTemplate.ListLevels(1).TabPosition = R4 36");
    e.add("put ListTemplate.ListLevels(1).ResetOnHigher = I2 0");
    e.add("put ListTemplate.ListLevels(1).StartAt = I2 1");
    for (const char* flag : {"Bold", "Italic", "Strikethrough", "Subscript", "Superscript", "Shadow",
                             "Outline", "Emboss", "Engrave", "AllCaps", "Hidden", "Underline", "Color",
                             "Size", "Animation", "DoubleStrikeThrough"})
        e.add(QString("put ListTemplate.ListLevels(1).Font.%1 = I4 9999999").arg(flag));
    e.add("put ListTemplate.ListLevels(1).Font.Name = String \"Wingdings\"");
    e.add("put ListTemplate.ListLevels(1).LinkedStyle = String \"\"");
    e.cells(2);
    e.add("call Selection.MoveRight(I4 1, I2 2, I4 1)");
    e.add("call Selection.Cells.Merge()");
    e.font8();
    e.add("call Selection.MoveLeft(I4 1, I2 1)");
    e.add("put Selection.ParagraphFormat.LineSpacingRule = I4 1");
    return e;
}

void expectSkill(Expect& e, int i, const SkillRow& row, int u) {
    e.add("put Selection.Font.Bold = I4 9999998");
    if (i > 1) e.add("call Selection.TypeParagraph()");
    e.type(row.skill);
    if (i > 1) {
        e.add("call Selection.Range.ListFormat.RemoveNumbers(I4 1)");
        e.add("call Selection.Paragraphs.Outdent()");
    }
    e.add("put Selection.Font.Bold = I4 9999998");
    e.add("call Selection.TypeParagraph()");
    e.type(row.description);
    if (i > 1 || u > 0) e.add(QString("call Selection.MoveUp(I4 5, I4 %1, I4 1)").arg(u));
    e.add("call Selection.HomeKey(I4 5, I4 1)");
    e.add("call Selection.Range.ListFormat.ApplyListTemplate(Object ListTemplate, Bool False, I4 2, I4 2)");
    e.add("call Selection.MoveRight(I4 1, I2 1)");
}

void expectRest(Expect& e, const FakeResumeSource& s) {
    e.heading("WORK HISTORY");
    for (const auto& w : s.work) e.entry(w.jobTitle, w.dateOfEmployment, w.companyName, w.cityState);
    e.add(QString("put Table.Rows(%1).Height = I2 20").arg(s.work.size() + 7));
    e.heading("EDUCATION");
    e.entry(s.fields.value(ResumeField::DegreeObtained), s.fields.value(ResumeField::DateOfAttendance),
            s.fields.value(ResumeField::SchoolName), s.fields.value(ResumeField::SchoolCity));
}

QStringList expectedCalls(const FakeResumeSource& s) {
    const auto f = [&](ResumeField x) { return s.fields.value(x); };
    Expect e = expectedStart(s.work.size(),
                             f(ResumeField::YourName) + "\r\n" + f(ResumeField::StreetAddress) + ", " +
                                 f(ResumeField::City) + " " + f(ResumeField::ZipCode) + "\r\n" +
                                 f(ResumeField::Phone) + "\r\n" + f(ResumeField::Email));
    for (int i = 1; i <= s.skills.size(); ++i)
        expectSkill(e, i, s.skills[i - 1], abilityLineBreaks(s.skills[i - 1].description));
    expectRest(e, s);
    return e.lines;
}

void expectSameCalls(const QStringList& actual, const QStringList& expected) {
    const int n = std::min(actual.size(), expected.size());
    for (int i = 0; i < n; ++i)
        ASSERT_EQ(actual[i].toStdString(), expected[i].toStdString()) << "at action " << i;
    ASSERT_EQ(actual.size(), expected.size());
}

} // namespace

TEST_F(GeneratorCalls, empty_data_types_separators_and_builds_every_section) {
    FakeResumeSource empty;
    GenerateResume(empty);
    expectSameCalls(actions(), expectedCalls(empty));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(actions().contains("call Selection.TypeText(String \"\\r\\n,  \\r\\n\\r\\n\")"));
}

TEST_F(GeneratorCalls, sample_data_full_sequence) {
    const auto sample = FakeResumeSource::sample();
    GenerateResume(sample);
    expectSameCalls(actions(), expectedCalls(sample));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(GeneratorCalls, multi_line_abilities_widen_upward_for_every_skill) {
    FakeResumeSource s;
    s.skills = {{"Drawing", "one\r\ntwo\r\nthree"}, {"Singing", "alto\r\nsoprano\r\nbass"}};
    GenerateResume(s);
    expectSameCalls(actions(), expectedCalls(s));
    EXPECT_EQ(log->linesContaining("MoveUp").size(), 2);
    for (const QString& l : log->linesContaining("MoveUp")) EXPECT_TRUE(l.endsWith("MoveUp(I4 5, I4 2, I4 1)")) << l.toStdString();
}

TEST_F(GeneratorCalls, later_skill_with_empty_abilities_moves_up_by_minus_one) {
    FakeResumeSource s;
    s.skills = {{"A", "x"}, {"B", ""}};
    GenerateResume(s);
    expectSameCalls(actions(), expectedCalls(s));
    const QStringList ups = log->linesContaining("MoveUp");
    ASSERT_EQ(ups.size(), 1); // a single-line first skill makes no upward move
    EXPECT_TRUE(ups[0].endsWith("MoveUp(I4 5, I4 -1, I4 1)"));
}

TEST_F(GeneratorCalls, three_work_entries_size_the_table_and_the_trailing_row_height) {
    FakeResumeSource s = FakeResumeSource::sample();
    s.work = {{"2001", "A", "Acity", "Tester"}, {"2002", "B", "Bcity", "Lead"}, {"2003", "", "", ""}};
    GenerateResume(s);
    expectSameCalls(actions(), expectedCalls(s));
    EXPECT_TRUE(actions().contains("put Table.Rows(10).Height = I2 20"));
    // The table holds every row the résumé uses: none is appended from a heading row.
    EXPECT_TRUE(log->linesContaining("Tables.Add(")[0].contains("I4 13, I2 3"));
    EXPECT_TRUE(actions().contains("call Selection.TypeText(String \", \")"));
}

TEST_F(GeneratorCalls, reads_the_data_when_each_step_runs) {
    // A source whose name changes after the first read: the header shows the text of the
    // moment it is typed, not a copy taken before the run.
    struct Changing : FakeResumeSource {
        mutable int reads = 0;
        QString fieldText(ResumeField f) const override {
            if (f == ResumeField::YourName) return ++reads == 1 ? "First" : "Second";
            return FakeResumeSource::fieldText(f);
        }
    } s;
    GenerateResume(s);
    EXPECT_EQ(s.reads, 1);
    EXPECT_EQ(log->linesContaining("TypeText(String \"First").size(), 1);
}

// Failure injection: the step is reported with its line and the procedure goes on.
class GeneratorFailures : public GeneratorCalls {
protected:
    // Fails the first access whose text contains `needle`, and returns the error boxes.
    void failAt(const QString& needle, int occurrence, const FakeResumeSource& s) {
        { // dry run to find the index
            GenerateResume(s);
            int seen = 0;
            for (size_t k = 0; k < log->calls.size(); ++k)
                if (log->calls[k].toString().contains(needle) && ++seen == occurrence) {
                    log->failAt = k + 1;
                    break;
                }
            ASSERT_NE(log->failAt, 0u) << "no access matches " << needle.toStdString();
            fullCount = log->calls.size();
            log->calls.clear();
        }
        GenerateResume(s);
    }
    size_t fullCount = 0;
    QString reportedLine() const {
        EXPECT_EQ(messages.shown.size(), 1u);
        if (messages.shown.empty()) return {};
        const MessageRequest& m = messages.shown.front();
        EXPECT_EQ(m.title, "Application Error");
        EXPECT_EQ(m.icon, MessageIcon::Warning);
        EXPECT_TRUE(m.text.startsWith("Injected failure\r\nin Quillory2021/08/31.Resume.GenerateResume at line "))
            << m.text.toStdString() << " / " << messages.shown.size();
        return m.text.section("at line ", 1).section('\r', 0, 0);
    }
};

TEST_F(GeneratorFailures, inside_the_header_reports_line_138_and_goes_on) {
    failAt("put Application.Documents.Add.ActiveWindow.Selection.Font.Name", 1, FakeResumeSource::sample());
    EXPECT_EQ(reportedLine(), "138");
    EXPECT_EQ(log->calls.size(), fullCount); // every later step still ran
}

TEST_F(GeneratorFailures, inside_the_skills_loop_resumes_with_the_same_pass) {
    const auto s = FakeResumeSource::sample();
    failAt("TypeText(String \"Software QA\")", 1, s);
    EXPECT_EQ(reportedLine(), "242");
    EXPECT_EQ(log->calls.size(), fullCount);
    // The same pass goes on: numbering removed from the failed skill's paragraph next.
    QStringList a = actions();
    const int k = a.indexOf("call Selection.TypeText(String \"Software QA\")");
    ASSERT_GE(k, 0);
    EXPECT_EQ(a[k + 1], "call Selection.Range.ListFormat.RemoveNumbers(I4 1)");
}

TEST_F(GeneratorFailures, inside_the_work_history_loop_reports_its_line) {
    FakeResumeSource s = FakeResumeSource::sample();
    s.work.append({"2010", "Second Co", "Town", "Boss"});
    failAt("put Application.Documents.Add.ActiveWindow.Selection.ParagraphFormat.Alignment = I4 2", 2, s);
    EXPECT_EQ(reportedLine(), "310");
    EXPECT_EQ(log->calls.size(), fullCount);
}

TEST_F(GeneratorCalls, an_unreadable_row_is_reported_at_each_step_that_reads_it) {
    struct Failing : FakeResumeSource {
        SkillRow skillRow(int i) const override {
            if (i == 0) throw ole::Error("row unreadable");
            return FakeResumeSource::skillRow(i);
        }
    } s;
    s.skills = {{"A", "a"}};
    GenerateResume(s);
    // The skill (242), the abilities (254) and u (256) each fail; u stays 0, so the
    // single skill makes no upward move, and the run goes on to the end.
    QStringList lines;
    for (const auto& m : messages.shown) lines << m.text.section("at line ", 1).section('\r', 0, 0);
    EXPECT_EQ(lines, QStringList({"242", "254", "256"}));
    EXPECT_TRUE(log->linesContaining("MoveUp").isEmpty());
    EXPECT_EQ(log->linesContaining("TypeText(String \"EDUCATION\")").size(), 1);
}

TEST_F(GeneratorCalls, word_that_cannot_start_reports_each_following_step_and_goes_on) {
    ole::ScopedClass broken{"Word.Application",
                            {[]() -> ole::DispatchPtr { throw ole::Error("Cannot create"); }, {}}};
    GenerateResume(FakeResumeSource());
    ASSERT_GT(messages.shown.size(), 50u);
    EXPECT_TRUE(messages.shown[0].text.contains("at line 102"));
    EXPECT_TRUE(messages.shown[1].text.startsWith("Object variable not set"));
    EXPECT_TRUE(messages.shown.back().text.contains("at line 400"));
}
