// Saving to a file: a complete package or nothing, beside the target, with the
// permissions of an ordinary file.

#include "tests/engine/docx_support.h"

#include "engine/docx/docx.h"
#include "engine/model/dump.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

using namespace engine;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QString saveError(const model::Document& d, const QString& path) {
    try {
        docx::save(d, path);
    } catch (const docx::WriteError& e) {
        return e.description();
    }
    return QStringLiteral("(saved)");
}

mode_t permissionsOf(const QString& path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 0777;
}

class UmaskGuard {
  public:
    explicit UmaskGuard(mode_t m) : old_(::umask(m)) {}
    ~UmaskGuard() { ::umask(old_); }

  private:
    mode_t old_;
};

} // namespace

TEST(docx_save, writes_a_word_package_whatever_the_extension) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("varlin12345678.doc"));
    docx::save(docx_test::sampleResume(1), path);
    const QByteArray bytes = readAll(path);
    EXPECT_TRUE(bytes.startsWith("PK\x03\x04"));
    EXPECT_EQ(bytes, docx::toPackage(docx_test::sampleResume(1)));
    EXPECT_EQ(model::dump(docx::load(path)), model::dump(docx_test::sampleResume(1)));
    EXPECT_EQ(entries(dir.path()), QStringList{"varlin12345678.doc"})
        << "no temporary file is left beside it";
}

TEST(docx_save, replaces_an_existing_file_whole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("resume.docx"));
    writeAll(path, QByteArray(200000, 'x')); // longer than the package: nothing of it may remain
    docx::save(docx_test::sampleResume(0), path);
    EXPECT_EQ(readAll(path), docx::toPackage(docx_test::sampleResume(0)));
    EXPECT_EQ(entries(dir.path()), QStringList{"resume.docx"});
}

TEST(docx_save, new_files_get_the_permissions_of_an_ordinary_file) {
    QTemporaryDir dir;
    {
        UmaskGuard m(022);
        docx::save(model::Document(), dir.filePath(QStringLiteral("a.docx")));
    }
    EXPECT_EQ(permissionsOf(dir.filePath(QStringLiteral("a.docx"))), mode_t(0644));
    {
        UmaskGuard m(077);
        docx::save(model::Document(), dir.filePath(QStringLiteral("b.docx")));
    }
    EXPECT_EQ(permissionsOf(dir.filePath(QStringLiteral("b.docx"))), mode_t(0600));
}

TEST(docx_save, a_replaced_file_keeps_its_permissions) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shared.docx"));
    writeAll(path, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    UmaskGuard m(077);
    docx::save(model::Document(), path);
    EXPECT_EQ(permissionsOf(path), mode_t(0640));
}

TEST(docx_save, failures_name_the_file_and_leave_everything_as_it_was) {
    QTemporaryDir dir;
    writeAll(dir.filePath(QStringLiteral("plain.txt")), "keep");
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    const QStringList before = entries(dir.path());

    const QString missingDir =
        saveError(model::Document(), dir.filePath(QStringLiteral("no/such/folder/x.docx")));
    EXPECT_TRUE(missingDir.contains(QLatin1String("x.docx"))) << qPrintable(missingDir);
    EXPECT_TRUE(missingDir.startsWith(QLatin1String("The file"))) << qPrintable(missingDir);
    const QString folder = saveError(model::Document(), dir.filePath(QStringLiteral("folder")));
    EXPECT_TRUE(folder.contains(QLatin1String("folder"))) << qPrintable(folder);
    const QString underFile =
        saveError(model::Document(), dir.filePath(QStringLiteral("plain.txt/x.docx")));
    EXPECT_NE(underFile, QStringLiteral("(saved)"));
    EXPECT_NE(saveError(model::Document(), QString()), QStringLiteral("(saved)"));

    EXPECT_EQ(entries(dir.path()), before);
    EXPECT_EQ(readAll(dir.filePath(QStringLiteral("plain.txt"))), QByteArray("keep"));
    EXPECT_TRUE(entries(dir.filePath(QStringLiteral("folder"))).isEmpty());
}

TEST(docx_save, unwritable_folder_leaves_the_old_file) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("resume.docx"));
    writeAll(path, "old content");
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
    const QString error = saveError(model::Document(), path);
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_NE(error, QStringLiteral("(saved)"));
    EXPECT_EQ(readAll(path), QByteArray("old content"));
    EXPECT_EQ(entries(dir.path()), QStringList{"resume.docx"});
}

TEST(docx_save, a_model_that_breaks_its_own_rules_still_gives_a_readable_file) {
    model::Document d;
    model::Table t; // no grid, a cell without blocks, a span wider than the grid
    model::Row r;
    model::Cell c;
    c.format.gridSpan = 4;
    r.cells.push_back(c);
    t.rows.push_back(r);
    d.body = {t}; // and no final paragraph
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("odd.docx"));
    docx::save(d, path);
    const model::Document back = docx::load(path);
    ASSERT_EQ(back.body.size(), 2u);
    const auto& table = std::get<model::Table>(back.body[0]);
    EXPECT_EQ(table.grid.size(), 4u);
    EXPECT_EQ(table.rows.at(0).cells.at(0).format.gridSpan, 4);
    EXPECT_TRUE(model::isParagraph(table.rows[0].cells[0].blocks.back()));
}
