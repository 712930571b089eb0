// The PDF export: one PDF page per layout page at the page set-up's size, real text with the
// fonts embedded, and no file left behind when it cannot be written.
#include "engine/render/pdf_export.h"
#include "engine/render/render_error.h"
#include "layout_support.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace layout_test;
using engine::render::exportPdf;
using engine::render::RenderError;

namespace {
QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

TEST(render_pdf, pages_text_and_fonts_are_in_the_file) {
    QString rows;
    for (int i = 0; i < 100; ++i)
        rows += QStringLiteral("R C(%1) ").arg(tahoma(QStringLiteral("row %1").arg(i), QStringLiteral("line=240 after=0")));
    Document d = doc(QStringLiteral("T{grid=4000}[%1] <font=Tahoma sz=8 b>\"Bold end\"¶").arg(rows));
    DocumentLayout l(d);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    exportPdf(l, path);
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("612 x 792 pts"))) << info.toStdString();
    const QString text = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("row 0\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("row 99")));
    EXPECT_TRUE(text.contains(QStringLiteral("Bold end")));
    const QString fonts = run(QStringLiteral("pdffonts"), {path});
    EXPECT_TRUE(fonts.contains(QStringLiteral("Tahoma"))) << fonts.toStdString();
    for (const QString& line : fonts.split(QLatin1Char('\n')).mid(2)) {
        if (line.trimmed().isEmpty()) continue;
        EXPECT_TRUE(line.contains(QStringLiteral(" yes "))) << "not embedded: " << line.toStdString();
    }
}

TEST(render_pdf, text_lands_where_the_layout_put_it) {
    Document d = doc(tahoma(QStringLiteral("Alex Morrow"), QStringLiteral("after=0")));
    DocumentLayout l(d);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("one.pdf"));
    exportPdf(l, path);
    const QString bbox = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">Alex</word>"));
    const auto m = word.match(bbox);
    ASSERT_TRUE(m.hasMatch()) << bbox.toStdString();
    EXPECT_NEAR(m.captured(1).toDouble(), 72.0, 0.2);
    // Baseline at 72 + 127 twips; the viewer's box rises by the face's ascent (1566/2048).
    EXPECT_NEAR(m.captured(2).toDouble(), 72.0 + 6.35 - 8 * 1566.0 / 2048, 0.2);
}

TEST(render_pdf, a_file_that_cannot_be_written_is_reported_and_none_is_left) {
    Document d = doc(QStringLiteral("¶"));
    DocumentLayout l(d);
    QTemporaryDir dir;
    try {
        exportPdf(l, dir.filePath(QStringLiteral("missing/out.pdf")));
        FAIL();
    } catch (const RenderError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("does not exist"))) << e.description().toStdString();
    }
    EXPECT_THROW(exportPdf(l, QString()), RenderError);
    EXPECT_THROW(exportPdf(l, dir.path()), RenderError);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(dir.path()).isWritable()) GTEST_SKIP() << "running as a user who may write anywhere";
    EXPECT_THROW(exportPdf(l, dir.filePath(QStringLiteral("x.pdf"))), RenderError);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}
