#include "shell/core/Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace quillory {

bool FileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
}

void DeleteFileForced(const QString& path) {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    if (path.isEmpty())
        return;
    if (QFile::remove(path))
        return;
    // The forced way: restore the owner's write bit (a read-only file), then delete.
    const QFileInfo info(path);
    if (!info.isFile() && !info.isSymLink())
        return;
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner | QFile::WriteUser);
    QFile::remove(path);
}

QString applicationFolder() {
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

QString pathInFolder(const QString& folder, const QString& relative) {
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + relative);
}

}  // namespace quillory
