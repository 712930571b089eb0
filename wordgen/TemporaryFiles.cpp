#include "wordgen/TemporaryFiles.h"

#include "shell/core/Error.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillory {
namespace {

constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;

QString systemErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

QString temporaryFolder() {
    QString folder = qEnvironmentVariable("temp");
    if (folder.isEmpty())
        folder = qEnvironmentVariable("TEMP");
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir::toNativeSeparators(QDir(folder).absolutePath());
}

QString pathInTemporaryFolder(const QString& folder, const QString& name) {
    return QDir::toNativeSeparators(
        QDir(QDir::fromNativeSeparators(folder)).absoluteFilePath(name));
}

Reservation createPrivateFile(const QString& path) {
    const QByteArray encoded = QFile::encodeName(QDir::fromNativeSeparators(path));
    const int fd = ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          kOwnerOnly);
    if (fd < 0) {
        const int error = errno;
        if (error == EEXIST)
            return Reservation::NameTaken;
        throw Error(QStringLiteral("The temporary file %1 cannot be created: %2")
                        .arg(shown(path), systemErrorText(error)));
    }
    // The umask may have taken the owner's bits away; the file must be writable by us.
    const bool exact = ::fchmod(fd, kOwnerOnly) == 0;
    const int error = errno;
    ::close(fd);
    if (!exact)
        throw Error(QStringLiteral("The temporary file %1 cannot be made private: %2")
                        .arg(shown(path), systemErrorText(error)));
    return Reservation::Created;
}

void keepPrivate(const QString& path) {
    const QByteArray encoded = QFile::encodeName(QDir::fromNativeSeparators(path));
    const int fd = ::open(encoded.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        throw Error(QStringLiteral("The temporary file %1 cannot be checked: %2")
                        .arg(shown(path), systemErrorText(errno)));
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0;
    int error = errno;
    if (ok && S_ISREG(info.st_mode) && (info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        ok = ::fchmod(fd, kOwnerOnly) == 0;
        error = errno;
    }
    ::close(fd);
    if (!ok)
        throw Error(QStringLiteral("The temporary file %1 cannot be made private: %2")
                        .arg(shown(path), systemErrorText(error)));
}

int randomNameDigit() {
    return static_cast<int>(QRandomGenerator::system()->bounded(1, 10));
}

} // namespace quillory
