#pragma once
// Classes by ProgID: what CreateObject creates and what GetObject attaches to.

#include "wordgen/ole/dispatch.h"

#include <functional>

namespace ole {

struct ClassFactory {
    /// Creates a new instance; may throw ole::Error.
    std::function<DispatchPtr()> create;
    /// Returns a running instance, or null when none runs. May be empty.
    std::function<DispatchPtr()> attachRunning;
};

/// Registers (or replaces) the class under `progId`. Returns the factory it replaced, so a
/// test can put the old one back.
ClassFactory registerClass(const QString& progId, ClassFactory factory);
void unregisterClass(const QString& progId);

/// A new instance of the class; throws ole::Error when the class is unknown or its
/// factory fails.
Object CreateObject(const QString& progId);
/// A running instance of the class; throws ole::Error when none runs.
Object GetObject(const QString& progId);

/// Restores a ProgID's previous factory when it goes out of scope (for tests).
class ScopedClass {
public:
    ScopedClass(const QString& progId, ClassFactory f)
        : progId_(progId), old_(registerClass(progId, std::move(f))) {}
    ~ScopedClass();
    ScopedClass(const ScopedClass&) = delete;
    ScopedClass& operator=(const ScopedClass&) = delete;

private:
    QString progId_;
    ClassFactory old_;
};

} // namespace ole
