// The layout behind the late-bound Word objects: page count, going to a page, line moves on
// real lines, and the page pictures made by the delete-the-first-page loop, each the same
// picture as that page of the untouched document, without laying everything out again.
#include "../wordgen/FakeResumeSource.h"
#include "../wordgen/RecordingMessages.h"

#include "engine/automation/application.h"
#include "engine/render/layout_services.h"
#include "engine/render/page_image.h"
#include "wordgen/ResumeGenerator.h"
#include "wordgen/ole/registry.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using quillory::testing::FakeResumeSource;

namespace {

using ole::I2;
using ole::I4;

class LayoutServices : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        engine::registerWordApplication();
        engine::render::installLayoutServices();
    }
    ole::Object word = ole::CreateObject(QStringLiteral("Word.Application"));
    ~LayoutServices() override { word.call(QStringLiteral("Quit")); }

    int pages(const ole::Object& doc) const {
        return doc.get(QStringLiteral("BuiltInDocumentProperties"), {I4(14)}).value(QString()).toInt();
    }
};

FakeResumeSource longResume() {
    FakeResumeSource s = FakeResumeSource::sample();
    for (int i = 0; i < 40; ++i)
        s.work.push_back({QStringLiteral("19%1").arg(50 + i), QStringLiteral("Company%1").arg(i), QStringLiteral("Town%1").arg(i),
                          QStringLiteral("Position%1").arg(i)});
    return s;
}

} // namespace

TEST_F(LayoutServices, page_count_goto_and_real_lines) {
    ole::Object doc = word.get(QStringLiteral("Documents")).call(QStringLiteral("Add")).toObject();
    ole::Object sel = doc.get(QStringLiteral("ActiveWindow")).get(QStringLiteral("Selection"));
    EXPECT_EQ(pages(doc), 1);
    QString text;
    for (int i = 0; i < 70; ++i) text += QStringLiteral("paragraph %1\r\n").arg(i);
    sel.call(QStringLiteral("TypeText"), {text});
    doc.call(QStringLiteral("Repaginate"));
    EXPECT_EQ(pages(doc), 3); // 29 Normal paragraphs per Letter page
    sel.call(QStringLiteral("HomeKey"), {I4(6)});
    sel.call(QStringLiteral("GoTo"), {I2(1), I2(2), QStringLiteral("2")});
    const engine::model::Document* model = engine::modelOf(doc.ptr());
    ASSERT_NE(model, nullptr);
    ASSERT_NE(engine::render::layoutOf(*model), nullptr);
    // The selection stands at the start of the first paragraph of page 2.
    const engine::layout::DocumentLayout& layout = *engine::render::layoutOf(*model);
    const int start = sel.get(QStringLiteral("Range")).value(QStringLiteral("Start")).toInt();
    const engine::edit::Pos at = engine::edit::fromOffset(*model, start);
    EXPECT_EQ(at.offset, 0);
    EXPECT_EQ(layout.pageOf(at), 1);
    EXPECT_EQ(layout.pageOf(engine::edit::fromOffset(*model, start - 1)), 0);
    // A long paragraph wraps: moving up by a line stays inside it.
    sel.call(QStringLiteral("EndKey"), {I4(6)});
    QString longText;
    for (int i = 0; i < 80; ++i) longText += QStringLiteral("word ");
    sel.call(QStringLiteral("TypeText"), {longText});
    const int end = sel.get(QStringLiteral("Range")).value(QStringLiteral("Start")).toInt();
    sel.call(QStringLiteral("MoveUp"), {I4(5), I4(1), I4(1)});
    const int up = sel.get(QStringLiteral("Range")).value(QStringLiteral("Start")).toInt();
    EXPECT_LT(up, end);
    EXPECT_GT(up, end - longText.size()); // still in the last paragraph
}

TEST_F(LayoutServices, copy_as_picture_puts_the_first_page_on_the_clipboard) {
    ole::Object doc = word.get(QStringLiteral("Documents")).call(QStringLiteral("Add")).toObject();
    doc.get(QStringLiteral("ActiveWindow")).get(QStringLiteral("Selection")).call(QStringLiteral("TypeText"), {QStringLiteral("Alex Morrow")});
    QGuiApplication::clipboard()->clear();
    doc.get(QStringLiteral("Range")).call(QStringLiteral("CopyAsPicture"));
    const QImage img = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(img.isNull());
    const engine::model::Document* model = engine::modelOf(doc.ptr());
    const bool letter = model->page.width == 12240;
    EXPECT_EQ(img.width(), letter ? 1632 : 1587);
    EXPECT_EQ(img.dotsPerMeterX(), 7559);
    EXPECT_EQ(img.convertToFormat(QImage::Format_RGB32), engine::render::firstPagePicture(*model).convertToFormat(QImage::Format_RGB32));
}

TEST_F(LayoutServices, delete_first_page_loop_gives_every_page_once_and_lays_out_little) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.doc"));
    {
        quillory::testing::RecordingMessages messages;
        quillory::ScopedMessages scoped{messages};
        quillory::GenerationRun run;
        ASSERT_TRUE(quillory::BuildResumeDocument(run, longResume()));
        run.document.call(QStringLiteral("SaveAs"), {path});
        run.document.call(QStringLiteral("Close"));
        run.word.call(QStringLiteral("Quit"));
    }
    // The pages of the untouched document, for reference.
    ole::Object reference = word.get(QStringLiteral("Documents")).call(QStringLiteral("Open"), {path}).toObject();
    const engine::model::Document* refModel = engine::modelOf(reference.ptr());
    const engine::layout::DocumentLayout* refLayout = engine::render::layoutOf(*refModel);
    const int count = refLayout->pageCount();
    ASSERT_GE(count, 3);
    std::vector<QImage> expected;
    for (int p = 0; p < count; ++p) expected.push_back(engine::render::renderPage(*refLayout, p, engine::render::pictureDpi()));

    ole::Object doc = word.get(QStringLiteral("Documents")).call(QStringLiteral("Open"), {path}).toObject();
    ole::Object sel = word.get(QStringLiteral("Selection"));
    doc.call(QStringLiteral("Repaginate"));
    ASSERT_EQ(pages(doc), count);
    const engine::layout::DocumentLayout* layout = engine::render::layoutOf(*engine::modelOf(doc.ptr()));
    layout->update();
    const long before = layout->counters().paragraphsLaidOut;
    for (int pass = 0; pass < count; ++pass) {
        doc.get(QStringLiteral("Range")).call(QStringLiteral("CopyAsPicture"));
        const QImage picture = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(picture, expected[pass].convertToFormat(QImage::Format_RGB32)) << "page " << pass + 1;
        if (count - pass > 1) {
            sel.call(QStringLiteral("GoTo"), {I2(1), I2(2), I2(2)});
            sel.call(QStringLiteral("HomeKey"), {I2(6), I2(1)});
            sel.call(QStringLiteral("Delete"), {I2(1), I2(1)});
            EXPECT_EQ(pages(doc), count - pass - 1);
        } else {
            sel.call(QStringLiteral("EndKey"), {I2(6), I4(1)});
        }
    }
    // Deleting pages re-lays out nothing that was already laid out (the rows moved up).
    EXPECT_LE(layout->counters().paragraphsLaidOut - before, 2);
    doc.call(QStringLiteral("Close"), {I2(0)});
}

TEST_F(LayoutServices, export_as_fixed_format_writes_the_pdf) {
    ole::Object doc = word.get(QStringLiteral("Documents")).call(QStringLiteral("Add")).toObject();
    doc.get(QStringLiteral("ActiveWindow")).get(QStringLiteral("Selection")).call(QStringLiteral("TypeText"), {QStringLiteral("Alex Morrow")});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    doc.call(QStringLiteral("ExportAsFixedFormat"), {path, I4(17)});
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");
    try {
        doc.call(QStringLiteral("ExportAsFixedFormat"), {path, I4(18)});
        FAIL();
    } catch (const ole::Error& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("only PDF")));
    }
    EXPECT_THROW(doc.call(QStringLiteral("ExportAsFixedFormat"), {dir.filePath(QStringLiteral("no/such/dir.pdf"))}), ole::Error);
}
