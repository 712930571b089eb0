// Writes a seed corpus for the fuzz targets into the folder given: whole packages for
// docx_package_fuzz (package-*) and NUL-separated document/styles/numbering XML for
// docx_parts_fuzz (parts-*).
#include "tests/engine/docx_corpus.h"
#include "tests/engine/docx_support.h"

#include "engine/docx/docx.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) return 1;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    };
    const std::pair<const char*, engine::model::Document> docs[] = {
        {"blank", engine::model::Document()},
        {"resume", docx_test::sampleResume(2)},
        {"every", docx_test::everyFeature()},
    };
    for (const auto& [name, doc] : docs) {
        write(QStringLiteral("package-") + QLatin1String(name), engine::docx::toPackage(doc));
        QByteArray parts;
        for (const auto& [part, xml] : engine::docx::packageParts(doc))
            if (part == QLatin1String("word/document.xml") || part == QLatin1String("word/styles.xml") ||
                part == QLatin1String("word/numbering.xml"))
                parts += (parts.isEmpty() ? QByteArray() : QByteArray(1, '\0')) + xml;
        write(QStringLiteral("parts-") + QLatin1String(name), parts);
    }
    for (const docx_test::CorpusFile& f : docx_test::damagedCorpus())
        if (f.bytes.size() < (1 << 20)) write(QStringLiteral("package-damaged-") + QLatin1String(f.name), f.bytes);
    return 0;
}
