#include "shell/PointerConvention.h"
#include "tests/entry/Form1Fixture.h"

#include <QTest>

using namespace quillory;
using quillory::testing::Form1Test;
using quillory::testing::reportedLine;
using quillory::testing::reportedLocation;

namespace {

void fillWork(Form1& form, const QString& date, const QString& company, const QString& city,
              const QString& title) {
    form.txtDateEmployment->setText(date);
    form.txtCompany->setText(company);
    form.txtCompanyCity->setText(city);
    form.txtJobTitle->setText(title);
}

}  // namespace

TEST_F(Form1Test, add_work_history_appends_the_row_and_empties_its_boxes_only) {
    form->txtSkills->setText(QStringLiteral("untouched"));
    fillWork(*form, "2001", "Acme", "Here", "Clerk");
    form->PushButton3_Click();
    ASSERT_EQ(form->ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(row(form->ListView1, 0), (QStringList{"2001", "Acme", "Here", "Clerk"}));
    EXPECT_EQ(form->txtDateEmployment->text(), QString());
    EXPECT_EQ(form->txtCompany->text(), QString());
    EXPECT_EQ(form->txtCompanyCity->text(), QString());
    EXPECT_EQ(form->txtJobTitle->text(), QString());
    EXPECT_EQ(form->txtSkills->text(), QStringLiteral("untouched"));
    EXPECT_TRUE(boxTexts().isEmpty());
}

TEST_F(Form1Test, add_with_empty_boxes_appends_a_row_of_empty_strings_and_duplicates_are_kept) {
    form->PushButton4_Click();
    form->PushButton4_Click();
    ASSERT_EQ(form->ListView2->topLevelItemCount(), 2);
    EXPECT_EQ(row(form->ListView2, 0), (QStringList{"", ""}));
    EXPECT_EQ(row(form->ListView2, 1), (QStringList{"", ""}));
}

TEST_F(Form1Test, a_multi_line_description_keeps_its_line_breaks) {
    form->txtSkills->setText(QStringLiteral("Writing"));
    form->txtAbilities->setText(QStringLiteral("first line\nsecond line\n\nfourth"));
    form->PushButton4_Click();
    EXPECT_EQ(row(form->ListView2, 0)[1], QStringLiteral("first line\nsecond line\n\nfourth"));
    EXPECT_EQ(form->txtAbilities->text(), QString());
}

TEST_F(Form1Test, every_list_change_is_written_at_once_in_the_list_format) {
    fillWork(*form, "a", "b", "c", "d");
    form->PushButton3_Click();
    EXPECT_EQ(store.values.value(QStringLiteral("Work History")), QStringLiteral("a^b^c^d"));
    fillWork(*form, "e", "f", "g", "h");
    form->PushButton3_Click();
    EXPECT_EQ(store.values.value(QStringLiteral("Work History")), QStringLiteral("a^b^c^d|e^f^g^h"));
    form->PushButton2_Click();  // the first row is the selected one
    EXPECT_EQ(store.values.value(QStringLiteral("Work History")), QStringLiteral("e^f^g^h"));
    form->txtSkills->setText(QStringLiteral("s"));
    form->PushButton4_Click();
    EXPECT_EQ(store.values.value(QStringLiteral("Skills and Abilities")), QStringLiteral("s^"));
    form->PushButton5_Click();
    EXPECT_EQ(store.values.value(QStringLiteral("Skills and Abilities")), QString());
}

TEST_F(Form1Test, delete_on_an_empty_list_does_nothing_and_shows_nothing) {
    form->PushButton2_Click();
    form->PushButton5_Click();
    EXPECT_TRUE(boxTexts().isEmpty());
    EXPECT_TRUE(store.writes.isEmpty());
}

TEST_F(Form1Test, deleting_the_middle_of_three_keeps_the_order_and_selects_the_neighbour) {
    for (const char* skill : {"one", "two", "three"}) {
        form->txtSkills->setText(QString::fromLatin1(skill));
        form->PushButton4_Click();
    }
    EXPECT_EQ(selectedIndex(form->ListView2), 0);  // the first add selected the first row
    form->ListView2->setCurrentItem(form->ListView2->topLevelItem(1));
    form->PushButton5_Click();
    ASSERT_EQ(form->ListView2->topLevelItemCount(), 2);
    EXPECT_EQ(row(form->ListView2, 0)[0], QStringLiteral("one"));
    EXPECT_EQ(row(form->ListView2, 1)[0], QStringLiteral("three"));
    EXPECT_EQ(selectedIndex(form->ListView2), 1);
    form->PushButton5_Click();  // the last row: the previous one becomes selected
    EXPECT_EQ(selectedIndex(form->ListView2), 0);
    form->PushButton5_Click();
    EXPECT_EQ(form->ListView2->topLevelItemCount(), 0);
    EXPECT_TRUE(boxTexts().isEmpty());
}

TEST_F(Form1Test, a_list_with_rows_keeps_a_selected_row_when_the_selection_is_cleared) {
    fillWork(*form, "a", "b", "c", "d");
    form->PushButton3_Click();
    form->ListView1->clearSelection();
    EXPECT_EQ(selectedIndex(form->ListView1), 0);
    form->PushButton2_Click();
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 0);
    EXPECT_TRUE(boxTexts().isEmpty());
}

TEST_F(Form1Test, a_failing_list_write_is_reported_by_the_command_at_its_line) {
    store.refuseWrites << QStringLiteral("Work History");
    fillWork(*form, "a", "b", "c", "d");
    form->PushButton3_Click();
    ASSERT_EQ(boxTexts().size(), 1);
    EXPECT_EQ(reportedLocation(boxTexts()[0]), QStringLiteral("Form1.PushButton3_Click"));
    EXPECT_EQ(reportedLine(boxTexts()[0]), 116);
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 1);
}

TEST_F(Form1Test, list_input_boxes_refuse_the_list_separators_typed_pasted_or_set) {
    form->show();
    QApplication::setActiveWindow(form.get());
    form->SSTab1->setCurrentIndex(1);
    form->txtCompany->setFocus();
    QTest::keyClicks(form->txtCompany, QStringLiteral("A|B^C"));
    EXPECT_EQ(form->txtCompany->text(), QStringLiteral("ABC"));
    form->txtJobTitle->setText(QStringLiteral("x|y"));
    EXPECT_EQ(form->txtJobTitle->text(), QStringLiteral("xy"));
    form->txtAbilities->setText(QStringLiteral("one^two\nthree|four"));
    EXPECT_EQ(form->txtAbilities->text(), QStringLiteral("onetwo\nthreefour"));
    form->txtSkills->setText(QStringLiteral("C++ | Qt ^ 6"));
    form->PushButton4_Click();
    EXPECT_EQ(store.values.value(QStringLiteral("Skills and Abilities")), QStringLiteral("C++  Qt  6^onetwo\nthreefour"));
    // The ten fields are not list entries: they keep every character.
    form->txtYourName->setText(QStringLiteral("A|B^C"));
    EXPECT_EQ(store.values.value(QStringLiteral("Your Name")), QStringLiteral("A|B^C"));
}

TEST_F(Form1Test, load_sample_twice_gives_the_sample_once) {
    form->txtDateEmployment->setText(QStringLiteral("typed before"));
    form->PushButton7_Click();
    form->PushButton7_Click();
    EXPECT_EQ(form->txtYourName->text(), QStringLiteral("Alex Morrow"));
    EXPECT_EQ(form->txtStreetAddress->text(), QStringLiteral("42 Juniper Lane"));
    EXPECT_EQ(form->txtCity->text(), QStringLiteral("Cedarbrook NH"));
    EXPECT_EQ(form->txtZipCode->text(), QStringLiteral("04417"));
    EXPECT_EQ(form->txtPhone->text(), QStringLiteral("555-010-4477"));
    EXPECT_FALSE(form->txtEmail->text().isEmpty());
    EXPECT_EQ(form->txtDateOfAttendance->text(), QStringLiteral("2000 to 2004"));
    EXPECT_EQ(form->txtSchoolName->text(), QStringLiteral("Cedarbrook High School"));
    EXPECT_EQ(form->txtSchoolCity->text(), QStringLiteral("Cedarbrook NH"));
    EXPECT_EQ(form->txtDegreeObtained->text(), QStringLiteral("High School Diploma"));
    ASSERT_EQ(form->ListView2->topLevelItemCount(), 2);
    EXPECT_EQ(row(form->ListView2, 0), (QStringList{"Photoshop", "3 courses"}));
    EXPECT_EQ(row(form->ListView2, 1), (QStringList{"Software QA", "2 years of experience"}));
    ASSERT_EQ(form->ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(row(form->ListView1, 0), (QStringList{"August 2005 - Present", "Marrowby", "Maplewick NH", "Software Engineer"}));
    for (EntryLineEdit* box : {form->txtSkills, form->txtDateEmployment, form->txtCompany,
                               form->txtCompanyCity, form->txtJobTitle})
        EXPECT_EQ(box->text(), QString());
    EXPECT_EQ(form->txtAbilities->text(), QString());
    // Fields and lists are in the store.
    EXPECT_EQ(store.values.value(QStringLiteral("Your Name")), QStringLiteral("Alex Morrow"));
    EXPECT_EQ(store.values.value(QStringLiteral("Skills and Abilities")),
              QStringLiteral("Photoshop^3 courses|Software QA^2 years of experience"));
    EXPECT_EQ(store.values.value(QStringLiteral("Work History")),
              QStringLiteral("August 2005 - Present^Marrowby^Maplewick NH^Software Engineer"));
    EXPECT_TRUE(boxTexts().isEmpty());
}

TEST_F(Form1Test, reset_empties_fields_and_lists_but_keeps_the_list_input_boxes) {
    form->PushButton7_Click();
    form->txtSkills->setText(QStringLiteral("half typed"));
    form->txtCompany->setText(QStringLiteral("Acme"));
    form->PushButton6_Click();
    for (ResumeField field : {ResumeField::YourName, ResumeField::StreetAddress, ResumeField::City,
                              ResumeField::ZipCode, ResumeField::Phone, ResumeField::Email,
                              ResumeField::DateOfAttendance, ResumeField::SchoolName,
                              ResumeField::SchoolCity, ResumeField::DegreeObtained})
        EXPECT_EQ(form->fieldText(field), QString());
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 0);
    EXPECT_EQ(form->ListView2->topLevelItemCount(), 0);
    EXPECT_EQ(form->txtSkills->text(), QStringLiteral("half typed"));
    EXPECT_EQ(form->txtCompany->text(), QStringLiteral("Acme"));
    EXPECT_EQ(store.values.value(QStringLiteral("Your Name")), QString());
    EXPECT_EQ(store.values.value(QStringLiteral("Degree Obtained")), QString());
    EXPECT_EQ(store.values.value(QStringLiteral("Work History")), QString());
    EXPECT_EQ(store.values.value(QStringLiteral("Skills and Abilities")), QString());
}

TEST_F(Form1Test, a_failing_step_of_the_sample_is_reported_and_the_rest_still_runs) {
    store.refuseWrites << QStringLiteral("Skills and Abilities");
    form->PushButton7_Click();
    // The two adds report their own failure to store the list, at their line 108.
    ASSERT_EQ(boxTexts().size(), 2);
    EXPECT_EQ(reportedLocation(boxTexts()[0]), QStringLiteral("Form1.PushButton4_Click"));
    EXPECT_EQ(reportedLine(boxTexts()[0]), 108);
    EXPECT_EQ(form->txtDegreeObtained->text(), QStringLiteral("High School Diploma"));
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 1);
}

TEST_F(Form1Test, start_creating_calls_the_generator_with_the_hourglass_and_resets_after) {
    int calls = 0;
    int pointerDuring = -1;
    bool busyDuring = false;
    form->setGenerateResume([&] {
        ++calls;
        pointerDuring = form->mousePointer();
        busyDuring = form->mBusy();
        form->PushButton1_Click();  // a second click while running is ignored
    });
    form->PushButton1_Click();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(pointerDuring, kPointerHourglass);
    EXPECT_TRUE(busyDuring);
    EXPECT_EQ(form->mousePointer(), kPointerDefault);
    EXPECT_FALSE(form->mBusy());
    form->PushButton1_Click();
    EXPECT_EQ(calls, 2);
}

TEST_F(Form1Test, a_failing_generator_is_reported_at_106_and_the_command_stays_usable) {
    form->setGenerateResume([] { throw std::runtime_error("Word stopped"); });
    form->PushButton1_Click();
    ASSERT_EQ(boxTexts().size(), 1);
    EXPECT_TRUE(boxTexts()[0].startsWith(QStringLiteral("Word stopped\r\n")));
    EXPECT_EQ(reportedLocation(boxTexts()[0]), QStringLiteral("Form1.PushButton1_Click"));
    EXPECT_EQ(reportedLine(boxTexts()[0]), 106);
    EXPECT_EQ(form->mousePointer(), kPointerDefault);
    EXPECT_FALSE(form->mBusy());
}

TEST_F(Form1Test, start_creating_runs_with_empty_data_and_without_a_generator) {
    form->PushButton1_Click();
    EXPECT_TRUE(boxTexts().isEmpty());
    EXPECT_FALSE(form->mBusy());
}

TEST_F(Form1Test, the_generator_reads_the_data_live_through_resume_source) {
    form->PushButton7_Click();
    const ResumeSource& source = *form;
    EXPECT_EQ(source.fieldText(ResumeField::YourName), QStringLiteral("Alex Morrow"));
    EXPECT_EQ(source.fieldText(ResumeField::DegreeObtained), QStringLiteral("High School Diploma"));
    ASSERT_EQ(source.workHistoryRowCount(), 1);
    EXPECT_EQ(source.workHistoryRow(0).companyName, QStringLiteral("Marrowby"));
    EXPECT_EQ(source.workHistoryRow(0).jobTitle, QStringLiteral("Software Engineer"));
    ASSERT_EQ(source.skillRowCount(), 2);
    EXPECT_EQ(source.skillRow(1).description, QStringLiteral("2 years of experience"));
    form->txtYourName->setText(QStringLiteral("Changed"));
    EXPECT_EQ(source.fieldText(ResumeField::YourName), QStringLiteral("Changed"));
}
