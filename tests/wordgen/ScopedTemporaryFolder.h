#pragma once
// Points the "temp" and "TEMP" variables at a fresh folder of the test's own for the
// guard's lifetime.

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

namespace quillory::testing {

class ScopedTemporaryFolder {
  public:
    ScopedTemporaryFolder() : oldLower_(qgetenv("temp")), oldUpper_(qgetenv("TEMP")) {
        qputenv("temp", dir_.path().toLocal8Bit());
        qputenv("TEMP", dir_.path().toLocal8Bit());
    }
    ~ScopedTemporaryFolder() {
        restore("temp", oldLower_);
        restore("TEMP", oldUpper_);
    }
    ScopedTemporaryFolder(const ScopedTemporaryFolder&) = delete;
    ScopedTemporaryFolder& operator=(const ScopedTemporaryFolder&) = delete;

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return QDir(dir_.path()).filePath(name); }
    QStringList entries() const {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Name);
    }

  private:
    static void restore(const char* name, const QByteArray& value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    QTemporaryDir dir_;
    QByteArray oldLower_;
    QByteArray oldUpper_;
};

} // namespace quillory::testing
