#pragma once
// The late-bound object interface and a small handle for calling members by name.

#include "wordgen/ole/error.h"
#include "wordgen/ole/value.h"

namespace ole {

enum class Invoke { Method, PropertyGet, PropertyPut };

/// An object whose members are reached by name. Implementations throw ole::Error for a
/// member they do not have, a wrong argument or a call they cannot honour.
class Dispatch : public std::enable_shared_from_this<Dispatch> {
public:
    virtual ~Dispatch() = default;
    /// For PropertyPut the new value is the last element of `args`.
    /// The empty name addresses the default member.
    virtual Value invoke(const QString& name, Invoke kind, const Args& args) = 0;
    /// The object's class name as a log shows it ("Selection", "Font", ...).
    virtual QString className() const = 0;
};

/// A handle on a late-bound object: `sel.call("MoveRight", {I4(1), I2(3), I4(1)})`,
/// `sel.get("Font").put("Size", I2(8))`. An empty handle throws on every call with
/// "Object variable not set".
class Object {
public:
    Object() = default;
    Object(DispatchPtr p) : p_(std::move(p)) {}

    Object get(const QString& name, const Args& args = {}) const;  // property or child object
    Value value(const QString& name, const Args& args = {}) const; // property as a plain value
    void put(const QString& name, const Value& v) const;
    void put(const QString& name, const Args& args, const Value& v) const;
    Value call(const QString& name, const Args& args = {}) const;

    bool isNull() const { return !p_; }
    const DispatchPtr& ptr() const { return p_; }
    void reset() { p_.reset(); }

private:
    Dispatch& target() const;
    DispatchPtr p_;
};

} // namespace ole
