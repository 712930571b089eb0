#include "shell/HoverPushButton.h"
#include "shell/Twips.h"
#include "tests/entry/Form1Fixture.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>

using namespace quillory;
using quillory::testing::Form1Test;

namespace {

struct Placement {
    const char* name;
    int left, top, width, height;
};

// The design geometry, relative to each control's container, in twips.
const Placement kPlacements[] = {
    {"PushButton1", 120, 120, 7800, 405},   {"PushButton6", 120, 630, 3840, 405},
    {"PushButton7", 4080, 630, 3840, 405},  {"Frame1", 120, 1110, 7800, 2355},
    {"txtYourName", 1620, 270, 5910, 345},  {"txtStreetAddress", 1620, 765, 5910, 345},
    {"txtCity", 1620, 1260, 3075, 345},     {"txtZipCode", 5805, 1260, 1725, 345},
    {"txtPhone", 1620, 1800, 2445, 345},    {"txtEmail", 5085, 1800, 2445, 345},
    {"SSTab1", 120, 3585, 7800, 5100},      {"txtSkills", 1380, 135, 6045, 345},
    {"txtAbilities", 1380, 600, 6045, 1095}, {"PushButton4", 120, 1845, 3600, 405},
    {"PushButton5", 3840, 1845, 3600, 405}, {"ListView2", 120, 2340, 7320, 2130},
    {"Frame2", 210, 45, 7320, 4560},        {"txtDateEmployment", 2175, 250, 4875, 345},
    {"txtCompany", 2175, 750, 4890, 345},   {"txtCompanyCity", 2175, 1250, 4875, 345},
    {"txtJobTitle", 2160, 1750, 4920, 345}, {"PushButton3", 255, 2370, 3405, 405},
    {"PushButton2", 3765, 2370, 3285, 405}, {"ListView1", 240, 2895, 6810, 1500},
    {"Frame5", 90, 45, 7440, 2490},         {"txtDateOfAttendance", 2055, 270, 5115, 345},
    {"txtSchoolName", 2055, 810, 5130, 345}, {"txtSchoolCity", 2055, 1350, 5115, 345},
    {"txtDegreeObtained", 2055, 1890, 5130, 345},
};

}  // namespace

TEST_F(Form1Test, window_has_the_design_client_area_and_look) {
    EXPECT_EQ(form->objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(form->size(), QSize(536, 587));
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->font().bold());
    EXPECT_DOUBLE_EQ(form->font().pointSizeF(), 9.0);
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(255, 255, 255));
}

TEST_F(Form1Test, every_control_sits_at_its_design_geometry) {
    for (const Placement& p : kPlacements) {
        auto* control = form->findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(control, nullptr) << p.name;
        EXPECT_EQ(control->geometry(), twipsRect(p.left, p.top, p.width, p.height)) << p.name;
    }
}

TEST_F(Form1Test, controls_sit_in_their_design_containers) {
    auto parentName = [&](const char* name) {
        return form->findChild<QWidget*>(QString::fromLatin1(name))->parentWidget()->objectName();
    };
    EXPECT_EQ(parentName("txtYourName"), QStringLiteral("Frame1"));
    EXPECT_EQ(parentName("txtSkills"), QStringLiteral("Picture1_0"));
    EXPECT_EQ(parentName("ListView2"), QStringLiteral("Picture1_0"));
    EXPECT_EQ(parentName("Frame2"), QStringLiteral("Picture1_1"));
    EXPECT_EQ(parentName("ListView1"), QStringLiteral("Frame2"));
    EXPECT_EQ(parentName("Frame5"), QStringLiteral("Picture1_4"));
    EXPECT_EQ(parentName("txtDegreeObtained"), QStringLiteral("Frame5"));
}

TEST_F(Form1Test, push_buttons_have_their_captions_and_font) {
    const QList<QPair<const char*, const char*>> captions = {
        {"PushButton1", "Start Creating Template"}, {"PushButton2", "Delete Selected"},
        {"PushButton3", "Add"},                     {"PushButton4", "Add"},
        {"PushButton5", "Delete Selected"},         {"PushButton6", "Clear/Reset Data"},
        {"PushButton7", "Load Sample/Example Data"}};
    for (const auto& [name, caption] : captions) {
        auto* button = form->findChild<HoverPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), QString::fromLatin1(caption));
        EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 11.25);
        EXPECT_TRUE(button->font().bold());
    }
}

TEST_F(Form1Test, labels_stand_at_their_design_positions) {
    QHash<QString, QList<QPoint>> positions;
    for (QLabel* label : form->findChildren<QLabel*>()) {
        EXPECT_TRUE(label->objectName().startsWith(QStringLiteral("Label1_")));
        positions[label->text()] << label->pos();
    }
    EXPECT_EQ(positions.value(QStringLiteral("Your Name:")), QList<QPoint>{twipsPoint(180, 345)});
    EXPECT_EQ(positions.value(QStringLiteral("Zip Code:")), QList<QPoint>{twipsPoint(4860, 1335)});
    EXPECT_EQ(positions.value(QStringLiteral("Description:")), QList<QPoint>{twipsPoint(90, 660)});
    EXPECT_EQ(positions.value(QStringLiteral("Date of Employment:")), QList<QPoint>{twipsPoint(240, 300)});
    EXPECT_EQ(positions.value(QStringLiteral("Degree Obtained:")), QList<QPoint>{twipsPoint(135, 1965)});
    EXPECT_EQ(positions.value(QStringLiteral("City, State:")).size(), 3);
    EXPECT_EQ(form->findChildren<QLabel*>().size(), 16);
}

TEST_F(Form1Test, frames_have_their_captions) {
    EXPECT_EQ(form->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(), QStringLiteral("Personal Data"));
    EXPECT_EQ(form->findChild<QGroupBox*>(QStringLiteral("Frame2"))->title(), QString());
    EXPECT_EQ(form->findChild<QGroupBox*>(QStringLiteral("Frame5"))->title(), QString());
}

TEST_F(Form1Test, tabs_in_order_opening_on_skills_and_abilities) {
    auto* tabs = form->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("Skills and Abilities"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("Work History"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Education"));
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(tabs->widget(0)->isAncestorOf(form->findChild<QWidget*>(QStringLiteral("Picture1_0"))));
    EXPECT_TRUE(tabs->widget(1)->isAncestorOf(form->findChild<QWidget*>(QStringLiteral("Picture1_1"))));
    EXPECT_TRUE(tabs->widget(2)->isAncestorOf(form->findChild<QWidget*>(QStringLiteral("Picture1_4"))));
}

TEST_F(Form1Test, picture_boxes_keep_their_design_offset_inside_the_tab_control) {
    form->show();
    auto* tabs = form->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    for (int page = 0; page < 3; ++page) {
        tabs->setCurrentIndex(page);
        QCoreApplication::processEvents();
    }
    auto* picture = form->findChild<QWidget*>(QStringLiteral("Picture1_1"));
    const QPoint inTabs = picture->mapTo(tabs, QPoint(0, 0));
    EXPECT_EQ(inTabs.x(), twipsToPixels(45));
    EXPECT_GE(inTabs.y(), tabs->tabBar()->height() - 2);
    EXPECT_EQ(picture->size(), twipsSize(7530, 4650));
}

TEST_F(Form1Test, lists_have_their_columns_headers_and_widths) {
    auto* work = form->findChild<QTreeWidget*>(QStringLiteral("ListView1"));
    ASSERT_EQ(work->columnCount(), 4);
    const QStringList workHeaders = {"Date of Employment", "Company Name", "City, State", "Job Title"};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(work->headerItem()->text(c), workHeaders[c]);
        EXPECT_EQ(work->columnWidth(c), 200);
    }
    auto* skills = form->findChild<QTreeWidget*>(QStringLiteral("ListView2"));
    ASSERT_EQ(skills->columnCount(), 2);
    EXPECT_EQ(skills->headerItem()->text(0), QStringLiteral("Skills"));
    EXPECT_EQ(skills->headerItem()->text(1), QStringLiteral("Description"));
    EXPECT_EQ(skills->columnWidth(0), 200);
    EXPECT_EQ(skills->columnWidth(1), 267);
    EXPECT_FALSE(skills->rootIsDecorated());
    EXPECT_EQ(work->topLevelItemCount(), 0);
}

TEST_F(Form1Test, the_description_box_is_multi_line_with_scroll_bars) {
    auto* abilities = form->findChild<QPlainTextEdit*>(QStringLiteral("txtAbilities"));
    ASSERT_NE(abilities, nullptr);
    EXPECT_EQ(abilities->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(abilities->tabChangesFocus());
}

TEST_F(Form1Test, tab_order_follows_the_design_tab_indexes) {
    const QStringList order = {
        "txtYourName", "txtStreetAddress", "txtCity", "txtZipCode", "txtPhone", "txtEmail",
        "txtAbilities", "txtDateEmployment", "txtCompany", "txtCompanyCity", "txtJobTitle",
        "ListView1", "txtDateOfAttendance", "txtSchoolName", "txtSchoolCity", "txtDegreeObtained",
        "SSTab1", "ListView2", "txtSkills", "PushButton1", "PushButton4", "PushButton5",
        "PushButton3", "PushButton2", "PushButton6", "PushButton7"};
    // The focus chain also holds labels and the inner parts of the tab control and the
    // lists; the tab order is the order in which the named controls follow each other.
    QStringList chain;
    QWidget* start = form->findChild<QWidget*>(QStringLiteral("txtYourName"));
    QWidget* widget = start;
    do {
        if (order.contains(widget->objectName()))
            chain << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != start && chain.size() <= order.size());
    EXPECT_EQ(chain, order);
}
