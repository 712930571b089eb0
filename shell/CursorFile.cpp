#include "shell/CursorFile.h"

#include "shell/core/Error.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

namespace quillory {
namespace {

constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;

quint16 word(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 dword(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

}  // namespace

QCursor cursorFromCurBytes(const QByteArray& bytes) {
    if (bytes.size() < kDirectorySize + kEntrySize)
        throw Error(QStringLiteral("The cursor file is too short"));
    if (word(bytes, 0) != 0 || word(bytes, 2) != 2 || word(bytes, 4) == 0)
        throw Error(QStringLiteral("The file is not a cursor file"));
    const int entry = kDirectorySize;
    const int hotX = word(bytes, entry + 4);
    const int hotY = word(bytes, entry + 6);
    const quint32 imageSize = dword(bytes, entry + 8);
    const quint32 imageOffset = dword(bytes, entry + 12);
    if (imageOffset > quint32(bytes.size()) || imageSize > quint32(bytes.size()) - imageOffset)
        throw Error(QStringLiteral("The cursor file is truncated"));

    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "cur");
    const QImage image = reader.read();
    if (image.isNull())
        throw Error(QStringLiteral("The cursor picture cannot be read: %1").arg(reader.errorString()));
    if (hotX >= image.width() || hotY >= image.height())
        throw Error(QStringLiteral("The cursor's hot spot lies outside its picture"));
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

QCursor loadCursorFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("The cursor %1 cannot be read: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    return cursorFromCurBytes(file.readAll());
}

}  // namespace quillory
