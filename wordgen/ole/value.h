#pragma once
// A late-bound value with the variant types that matter to Word automation.
// The 16-bit / 32-bit distinction is kept so callers' choices stay visible and testable.

#include <QString>

#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

namespace ole {

class Dispatch;
using DispatchPtr = std::shared_ptr<Dispatch>;

enum class VarType { Empty, Bool, I2, I4, R4, R8, String, Object };

/// Short name of a variant type as used in call logs: "Empty", "Bool", "I2", ...
const char* typeName(VarType t);

class Value {
public:
    Value() = default; // Empty: also stands for an omitted optional argument
    Value(const QString& s) : v_(s) {}
    Value(const char* s) : v_(QString::fromUtf8(s)) {}
    Value(DispatchPtr obj) : v_(std::move(obj)) {}

    static Value boolean(bool b) { return Value(Tag{}, b); }
    static Value i2(int16_t n) { return Value(Tag{}, n); }
    static Value i4(int32_t n) { return Value(Tag{}, n); }
    static Value r4(float f) { return Value(Tag{}, f); }
    static Value r8(double d) { return Value(Tag{}, d); }

    VarType type() const { return static_cast<VarType>(v_.index()); }
    bool isEmpty() const { return type() == VarType::Empty; }
    bool isNumeric() const;

    // Coercions as Automation performs them; each throws ole::Error with a readable
    // description ("Type mismatch") when the value cannot be converted.
    bool toBool() const;
    int32_t toInt() const;    // numbers are rounded half to even, as Automation does
    double toDouble() const;
    QString toString() const;
    DispatchPtr toObject() const;

    /// "I2 3", "String \"Tahoma\"", "Object Selection" — used by logs and error texts.
    QString describe() const;

    bool operator==(const Value& o) const;

private:
    struct Tag {};
    template <class T> Value(Tag, T x) : v_(x) {}
    std::variant<std::monostate, bool, int16_t, int32_t, float, double, QString, DispatchPtr> v_;
};

using Args = std::vector<Value>;

// Shorthands that read like the typed literals of a late-bound call.
inline Value Bool(bool b) { return Value::boolean(b); }
inline Value I2(int16_t n) { return Value::i2(n); }
inline Value I4(int32_t n) { return Value::i4(n); }
inline Value R4(float f) { return Value::r4(f); }
inline Value R8(double d) { return Value::r8(d); }
inline Value Str(const QString& s) { return Value(s); }

} // namespace ole
