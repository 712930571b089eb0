// Reading Word files: this writer's files come back as they were saved, and ordinary Word
// files' paragraphs, runs, tables, lists and styles are read as Word shows them.

#include "tests/engine/docx_support.h"

#include "engine/docx/docx.h"
#include "engine/model/dump.h"

#include <gtest/gtest.h>

using namespace engine;
using namespace engine::model;
using docx_test::wordPackage;

namespace {

const Paragraph& para(const Document& d, size_t i) {
    return std::get<Paragraph>(d.body.at(i));
}
const Table& table(const Document& d, size_t i) {
    return std::get<Table>(d.body.at(i));
}
const Paragraph& cellPara(const Table& t, size_t row, size_t cell, size_t i = 0) {
    return std::get<Paragraph>(t.rows.at(row).cells.at(cell).blocks.at(i));
}

Document read(const QByteArray& body, const QByteArray& styles = {},
              const QByteArray& numbering = {}) {
    return docx::fromPackage(wordPackage(body, styles, numbering));
}

struct Named {
    const char* name;
    Document doc;
};

std::vector<Named> roundTripDocuments() {
    return {{"blank", Document()},
            {"resume0", docx_test::sampleResume(0)},
            {"resume1", docx_test::sampleResume(1)},
            {"resume2", docx_test::sampleResume(2)},
            {"resume5", docx_test::sampleResume(5)},
            {"every", docx_test::everyFeature()}};
}

} // namespace

TEST(docx_round_trip, save_open_save_gives_identical_xml) {
    for (const Named& n : roundTripDocuments()) {
        const auto first = docx_test::partsOf(docx::toPackage(n.doc));
        const auto second =
            docx_test::partsOf(docx::toPackage(docx::fromPackage(docx::toPackage(n.doc))));
        ASSERT_EQ(first.size(), second.size()) << n.name;
        for (const auto& [part, xml] : first)
            EXPECT_EQ(xml, second.at(part)) << n.name << " " << qPrintable(part);
    }
}

TEST(docx_round_trip, the_model_comes_back_unchanged) {
    for (const Named& n : roundTripDocuments()) {
        if (std::string(n.name) == "every")
            continue; // holds characters a file cannot keep
        const Document back = docx::fromPackage(docx::toPackage(n.doc));
        EXPECT_EQ(dump(back), dump(n.doc)) << n.name;
        EXPECT_EQ(back.styles, n.doc.styles) << n.name;
        EXPECT_EQ(back.defaults, n.doc.defaults) << n.name;
        EXPECT_EQ(back.listTemplates, n.doc.listTemplates) << n.name;
        EXPECT_EQ(back.lists, n.doc.lists) << n.name;
        EXPECT_EQ(back.page, n.doc.page) << n.name;
    }
}

TEST(docx_round_trip, everything_a_file_can_hold_comes_back) {
    const Document d = docx_test::everyFeature();
    const Document back = docx::fromPackage(docx::toPackage(d));
    EXPECT_EQ(back.info, d.info);
    EXPECT_EQ(back.listTemplates, d.listTemplates);
    EXPECT_EQ(back.page, d.page);
    EXPECT_EQ(back.styles, d.styles);
    EXPECT_EQ(para(back, 0).style, QStringLiteral("Heading 1"));
    // Sub- and superscript share one property in a file: "neither" comes back as both off.
    const std::vector<model::Run>& before = para(d, 1).runs;
    const std::vector<model::Run>& after = para(back, 1).runs;
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        CharFormat expected = before[i].format;
        if ((expected.subscript || expected.superscript) && !expected.subscript.value_or(false) &&
            !expected.superscript.value_or(false))
            expected.subscript = expected.superscript = false;
        EXPECT_EQ(after[i].text, before[i].text);
        EXPECT_EQ(after[i].format, expected) << qPrintable(before[i].text);
    }
    for (size_t i = 2; i < 6; ++i)
        EXPECT_EQ(para(back, i).format, para(d, i).format) << i;
    const Table& outer = std::get<Table>(back.body.at(17));
    EXPECT_EQ(outer.format, std::get<Table>(d.body.at(17)).format);
    EXPECT_EQ(outer.rows[0].format, (RowFormat{720, HeightRule::Exact}));
    const Table& inner = std::get<Table>(outer.rows[0].cells[0].blocks.at(0));
    EXPECT_EQ(inner.format.style, QStringLiteral("Table Grid"));
    EXPECT_EQ(std::get<Paragraph>(inner.rows[0].cells[1].blocks[0]).text(),
              QStringLiteral("inner"));
}

TEST(docx_round_trip, text_with_breaks_and_tabs) {
    Document d;
    Paragraph p;
    p.runs.push_back(model::Run{QStringLiteral("a\tb") + kLineBreak + QStringLiteral("c") +
                                    QChar(0x0C) + QStringLiteral("d"),
                                {}});
    d.body = {p};
    EXPECT_EQ(para(docx::fromPackage(docx::toPackage(d)), 0).text(), p.text());
}

TEST(docx_read_word_files, runs_fields_hyperlinks_and_content_controls) {
    const Document d = read(R"(
        <w:p w14:paraId="1A2B3C4D" w:rsidR="00A1"><w:pPr><w:jc w:val="center"/></w:pPr>
          <w:proofErr w:type="spellStart"/><w:bookmarkStart w:id="0" w:name="x"/>
          <w:r w:rsidRPr="0011"><w:rPr><w:b/><w:lang w:val="de-DE"/></w:rPr><w:t xml:space="preserve">Bold </w:t></w:r>
          <w:bookmarkEnd w:id="0"/>
          <w:hyperlink r:id="rId9"><w:r><w:rPr><w:u w:val="single"/></w:rPr><w:t>link</w:t></w:r></w:hyperlink>
          <w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText> PAGE </w:instrText></w:r>
          <w:r><w:fldChar w:fldCharType="separate"/></w:r><w:r><w:t>7</w:t></w:r><w:r><w:fldChar w:fldCharType="end"/></w:r>
          <w:sdt><w:sdtPr/><w:sdtContent><w:r><w:t>[control]</w:t></w:r></w:sdtContent></w:sdt>
          <w:smartTag w:uri="u" w:element="place"><w:r><w:t>Paris</w:t></w:r></w:smartTag>
          <w:ins w:id="1" w:author="a"><w:r><w:t>+ins</w:t></w:r></w:ins>
          <w:del w:id="2" w:author="a"><w:r><w:delText>-del</w:delText></w:r></w:del>
          <w:r><w:lastRenderedPageBreak/><w:tab/><w:t>x</w:t><w:br/><w:t>y</w:t><w:cr/><w:noBreakHyphen/><w:softHyphen/>
            <w:sym w:font="Wingdings" w:char="F0A7"/><w:br w:type="page"/></w:r>
        </w:p>
        <w:sdt><w:sdtContent><w:p><w:r><w:t>block control</w:t></w:r></w:p></w:sdtContent></w:sdt>
        <w:sectPr><w:pgSz w:w="11906" w:h="16838"/><w:pgMar w:top="1417" w:right="1134" w:bottom="1134" w:left="1134" w:header="708" w:footer="708" w:gutter="0"/></w:sectPr>)");
    ASSERT_EQ(d.body.size(), 2u);
    const Paragraph& p = para(d, 0);
    EXPECT_EQ(p.text(), QStringLiteral("Bold link7[control]Paris+ins\tx") + kLineBreak +
                            QStringLiteral("y") + kLineBreak + QChar(0x2011) + QChar(0x00AD) +
                            QChar(0xF0A7) + QChar(0x0C));
    EXPECT_EQ(p.format.alignment, Alignment::Center);
    EXPECT_EQ(p.runs.at(0).format.bold, true);
    EXPECT_EQ(p.runs.at(1).format.underline, Underline::Single);
    EXPECT_EQ(para(d, 1).text(), QStringLiteral("block control"));
    EXPECT_EQ(d.page.width, 11906);
    EXPECT_EQ(d.page.marginTop, 1417);
    EXPECT_EQ(d.page.marginLeft, 1134);
}

TEST(docx_read_word_files, styles_theme_fonts_and_character_styles) {
    const QByteArray styles = R"(
        <w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:asciiTheme="minorHAnsi" w:hAnsiTheme="minorHAnsi"/>
          <w:sz w:val="24"/></w:rPr></w:rPrDefault>
          <w:pPrDefault><w:pPr><w:spacing w:after="200" w:line="276" w:lineRule="auto"/></w:pPr></w:pPrDefault></w:docDefaults>
        <w:latentStyles w:defLockedState="0"/>
        <w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/></w:style>
        <w:style w:type="paragraph" w:styleId="berschrift1"><w:name w:val="heading 1"/><w:basedOn w:val="Normal"/>
          <w:rPr><w:rFonts w:asciiTheme="majorHAnsi"/><w:b/><w:sz w:val="32"/></w:rPr></w:style>
        <w:style w:type="character" w:styleId="Strong"><w:name w:val="Strong"/><w:rPr><w:b/><w:color w:val="FF0000"/></w:rPr></w:style>
        <w:style w:type="character" w:styleId="Loud"><w:name w:val="Loud"/><w:basedOn w:val="Strong"/><w:rPr><w:caps/></w:rPr></w:style>
        <w:style w:type="table" w:default="1" w:styleId="NormaleTabelle"><w:name w:val="Normal Table"/>
          <w:tblPr><w:tblCellMar><w:start w:w="100" w:type="dxa"/><w:end w:w="90" w:type="dxa"/></w:tblCellMar></w:tblPr></w:style>
        <w:style w:type="table" w:styleId="Grid"><w:name w:val="My Grid"/><w:basedOn w:val="NormaleTabelle"/>
          <w:tblPr><w:tblBorders><w:top w:val="double" w:sz="8" w:color="0000FF"/></w:tblBorders></w:tblPr></w:style>)";
    const Document d =
        read(R"(<w:p><w:pPr><w:pStyle w:val="berschrift1"/></w:pPr><w:r><w:t>Title</w:t></w:r></w:p>
        <w:p><w:r><w:rPr><w:rStyle w:val="Loud"/><w:i/><w:color w:val="00FF00"/></w:rPr><w:t>loud</w:t></w:r></w:p>
        <w:tbl><w:tblPr><w:tblStyle w:val="Grid"/></w:tblPr><w:tblGrid><w:gridCol w:w="2000"/></w:tblGrid>
          <w:tr><w:tc><w:p/></w:tc></w:tr></w:tbl><w:p/>)",
             styles);
    EXPECT_EQ(d.defaults.character.fontName,
              QStringLiteral("Calibri")); // no theme part: Word's default theme
    EXPECT_EQ(d.defaults.character.halfPoints, 24);
    EXPECT_EQ(d.defaults.paragraph.spaceAfter, 200);
    EXPECT_EQ(d.defaults.paragraph.lineSpacing, (LineSpacing{LineRule::Auto, 276}));
    EXPECT_EQ(para(d, 0).style, QStringLiteral("Heading 1"));
    const Style* h1 = d.style(QStringLiteral("Heading 1"));
    ASSERT_TRUE(h1);
    EXPECT_EQ(h1->basedOn, QStringLiteral("Normal"));
    EXPECT_EQ(h1->character.fontName, QStringLiteral("Calibri Light"));
    const CharFormat loud = para(d, 1).runs.at(0).format;
    EXPECT_EQ(loud.bold, true) << "from the style the character style is based on";
    EXPECT_EQ(loud.allCaps, true);
    EXPECT_EQ(loud.italic, true);
    EXPECT_EQ(loud.color, 0x00FF00u) << "direct formatting wins";
    const Style* normalTable = d.style(QStringLiteral("Table Normal"));
    ASSERT_TRUE(normalTable);
    EXPECT_EQ(normalTable->cellMarginLeft, 100);
    EXPECT_EQ(normalTable->cellMarginRight, 90);
    const Style* grid = d.style(QStringLiteral("My Grid"));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->cellMarginLeft, 100) << "inherited";
    ASSERT_TRUE(grid->borders);
    EXPECT_EQ(grid->borders->top.style, BorderLine::Style::Single);
    EXPECT_EQ(grid->borders->top.color, 0x0000FFu);
    EXPECT_EQ(table(d, 2).format.style, QStringLiteral("My Grid"));
}

TEST(docx_read_word_files, without_styles_the_implied_defaults_apply) {
    const Document d = read("<w:p><w:r><w:t>x</w:t></w:r></w:p>");
    EXPECT_EQ(d.defaults.character.fontName, QStringLiteral("Times New Roman"));
    EXPECT_EQ(d.defaults.character.halfPoints, 20);
    EXPECT_EQ(d.defaults.paragraph.spaceAfter, 0);
    EXPECT_TRUE(d.styles.empty());
    EXPECT_TRUE(d.listTemplates.empty());
}

TEST(docx_read_word_files, lists_and_numbering_styles) {
    const QByteArray numbering = R"XML(
        <w:abstractNum w:abstractNumId="10"><w:nsid w:val="11111111"/><w:multiLevelType w:val="hybridMultilevel"/>
          <w:lvl w:ilvl="0"><w:start w:val="3"/><w:numFmt w:val="lowerLetter"/><w:lvlText w:val="%1)"/><w:lvlJc w:val="end"/>
            <w:pPr><w:ind w:start="1080" w:hanging="360"/></w:pPr><w:rPr><w:b/></w:rPr></w:lvl>
          <w:lvl w:ilvl="1"><w:numFmt w:val="bullet"/><w:suff w:val="space"/><w:lvlText w:val="o"/>
            <w:pPr><w:tabs><w:tab w:val="num" w:pos="1800"/></w:tabs><w:ind w:left="1800" w:firstLine="0"/></w:pPr>
            <w:rPr><w:rFonts w:ascii="Courier New" w:hAnsi="Courier New"/></w:rPr></w:lvl>
          <w:lvl w:ilvl="12"><w:numFmt w:val="decimal"/></w:lvl></w:abstractNum>
        <w:abstractNum w:abstractNumId="20"><w:multiLevelType w:val="multilevel"/><w:numStyleLink w:val="Outline"/></w:abstractNum>
        <w:num w:numId="5"><w:abstractNumId w:val="10"/><w:lvlOverride w:ilvl="0"><w:startOverride w:val="1"/></w:lvlOverride></w:num>
        <w:num w:numId="6"><w:abstractNumId w:val="20"/></w:num>
        <w:num w:numId="7"><w:abstractNumId w:val="99"/></w:num>)XML";
    const QByteArray styles =
        R"(<w:style w:type="numbering" w:styleId="Outline"><w:name w:val="Outline"/>
        <w:pPr><w:numPr><w:numId w:val="5"/></w:numPr></w:pPr></w:style>)";
    const Document d = read(
        R"(<w:p><w:pPr><w:numPr><w:ilvl w:val="1"/><w:numId w:val="5"/></w:numPr></w:pPr><w:r><w:t>a</w:t></w:r></w:p>
        <w:p><w:pPr><w:numPr><w:ilvl w:val="0"/><w:numId w:val="0"/></w:numPr></w:pPr></w:p>
        <w:p><w:pPr><w:numPr><w:ilvl w:val="0"/><w:numId w:val="7"/></w:numPr></w:pPr></w:p>
        <w:p><w:pPr><w:numPr><w:ilvl w:val="40"/><w:numId w:val="6"/></w:numPr></w:pPr></w:p>)",
        styles, numbering);
    ASSERT_EQ(d.listTemplates.size(), 2u);
    const ListLevel& l0 = d.listTemplates[0].levels[0];
    EXPECT_EQ(l0.startAt, 3);
    EXPECT_EQ(l0.numberStyle, NumberStyle::LowercaseLetter);
    EXPECT_EQ(l0.numberFormat, QStringLiteral("%1)"));
    EXPECT_EQ(l0.alignment, LevelAlignment::Right);
    EXPECT_EQ(l0.textPosition, 1080);
    EXPECT_EQ(l0.numberPosition, 720);
    EXPECT_EQ(l0.font.bold, true);
    const ListLevel& l1 = d.listTemplates[0].levels[1];
    EXPECT_EQ(l1.numberStyle, NumberStyle::Bullet);
    EXPECT_EQ(l1.trailing, TrailingCharacter::Space);
    EXPECT_EQ(l1.tabPosition, 1800);
    EXPECT_EQ(l1.numberPosition, 1800);
    EXPECT_EQ(l1.font.fontName, QStringLiteral("Courier New"));
    EXPECT_TRUE(d.listTemplates[1].outlineNumbered);
    EXPECT_EQ(d.listTemplates[1].levels, d.listTemplates[0].levels)
        << "taken over through the numbering style";
    EXPECT_EQ(d.lists, (std::vector<ListInstance>{{5, 0}, {6, 1}}));
    EXPECT_EQ(para(d, 0).format.list, (ListMembership{5, 1}));
    EXPECT_EQ(para(d, 1).format.list, (ListMembership{0, 0}));
    EXPECT_FALSE(para(d, 2).format.list) << "a list that does not exist is no list";
    EXPECT_EQ(para(d, 3).format.list, (ListMembership{6, 8}));
}

TEST(docx_read_word_files, tables_with_missing_grid_merges_and_sizes) {
    const Document d = read(R"(
        <w:tbl><w:tblPr><w:tblW w:w="0" w:type="auto"/><w:tblLook w:val="04A0"/></w:tblPr>
          <w:tr><w:trPr><w:trHeight w:val="500"/></w:trPr>
            <w:tc><w:tcPr><w:tcW w:w="1500" w:type="dxa"/><w:vMerge w:val="restart"/><w:vAlign w:val="bottom"/></w:tcPr><w:p><w:r><w:t>a</w:t></w:r></w:p></w:tc>
            <w:tc><w:tcPr><w:tcW w:w="3000" w:type="dxa"/><w:gridSpan w:val="2"/></w:tcPr><w:p><w:r><w:t>b</w:t></w:r></w:p></w:tc></w:tr>
          <w:tr><w:trPr><w:trHeight w:val="300" w:hRule="exact"/><w:cantSplit/></w:trPr>
            <w:tc><w:tcPr><w:tcW w:w="1500" w:type="dxa"/><w:vMerge/></w:tcPr><w:p/></w:tc>
            <w:tc><w:tcPr><w:tcW w:w="50" w:type="pct"/><w:hMerge w:val="restart"/></w:tcPr><w:p><w:r><w:t>c</w:t></w:r></w:p></w:tc>
            <w:tc><w:tcPr><w:hMerge w:val="continue"/></w:tcPr><w:p/></w:tc></w:tr>
          <w:sdt><w:sdtContent><w:tr><w:tc><w:tbl><w:tr><w:tc><w:p><w:r><w:t>nested</w:t></w:r></w:p></w:tc></w:tr></w:tbl></w:tc></w:tr></w:sdtContent></w:sdt>
        </w:tbl>
        <w:tbl><w:tr></w:tr></w:tbl>)");
    ASSERT_EQ(d.body.size(), 2u)
        << "the table without cells is dropped and a final paragraph added";
    const Table& t = table(d, 0);
    EXPECT_EQ(t.format.look, (TableLook{true, false, true, false, false, true}));
    ASSERT_EQ(t.rows.size(), 3u);
    ASSERT_EQ(t.grid.size(), 3u);
    EXPECT_EQ(t.grid[0], 1500);
    EXPECT_EQ(t.rows[0].format, (RowFormat{500, HeightRule::AtLeast}));
    EXPECT_EQ(t.rows[1].format, (RowFormat{300, HeightRule::Exact}));
    EXPECT_EQ(t.rows[0].cells[0].format.verticalAlignment, VerticalAlignment::Bottom);
    EXPECT_EQ(t.rows[0].cells[1].format.gridSpan, 2);
    EXPECT_EQ(t.rows[0].cells[1].format.width, 3000);
    ASSERT_EQ(t.rows[1].cells.size(), 2u) << "a vertically merged cell stays a cell; hMerge joins";
    EXPECT_EQ(t.rows[1].cells[1].format.gridSpan, 2);
    EXPECT_GT(t.rows[1].cells[1].format.width, 0) << "a percentage width is replaced by the grid's";
    EXPECT_EQ(cellPara(t, 1, 1).text(), QStringLiteral("c"));
    const Table& nested = std::get<Table>(t.rows[2].cells[0].blocks.at(0));
    EXPECT_EQ(std::get<Paragraph>(nested.rows[0].cells[0].blocks[0]).text(),
              QStringLiteral("nested"));
    EXPECT_TRUE(isParagraph(t.rows[2].cells[0].blocks.back()))
        << "a cell ending in a table gets its paragraph";
    for (const Row& r : t.rows)
        for (const Cell& c : r.cells)
            EXPECT_GT(c.format.width, 0);
}

TEST(docx_read_word_files, other_prefixes_and_strict_namespaces) {
    const QByteArray xml =
        R"(<?xml version="1.0"?><document xmlns="http://purl.oclc.org/ooxml/wordprocessingml/main"><body>
           <p><r><rPr><b/></rPr><t>default namespace</t></r></p>
           <x:p xmlns:x="http://schemas.openxmlformats.org/wordprocessingml/2006/main"><x:r><x:t>other prefix</x:t></x:r></x:p>
           </body></document>)";
    const QByteArray rels =
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
        <Relationship Id="r" Type="http://purl.oclc.org/ooxml/officeDocument/relationships/officeDocument" Target="/word/main.xml"/></Relationships>)";
    const Document d = docx::fromPackage(docx_test::makePackage(
        {{QStringLiteral("_rels/.rels"), rels}, {QStringLiteral("word/main.xml"), xml}}));
    ASSERT_EQ(d.body.size(), 2u);
    EXPECT_EQ(para(d, 0).text(), QStringLiteral("default namespace"));
    EXPECT_EQ(para(d, 0).runs[0].format.bold, true);
    EXPECT_EQ(para(d, 1).text(), QStringLiteral("other prefix"));
}

TEST(docx_read_word_files, a_package_without_relationships_still_opens) {
    const Document d = docx::fromPackage(docx_test::makePackage(
        {{QStringLiteral("word/document.xml"),
          docx_test::documentXml("<w:p><w:r><w:t>alone</w:t></w:r></w:p>")}}));
    EXPECT_EQ(para(d, 0).text(), QStringLiteral("alone"));
}

TEST(docx_read_word_files, odd_measures_are_read_or_ignored) {
    const Document d = read(
        R"(<w:p><w:pPr><w:spacing w:before="12pt" w:after="-5" w:line="1.5in" w:lineRule="exact"/>
          <w:ind w:left="1cm" w:hanging="abc"/></w:pPr>
          <w:r><w:rPr><w:sz w:val="-4"/><w:color w:val="red"/><w:u w:val="wave"/></w:rPr><w:t>x</w:t></w:r></w:p>
        <w:sectPr><w:pgSz w:w="8.5in" w:h="11in"/><w:pgMar w:top="-1440" w:bottom="1440" w:left="1440" w:right="1440"/></w:sectPr>)");
    const ParaFormat& f = para(d, 0).format;
    EXPECT_EQ(f.spaceBefore, 240);
    EXPECT_EQ(f.spaceAfter, 0);
    EXPECT_EQ(f.lineSpacing, std::nullopt) << "a unit is not allowed on a line spacing";
    EXPECT_EQ(f.leftIndent, 567);
    EXPECT_EQ(f.firstLineIndent, std::nullopt);
    const CharFormat& c = para(d, 0).runs[0].format;
    EXPECT_EQ(c.halfPoints, std::nullopt);
    EXPECT_EQ(c.color, std::nullopt);
    EXPECT_EQ(c.underline, Underline::Single);
    EXPECT_EQ(d.page.width, 12240);
    EXPECT_EQ(d.page.height, 15840);
    EXPECT_EQ(d.page.marginTop, 1440);
}

TEST(docx_read_word_files, impossible_page_sizes_keep_the_default_page) {
    const PageSetup before = Document().page;
    for (const char* sect :
         {R"(<w:pgSz w:w="10" w:h="10"/>)", R"(<w:pgSz w:w="40000" w:h="15840"/>)",
          R"(<w:pgSz w:w="12240" w:h="15840"/><w:pgMar w:left="6000" w:right="6000"/>)"}) {
        const Document d = read(QByteArray("<w:p/><w:sectPr>") + sect + "</w:sectPr>");
        EXPECT_EQ(d.page, before) << sect;
    }
}

TEST(docx_read_word_files, core_properties) {
    Document d;
    d.info.title = QStringLiteral("Résumé");
    d.info.author = QStringLiteral("Alex <Morrow> & Co");
    d.info.created = QDateTime(QDate(2021, 8, 31), QTime(23, 59, 59), Qt::UTC);
    const Document back = docx::fromPackage(docx::toPackage(d));
    EXPECT_EQ(back.info, d.info);
}
