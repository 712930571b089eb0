// The preview's arithmetic: zoom steps and bounds, painted sizes, scroll ranges and
// offsets, percentages, drag bounds, natural picture sizes. Worked numbers are twips.

#include "preview/CommonDialog.h"
#include "preview/DragBounds.h"
#include "preview/NaturalSize.h"
#include "preview/Rounding.h"
#include "preview/ScrollPercent.h"
#include "preview/ScrollRanges.h"
#include "preview/ZoomSteps.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace quillory;

namespace {

TEST(zoom_steps, any_non_zero_flag_zooms_out) {
    EXPECT_EQ(steppedZoom(1.0f, -1), 0.75f);
    EXPECT_EQ(steppedZoom(1.0f, 7), 0.75f);
    EXPECT_EQ(steppedZoom(1.0f, 0), 1.25f);
}

TEST(zoom_steps, every_step_lands_exactly_on_one_of_sixteen_values) {
    float zoom = 0.25f;
    for (int i = 1; i <= 16; ++i) {
        EXPECT_EQ(zoom, 0.25f * i);
        zoom = steppedZoom(zoom, 0);
    }
    EXPECT_FALSE(isAcceptedZoom(zoom));
    EXPECT_FALSE(isAcceptedZoom(0.0f));
    EXPECT_TRUE(isAcceptedZoom(0.25f));
    EXPECT_TRUE(isAcceptedZoom(4.0f));
}

TEST(painted_size, is_the_floor_of_the_product) {
    EXPECT_EQ(scaledSize(3600, 1.25f), 4500);
    EXPECT_EQ(scaledSize(2338, 0.75f), 1753);  // 1753.5
    EXPECT_EQ(scaledSize(15838, 4.0f), 63352); // beyond 16 bits
    EXPECT_EQ(scaledSize(12238, 0.25f), 3059); // 3059.5
}

TEST(painted_size, the_unscaled_size_is_the_inner_size_less_two_rounded_half_to_even) {
    EXPECT_EQ(unscaledSize(12240), 12238);
    EXPECT_EQ(unscaledSize(2.5), 0); // 0.5
    EXPECT_EQ(unscaledSize(3.5), 2); // 1.5
}

TEST(painted_size, a_letter_page_paints_at_every_zoom_and_the_memory_guard_stops_larger) {
    for (float zoom = 0.25f; zoom <= 4.0f; zoom += 0.25f)
        EXPECT_TRUE(isPaintable(scaledSize(12238, zoom), scaledSize(15838, zoom))) << zoom;
    EXPECT_TRUE(isPaintable(16384 * 15, 100));
    EXPECT_FALSE(isPaintable(16384 * 15 + 1, 100));
    EXPECT_FALSE(isPaintable(100, 16384 * 15 + 1));
}

TEST(scroll_ranges, a_picture_exactly_as_wide_as_the_viewport_disables_the_bar) {
    const ScrollRange range = scrollRangeFor(9330, 9330);
    EXPECT_FALSE(range.enabled);
    EXPECT_EQ(range.step, 0);
    EXPECT_FALSE(scrollRangeFor(3059, 9330).enabled);
}

TEST(scroll_ranges, up_to_100_wider_counts_single_twips_beyond_tens) {
    ScrollRange range = scrollRangeFor(9430, 9330);
    EXPECT_TRUE(range.enabled);
    EXPECT_EQ(range.maximum, 100);
    EXPECT_EQ(range.step, 1);
    range = scrollRangeFor(9431, 9330);
    EXPECT_EQ(range.maximum, 10);
    EXPECT_EQ(range.step, 10);
}

TEST(scroll_ranges, tenths_round_half_to_even) {
    EXPECT_EQ(scrollRangeFor(9330 + 1235, 9330).maximum, 124); // 123.5
    EXPECT_EQ(scrollRangeFor(9330 + 1225, 9330).maximum, 122); // 122.5
    EXPECT_EQ(scrollOffset(10, 124), -1240);
}

TEST(scroll_ranges, a_page_at_zoom_four_is_reached_to_its_end_in_32_bits) {
    const ScrollRange range = scrollRangeFor(63352, 7305); // Letter height at 4.0
    EXPECT_EQ(range.maximum, 5605);                        // 5604.7
    EXPECT_EQ(scrollOffset(range.step, range.maximum), -56050);
    EXPECT_LE(63352 + scrollOffset(range.step, range.maximum), 7305);
}

TEST(scroll_percent, outside_0_to_100_leaves_the_bar) {
    EXPECT_FALSE(scrollValueAtPercent(-1, 125).has_value());
    EXPECT_FALSE(scrollValueAtPercent(101, 125).has_value());
}

TEST(scroll_percent, places_the_bar_at_its_share_of_max_rounded_half_to_even) {
    EXPECT_EQ(scrollValueAtPercent(100, 125), 125);
    EXPECT_EQ(scrollValueAtPercent(50, 125), 62); // 62.5
    EXPECT_EQ(scrollValueAtPercent(0, 125), 0);
    EXPECT_EQ(scrollValueAtPercent(34, 291), 99); // 98.94
}

TEST(dragged_percent, is_the_share_of_the_way_across) {
    EXPECT_EQ(draggedPercent(-1000.0f, 12238, 9330), 34); // 34.39
    EXPECT_EQ(draggedPercent(-2908.0f, 12238, 9330), 100);
    EXPECT_EQ(draggedPercent(0.0f, 12238, 9330), 0);
    EXPECT_EQ(draggedPercent(-1.0f, 9530, 9330), 0); // 0.5
    EXPECT_EQ(draggedPercent(-3.0f, 9530, 9330), 2); // 1.5
}

TEST(dragged_percent, a_picture_as_large_as_the_viewport_has_none_instead_of_a_division_by_zero) {
    EXPECT_FALSE(draggedPercent(0.0f, 9330, 9330).has_value());
    EXPECT_FALSE(draggedPercent(-15.0f, 9330, 9330).has_value());
}

TEST(dragged_percent, is_negative_for_a_smaller_page_and_held_within_16_bits) {
    EXPECT_LT(*draggedPercent(-100.0f, 6119, 9330), 0);
    EXPECT_EQ(draggedPercent(-60000.0f, 9331, 9330), 32767);
    EXPECT_FALSE(scrollValueAtPercent(32767, 10).has_value());
}

TEST(drag_bounds, keeps_the_point_under_the_pointer_fixed) {
    EXPECT_EQ(draggedPosition(-500.0f, 3000.0f, 2000.0f), -1500.0f);
}

TEST(drag_bounds, a_larger_page_never_leaves_a_gap) {
    EXPECT_EQ(boundedDragPosition(400.0f, 9330, 12238), 0.0f);
    EXPECT_EQ(boundedDragPosition(-5000.0f, 9330, 12238), -2908.0f);
    EXPECT_EQ(boundedDragPosition(-1000.0f, 9330, 12238), -1000.0f);
}

TEST(drag_bounds, a_page_no_larger_than_the_viewport_stays_at_the_near_edge) {
    EXPECT_EQ(boundedDragPosition(-200.0f, 9330, 6119), 0.0f);
    EXPECT_EQ(boundedDragPosition(300.0f, 9330, 6119), 0.0f);
    EXPECT_EQ(boundedDragPosition(-200.0f, 9330, 9330), 0.0f);
}

TEST(natural_size, follows_the_recorded_resolution) {
    EXPECT_EQ(naturalTwips(1632, 7559), 12240); // Letter width at 192 dpi
    EXPECT_EQ(naturalTwips(816, 3780), 12238);  // 96 dpi as dots per metre records it
    EXPECT_EQ(naturalTwips(100, 0), 1500);      // none recorded: 96 dpi
    QImage picture(1632, 2112, QImage::Format_RGB32);
    picture.setDotsPerMeterX(7559);
    picture.setDotsPerMeterY(7559);
    EXPECT_EQ(naturalSizeInTwips(picture), QSize(12240, 15840));
    EXPECT_EQ(naturalSizeInTwips(QImage()), QSize(0, 0));
}

TEST(rounding, halves_go_to_the_even_neighbour_and_results_stay_in_range) {
    EXPECT_EQ(roundHalfEven(123.5), 124);
    EXPECT_EQ(roundHalfEven(62.5), 62);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(1e12), INT32_MAX);
    EXPECT_EQ(roundHalfEven(-1e12), INT32_MIN);
    EXPECT_EQ(saturatedInt16(70000), 32767);
    EXPECT_EQ(saturatedInt16(-70000), -32768);
}

TEST(save_dialog_filter, becomes_qt_name_filters) {
    EXPECT_EQ(qtNameFilters("Word Files (*.doc)|*.doc"), "Word Files (*.doc)");
    EXPECT_EQ(qtNameFilters("Text|*.txt;*.text"), "Text (*.txt *.text)");
    EXPECT_EQ(qtNameFilters("Word Files (*.doc)|*.doc|All Files|*.*"),
              "Word Files (*.doc)\nAll Files (*.*)");
    EXPECT_EQ(qtNameFilters(""), "");
}

} // namespace
