#include "engine/automation/dispatch_base.h"

#include "engine/edit/error.h"

#include <cmath>

namespace engine::automation {

ole::Error noSuchMember() { return ole::Error(QStringLiteral("Object doesn't support this property or method")); }
ole::Error noSuchItem() { return ole::Error(QStringLiteral("The requested member of the collection does not exist.")); }
ole::Error outOfRange() { return ole::Error(QStringLiteral("Value out of range")); }

bool isWordConstant(const ole::Value& v, int constant) {
    return v.isNumeric() && v.type() != ole::VarType::Bool && v.toDouble() == constant;
}

const ole::Value& arg(const ole::Args& a, size_t i) {
    static const ole::Value empty;
    return i < a.size() ? a[i] : empty;
}

bool given(const ole::Args& a, size_t i) { return i < a.size() && !a[i].isEmpty(); }

int intArg(const ole::Args& a, size_t i, int fallback) { return given(a, i) ? a[i].toInt() : fallback; }

bool boolArg(const ole::Args& a, size_t i, bool fallback) { return given(a, i) ? a[i].toBool() : fallback; }

const ole::Value& required(const ole::Args& a, size_t i) {
    if (!given(a, i)) throw ole::Error(QStringLiteral("Argument not optional"));
    return a[i];
}

ole::Value itemOrCollection(const ole::Args& args, ole::Value collection) {
    if (args.empty()) return collection;
    return collection.toObject()->invoke(QString(), ole::Invoke::PropertyGet, args);
}

int pointsToTwips(const ole::Value& v, double minPoints, double maxPoints) {
    const double pt = v.toDouble();
    if (!std::isfinite(pt) || pt < minPoints || pt > maxPoints) throw outOfRange();
    return int(std::nearbyint(pt * 20));
}

ole::Value twipsToPoints(int twips) { return ole::R4(float(twips / 20.0)); }

ole::Value translated(const std::function<ole::Value()>& body) {
    try {
        return body();
    } catch (const ole::Error&) {
        throw;
    } catch (const edit::EditError& e) {
        throw ole::Error(e.description());
    } catch (const std::bad_alloc&) {
        throw ole::Error(QStringLiteral("Out of memory"));
    } catch (const std::exception& e) {
        throw ole::Error(QString::fromUtf8(e.what()));
    }
}

} // namespace engine::automation
