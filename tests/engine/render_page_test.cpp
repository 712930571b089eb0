// Page pictures: size and recorded resolution, white paper, antialiased ink where the text
// is and nowhere else, one page per call, readable errors.
#include "engine/layout/fonts.h"
#include "engine/render/page_image.h"
#include "engine/render/render_error.h"
#include "layout_support.h"

using namespace layout_test;
using engine::render::renderPage;
using engine::render::RenderError;

namespace {
// Bounding box of the non-white pixels.
QRect inkBox(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if ((line[x] & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
    }
    return box;
}
bool hasGrey(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const int g = qGray(img.pixel(x, y));
            if (g > 40 && g < 215) return true;
        }
    return false;
}
} // namespace

TEST(render_page, a_letter_page_at_192_dpi_is_8_5_by_11_inches) {
    Document d = doc(tahoma(QStringLiteral("Alex Morrow")));
    DocumentLayout l(d);
    const QImage img = renderPage(l, 0, 192);
    EXPECT_EQ(img.width(), 1632);
    EXPECT_EQ(img.height(), 2112);
    EXPECT_EQ(img.dotsPerMeterX(), 7559);
    EXPECT_EQ(img.dotsPerMeterY(), 7559);
    // Natural size: pixels / dots per metre = the page in metres.
    EXPECT_NEAR(img.width() / double(img.dotsPerMeterX()), 0.2159, 0.0005);
    EXPECT_EQ(engine::render::pictureDpi(), 192.0);
}

TEST(render_page, text_is_drawn_antialiased_inside_the_margins_on_white) {
    Document d = doc(tahoma(QStringLiteral("Alex Morrow")));
    DocumentLayout l(d);
    const QImage img = renderPage(l, 0, 192);
    EXPECT_EQ(img.pixel(5, 5), qRgb(255, 255, 255));
    const QRect ink = inkBox(img);
    ASSERT_FALSE(ink.isEmpty());
    // The text starts at the 1-inch margin (192 px) and its line is 160 twips high.
    EXPECT_NEAR(ink.left(), 192, 3);
    EXPECT_GE(ink.top(), 192);
    EXPECT_LT(ink.bottom(), 192 + 22);
    EXPECT_NEAR(ink.width(), l.body()[0].paragraph->lines[0].width * 192 / 1440, 4);
    EXPECT_TRUE(hasGrey(img));
}

TEST(render_page, each_page_shows_its_own_rows) {
    QString rows;
    for (int i = 0; i < 100; ++i) rows += QStringLiteral("R C(%1) ").arg(tahoma(QStringLiteral("row"), QStringLiteral("line=240 after=0")));
    Document d = doc(QStringLiteral("T{grid=4000}[%1] ¶").arg(rows));
    DocumentLayout l(d);
    ASSERT_EQ(l.pageCount(), 2);
    const QRect first = inkBox(renderPage(l, 0, 96));
    const QRect second = inkBox(renderPage(l, 1, 96));
    EXPECT_NEAR(first.bottom(), 96 * 10, 12);            // 81 rows fill 9 inches
    EXPECT_NEAR(second.bottom(), 96 + 19 * 160 * 96 / 1440, 12); // 19 rows
}

TEST(render_page, bullets_and_borders_are_drawn) {
    Document base = doc(QStringLiteral("¶"));
    const int list = addBulletList(base);
    Document d = doc(QStringLiteral("T{style=\"Table Grid\" grid=4000}[R C(P{list=%1:1}<font=Tahoma sz=8>\"x\"¶)] ¶").arg(list));
    addBulletList(d);
    DocumentLayout l(d);
    const QImage img = renderPage(l, 0, 192);
    // The bullet at 0.25 inch + the cell margin, before the text at 0.5 inch.
    const int bulletX = 192 + (108 + 360) * 192 / 1440;
    bool bullet = false;
    for (int y = 192; y < 192 + 40 && !bullet; ++y)
        for (int x = bulletX; x < bulletX + 10; ++x) bullet |= qGray(img.pixel(x, y)) < 128;
    EXPECT_TRUE(bullet);
    // The grid's left border runs down the margin.
    EXPECT_LT(qGray(img.pixel(192, 200)), 160);
}

TEST(render_page, bad_pages_and_resolutions_are_refused_readably) {
    Document d = doc(QStringLiteral("¶"));
    DocumentLayout l(d);
    try {
        renderPage(l, 3, 96);
        FAIL();
    } catch (const RenderError& e) {
        EXPECT_EQ(e.description(), QStringLiteral("The document has no page 4; it has 1."));
    }
    EXPECT_THROW(renderPage(l, 0, 0), RenderError);
    EXPECT_THROW(renderPage(l, 0, 1e9), RenderError);
}

TEST(render_page, bold_tahoma_reads_as_bold_without_moving_a_glyph) {
    // fonts-wine's Tahoma Bold only widens the spacing; the painter strokes its outlines so
    // bold text carries clearly more ink, while the text starts and ends where the face puts it.
    const auto ink = [](const QImage& img) {
        long dark = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) dark += 255 - qGray(img.pixel(x, y));
        return dark;
    };
    const auto page = [](const char* fmt) {
        Document d = doc(QStringLiteral("<font=Tahoma sz=8 %1>\"Software Engineer\"¶").arg(QLatin1String(fmt)));
        DocumentLayout l(d);
        return renderPage(l, 0, 192);
    };
    if (!engine::layout::ensureEngineFonts().registered.contains(QStringLiteral("Tahoma")))
        GTEST_SKIP() << "the wine Tahoma faces are not installed";
    const QImage regular = page(""), bold = page("b");
    EXPECT_GT(double(ink(bold)), 1.3 * double(ink(regular)));
    // The glyphs stay where the face puts them: the ink grows by the stroke only.
    const QRect box = inkBox(bold);
    EXPECT_LE(std::abs(box.left() - 192), 2); // the left margin, 1 inch at 192 dpi
}
