#pragma once
// A recording stand-in for any late-bound class, for tests: logs every member access with
// its argument types, answers gets with child recorders (or scripted values) and can be
// told to fail at the k-th access.

#include "wordgen/ole/dispatch.h"

#include <QStringList>

#include <functional>
#include <optional>

namespace ole::testing {

struct Call {
    Invoke kind;
    QString path; // the object's path, e.g. "Application.Selection"
    QString name;
    Args args;    // for a put, the value is the last element
    /// "call Application.Selection.MoveRight(I4 1, I2 3, I4 1)",
    /// "put Application.Selection.Font.Size = I2 8", "get Application.Documents".
    QString toString() const;
};

struct Recording {
    std::vector<Call> calls;
    /// 1-based index of the access that throws ole::Error(failDescription); 0 = never.
    size_t failAt = 0;
    QString failDescription = QStringLiteral("Injected failure");
    /// Scripted answers: return a value to answer the call with it, nullopt for the default
    /// (gets and method calls answer a child recorder, puts answer Empty).
    std::function<std::optional<Value>(const Call&)> answer;

    QStringList lines() const;
    /// Lines of the calls whose toString() contains `needle`.
    QStringList linesContaining(const QString& needle) const;
};

class Recorder : public Dispatch {
public:
    Recorder(std::shared_ptr<Recording> log, QString path);
    Value invoke(const QString& name, Invoke kind, const Args& args) override;
    QString className() const override { return path_; }

private:
    std::shared_ptr<Recording> log_;
    QString path_;
};

} // namespace ole::testing
