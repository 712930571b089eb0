#include "shell/core/Error.h"
#include "shell/core/IniFileCheck.h"
#include "shell/core/SettingsKeys.h"
#include "shell/core/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/shell/QtPrinters.h"

#include <gtest/gtest.h>

using namespace quillory;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Marrowby.ini")); }

    QByteArray fileBytes() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFileBytes(const QByteArray& bytes) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

QString errorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Error& e) {
        return e.description();
    }
    return {};
}

}  // namespace

TEST_F(SettingsStoreTest, first_start_reads_every_key_as_empty_and_creates_nothing) {
    IniSettingsStore store(path());
    for (const char* key : settings::kAllKeys)
        EXPECT_EQ(store.read(QString::fromUtf8(key)), QString()) << key;
    EXPECT_FALSE(QFileInfo::exists(path()));
}

TEST_F(SettingsStoreTest, a_write_is_in_the_file_when_it_returns) {
    IniSettingsStore store(path());
    store.write(QStringLiteral("Phone"), QStringLiteral("5"));
    // A second store (another process, the next start) reads it from the file.
    EXPECT_EQ(IniSettingsStore(path()).read(QStringLiteral("Phone")), QStringLiteral("5"));
    EXPECT_TRUE(fileBytes().contains("[Quillory]"));
    EXPECT_TRUE(fileBytes().contains("Phone=5"));
}

TEST_F(SettingsStoreTest, keys_with_spaces_and_capitals_are_kept_exactly) {
    IniSettingsStore store(path());
    store.write(QStringLiteral("Skills and Abilities"), QStringLiteral("a"));
    EXPECT_EQ(store.read(QStringLiteral("Skills and Abilities")), QStringLiteral("a"));
    EXPECT_EQ(store.read(QStringLiteral("skills and abilities")), QString());
}

TEST_F(SettingsStoreTest, every_read_goes_to_the_file_so_another_copy_sees_new_values) {
    IniSettingsStore first(path());
    IniSettingsStore second(path());
    first.write(QStringLiteral("City"), QStringLiteral("old"));
    EXPECT_EQ(second.read(QStringLiteral("City")), QStringLiteral("old"));
    second.write(QStringLiteral("City"), QStringLiteral("new"));
    EXPECT_EQ(first.read(QStringLiteral("City")), QStringLiteral("new"));
}

TEST_F(SettingsStoreTest, clearing_a_value_stores_the_empty_string) {
    IniSettingsStore store(path());
    store.write(QStringLiteral("Email"), QStringLiteral("a@b.c"));
    store.write(QStringLiteral("Email"), QString());
    EXPECT_EQ(store.read(QStringLiteral("Email")), QString());
    EXPECT_TRUE(fileBytes().contains("Email="));
}

TEST_F(SettingsStoreTest, awkward_strings_come_back_unchanged) {
    const QStringList values = {
        QStringLiteral("Zoë Ångström, Müller & Søn"),
        QStringLiteral("履歴書の作成 / 이력서"),
        QStringLiteral("קורות חיים — سيرة ذاتية"),
        QStringLiteral("🙂👩‍💻 résumé 🚀"),
        QStringLiteral("line one\nline two\r\nline three\rend"),
        QStringLiteral("a, b, c"),
        QStringLiteral("\"quoted\" and 'single'"),
        QStringLiteral("@Variant(not a variant)"),
        QStringLiteral("back\\slash ; semi # hash = equals [brackets]"),
        QStringLiteral("  leading and trailing spaces  "),
        QStringLiteral("true"),
        QStringLiteral("Photoshop^3 courses|Software QA^2 years of experience"),
    };
    IniSettingsStore store(path());
    for (const QString& value : values) {
        store.write(QStringLiteral("Your Name"), value);
        EXPECT_EQ(IniSettingsStore(path()).read(QStringLiteral("Your Name")), value);
    }
}

TEST_F(SettingsStoreTest, a_hundred_thousand_character_value_is_stored_and_restored) {
    QString value;
    for (int i = 0; i < 100000; ++i)
        value += QChar(u'a' + i % 26);
    value[500] = QChar(0x00E9);
    IniSettingsStore store(path());
    store.write(QStringLiteral("Street Address"), value);
    EXPECT_EQ(IniSettingsStore(path()).read(QStringLiteral("Street Address")), value);
}

TEST_F(SettingsStoreTest, the_file_is_private_to_its_owner) {
    IniSettingsStore store(path());
    store.write(QStringLiteral("Phone"), QStringLiteral("1"));
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(path()) & others, QFile::Permissions());
    EXPECT_EQ(QFile::permissions(path()) & (QFile::ReadOwner | QFile::WriteOwner),
              QFile::ReadOwner | QFile::WriteOwner);
    // A file that was readable by others before becomes private at the next write.
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                      QFile::ReadOther);
    store.write(QStringLiteral("Phone"), QStringLiteral("2"));
    EXPECT_FALSE(QFile::permissions(path()) & (QFile::ReadGroup | QFile::ReadOther));
}

TEST_F(SettingsStoreTest, writes_leave_no_temporary_files_behind) {
    IniSettingsStore store(path());
    for (int i = 0; i < 5; ++i)
        store.write(QStringLiteral("Zip Code"), QString::number(i));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Marrowby.ini"});
}

TEST_F(SettingsStoreTest, other_sections_and_keys_survive_a_write) {
    writeFileBytes("[Other]\nkeep=1\n\n[Quillory]\nCity=Here\n");
    IniSettingsStore store(path());
    store.write(QStringLiteral("Phone"), QStringLiteral("2"));
    EXPECT_EQ(store.read(QStringLiteral("City")), QStringLiteral("Here"));
    EXPECT_TRUE(fileBytes().contains("keep=1"));
}

TEST_F(SettingsStoreTest, an_unreadable_file_fails_reads_and_writes_with_a_description) {
    QDir(dir.path()).mkdir(QStringLiteral("Marrowby.ini"));  // a folder where the file belongs
    IniSettingsStore store(path());
    const QString readError = errorOf([&] { store.read(QStringLiteral("City")); });
    EXPECT_TRUE(readError.contains(QStringLiteral("cannot be read"))) << qPrintable(readError);
    EXPECT_TRUE(readError.contains(QStringLiteral("Marrowby.ini")));
    const QString writeError = errorOf([&] { store.write(QStringLiteral("City"), QStringLiteral("x")); });
    EXPECT_TRUE(writeError.contains(QStringLiteral("cannot be written"))) << qPrintable(writeError);
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(SettingsStoreTest, a_folder_that_cannot_be_created_fails_the_write) {
    QFile blocker(dir.filePath(QStringLiteral("config")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
    blocker.close();
    IniSettingsStore store(dir.filePath(QStringLiteral("config/Marrowby.ini")));
    const QString error = errorOf([&] { store.write(QStringLiteral("City"), QStringLiteral("x")); });
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(SettingsStoreTest, a_damaged_file_fails_reads_and_is_left_as_it_is) {
    QByteArray garbage;
    for (int i = 0; i < 300; ++i)
        garbage.append(char((i * 73 + 11) % 256));
    writeFileBytes(garbage);
    IniSettingsStore store(path());
    const QString error = errorOf([&] { store.read(QStringLiteral("Your Name")); });
    EXPECT_TRUE(error.contains(QStringLiteral("damaged"))) << qPrintable(error);
    EXPECT_EQ(fileBytes(), garbage);
    // Reported once: further reads of the same file read as absent ...
    EXPECT_TRUE(errorOf([&] { EXPECT_EQ(store.read(QStringLiteral("City")), QString()); }).isEmpty());
    // ... until the file changes.
    garbage.append("more");
    writeFileBytes(garbage);
    EXPECT_FALSE(errorOf([&] { store.read(QStringLiteral("City")); }).isEmpty());
}

TEST_F(SettingsStoreTest, writing_over_a_damaged_file_keeps_the_damaged_copy) {
    const QByteArray damaged("[Quillory\nYour%20Name=abc\n");
    writeFileBytes(damaged);
    IniSettingsStore store(path());
    store.write(QStringLiteral("Your Name"), QStringLiteral("new"));
    EXPECT_EQ(store.read(QStringLiteral("Your Name")), QStringLiteral("new"));
    QFile aside(path() + QStringLiteral(".damaged"));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), damaged);
}

TEST(settings_store_default, lives_in_the_xdg_config_folder_as_marrowby_ini) {
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(config.isEmpty());
    EXPECT_EQ(QFileInfo(IniSettingsStore::defaultFilePath()).absoluteFilePath(),
              QFileInfo(config + QStringLiteral("/Marrowby.ini")).absoluteFilePath());
}

TEST(ini_file_check, accepts_what_qsettings_writes_and_hand_edited_files) {
    EXPECT_EQ(iniFileProblem(""), QString());
    EXPECT_EQ(iniFileProblem("[Quillory]\nYour%20Name=Alex\nCity=\"a, b\"\n"), QString());
    EXPECT_EQ(iniFileProblem("\xEF\xBB\xBF; comment\r\n# other\r\n\r\n[S]\r\nk = v\\\n  continued\n"), QString());
    EXPECT_EQ(iniFileProblem("[Quillory]\nName=\xE5\xB1\xA5\xE6\xAD\xB4\n"), QString());
}

TEST(ini_file_check, names_the_first_bad_line) {
    EXPECT_EQ(iniFileProblem("[S]\nk=v\nnot a key\n"), QStringLiteral("line 3 is neither a section nor a key"));
    EXPECT_EQ(iniFileProblem("[S\n"), QStringLiteral("line 1 is an unterminated section name"));
    EXPECT_EQ(iniFileProblem(QByteArray("[S]\nk=\0v\n", 8)), QStringLiteral("line 2 holds a control character"));
    EXPECT_EQ(iniFileProblem("[S]\nk=\xFF\xFE\n"), QStringLiteral("it is not UTF-8 text"));
}
