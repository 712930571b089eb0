// The temporary folder and the private files of the hand-over.

#include "shell/core/Error.h"
#include "wordgen/TemporaryFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace quillory;

namespace {

class Environment {
  public:
    Environment() : lower_(qgetenv("temp")), upper_(qgetenv("TEMP")) {}
    ~Environment() {
        put("temp", lower_);
        put("TEMP", upper_);
    }
    static void put(const char* name, const QByteArray& value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }

  private:
    QByteArray lower_;
    QByteArray upper_;
};

QFile::Permissions accessBits(const QString& path) {
    return QFileInfo(path).permissions() & (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                            QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
}

TEST(temporary_folder, the_lower_case_variable_comes_first) {
    Environment keep;
    QTemporaryDir a, b;
    qputenv("temp", a.path().toLocal8Bit());
    qputenv("TEMP", b.path().toLocal8Bit());
    EXPECT_EQ(temporaryFolder(), QDir::toNativeSeparators(a.path()));
}

TEST(temporary_folder, the_upper_case_variable_serves_when_the_other_is_unset) {
    Environment keep;
    QTemporaryDir b;
    qunsetenv("temp");
    qputenv("TEMP", b.path().toLocal8Bit());
    EXPECT_EQ(temporaryFolder(), QDir::toNativeSeparators(b.path()));
}

TEST(temporary_folder, without_either_variable_it_is_the_platform_folder) {
    Environment keep;
    qunsetenv("temp");
    qunsetenv("TEMP");
    EXPECT_EQ(temporaryFolder(), QDir::toNativeSeparators(QDir::tempPath()));
}

TEST(temporary_folder, a_relative_folder_becomes_an_absolute_path) {
    Environment keep;
    qputenv("temp", "relative/place");
    EXPECT_TRUE(QDir::isAbsolutePath(temporaryFolder()));
    EXPECT_TRUE(pathInTemporaryFolder(temporaryFolder(), "x.doc").endsWith("relative/place/x.doc"));
}

TEST(private_file, is_created_empty_and_readable_by_its_owner_only) {
    QTemporaryDir dir;
    const QString path = dir.filePath("varlin12345678.doc");
    const mode_t old = ::umask(0); // even a permissive umask gives no access to others
    const Reservation outcome = createPrivateFile(path);
    ::umask(old);
    EXPECT_EQ(outcome, Reservation::Created);
    EXPECT_EQ(QFileInfo(path).size(), 0);
    EXPECT_EQ(accessBits(path), QFile::ReadOwner | QFile::WriteOwner);
}

TEST(private_file, an_existing_name_is_reported_taken_and_left_as_it_was) {
    QTemporaryDir dir;
    const QString path = dir.filePath("taken.doc");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("content");
    file.close();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    EXPECT_EQ(createPrivateFile(path), Reservation::NameTaken);
    EXPECT_EQ(QFileInfo(path).size(), 7);
    EXPECT_TRUE(accessBits(path) & QFile::ReadOther);
}

TEST(private_file, a_dangling_link_counts_as_taken_and_its_target_is_not_created) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::link(dir.filePath("target"), dir.filePath("link.doc")));
    EXPECT_EQ(createPrivateFile(dir.filePath("link.doc")), Reservation::NameTaken);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("target")));
}

TEST(private_file, a_missing_folder_is_a_readable_error) {
    QTemporaryDir dir;
    try {
        createPrivateFile(dir.filePath("no/such/folder/x.doc"));
        FAIL() << "expected an error";
    } catch (const Error& e) {
        EXPECT_TRUE(e.description().contains("cannot be created")) << qPrintable(e.description());
    }
}

TEST(keep_private, takes_group_and_other_access_away) {
    QTemporaryDir dir;
    const QString path = dir.filePath("doc");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther);
    keepPrivate(path);
    EXPECT_EQ(accessBits(path), QFile::ReadOwner | QFile::WriteOwner);
}

TEST(keep_private, does_not_follow_a_link) {
    QTemporaryDir dir;
    const QString target = dir.filePath("target");
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    ASSERT_TRUE(QFile::link(target, dir.filePath("link")));
    EXPECT_THROW(keepPrivate(dir.filePath("link")), Error);
    EXPECT_TRUE(accessBits(target) & QFile::ReadOther);
}

TEST(name_digits, are_always_one_to_nine_and_vary) {
    QSet<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int digit = randomNameDigit();
        ASSERT_GE(digit, 1);
        ASSERT_LE(digit, 9);
        seen.insert(digit);
    }
    EXPECT_EQ(seen.size(), 9);
}

} // namespace
