#include "entry/TextBoxes.h"

#include <QFocusEvent>
#include <QTextCursor>

#include <limits>

namespace quillory {
namespace {

bool isListSeparator(QChar c) { return c == QLatin1Char('|') || c == QLatin1Char('^'); }

// How many separators stand before `position` in `text`.
int separatorsBefore(const QString& text, int position) {
    int count = 0;
    for (int i = 0; i < position && i < text.size(); ++i)
        count += isListSeparator(text[i]) ? 1 : 0;
    return count;
}

}  // namespace

QString withoutListSeparators(const QString& text) {
    QString clean = text;
    clean.removeIf(isListSeparator);
    return clean;
}

EntryLineEdit::EntryLineEdit(QWidget* parent) : QLineEdit(parent) {
    // Free text without a length limit (QLineEdit's default stops at 32767).
    setMaxLength(std::numeric_limits<int>::max());
}

void EntryLineEdit::refuseListSeparators() {
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString clean = withoutListSeparators(text);
        if (clean == text)
            return;
        const int cursor = cursorPosition();
        setText(clean);
        setCursorPosition(cursor - separatorsBefore(text, cursor));
    });
}

void EntryLineEdit::focusInEvent(QFocusEvent* event) {
    if (!selectAllOnFocus_) {
        QFocusEvent plain(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&plain);
        return;
    }
    QLineEdit::focusInEvent(event);
    selectAll();
}

EntryTextEdit::EntryTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

void EntryTextEdit::refuseListSeparators() {
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = toPlainText();
        const QString clean = withoutListSeparators(text);
        if (clean == text)
            return;
        const int cursor = textCursor().position();
        setPlainText(clean);
        QTextCursor moved = textCursor();
        moved.setPosition(cursor - separatorsBefore(text, cursor));
        setTextCursor(moved);
    });
}

void EntryTextEdit::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    selectAll();
}

}  // namespace quillory
