// Without the wine faces (this test runs with a font configuration that leaves them out and
// no font folder of ours), the engine still lays out and draws: Tahoma falls back to its
// documented substitute and the Wingdings bullet to its Unicode look-alike.
#include "engine/layout/fonts.h"
#include "layout_support.h"

#include <QGlyphRun>
#include <QRawFont>

using namespace layout_test;

TEST(layout_font_fallback, missing_faces_are_reported_and_substituted) {
    const FontSetup& s = ensureEngineFonts();
    EXPECT_TRUE(s.missing.contains(QStringLiteral("Tahoma")));
    EXPECT_TRUE(s.missing.contains(QStringLiteral("Wingdings")));
    const QRawFont t = QRawFont::fromFont(layoutFont(QStringLiteral("Tahoma"), 16, false, false));
    EXPECT_EQ(t.familyName().toLower(), QStringLiteral("liberation sans"));
}

TEST(layout_font_fallback, the_bullet_becomes_a_small_square_that_has_a_glyph) {
    EXPECT_EQ(drawableSymbolText(QStringLiteral("Wingdings"), QString(QChar(0xF0A7))), QString(QChar(0x25AA)));
    Document d = doc(QStringLiteral("¶"));
    const int list = addBulletList(d);
    d = doc(QStringLiteral("P{list=%1:1}<font=Tahoma sz=8>\"Photoshop\"¶<font=Tahoma sz=8>").arg(list));
    addBulletList(d);
    DocumentLayout l(d);
    const ParagraphBox& p = paragraphBox(l, 0);
    ASSERT_TRUE(p.label);
    EXPECT_EQ(p.label->text, QString(QChar(0x25AA)));
    const auto runs = p.label->layout->glyphRuns();
    ASSERT_FALSE(runs.isEmpty());
    EXPECT_NE(runs.front().glyphIndexes().value(0), 0u);
    EXPECT_EQ(l.pageCount(), 1);
}
