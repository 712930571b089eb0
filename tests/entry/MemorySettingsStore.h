#pragma once
// A settings store in memory that logs writes and can refuse chosen keys.

#include "shell/core/Error.h"
#include "shell/core/SettingsStore.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QSet>

namespace quillory::testing {

class MemorySettingsStore final : public SettingsStore {
public:
    QHash<QString, QString> values;
    QList<QPair<QString, QString>> writes;
    QSet<QString> refuseReads;
    QSet<QString> refuseWrites;
    bool refuseAll = false;

    QString read(const QString& key) override {
        if (refuseAll || refuseReads.contains(key))
            throw Error(QStringLiteral("The settings file cannot be read"));
        return values.value(key);
    }

    void write(const QString& key, const QString& value) override {
        if (refuseAll || refuseWrites.contains(key))
            throw Error(QStringLiteral("\"%1\" could not be stored").arg(key));
        values[key] = value;
        writes << qMakePair(key, value);
    }

    int writesOf(const QString& key) const {
        int count = 0;
        for (const auto& write : writes)
            count += write.first == key ? 1 : 0;
        return count;
    }
};

}  // namespace quillory::testing
