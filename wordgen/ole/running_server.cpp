// Registration side of the running-object table: a thread that owns the instance's local
// socket and answers name requests until the registration ends.

#include "wordgen/ole/running_objects.h"
#include "wordgen/ole/running_protocol.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <atomic>
#include <future>
#include <unistd.h>

namespace ole {

namespace {

// How long the accept loop waits before it looks at the stop flag again. Stopping normally
// wakes it at once by connecting; this bounds the wait if that wake-up is lost.
constexpr int kAcceptSliceMs = 250;

std::atomic<uint64_t> nextSequence{0};

void serveOne(QLocalSocket& client, const RunningObjectTable::NameProvider& name) {
    while (!client.canReadLine())
        if (!client.waitForReadyRead(running::kAnswerTimeoutMs))
            return;
    const QByteArray request = client.readLine().trimmed();
    QByteArray answer;
    if (request == running::kNameRequest) {
        try {
            answer = running::encodeAnswer(true, name ? name() : QString());
        } catch (const std::exception& e) {
            answer = running::encodeAnswer(false, QString::fromUtf8(e.what()));
        }
    } else {
        answer = running::encodeAnswer(false, QStringLiteral("Unknown request"));
    }
    client.write(answer);
    client.waitForBytesWritten(running::kAnswerTimeoutMs);
    client.disconnectFromServer();
}

/// Opens the socket at `path`. A leftover socket of the same name can only come from a dead
/// process that had our process id, so it is removed and the listen retried once.
bool listenAt(QLocalServer& server, const QString& path) {
    server.setSocketOptions(QLocalServer::UserAccessOption);
    if (server.listen(path))
        return true;
    if (server.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalServer::removeServer(path);
    return server.listen(path);
}

} // namespace

struct RunningRegistration::Private {
    uint64_t localId = 0;
    RunningObjectTable::NameProvider name;
    QString path;
    QString error;
    std::atomic<bool> stop{false};
    std::unique_ptr<QThread> thread;

    void serve(std::promise<void>& listening, const QStringList& candidates) {
        QLocalServer server;
        for (const QString& candidate : candidates) {
            if (listenAt(server, candidate)) {
                path = candidate;
                error.clear();
                break;
            }
            if (error.isEmpty())
                error = server.errorString();
        }
        listening.set_value();
        if (path.isEmpty())
            return;
        while (!stop.load()) {
            bool timedOut = false;
            if (!server.waitForNewConnection(kAcceptSliceMs, &timedOut)) {
                if (timedOut)
                    continue;
                break; // the socket failed; nothing more to serve
            }
            while (QLocalSocket* client = server.nextPendingConnection()) {
                if (!stop.load())
                    serveOne(*client, name);
                delete client;
            }
        }
        server.close(); // removes the socket file
    }

    void shutDown() {
        if (thread) {
            stop.store(true);
            if (!path.isEmpty()) {
                QLocalSocket wake; // a connection makes the accept loop look at the flag now
                wake.connectToServer(path);
                wake.waitForConnected(100);
            }
            thread->wait();
            thread.reset();
        }
        if (localId)
            running::removeLocal(localId);
        localId = 0;
    }
};

RunningRegistration RunningObjectTable::registerInstance(const QString& progId, NameProvider name,
                                                         std::weak_ptr<Dispatch> self) {
    auto d = std::make_unique<RunningRegistration::Private>();
    d->name = std::move(name);
    d->localId = running::addLocal(progId, std::move(self));

    const QString fileName = running::socketPrefix(progId) +
                             QStringLiteral("%1-%2").arg(::getpid()).arg(nextSequence.fetch_add(1));
    QStringList candidates;
    for (const QString& dir : running::searchDirectories())
        candidates << QDir(dir).filePath(fileName);

    std::promise<void> listening;
    std::future<void> listened = listening.get_future();
    RunningRegistration::Private* raw = d.get();
    d->thread.reset(
        QThread::create([raw, &listening, candidates] { raw->serve(listening, candidates); }));
    d->thread->start();
    listened.wait();
    return RunningRegistration(std::move(d));
}

RunningRegistration::RunningRegistration(std::unique_ptr<Private> d) : d_(std::move(d)) {}
RunningRegistration::RunningRegistration() = default;
RunningRegistration::RunningRegistration(RunningRegistration&&) noexcept = default;

RunningRegistration& RunningRegistration::operator=(RunningRegistration&& o) noexcept {
    if (this != &o) {
        reset();
        d_ = std::move(o.d_);
    }
    return *this;
}

RunningRegistration::~RunningRegistration() {
    reset();
}

void RunningRegistration::reset() {
    if (d_)
        d_->shutDown();
    d_.reset();
}

bool RunningRegistration::isListening() const {
    return d_ && !d_->path.isEmpty();
}
QString RunningRegistration::errorString() const {
    return d_ ? d_->error : QString();
}
QString RunningRegistration::socketPath() const {
    return d_ ? d_->path : QString();
}

} // namespace ole
