// Form2's commands: saving the temporary document (cancel, new file, overwrite with Yes
// or No, failures), the Save dialog's settings, going back, a second generation, and
// closing the window.

#include "Form2Fixture.h"

#include "preview/CommonDialog.h"
#include "preview/FileCopy.h"
#include "preview/NaturalSize.h"
#include "preview/PictureArray.h"
#include "preview/Rounding.h"
#include "shell/core/Error.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>

#include <sys/stat.h>

using namespace quillory;
using namespace quillory::testing;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

int accessMode(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

// Answers the Save dialog with a scripted path and remembers what it was asked.
class ScriptedChooser : public SaveFileChooser {
  public:
    QString answer;
    QString title, filter, initialName;
    int asked = 0;
    QString chooseSaveFile(QWidget*, const QString& t, const QString& f,
                           const QString& name) override {
        ++asked;
        title = t;
        filter = f;
        initialName = name;
        return answer;
    }
};

class Form2Save : public Form2Test {
  protected:
    ScriptedChooser chooser;
    QString wordFile;
    const QByteArray document = QByteArray("PK\x03\x04 the résumé document \x00\x01\x02", 30);

    void SetUp() override {
        Form2Test::SetUp();
        form.setSaveFileChooser(&chooser);
        wordFile = folder.filePath("varlin12345678.doc");
        write(wordFile, document);
        QFile::setPermissions(wordFile, QFile::ReadOwner | QFile::WriteOwner);
        handOver({letterPage(1)}, wordFile);
    }
    QStringList leftovers(const QString& dir) const {
        return QDir(dir).entryList(QDir::Files | QDir::Hidden).filter(QRegularExpression("^\\."));
    }
};

TEST_F(Form2Save, asks_with_the_title_and_filter_and_no_preset_name) {
    chooser.answer = "";
    form.CommonDialog1->FileName = "left over from last time";
    form.PushButton6_Click();
    EXPECT_EQ(chooser.asked, 1);
    EXPECT_EQ(chooser.title, "Save File");
    EXPECT_EQ(chooser.filter, "Word Files (*.doc)");
    EXPECT_EQ(chooser.initialName, "");
    EXPECT_EQ(form.CommonDialog1->Filter, "Word Files (*.doc)|*.doc");
}

TEST_F(Form2Save, cancel_writes_nothing_asks_nothing_and_says_done) {
    chooser.answer = "";
    const QStringList before = QDir(folder.path()).entryList(QDir::Files);
    form.PushButton6_Click();
    EXPECT_EQ(messages.texts(), QStringList{"Done."});
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), before);
}

TEST_F(Form2Save, a_new_file_is_a_byte_for_byte_copy_with_ordinary_permissions) {
    chooser.answer = folder.filePath("My Résumé.doc");
    const mode_t old = ::umask(022);
    form.PushButton6_Click();
    ::umask(old);
    EXPECT_EQ(contentOf(chooser.answer), document);
    EXPECT_EQ(accessMode(chooser.answer), 0644);
    EXPECT_EQ(contentOf(wordFile), document); // the temporary document stays
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Done.");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(messages.shown[0].title, "Quillory");
    EXPECT_TRUE(leftovers(folder.path()).isEmpty());
}

TEST_F(Form2Save, a_name_without_extension_is_saved_as_typed) {
    chooser.answer = folder.filePath("resume");
    form.PushButton6_Click();
    EXPECT_EQ(contentOf(folder.filePath("resume")), document);
    EXPECT_FALSE(QFile::exists(folder.filePath("resume.doc")));
}

TEST_F(Form2Save, saving_twice_gives_two_identical_copies) {
    chooser.answer = folder.filePath("a.doc");
    form.PushButton6_Click();
    chooser.answer = folder.filePath("b.doc");
    form.PushButton6_Click();
    EXPECT_EQ(contentOf(folder.filePath("a.doc")), document);
    EXPECT_EQ(contentOf(folder.filePath("b.doc")), document);
    EXPECT_EQ(messages.texts(), (QStringList{"Done.", "Done."}));
}

TEST_F(Form2Save, an_existing_file_answered_no_stays_untouched) {
    chooser.answer = folder.filePath("a.doc");
    write(chooser.answer, "the old résumé");
    messages.answers = {MessageAnswer::No};
    form.PushButton6_Click();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text,
              "Are you sure you wish to overwrite " + chooser.answer + " ?");
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(messages.shown[0].title, "Quillory");
    EXPECT_EQ(messages.shown[1].text, "Done.");
    EXPECT_EQ(contentOf(chooser.answer), QByteArray("the old résumé"));
}

TEST_F(Form2Save, an_existing_file_answered_yes_is_replaced_even_when_read_only) {
    chooser.answer = folder.filePath("a.doc");
    write(chooser.answer, "the old résumé");
    QFile::setPermissions(chooser.answer, QFile::ReadOwner);
    messages.answers = {MessageAnswer::Yes};
    form.PushButton6_Click();
    EXPECT_EQ(messages.texts().last(), "Done.");
    EXPECT_EQ(contentOf(chooser.answer), document);
    EXPECT_TRUE(leftovers(folder.path()).isEmpty());
}

TEST_F(Form2Save, a_failed_copy_is_reported_keeps_the_old_file_and_is_not_followed_by_done) {
    chooser.answer = folder.filePath("a.doc");
    write(chooser.answer, "the old résumé");
    QFile::remove(wordFile); // the temporary document is gone
    messages.answers = {MessageAnswer::Yes};
    form.PushButton6_Click();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].title, "Application Error");
    EXPECT_TRUE(messages.shown[1].text.contains(
        "in Quillory2021/08/31.Form2.PushButton6_Click at line 130"));
    EXPECT_TRUE(messages.shown[1].text.contains("a.doc could not be saved"))
        << qPrintable(messages.shown[1].text);
    EXPECT_FALSE(messages.texts().contains("Done."));
    EXPECT_EQ(contentOf(chooser.answer), QByteArray("the old résumé"));
    EXPECT_TRUE(leftovers(folder.path()).isEmpty());
}

TEST_F(Form2Save, a_folder_that_does_not_exist_is_reported) {
    chooser.answer = folder.filePath("no/such/place/a.doc");
    form.PushButton6_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains("at line 130"));
}

TEST_F(Form2Save, a_folder_chosen_as_the_file_is_reported_after_the_question) {
    chooser.answer = folder.filePath("sub");
    ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
    form.PushButton6_Click();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(messages.shown[0].text.startsWith("Are you sure you wish to overwrite "));
    EXPECT_TRUE(messages.shown[1].text.contains("at line 130"));
    EXPECT_TRUE(QFileInfo(chooser.answer).isDir());
}

TEST(file_copy, replaces_a_link_itself_and_not_what_it_points_to) {
    QTemporaryDir dir;
    write(dir.filePath("source"), "new");
    write(dir.filePath("elsewhere"), "someone's file");
    ASSERT_TRUE(QFile::link(dir.filePath("elsewhere"), dir.filePath("target")));
    copyFileIntoPlace(dir.filePath("source"), dir.filePath("target"));
    EXPECT_EQ(contentOf(dir.filePath("target")), QByteArray("new"));
    EXPECT_FALSE(QFileInfo(dir.filePath("target")).isSymLink());
    EXPECT_EQ(contentOf(dir.filePath("elsewhere")), QByteArray("someone's file"));
}

TEST(file_copy, copies_a_large_file_exactly) {
    QTemporaryDir dir;
    QByteArray big(3 * 65536 + 17, '\0');
    for (int i = 0; i < big.size(); ++i)
        big[i] = char(i * 31 + 7);
    write(dir.filePath("big"), big);
    copyFileIntoPlace(dir.filePath("big"), dir.filePath("copy"));
    EXPECT_EQ(contentOf(dir.filePath("copy")), big);
}

TEST(file_copy, an_empty_target_name_is_an_error) {
    QTemporaryDir dir;
    write(dir.filePath("source"), "x");
    EXPECT_THROW(copyFileIntoPlace(dir.filePath("source"), QString()), Error);
}

// The real Save dialog, looked at while it is open.
TEST(save_dialog, is_a_save_mode_file_dialog_without_suffix_or_overwrite_question) {
    QTemporaryDir dir;
    QWidget owner;
    QString title, suffix;
    QStringList filters;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    bool confirms = true;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        suffix = dialog->defaultSuffix();
        mode = dialog->acceptMode();
        confirms = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        dialog->reject();
    });
    QtSaveFileChooser chooser;
    const QString chosen =
        chooser.chooseSaveFile(&owner, "Save File", "Word Files (*.doc)", QString());
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_EQ(title, "Save File");
    EXPECT_EQ(filters, QStringList{"Word Files (*.doc)"});
    EXPECT_TRUE(suffix.isEmpty());
    EXPECT_EQ(mode, QFileDialog::AcceptSave);
    EXPECT_FALSE(confirms);
}

TEST(save_dialog, returns_the_chosen_full_path) {
    QTemporaryDir dir;
    const QString wanted = QDir(dir.path()).filePath("cv");
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(wanted);
        static_cast<QDialog*>(dialog)->accept(); // as the Save button does
    });
    QtSaveFileChooser chooser;
    EXPECT_EQ(chooser.chooseSaveFile(nullptr, "Save File", "Word Files (*.doc)", QString()),
              wanted);
}

using Form2Back = Form2Save;

TEST_F(Form2Back, deletes_the_temporary_document_shows_the_data_and_keeps_the_pages) {
    form1.visible = false;
    form.PushButton8_Click();
    EXPECT_FALSE(QFile::exists(wordFile));
    EXPECT_TRUE(form1.visible);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.pageCount(), 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Form2Back, a_second_generation_shows_the_new_page_1_with_zoom_and_bars_for_it) {
    for (int i = 0; i < 4; ++i)
        form.PushButton1_Click(); // the first résumé at 2.0
    form.PushButton8_Click();

    // A smaller page (A5) in another colour.
    const QImage newPage = pageOfSize(8391, 11906, Qt::darkGreen);
    handOver({newPage, letterPage(9)}, folder.filePath("varlin87654321.doc"));

    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.mWordFile, folder.filePath("varlin87654321.doc"));
    EXPECT_EQ(form.mZoom, 1.0f);
    const QSize natural = naturalSizeInTwips(newPage);
    EXPECT_EQ(form.mOrigWidth, natural.width() - 2);
    EXPECT_EQ(form.Picture1->widthTwips(), natural.width() - 2);
    EXPECT_FALSE(form.HScroll1->isEnabled()); // an A5 page fits across the viewport
    EXPECT_EQ(form.VScroll1->maximum(), roundHalfEven((natural.height() - 2 - 7305) / 10.0));
    EXPECT_EQ(form.ListView1->topLevelItemCount(), 2);
    EXPECT_EQ(form.Image1->count(), 2);
    form.PushButton1_Click();
    EXPECT_EQ(form.Picture1->widthTwips(), int((natural.width() - 2) * 1.25));
    EXPECT_EQ(centreColour(*form.Picture1), QColor(Qt::darkGreen));
}

TEST_F(Form2Back, a_generation_without_pages_shows_no_page_of_the_previous_one) {
    form.PushButton8_Click();
    handOver({}, folder.filePath("varlin11111111.doc"));
    EXPECT_EQ(form.pageCount(), 0);
    EXPECT_TRUE(form.Picture1->picture().isNull());
    EXPECT_EQ(centreColour(*form.Picture1), QColor(Qt::white));
}

using Form2Close = Form2Save;

TEST_F(Form2Close, closing_deletes_the_temporary_document_and_ends_the_application) {
    form1.visible = false;
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(QFile::exists(wordFile));
    EXPECT_EQ(endRequests, 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Form2Close, a_temporary_document_already_gone_closes_quietly) {
    form.PushButton8_Click();
    form.show();
    EXPECT_TRUE(form.close());
    EXPECT_EQ(endRequests, 1);
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
