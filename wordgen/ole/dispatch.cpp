#include "wordgen/ole/dispatch.h"

namespace ole {

Dispatch& Object::target() const {
    if (!p_) throw Error(QStringLiteral("Object variable not set"));
    return *p_;
}

Object Object::get(const QString& name, const Args& args) const {
    return Object(target().invoke(name, Invoke::PropertyGet, args).toObject());
}

Value Object::value(const QString& name, const Args& args) const {
    return target().invoke(name, Invoke::PropertyGet, args);
}

void Object::put(const QString& name, const Value& v) const { put(name, {}, v); }

void Object::put(const QString& name, const Args& args, const Value& v) const {
    Args all = args;
    all.push_back(v);
    target().invoke(name, Invoke::PropertyPut, all);
}

Value Object::call(const QString& name, const Args& args) const {
    return target().invoke(name, Invoke::Method, args);
}

} // namespace ole
