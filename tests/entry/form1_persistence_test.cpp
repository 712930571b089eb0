#include "shell/core/SettingsStore.h"
#include "tests/entry/Form1Fixture.h"

#include <QFile>
#include <QTest>

using namespace quillory;
using quillory::testing::CapturedMessages;
using quillory::testing::Form1Test;
using quillory::testing::reportedLine;
using quillory::testing::reportedLocation;

TEST_F(Form1Test, each_keystroke_in_a_field_writes_its_key) {
    form->show();
    QApplication::setActiveWindow(form.get());
    form->txtPhone->setFocus();
    QTest::keyClicks(form->txtPhone, QStringLiteral("55"));
    EXPECT_EQ(store.writesOf(QStringLiteral("Phone")), 2);
    EXPECT_EQ(store.values.value(QStringLiteral("Phone")), QStringLiteral("55"));
    QTest::keyClick(form->txtPhone, Qt::Key_Backspace);
    QTest::keyClick(form->txtPhone, Qt::Key_Backspace);
    EXPECT_EQ(store.values.value(QStringLiteral("Phone")), QString());
    EXPECT_TRUE(store.values.contains(QStringLiteral("Phone")));
}

TEST_F(Form1Test, a_refused_write_while_typing_is_reported_once_until_a_write_succeeds) {
    store.refuseWrites << QStringLiteral("Phone");
    form->txtPhone->setText(QStringLiteral("5"));
    form->txtPhone->setText(QStringLiteral("55"));
    ASSERT_EQ(boxTexts().size(), 1);
    EXPECT_EQ(reportedLocation(boxTexts()[0]), QStringLiteral("Form1.txtPhone_Change"));
    EXPECT_EQ(reportedLine(boxTexts()[0]), 100);
    store.refuseWrites.clear();
    form->txtPhone->setText(QStringLiteral("555"));
    store.refuseWrites << QStringLiteral("Phone");
    form->txtPhone->setText(QStringLiteral("5555"));
    EXPECT_EQ(boxTexts().size(), 2);
}

TEST_F(Form1Test, gaining_the_focus_selects_the_whole_text_except_in_txt_company) {
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->txtYourName->setText(QStringLiteral("Alex Morrow"));
    form->txtStreetAddress->setFocus(Qt::OtherFocusReason);
    form->txtYourName->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form->txtYourName->selectedText(), QStringLiteral("Alex Morrow"));
    form->txtYourName->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(form->txtYourName->selectedText(), QStringLiteral("Alex Morrow"));

    form->SSTab1->setCurrentIndex(1);
    form->txtCompany->setText(QStringLiteral("Acme"));
    form->txtCompany->setCursorPosition(0);
    form->txtCompany->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(form->txtCompany->hasFocus());
    EXPECT_EQ(form->txtCompany->selectedText(), QString());
    form->txtJobTitle->setText(QStringLiteral("Clerk"));
    form->txtJobTitle->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form->txtJobTitle->selectedText(), QStringLiteral("Clerk"));

    form->SSTab1->setCurrentIndex(0);
    form->txtAbilities->setText(QStringLiteral("two\nlines"));
    form->txtAbilities->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form->txtAbilities->textCursor().selectedText().size(), 9);
}

TEST_F(Form1Test, closing_with_empty_lists_writes_two_empty_strings_and_ends) {
    form->close();
    EXPECT_EQ(store.writesOf(QStringLiteral("Work History")), 1);
    EXPECT_EQ(store.writesOf(QStringLiteral("Skills and Abilities")), 1);
    EXPECT_EQ(store.values.value(QStringLiteral("Work History")), QString());
    EXPECT_EQ(store.values.value(QStringLiteral("Skills and Abilities")), QString());
    EXPECT_EQ(endCalls, 1);
}

TEST_F(Form1Test, query_unload_writes_the_list_strings_without_trailing_separators) {
    form->txtDateEmployment->setText(QStringLiteral("a"));
    form->PushButton3_Click();
    form->txtSkills->setText(QStringLiteral("s1"));
    form->txtAbilities->setText(QStringLiteral("d1"));
    form->PushButton4_Click();
    form->txtSkills->setText(QStringLiteral("s2"));
    form->PushButton4_Click();
    store.values.clear();
    form->Form_QueryUnload();
    EXPECT_EQ(store.values.value(QStringLiteral("Work History")), QStringLiteral("a^^^"));
    EXPECT_EQ(store.values.value(QStringLiteral("Skills and Abilities")), QStringLiteral("s1^d1|s2^"));
}

TEST_F(Form1Test, refused_list_writes_on_close_are_reported_and_the_window_still_closes) {
    store.refuseWrites << QStringLiteral("Work History") << QStringLiteral("Skills and Abilities");
    form->show();
    form->close();
    QList<int> lines;
    for (const QString& text : boxTexts()) {
        EXPECT_EQ(reportedLocation(text), QStringLiteral("Form1.Form_QueryUnload"));
        lines << reportedLine(text);
    }
    EXPECT_EQ(lines, (QList<int>{112, 126}));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(endCalls, 1);
}

// Restarts on a real settings file.
class Form1RestartTest : public ::testing::Test {
protected:
    CapturedMessages messages;
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Marrowby.ini")); }

    std::unique_ptr<Form1> start(IniSettingsStore& store) {
        auto form = std::make_unique<Form1>(store);
        form->setApplicationFolder(dir.path());
        form->setEndApplication([] {});
        form->Form_Load();
        return form;
    }
};

TEST_F(Form1RestartTest, awkward_text_survives_a_restart_unchanged) {
    const QString name = QStringLiteral("Zoë Ångström-Łukasz 履歴 שלום 🙂👩‍💻");
    const QString description = QStringLiteral("Line one, with a comma\nLine two = \"quoted\"\n\tthird; # not a comment");
    QString huge;
    for (int i = 0; i < 100000; ++i)
        huge += QChar(u'A' + i % 26);
    {
        IniSettingsStore store(path());
        auto form = start(store);
        form->txtYourName->setText(name);
        form->txtStreetAddress->setText(huge);
        form->txtSkills->setText(QStringLiteral("مهارة"));
        form->txtAbilities->setText(description);
        form->PushButton4_Click();
        form->close();
    }
    IniSettingsStore store(path());
    auto form = start(store);
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_EQ(form->txtYourName->text(), name);
    EXPECT_EQ(form->txtStreetAddress->text(), huge);
    ASSERT_EQ(form->ListView2->topLevelItemCount(), 1);
    EXPECT_EQ(form->skillRow(0).skill, QStringLiteral("مهارة"));
    EXPECT_EQ(form->skillRow(0).description, description);
}

TEST_F(Form1RestartTest, lists_survive_an_end_without_closing_the_window) {
    {
        IniSettingsStore store(path());
        auto form = start(store);
        form->PushButton7_Click();
        // The form is destroyed without a close, as when the process is killed.
    }
    IniSettingsStore store(path());
    auto form = start(store);
    EXPECT_EQ(form->workHistoryRowCount(), 1);
    EXPECT_EQ(form->skillRowCount(), 2);
    EXPECT_EQ(form->fieldText(ResumeField::SchoolName), QStringLiteral("Cedarbrook High School"));
}

TEST_F(Form1RestartTest, five_thousand_rows_are_stored_and_loaded) {
    {
        IniSettingsStore store(path());
        auto form = start(store);
        for (int i = 0; i < 5000; ++i) {
            form->txtDateEmployment->setText(QStringLiteral("Year %1").arg(i));
            form->txtCompany->setText(QStringLiteral("Company %1").arg(i));
            form->txtJobTitle->setText(QStringLiteral("Title %1").arg(i));
            if (i == 4999)
                form->PushButton3_Click();  // the last add writes the whole list
            else {
                // Build the rows without writing the list each time.
                auto* item = new QTreeWidgetItem(QStringList{form->txtDateEmployment->text(),
                                                             form->txtCompany->text(), QString(),
                                                             form->txtJobTitle->text()});
                form->ListView1->addTopLevelItem(item);
            }
        }
    }
    IniSettingsStore store(path());
    auto form = start(store);
    ASSERT_EQ(form->workHistoryRowCount(), 5000);
    EXPECT_EQ(form->workHistoryRow(0).dateOfEmployment, QStringLiteral("Year 0"));
    EXPECT_EQ(form->workHistoryRow(4999).jobTitle, QStringLiteral("Title 4999"));
    EXPECT_EQ(form->workHistoryRow(2500).companyName, QStringLiteral("Company 2500"));
}

TEST_F(Form1RestartTest, a_damaged_settings_file_gives_the_error_box_an_empty_form_and_is_kept) {
    QByteArray damaged("[Quillory]\nYour%20Name=Alex\n");
    damaged.append(QByteArray("\x00\x01\x02garbage\xff\xfe", 12));
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    IniSettingsStore store(path());
    auto form = start(store);
    ASSERT_EQ(messages.shown().size(), 1);  // one box for the file, not one per key
    EXPECT_EQ(reportedLine(messages.shown()[0].text), 128);
    EXPECT_TRUE(messages.shown()[0].text.contains(QStringLiteral("damaged")));
    EXPECT_EQ(form->txtYourName->text(), QString());
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);  // not replaced before the user types
}
