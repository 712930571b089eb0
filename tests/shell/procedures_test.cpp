#include "shell/core/AppTitle.h"
#include "shell/core/ClipboardPicture.h"
#include "shell/core/Files.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "tests/shell/QtPrinters.h"

#include <gtest/gtest.h>

using namespace quillory;

TEST(file_exists, is_true_for_a_file_and_a_folder) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("a.doc"));
    QFile(file).open(QIODevice::WriteOnly);
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(dir.path()));
}

TEST(file_exists, is_false_for_empty_missing_and_bad_paths) {
    QTemporaryDir dir;
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_FALSE(FileExists(dir.filePath(QStringLiteral("missing.doc"))));
    EXPECT_FALSE(FileExists(dir.filePath(QStringLiteral("missing/deeper/x"))));
    EXPECT_FALSE(FileExists(QStringLiteral("\x01\x02:*?")));
}

TEST(delete_file_forced, deletes_a_read_only_file) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ro.bmp"));
    QFile(file).open(QIODevice::WriteOnly);
    QFile::setPermissions(file, QFile::ReadOwner);
    DeleteFileForced(file);
    EXPECT_FALSE(QFile::exists(file));
}

TEST(delete_file_forced, is_silent_for_missing_files_folders_and_empty_paths) {
    QTemporaryDir dir;
    EXPECT_NO_THROW(DeleteFileForced(dir.filePath(QStringLiteral("none"))));
    EXPECT_NO_THROW(DeleteFileForced(QString()));
    EXPECT_NO_THROW(DeleteFileForced(dir.path()));
    EXPECT_TRUE(QFile::exists(dir.path()));  // folders are not files to delete
}

TEST(path_in_folder, joins_with_native_separators) {
    EXPECT_EQ(pathInFolder(QStringLiteral("/opt/q"), QStringLiteral("x/o.cjs")), QStringLiteral("/opt/q/x/o.cjs"));
}

TEST(app_title, a_name_without_a_space_stays_as_it_is) {
    EXPECT_EQ(shortenedAppTitle(QStringLiteral("Quillory")), QStringLiteral("Quillory"));
}

TEST(app_title, a_short_name_with_a_space_still_loses_its_last_word) {
    EXPECT_EQ(shortenedAppTitle(QStringLiteral("Quillory Resume Builder")), QStringLiteral("Quillory Resume"));
}

TEST(app_title, a_long_name_is_cut_until_it_fits_forty_characters) {
    // Six words, 44 characters; the first five words make 35.
    const QString name = QStringLiteral("Alpha Bravo Charlie Delta Echoechoec Foxtrot");
    ASSERT_EQ(name.size(), 44);
    EXPECT_EQ(shortenedAppTitle(name), QStringLiteral("Alpha Bravo Charlie Delta Echoechoec"));
    const QString longer = QStringLiteral("Aaaaaaaaaa Bbbbbbbbbb Cccccccccc Dddddddddd Eeeeeeeeee");
    EXPECT_EQ(shortenedAppTitle(longer), QStringLiteral("Aaaaaaaaaa Bbbbbbbbbb Cccccccccc"));
}

TEST(app_title, a_long_word_without_space_ends_the_cutting) {
    const QString name = QStringLiteral("Averyveryveryveryveryveryveryveryverylongname tail");
    EXPECT_EQ(shortenedAppTitle(name), QStringLiteral("Averyveryveryveryveryveryveryveryverylongname"));
}

TEST(app_title, set_app_title_names_the_program_quillory) {
    SetAppTitle();
    EXPECT_EQ(applicationTitle(), QStringLiteral("Quillory"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Quillory"));
}

TEST(clipboard_picture, an_empty_clipboard_gives_none_after_a_thousand_reads) {
    int reads = 0;
    const auto picture = GetClipboardPicture(0, [&]() -> std::optional<QImage> {
        ++reads;
        return std::nullopt;
    });
    EXPECT_FALSE(picture.has_value());
    EXPECT_EQ(reads, 1000);
}

TEST(clipboard_picture, returns_at_the_first_successful_read) {
    int reads = 0;
    const auto picture = GetClipboardPicture(0, [&]() -> std::optional<QImage> {
        ++reads;
        return QImage(4, 3, QImage::Format_RGB32);
    });
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), QSize(4, 3));
    EXPECT_EQ(reads, 1);
}

TEST(clipboard_picture, failing_reads_are_retried_and_never_escape) {
    int reads = 0;
    const auto picture = GetClipboardPicture(0, [&]() -> std::optional<QImage> {
        if (++reads < 7)
            throw std::runtime_error("clipboard busy");
        return QImage(2, 2, QImage::Format_RGB32);
    });
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(reads, 7);
}

TEST(clipboard_picture, reads_the_picture_on_the_system_clipboard) {
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(image);
    const auto picture = GetClipboardPicture(0);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->size(), QSize(16, 8));
    EXPECT_EQ(picture->pixelColor(3, 3), QColor(Qt::red));
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(GetClipboardPicture(0).has_value());
}
