#include "tests/engine/docx_corpus.h"

#include "tests/engine/docx_support.h"

#include "engine/docx/docx.h"

namespace docx_test {

namespace {

QByteArray nested(const char* open, const char* close, int depth, const QByteArray& inner) {
    QByteArray out;
    for (int i = 0; i < depth; ++i)
        out += open;
    out += inner;
    for (int i = 0; i < depth; ++i)
        out += close;
    return out;
}

// The sample's package with one part replaced.
QByteArray withPart(const QString& part, const QByteArray& xml) {
    auto parts = engine::docx::packageParts(sampleResume(1));
    for (auto& [name, bytes] : parts)
        if (name == part)
            bytes = xml;
    return makePackage(parts);
}

QByteArray flipCompressedBytes(QByteArray zip) {
    // Local file headers are 30 bytes plus name; damage the middle of the document's data.
    const int at = zip.indexOf("word/document.xml");
    if (at > 0)
        for (int i = at + 40; i < at + 80 && i < zip.size(); ++i)
            zip[i] = char(zip[i] ^ 0x5A);
    return zip;
}

} // namespace

std::vector<CorpusFile> damagedCorpus() {
    const QByteArray good = engine::docx::toPackage(sampleResume(1));
    const QString notZip = QStringLiteral("not a ZIP package");
    std::vector<CorpusFile> c;
    c.push_back({"empty", QByteArray(), QStringLiteral("empty")});
    c.push_back({"plain-text", "Dear Sir or Madam,\nthis is not a document.\n", notZip});
    c.push_back({"word-97-binary", QByteArray::fromHex("D0CF11E0A1B11AE1") + QByteArray(4096, '\0'),
                 QStringLiteral("Word 97-2003")});
    c.push_back({"rtf", "{\\rtf1\\ansi Hello}", QStringLiteral("Rich Text Format")});
    c.push_back({"pdf", "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n", QStringLiteral("PDF")});
    c.push_back({"zip-signature-only", "PK\x03\x04garbage", notZip});
    c.push_back({"truncated-zip", good.left(good.size() / 2), notZip});
    c.push_back({"zip-without-document",
                 makePackage({{QStringLiteral("[Content_Types].xml"), "<Types/>"},
                              {QStringLiteral("readme.txt"), "hi"}}),
                 QStringLiteral("no main document part")});
    c.push_back(
        {"relationship-to-missing-part",
         makePackage(
             {{QStringLiteral("_rels/.rels"),
               "<Relationships "
               "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
               "<Relationship Id=\"a\" "
               "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
               "relationships/officeDocument\" Target=\"word/gone.xml\"/></Relationships>"}}),
         QStringLiteral("word/gone.xml) is missing")});
    c.push_back({"document-not-well-formed",
                 withPart(QStringLiteral("word/document.xml"), "<w:document><w:body><w:p>"),
                 QStringLiteral("word/document.xml is damaged")});
    c.push_back({"document-binary-garbage",
                 withPart(QStringLiteral("word/document.xml"), QByteArray(3000, '\x01')),
                 QStringLiteral("word/document.xml is damaged")});
    c.push_back({"spreadsheet-main-part",
                 withPart(QStringLiteral("word/document.xml"),
                          "<workbook xmlns=\"http://schemas.openxmlformats.org/"
                          "spreadsheetml/2006/main\"><sheets/></workbook>"),
                 QStringLiteral("not what a Word document holds")});
    c.push_back({"document-without-body",
                 withPart(QStringLiteral("word/document.xml"),
                          documentXml("").replace("<w:body></w:body>", "")),
                 QStringLiteral("has no body")});
    c.push_back({"styles-not-well-formed",
                 withPart(QStringLiteral("word/styles.xml"), "<w:styles><w:style>"),
                 QStringLiteral("word/styles.xml is damaged")});
    c.push_back({"numbering-not-well-formed",
                 withPart(QStringLiteral("word/numbering.xml"), "<<>>"),
                 QStringLiteral("word/numbering.xml is damaged")});
    c.push_back({"damaged-compressed-data", flipCompressedBytes(good), QStringLiteral("damaged")});
    c.push_back(
        {"tables-nested-200-deep",
         wordPackage(nested("<w:tbl><w:tr><w:tc>", "<w:p/></w:tc></w:tr></w:tbl>", 200, "<w:p/>") +
                     "<w:p/>"),
         QStringLiteral("nested more than")});
    c.push_back(
        {"content-controls-nested-500-deep",
         wordPackage(nested("<w:sdt><w:sdtContent>", "</w:sdtContent></w:sdt>", 500, "<w:p/>")),
         QStringLiteral("nested more than")});
    c.push_back(
        {"hyperlinks-nested-500-deep",
         wordPackage("<w:p>" +
                     nested("<w:hyperlink>", "</w:hyperlink>", 500, "<w:r><w:t>x</w:t></w:r>") +
                     "</w:p>"),
         QStringLiteral("nested more than")});

    {
        QByteArray wide = "<w:tbl><w:tr>";
        for (int i = 0; i < 200; ++i)
            wide += "<w:tc><w:tcPr><w:gridSpan w:val=\"63\"/></w:tcPr><w:p/></w:tc>";
        wide += "</w:tr></w:tbl><w:p/>";
        c.push_back({"table-12600-columns-wide", wordPackage(wide),
                     QStringLiteral("more than 1000 columns")});
    }

    // Files that look hostile but must simply be read.
    c.push_back({"elements-nested-100000-deep",
                 wordPackage("<w:p>" + nested("<w:customXmlPr>", "</w:customXmlPr>", 100000, "") +
                             "</w:p>"),
                 QString()});
    c.push_back(
        {"tables-nested-10-deep",
         wordPackage(nested("<w:tbl><w:tr><w:tc>", "<w:p/></w:tc></w:tr></w:tbl>", 10, "<w:p/>") +
                     "<w:p/>"),
         QString()});
    c.push_back(
        {"absurd-numbers",
         wordPackage(
             "<w:tbl><w:tblGrid><w:gridCol w:w=\"-500\"/><w:gridCol w:w=\"1e300\"/></w:tblGrid>"
             "<w:tr><w:trPr><w:trHeight w:val=\"99999999999\"/></w:trPr>"
             "<w:tc><w:tcPr><w:gridSpan w:val=\"2147483647\"/><w:tcW "
             "w:w=\"nan\"/></w:tcPr><w:p/></w:tc></w:tr></w:tbl>"
             "<w:p><w:pPr><w:numPr><w:ilvl w:val=\"-3\"/><w:numId w:val=\"-1\"/></w:numPr>"
             "<w:spacing w:line=\"inf\"/><w:ind w:left=\"1e400\"/></w:pPr>"
             "<w:r><w:rPr><w:sz w:val=\"99999999\"/></w:rPr><w:t>x</w:t></w:r></w:p>",
             "<w:style w:styleId=\"A\"><w:name w:val=\"A\"/><w:basedOn w:val=\"B\"/></w:style>"
             "<w:style w:styleId=\"B\"><w:name w:val=\"B\"/><w:basedOn w:val=\"A\"/></w:style>",
             "<w:abstractNum w:abstractNumId=\"0\"><w:lvl w:ilvl=\"0\"><w:start w:val=\"-99999\"/>"
             "<w:lvlRestart w:val=\"77\"/></w:lvl></w:abstractNum><w:num "
             "w:numId=\"1\"><w:abstractNumId w:val=\"0\"/></w:num>"),
         QString()});
    c.push_back(
        {"entity-declarations",
         withPart(
             QStringLiteral("word/document.xml"),
             "<?xml version=\"1.0\"?><!DOCTYPE d [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
             "\"&a;&a;&a;&a;&a;&a;\">"
             "<!ENTITY c \"&b;&b;&b;&b;&b;&b;\">]>" +
                 documentXml("<w:p><w:r><w:t>&c;&c;&c;</w:t></w:r></w:p>")
                     .mid(QByteArray(
                              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n")
                              .size())),
         QString()});
    c.push_back({"utf16-document",
                 withPart(QStringLiteral("word/document.xml"),
                          [] {
                              const QString xml =
                                  QString::fromUtf8(
                                      documentXml("<w:p><w:r><w:t>utf-16 ✓</w:t></w:r></w:p>"))
                                      .replace(QStringLiteral("UTF-8"), QStringLiteral("UTF-16"));
                              QByteArray b("\xFF\xFE");
                              b.append(reinterpret_cast<const char*>(xml.utf16()), xml.size() * 2);
                              return b;
                          }()),
                 QString()});
    return c;
}

} // namespace docx_test
