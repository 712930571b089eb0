// The Word file writer: what each part says, references that resolve, and the text and
// structure rules other programs rely on.

#include "tests/engine/docx_support.h"

#include "engine/docx/docx.h"
#include "engine/docx/style_ids.h"
#include "engine/docx/xml_order.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace engine;
using namespace engine::model;
using docx_test::all;
using docx_test::savedPart;

namespace {

std::string attr(pugi::xml_node n, const char* name) {
    return n.attribute(name).value();
}

QString runText(pugi::xml_node root) {
    QString s;
    for (pugi::xml_node t : all(root, "w:t"))
        s += QString::fromUtf8(t.text().get());
    return s;
}

Document withBody(std::vector<Block> blocks) {
    Document d;
    d.body = std::move(blocks);
    return d;
}

Paragraph textPara(const QString& text) {
    Paragraph p;
    p.runs.push_back(model::Run{text, {}});
    return p;
}

} // namespace

TEST(docx_styles, defaults_are_those_of_a_new_word_document) {
    auto styles = savedPart(Document(), "word/styles.xml");
    const pugi::xml_node root = styles->document_element();
    const pugi::xml_node rPr = root.child("w:docDefaults").child("w:rPrDefault").child("w:rPr");
    EXPECT_EQ(attr(rPr.child("w:rFonts"), "w:ascii"), "Calibri");
    EXPECT_EQ(attr(rPr.child("w:rFonts"), "w:hAnsi"), "Calibri");
    EXPECT_EQ(attr(rPr.child("w:sz"), "w:val"), "22");
    const pugi::xml_node spacing =
        root.child("w:docDefaults").child("w:pPrDefault").child("w:pPr").child("w:spacing");
    EXPECT_EQ(attr(spacing, "w:after"), "160");
    EXPECT_EQ(attr(spacing, "w:line"), "259");
    EXPECT_EQ(attr(spacing, "w:lineRule"), "auto");

    pugi::xml_node normal = root.find_child_by_attribute("w:style", "w:styleId", "Normal");
    EXPECT_EQ(attr(normal, "w:type"), "paragraph");
    EXPECT_EQ(attr(normal, "w:default"), "1");
    EXPECT_EQ(attr(normal.child("w:name"), "w:val"), "Normal");

    pugi::xml_node table = root.find_child_by_attribute("w:style", "w:styleId", "TableNormal");
    EXPECT_EQ(attr(table, "w:type"), "table");
    EXPECT_EQ(attr(table, "w:default"), "1");
    EXPECT_EQ(attr(table.child("w:name"), "w:val"), "Normal Table"); // Word's own spelling
    const pugi::xml_node mar = table.child("w:tblPr").child("w:tblCellMar");
    EXPECT_EQ(attr(mar.child("w:left"), "w:w"), "108");
    EXPECT_EQ(attr(mar.child("w:right"), "w:w"), "108");
}

TEST(docx_styles, style_references_resolve_and_ids_are_unique) {
    Document d = docx_test::everyFeature();
    Style a;
    a.name = QStringLiteral("My Style");
    Style b;
    b.name = QStringLiteral("MyStyle");
    b.basedOn = QStringLiteral("Does not exist");
    d.styles.push_back(a);
    d.styles.push_back(b);
    Paragraph p = textPara(QStringLiteral("x"));
    p.style = QStringLiteral("No such style");
    d.body.insert(d.body.begin(), p);

    const auto parts = docx_test::partsOf(docx::toPackage(d));
    auto styles = docx_test::parse(parts.at("word/styles.xml"));
    auto document = docx_test::parse(parts.at("word/document.xml"));
    QSet<QString> ids;
    for (pugi::xml_node s : all(styles->document_element(), "w:style")) {
        const QString id = QString::fromUtf8(s.attribute("w:styleId").value());
        EXPECT_FALSE(ids.contains(id.toLower())) << qPrintable(id);
        ids.insert(id.toLower());
    }
    for (const char* ref : {"w:pStyle", "w:tblStyle", "w:basedOn", "w:rStyle"})
        for (const auto* root : {styles.get(), document.get()})
            for (pugi::xml_node n : all(root->document_element(), ref))
                EXPECT_TRUE(ids.contains(QString::fromUtf8(n.attribute("w:val").value()).toLower()))
                    << ref << " " << n.attribute("w:val").value();
    EXPECT_EQ(all(document->document_element(), "w:pStyle").size(), 1u)
        << "only Heading 1 resolves";
}

TEST(docx_styles, builtin_names_map_both_ways) {
    EXPECT_EQ(docx::fileStyleName(QStringLiteral("Table Normal")), QStringLiteral("Normal Table"));
    EXPECT_EQ(docx::modelStyleName(QStringLiteral("Normal Table")), QStringLiteral("Table Normal"));
    EXPECT_EQ(docx::fileStyleName(QStringLiteral("Heading 3")), QStringLiteral("heading 3"));
    EXPECT_EQ(docx::modelStyleName(QStringLiteral("heading 3")), QStringLiteral("Heading 3"));
    EXPECT_EQ(docx::modelStyleName(QStringLiteral("heading 10")), QStringLiteral("heading 10"));
    Style grid, sameId;
    grid.name = QStringLiteral("Table Grid");
    sameId.name = QStringLiteral("TableGrid");
    docx::StyleIds ids({grid, sameId});
    EXPECT_EQ(ids.idOf(QStringLiteral("Table Grid")), QStringLiteral("TableGrid"));
    EXPECT_EQ(ids.idOf(QStringLiteral("TableGrid")), QStringLiteral("TableGrid1"));
    EXPECT_EQ(ids.idOf(QStringLiteral("Missing")), std::nullopt);
}

TEST(docx_numbering, my_list_bullet_is_wingdings_f0a7) {
    auto numbering = savedPart(docx_test::sampleResume(1), "word/numbering.xml");
    const pugi::xml_node root = numbering->document_element();
    const pugi::xml_node abstract = root.child("w:abstractNum");
    EXPECT_EQ(attr(abstract.child("w:name"), "w:val"), "my list");
    const pugi::xml_node lvl = abstract.find_child_by_attribute("w:lvl", "w:ilvl", "0");
    EXPECT_EQ(attr(lvl.child("w:numFmt"), "w:val"), "bullet");
    EXPECT_EQ(QString::fromUtf8(lvl.child("w:lvlText").attribute("w:val").value()),
              QString(QChar(0xF0A7)));
    EXPECT_EQ(attr(lvl.child("w:rPr").child("w:rFonts"), "w:ascii"), "Wingdings");
    EXPECT_EQ(attr(lvl.child("w:rPr").child("w:rFonts"), "w:hAnsi"), "Wingdings");
    EXPECT_EQ(attr(lvl.child("w:pPr").child("w:ind"), "w:left"), "720");
    EXPECT_EQ(attr(lvl.child("w:pPr").child("w:ind"), "w:hanging"), "360");
    EXPECT_EQ(attr(lvl.child("w:pPr").child("w:tabs").child("w:tab"), "w:pos"), "720");
    // Undefined flags of the level's font are not written at all.
    EXPECT_EQ(std::distance(lvl.child("w:rPr").begin(), lvl.child("w:rPr").end()), 1);
    EXPECT_EQ(all(abstract, "w:lvl").size(), 9u);
    const pugi::xml_node num = root.child("w:num");
    EXPECT_EQ(attr(num, "w:numId"), "1");
    EXPECT_EQ(attr(num.child("w:abstractNumId"), "w:val"), "0");
    // All abstract numberings come before the lists.
    bool seenNum = false;
    for (pugi::xml_node c : root.children()) {
        if (std::string(c.name()) == "w:num")
            seenNum = true;
        if (std::string(c.name()) == "w:abstractNum") {
            EXPECT_FALSE(seenNum);
        }
    }
}

TEST(docx_numbering, list_references_resolve_or_are_left_out) {
    Document d = docx_test::sampleResume(1);
    Paragraph dangling = textPara(QStringLiteral("dangling"));
    dangling.format.list = ListMembership{42, 0};
    Paragraph unnumbered = textPara(QStringLiteral("unnumbered"));
    unnumbered.format.list = ListMembership{0, 0};
    d.lists.push_back(ListInstance{7, 99}); // a list over a template that does not exist
    Paragraph badTemplate = textPara(QStringLiteral("bad template"));
    badTemplate.format.list = ListMembership{7, 0};
    d.body.insert(d.body.begin(), {dangling, unnumbered, badTemplate});

    const auto parts = docx_test::partsOf(docx::toPackage(d));
    auto numbering = docx_test::parse(parts.at("word/numbering.xml"));
    auto document = docx_test::parse(parts.at("word/document.xml"));
    QSet<QString> numIds;
    for (pugi::xml_node n : all(numbering->document_element(), "w:num"))
        numIds.insert(QString::fromUtf8(attr(n, "w:numId").c_str()));
    EXPECT_EQ(numIds, QSet<QString>{QStringLiteral("1")});
    int zero = 0;
    for (pugi::xml_node n : all(document->document_element(), "w:numId")) {
        const QString id = QString::fromUtf8(attr(n, "w:val").c_str());
        if (id == QLatin1String("0")) {
            ++zero;
        } else {
            EXPECT_TRUE(numIds.contains(id)) << qPrintable(id);
        }
    }
    EXPECT_EQ(zero, 2) << "the explicitly unnumbered paragraph and the résumé's outdented skill";
}

TEST(docx_settings, compatibility_mode_15_and_half_inch_tabs) {
    auto settings =
        docx_test::parse(docx_test::partsOf(docx::toPackage(Document()))["word/settings.xml"]);
    const pugi::xml_node root = settings->document_element();
    EXPECT_EQ(attr(root.child("w:defaultTabStop"), "w:val"), "720");
    const pugi::xml_node mode =
        root.child("w:compat")
            .find_child_by_attribute("w:compatSetting", "w:name", "compatibilityMode");
    EXPECT_EQ(attr(mode, "w:val"), "15");
}

TEST(docx_document, every_row_cannot_split) {
    auto document = savedPart(docx_test::sampleResume(5), "word/document.xml");
    const auto rows = all(document->document_element(), "w:tr");
    ASSERT_EQ(rows.size(), 17u);
    for (pugi::xml_node tr : rows)
        EXPECT_TRUE(tr.child("w:trPr").child("w:cantSplit"));
}

TEST(docx_document, every_cell_and_the_body_end_with_a_paragraph) {
    Document d = docx_test::everyFeature(); // holds a cell whose only block is a table
    Table t;
    t.grid = {2000};
    Row r;
    Cell empty; // breaks the model's rule: no blocks at all
    empty.format.width = 2000;
    r.cells.push_back(empty);
    t.rows.push_back(r);
    d.body.push_back(t); // and the body ends with a table
    auto document = savedPart(d, "word/document.xml");
    const auto cells = all(document->document_element(), "w:tc");
    ASSERT_GT(cells.size(), 5u);
    for (pugi::xml_node tc : cells)
        EXPECT_STREQ(tc.last_child().name(), "w:p");
    const pugi::xml_node body = document->document_element().child("w:body");
    EXPECT_STREQ(body.last_child().name(), "w:sectPr");
    EXPECT_STREQ(body.last_child().previous_sibling().name(), "w:p");
}

TEST(docx_document, section_has_page_size_and_margins) {
    Document letter;
    letter.page = PageSetup::letter();
    auto doc = savedPart(letter, "word/document.xml");
    pugi::xml_node sect = doc->document_element().child("w:body").child("w:sectPr");
    EXPECT_EQ(attr(sect.child("w:pgSz"), "w:w"), "12240");
    EXPECT_EQ(attr(sect.child("w:pgSz"), "w:h"), "15840");
    EXPECT_FALSE(sect.child("w:pgSz").attribute("w:orient"));
    for (const char* side : {"w:top", "w:right", "w:bottom", "w:left"})
        EXPECT_EQ(attr(sect.child("w:pgMar"), side), "1440");

    auto every = savedPart(docx_test::everyFeature(), "word/document.xml");
    sect = every->document_element().child("w:body").child("w:sectPr");
    EXPECT_EQ(attr(sect.child("w:pgSz"), "w:w"), "16838");
    EXPECT_EQ(attr(sect.child("w:pgSz"), "w:orient"), "landscape");
    EXPECT_EQ(attr(sect.child("w:pgMar"), "w:left"), "1000");
}

TEST(docx_document, characters_xml_cannot_hold_never_reach_the_file) {
    Document d = docx_test::everyFeature();
    d.info.title = QStringLiteral("title\x01 ok");
    d.listTemplates[0].name = QStringLiteral("name\x02") + QChar(0xDC00);
    d.styles.back().name = QStringLiteral("style\x03");
    for (const auto& [name, bytes] : docx_test::partsOf(docx::toPackage(d))) {
        pugi::xml_document x;
        EXPECT_TRUE(x.load_buffer(bytes.constData(), size_t(bytes.size()))) << qPrintable(name);
        for (char c : bytes)
            EXPECT_FALSE(uint8_t(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
                << qPrintable(name);
        EXPECT_FALSE(bytes.contains("\xC2\x9F") || bytes.contains("\xEF\xBF\xBE"))
            << qPrintable(name);
    }
    const QString text = runText(savedPart(d, "word/document.xml")->document_element());
    EXPECT_TRUE(text.contains(QStringLiteral("bell nul esc del end ") +
                              QString::fromUtf8("\xF0\x9F\x98\x80")));
}

TEST(docx_document, tabs_and_breaks_become_their_elements) {
    Paragraph p = textPara(QStringLiteral("a\tb") + kLineBreak + QStringLiteral("c\fd\r\ne\nf"));
    auto doc = savedPart(withBody({p}), "word/document.xml");
    const pugi::xml_node r = doc->document_element().child("w:body").child("w:p").child("w:r");
    QStringList seq;
    for (pugi::xml_node c : r.children()) {
        QString item = QString::fromUtf8(c.name());
        if (c.attribute("w:type"))
            item += QLatin1Char('=') + QString::fromUtf8(c.attribute("w:type").value());
        if (std::string(c.name()) == "w:t")
            item += QLatin1Char(':') + QString::fromUtf8(c.text().get());
        seq << item;
    }
    EXPECT_EQ(seq, (QStringList{"w:t:a", "w:tab", "w:t:b", "w:br", "w:t:c", "w:br=page", "w:t:d",
                                "w:br", "w:t:e", "w:br", "w:t:f"}));
}

TEST(docx_document, outer_spaces_are_marked_to_be_kept) {
    auto doc = savedPart(
        withBody({textPara(QStringLiteral(" lead")), textPara(QStringLiteral("inner space")),
                  textPara(QStringLiteral("trail\u00A0"))}),
        "word/document.xml");
    const auto ts = all(doc->document_element(), "w:t");
    ASSERT_EQ(ts.size(), 3u);
    EXPECT_STREQ(ts[0].attribute("xml:space").value(), "preserve");
    EXPECT_FALSE(ts[1].attribute("xml:space"));
    EXPECT_STREQ(ts[2].attribute("xml:space").value(), "preserve");
}

TEST(docx_document, runs_of_only_unwritable_characters_leave_nothing) {
    Paragraph p;
    p.runs.push_back(model::Run{QStringLiteral("\x01\x02"), {}});
    auto doc = savedPart(withBody({p}), "word/document.xml");
    EXPECT_TRUE(all(doc->document_element(), "w:r").empty());
}

TEST(docx_document, explicit_off_flags_are_written_as_off) {
    CharFormat f;
    f.bold = false;
    f.italic = true;
    f.superscript = false;
    f.subscript = false;
    Paragraph p;
    p.runs.push_back(model::Run{QStringLiteral("x"), f});
    auto doc = savedPart(withBody({p}), "word/document.xml");
    const pugi::xml_node rPr =
        doc->document_element().child("w:body").child("w:p").child("w:r").child("w:rPr");
    EXPECT_EQ(attr(rPr.child("w:b"), "w:val"), "0");
    EXPECT_EQ(attr(rPr.child("w:bCs"), "w:val"), "0");
    EXPECT_FALSE(rPr.child("w:i").attribute("w:val"));
    EXPECT_EQ(attr(rPr.child("w:vertAlign"), "w:val"), "baseline");
}

TEST(docx_tables, short_rows_are_completed_and_long_rows_widen_the_grid) {
    Table t;
    t.grid = {1000, 1000, 1000};
    t.rows.push_back(Row{{Cell::empty(1000)}, {}}); // one of three columns
    t.rows.push_back(
        Row{{Cell::empty(2000, 2), Cell::empty(1000), Cell::empty(1500)}, {}}); // four columns
    t.rows.push_back(Row{{}, {}});                                              // no cells at all
    auto doc = savedPart(withBody({t, Paragraph{}}), "word/document.xml");
    const pugi::xml_node tbl = doc->document_element().child("w:body").child("w:tbl");
    const auto cols = all(tbl, "w:gridCol");
    ASSERT_EQ(cols.size(), 4u);
    EXPECT_EQ(attr(cols[3], "w:w"), "1500");
    const auto rows = all(tbl, "w:tr");
    ASSERT_EQ(rows.size(), 2u) << "a row without cells is left out";
    EXPECT_EQ(attr(rows[0].child("w:trPr").child("w:gridAfter"), "w:val"), "3");
    EXPECT_FALSE(rows[1].child("w:trPr").child("w:gridAfter"));
    EXPECT_EQ(attr(tbl.child("w:tblPr").child("w:tblW"), "w:w"), "4500");
}

TEST(docx_tables, a_table_without_cells_is_left_out) {
    Table t;
    t.grid = {1000};
    auto doc = savedPart(withBody({t, textPara(QStringLiteral("after"))}), "word/document.xml");
    EXPECT_TRUE(all(doc->document_element(), "w:tbl").empty());
}

TEST(docx_tables, style_look_heights_and_alignment) {
    auto doc = savedPart(docx_test::everyFeature(), "word/document.xml");
    const auto tables = all(doc->document_element(), "w:tbl");
    ASSERT_EQ(tables.size(), 2u);
    const pugi::xml_node outer = tables[0], inner = tables[1];
    EXPECT_FALSE(outer.child("w:tblPr").child("w:tblStyle"))
        << "the default table style is implied";
    EXPECT_EQ(attr(inner.child("w:tblPr").child("w:tblStyle"), "w:val"), "TableGrid");
    const pugi::xml_node look = outer.child("w:tblPr").child("w:tblLook");
    EXPECT_EQ(attr(look, "w:val"), "0340"); // lastRow 0x40, lastColumn 0x100, noHBand 0x200
    EXPECT_EQ(attr(look, "w:lastColumn"), "1");
    EXPECT_EQ(attr(look, "w:firstRow"), "0");
    const pugi::xml_node borders = outer.child("w:tblPr").child("w:tblBorders");
    EXPECT_EQ(attr(borders.child("w:top"), "w:sz"), "12");
    EXPECT_EQ(attr(borders.child("w:bottom"), "w:val"), "nil");
    EXPECT_EQ(attr(borders.child("w:insideV"), "w:color"), "00FF00");
    const pugi::xml_node height = outer.child("w:tr").child("w:trPr").child("w:trHeight");
    EXPECT_EQ(attr(height, "w:val"), "720");
    EXPECT_EQ(attr(height, "w:hRule"), "exact");
    const auto valigns = all(outer, "w:vAlign");
    ASSERT_EQ(valigns.size(), 2u);
    EXPECT_EQ(attr(valigns[0], "w:val"), "bottom");
    EXPECT_EQ(attr(valigns[1], "w:val"), "center");
}

TEST(docx_package, every_part_has_a_content_type_and_every_relationship_resolves) {
    const auto parts = docx_test::partsOf(docx::toPackage(docx_test::sampleResume(2)));
    auto types = docx_test::parse(parts.at("[Content_Types].xml"));
    QSet<QString> overrides;
    for (pugi::xml_node o : types->document_element().children("Override"))
        overrides.insert(QString::fromUtf8(o.attribute("PartName").value()));
    for (const auto& [name, bytes] : parts) {
        if (!name.endsWith(QLatin1String(".rels")) &&
            name != QLatin1String("[Content_Types].xml")) {
            EXPECT_TRUE(overrides.contains(QLatin1Char('/') + name)) << qPrintable(name);
        }
    }
    for (const QString& o : overrides)
        EXPECT_TRUE(parts.count(o.mid(1))) << qPrintable(o);

    for (const auto& [source, rels] : {std::pair{QString(), QStringLiteral("_rels/.rels")},
                                       std::pair{QStringLiteral("word/document.xml"),
                                                 QStringLiteral("word/_rels/document.xml.rels")}}) {
        const auto list = docx::parseRelationships(parts.at(rels));
        EXPECT_FALSE(list.empty());
        for (const docx::Relationship& r : list)
            EXPECT_TRUE(parts.count(docx::resolveTarget(source, r.target))) << qPrintable(r.target);
    }
}

TEST(docx_package, the_same_document_gives_the_same_bytes) {
    const Document d = docx_test::everyFeature();
    EXPECT_EQ(docx::toPackage(d), docx::toPackage(d));
}

TEST(docx_package, relationship_targets_resolve_like_paths) {
    EXPECT_EQ(
        docx::resolveTarget(QStringLiteral("word/document.xml"), QStringLiteral("styles.xml")),
        QStringLiteral("word/styles.xml"));
    EXPECT_EQ(docx::resolveTarget(QStringLiteral("word/document.xml"),
                                  QStringLiteral("../customXml/item1.xml")),
              QStringLiteral("customXml/item1.xml"));
    EXPECT_EQ(docx::resolveTarget(QString(), QStringLiteral("/word/document.xml")),
              QStringLiteral("word/document.xml"));
    EXPECT_EQ(docx::resolveTarget(QStringLiteral("a/b.xml"), QStringLiteral("../../../x.xml")),
              QStringLiteral("x.xml"));
    EXPECT_EQ(docx::relationshipsPartOf(QStringLiteral("word/document.xml")),
              QStringLiteral("word/_rels/document.xml.rels"));
    EXPECT_EQ(docx::relationshipsPartOf(QString()), QStringLiteral("_rels/.rels"));
}

TEST(docx_child_order, children_land_in_schema_order_whatever_the_call_order) {
    pugi::xml_document doc;
    pugi::xml_node rPr = doc.append_child("w:rPr");
    for (const char* name : {"w:vertAlign", "w:sz", "w:b", "w:rFonts", "w:color", "w:i"})
        docx::xml::child(rPr, name);
    docx::xml::child(rPr, "w:b"); // already there: not added twice
    QStringList order;
    for (pugi::xml_node c : rPr.children())
        order << QString::fromUtf8(c.name());
    EXPECT_EQ(order, (QStringList{"w:rFonts", "w:b", "w:i", "w:color", "w:sz", "w:vertAlign"}));

    pugi::xml_node tabs = doc.append_child("w:lvl");
    docx::xml::addChild(tabs, "w:rPr");
    docx::xml::addChild(tabs, "w:start");
    docx::xml::addChild(tabs, "w:start");
    docx::xml::addChild(tabs, "w:custom"); // unknown names go last
    order.clear();
    for (pugi::xml_node c : tabs.children())
        order << QString::fromUtf8(c.name());
    EXPECT_EQ(order, (QStringList{"w:start", "w:start", "w:rPr", "w:custom"}));
}
