#pragma once
// The text boxes of the data-entry window: single-line boxes without a length limit and the
// multi-line description box, each able to select its whole text when it gains the focus,
// and the filter that keeps the list separators out of the list input boxes.

#include <QLineEdit>
#include <QPlainTextEdit>

namespace quillory {

// `text` without "|" and "^", the two characters that separate rows and cells of a stored
// list.
QString withoutListSeparators(const QString& text);

class EntryLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryLineEdit(QWidget* parent = nullptr);

    // When true, gaining the focus selects the whole text; when false the box only keeps
    // its caret, however the focus came (Qt would otherwise select on Tab).
    void setSelectAllOnFocus(bool on) { selectAllOnFocus_ = on; }

    // Removes "|" and "^" from every text the box gets, typed, pasted or set.
    void refuseListSeparators();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    bool selectAllOnFocus_ = true;
};

// Multi-line box with scroll bars; Tab moves the focus on instead of typing a tab.
class EntryTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EntryTextEdit(QWidget* parent = nullptr);

    QString text() const { return toPlainText(); }
    void setText(const QString& text) { setPlainText(text); }
    void selectAll() { QPlainTextEdit::selectAll(); }

    void refuseListSeparators();

protected:
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace quillory
