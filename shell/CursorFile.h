#pragma once
// Reading a Windows cursor file (".cur") into a pointer with its hot spot.

#include <QByteArray>
#include <QCursor>
#include <QString>

namespace quillory {

// Parses cursor-file bytes; throws quillory::Error naming what is wrong with them.
QCursor cursorFromCurBytes(const QByteArray& bytes);

// Reads and parses the file at `path`; throws quillory::Error when it cannot.
QCursor loadCursorFile(const QString& path);

}  // namespace quillory
