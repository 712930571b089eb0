#include "shell/PointerConvention.h"
#include "shell/core/SettingsKeys.h"
#include "tests/entry/Form1Fixture.h"

#include <QDir>
#include <QFile>

using namespace quillory;
using quillory::testing::Form1Test;
using quillory::testing::reportedLine;
using quillory::testing::reportedLocation;

namespace {

QString sourcePath(const QString& relative) {
    return qEnvironmentVariable("QUILLORY_SOURCE_DIR") + QLatin1Char('/') + relative;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

TEST_F(Form1Test, first_start_shows_empty_fields_and_lists_and_writes_nothing) {
    form->Form_Load();
    EXPECT_TRUE(boxTexts().isEmpty());
    EXPECT_EQ(form->txtYourName->text(), QString());
    EXPECT_EQ(form->txtDegreeObtained->text(), QString());
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 0);
    EXPECT_EQ(form->ListView2->topLevelItemCount(), 0);
    EXPECT_TRUE(store.writes.isEmpty());
}

TEST_F(Form1Test, load_sets_caption_icon_and_application_title) {
    form->Form_Load();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Quillory"));
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Quillory"));
}

TEST_F(Form1Test, load_restores_each_field_from_its_key_and_writes_it_back) {
    const QList<QPair<const char*, EntryLineEdit* Form1::*>> fields = {
        {settings::kYourName, &Form1::txtYourName},
        {settings::kStreetAddress, &Form1::txtStreetAddress},
        {settings::kCity, &Form1::txtCity},
        {settings::kZipCode, &Form1::txtZipCode},
        {settings::kPhone, &Form1::txtPhone},
        {settings::kEmail, &Form1::txtEmail},
        {settings::kDateOfAttendance, &Form1::txtDateOfAttendance},
        {settings::kSchoolName, &Form1::txtSchoolName},
        {settings::kSchoolCity, &Form1::txtSchoolCity},
        {settings::kDegreeObtained, &Form1::txtDegreeObtained}};
    for (const auto& [key, box] : fields)
        store.values[QString::fromUtf8(key)] = QStringLiteral("value of ") + QString::fromUtf8(key);
    form->Form_Load();
    for (const auto& [key, box] : fields) {
        EXPECT_EQ(((*form).*box)->text(), QStringLiteral("value of ") + QString::fromUtf8(key));
        EXPECT_EQ(store.writesOf(QString::fromUtf8(key)), 1) << key;
    }
    // The restore order of the load: City first, Zip Code last.
    ASSERT_EQ(store.writes.size(), 10);
    EXPECT_EQ(store.writes.first().first, QStringLiteral("City"));
    EXPECT_EQ(store.writes.last().first, QStringLiteral("Zip Code"));
}

TEST_F(Form1Test, load_rebuilds_the_lists_from_their_list_strings) {
    store.values[QStringLiteral("Work History")] =
        QStringLiteral("August 2005 - Present^Marrowby^Maplewick NH^Software Engineer|2001^Acme^Here^Clerk");
    store.values[QStringLiteral("Skills and Abilities")] =
        QStringLiteral("Photoshop^3 courses|Software QA^2 years of experience");
    form->Form_Load();
    ASSERT_EQ(form->ListView1->topLevelItemCount(), 2);
    EXPECT_EQ(row(form->ListView1, 0), (QStringList{"August 2005 - Present", "Marrowby", "Maplewick NH", "Software Engineer"}));
    EXPECT_EQ(row(form->ListView1, 1), (QStringList{"2001", "Acme", "Here", "Clerk"}));
    ASSERT_EQ(form->ListView2->topLevelItemCount(), 2);
    EXPECT_EQ(row(form->ListView2, 1), (QStringList{"Software QA", "2 years of experience"}));
    EXPECT_TRUE(boxTexts().isEmpty());
    // A list with rows has a selected row.
    EXPECT_EQ(selectedIndex(form->ListView1), 0);
    EXPECT_EQ(selectedIndex(form->ListView2), 0);
}

TEST_F(Form1Test, a_row_of_four_empty_strings_comes_back_as_one_row) {
    store.values[QStringLiteral("Work History")] = QStringLiteral("^^^");
    form->Form_Load();
    ASSERT_EQ(form->ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(row(form->ListView1, 0), (QStringList{"", "", "", ""}));
}

TEST_F(Form1Test, a_short_row_string_leaves_the_remaining_sub_items_empty) {
    store.values[QStringLiteral("Work History")] = QStringLiteral("a^b^c^d|single");
    form->Form_Load();
    ASSERT_EQ(form->ListView1->topLevelItemCount(), 2);
    EXPECT_EQ(row(form->ListView1, 1), (QStringList{"single", "", "", ""}));
    EXPECT_TRUE(boxTexts().isEmpty());
}

TEST_F(Form1Test, a_cell_beyond_the_last_column_is_reported_and_reading_goes_on) {
    store.values[QStringLiteral("Skills and Abilities")] = QStringLiteral("one^two^three|next^row");
    store.values[QStringLiteral("Work History")] = QStringLiteral("a^b^c^d^e");
    form->Form_Load();
    ASSERT_EQ(boxTexts().size(), 2);
    EXPECT_EQ(reportedLocation(boxTexts()[0]), QStringLiteral("Form1.Form_Load"));
    EXPECT_EQ(reportedLine(boxTexts()[0]), 160);
    EXPECT_EQ(reportedLine(boxTexts()[1]), 178);
    EXPECT_EQ(row(form->ListView1, 0), (QStringList{"a", "b", "c", "d"}));
    ASSERT_EQ(form->ListView2->topLevelItemCount(), 2);
    EXPECT_EQ(row(form->ListView2, 0), (QStringList{"one", "two"}));
    EXPECT_EQ(row(form->ListView2, 1), (QStringList{"next", "row"}));
}

TEST_F(Form1Test, refused_reads_are_reported_at_their_lines_and_leave_the_form_empty) {
    store.values[QStringLiteral("Your Name")] = QStringLiteral("kept in the store");
    store.refuseAll = true;
    form->Form_Load();
    QList<int> lines;
    for (const QString& text : boxTexts())
        lines << reportedLine(text);
    EXPECT_EQ(lines, (QList<int>{128, 130, 132, 134, 136, 138, 140, 142, 144, 146, 148, 166}));
    EXPECT_EQ(form->txtYourName->text(), QString());
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 0);
    EXPECT_TRUE(store.writes.isEmpty());
}

TEST_F(Form1Test, without_the_cursor_file_the_window_keeps_the_standard_pointers) {
    form->Form_Load();
    EXPECT_FALSE(form->pointer().hasCustomCursor());
    EXPECT_TRUE(boxTexts().isEmpty());
}

TEST_F(Form1Test, with_the_cursor_file_the_hand_is_loaded) {
    QFile::copy(sourcePath(QStringLiteral("app/artwork/HAND-M.CUR")), folder.filePath(QStringLiteral("HAND-M.CUR")));
    form->Form_Load();
    EXPECT_TRUE(form->pointer().hasCustomCursor());
    form->setMousePointer(kPointerCustom);
    EXPECT_EQ(form->cursor().hotSpot(), QPoint(10, 0));
}

TEST_F(Form1Test, a_damaged_cursor_file_is_reported_at_line_108_and_the_load_goes_on) {
    writeFile(folder.filePath(QStringLiteral("HAND-M.CUR")), "not a cursor");
    store.values[QStringLiteral("Phone")] = QStringLiteral("555");
    form->Form_Load();
    ASSERT_EQ(boxTexts().size(), 1);
    EXPECT_EQ(reportedLine(boxTexts()[0]), 108);
    EXPECT_FALSE(form->pointer().hasCustomCursor());
    EXPECT_EQ(form->txtPhone->text(), QStringLiteral("555"));
}

TEST_F(Form1Test, without_the_skin_file_the_window_keeps_its_white_design) {
    form->Form_Load();
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_EQ(form->Frame1->palette().color(QPalette::Window), QColor(255, 255, 255));
    EXPECT_FALSE(form->skinFramework().isLoaded());
}

TEST_F(Form1Test, with_the_skin_file_the_window_is_recoloured_and_skinned) {
    QDir(folder.path()).mkdir(QStringLiteral("x"));
    QFile::copy(sourcePath(QStringLiteral("app/skin/o.cjs")), folder.filePath(QStringLiteral("x/o.cjs")));
    form->Form_Load();
    EXPECT_TRUE(boxTexts().isEmpty()) << qPrintable(boxTexts().join(QLatin1Char('\n')));
    EXPECT_TRUE(form->skinFramework().isLoaded());
    EXPECT_NE(form->palette().color(QPalette::Window), QColor());
    EXPECT_EQ(form->Picture1_0->palette().color(QPalette::Window), form->palette().color(QPalette::Window));
    EXPECT_FALSE(form->styleSheet().isEmpty());
}

TEST_F(Form1Test, a_broken_skin_is_reported_at_line_100_and_the_load_goes_on_at_104) {
    QDir(folder.path()).mkdir(QStringLiteral("x"));
    writeFile(folder.filePath(QStringLiteral("x/o.cjs")), "QPushButton { color: red;");
    form->Form_Load();
    ASSERT_EQ(boxTexts().size(), 1);
    EXPECT_EQ(reportedLocation(boxTexts()[0]), QStringLiteral("Form1.Form_Load"));
    EXPECT_EQ(reportedLine(boxTexts()[0]), 100);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Quillory"));  // line 104 ran
}

TEST_F(Form1Test, the_word_check_runs_last_and_can_end_the_program_before_it_shows) {
    store.values[QStringLiteral("Your Name")] = QStringLiteral("Alex");
    store.values[QStringLiteral("Skills and Abilities")] = QStringLiteral("a^b");
    QString nameWhenChecked;
    int rowsWhenChecked = -1;
    form->setCheckWordCanStart([&] {
        nameWhenChecked = form->txtYourName->text();
        rowsWhenChecked = form->ListView2->topLevelItemCount();
        return false;
    });
    form->Form_Load();
    EXPECT_TRUE(form->endRequested());
    EXPECT_EQ(nameWhenChecked, QStringLiteral("Alex"));
    EXPECT_EQ(rowsWhenChecked, 1);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(endCalls, 0);  // no close handling
    EXPECT_EQ(store.writesOf(QStringLiteral("Skills and Abilities")), 0);
}

TEST_F(Form1Test, a_passing_word_check_lets_the_window_show) {
    int checks = 0;
    form->setCheckWordCanStart([&] {
        ++checks;
        return true;
    });
    form->Form_Load();
    EXPECT_EQ(checks, 1);
    EXPECT_FALSE(form->endRequested());
}

TEST_F(Form1Test, a_failing_word_check_is_reported_at_line_184) {
    form->setCheckWordCanStart([]() -> bool { throw std::runtime_error("check failed"); });
    form->Form_Load();
    ASSERT_EQ(boxTexts().size(), 1);
    EXPECT_EQ(reportedLine(boxTexts()[0]), 184);
    EXPECT_FALSE(form->endRequested());
}
