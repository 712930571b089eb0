#pragma once
// A sanity check of a settings file's bytes. QSettings reads almost anything without
// complaint (random bytes read as "no keys"), so the store checks the file itself before
// trusting an empty answer or writing over it.

#include <QByteArray>
#include <QString>

namespace quillory {

// Empty when `content` looks like an INI file written by QSettings or by hand: UTF-8,
// no control characters but tab, CR and LF, and every line blank, a comment (";", "#"),
// a "[section]" or a "key=value" (a line ending in a backslash continues on the next).
// Otherwise a short readable reason naming the first bad line.
QString iniFileProblem(const QByteArray& content);

}  // namespace quillory
