// A corpus of damaged and foreign files: each is read or refused with a description a
// person can read, never a crash; and a deterministic mutation run over a good file.

#include "tests/engine/docx_corpus.h"
#include "tests/engine/docx_support.h"

#include "engine/docx/docx.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace engine;

namespace {

class DamagedFile : public ::testing::TestWithParam<docx_test::CorpusFile> {};

std::string nameOf(const ::testing::TestParamInfo<docx_test::CorpusFile>& info) {
    std::string n = info.param.name;
    for (char& c : n)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return n;
}

} // namespace

TEST_P(DamagedFile, is_read_or_refused_readably) {
    const docx_test::CorpusFile& f = GetParam();
    try {
        const model::Document d = docx::fromPackage(f.bytes);
        EXPECT_TRUE(f.expect.isEmpty()) << "read, but should fail with: " << qPrintable(f.expect);
        ASSERT_FALSE(d.body.empty());
        EXPECT_TRUE(model::isParagraph(d.body.back()));
    } catch (const docx::ReadError& e) {
        EXPECT_FALSE(f.expect.isEmpty()) << "refused: " << qPrintable(e.description());
        EXPECT_TRUE(e.description().contains(f.expect)) << qPrintable(e.description());
    }
}

TEST_P(DamagedFile, refusal_from_a_file_names_the_file) {
    const docx_test::CorpusFile& f = GetParam();
    if (f.expect.isEmpty())
        GTEST_SKIP() << "this file is readable";
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(f.name) + QStringLiteral(".docx"));
    {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(f.bytes);
    }
    try {
        docx::load(path);
        ADD_FAILURE() << "loaded";
    } catch (const docx::ReadError& e) {
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("The file \"") + path +
                                               QStringLiteral("\" cannot be opened: ")))
            << qPrintable(e.description());
        EXPECT_TRUE(e.description().contains(f.expect)) << qPrintable(e.description());
        EXPECT_STREQ(e.what(), e.description().toUtf8().constData());
    }
}

INSTANTIATE_TEST_SUITE_P(corpus, DamagedFile, ::testing::ValuesIn(docx_test::damagedCorpus()),
                         nameOf);

TEST(docx_damaged, missing_files_and_folders_are_refused_readably) {
    QTemporaryDir dir;
    for (const QString& path : {dir.filePath(QStringLiteral("nothing.docx")), dir.path()}) {
        try {
            docx::load(path);
            ADD_FAILURE() << qPrintable(path);
        } catch (const docx::ReadError& e) {
            EXPECT_TRUE(e.description().contains(path)) << qPrintable(e.description());
        }
    }
}

TEST(docx_damaged, limits_stop_oversized_packages) {
    const QByteArray good = docx::toPackage(docx_test::sampleResume(1));
    docx::ReadLimits small;
    small.maxPartBytes = 1000;
    EXPECT_THROW(docx::fromPackage(good, small), docx::ReadError);
    docx::ReadLimits fewEntries;
    fewEntries.maxEntries = 3;
    EXPECT_THROW(docx::fromPackage(good, fewEntries), docx::ReadError);
    docx::ReadLimits tinyFile;
    tinyFile.maxFileBytes = 100;
    EXPECT_THROW(docx::fromPackage(good, tinyFile), docx::ReadError);
}

TEST(docx_damaged, a_highly_compressed_part_is_stopped_at_the_limit) {
    // 300 MB of one repeated paragraph compresses to well under a megabyte.
    QByteArray body;
    const QByteArray p =
        "<w:p><w:r><w:t>aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa</w:t></w:r></w:p>";
    body.reserve(80 << 20);
    while (body.size() < (70 << 20))
        body += p;
    const QByteArray bomb = docx_test::wordPackage(body);
    EXPECT_LT(bomb.size(), 2 << 20);
    try {
        docx::fromPackage(bomb);
        ADD_FAILURE() << "read";
    } catch (const docx::ReadError& e) {
        EXPECT_TRUE(e.description().contains(QLatin1String("too large")))
            << qPrintable(e.description());
    }
}

// Random damage to the XML of a good document, repackaged so the damage reaches the
// parsers: every result must be a document or a ReadError.
TEST(docx_damaged, mutated_documents_never_crash) {
    const auto parts = docx::packageParts(docx_test::everyFeature());
    QRandomGenerator rng(20240601);
    int read = 0, refused = 0;
    for (int round = 0; round < 300; ++round) {
        auto mutated = parts;
        for (auto& [name, xml] : mutated) {
            if (!name.startsWith(QLatin1String("word/")) || name.endsWith(QLatin1String(".rels")))
                continue;
            const int edits = 1 + int(rng.bounded(4));
            for (int e = 0; e < edits && !xml.isEmpty(); ++e) {
                const int at = int(rng.bounded(quint32(xml.size())));
                const int len = 1 + int(rng.bounded(40));
                switch (rng.bounded(4)) {
                case 0:
                    xml.remove(at, len);
                    break; // cut
                case 1:
                    xml.insert(at, xml.mid(int(rng.bounded(quint32(xml.size()))), len));
                    break; // copy
                case 2:
                    xml[at] = char(rng.bounded(256));
                    break; // flip
                case 3:
                    xml.insert(at, "<w:tbl><w:tr><w:tc>");
                    break; // open a table
                }
            }
        }
        try {
            const model::Document d = docx::fromPackage(docx_test::makePackage(mutated));
            ASSERT_FALSE(d.body.empty());
            ++read;
        } catch (const docx::ReadError&) {
            ++refused;
        }
    }
    EXPECT_EQ(read + refused, 300);
}
