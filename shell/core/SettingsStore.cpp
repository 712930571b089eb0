#include "shell/core/SettingsStore.h"

#include "shell/core/Error.h"
#include "shell/core/IniFileCheck.h"
#include "shell/core/SettingsKeys.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace quillory {
namespace {

constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner;

QString sectionKey(const QString& key) {
    return QString::fromUtf8(settings::kSection) + QLatin1Char('/') + key;
}

// The file's bytes; throws when the file exists but cannot be read.
QByteArray readExisting(const QString& path, const QString& whatFor) {
    QFile file(path);
    if (QFileInfo(path).isDir())
        throw Error(QStringLiteral("The settings file %1 cannot be %2: it is a folder")
                        .arg(QDir::toNativeSeparators(path), whatFor));
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("The settings file %1 cannot be %2: %3")
                        .arg(QDir::toNativeSeparators(path), whatFor, file.errorString()));
    return file.readAll();
}

QString damagedDescription(const QString& path, const QString& problem) {
    return QStringLiteral("The settings file %1 is damaged: %2")
        .arg(QDir::toNativeSeparators(path), problem);
}

// Moves a damaged file aside so the next write starts afresh without losing it.
void keepDamagedFileAside(const QString& path) {
    const QString aside = path + QStringLiteral(".damaged");
    QFile::remove(aside);
    if (!QFile::rename(path, aside))
        throw Error(QStringLiteral("The damaged settings file %1 could not be kept aside as %2")
                        .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(aside)));
}

// Creates an empty owner-only file, so the file QSettings writes keeps those permissions.
void createOwnerOnlyFile(const QString& path) {
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        throw Error(QStringLiteral("The settings folder %1 cannot be created")
                        .arg(QDir::toNativeSeparators(info.absolutePath())));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly))
        throw Error(QStringLiteral("The settings file %1 cannot be created: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
}

}  // namespace

IniSettingsStore::IniSettingsStore() : filePath_(defaultFilePath()) {}

IniSettingsStore::IniSettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

QString IniSettingsStore::defaultFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + QString::fromUtf8(settings::kApplication) +
           QStringLiteral(".ini");
}

QString IniSettingsStore::read(const QString& key) {
    if (!QFileInfo::exists(filePath_))
        return {};
    QByteArray content;
    try {
        content = readExisting(filePath_, QStringLiteral("read"));
    } catch (const Error& e) {
        refuseOnce(e.description(), {});
        return {};
    }
    const QString problem = iniFileProblem(content);
    if (!problem.isEmpty()) {
        refuseOnce(damagedDescription(filePath_, problem), content);
        return {};
    }
    reportedRefusal_.clear();

    QSettings settings(filePath_, QSettings::IniFormat);
    if (settings.status() == QSettings::FormatError)
        throw Error(damagedDescription(filePath_, QStringLiteral("it is not an INI file")));
    if (settings.status() != QSettings::NoError)
        throw Error(QStringLiteral("The settings file %1 cannot be read")
                        .arg(QDir::toNativeSeparators(filePath_)));
    const QVariant value = settings.value(sectionKey(key));
    // A hand-edited value with unquoted commas comes back from QSettings as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void IniSettingsStore::refuseOnce(const QString& description, const QByteArray& content) {
    const QByteArray refusal = description.toUtf8() + '\0' + content;
    if (refusal == reportedRefusal_)
        return;  // already reported for the file as it is now: read as absent
    reportedRefusal_ = refusal;
    throw Error(description);
}

void IniSettingsStore::write(const QString& key, const QString& value) {
    if (QFileInfo::exists(filePath_)) {
        const QByteArray content = readExisting(filePath_, QStringLiteral("written"));
        QString problem = iniFileProblem(content);
        if (problem.isEmpty()) {
            QSettings probe(filePath_, QSettings::IniFormat);
            if (probe.status() != QSettings::NoError)
                problem = QStringLiteral("it is not an INI file");
        }
        if (!problem.isEmpty()) {
            keepDamagedFileAside(filePath_);
            createOwnerOnlyFile(filePath_);
        }
    } else {
        createOwnerOnlyFile(filePath_);
    }

    QSettings settings(filePath_, QSettings::IniFormat);
    settings.setValue(sectionKey(key), value);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw Error(QStringLiteral("\"%1\" could not be stored in the settings file %2")
                        .arg(key, QDir::toNativeSeparators(filePath_)));
    if (!QFile::setPermissions(filePath_, kOwnerOnly))
        throw Error(QStringLiteral("The settings file %1 cannot be made private to its owner")
                        .arg(QDir::toNativeSeparators(filePath_)));
}

}  // namespace quillory
