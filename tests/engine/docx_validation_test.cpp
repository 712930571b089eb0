// Saved files checked by other programs: the transitional schemas with xmllint (and the
// stricter property-order variant), LibreOffice, and python-docx. Each check skips with a
// message when its tool or the schemas are missing.

#include "tests/engine/docx_support.h"

#include "engine/docx/docx.h"
#include "engine/docx/xml_order.h"
#include "engine/model/dump.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#ifdef QUILLORY_HAVE_AUTOMATION
#include "engine/automation/application.h"
#include "tests/engine/resume_calls.h"
#endif

using namespace engine;
using namespace engine::model;

namespace {

// What a saved document holds, for the checks of what other programs show.
enum class Kind { Blank, Sample, Generated, GeneratedEmpty, Every };

struct Saved {
    QString name;
    QString path;
    Document doc;
    Kind kind;
};

/// The documents under test, saved once for all checks.
class SavedFiles {
  public:
    static SavedFiles& get() {
        static SavedFiles files;
        return files;
    }
    const std::vector<Saved>& all() const { return saved_; }
    QString tempPath(const QString& name) const { return dir_.filePath(name); }

  private:
    SavedFiles() {
        add(QStringLiteral("blank"), Document(), QStringLiteral(".docx"), Kind::Blank);
        for (int n : {0, 1, 2, 5})
            add(QStringLiteral("resume%1").arg(n), docx_test::sampleResume(n),
                QStringLiteral(".docx"), Kind::Sample);
        add(QStringLiteral("every"), docx_test::everyFeature(), QStringLiteral(".docx"),
            Kind::Every);
        // The temporary résumé carries a .doc name; its content is the same package.
        add(QStringLiteral("varlin12345678"), docx_test::sampleResume(2), QStringLiteral(".doc"),
            Kind::Sample);
        // A file as read back and saved again.
        add(QStringLiteral("reopened"), docx::load(saved_[2].path), QStringLiteral(".docx"),
            Kind::Sample);
#ifdef QUILLORY_HAVE_AUTOMATION
        // Résumés built by the generator's own calls on the engine and saved by SaveAs.
        for (const auto& [n, m] :
             {std::pair{0, 0}, std::pair{1, 2}, std::pair{2, 1}, std::pair{5, 3}})
            generate(QStringLiteral("generated%1x%2").arg(n).arg(m), resume_calls::sample(n, m),
                     Kind::Generated);
        generate(QStringLiteral("generated-empty"), resume_calls::ResumeData{},
                 Kind::GeneratedEmpty);
#endif
    }
    void add(const QString& name, Document d, const QString& ext, Kind kind) {
        const QString path = dir_.filePath(name + ext);
        docx::save(d, path);
        saved_.push_back(Saved{name, path, std::move(d), kind});
    }
#ifdef QUILLORY_HAVE_AUTOMATION
    void generate(const QString& name, const resume_calls::ResumeData& data, Kind kind) {
        engine::registerWordApplication();
        resume_calls::Built b = resume_calls::buildResume(data);
        const QString path = dir_.filePath(name + QStringLiteral(".doc"));
        b.document.call(QStringLiteral("SaveAs"), {path});
        Document model = *engine::modelOf(b.document.ptr());
        b.document.call(QStringLiteral("Close"), {ole::I2(0)});
        b.word.call(QStringLiteral("Quit"));
        saved_.push_back(Saved{name, path, std::move(model), kind});
    }
#endif
    QTemporaryDir dir_;
    std::vector<Saved> saved_;
};

// The ECMA-376 schemas are test data kept outside the repository: $QUILLORY_OOXML_SCHEMAS,
// else "shared/ooxml-schemas" beside the checkout, else the workplace's shared folder (a
// clone made elsewhere, as CI makes it, still finds them).
QString schemaDir() {
    const auto env = QProcessEnvironment::systemEnvironment();
    QStringList candidates;
    if (env.contains(QStringLiteral("QUILLORY_OOXML_SCHEMAS")))
        candidates << env.value(QStringLiteral("QUILLORY_OOXML_SCHEMAS"));
    const QString root = env.value(QStringLiteral("QUILLORY_SOURCE_DIR"));
    if (!root.isEmpty()) candidates << root + QStringLiteral("/../shared/ooxml-schemas");
    candidates << QStringLiteral("/work/shared/ooxml-schemas");
    for (const QString& c : candidates) {
        const QString dir = QDir::cleanPath(c);
        if (QFile::exists(dir + QStringLiteral("/wml.xsd"))) return dir;
    }
    return {};
}

#define REQUIRE_SCHEMAS()                                                                          \
    const QString schemas = schemaDir();                                                           \
    if (schemas.isEmpty())                                                                         \
        GTEST_SKIP() << "OOXML schemas not found (set QUILLORY_OOXML_SCHEMAS)";                   \
    if (!docx_test::haveProgram(QStringLiteral("xmllint")))                                        \
    GTEST_SKIP() << "xmllint is not installed"

/// Writes the parts of a saved file into `dir`, returning their paths by part name.
std::map<QString, QString> unpack(const Saved& s, const QString& dir) {
    std::map<QString, QString> out;
    for (const auto& [name, bytes] : docx_test::partsOfFile(s.path)) {
        const QString path = dir + QLatin1Char('/') + s.name + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        out[name] = path;
    }
    return out;
}

/// Runs xmllint with one schema over files; returns the files it did not validate, with
/// its messages.
QString xmllint(const QString& schema, const QStringList& files) {
    QByteArray out;
    const int rc = docx_test::run(QStringLiteral("xmllint"),
                                  QStringList{QStringLiteral("--noout"), QStringLiteral("--nonet"),
                                              QStringLiteral("--schema"), schema} +
                                      files,
                                  &out);
    if (rc == 0)
        return {};
    QStringList problems;
    for (const QByteArray& line : out.split('\n'))
        if (!line.isEmpty() && !line.endsWith(" validates") && !line.contains("Skipping import"))
            problems << QString::fromUtf8(line);
    return problems.join(QLatin1Char('\n')) + QStringLiteral(" (exit %1)").arg(rc);
}

const QStringList kWordParts = {
    QStringLiteral("word/document.xml"), QStringLiteral("word/styles.xml"),
    QStringLiteral("word/numbering.xml"), QStringLiteral("word/settings.xml")};

} // namespace

TEST(docx_schema, every_part_validates_against_the_transitional_schemas) {
    REQUIRE_SCHEMAS();
    QTemporaryDir dir;
    QStringList wml, types, rels;
    for (const Saved& s : SavedFiles::get().all()) {
        const auto parts = unpack(s, dir.path());
        for (const QString& p : kWordParts)
            wml << parts.at(p);
        types << parts.at(QStringLiteral("[Content_Types].xml"));
        rels << parts.at(QStringLiteral("_rels/.rels"))
             << parts.at(QStringLiteral("word/_rels/document.xml.rels"));
    }
    EXPECT_EQ(xmllint(schemas + QStringLiteral("/wml.xsd"), wml), QString());
    EXPECT_EQ(xmllint(schemas + QStringLiteral("/opc-contentTypes.xsd"), types), QString());
    EXPECT_EQ(xmllint(schemas + QStringLiteral("/opc-relationships.xsd"), rels), QString());
}

TEST(docx_schema, property_order_passes_the_stricter_check) {
    REQUIRE_SCHEMAS();
    if (!docx_test::haveProgram(QStringLiteral("sed")))
        GTEST_SKIP() << "sed is not installed";
    // The variant that turns run and row properties from a choice into the declared
    // sequence, made as the schemas' README says, in a scratch folder.
    QTemporaryDir scratch;
    for (const QString& f : QDir(schemas).entryList({QStringLiteral("*.xsd")}))
        ASSERT_TRUE(QFile::copy(schemas + QLatin1Char('/') + f, scratch.filePath(f)));
    QByteArray ordered;
    ASSERT_EQ(
        docx_test::run(
            QStringLiteral("sed"),
            {QStringLiteral("-e"),
             QStringLiteral(
                 "/<xsd:group "
                 "name=\"EG_RPrBase\">/,/<\\/xsd:group>/{s/<xsd:choice>/<xsd:sequence>/;"
                 "s/<\\/xsd:choice>/<\\/xsd:sequence>/;s/\"\\/>/\" minOccurs=\"0\"\\/>/}"),
             QStringLiteral("-e"),
             QStringLiteral(
                 "s/<xsd:group ref=\"EG_RPrBase\" minOccurs=\"0\" maxOccurs=\"unbounded\"\\/>/"
                 "<xsd:group ref=\"EG_RPrBase\" minOccurs=\"0\"\\/>/"),
             QStringLiteral("-e"),
             QStringLiteral(
                 "/<xsd:complexType name=\"CT_TrPrBase\">/,/<\\/xsd:complexType>/{s/<xsd:choice "
                 "maxOccurs=\"unbounded\">/<xsd:sequence>/;s/<\\/xsd:choice>/<\\/xsd:sequence>/}"),
             schemas + QStringLiteral("/wml.xsd")},
            &ordered),
        0);
    ASSERT_TRUE(ordered.contains("<xsd:group ref=\"EG_RPrBase\" minOccurs=\"0\"/>"));
    QFile out(scratch.filePath(QStringLiteral("wml-ordered.xsd")));
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(ordered);
    out.close();

    QTemporaryDir dir;
    QStringList files;
    for (const Saved& s : SavedFiles::get().all()) {
        const auto parts = unpack(s, dir.path());
        for (const QString& p : kWordParts)
            files << parts.at(p);
    }
    EXPECT_EQ(xmllint(out.fileName(), files), QString());

    // The check itself catches a misplaced property.
    QFile bad(dir.filePath(QStringLiteral("bad.xml")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(docx_test::documentXml(
        "<w:p><w:r><w:rPr><w:sz w:val=\"16\"/><w:b/></w:rPr><w:t>x</w:t></w:r></w:p>"));
    bad.close();
    EXPECT_NE(xmllint(out.fileName(), {bad.fileName()}), QString());
}

TEST(docx_schema, written_down_child_orders_agree_with_wml_xsd) {
    REQUIRE_SCHEMAS();
    pugi::xml_document xsd;
    ASSERT_TRUE(xsd.load_file((schemas + QStringLiteral("/wml.xsd")).toUtf8().constData()));
    // Element names in schema order of the given types and groups, concatenated.
    const auto flatten = [&](std::initializer_list<const char*> names) {
        std::vector<std::string> out;
        for (const char* n : names) {
            pugi::xml_node def = xsd.document_element().find_child([&](pugi::xml_node c) {
                return (std::string(c.name()) == "xsd:complexType" ||
                        std::string(c.name()) == "xsd:group") &&
                       std::string(c.attribute("name").value()) == n;
            });
            EXPECT_TRUE(def) << n;
            for (pugi::xpath_node e : def.select_nodes(".//xsd:element[@name]"))
                out.push_back(std::string("w:") + e.node().attribute("name").value());
        }
        return out;
    };
    const std::map<std::string_view, std::vector<std::string>> schemaOrder = {
        {"w:rPr", flatten({"EG_RPrBase", "EG_RPrContent"})},
        {"w:pPr", flatten({"CT_PPrBase", "CT_PPr"})},
        {"w:tblPr", flatten({"CT_TblPrBase", "CT_TblPr"})},
        {"w:trPr", flatten({"CT_TrPrBase", "CT_TrPr"})},
        {"w:tcPr", flatten({"CT_TcPrBase", "EG_CellMarkupElements", "CT_TcPr"})},
        {"w:tbl", flatten({"CT_Tbl", "EG_ContentRowContent"})},
        {"w:tr", flatten({"CT_Row", "EG_ContentCellContent"})},
        {"w:tblBorders", flatten({"CT_TblBorders"})},
        {"w:tcBorders", flatten({"CT_TcBorders"})},
        {"w:tblCellMar", flatten({"CT_TblCellMar"})},
        {"w:tcMar", flatten({"CT_TcMar"})},
        {"w:sectPr", flatten({"EG_HdrFtrReferences", "EG_SectPrContents", "CT_SectPr"})},
        {"w:lvl", flatten({"CT_Lvl"})},
        {"w:abstractNum", flatten({"CT_AbstractNum"})},
        {"w:num", flatten({"CT_Num"})},
        {"w:numbering", flatten({"CT_Numbering"})},
        {"w:style", flatten({"CT_Style"})},
        {"w:styles", flatten({"CT_Styles"})},
        {"w:docDefaults", flatten({"CT_DocDefaults"})},
        {"w:settings", flatten({"CT_Settings"})},
    };
    for (const auto& [parent, sequence] : docx::xml::allSequences()) {
        const auto it = schemaOrder.find(parent);
        ASSERT_NE(it, schemaOrder.end()) << "no schema type named for " << parent;
        int last = -1;
        for (std::string_view child : sequence) {
            const auto pos = std::find(it->second.begin(), it->second.end(), child);
            ASSERT_NE(pos, it->second.end()) << child << " is not a child of " << parent;
            const int index = int(pos - it->second.begin());
            EXPECT_GT(index, last) << child << " is out of order in " << parent;
            last = index;
        }
    }
}

TEST(docx_libreoffice, every_saved_file_opens_and_shows_its_text) {
    for (const char* tool : {"soffice", "pdftotext", "pdfinfo"})
        if (!docx_test::haveProgram(QString::fromLatin1(tool)))
            GTEST_SKIP() << tool << " is not installed";
    QTemporaryDir dir;
    QStringList args = docx_test::libreOfficeConvertArgs(
        dir.filePath(QStringLiteral("profile")), QStringLiteral("pdf"), dir.filePath(QStringLiteral("pdf")));
    for (const Saved& s : SavedFiles::get().all())
        args << s.path;
    QByteArray log;
    ASSERT_EQ(docx_test::run(QStringLiteral("soffice"), args, &log, 300000), 0) << log.constData();

    for (const Saved& s : SavedFiles::get().all()) {
        const QString pdf = dir.filePath(QStringLiteral("pdf/") + s.name + QStringLiteral(".pdf"));
        ASSERT_TRUE(QFile::exists(pdf)) << qPrintable(s.name) << "\n" << log.constData();
        QByteArray text, info;
        ASSERT_EQ(docx_test::run(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), pdf, QStringLiteral("-")}, &text),
                  0);
        ASSERT_EQ(docx_test::run(QStringLiteral("pdfinfo"), {pdf}, &info), 0);
        const QString t = QString::fromUtf8(text);
        const bool onePage = info.contains("Pages:           1");
        const auto expectTexts = [&](std::initializer_list<const char*> texts) {
            for (const char* expected : texts)
                EXPECT_TRUE(t.contains(QString::fromUtf8(expected)))
                    << qPrintable(s.name) << ": " << expected << "\n"
                    << text.constData();
        };
        switch (s.kind) {
        case Kind::Sample:
            expectTexts({"Alex Morrow", "42 Juniper Lane, Cedarbrook NH 04417", "SKILLS/ABILITIES",
                         "Photoshop", "2 years of experience", "WORK HISTORY", "EDUCATION",
                         "Cedarbrook High School, Cedarbrook NH"});
            // Title and dates share a line: the table's columns stand side by side.
            EXPECT_TRUE(
                t.contains(QRegularExpression(QStringLiteral("High School Diploma +2000 to 2004"))))
                << qPrintable(s.name);
            EXPECT_TRUE(onePage) << qPrintable(s.name) << info.constData();
            EXPECT_TRUE(info.contains("612 x 792 pts (letter)")) << info.constData();
            break;
        case Kind::Generated:
            expectTexts({"Alex Morrow", "12 Elm Street, Springfield 12345", "SKILLS/ABILITIES",
                         "WORK HISTORY", "EDUCATION"});
            // An italic run before upright text can gain a space in the extracted text.
            EXPECT_TRUE(
                t.contains(QRegularExpression(QStringLiteral("State University ?, Capital City"))))
                << qPrintable(s.name);
            // Longer ones take two pages; page counts are compared with the engine's own elsewhere.
            if (!s.name.startsWith(QLatin1String("generated5"))) {
                EXPECT_TRUE(
                    t.contains(QRegularExpression(QStringLiteral("B.Sc. Computing +2006 - 2010"))))
                    << qPrintable(s.name);
                EXPECT_TRUE(onePage) << qPrintable(s.name) << info.constData();
            }
            break;
        case Kind::GeneratedEmpty:
            expectTexts({"SKILLS/ABILITIES", "WORK HISTORY", "EDUCATION"});
            EXPECT_TRUE(onePage) << qPrintable(s.name) << info.constData();
            break;
        case Kind::Every:
            expectTexts({"Every feature", "underlined red", "spanning", "inner", "centred",
                         "Level 9", "A bullet"});
            EXPECT_TRUE(info.contains("841.89 x 595.304 pts (A4)"))
                << info.constData(); // landscape
            break;
        case Kind::Blank:
            EXPECT_TRUE(onePage) << qPrintable(s.name) << info.constData();
            break;
        }
    }
}

namespace {

const char kPythonReader[] = R"PY(
import json, sys, docx
from docx.table import _Cell

def table_json(t):
    rows = []
    for tr in t._tbl.tr_lst:
        cells = []
        for tc in tr.tc_lst:
            cell = _Cell(tc, t)
            cells.append({"span": tc.grid_span, "text": cell.text, "tables": [table_json(n) for n in cell.tables]})
        rows.append(cells)
    return rows

def num_id(p):
    pPr = p._p.pPr
    if pPr is None or pPr.numPr is None or pPr.numPr.numId is None:
        return None
    return pPr.numPr.numId.val

d = docx.Document(sys.argv[1])
print(json.dumps({"tables": [table_json(t) for t in d.tables],
                  "paragraphs": [[p.text, num_id(p)] for p in d.paragraphs],
                  "title": d.core_properties.title or ""}))
)PY";

QString pythonText(const Paragraph& p) {
    QString t = p.text();
    t.replace(kLineBreak, QLatin1Char('\n')).replace(QChar(0x0C), QLatin1Char('\n'));
    return t;
}

QJsonArray tableJson(const Table& t) {
    QJsonArray rows;
    for (const Row& r : t.rows) {
        QJsonArray cells;
        for (const Cell& c : r.cells) {
            QStringList texts;
            QJsonArray nested;
            for (const Block& b : c.blocks) {
                if (const Paragraph* p = std::get_if<Paragraph>(&b))
                    texts << pythonText(*p);
                else
                    nested.append(tableJson(std::get<Table>(b)));
            }
            cells.append(QJsonObject{{"span", c.format.gridSpan},
                                     {"text", texts.join(QLatin1Char('\n'))},
                                     {"tables", nested}});
        }
        rows.append(cells);
    }
    return rows;
}

/// What python-docx should report for a document, built from the model.
QJsonObject expectedJson(const Document& d, bool withParagraphs) {
    QJsonArray tables, paragraphs;
    for (const Block& b : d.body) {
        if (const Table* t = std::get_if<Table>(&b)) {
            tables.append(tableJson(*t));
        } else {
            const Paragraph& p = std::get<Paragraph>(b);
            paragraphs.append(QJsonArray{
                pythonText(p), p.format.list ? QJsonValue(p.format.list->listId) : QJsonValue()});
        }
    }
    QJsonObject o{{"tables", tables}, {"title", d.info.title}};
    if (withParagraphs)
        o.insert(QStringLiteral("paragraphs"), paragraphs);
    return o;
}

} // namespace

TEST(docx_python_docx, reads_the_same_tables_paragraphs_and_lists) {
    const QString python = QStringLiteral("/usr/bin/python3");
    if (!QFile::exists(python) ||
        docx_test::run(python, {QStringLiteral("-c"), QStringLiteral("import docx")}) != 0)
        GTEST_SKIP() << "python3-docx is not installed";
    QTemporaryDir dir;
    QFile script(dir.filePath(QStringLiteral("read.py")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(kPythonReader);
    script.close();
    for (const Saved& s : SavedFiles::get().all()) {
        QByteArray out;
        ASSERT_EQ(docx_test::run(python, {script.fileName(), s.path}, &out), 0)
            << qPrintable(s.name) << out.constData();
        QJsonObject got = QJsonDocument::fromJson(out).object();
        // Control characters in body text are dropped on saving; compare body paragraphs of
        // the documents that have none.
        const bool withParagraphs = s.kind != Kind::Every;
        if (!withParagraphs)
            got.remove(QStringLiteral("paragraphs"));
        const QJsonObject expected = expectedJson(s.doc, withParagraphs);
        EXPECT_EQ(got, expected)
            << qPrintable(s.name) << "\npython-docx: " << out.constData()
            << "\nmodel: " << QJsonDocument(expected).toJson(QJsonDocument::Compact).constData();
    }
}

TEST(docx_python_docx, our_reader_and_python_docx_agree_on_a_file_python_docx_wrote) {
    const QString python = QStringLiteral("/usr/bin/python3");
    if (!QFile::exists(python) ||
        docx_test::run(python, {QStringLiteral("-c"), QStringLiteral("import docx")}) != 0)
        GTEST_SKIP() << "python3-docx is not installed";
    // python-docx's own template is an ordinary Word file with a theme, latent styles and
    // many styles this engine does not write.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("by-python.docx"));
    const QString code = QStringLiteral(R"PY(
import docx, sys
d = docx.Document()
d.add_heading('Heading one', 1)
p = d.add_paragraph('plain ')
p.add_run('bold').bold = True
p.add_run(' italic').italic = True
d.add_paragraph('first bullet', style='List Bullet')
d.add_paragraph('second number', style='List Number')
t = d.add_table(rows=2, cols=3)
t.style = 'Table Grid'
t.cell(0, 0).merge(t.cell(0, 1)).text = 'merged'
t.cell(1, 2).text = 'last'
d.core_properties.title = 'From python'
d.save(sys.argv[1])
)PY");
    QByteArray out;
    ASSERT_EQ(docx_test::run(python, {QStringLiteral("-c"), code, path}, &out), 0)
        << out.constData();
    const Document d = docx::load(path);
    EXPECT_EQ(d.info.title, QStringLiteral("From python"));
    ASSERT_GE(d.body.size(), 5u);
    const Paragraph& heading = std::get<Paragraph>(d.body[0]);
    EXPECT_EQ(heading.style, QStringLiteral("Heading 1"));
    const Paragraph& mixed = std::get<Paragraph>(d.body[1]);
    ASSERT_EQ(mixed.runs.size(), 3u);
    EXPECT_EQ(mixed.runs[1].format.bold, true);
    EXPECT_EQ(mixed.runs[2].format.italic, true);
    const Paragraph& bullet = std::get<Paragraph>(d.body[2]);
    EXPECT_EQ(bullet.style, QStringLiteral("List Bullet"));
    const ParaFormat effective = d.effectiveParaFormat(bullet);
    ASSERT_TRUE(effective.list) << "the list comes from the style";
    const ListLevel* level = d.listLevel(effective);
    ASSERT_TRUE(level);
    EXPECT_EQ(level->numberStyle, NumberStyle::Bullet);
    const Table& t = std::get<Table>(d.body[4]);
    EXPECT_EQ(t.format.style, QStringLiteral("Table Grid"));
    ASSERT_EQ(t.rows.size(), 2u);
    ASSERT_EQ(t.rows[0].cells.size(), 2u);
    EXPECT_EQ(t.rows[0].cells[0].format.gridSpan, 2);
    EXPECT_EQ(std::get<Paragraph>(t.rows[0].cells[0].blocks[0]).text(), QStringLiteral("merged"));
    EXPECT_EQ(std::get<Paragraph>(t.rows[1].cells[2].blocks[0]).text(), QStringLiteral("last"));

    // And what this engine saves from it, python-docx reads the same way.
    const QString again = dir.filePath(QStringLiteral("again.docx"));
    docx::save(d, again);
    QFile script(dir.filePath(QStringLiteral("read.py")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(kPythonReader);
    script.close();
    ASSERT_EQ(docx_test::run(python, {script.fileName(), again}, &out), 0) << out.constData();
    EXPECT_EQ(QJsonDocument::fromJson(out).object(), expectedJson(d, true)) << out.constData();
}

TEST(docx_generated, a_saved_file_opens_as_the_document_that_was_saved) {
    int checked = 0;
    for (const Saved& s : SavedFiles::get().all()) {
        if (s.kind != Kind::Generated && s.kind != Kind::GeneratedEmpty && s.kind != Kind::Sample)
            continue;
        const Document back = docx::load(s.path);
        EXPECT_EQ(dump(back), dump(s.doc)) << qPrintable(s.name);
        EXPECT_EQ(back.listTemplates, s.doc.listTemplates) << qPrintable(s.name);
        EXPECT_EQ(back.styles, s.doc.styles) << qPrintable(s.name);
        const auto saved = docx_test::partsOfFile(s.path);
        const auto again = docx_test::partsOf(docx::toPackage(back));
        for (const auto& [part, xml] : saved)
            EXPECT_EQ(xml, again.at(part)) << qPrintable(s.name) << " " << qPrintable(part);
        ++checked;
    }
    EXPECT_GE(checked, 5);
}

TEST(docx_libreoffice, a_file_libreoffice_wrote_from_ours_reads_back_the_same) {
    if (!docx_test::haveProgram(QStringLiteral("soffice")))
        GTEST_SKIP() << "soffice is not installed";
    // LibreOffice is an ordinary Word file writer of its own: it rewrites every part.
    QTemporaryDir dir;
    QStringList args = docx_test::libreOfficeConvertArgs(
        dir.filePath(QStringLiteral("profile")), QStringLiteral("docx:MS Word 2007 XML"), dir.filePath(QStringLiteral("out")));
    std::vector<const Saved*> resumes;
    for (const Saved& s : SavedFiles::get().all()) {
        if (s.kind != Kind::Sample && s.kind != Kind::Generated)
            continue;
        resumes.push_back(&s);
        args << s.path;
    }
    QByteArray log;
    ASSERT_EQ(docx_test::run(QStringLiteral("soffice"), args, &log, 300000), 0) << log.constData();
    for (const Saved* s : resumes) {
        const QString path =
            dir.filePath(QStringLiteral("out/") + s->name + QStringLiteral(".docx"));
        const Document theirs = docx::load(path);
        EXPECT_EQ(dump(theirs, {false}), dump(s->doc, {false})) << qPrintable(s->name);
        // And what we save from it is stable.
        const QByteArray once = docx::toPackage(theirs);
        EXPECT_EQ(docx::toPackage(docx::fromPackage(once)), once) << qPrintable(s->name);
    }
}
