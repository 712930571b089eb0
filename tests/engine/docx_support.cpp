#include "tests/engine/docx_support.h"

#include "engine/docx/package.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

using namespace engine::model;

namespace docx_test {

CharFormat tahoma8(bool bold, bool italic) {
    CharFormat f;
    f.fontName = QStringLiteral("Tahoma");
    f.halfPoints = 16;
    if (bold)
        f.bold = true;
    if (italic)
        f.italic = true;
    return f;
}

ListTemplate bulletTemplate() {
    ListTemplate t = ListTemplate::make(QStringLiteral("my list"), true);
    ListLevel& l = t.levels[0];
    l.numberFormat = QString(QChar(0xF0A7));
    l.trailing = TrailingCharacter::Tab;
    l.numberStyle = NumberStyle::Bullet;
    l.numberPosition = 360;
    l.alignment = LevelAlignment::Left;
    l.textPosition = 720;
    l.tabPosition = 720;
    l.resetOnHigher = 0;
    l.startAt = 1;
    l.linkedStyle.clear();
    l.font = CharFormat{};
    l.font.fontName = QStringLiteral("Wingdings");
    return t;
}

namespace {

Paragraph para(const QString& text, const CharFormat& f, ParaFormat pf = {}) {
    Paragraph p;
    if (!text.isEmpty())
        p.runs.push_back(Run{text, f});
    p.format = pf;
    p.markFormat = f;
    return p;
}

Cell cell(int width, int span, std::vector<Paragraph> paras,
          VerticalAlignment va = VerticalAlignment::Top) {
    Cell c;
    for (Paragraph& p : paras)
        c.blocks.emplace_back(std::move(p));
    if (c.blocks.empty())
        c.blocks.emplace_back(Paragraph{});
    c.format.width = width;
    c.format.gridSpan = span;
    c.format.verticalAlignment = va;
    return c;
}

Row row(std::vector<Cell> cells, int height = 0) {
    Row r;
    r.cells = std::move(cells);
    if (height > 0)
        r.format = RowFormat{height, HeightRule::AtLeast};
    return r;
}

Row heading(const QString& text) {
    return row({cell(8600, 3, {para(text, tahoma8())}, VerticalAlignment::Center)}, 400);
}

ParaFormat aligned(Alignment a) {
    ParaFormat f;
    f.alignment = a;
    return f;
}

// Title left in bold, dates right; then the place in italics with its city upright, and an
// empty paragraph.
void entryRows(Table& t, const QString& title, const QString& dates, const QString& place,
               const QString& city) {
    t.rows.push_back(row({cell(600, 1, {}),
                          cell(4000, 1, {para(title, tahoma8(true))}, VerticalAlignment::Center),
                          cell(4000, 1, {para(dates, tahoma8(), aligned(Alignment::Right))},
                               VerticalAlignment::Center)}));
    Paragraph where = para(QString(), tahoma8(), aligned(Alignment::Left));
    where.runs = {Run{place, tahoma8(false, true)}, Run{QStringLiteral(", ") + city, tahoma8()}};
    t.rows.push_back(
        row({cell(600, 1, {}),
             cell(8000, 2, {where, para(QString(), tahoma8(), aligned(Alignment::Left))},
                  VerticalAlignment::Center)}));
}

} // namespace

Document sampleResume(int workEntries) {
    Document d;
    d.page = PageSetup::letter();
    d.listTemplates.push_back(bulletTemplate());
    const int list = d.addList(0);

    Table t;
    t.grid = {600, 4000, 4000};
    t.rows.push_back(
        row({cell(8600, 3,
                  {para(QStringLiteral("Alex Morrow"), tahoma8()),
                   para(QStringLiteral("42 Juniper Lane, Cedarbrook NH 04417"), tahoma8()),
                   para(QStringLiteral("555-010-4477"), tahoma8()),
                   para(QStringLiteral("alex.morrow@example.com"), tahoma8())})},
            1000));
    t.rows.push_back(heading(QStringLiteral("SKILLS/ABILITIES")));

    ParaFormat spaced;
    spaced.lineSpacing = LineSpacing{LineRule::Auto, 360};
    ParaFormat bullet = spaced;
    bullet.list = ListMembership{list, 0};
    ParaFormat outdented = spaced;
    outdented.list = ListMembership{0, 0};
    t.rows.push_back(
        row({cell(600, 1, {}),
             cell(8000, 2,
                  {para(QStringLiteral("Photoshop"), tahoma8(true), spaced),
                   para(QStringLiteral("3 courses"), tahoma8(), bullet),
                   para(QStringLiteral("Software QA"), tahoma8(true), outdented),
                   para(QStringLiteral("2 years of experience"), tahoma8(), bullet)})}));
    t.rows.push_back(heading(QStringLiteral("WORK HISTORY")));
    for (int i = 0; i < workEntries; ++i)
        entryRows(t, QStringLiteral("Software Engineer %1").arg(i + 1),
                  QStringLiteral("August 2005 - Present"), QStringLiteral("Marrowby"),
                  QStringLiteral("Maplewick NH"));
    t.rows.push_back(heading(QStringLiteral("EDUCATION")));
    entryRows(t, QStringLiteral("High School Diploma"), QStringLiteral("2000 to 2004"),
              QStringLiteral("Cedarbrook High School"), QStringLiteral("Cedarbrook NH"));

    d.body.clear();
    d.body.emplace_back(std::move(t));
    d.body.emplace_back(Paragraph{});
    return d;
}

Document everyFeature() {
    Document d;
    d.page = PageSetup::a4();
    std::swap(d.page.width, d.page.height); // landscape
    d.page.marginLeft = 1000;
    d.info.title = QStringLiteral("Every feature");
    d.info.author = QStringLiteral("Quillory tests");
    d.info.created = QDateTime(QDate(2024, 3, 1), QTime(12, 30, 0), Qt::UTC);
    d.info.modified = QDateTime(QDate(2024, 3, 2), QTime(8, 0, 5), Qt::UTC);

    Style heading;
    heading.name = QStringLiteral("Heading 1");
    heading.basedOn = QStringLiteral("Normal");
    heading.paragraph.spaceBefore = 240;
    heading.character.bold = true;
    heading.character.halfPoints = 32;
    d.styles.push_back(heading);
    Style accent;
    accent.name = QStringLiteral("Accent (mine)");
    accent.type = StyleType::Character;
    accent.character.color = 0x2F5496;
    d.styles.push_back(accent);

    ListTemplate numbered = ListTemplate::make(QStringLiteral("outline"), true);
    numbered.levels[2].trailing = TrailingCharacter::Space;
    numbered.levels[3].trailing = TrailingCharacter::None;
    numbered.levels[4].alignment = LevelAlignment::Right;
    numbered.levels[5].tabPosition.reset();
    numbered.levels[6].font.bold = false;
    numbered.levels[6].font.color = kAutoColor;
    numbered.levels[7].numberStyle = NumberStyle::UppercaseRoman;
    numbered.levels[8].numberStyle = NumberStyle::None;
    numbered.levels[8].numberFormat.clear();
    d.listTemplates.push_back(numbered);
    d.listTemplates.push_back(bulletTemplate());
    const int outline = d.addList(0);
    const int bullets = d.addList(1);

    d.body.clear();
    Paragraph title;
    title.style = QStringLiteral("Heading 1");
    title.runs.push_back(Run{QStringLiteral("Every feature"), {}});
    d.body.emplace_back(title);

    // One run per character flag, on and explicitly off.
    Paragraph flags;
    for (auto f = charFlagsBegin(); f != charFlagsEnd(); ++f) {
        for (bool on : {true, false}) {
            CharFormat c;
            c.*(f->member) = on;
            flags.runs.push_back(Run{QString::fromLatin1(f->token) +
                                         (on ? QStringLiteral("+ ") : QStringLiteral("- ")),
                                     c});
        }
    }
    CharFormat other;
    other.underline = Underline::Double;
    other.color = 0xC00000;
    other.animation = 3;
    other.fontName = QStringLiteral("Times New Roman");
    other.halfPoints = 21;
    flags.runs.push_back(Run{QStringLiteral("underlined red"), other});
    d.body.emplace_back(flags);

    for (Alignment a : {Alignment::Left, Alignment::Center, Alignment::Right, Alignment::Justify}) {
        Paragraph p;
        p.format.alignment = a;
        p.format.spaceBefore = 120;
        p.format.spaceAfter = 0;
        p.format.leftIndent = 360;
        p.format.rightIndent = 180;
        p.format.firstLineIndent = int(a) % 2 ? -240 : 240;
        p.format.lineSpacing =
            LineSpacing{a == Alignment::Right ? LineRule::Exact : LineRule::AtLeast, 300};
        p.runs.push_back(Run{QStringLiteral("Aligned\ttext with a\vline break"), {}});
        d.body.emplace_back(p);
    }
    for (int level = 0; level < 9; ++level) {
        Paragraph p;
        p.format.list = ListMembership{outline, level};
        p.runs.push_back(Run{QStringLiteral("Level %1").arg(level + 1), {}});
        d.body.emplace_back(p);
    }
    Paragraph bullet;
    bullet.format.list = ListMembership{bullets, 0};
    bullet.markFormat = tahoma8();
    bullet.runs.push_back(Run{QStringLiteral("A bullet"), tahoma8()});
    d.body.emplace_back(bullet);

    // Characters XML 1.0 cannot hold, and other controls, mixed into text.
    Paragraph controls;
    controls.runs.push_back(
        Run{QStringLiteral("bell\x07 nul") + QChar(0) + QStringLiteral(" esc\x1B del\x7F") +
                QChar(0xFFFE) + QChar(0xD800) + QStringLiteral(" end ") +
                QString::fromUtf8("\xF0\x9F\x98\x80") + QStringLiteral(" \x0C after page break"),
            {}});
    d.body.emplace_back(controls);

    Table inner;
    inner.grid = {1500, 1500};
    inner.format.style = QStringLiteral("Table Grid");
    inner.rows.push_back(Row{{Cell::empty(1500), Cell::empty(1500)}, {}});
    std::get<Paragraph>(inner.rows[0].cells[1].blocks[0])
        .runs.push_back(Run{QStringLiteral("inner"), {}});

    Table outer;
    outer.grid = {3000, 3000, 3000};
    outer.format.borders = Borders::singleGrid();
    outer.format.borders->insideV.color = 0x00FF00;
    outer.format.borders->top.eighthPoints = 12;
    outer.format.borders->bottom.style = BorderLine::Style::None;
    outer.format.look = TableLook{false, true, false, true, true, false};
    Row r1;
    r1.format = RowFormat{720, HeightRule::Exact};
    r1.cells = {Cell::empty(3000), Cell::empty(6000, 2)};
    r1.cells[0].blocks = {inner}; // a cell ending in a table: the writer must add a paragraph
    r1.cells[1].format.verticalAlignment = VerticalAlignment::Bottom;
    std::get<Paragraph>(r1.cells[1].blocks[0]).runs.push_back(Run{QStringLiteral("spanning"), {}});
    Row r2;
    r2.cells = {Cell::empty(3000), Cell::empty(3000), Cell::empty(3000)};
    r2.cells[2].format.verticalAlignment = VerticalAlignment::Center;
    std::get<Paragraph>(r2.cells[2].blocks[0]).runs.push_back(Run{QStringLiteral("centred"), {}});
    outer.rows = {r1, r2};
    d.body.emplace_back(outer);
    d.body.emplace_back(Paragraph{});

    Paragraph accented;
    accented.runs.push_back(Run{QStringLiteral("  spaces kept  "), {}});
    d.body.emplace_back(accented);
    return d;
}

std::map<QString, QByteArray> partsOf(const QByteArray& package) {
    std::map<QString, QByteArray> out;
    engine::docx::PackageReader reader(package, engine::docx::ReadLimits{});
    for (const QString& name : reader.partNames())
        if (std::optional<QByteArray> bytes = reader.read(name))
            out[name] = *bytes;
    return out;
}

std::map<QString, QByteArray> partsOfFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return partsOf(f.readAll());
}

QByteArray makePackage(const std::vector<std::pair<QString, QByteArray>>& parts) {
    engine::docx::PackageWriter w;
    for (const auto& [name, bytes] : parts)
        w.add(name, bytes);
    return w.finish();
}

QByteArray documentXml(const QByteArray& body) {
    return QByteArray(
               "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
               "<w:document "
               "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
               "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
               "xmlns:w14=\"http://schemas.microsoft.com/office/word/2010/wordml\" "
               "xmlns:mc=\"http://schemas.openxmlformats.org/markup-compatibility/2006\" "
               "mc:Ignorable=\"w14\">"
               "<w:body>") +
           body + "</w:body></w:document>";
}

QByteArray wordPackage(const QByteArray& body, const QByteArray& stylesXml,
                       const QByteArray& numberingXml) {
    const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    QByteArray docRels =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">";
    if (!stylesXml.isEmpty())
        docRels += "<Relationship Id=\"rId1\" Type=\"" + rel + "styles\" Target=\"styles.xml\"/>";
    if (!numberingXml.isEmpty())
        docRels +=
            "<Relationship Id=\"rId2\" Type=\"" + rel + "numbering\" Target=\"numbering.xml\"/>";
    docRels += "</Relationships>";
    std::vector<std::pair<QString, QByteArray>> parts = {
        {QStringLiteral("[Content_Types].xml"),
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
         "<Default Extension=\"rels\" "
         "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
         "<Default Extension=\"xml\" ContentType=\"application/xml\"/></Types>"},
        {QStringLiteral("_rels/.rels"),
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"" +
             rel + "officeDocument\" Target=\"word/document.xml\"/></Relationships>"},
        {QStringLiteral("word/document.xml"), documentXml(body)},
        {QStringLiteral("word/_rels/document.xml.rels"), docRels},
    };
    const QByteArray w = "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";
    if (!stylesXml.isEmpty())
        parts.push_back({QStringLiteral("word/styles.xml"),
                         "<w:styles " + w + ">" + stylesXml + "</w:styles>"});
    if (!numberingXml.isEmpty())
        parts.push_back({QStringLiteral("word/numbering.xml"),
                         "<w:numbering " + w + ">" + numberingXml + "</w:numbering>"});
    return makePackage(parts);
}

std::unique_ptr<pugi::xml_document> parse(const QByteArray& xml) {
    auto doc = std::make_unique<pugi::xml_document>();
    doc->load_buffer(xml.constData(), size_t(xml.size()));
    return doc;
}

std::vector<pugi::xml_node> all(pugi::xml_node root, const char* name) {
    std::vector<pugi::xml_node> out;
    for (pugi::xpath_node n :
         root.select_nodes((QStringLiteral(".//") + QLatin1String(name)).toUtf8().constData()))
        out.push_back(n.node());
    return out;
}

std::unique_ptr<pugi::xml_document> savedPart(const Document& doc, const QString& part) {
    return parse(partsOf(engine::docx::toPackage(doc))[part]);
}

int run(const QString& program, const QStringList& args, QByteArray* out, int timeoutMs) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForStarted(10000))
        return -1;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    if (out)
        *out = p.readAll();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool haveProgram(const QString& program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

QStringList libreOfficeConvertArgs(const QString& profileDir, const QString& format,
                                   const QString& outDir) {
    return {QStringLiteral("-env:UserInstallation=file://") + profileDir,
            QStringLiteral("--headless"), QStringLiteral("--convert-to"), format,
            QStringLiteral("--outdir"), outDir};
}

} // namespace docx_test
