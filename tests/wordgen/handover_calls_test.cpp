// The hand-over at the end of a generation (lines 402 to 444), run through GenerateResume
// against a recording stand-in for the word processor: the temporary document's name and
// privacy, the calls that save and close it, the page pictures, the windows, and what a
// failure at each stage leaves behind.

#include "FakeResumeSource.h"
#include "HandoverFakes.h"
#include "RecordingMessages.h"
#include "ScopedTemporaryFolder.h"

#include "wordgen/ResumeHandover.h"
#include "wordgen/ole/recorder.h"
#include "wordgen/ole/registry.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <deque>

#include <sys/stat.h>

using namespace quillory;
using namespace quillory::testing;
using ole::testing::Call;
using ole::testing::Recorder;
using ole::testing::Recording;

namespace {

// The access bits of a file, as ls shows them in octal (0600: owner only).
int accessMode(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 0777);
}

class Handover : public ::testing::Test {
  protected:
    ScopedTemporaryFolder temp;
    std::shared_ptr<Recording> log = std::make_shared<Recording>();
    int instances = 0;
    // The generator's instance records as "Application", the page pictures' as "Renderer".
    ole::ScopedClass word{"Word.Application",
                          {[this] {
                               return std::make_shared<Recorder>(
                                   log, instances++ == 0 ? "Application" : "Renderer");
                           },
                           {}}};
    RecordingMessages messages;
    ScopedMessages scopedMessages{messages};
    Journal journal;
    FakePreview preview;
    FakeDataEntry form1;
    FakeClipboard clipboard;
    int previewReferences = 0;
    int32_t pageCount = 2;
    std::function<int()> drawDigit; // empty: the system's random source
    std::function<void(const Call&)> extraAnswer;

    void SetUp() override {
        preview.journal = &journal;
        form1.journal = &journal;
        log->answer = [this](const Call& c) -> std::optional<ole::Value> {
            if (extraAnswer)
                extraAnswer(c);
            if (c.name == "InchesToPoints")
                return ole::R4(float(c.args.at(0).toDouble() * 72));
            if (c.name == "BuiltInDocumentProperties")
                return ole::I4(pageCount);
            if (c.name == "CopyAsPicture")
                clipboard.copyPage();
            return std::nullopt;
        };
        for (int i = 1; i <= 5; ++i)
            clipboard.pages.push_back(pagePicture(i));
    }

    void generate() {
        const FakeResumeSource source = FakeResumeSource::sample();
        GenerateResume(source, resumeHandover({form1,
                                               [this]() -> PreviewWindow& {
                                                   ++previewReferences;
                                                   return preview;
                                               },
                                               clipboard, drawDigit}));
    }

    // The calls from the SaveAs on, with the document and the path named shortly.
    QStringList callsFromSave() const {
        QStringList out;
        bool started = false;
        for (const Call& c : log->calls) {
            if (c.name == "SaveAs")
                started = true;
            if (!started || c.kind == ole::Invoke::PropertyGet)
                continue;
            QString s = c.toString();
            s.replace(QRegularExpression(R"(Application\.Documents\.Add\.)"), "Document.");
            s.replace(QRegularExpression(R"(Renderer\.Documents\.Open\([^)]*\)\.)"), "Opened.");
            s.replace(preview.wordFile, "P");
            out << s;
        }
        return out;
    }

    QStringList lines() const {
        QStringList out;
        for (const MessageRequest& m : messages.shown) {
            const auto match = QRegularExpression("at line (\\d+)").match(m.text);
            out << match.captured(1);
        }
        return out;
    }
};

TEST_F(Handover, saves_closes_and_quits_before_the_page_pictures_are_made) {
    generate();
    EXPECT_TRUE(messages.shown.empty()) << qPrintable(messages.texts().join("\n"));
    const QStringList expected{
        "call Document.SaveAs(String \"P\")",
        "put Application.DisplayAlerts = Bool False",
        "call Document.Close()",
        "call Application.Quit()",
        "call Renderer.Documents.Open(String \"P\")",
        "call Renderer.ActiveDocument.Repaginate()",
        "call Opened.Range.CopyAsPicture()",
        "call Renderer.Selection.GoTo(I2 1, I2 2, I2 2)",
        "call Renderer.Selection.HomeKey(I2 6, I2 1)",
        "call Renderer.Selection.Delete(I2 1, I2 1)",
        "call Opened.Range.CopyAsPicture()",
        "call Renderer.Selection.EndKey(I2 6, I4 1)",
        "call Renderer.ActiveDocument.Close(I2 0)",
        "call Renderer.Quit()",
    };
    EXPECT_EQ(callsFromSave(), expected);
}

TEST_F(Handover, opens_the_preview_on_page_1_and_hides_the_data_entry_window) {
    generate();
    EXPECT_EQ(preview.events,
              (QStringList{"clear", "add Page 1", "add Page 2", "picture1", "wordFile", "show"}));
    EXPECT_EQ(preview.picture1, preview.pictures.value(0));
    EXPECT_EQ(journal, (QStringList{"preview shown", "data entry hidden"}));
    EXPECT_FALSE(form1.visible);
    // The hourglass for each page, then the default pointer before the preview shows.
    EXPECT_EQ(form1.pointerHistory, (QVector<int>{11, 11, 0}));
    EXPECT_GE(previewReferences, 1);
}

TEST_F(Handover, the_document_is_a_private_varlin_file_in_the_temporary_folder) {
    generate();
    const QFileInfo info(preview.wordFile);
    EXPECT_EQ(info.absolutePath(), QFileInfo(temp.path()).absoluteFilePath());
    EXPECT_TRUE(QRegularExpression("^varlin[1-9]{8}\\.doc$").match(info.fileName()).hasMatch())
        << qPrintable(info.fileName());
    EXPECT_TRUE(isTemporaryDocumentName(info.fileName()));
    ASSERT_TRUE(info.exists());
    EXPECT_EQ(accessMode(preview.wordFile), 0600);
}

TEST_F(Handover, two_generations_draw_two_different_names) {
    generate();
    const QString first = preview.wordFile;
    generate();
    EXPECT_NE(preview.wordFile, first);
}

TEST_F(Handover, a_name_already_in_use_is_left_untouched_and_another_is_drawn) {
    // Three names in turn: varlin11111111 (a file), varlin11111112 (a link), varlin22222222.
    std::deque<int> digits{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2};
    drawDigit = [&] {
        const int d = digits.front();
        digits.pop_front();
        return d;
    };
    QFile existing(temp.filePath("varlin11111111.doc"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("someone else's document");
    existing.close();
    // A link under a drawn name is not followed either.
    const QString linkTarget = temp.filePath("would-be-created");
    ASSERT_TRUE(QFile::link(linkTarget, temp.filePath("varlin11111112.doc")));

    generate();

    EXPECT_EQ(QFileInfo(preview.wordFile).fileName(), "varlin22222222.doc");
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("someone else's document"));
    EXPECT_FALSE(QFileInfo::exists(linkTarget));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Handover, a_document_the_writer_leaves_readable_to_others_is_made_private_again) {
    extraAnswer = [this](const Call& c) {
        if (c.name != "SaveAs")
            return;
        // A writer that replaces the file by a new one with ordinary permissions.
        const QString path = c.args.at(0).toString();
        QFile::remove(path);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("PK");
        file.close();
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                        QFile::ReadOther);
    };
    generate();
    EXPECT_EQ(accessMode(preview.wordFile), 0600);
}

TEST_F(Handover, a_failed_save_is_reported_at_418_and_the_preview_opens_without_pages) {
    extraAnswer = [](const Call& c) {
        if (c.name == "SaveAs")
            throw ole::Error("The disk is full");
        if (c.name == "Open")
            throw ole::Error("The file is not a Word document");
    };
    generate();
    EXPECT_EQ(lines(), (QStringList{"418", "432"}));
    EXPECT_TRUE(messages.shown[0].text.startsWith(
        "The disk is full\r\nin Quillory2021/08/31.Resume.GenerateResume at line 418"));
    EXPECT_EQ(preview.pageCount(), 0);
    EXPECT_FALSE(preview.events.contains("picture1"));
    EXPECT_TRUE(preview.events.endsWith("show"));
    EXPECT_FALSE(preview.wordFile.isEmpty());
    EXPECT_FALSE(form1.visible);
    EXPECT_EQ(form1.pointer, 0);
    // Word was still told to close and quit.
    EXPECT_EQ(log->linesContaining("Application.Quit").size(), 1);
}

TEST_F(Handover, a_failure_inside_the_page_pictures_is_reported_at_432_and_keeps_the_pages_made) {
    int copies = 0;
    extraAnswer = [&](const Call& c) {
        if (c.name == "CopyAsPicture" && ++copies == 2)
            throw ole::Error("The page cannot be copied");
    };
    generate();
    EXPECT_EQ(lines(), QStringList{"432"});
    EXPECT_TRUE(messages.shown[0].text.startsWith("The page cannot be copied\r\n"));
    EXPECT_EQ(preview.items, QStringList{"Page 1"});
    EXPECT_EQ(preview.picture1, preview.pictures.value(0));
    EXPECT_EQ(journal, (QStringList{"preview shown", "data entry hidden"}));
    EXPECT_EQ(form1.pointer, 0);
    EXPECT_EQ(log->linesContaining("Renderer.Quit").size(), 1);
}

TEST_F(Handover, a_temporary_folder_that_cannot_be_written_is_reported_once_at_416) {
    qputenv("temp", QFile::encodeName(temp.filePath("missing/folder")));
    generate();
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(lines().first(), "416");
    EXPECT_TRUE(messages.shown[0].text.contains("cannot be created"))
        << qPrintable(messages.shown[0].text);
    EXPECT_EQ(lines().count("416"), 1);
    EXPECT_EQ(preview.showCount, 1);
}

} // namespace
