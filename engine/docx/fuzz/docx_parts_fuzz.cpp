// Fuzzes the part readers behind a valid package: the input is the XML of the document,
// styles and numbering parts, separated by NUL bytes, so the mutations reach the XML
// instead of stopping at the zip's checksums.
#include "engine/docx/fuzz/fuzz_check.h"
#include "engine/docx/package.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> pieces = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    const char* names[] = {"word/document.xml", "word/styles.xml", "word/numbering.xml"};
    const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    engine::docx::PackageWriter w;
    w.add(QStringLiteral("_rels/.rels"),
          "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
          "<Relationship Id=\"r1\" Type=\"" + rel + "officeDocument\" Target=\"word/document.xml\"/></Relationships>");
    w.add(QStringLiteral("word/_rels/document.xml.rels"),
          "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
          "<Relationship Id=\"r1\" Type=\"" + rel + "styles\" Target=\"styles.xml\"/>"
          "<Relationship Id=\"r2\" Type=\"" + rel + "numbering\" Target=\"numbering.xml\"/></Relationships>");
    for (int i = 0; i < 3 && i < pieces.size(); ++i) w.add(QString::fromLatin1(names[i]), pieces[i]);
    docx_fuzz::check(w.finish());
    return 0;
}
