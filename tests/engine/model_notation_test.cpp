// The dump notation: what it shows, that it reads back what it writes, and that bad input
// gives a readable error.
#include "engine/model/dump.h"

#include <gtest/gtest.h>

using namespace engine::model;

namespace {
QString roundTrip(const QString& s) { return dump(parseBlocks(s)); }
} // namespace

TEST(model_notation, paragraph_with_runs_and_mark_format_reads_back) {
    const QString s = QStringLiteral("P{al=r line=360 list=2:1} <font=Tahoma sz=8 b>\"Job\" <-b i>\"x\"¶<font=Tahoma sz=8>");
    EXPECT_EQ(roundTrip(s),
              QStringLiteral("P{al=r line=360 list=2:1}<font=Tahoma sz=8 b>\"Job\"<-b i>\"x\"¶<font=Tahoma sz=8>"));
}

TEST(model_notation, table_rows_cells_and_formats_read_back) {
    const QString s = QStringLiteral(
        "T{style=\"Table Grid\" grid=600,4000,4000 look=hr,nvb borders=grid}"
        "[R{h>=1000} C{span=3 w=8600 va=c}(\"Alex Morrow\"¶ \"Street\"¶) R C{w=600}(¶) C{w=4000}(¶) C{w=4000 va=b}(¶)] ¶");
    EXPECT_EQ(roundTrip(s), s);
    const std::vector<Block> b = parseBlocks(s);
    ASSERT_EQ(b.size(), 2u);
    const Table& t = std::get<Table>(b[0]);
    EXPECT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0].cells[0].format.gridSpan, 3);
    EXPECT_EQ(t.rows[0].format.heightRule, HeightRule::AtLeast);
    EXPECT_EQ(t.rows[0].format.height, 1000);
    EXPECT_EQ(t.rows[1].cells[2].format.verticalAlignment, VerticalAlignment::Bottom);
    EXPECT_FALSE(t.format.look.firstColumn);
    EXPECT_EQ(t.format.style, QStringLiteral("Table Grid"));
}

TEST(model_notation, text_escapes_keep_control_characters_and_unicode) {
    Paragraph p;
    p.runs.push_back(engine::model::Run{QStringLiteral("a\tb") + kLineBreak + QStringLiteral("\"q\"\\") + QChar(0x01) +
                             QStringLiteral("مرحبا 漢字"),
                         {}});
    const QString s = dump(p);
    EXPECT_EQ(s, QStringLiteral("\"a\\tb\\v\\\"q\\\"\\\\\\u{1}مرحبا 漢字\"¶"));
    EXPECT_EQ(std::get<Paragraph>(parseBlocks(s)[0]), p);
}

TEST(model_notation, all_character_flags_and_explicit_offs_read_back) {
    const QString f = QStringLiteral(
        "font=\"Times New Roman\" sz=10.5 b -i strike dstrike sub sup shadow outline emboss engrave caps hidden "
        "u=1 color=FF0000 anim=0");
    EXPECT_EQ(dump(parseCharFormat(f)), f);
    const CharFormat c = parseCharFormat(f);
    EXPECT_EQ(c.halfPoints, 21);
    EXPECT_EQ(c.italic, false);
    EXPECT_EQ(c.color, 0xFF0000u);
    EXPECT_EQ(dump(parseCharFormat(QStringLiteral("color=auto"))), QStringLiteral("color=auto"));
}

TEST(model_notation, text_only_dump_drops_formats) {
    const std::vector<Block> b =
        parseBlocks(QStringLiteral("T{grid=1,2}[R{h>=5} C{w=1}(<b>\"x\"¶<i>) C{w=2}(¶)] P{al=c}\"y\"¶"));
    EXPECT_EQ(dump(b, {.formats = false}), QStringLiteral("T[R C(\"x\"¶) C(¶)] \"y\"¶"));
}

TEST(model_notation, nested_table_in_cell_reads_back) {
    const QString s = QStringLiteral("T[R C(T[R C(\"in\"¶)] ¶)] ¶");
    EXPECT_EQ(dump(parseBlocks(s), {.formats = false}), s);
}

TEST(model_notation, bad_input_gives_positioned_errors) {
    const char* bad[] = {
        "\"unterminated",   "T[]",          "T[R]",          "T[R C(\"x\")]", "T[R C(¶)",
        "<zz>\"x\"¶",       "P{al=q}¶",     "P{list=1:10}¶", "\"x\"",         "T{grid=a}[R C(¶)]",
        "\"\\u{zz}\"¶",     "R C(¶)",       "<sz=-1>\"x\"¶", "T[R{h=5} C(¶)]",
    };
    for (const char* s : bad) {
        try {
            parseBlocks(QString::fromUtf8(s));
            ADD_FAILURE() << "accepted: " << s;
        } catch (const ParseError& e) {
            EXPECT_GE(e.position, 0) << s;
            EXPECT_FALSE(QString::fromUtf8(e.what()).isEmpty());
        }
    }
}

TEST(model_notation, parsed_document_always_ends_with_a_paragraph) {
    const Document d = parseDocument(QStringLiteral("T[R C(¶)]"));
    ASSERT_EQ(d.body.size(), 2u);
    EXPECT_TRUE(isParagraph(d.body.back()));
}
