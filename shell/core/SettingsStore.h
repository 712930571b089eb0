#pragma once
// The per-user settings store: string values addressed by key inside the application
// "Marrowby", section "Quillory" (keys in SettingsKeys.h).

#include <QString>

namespace quillory {

// What the windows need of a store. Both calls throw quillory::Error with a readable
// description when the store refuses the read or the write.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored string, or the empty string when the key is absent.
    virtual QString read(const QString& key) = 0;
    // Stores `value`; it is on disk when the call returns.
    virtual void write(const QString& key, const QString& value) = 0;
};

// The store on an INI file (QSettings), by default "Marrowby.ini" in the user's XDG
// config folder, group "Quillory".
//
// - No cache: every read opens the file anew, so two running copies share their values.
// - Every write is synced and its status checked; QSettings replaces the file atomically.
// - The file is kept readable and writable by its owner only.
// - A file that cannot be read, or whose content is not an INI file, fails every read with
//   an error instead of reading as empty. A write never overwrites a file it cannot read;
//   a damaged file is first kept aside as "<file>.damaged" so nothing of it is lost.
// - A refusal is raised once for the file as it is: later reads of the same unreadable or
//   damaged file read as absent, so loading a window reports the problem in one box
//   instead of one per key. A changed file is judged afresh.
class IniSettingsStore final : public SettingsStore {
public:
    IniSettingsStore();                            // the per-user file
    explicit IniSettingsStore(QString filePath);   // a file of the caller's choosing

    QString read(const QString& key) override;
    void write(const QString& key, const QString& value) override;

    const QString& filePath() const { return filePath_; }

    // The per-user file: "$XDG_CONFIG_HOME/Marrowby.ini" (or ~/.config when unset).
    static QString defaultFilePath();

private:
    // Throws `description` unless the same refusal, for the same file content, was the
    // last one raised.
    void refuseOnce(const QString& description, const QByteArray& content);

    QString filePath_;
    QByteArray reportedRefusal_;
};

}  // namespace quillory
