#include "wordgen/ole/running_protocol.h"

#include "wordgen/ole/running_objects.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

#include <cerrno>
#include <mutex>
#include <signal.h>
#include <unistd.h>
#include <vector>

namespace ole::running {

namespace {

struct LocalEntry {
    uint64_t id;
    QString key;
    NameProvider name;
    std::weak_ptr<Dispatch> self;
};

struct LocalTable {
    std::mutex mutex;
    std::vector<LocalEntry> entries;
    uint64_t nextId = 1;
};

// Never destroyed: the serving thread may still read it while the process exits.
LocalTable& localTable() {
    static LocalTable* table = new LocalTable;
    return *table;
}

} // namespace

QString classKey(const QString& progId) {
    QString key = progId.toLower();
    for (QChar& c : key)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('.') &&
            c != QLatin1Char('_'))
            c = QLatin1Char('_');
    return key;
}

QString socketPrefix() {
    return QStringLiteral("quillory-rot-%1-").arg(::getuid());
}

QString processSocketName() {
    return socketPrefix() + QString::number(::getpid());
}

QStringList searchDirectories() {
    QStringList dirs;
    dirs << RunningObjectTable::directory();
    const QString temp = QDir::tempPath();
    if (QFileInfo(temp).canonicalFilePath() != QFileInfo(dirs.front()).canonicalFilePath())
        dirs << temp;
    return dirs;
}

int64_t processIdOf(const QString& socketName) {
    const QString prefix = socketPrefix();
    if (!socketName.startsWith(prefix))
        return 0;
    bool ok = false;
    const qlonglong pid = socketName.mid(prefix.size()).toLongLong(&ok);
    return ok && pid > 0 ? pid : 0;
}

bool processExists(int64_t pid) {
    if (pid <= 0)
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

uint64_t addLocal(const QString& progId, NameProvider name, std::weak_ptr<Dispatch> self) {
    LocalTable& t = localTable();
    std::lock_guard lock(t.mutex);
    const uint64_t id = t.nextId++;
    t.entries.push_back(LocalEntry{id, classKey(progId), std::move(name), std::move(self)});
    return id;
}

void removeLocal(uint64_t id) {
    LocalTable& t = localTable();
    std::lock_guard lock(t.mutex);
    std::erase_if(t.entries, [id](const LocalEntry& e) { return e.id == id; });
}

DispatchPtr findLocal(const QString& progId) {
    LocalTable& t = localTable();
    const QString key = classKey(progId);
    std::lock_guard lock(t.mutex);
    for (const LocalEntry& e : t.entries)
        if (e.key == key)
            if (DispatchPtr p = e.self.lock())
                return p;
    return nullptr;
}

NameProvider localNameProvider(const QString& key) {
    LocalTable& t = localTable();
    std::lock_guard lock(t.mutex);
    for (const LocalEntry& e : t.entries)
        if (e.key == key)
            return e.name ? e.name : [] { return QString(); };
    return {};
}

QByteArray encodeAnswer(bool ok, const QString& text) { // "NONE" is written as it is
    return QByteArray(ok ? "OK " : "ERR ") + text.toUtf8().toPercentEncoding() + '\n';
}

Answer askName(const QString& path, const QString& key) {
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(kAnswerTimeoutMs)) {
        const bool refused = socket.error() == QLocalSocket::ConnectionRefusedError ||
                             socket.error() == QLocalSocket::ServerNotFoundError;
        return {refused ? Answer::Refused : Answer::NoAnswer, socket.errorString()};
    }
    socket.write(QByteArray(kNameRequest) + ' ' + key.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(kAnswerTimeoutMs))
        return {Answer::NoAnswer, socket.errorString()};
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kAnswerTimeoutMs))
            return {Answer::NoAnswer, socket.errorString()};
    }
    const QByteArray line = socket.readLine().chopped(1);
    socket.disconnectFromServer();
    const auto text = [&](int from) {
        return QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(from)));
    };
    if (line.startsWith("OK "))
        return {Answer::Name, text(3)};
    if (line == "NONE")
        return {Answer::NoInstance, QString()};
    if (line.startsWith("ERR "))
        return {Answer::RemoteError, text(4)};
    return {Answer::NoAnswer, QStringLiteral("unreadable answer")};
}

} // namespace ole::running
