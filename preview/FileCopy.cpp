#include "preview/FileCopy.h"

#include "shell/core/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillory {
namespace {

constexpr mode_t kOrdinary = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH;

QString systemErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void fail(const QString& target, const QString& reason) {
    throw Error(QStringLiteral("The file %1 could not be saved: %2")
                    .arg(QDir::toNativeSeparators(target), reason));
}

// Creates a new file with a fresh hidden name in `folder`; returns its descriptor.
int createBeside(const QString& folder, const QString& fileName, QByteArray& createdPath,
                 const QString& target) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = QLatin1Char('.') + fileName + QLatin1Char('.') +
                             QString::number(QRandomGenerator::system()->generate(), 36);
        createdPath = QFile::encodeName(QDir(folder).filePath(name));
        const int fd = ::open(createdPath.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kOrdinary);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            fail(target, systemErrorText(errno));
    }
    fail(target, QStringLiteral("no free name for the copy in its folder"));
}

bool writeAll(int fd, const char* data, ssize_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

} // namespace

void copyFileIntoPlace(const QString& source, const QString& target) {
    if (target.isEmpty())
        fail(target, QStringLiteral("no file name was given"));
    const QString targetPath = QDir::fromNativeSeparators(target);
    const QFileInfo targetInfo(targetPath);

    const QByteArray sourcePath = QFile::encodeName(QDir::fromNativeSeparators(source));
    const int in = ::open(sourcePath.constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        fail(target, QStringLiteral("the document %1 cannot be read: %2")
                         .arg(QDir::toNativeSeparators(source), systemErrorText(errno)));
    const auto closeIn = qScopeGuard([&] { ::close(in); });

    QByteArray copyPath;
    int out = createBeside(targetInfo.absolutePath(), targetInfo.fileName(), copyPath, target);
    bool placed = false;
    const auto cleanUp = qScopeGuard([&] {
        if (out >= 0)
            ::close(out);
        if (!placed)
            ::unlink(copyPath.constData());
    });

    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            fail(target, QStringLiteral("the document %1 cannot be read: %2")
                             .arg(QDir::toNativeSeparators(source), systemErrorText(errno)));
        }
        if (got == 0)
            break;
        if (!writeAll(out, buffer, got))
            fail(target, systemErrorText(errno));
    }
    if (::fsync(out) != 0)
        fail(target, systemErrorText(errno));
    const int closed = ::close(out);
    out = -1;
    if (closed != 0)
        fail(target, systemErrorText(errno));
    if (::rename(copyPath.constData(), QFile::encodeName(targetPath).constData()) != 0)
        fail(target, systemErrorText(errno));
    placed = true;
}

} // namespace quillory
