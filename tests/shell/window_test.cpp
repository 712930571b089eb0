#include "shell/ControlKinds.h"
#include "shell/CursorFile.h"
#include "shell/HoverPushButton.h"
#include "shell/PointerConvention.h"
#include "shell/QtMessages.h"
#include "shell/Skin.h"
#include "shell/SkinFramework.h"
#include "shell/Twips.h"
#include "shell/WindowConventions.h"
#include "shell/core/Error.h"

#include <QCoreApplication>
#include <QDir>
#include <QEnterEvent>
#include <QScreen>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "tests/shell/QtPrinters.h"

#include <gtest/gtest.h>

using namespace quillory;

namespace {

QString sourcePath(const QString& relative) {
    return qEnvironmentVariable("QUILLORY_SOURCE_DIR") + QLatin1Char('/') + relative;
}

QColor background(const QWidget& widget) { return widget.palette().color(QPalette::Window); }

// A window with one control of each kind the recolouring tells apart.
struct SampleWindow {
    QWidget window;
    QGroupBox* frame = new QGroupBox(QStringLiteral("Frame"), &window);
    QLabel* label = new QLabel(QStringLiteral("Label"), frame);
    QWidget* picture = new QWidget(&window);
    QLineEdit* text = new QLineEdit(&window);
    QTreeWidget* list = new QTreeWidget(&window);
    HoverPushButton* button = new HoverPushButton(QStringLiteral("Go"), &window);

    SampleWindow() {
        markAsPictureBox(*picture);
        for (QWidget* w : {&window, static_cast<QWidget*>(frame), static_cast<QWidget*>(label),
                           picture, static_cast<QWidget*>(text), static_cast<QWidget*>(list)})
            setBackgroundColour(*w, designWhite());
    }
};

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

TEST(twips, fifteen_make_a_pixel_rounded_to_the_nearest) {
    EXPECT_EQ(twipsToPixels(8040), 536);
    EXPECT_EQ(twipsToPixels(8805), 587);
    EXPECT_EQ(twipsToPixels(250), 17);   // 16.67
    EXPECT_EQ(twipsToPixels(1250), 83);  // 83.33
    EXPECT_EQ(twipsRect(120, 3585, 7800, 5100), QRect(8, 239, 520, 340));
}

TEST(window_conventions, fixed_window_has_minimize_and_close_but_no_maximize) {
    QWidget window;
    setUpFixedWindow(window, twipsSize(8040, 8805));
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(window.minimumSize(), QSize(536, 587));
    EXPECT_EQ(window.maximumSize(), QSize(536, 587));
    EXPECT_EQ(background(window), QColor(255, 255, 255));
}

TEST(window_conventions, fonts_are_arial_bold_with_liberation_sans_as_fallback) {
    const QFont font = windowFont();
    EXPECT_EQ(font.families(), (QStringList{"Arial", "Liberation Sans"}));
    EXPECT_DOUBLE_EQ(font.pointSizeF(), 9.0);
    EXPECT_TRUE(font.bold());
    EXPECT_DOUBLE_EQ(pushButtonFont().pointSizeF(), 11.25);
    EXPECT_TRUE(pushButtonFont().bold());
    // The face really used on this machine is one of the two.
    const QString used = QFontInfo(font).family();
    EXPECT_TRUE(used == QStringLiteral("Arial") || used == QStringLiteral("Liberation Sans")) << qPrintable(used);
}

TEST(window_conventions, caption_and_icon_with_all_four_sizes) {
    QWidget window;
    setCaptionAndIcon(window);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillory"));
    const QList<QSize> sizes = window.windowIcon().availableSizes();
    for (int size : {32, 48, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    EXPECT_FALSE(window.windowIcon().pixmap(256).isNull());
}

TEST(window_conventions, centre_on_screen_centres_the_frame) {
    QWidget window;
    setUpFixedWindow(window, QSize(200, 100));
    centreOnScreen(window);
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_LE(std::abs(window.frameGeometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(window.frameGeometry().center().y() - screen.center().y()), 1);
}

TEST(pointer_rule, push_buttons_show_the_hand_other_areas_the_default_hourglass_stays) {
    EXPECT_EQ(pointerCodeAfterMove(kPointerDefault, PointerArea::PushButton), kPointerCustom);
    EXPECT_EQ(pointerCodeAfterMove(kPointerCustom, PointerArea::ResettingArea), kPointerDefault);
    EXPECT_EQ(pointerCodeAfterMove(kPointerHourglass, PointerArea::PushButton), kPointerHourglass);
    EXPECT_EQ(pointerCodeAfterMove(kPointerHourglass, PointerArea::ResettingArea), kPointerHourglass);
}

TEST(window_pointer, hover_over_a_button_shows_the_custom_hand) {
    SampleWindow sample;
    WindowPointer pointer(sample.window);
    pointer.watchPushButton(*sample.button);
    pointer.watchResettingArea(*sample.list);
    const QCursor hand = loadCursorFile(sourcePath(QStringLiteral("app/artwork/HAND-M.CUR")));
    pointer.setCustomCursor(hand);

    Q_EMIT sample.button->hovered();
    EXPECT_EQ(pointer.code(), kPointerCustom);
    EXPECT_EQ(sample.window.cursor().hotSpot(), hand.hotSpot());
    EXPECT_FALSE(sample.window.cursor().pixmap().isNull());

    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(sample.list->viewport(), &move);
    EXPECT_EQ(pointer.code(), kPointerDefault);
    EXPECT_EQ(sample.window.cursor().shape(), Qt::ArrowCursor);
}

TEST(window_pointer, the_hourglass_is_kept_while_the_mouse_moves_over_a_button) {
    SampleWindow sample;
    WindowPointer pointer(sample.window);
    pointer.watchPushButton(*sample.button);
    pointer.setCode(kPointerHourglass);
    Q_EMIT sample.button->hovered();
    EXPECT_EQ(pointer.code(), kPointerHourglass);
    EXPECT_EQ(sample.window.cursor().shape(), Qt::WaitCursor);
}

TEST(window_pointer, without_a_cursor_file_the_hand_code_shows_the_default_pointer) {
    SampleWindow sample;
    WindowPointer pointer(sample.window);
    pointer.watchPushButton(*sample.button);
    Q_EMIT sample.button->hovered();
    EXPECT_EQ(pointer.code(), kPointerCustom);
    EXPECT_EQ(sample.window.cursor().shape(), Qt::ArrowCursor);
}

TEST(hover_push_button, entering_and_moving_report_a_hover) {
    HoverPushButton button(QStringLiteral("Add"));
    int hovers = 0;
    QObject::connect(&button, &HoverPushButton::hovered, [&] { ++hovers; });
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&button, &enter);
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &move);
    EXPECT_EQ(hovers, 2);
    EXPECT_DOUBLE_EQ(button.font().pointSizeF(), 11.25);
}

TEST(cursor_file, our_hand_cursor_loads_with_its_hot_spot_on_the_fingertip) {
    const QCursor hand = loadCursorFile(sourcePath(QStringLiteral("app/artwork/HAND-M.CUR")));
    EXPECT_EQ(hand.hotSpot(), QPoint(10, 0));
    const QImage picture = hand.pixmap().toImage();
    EXPECT_EQ(picture.size(), QSize(32, 32));
    EXPECT_GT(qAlpha(picture.pixel(11, 0)), 0);   // the fingertip is drawn
    EXPECT_EQ(qAlpha(picture.pixel(31, 31)), 0);  // the corner is transparent
}

TEST(cursor_file, damaged_or_foreign_bytes_give_readable_errors) {
    QFile file(sourcePath(QStringLiteral("app/artwork/HAND-M.CUR")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    EXPECT_THROW(cursorFromCurBytes(QByteArray()), Error);
    EXPECT_THROW(cursorFromCurBytes(QByteArray("\x89PNG not a cursor at all")), Error);
    EXPECT_THROW(cursorFromCurBytes(good.left(100)), Error);
    QByteArray icon = good;
    icon[2] = 1;  // an icon, not a cursor
    EXPECT_THROW(cursorFromCurBytes(icon), Error);
    EXPECT_THROW(loadCursorFile(QStringLiteral("/nonexistent/HAND-M.CUR")), Error);
}

TEST(skin_framework, unknown_members_and_missing_skins_throw) {
    SkinFramework skin;
    EXPECT_THROW(skin.get(4), Error);
    EXPECT_THROW(skin.put(7, 1), Error);
    EXPECT_THROW(skin.invoke(9, {}), Error);
    EXPECT_THROW(skin.invoke(SkinFramework::kLoadSkin, {QStringLiteral("/nonexistent/o.cjs"), QString()}), Error);
    EXPECT_THROW(skin.invoke(SkinFramework::kApplyWindow, {0}), Error);  // nothing loaded
    EXPECT_FALSE(skin.isLoaded());
}

TEST(skin_framework, options_and_flags_keep_what_is_written) {
    SkinFramework skin;
    skin.put(SkinFramework::kOptions, skin.get(SkinFramework::kOptions).toInt() | 1);
    skin.put(SkinFramework::kApplyColors, true);
    EXPECT_EQ(skin.get(SkinFramework::kOptions).toInt(), 1);
    EXPECT_TRUE(skin.get(SkinFramework::kApplyColors).toBool());
    EXPECT_FALSE(skin.get(SkinFramework::kApplyMetrics).toBool());
}

TEST(skin_framework, style_sheet_check_finds_unbalanced_and_empty_sheets) {
    EXPECT_EQ(styleSheetProblem(QStringLiteral("QPushButton { color: red; } /* } */ QLabel { content: \"}\"; }")), QString());
    EXPECT_FALSE(styleSheetProblem(QString()).isEmpty());
    EXPECT_FALSE(styleSheetProblem(QStringLiteral("QPushButton { color: red;")).isEmpty());
    EXPECT_FALSE(styleSheetProblem(QStringLiteral("} QLabel {")).isEmpty());
    EXPECT_FALSE(styleSheetProblem(QStringLiteral("QLabel { } /* open")).isEmpty());
}

TEST(skin_framework, our_skin_file_loads) {
    SkinFramework skin;
    skin.invoke(SkinFramework::kLoadSkin, {sourcePath(QStringLiteral("app/skin/o.cjs")), QString()});
    EXPECT_TRUE(skin.isLoaded());
    EXPECT_TRUE(skin.styleSheet().contains(QStringLiteral("QPushButton")));
}

TEST(apply_skin, without_the_skin_file_nothing_changes) {
    QTemporaryDir folder;
    SampleWindow sample;
    SkinFramework skin;
    ApplySkin(sample.window, skin, folder.path());
    EXPECT_EQ(background(sample.window), QColor(255, 255, 255));
    EXPECT_EQ(background(*sample.frame), QColor(255, 255, 255));
    EXPECT_EQ(background(*sample.picture), QColor(255, 255, 255));
    EXPECT_FALSE(skin.isLoaded());
    EXPECT_TRUE(sample.window.styleSheet().isEmpty());
}

TEST(apply_skin, with_the_skin_file_recolours_and_skins_the_window) {
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("x"));
    writeFile(folder.filePath(QStringLiteral("x/o.cjs")), "QPushButton { color: #123456; }");
    SampleWindow sample;
    SkinFramework skin;
    ApplySkin(sample.window, skin, folder.path());
    const QColor face = buttonFaceColour();
    EXPECT_EQ(background(sample.window), face);
    EXPECT_EQ(background(*sample.frame), face);
    EXPECT_EQ(background(*sample.label), face);
    EXPECT_EQ(background(*sample.picture), face);
    EXPECT_EQ(background(*sample.text), QColor(255, 255, 255));
    EXPECT_EQ(background(*sample.list), QColor(255, 255, 255));
    EXPECT_EQ(sample.window.styleSheet(), QStringLiteral("QPushButton { color: #123456; }"));
    EXPECT_EQ(skin.get(SkinFramework::kOptions).toInt() & 1, 1);
    EXPECT_TRUE(skin.get(SkinFramework::kApplyColors).toBool());
    EXPECT_TRUE(skin.get(SkinFramework::kApplyMetrics).toBool());
}

TEST(apply_skin, a_broken_skin_throws_after_the_recolouring) {
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("x"));
    writeFile(folder.filePath(QStringLiteral("x/o.cjs")), "QPushButton { color: red;");
    SampleWindow sample;
    SkinFramework skin;
    try {
        ApplySkin(sample.window, skin, folder.path());
        FAIL() << "a broken skin must throw";
    } catch (const Error& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("cannot be loaded")));
    }
    EXPECT_EQ(background(sample.window), buttonFaceColour());
    EXPECT_TRUE(sample.window.styleSheet().isEmpty());
}

TEST(set_system_back_colors, leaves_picture_boxes_and_inputs_alone) {
    SampleWindow sample;
    SetSystemBackColors(sample.window);
    const QColor face = buttonFaceColour();
    EXPECT_EQ(background(sample.window), face);
    EXPECT_EQ(background(*sample.frame), face);
    EXPECT_EQ(background(*sample.label), face);
    EXPECT_EQ(background(*sample.picture), QColor(255, 255, 255));
    EXPECT_EQ(background(*sample.text), QColor(255, 255, 255));
    EXPECT_EQ(background(*sample.list), QColor(255, 255, 255));
}

TEST(qt_messages, carriage_returns_break_lines_on_screen) {
    EXPECT_EQ(messageDisplayText(QStringLiteral("a\r\nb\r\rc")), QStringLiteral("a\nb\n\nc"));
}
