#pragma once
// The machinery every late-bound engine object shares: a static table of members by name
// (case-insensitive, as Automation names are), argument helpers, and the translation of
// engine errors into ole::Error.

#include "wordgen/ole/dispatch.h"

#include <QHash>
#include <QString>

#include <functional>

namespace engine::automation {

/// "Object doesn't support this property or method"
ole::Error noSuchMember();
/// "The requested member of the collection does not exist."
ole::Error noSuchItem();
/// "Value out of range"
ole::Error outOfRange();

inline constexpr int kToggle = 9999998;    // wdToggle
inline constexpr int kUndefined = 9999999; // wdUndefined
/// True when `v` is the number `constant` (not a boolean), e.g. wdToggle or wdUndefined.
bool isWordConstant(const ole::Value& v, int constant);

/// The i-th argument, or Empty when it was left out.
const ole::Value& arg(const ole::Args& a, size_t i);
bool given(const ole::Args& a, size_t i);
int intArg(const ole::Args& a, size_t i, int fallback);
bool boolArg(const ole::Args& a, size_t i, bool fallback);
/// An argument that must be there; "Argument not optional" otherwise.
const ole::Value& required(const ole::Args& a, size_t i);

/// A collection, or its item when an index was given ("Columns(2)" is "Columns.Item(2)").
ole::Value itemOrCollection(const ole::Args& args, ole::Value collection);

/// Points (as a caller passes them) to twips, rounded half to even; "Value out of range"
/// outside [min, max] points.
int pointsToTwips(const ole::Value& v, double minPoints, double maxPoints);
ole::Value twipsToPoints(int twips);

template <class T> struct Member {
    /// Property get or method call (Automation lets either reach both).
    std::function<ole::Value(T&, const ole::Args&)> get;
    /// Property put: index arguments, then the new value.
    std::function<void(T&, const ole::Args&, const ole::Value&)> put;
};

template <class T> using MemberTable = QHash<QString, Member<T>>;

/// Runs `body`, turning engine exceptions into ole::Error with their description.
ole::Value translated(const std::function<ole::Value()>& body);

/// Base of the objects: dispatches by T::members() (keys in lower case; "" is the default
/// member) and checks T::checkAlive() first.
template <class T> class Automated : public ole::Dispatch {
public:
    ole::Value invoke(const QString& name, ole::Invoke kind, const ole::Args& args) override {
        T& self = static_cast<T&>(*this);
        const MemberTable<T>& table = T::members();
        const auto it = table.constFind(name.toLower());
        if (it == table.constEnd()) throw noSuchMember();
        return translated([&] {
            self.checkAlive();
            if (kind == ole::Invoke::PropertyPut) {
                if (!it->put) throw ole::Error(QStringLiteral("Can't assign to read-only property"));
                if (args.empty()) throw ole::Error(QStringLiteral("Argument not optional"));
                const ole::Args index(args.begin(), args.end() - 1);
                it->put(self, index, args.back());
                return ole::Value();
            }
            if (!it->get) throw noSuchMember();
            return it->get(self, args);
        });
    }
    void checkAlive() const {}
};

} // namespace engine::automation
