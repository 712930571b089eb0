// Form2 as a window: its controls, conventions and load, the first activation with page 1,
// and the page switch by click and by any key released in the list.

#include "Form2Fixture.h"

#include "preview/CommonDialog.h"
#include "preview/PictureArray.h"
#include "shell/HoverPushButton.h"
#include "shell/PointerConvention.h"
#include "shell/Skin.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

using namespace quillory;
using namespace quillory::testing;

namespace {

using Form2Window = Form2Test;

struct Placed {
    const char* name;
    QRect pixels; // design twips / 15
};

TEST_F(Form2Window, every_control_of_the_layout_is_there_by_name_where_designed) {
    const Placed controls[] = {
        {"ListView1", {8, 8, 640, 105}},     {"Zoom_Ori", {688, 32, 49, 25}},
        {"Frame1", {8, 628, 640, 57}},       {"PushButton1", {16, 20, 296, 27}},
        {"PushButton2", {320, 20, 304, 27}}, {"Picture2", {8, 120, 622, 487}},
        {"Picture1", {0, 0, 156, 229}},      {"VScroll1", {630, 120, 17, 487}},
        {"HScroll1", {8, 607, 622, 17}},     {"PushButton6", {328, 694, 320, 27}},
        {"PushButton8", {8, 694, 312, 27}},
    };
    for (const Placed& c : controls) {
        auto* widget = form.findChild<QWidget*>(c.name);
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->geometry(), c.pixels) << c.name;
    }
    EXPECT_NE(form.findChild<QObject*>("CommonDialog1"), nullptr);
    EXPECT_NE(form.findChild<QObject*>("Image1"), nullptr);
    EXPECT_EQ(form.Image1->count(), 1); // element 0 exists from the start
    EXPECT_EQ(form.Picture1->parentWidget(), form.Picture2);
    EXPECT_EQ(form.PushButton1->parentWidget(), form.Frame1);
    EXPECT_EQ(form.PushButton2->parentWidget(), form.Frame1);
    EXPECT_EQ(form.size(), QSize(656, 730));
}

TEST_F(Form2Window, captions_and_fonts_follow_the_window_conventions) {
    EXPECT_EQ(form.PushButton1->text(), "Zoom In");
    EXPECT_EQ(form.PushButton2->text(), "Zoom Out");
    EXPECT_EQ(form.PushButton6->text(), "Save Results To Word File");
    EXPECT_EQ(form.PushButton8->text(), "< Back");
    EXPECT_EQ(form.Frame1->title(), "Zoom:");
    EXPECT_EQ(form.windowTitle(), "Quillory");
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_DOUBLE_EQ(form.font().pointSizeF(), 9.0);
    EXPECT_TRUE(form.font().bold());
    EXPECT_DOUBLE_EQ(form.ListView1->font().pointSizeF(), 9.0);
    for (HoverPushButton* button :
         {form.PushButton1, form.PushButton2, form.PushButton6, form.PushButton8}) {
        EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 11.25);
        EXPECT_TRUE(button->font().bold());
    }
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
}

TEST_F(Form2Window, the_tab_order_is_the_designed_one) {
    const QStringList expected{"HScroll1",    "VScroll1",    "Picture2",
                               "Picture1",    "PushButton1", "PushButton2",
                               "PushButton6", "PushButton8", "ListView1"};
    QStringList seen;
    QWidget* w = form.HScroll1;
    do {
        if (expected.contains(w->objectName()) && !seen.contains(w->objectName()))
            seen << w->objectName();
        w = w->nextInFocusChain();
    } while (w != form.HScroll1);
    EXPECT_EQ(seen, expected);
}

TEST_F(Form2Window, the_load_sets_up_the_list_and_recolours_only_window_and_frame) {
    EXPECT_TRUE(form.mFirstActivate);
    ASSERT_EQ(form.ListView1->columnCount(), 1);
    EXPECT_EQ(form.ListView1->headerItem()->text(0), "Page(s)");
    EXPECT_EQ(form.ListView1->columnWidth(0), 500); // 7500 twips
    const QColor face = buttonFaceColour();
    EXPECT_EQ(form.palette().color(QPalette::Window), face);
    EXPECT_EQ(form.Frame1->palette().color(QPalette::Window), face);
    EXPECT_EQ(form.Picture2->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(form.Picture1->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Form2Window, without_the_cursor_file_the_window_keeps_standard_pointers) {
    EXPECT_FALSE(form.pointer().hasCustomCursor());
    EXPECT_TRUE(messages.shown.empty());
}

TEST(Form2Cursor, the_hand_cursor_beside_the_program_is_loaded_and_shown_over_buttons) {
    RecordingMessages messages;
    ScopedMessages scoped(messages);
    Form2 form;
    form.setApplicationFolder(qEnvironmentVariable("QUILLORY_SOURCE_DIR") + "/app/artwork");
    form.Form_Load();
    EXPECT_TRUE(form.pointer().hasCustomCursor());
    Q_EMIT form.PushButton6->hovered();
    EXPECT_EQ(form.pointer().code(), kPointerCustom);
    form.pointer().movedOver(PointerArea::ResettingArea);
    EXPECT_EQ(form.pointer().code(), kPointerDefault);
    form.pointer().setCode(kPointerHourglass);
    Q_EMIT form.PushButton1->hovered();
    EXPECT_EQ(form.pointer().code(), kPointerHourglass);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Form2Window, a_bad_cursor_file_is_reported_at_line_110_and_the_load_goes_on) {
    QFile bad(folder.filePath("HAND-M.CUR"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a cursor");
    bad.close();
    Form2 other;
    other.setApplicationFolder(folder.path());
    other.Form_Load();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("Form2.Form_Load at line 110"));
    EXPECT_EQ(other.ListView1->headerItem()->text(0), "Page(s)");
}

TEST_F(Form2Window, the_first_activation_shows_page_1_at_zoom_1_with_its_scroll_bars) {
    handOver({letterPage(1), letterPage(2), letterPage(3)});
    EXPECT_FALSE(form.mFirstActivate);
    EXPECT_EQ(form.mZoom, 1.0f);
    EXPECT_EQ(form.mOrigWidth, 12238);
    EXPECT_EQ(form.mOrigHeight, 15838);
    EXPECT_EQ(form.mZoomWidth, 12238);
    EXPECT_EQ(form.Picture1->widthTwips(), 12238);
    EXPECT_EQ(form.Picture1->heightTwips(), 15838);
    EXPECT_EQ(form.Zoom_Ori->isVisible(), false);
    EXPECT_TRUE(form.Picture1->autoSize());
    EXPECT_EQ(form.Picture1->drawMode(), 6);
    // 12238 − 9330 = 2908 → 291 units of 10; 15838 − 7305 = 8533 → 853.
    EXPECT_TRUE(form.HScroll1->isEnabled());
    EXPECT_EQ(form.HScroll1->maximum(), 291);
    EXPECT_EQ(form.mHScrollStep, 10);
    EXPECT_EQ(form.VScroll1->maximum(), 853);
    EXPECT_EQ(form.mVScrollStep, 10);
    EXPECT_EQ(centreColour(*form.Picture1), letterPage(1).pixelColor(0, 0));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Form2Window, becoming_active_again_keeps_zoom_and_position) {
    handOver({letterPage(1)});
    form.PushButton1_Click();
    form.HScroll1->setValue(40);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&form, &activate);
    form.Form_Activate();
    EXPECT_EQ(form.mZoom, 1.25f);
    EXPECT_EQ(form.HScroll1->value(), 40);
}

TEST_F(Form2Window, the_page_list_holds_one_item_per_page) {
    handOver({letterPage(1), letterPage(2), letterPage(3)});
    ASSERT_EQ(form.ListView1->topLevelItemCount(), 3);
    EXPECT_EQ(form.ListView1->topLevelItem(0)->text(0), "Page 1");
    EXPECT_EQ(form.ListView1->topLevelItem(2)->text(0), "Page 3");
    EXPECT_EQ(form.Image1->count(), 3);
    EXPECT_EQ(form.ListView1->selectedItems().value(0), form.ListView1->topLevelItem(0));
}

TEST_F(Form2Window, clicking_a_page_shows_it_at_zoom_1_from_its_top_left_corner) {
    handOver({letterPage(1), letterPage(2), letterPage(3)});
    form.PushButton1_Click();
    form.HScroll1->setValue(100);
    QTreeWidgetItem* item = form.ListView1->topLevelItem(1);
    const QRect rect = form.ListView1->visualItemRect(item);
    QTest::mouseClick(form.ListView1->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(form.mZoom, 1.0f);
    EXPECT_EQ(form.Picture1->leftTwips(), 0.0f);
    EXPECT_EQ(form.HScroll1->value(), 0);
    EXPECT_EQ(centreColour(*form.Picture1), letterPage(2).pixelColor(0, 0));
    EXPECT_EQ(form.pointer().code(), kPointerDefault);
}

TEST_F(Form2Window, any_key_released_in_the_list_repeats_the_page_switch) {
    handOver({letterPage(1), letterPage(2)});
    form.PushButton1_Click();
    ASSERT_EQ(form.mZoom, 1.25f);
    QTest::keyClick(form.ListView1, Qt::Key_Shift); // moves nothing
    EXPECT_EQ(form.mZoom, 1.0f);
    EXPECT_EQ(centreColour(*form.Picture1), letterPage(1).pixelColor(0, 0));
    form.ListView1->setFocus();
    QTest::keyClick(form.ListView1, Qt::Key_Down);
    EXPECT_EQ(centreColour(*form.Picture1), letterPage(2).pixelColor(0, 0));
}

TEST_F(Form2Window, a_one_page_document_shows_the_same_page_again_on_a_click) {
    handOver({letterPage(4)});
    form.PushButton2_Click();
    form.ListView1_Click();
    EXPECT_EQ(form.mZoom, 1.0f);
    EXPECT_EQ(form.Picture1->widthTwips(), 12238);
    EXPECT_EQ(centreColour(*form.Picture1), letterPage(4).pixelColor(0, 0));
}

TEST_F(Form2Window, a_page_switch_without_a_selected_page_does_nothing) {
    handOver({letterPage(1), letterPage(2)});
    form.ListView1->clearSelection();
    form.PushButton1_Click();
    form.ListView1_Click();
    EXPECT_EQ(form.mZoom, 1.25f);
    EXPECT_EQ(form.pointer().code(), kPointerDefault);
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
