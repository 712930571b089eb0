// The engine's fonts: the wine faces registered, line metrics as word processors measure
// them, symbol bullets and fallback for scripts the faces lack.
#include "engine/layout/font_metrics.h"
#include "engine/layout/fonts.h"
#include "layout_support.h"

#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

using namespace layout_test;

TEST(layout_fonts, tahoma_and_wingdings_are_available) {
    const FontSetup& s = ensureEngineFonts();
    EXPECT_TRUE(s.missing.isEmpty()) << s.missing.join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(QRawFont::fromFont(layoutFont(QStringLiteral("Tahoma"), 16, false, false)).familyName(), QStringLiteral("Tahoma"));
    const QRawFont bold = QRawFont::fromFont(layoutFont(QStringLiteral("Tahoma"), 16, true, false));
    EXPECT_GE(bold.weight(), QFont::Bold);
}

TEST(layout_fonts, wingdings_has_the_small_square_bullet_at_f0a7) {
    const QRawFont w = QRawFont::fromFont(layoutFont(QStringLiteral("Wingdings"), 16, false, false));
    ASSERT_EQ(w.familyName(), QStringLiteral("Wingdings"));
    EXPECT_TRUE(w.supportsCharacter(QChar(0xF0A7)));
    const auto glyphs = w.glyphIndexesForString(QString(QChar(0xF0A7)));
    ASSERT_EQ(glyphs.size(), 1);
    EXPECT_NE(glyphs[0], 0u);
    // Drawable as it is while the face exists.
    EXPECT_EQ(drawableSymbolText(QStringLiteral("Wingdings"), QString(QChar(0xF0A7))), QString(QChar(0xF0A7)));
}

TEST(layout_fonts, calibri_is_drawn_with_its_metric_twin) {
    const QRawFont c = QRawFont::fromFont(layoutFont(QStringLiteral("Calibri"), 22, false, false));
    EXPECT_EQ(c.familyName().toLower(), QStringLiteral("carlito"));
}

TEST(layout_fonts, line_metrics_follow_the_font_tables_in_whole_twips) {
    // Tahoma from fonts-wine asks for its typo metrics: 1566 + 59 above, 423 below, of 2048.
    const VerticalMetrics t = verticalMetrics(layoutFont(QStringLiteral("Tahoma"), 16, false, false));
    EXPECT_EQ(t.ascent, 127);
    EXPECT_EQ(t.descent, 33);
    EXPECT_EQ(t.height(), 160);
    // Carlito: hhea 1536 / 512 with a 452 gap → 11 pt = 269 twips.
    EXPECT_EQ(verticalMetrics(layoutFont(QStringLiteral("Calibri"), 22, false, false)).height(), 269);
    // Wingdings has no typo flag: hhea 1837 / 357.
    const VerticalMetrics w = verticalMetrics(layoutFont(QStringLiteral("Wingdings"), 16, false, false));
    EXPECT_EQ(w.ascent, 144);
    EXPECT_EQ(w.descent, 28);
}

namespace {
// The glyphs QTextLayout picks for `text` in 8 pt Tahoma, with the faces they come from.
std::vector<std::pair<QString, quint32>> shaped(const QString& text) {
    QTextLayout l(text, layoutFont(QStringLiteral("Tahoma"), 16, false, false));
    l.beginLayout();
    l.createLine();
    l.endLayout();
    std::vector<std::pair<QString, quint32>> out;
    for (const QGlyphRun& g : l.glyphRuns())
        for (quint32 i : g.glyphIndexes()) out.emplace_back(g.rawFont().familyName(), i);
    return out;
}
} // namespace

TEST(layout_fonts, cjk_and_right_to_left_text_fall_back_to_installed_faces) {
    // Wine's Tahoma has Hebrew, Arabic and Hangul of its own; ideographs come from Noto CJK.
    const QRawFont tahoma = QRawFont::fromFont(layoutFont(QStringLiteral("Tahoma"), 16, false, false));
    EXPECT_FALSE(tahoma.supportsCharacter(QChar(0x5C65)));
    for (const QString& text : {QStringLiteral("履歴書"), QStringLiteral("简历"), QStringLiteral("이력서"),
                                QStringLiteral("سيرة"), QStringLiteral("קורות")}) {
        const auto glyphs = shaped(text);
        ASSERT_FALSE(glyphs.empty()) << text.toStdString();
        const bool ideographs = text.at(0).unicode() >= 0x4E00 && text.at(0).unicode() < 0xA000;
        for (const auto& [family, index] : glyphs) {
            EXPECT_NE(index, 0u) << text.toStdString() << " in " << family.toStdString();
            if (ideographs) EXPECT_NE(family, QStringLiteral("Tahoma")) << text.toStdString();
        }
    }
}

TEST(layout_fonts, symbol_bullets_have_unicode_look_alikes) {
    // Only used when the symbol face is missing; a face that exists keeps its characters.
    EXPECT_EQ(drawableSymbolText(QStringLiteral("Tahoma"), QStringLiteral("ab")), QStringLiteral("ab"));
}
