// RenderPageImages against a recording stand-in for the word processor and a clipboard
// that the stand-in's CopyAsPicture fills: the call sequence with its types, the pages in
// the preview, the picture files, the clipboard given back, and failures.

#include "HandoverFakes.h"
#include "ScopedTemporaryFolder.h"

#include "shell/core/Error.h"
#include "wordgen/PageImages.h"
#include "wordgen/ole/recorder.h"
#include "wordgen/ole/registry.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace quillory;
using namespace quillory::testing;
using ole::testing::Call;
using ole::testing::Recorder;
using ole::testing::Recording;

namespace {

bool samePixels(const QImage& a, const QImage& b) {
    return a.size() == b.size() &&
           a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

class PageImages : public ::testing::Test {
  protected:
    ScopedTemporaryFolder temp;
    std::shared_ptr<Recording> log = std::make_shared<Recording>();
    ole::ScopedClass word{"Word.Application",
                          {[this] { return std::make_shared<Recorder>(log, "Application"); }, {}}};
    FakePreview preview;
    FakeDataEntry form1;
    FakeClipboard clipboard;
    int32_t pageCount = 3;
    QString documentPath = QDir(temp.path()).filePath("varlin12345678.doc");

    void SetUp() override {
        log->answer = [this](const Call& c) -> std::optional<ole::Value> {
            if (c.name == "BuiltInDocumentProperties")
                return ole::I4(pageCount);
            if (c.name == "CopyAsPicture")
                clipboard.copyPage();
            return std::nullopt;
        };
    }

    void givePages(int n) {
        for (int i = 1; i <= n; ++i)
            clipboard.pages.push_back(pagePicture(i));
    }

    void render() { RenderPageImages(documentPath, {preview, form1, clipboard}); }

    // Calls and puts, with the opened document named "Document".
    QStringList actions() const {
        QStringList out;
        for (const Call& c : log->calls) {
            QString s = c.toString();
            if (c.kind == ole::Invoke::PropertyGet && c.name != "BuiltInDocumentProperties")
                continue;
            s.replace(QRegularExpression(R"(Application\.Documents\.Open\([^)]*\)\.)"),
                      "Document.");
            s.replace(documentPath, "P");
            out << s;
        }
        return out;
    }
};

QStringList deletePageCalls() {
    return {"call Document.Range.CopyAsPicture()",
            "call Application.Selection.GoTo(I2 1, I2 2, I2 2)",
            "call Application.Selection.HomeKey(I2 6, I2 1)",
            "call Application.Selection.Delete(I2 1, I2 1)"};
}

QStringList lastPageCalls() {
    return {"call Document.Range.CopyAsPicture()", "call Application.Selection.EndKey(I2 6, I4 1)"};
}

TEST_F(PageImages, three_pages_make_three_items_and_pictures_with_the_documented_calls) {
    givePages(3);
    render();

    QStringList expected{"call Application.Documents.Open(String \"P\")",
                         "call Application.ActiveDocument.Repaginate()",
                         "get Application.ActiveDocument.BuiltInDocumentProperties(I2 14)"};
    expected << deletePageCalls() << deletePageCalls() << lastPageCalls();
    expected << "call Application.ActiveDocument.Close(I2 0)"
             << "call Application.Quit()";
    EXPECT_EQ(actions(), expected);

    EXPECT_EQ(preview.items, (QStringList{"Page 1", "Page 2", "Page 3"}));
    ASSERT_EQ(preview.pictures.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(samePixels(preview.pictures[i], pagePicture(i + 1))) << "page " << i + 1;
        // The recorded resolution survives the picture file: it gives the page's size.
        EXPECT_EQ(preview.pictures[i].dotsPerMeterX(), 7559);
        EXPECT_EQ(preview.pictures[i].dotsPerMeterY(), 7559);
    }
    EXPECT_EQ(form1.pointerHistory, (QVector<int>{11, 11, 11}));
}

TEST_F(PageImages, one_page_takes_the_last_page_branch_at_once) {
    pageCount = 1;
    givePages(1);
    render();
    const QStringList calls = actions();
    EXPECT_EQ(calls.mid(3, 2), lastPageCalls());
    EXPECT_FALSE(calls.join("\n").contains("GoTo"));
    EXPECT_EQ(preview.items, QStringList{"Page 1"});
}

TEST_F(PageImages, a_page_count_of_zero_still_makes_one_picture) {
    pageCount = 0;
    givePages(1);
    render();
    EXPECT_EQ(preview.items, QStringList{"Page 1"});
    EXPECT_EQ(preview.pictures.size(), 1);
}

TEST_F(PageImages, a_page_count_answered_as_a_property_object_is_read_through_its_value) {
    log->answer = [this](const Call& c) -> std::optional<ole::Value> {
        if (c.name.isEmpty() && c.path.endsWith("BuiltInDocumentProperties(14)"))
            return ole::I4(2);
        if (c.name == "CopyAsPicture")
            clipboard.copyPage();
        return std::nullopt;
    };
    givePages(2);
    render();
    EXPECT_EQ(preview.items, (QStringList{"Page 1", "Page 2"}));
}

TEST_F(PageImages, picture_files_never_remain_and_a_foreign_temp_bmp_is_left_alone) {
    QFile foreign(QDir(temp.path()).filePath("temp.bmp"));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write("another program's picture");
    foreign.close();
    const QStringList before = temp.entries();

    givePages(3);
    render();

    EXPECT_EQ(temp.entries(), before);
    ASSERT_TRUE(foreign.open(QIODevice::ReadOnly));
    EXPECT_EQ(foreign.readAll(), QByteArray("another program's picture"));
}

TEST_F(PageImages, each_picture_passes_through_a_new_private_file_in_the_temporary_folder) {
    QFile foreign(QDir(temp.path()).filePath("temp.bmp"));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.close();
    QStringList paths;
    int mode = -1;
    const QImage back = throughPictureFile(pagePicture(5), [&](const QString& path) {
        paths << path;
        struct stat info {};
        if (::stat(QFile::encodeName(path).constData(), &info) == 0)
            mode = int(info.st_mode & 0777);
    });
    throughPictureFile(pagePicture(6), [&](const QString& path) { paths << path; });
    ASSERT_EQ(paths.size(), 2);
    EXPECT_NE(paths[0], paths[1]);
    EXPECT_EQ(QFileInfo(paths[0]).absolutePath(), QFileInfo(temp.path()).absoluteFilePath());
    EXPECT_NE(QFileInfo(paths[0]).fileName(), "temp.bmp");
    EXPECT_EQ(mode, 0600);
    EXPECT_FALSE(QFile::exists(paths[0]));
    EXPECT_TRUE(samePixels(back, pagePicture(5)));
    EXPECT_EQ(back.dotsPerMeterX(), 7559);
}

TEST_F(PageImages, the_users_clipboard_content_comes_back_afterwards) {
    givePages(3);
    render();
    EXPECT_EQ(clipboard.keeps, 1);
    EXPECT_EQ(clipboard.restores, 1);
    EXPECT_EQ(clipboard.content, "the user's text");
}

TEST_F(PageImages, an_empty_clipboard_fails_with_a_readable_error_and_closes_the_instance) {
    // No picture ever arrives on the clipboard.
    try {
        render();
        FAIL() << "expected an error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.description().contains("page 1")) << qPrintable(e.description());
    }
    const QStringList calls = actions();
    EXPECT_EQ(
        calls.mid(calls.size() - 2),
        (QStringList{"call Application.ActiveDocument.Close(I2 0)", "call Application.Quit()"}));
    EXPECT_TRUE(preview.items.isEmpty());
    EXPECT_EQ(clipboard.restores, 1);
}

TEST_F(PageImages, a_failure_on_the_second_page_keeps_the_first_and_ends_the_run) {
    givePages(3);
    const auto normal = log->answer;
    int copies = 0;
    log->answer = [&, normal](const Call& c) -> std::optional<ole::Value> {
        if (c.name == "CopyAsPicture" && ++copies == 2)
            throw ole::Error("The page cannot be copied");
        return normal(c);
    };
    EXPECT_THROW(render(), ole::Error);
    EXPECT_EQ(preview.items, QStringList{"Page 1"});
    EXPECT_EQ(log->linesContaining("Quit").size(), 1);
    EXPECT_EQ(clipboard.content, "the user's text");
}

TEST_F(PageImages, a_document_that_cannot_be_opened_adds_nothing) {
    log->failAt = 2; // 1: get Documents, 2: Open
    log->failDescription = "The file is not a Word document";
    try {
        render();
        FAIL() << "expected an error";
    } catch (const ole::Error& e) {
        EXPECT_EQ(e.description(), "The file is not a Word document");
    }
    EXPECT_TRUE(preview.items.isEmpty());
    EXPECT_EQ(clipboard.restores, 1);
}

// The desktop clipboard: what the user held comes back in every format.
class SystemClipboard : public ::testing::Test {
  protected:
    QClipboard* board = QGuiApplication::clipboard();
    void TearDown() override { board->clear(); }
};

TEST_F(SystemClipboard, text_held_before_comes_back_after_pictures_were_put_there) {
    board->setText("notes for the cover letter");
    SystemPageClipboard clipboard;
    clipboard.keep();
    board->setImage(pagePicture(1));
    ASSERT_TRUE(clipboard.readPicture().has_value());
    clipboard.restore();
    EXPECT_EQ(board->text(), "notes for the cover letter");
    EXPECT_FALSE(board->mimeData()->hasImage());
}

TEST_F(SystemClipboard, a_picture_held_before_comes_back) {
    const QImage userPicture = pagePicture(7, {40, 30});
    board->setImage(userPicture);
    SystemPageClipboard clipboard;
    clipboard.keep();
    board->setImage(pagePicture(1));
    clipboard.restore();
    EXPECT_TRUE(samePixels(board->image(), userPicture));
}

TEST_F(SystemClipboard, an_empty_clipboard_is_empty_again_afterwards) {
    board->clear();
    SystemPageClipboard clipboard;
    clipboard.keep();
    board->setImage(pagePicture(1));
    clipboard.restore();
    EXPECT_FALSE(board->mimeData() && board->mimeData()->hasImage());
    EXPECT_TRUE(board->text().isEmpty());
}

TEST_F(SystemClipboard, pages_copied_to_the_desktop_clipboard_reach_the_preview) {
    ScopedTemporaryFolder temp;
    auto log = std::make_shared<Recording>();
    ole::ScopedClass word{"Word.Application",
                          {[log] { return std::make_shared<Recorder>(log, "Application"); }, {}}};
    int copied = 0;
    log->answer = [&](const Call& c) -> std::optional<ole::Value> {
        if (c.name == "BuiltInDocumentProperties")
            return ole::I4(2);
        if (c.name == "CopyAsPicture")
            board->setImage(pagePicture(++copied));
        return std::nullopt;
    };
    board->setText("keep me");
    FakePreview preview;
    FakeDataEntry form1;
    SystemPageClipboard clipboard;
    RenderPageImages(QDir(temp.path()).filePath("varlin11111111.doc"), {preview, form1, clipboard});
    ASSERT_EQ(preview.pictures.size(), 2);
    EXPECT_TRUE(samePixels(preview.pictures[1], pagePicture(2)));
    EXPECT_EQ(board->text(), "keep me");
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
