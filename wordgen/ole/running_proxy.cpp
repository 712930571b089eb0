// Search side of the running-object table: finds a live instance and stands in for one that
// lives in another process.

#include "wordgen/ole/running_objects.h"
#include "wordgen/ole/running_protocol.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>

#include <sys/stat.h>
#include <unistd.h>

namespace ole {

namespace {

/// An instance living in another process. Only its default member, the name, crosses the
/// process boundary; it is asked afresh on every read.
class RemoteInstance : public Dispatch {
  public:
    RemoteInstance(QString progId, QString path)
        : progId_(std::move(progId)), path_(std::move(path)) {}

    Value invoke(const QString& name, Invoke kind, const Args& args) override {
        if (!name.isEmpty() || kind != Invoke::PropertyGet || !args.empty())
            throw Error(
                QStringLiteral("Object doesn't support this property or method: '%1' (an instance "
                               "of %2 running in another process answers only its name)")
                    .arg(name.isEmpty() ? QStringLiteral("(default member)") : name, progId_));
        const running::Answer a = running::askName(path_, running::classKey(progId_));
        switch (a.kind) {
        case running::Answer::Name:
            return Value(a.text);
        case running::Answer::RemoteError:
            throw Error(a.text);
        case running::Answer::NoInstance:
        case running::Answer::Refused:
        case running::Answer::NoAnswer:
            break;
        }
        throw Error(
            QStringLiteral("The object invoked has disconnected from its clients (the instance of "
                           "%1 in another process no longer answers)")
                .arg(progId_));
    }

    QString className() const override { return QStringLiteral("Application"); }

  private:
    QString progId_;
    QString path_;
};

/// A socket of this user (never one planted by someone else).
bool isOwnSocket(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISSOCK(st.st_mode) && st.st_uid == ::getuid();
}

} // namespace

QString RunningObjectTable::directory() {
    const QString runtime =
        QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return QDir(runtime).absolutePath();
    return QDir::tempPath();
}

DispatchPtr RunningObjectTable::find(const QString& progId) {
    if (DispatchPtr local = running::findLocal(progId))
        return local;

    const QString prefix = running::socketPrefix();
    const QString key = running::classKey(progId);
    for (const QString& dirPath : running::searchDirectories()) {
        const QDir dir(dirPath);
        const QStringList names = dir.entryList(
            {prefix + QLatin1Char('*')}, QDir::System | QDir::Files | QDir::Hidden, QDir::Name);
        for (const QString& name : names) {
            const QString path = dir.filePath(name);
            if (!isOwnSocket(path))
                continue;
            const running::Answer a = running::askName(path, key);
            if (a.kind == running::Answer::Name || a.kind == running::Answer::RemoteError)
                return std::make_shared<RemoteInstance>(progId, path);
            // Left behind by a process that was killed: nobody listens and nobody will.
            const int64_t pid = running::processIdOf(name);
            if (a.kind == running::Answer::Refused && pid != ::getpid() &&
                !running::processExists(pid))
                QFile::remove(path);
        }
    }
    return nullptr;
}

} // namespace ole
