// Registration side of the running-object table. Each process that registers an instance
// opens one local socket, served by one thread of its own for the rest of the process's
// life, so registering and unregistering an instance cost only a table entry. The thread
// answers from the table of live registrations, so a process whose instances are gone
// answers that it has none. The socket is removed when the process ends normally; one left
// behind by a killed process is removed by the next search.
//
// The serving side uses plain POSIX sockets and a std::thread: it must run without an event
// loop or a QCoreApplication, and must still stop cleanly from a static destructor at exit,
// when Qt's own lazily made network objects may already be gone.

#include "wordgen/ole/running_objects.h"
#include "wordgen/ole/running_protocol.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace ole {

namespace {

constexpr size_t kMaxRequest = 512;

// Reads one request line from a client, waiting at most the answer timeout.
QByteArray readRequest(int fd) {
    QByteArray line;
    char buffer[128];
    while (!line.contains('\n') && line.size() < qsizetype(kMaxRequest)) {
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, running::kAnswerTimeoutMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return {};
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return {};
        line.append(buffer, qsizetype(n));
    }
    return line.left(line.indexOf('\n')).trimmed();
}

QByteArray answerTo(const QByteArray& request) {
    const QByteArray prefix = QByteArray(running::kNameRequest) + ' ';
    if (!request.startsWith(prefix))
        return running::encodeAnswer(false, QStringLiteral("Unknown request"));
    const running::NameProvider name =
        running::localNameProvider(QString::fromUtf8(request.mid(prefix.size())));
    if (!name)
        return QByteArray("NONE\n");
    try {
        return running::encodeAnswer(true, name());
    } catch (const std::exception& e) {
        return running::encodeAnswer(false, QString::fromUtf8(e.what()));
    }
}

void serveClient(int fd) {
    const QByteArray request = readRequest(fd);
    if (request.isEmpty())
        return;
    const QByteArray answer = answerTo(request);
    qsizetype sent = 0;
    while (sent < answer.size()) {
        const ssize_t n =
            ::send(fd, answer.constData() + sent, size_t(answer.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        sent += n;
    }
}

/// A listening socket at `path`, or -1 with `error` set. A leftover socket of the same name
/// can only come from a dead process that had our process id, so it is replaced.
int listenAt(const QString& path, QString& error) {
    const QByteArray native = QFile::encodeName(path);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (size_t(native.size()) >= sizeof addr.sun_path) {
        error = QStringLiteral("the socket name %1 is too long").arg(path);
        return -1;
    }
    std::memcpy(addr.sun_path, native.constData(), size_t(native.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return -1;
    }
    int rc = ::bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr);
    if (rc < 0 && errno == EADDRINUSE) {
        ::unlink(native.constData());
        rc = ::bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr);
    }
    // Only this user may connect; set before listening, so no one can connect earlier.
    if (rc == 0)
        rc = ::chmod(native.constData(), S_IRUSR | S_IWUSR);
    if (rc == 0)
        rc = ::listen(fd, 16);
    if (rc < 0) {
        error = QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
        ::close(fd);
        return -1;
    }
    return fd;
}

/// The process's socket and the thread that serves it.
class ProcessServer {
  public:
    static ProcessServer& instance() {
        static ProcessServer server;
        return server;
    }

    /// Starts serving on first use; later calls return at once.
    void ensureStarted() {
        std::call_once(started_, [this] { start(); });
    }
    QString path() const { return path_; }
    QString error() const { return error_; }

    ~ProcessServer() {
        if (thread_.joinable()) {
            const char stop = 1;
            while (::write(wake_[1], &stop, 1) < 0 && errno == EINTR) {
            }
            thread_.join();
        }
        for (int fd : {listen_, wake_[0], wake_[1]})
            if (fd >= 0)
                ::close(fd);
        if (!path_.isEmpty())
            ::unlink(QFile::encodeName(path_).constData());
    }

  private:
    void start() {
        const QString fileName = running::processSocketName();
        for (const QString& dir : running::searchDirectories()) {
            const QString candidate = QDir(dir).filePath(fileName);
            QString why;
            listen_ = listenAt(candidate, why);
            if (listen_ >= 0) {
                path_ = candidate;
                error_.clear();
                break;
            }
            if (error_.isEmpty())
                error_ = why;
        }
        if (listen_ < 0)
            return;
        if (::pipe2(wake_, O_CLOEXEC) < 0) {
            error_ = QString::fromLocal8Bit(std::strerror(errno));
            ::close(listen_);
            listen_ = -1;
            ::unlink(QFile::encodeName(path_).constData());
            path_.clear();
            return;
        }
        thread_ = std::thread([this] { serve(); });
    }

    void serve() {
        for (;;) {
            pollfd fds[2] = {{listen_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
            const int ready = ::poll(fds, 2, -1);
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready < 0 || (fds[1].revents & (POLLIN | POLLHUP | POLLERR)))
                return;
            if (!(fds[0].revents & POLLIN))
                continue;
            const int client = ::accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC);
            if (client < 0)
                continue;
            serveClient(client);
            ::close(client);
        }
    }

    std::once_flag started_;
    std::thread thread_;
    int listen_ = -1;
    int wake_[2] = {-1, -1};
    QString path_;  // written before the thread starts, then only read
    QString error_; // likewise
};

} // namespace

struct RunningRegistration::Private {
    uint64_t localId = 0;
};

RunningRegistration RunningObjectTable::registerInstance(const QString& progId, NameProvider name,
                                                         std::weak_ptr<Dispatch> self) {
    ProcessServer::instance().ensureStarted();
    auto d = std::make_unique<RunningRegistration::Private>();
    d->localId = running::addLocal(progId, std::move(name), std::move(self));
    return RunningRegistration(std::move(d));
}

RunningRegistration::RunningRegistration() = default;
RunningRegistration::RunningRegistration(std::unique_ptr<Private> d) : d_(std::move(d)) {}
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
        running::removeLocal(d_->localId);
    d_.reset();
}

bool RunningRegistration::isListening() const {
    return d_ && !ProcessServer::instance().path().isEmpty();
}
QString RunningRegistration::errorString() const {
    return d_ ? ProcessServer::instance().error() : QString();
}
QString RunningRegistration::socketPath() const {
    return d_ ? ProcessServer::instance().path() : QString();
}

} // namespace ole
