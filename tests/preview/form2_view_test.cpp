// Form2's view of the page: zoom steps and bounds with their painting, the scroll bars
// (ranges, offsets, percentages) and dragging the page.

#include "Form2Fixture.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QScrollBar>

using namespace quillory;
using namespace quillory::testing;

namespace {

using Form2View = Form2Test;

// Sends a mouse event to the page as the window system would, at twips inside the page.
void mouse(PictureBox& page, QEvent::Type type, float xTwips, float yTwips, Qt::MouseButtons held) {
    const QPointF local(xTwips / 15.0, yTwips / 15.0);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, page.mapToGlobal(local), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&page, &event);
}

TEST_F(Form2View, zoom_in_paints_each_step_up_to_four_and_stays) {
    handOver({letterPage(1)});
    for (int i = 1; i <= 12; ++i) {
        form.PushButton1_Click();
        const float zoom = 1.0f + 0.25f * i;
        ASSERT_EQ(form.mZoom, zoom);
        EXPECT_EQ(form.Picture1->widthTwips(), int(12238 * double(zoom)));
        EXPECT_EQ(form.Picture1->heightTwips(), int(15838 * double(zoom)));
    }
    form.PushButton1_Click();
    EXPECT_EQ(form.mZoom, 4.0f);
    EXPECT_EQ(form.Picture1->widthTwips(), 48952);
    // The painting is the page, scaled: 48952 twips are 3263 pixels.
    EXPECT_EQ(form.Picture1->painting().width(), 3263);
    EXPECT_EQ(centreColour(*form.Picture1), letterPage(1).pixelColor(0, 0));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Form2View, zoom_out_reaches_a_quarter_after_three_presses_and_stays) {
    handOver({letterPage(1)});
    for (int i = 0; i < 4; ++i)
        form.PushButton2_Click();
    EXPECT_EQ(form.mZoom, 0.25f);
    EXPECT_EQ(form.Picture1->widthTwips(), 3059);
    EXPECT_FALSE(form.HScroll1->isEnabled());
    EXPECT_EQ(form.mHScrollStep, 0);
}

TEST_F(Form2View, after_a_zoom_step_the_bars_reach_every_part_of_the_page) {
    handOver({letterPage(1)});
    for (int i = 0; i < 4; ++i)
        form.PushButton1_Click();              // 2.0: 24476 × 31676
    EXPECT_EQ(form.HScroll1->maximum(), 1515); // (24476 − 9330) / 10 = 1514.6
    EXPECT_EQ(form.VScroll1->maximum(), 2437); // (31676 − 7305) / 10 = 2437.1
    form.HScroll1->setValue(form.HScroll1->maximum());
    form.VScroll1->setValue(form.VScroll1->maximum());
    EXPECT_EQ(form.Picture1->leftTwips(), -15150.0f);
    EXPECT_EQ(form.Picture1->topTwips(), -24370.0f);
    // The far corner of the page is inside the viewport.
    EXPECT_LE(form.Picture1->leftTwips() + form.Picture1->widthTwips(), 9330 + 10);
    EXPECT_LE(form.Picture1->topTwips() + form.Picture1->heightTwips(), 7305 + 10);
}

TEST_F(Form2View, a_zoom_step_starts_the_page_at_its_top_left_corner_even_after_a_drag) {
    handOver({letterPage(1)});
    form.picture1_MouseDown(Qt::LeftButton, {}, 2000, 2000);
    form.picture1_MouseMove(Qt::LeftButton, {}, 1000, 1000);
    ASSERT_EQ(form.Picture1->leftTwips(), -1000.0f);
    form.PushButton1_Click();
    EXPECT_EQ(form.Picture1->leftTwips(), 0.0f);
    EXPECT_EQ(form.Picture1->topTwips(), 0.0f);
    EXPECT_EQ(form.HScroll1->value(), 0);
}

TEST_F(Form2View,
       a_picture_beyond_the_memory_guard_falls_back_to_zoom_1_and_keeps_the_last_painting) {
    // 70 000 twips wide: 3.5 paints 244 993, 3.75 would paint 262 492 twips (17 499 px).
    handOver({pageOfSize(70000, 1500, Qt::darkCyan)});
    for (int i = 0; i < 10; ++i)
        form.PushButton1_Click();
    ASSERT_EQ(form.mZoom, 3.5f);
    const int32_t painted = form.Picture1->widthTwips();
    form.PushButton1_Click();
    EXPECT_EQ(form.mZoom, 1.0f);
    EXPECT_EQ(form.Picture1->widthTwips(), painted);
    EXPECT_EQ(form.mZoomWidth, form.mOrigWidth);
    form.PushButton1_Click();
    EXPECT_EQ(form.mZoom, 1.25f);
    EXPECT_EQ(form.Picture1->widthTwips(), int(form.mOrigWidth * 1.25));
    EXPECT_TRUE(messages.shown.empty());
}

class Form2Scrolling : public Form2Test {
  protected:
    // Puts a picture of the given size in the page and sets the bars up for it.
    void pictureOf(int32_t width, int32_t height) {
        form.Picture1->resizeTwips(width, height);
        form.ResetScrollbars();
    }
};

TEST_F(Form2Scrolling, the_last_position_of_a_picture_1235_wider_moves_it_1240_to_the_left) {
    pictureOf(9330 + 1235, 7305);
    EXPECT_EQ(form.HScroll1->maximum(), 124);
    form.HScroll1->setValue(124);
    EXPECT_EQ(form.Picture1->leftTwips(), -1240.0f);
    form.HScroll1->setValue(3);
    EXPECT_EQ(form.Picture1->leftTwips(), -30.0f);
}

TEST_F(Form2Scrolling, a_percentage_places_the_bar_at_that_share_of_max) {
    pictureOf(9330 + 1250, 7305 + 1250); // Max 125
    ASSERT_EQ(form.HScroll1->maximum(), 125);
    form.SetHScrollbarByPercent(*form.HScroll1, 50);
    EXPECT_EQ(form.HScroll1->value(), 62);
    form.SetHScrollbarByPercent(*form.HScroll1, -1);
    form.SetHScrollbarByPercent(*form.HScroll1, 101);
    EXPECT_EQ(form.HScroll1->value(), 62);
    form.SetVScrollbarByPercent(*form.VScroll1, 100);
    EXPECT_EQ(form.VScroll1->value(), 125);
    EXPECT_EQ(form.Picture1->topTwips(), -1250.0f);
}

TEST_F(Form2View, dragging_moves_the_page_with_the_pointer_within_its_bounds) {
    handOver({letterPage(1)});
    form.picture1_MouseDown(Qt::LeftButton, {}, 3000, 3000);
    form.picture1_MouseMove(Qt::LeftButton, {}, 2000, 2500);
    EXPECT_EQ(form.Picture1->leftTwips(), -1000.0f);
    EXPECT_EQ(form.Picture1->topTwips(), -500.0f);
    // Far to the right and down: the left and top edges stop at the viewport's.
    form.picture1_MouseDown(Qt::LeftButton, {}, 1000, 1000);
    form.picture1_MouseMove(Qt::LeftButton, {}, 9000, 9000);
    EXPECT_EQ(form.Picture1->leftTwips(), 0.0f);
    EXPECT_EQ(form.Picture1->topTwips(), 0.0f);
    // Far to the left and up: the right and bottom edges stop at the viewport's.
    form.picture1_MouseMove(Qt::LeftButton, {}, -20000, -20000);
    EXPECT_EQ(form.Picture1->leftTwips(), -2908.0f);
    EXPECT_EQ(form.Picture1->topTwips(), -8533.0f);
    // Scroll bars are not touched while the button is held.
    EXPECT_EQ(form.HScroll1->value(), 0);
}

TEST_F(Form2View, moving_without_a_button_does_nothing) {
    handOver({letterPage(1)});
    form.picture1_MouseDown(Qt::LeftButton, {}, 3000, 3000);
    form.picture1_MouseMove(Qt::NoButton, {}, 100, 100);
    EXPECT_EQ(form.Picture1->leftTwips(), 0.0f);
}

TEST_F(Form2View, the_release_sets_the_bars_to_where_the_page_stands) {
    handOver({letterPage(1)});
    form.picture1_MouseDown(Qt::LeftButton, {}, 3000, 3000);
    form.picture1_MouseMove(Qt::LeftButton, {}, 2000, 3000); // left −1000: 34 % of 2908
    form.Picture1_MouseUp();
    EXPECT_EQ(form.HScroll1->value(), 99);          // 34 % of 291 = 98.94
    EXPECT_EQ(form.Picture1->leftTwips(), -990.0f); // settles on a whole unit
    EXPECT_EQ(form.VScroll1->value(), 0);
}

TEST_F(Form2View, press_and_release_without_moving_at_the_corner_sets_both_bars_to_0) {
    handOver({letterPage(1)});
    form.HScroll1->setValue(5);
    form.HScroll1->setValue(0);
    form.picture1_MouseDown(Qt::LeftButton, {}, 10, 10);
    form.Picture1_MouseUp();
    EXPECT_EQ(form.HScroll1->value(), 0);
    EXPECT_EQ(form.VScroll1->value(), 0);
}

TEST_F(Form2View, a_page_narrower_than_the_viewport_stays_at_the_left_edge) {
    handOver({letterPage(1)});
    form.PushButton2_Click();
    form.PushButton2_Click(); // 0.5: 6119 wide, 7919 high
    form.picture1_MouseDown(Qt::LeftButton, {}, 1000, 1000);
    form.picture1_MouseMove(Qt::LeftButton, {}, 500, 1000);
    EXPECT_EQ(form.Picture1->leftTwips(), 0.0f);
    form.picture1_MouseMove(Qt::LeftButton, {}, 1500, 1000);
    EXPECT_EQ(form.Picture1->leftTwips(), 0.0f);
    form.Picture1_MouseUp();
    EXPECT_EQ(form.HScroll1->value(), 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Form2View, a_release_over_a_page_exactly_as_wide_as_the_viewport_shows_no_error) {
    handOver({letterPage(1)});
    form.HScroll1->setValue(7);
    form.Picture1->resizeTwips(9330, 15838);
    form.picture1_MouseDown(Qt::LeftButton, {}, 100, 100);
    form.Picture1_MouseUp();
    EXPECT_TRUE(messages.shown.empty()) << qPrintable(messages.texts().join("\n"));
    EXPECT_EQ(form.HScroll1->value(), 7); // that bar simply stays
    EXPECT_EQ(form.VScroll1->value(), 0); // the other is set as usual
}

TEST_F(Form2View, the_mouse_on_the_page_drags_it) {
    handOver({letterPage(1)});
    form.show();
    mouse(*form.Picture1, QEvent::MouseButtonPress, 3000, 3000, Qt::LeftButton);
    mouse(*form.Picture1, QEvent::MouseMove, 1500, 1500, Qt::LeftButton);
    EXPECT_EQ(form.Picture1->leftTwips(), -1500.0f);
    EXPECT_EQ(form.Picture1->topTwips(), -1500.0f);
    EXPECT_EQ(form.Picture1->pos(), QPoint(-100, -100));
    mouse(*form.Picture1, QEvent::MouseButtonRelease, 1500, 1500, Qt::NoButton);
    EXPECT_EQ(form.HScroll1->value(), 151); // 52 % of 291 = 151.3
    EXPECT_EQ(form.VScroll1->value(), 154); // 18 % of 853 = 153.5
}

} // namespace
