// The running-object table: instances registered here and in other processes are found
// while they live and not after; leftovers of killed processes are cleaned up.

#include "error_of.h"
#include "wordgen/ole/recorder.h"
#include "wordgen/ole/registry.h"
#include "wordgen/ole/running_objects.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <signal.h>

using namespace ole;
using ole::testing::errorOf;

namespace {

const QString kProgId = QStringLiteral("Quillory.RotTest");


/// Another process holding one registered instance.
class Holder {
  public:
    Holder(const QString& progId, const QString& name) {
        proc_.setProgram(QStringLiteral(QUILLORY_ROT_HOLDER));
        proc_.setArguments({progId, name});
        proc_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        proc_.start();
        if (!proc_.waitForStarted(5000))
            return;
        while (!proc_.canReadLine())
            if (!proc_.waitForReadyRead(5000))
                return;
        const QString line = QString::fromUtf8(proc_.readLine()).trimmed();
        if (line.startsWith(QLatin1String("ready ")))
            socket_ = line.mid(6);
    }
    ~Holder() {
        if (proc_.state() == QProcess::NotRunning)
            return;
        quit();
        if (proc_.state() == QProcess::NotRunning)
            return;
        proc_.kill();
        proc_.waitForFinished(5000);
    }
    bool ready() const { return !socket_.isEmpty(); }
    const QString& socket() const { return socket_; }
    /// Unregisters the instance; the process goes on.
    bool release() {
        proc_.write("release\n");
        while (!proc_.canReadLine())
            if (!proc_.waitForReadyRead(5000))
                return false;
        return proc_.readLine().trimmed() == "released";
    }
    /// Ends the process normally: it unregisters on the way out.
    void quit() {
        proc_.closeWriteChannel();
        proc_.waitForFinished(5000);
    }
    /// Ends the process without giving it a chance to unregister.
    void kill() {
        ::kill(static_cast<pid_t>(proc_.processId()), SIGKILL);
        proc_.waitForFinished(5000);
    }

  private:
    QProcess proc_;
    QString socket_;
};

class Named : public Dispatch {
  public:
    Value invoke(const QString&, Invoke, const Args&) override { return Str("in process"); }
    QString className() const override { return QStringLiteral("Application"); }
};

} // namespace

TEST(running_in_process, search_returns_the_registered_object_while_registered) {
    auto app = std::make_shared<Named>();
    {
        RunningRegistration reg = RunningObjectTable::registerInstance(
            kProgId, [] { return QStringLiteral("x"); }, app);
        EXPECT_TRUE(reg.isListening()) << qPrintable(reg.errorString());
        EXPECT_EQ(RunningObjectTable::find(kProgId), app);
        EXPECT_EQ(RunningObjectTable::find(kProgId.toUpper()), app) << "ProgIDs ignore case";
        EXPECT_EQ(RunningObjectTable::find(QStringLiteral("Quillory.Other")), nullptr);
    }
    EXPECT_EQ(RunningObjectTable::find(kProgId), nullptr);
}

TEST(running_in_process, registration_ends_with_reset) {
    RunningRegistration reg =
        RunningObjectTable::registerInstance(kProgId, [] { return QStringLiteral("x"); });
    const QString path = reg.socketPath();
    ASSERT_FALSE(path.isEmpty());
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(path.startsWith(RunningObjectTable::directory()));
    ASSERT_NE(RunningObjectTable::find(kProgId), nullptr);
    reg.reset();
    EXPECT_FALSE(reg.isActive());
    EXPECT_EQ(RunningObjectTable::find(kProgId), nullptr);
}

TEST(running_in_process, any_live_registration_answers) {
    RunningRegistration a =
        RunningObjectTable::registerInstance(kProgId, [] { return QStringLiteral("a"); });
    RunningRegistration b =
        RunningObjectTable::registerInstance(kProgId, [] { return QStringLiteral("b"); });
    EXPECT_EQ(a.socketPath(), b.socketPath()) << "one socket serves the whole process";
    EXPECT_EQ(Object(RunningObjectTable::find(kProgId)).value(QString()).toString(),
              QStringLiteral("a"));
    a.reset();
    EXPECT_EQ(Object(RunningObjectTable::find(kProgId)).value(QString()).toString(),
              QStringLiteral("b"));
    b.reset();
    EXPECT_EQ(RunningObjectTable::find(kProgId), nullptr);
}

TEST(running_in_process, moved_registration_stays_registered_once) {
    auto app = std::make_shared<Named>();
    RunningRegistration outer;
    {
        RunningRegistration reg = RunningObjectTable::registerInstance(kProgId, {}, app);
        outer = std::move(reg);
    }
    EXPECT_EQ(RunningObjectTable::find(kProgId), app);
    outer = RunningRegistration();
    EXPECT_EQ(RunningObjectTable::find(kProgId), nullptr);
}

TEST(running_in_process, dead_object_is_not_returned) {
    auto app = std::make_shared<Named>();
    RunningRegistration reg = RunningObjectTable::registerInstance(
        kProgId, [] { return QStringLiteral("x"); }, app);
    app.reset();
    // The socket still answers (the registration lives), so the search finds it that way.
    DispatchPtr found = RunningObjectTable::find(kProgId);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(Object(found).value(QString()).toString(), QStringLiteral("x"));
}

TEST(running_across_processes, found_while_the_other_process_holds_it) {
    Holder holder(kProgId, QStringLiteral("Microsoft Word"));
    ASSERT_TRUE(holder.ready());
    DispatchPtr found = RunningObjectTable::find(kProgId);
    ASSERT_NE(found, nullptr);
    Object app(found);
    EXPECT_EQ(app.value(QString()), Str("Microsoft Word"));
    EXPECT_EQ(found->className(), QStringLiteral("Application"));
    // Asked afresh each time: still answers.
    EXPECT_EQ(app.value(QString()).toString(), QStringLiteral("Microsoft Word"));
}

TEST(running_across_processes, name_is_passed_unchanged) {
    // Line breaks and non-Latin letters must survive the socket's line protocol.
    const QString name = QStringLiteral("Microsoft Word\nÜbersicht ✓");
    Holder holder(kProgId, name);
    ASSERT_TRUE(holder.ready());
    Object app(RunningObjectTable::find(kProgId));
    EXPECT_EQ(app.value(QString()).toString(), name);
}

TEST(running_across_processes, other_members_fail_readably) {
    Holder holder(kProgId, QStringLiteral("Microsoft Word"));
    ASSERT_TRUE(holder.ready());
    Object app(RunningObjectTable::find(kProgId));
    const QString quit = errorOf([&] { app.call("Quit"); });
    EXPECT_TRUE(quit.contains(QLatin1String("Object doesn't support this property or method")))
        << qPrintable(quit);
    EXPECT_TRUE(quit.contains(QLatin1String("Quit")));
    EXPECT_TRUE(errorOf([&] { (void)app.get("Documents"); }).contains(QLatin1String("Documents")));
    EXPECT_TRUE(
        errorOf([&] { app.put(QString(), Str("x")); }).contains(QLatin1String("default member")));
}

TEST(running_across_processes, not_found_after_the_process_quits) {
    Object app;
    {
        Holder holder(kProgId, QStringLiteral("Microsoft Word"));
        ASSERT_TRUE(holder.ready());
        app = Object(RunningObjectTable::find(kProgId));
        ASSERT_FALSE(app.isNull());
        holder.quit();
        EXPECT_FALSE(QFile::exists(holder.socket()));
    }
    EXPECT_EQ(RunningObjectTable::find(kProgId), nullptr);
    const QString gone = errorOf([&] { (void)app.value(QString()); });
    EXPECT_TRUE(gone.contains(QLatin1String("disconnected"))) << qPrintable(gone);
}

TEST(running_across_processes, leftover_of_a_killed_process_is_ignored_and_removed) {
    Holder holder(kProgId, QStringLiteral("Microsoft Word"));
    ASSERT_TRUE(holder.ready());
    holder.kill();
    ASSERT_TRUE(QFile::exists(holder.socket())) << "a killed process cannot remove its socket";
    EXPECT_EQ(RunningObjectTable::find(kProgId), nullptr);
    EXPECT_FALSE(QFile::exists(holder.socket()));
}

TEST(running_across_processes, a_second_instance_is_found_when_the_first_is_killed) {
    Holder first(kProgId, QStringLiteral("first"));
    Holder second(kProgId, QStringLiteral("second"));
    ASSERT_TRUE(first.ready() && second.ready());
    EXPECT_NE(first.socket(), second.socket());
    first.kill();
    Object app(RunningObjectTable::find(kProgId));
    ASSERT_FALSE(app.isNull());
    EXPECT_EQ(app.value(QString()).toString(), QStringLiteral("second"));
}

TEST(running_across_processes, classes_are_kept_apart) {
    Holder holder(QStringLiteral("Quillory.SomethingElse"), QStringLiteral("Microsoft Word"));
    ASSERT_TRUE(holder.ready());
    EXPECT_EQ(RunningObjectTable::find(kProgId), nullptr);
}

TEST(running_across_processes, a_process_without_instances_is_not_an_instance) {
    Holder holder(kProgId, QStringLiteral("Microsoft Word"));
    ASSERT_TRUE(holder.ready());
    Object app(RunningObjectTable::find(kProgId));
    ASSERT_FALSE(app.isNull());
    ASSERT_TRUE(holder.release());
    EXPECT_EQ(RunningObjectTable::find(kProgId), nullptr);
    EXPECT_TRUE(QFile::exists(holder.socket())) << "the process still serves its socket";
    const QString gone = errorOf([&] { (void)app.value(QString()); });
    EXPECT_TRUE(gone.contains(QLatin1String("disconnected"))) << qPrintable(gone);
}

TEST(running_across_processes, files_that_only_look_like_sockets_are_left_alone) {
    // A plain file with a socket's name is not an instance and must not be deleted.
    RunningRegistration reg = RunningObjectTable::registerInstance(kProgId, {});
    const QString fake =
        QFileInfo(reg.socketPath())
            .dir()
            .filePath(QFileInfo(reg.socketPath()).fileName().section(QLatin1Char('-'), 0, 2) +
                      QStringLiteral("-1"));
    reg.reset();
    {
        QFile f(fake);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(RunningObjectTable::find(kProgId), nullptr);
    EXPECT_TRUE(QFile::exists(fake));
    QFile::remove(fake);
}

TEST(running_across_processes, attach_through_the_registry) {
    ScopedClass cls(kProgId, ClassFactory{{}, [] { return RunningObjectTable::find(kProgId); }});
    EXPECT_THROW(GetObject(kProgId), Error);
    Holder holder(kProgId, QStringLiteral("Microsoft Word"));
    ASSERT_TRUE(holder.ready());
    EXPECT_EQ(GetObject(kProgId).value(QString()).toString(), QStringLiteral("Microsoft Word"));
}

TEST(running_directory, runtime_folder_when_it_exists_else_temp) {
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", "/nonexistent/quillory-test");
    EXPECT_EQ(RunningObjectTable::directory(), QDir::tempPath());
    qputenv("XDG_RUNTIME_DIR", saved);
    EXPECT_EQ(RunningObjectTable::directory(), QDir(QString::fromLocal8Bit(saved)).absolutePath());
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // QProcess needs it to talk to the holder
    // A private runtime folder, inherited by the holders, keeps these sockets out of the
    // user's session.
    QTemporaryDir runtime;
    if (!runtime.isValid())
        return 1;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
