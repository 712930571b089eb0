// Awkward data typed into the form still gives a résumé that saves as a Word file and opens
// again: tabs, control characters, very long texts, right-to-left and CJK text, many skills.

#include "FakeResumeSource.h"
#include "RecordingMessages.h"

#include "engine/automation/application.h"
#include "engine/render/layout_services.h"
#include "engine/model/document.h"
#include "wordgen/ResumeGenerator.h"
#include "wordgen/ole/registry.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quillory;
using namespace quillory::testing;

namespace {

struct Awkward {
    const char* name;
    FakeResumeSource source;
};

FakeResumeSource everyFieldSetTo(const QString& text) {
    FakeResumeSource s;
    for (ResumeField f : {ResumeField::YourName, ResumeField::StreetAddress, ResumeField::City, ResumeField::ZipCode,
                          ResumeField::Phone, ResumeField::Email, ResumeField::DateOfAttendance,
                          ResumeField::SchoolName, ResumeField::SchoolCity, ResumeField::DegreeObtained})
        s.fields.insert(f, text);
    s.work = {{text, text, text, text}, {text, text, text, text}};
    s.skills = {{text, text}, {text, text + "\r\n" + text}};
    return s;
}

std::vector<Awkward> awkwardData() {
    QString control;
    for (ushort c = 1; c < 32; ++c) control += QChar(c);
    FakeResumeSource many = FakeResumeSource::sample();
    many.skills.clear();
    for (int i = 0; i < 300; ++i) many.skills.append({QString("Skill %1").arg(i), QString("line a\r\nline b %1").arg(i)});
    return {
        {"tabs", everyFieldSetTo("a\tb\t\tc")},
        {"control_characters", everyFieldSetTo("x" + control + "y\x7f")},
        {"ten_thousand_characters", everyFieldSetTo(QString(10000, QChar('w')))},
        {"right_to_left", everyFieldSetTo(QString::fromUtf8("שלום עולם مرحبا"))},
        {"cjk_and_emoji", everyFieldSetTo(QString::fromUtf8("履歴書 이력서 简历 🙂"))},
        {"lone_line_feeds_and_carriage_returns", everyFieldSetTo("one\ntwo\rthree\r\n")},
        {"three_hundred_skills", many},
    };
}

class GeneratorBadInput : public ::testing::TestWithParam<Awkward> {
protected:
    void SetUp() override { engine::registerWordApplication();
        engine::render::installLayoutServices(); }
    RecordingMessages messages;
    ScopedMessages scoped{messages};
    QTemporaryDir dir;
};

} // namespace

TEST_P(GeneratorBadInput, builds_saves_and_reopens) {
    const QString path = dir.filePath("resume.doc");
    int tableRows = 0;
    GenerateResume(GetParam().source, [&](GenerationRun& run) {
        run.document.call("SaveAs", {path});
        run.document.call("Close");
        run.word.call("Quit");
    });
    for (const auto& m : messages.shown) ADD_FAILURE() << m.text.toStdString();
    ASSERT_TRUE(QFileInfo::exists(path));

    ole::Object word = ole::CreateObject("Word.Application");
    ole::Object doc = word.get("Documents").call("Open", {path}).toObject();
    const engine::model::Document* model = engine::modelOf(doc.ptr());
    ASSERT_NE(model, nullptr);
    ASSERT_TRUE(engine::model::isTable(model->body.front()));
    tableRows = int(std::get<engine::model::Table>(model->body.front()).rows.size());
    EXPECT_EQ(tableRows, tableRowCount(GetParam().source.workHistoryRowCount()));
    doc.call("Close", {ole::I2(0)});
    word.call("Quit");
}

INSTANTIATE_TEST_SUITE_P(Data, GeneratorBadInput, ::testing::ValuesIn(awkwardData()),
                         [](const auto& info) { return std::string(info.param.name); });
