#pragma once
// CommonDialog1: the Save dialog of the preview. The command sets its file name, title and
// filter and shows it; the chosen full path comes back as the file name, the empty name
// when the user cancels. The asking itself goes through a SaveFileChooser, which tests
// replace to give answers.

#include <QObject>
#include <QString>

class QWidget;

namespace quillory {

class SaveFileChooser {
  public:
    virtual ~SaveFileChooser() = default;
    // Asks for a file to save; `filter` is in Qt's form ("Word Files (*.doc)"). Returns the
    // full path, or the empty string when the user cancels.
    virtual QString chooseSaveFile(QWidget* owner, const QString& title, const QString& filter,
                                   const QString& fileName) = 0;
};

// QFileDialog in save mode: the given title and filter, no default suffix (a name typed
// without an extension stays so), and no overwrite question of its own (the save command
// asks its own).
class QtSaveFileChooser final : public SaveFileChooser {
  public:
    QString chooseSaveFile(QWidget* owner, const QString& title, const QString& filter,
                           const QString& fileName) override;
};

// "Word Files (*.doc)|*.doc" (description|patterns pairs) in Qt's form, one filter a
// line: "Word Files (*.doc)". A description that already names its patterns keeps its
// text; otherwise the patterns are added in brackets.
QString qtNameFilters(const QString& commonDialogFilter);

class CommonDialog : public QObject {
  public:
    explicit CommonDialog(QWidget* owner);

    QString FileName;
    QString DialogTitle;
    QString Filter;

    // Shows the dialog modally; FileName becomes the chosen path or the empty string.
    void ShowSave();

    // The chooser used (not owned); null restores the QFileDialog one.
    void setChooser(SaveFileChooser* chooser) { chooser_ = chooser; }

  private:
    QWidget* owner_;
    SaveFileChooser* chooser_ = nullptr;
};

} // namespace quillory
