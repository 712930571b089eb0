#include "wordgen/ole/value.h"

#include "wordgen/ole/dispatch.h"
#include "wordgen/ole/error.h"

#include <cmath>
#include <limits>

namespace ole {

namespace {
Error typeMismatch() { return Error(QStringLiteral("Type mismatch")); }
} // namespace

const char* typeName(VarType t) {
    switch (t) {
    case VarType::Empty: return "Empty";
    case VarType::Bool: return "Bool";
    case VarType::I2: return "I2";
    case VarType::I4: return "I4";
    case VarType::R4: return "R4";
    case VarType::R8: return "R8";
    case VarType::String: return "String";
    case VarType::Object: return "Object";
    }
    return "?";
}

bool Value::isNumeric() const {
    switch (type()) {
    case VarType::Bool:
    case VarType::I2:
    case VarType::I4:
    case VarType::R4:
    case VarType::R8: return true;
    default: return false;
    }
}

double Value::toDouble() const {
    switch (type()) {
    case VarType::Empty: return 0;
    case VarType::Bool: return std::get<bool>(v_) ? -1 : 0; // Automation's True is -1
    case VarType::I2: return std::get<int16_t>(v_);
    case VarType::I4: return std::get<int32_t>(v_);
    case VarType::R4: return std::get<float>(v_);
    case VarType::R8: return std::get<double>(v_);
    case VarType::String: {
        bool ok = false;
        const double d = std::get<QString>(v_).trimmed().toDouble(&ok);
        if (!ok) throw typeMismatch();
        return d;
    }
    case VarType::Object: break;
    }
    throw typeMismatch();
}

int32_t Value::toInt() const {
    if (type() == VarType::I2) return std::get<int16_t>(v_);
    if (type() == VarType::I4) return std::get<int32_t>(v_);
    const double d = std::nearbyint(toDouble()); // default rounding: halves to even
    if (!std::isfinite(d) || d < std::numeric_limits<int32_t>::min() ||
        d > std::numeric_limits<int32_t>::max())
        throw Error(QStringLiteral("Overflow"));
    return static_cast<int32_t>(d);
}

bool Value::toBool() const {
    if (type() == VarType::Bool) return std::get<bool>(v_);
    if (type() == VarType::String) {
        const QString s = std::get<QString>(v_).trimmed();
        if (s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
        if (s.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
    }
    return toDouble() != 0;
}

QString Value::toString() const {
    switch (type()) {
    case VarType::Empty: return QString();
    case VarType::Bool: return std::get<bool>(v_) ? QStringLiteral("True") : QStringLiteral("False");
    case VarType::I2:
    case VarType::I4: return QString::number(toInt());
    case VarType::R4: return QString::number(std::get<float>(v_));
    case VarType::R8: return QString::number(std::get<double>(v_), 'g', 15);
    case VarType::String: return std::get<QString>(v_);
    case VarType::Object: break;
    }
    throw typeMismatch();
}

DispatchPtr Value::toObject() const {
    if (type() == VarType::Object && std::get<DispatchPtr>(v_)) return std::get<DispatchPtr>(v_);
    throw Error(QStringLiteral("Object required"));
}

QString Value::describe() const {
    const QString t = QString::fromLatin1(typeName(type()));
    switch (type()) {
    case VarType::Empty: return t;
    case VarType::String: {
        QString s = std::get<QString>(v_);
        s.replace(QLatin1String("\\"), QLatin1String("\\\\"))
            .replace(QLatin1String("\""), QLatin1String("\\\""))
            .replace(QLatin1String("\r"), QLatin1String("\\r"))
            .replace(QLatin1String("\n"), QLatin1String("\\n"))
            .replace(QLatin1String("\t"), QLatin1String("\\t"))
            .replace(QChar(0x0B), QLatin1String("\\v"));
        return t + QStringLiteral(" \"") + s + QLatin1Char('"');
    }
    case VarType::Object: {
        const auto& p = std::get<DispatchPtr>(v_);
        return t + QLatin1Char(' ') + (p ? p->className() : QStringLiteral("Nothing"));
    }
    default: return t + QLatin1Char(' ') + toString();
    }
}

bool Value::operator==(const Value& o) const { return v_ == o.v_; }

} // namespace ole
