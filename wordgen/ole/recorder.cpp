#include "wordgen/ole/recorder.h"

namespace ole::testing {

namespace {
QString joinDescribed(const Args& args, size_t count) {
    QStringList parts;
    for (size_t i = 0; i < count; ++i) parts << args[i].describe();
    return parts.join(QStringLiteral(", "));
}
QString joinPlain(const Args& args) {
    QStringList parts;
    for (const Value& a : args) parts << (a.type() == VarType::Object ? a.describe() : a.toString());
    return parts.join(QStringLiteral(", "));
}
} // namespace

QString Call::toString() const {
    const QString target = path + QLatin1Char('.') + name;
    switch (kind) {
    case Invoke::Method:
        return QStringLiteral("call ") + target + QLatin1Char('(') + joinDescribed(args, args.size()) +
               QLatin1Char(')');
    case Invoke::PropertyGet:
        return QStringLiteral("get ") + target +
               (args.empty() ? QString()
                             : QLatin1Char('(') + joinDescribed(args, args.size()) + QLatin1Char(')'));
    case Invoke::PropertyPut: {
        const size_t n = args.empty() ? 0 : args.size() - 1;
        const QString index =
            n == 0 ? QString() : QLatin1Char('(') + joinDescribed(args, n) + QLatin1Char(')');
        return QStringLiteral("put ") + target + index + QStringLiteral(" = ") +
               (args.empty() ? QStringLiteral("?") : args.back().describe());
    }
    }
    return {};
}

QStringList Recording::lines() const {
    QStringList out;
    for (const Call& c : calls) out << c.toString();
    return out;
}

QStringList Recording::linesContaining(const QString& needle) const {
    QStringList out;
    for (const Call& c : calls)
        if (c.toString().contains(needle)) out << c.toString();
    return out;
}

Recorder::Recorder(std::shared_ptr<Recording> log, QString path)
    : log_(std::move(log)), path_(std::move(path)) {}

Value Recorder::invoke(const QString& name, Invoke kind, const Args& args) {
    log_->calls.push_back(Call{kind, path_, name, args});
    const Call& call = log_->calls.back();
    if (log_->failAt != 0 && log_->calls.size() == log_->failAt) throw Error(log_->failDescription);
    if (log_->answer) {
        if (std::optional<Value> v = log_->answer(call)) return *v;
    }
    if (kind == Invoke::PropertyPut) return {};
    const QString child = path_ + QLatin1Char('.') + name +
                          (args.empty() ? QString() : QLatin1Char('(') + joinPlain(args) + QLatin1Char(')'));
    return Value(std::make_shared<Recorder>(log_, child));
}

} // namespace ole::testing
