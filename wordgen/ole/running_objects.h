#pragma once
// The running-object table: which instances of a class are alive in this user's session, in
// this process or in any other, so that GetObject can attach to one.
//
// A process that registers an instance opens a local socket named after the user and the
// process, in XDG_RUNTIME_DIR (or the temp folder), served by a thread of its own until the
// process ends. Another process finds an instance by listing those sockets and asking each
// for the name of its live instance of the class; the answer comes from the serving thread,
// so a busy process still answers, and a process whose instances are gone answers that it
// has none. Sockets left behind by a process that was killed refuse connections and are
// removed by the next search. Registering and unregistering cost only a table entry.
//
// Across processes only the default member (the instance's name) can be read; every other
// member of the attached object fails with a readable ole::Error. In the same process the
// search returns the registered object itself.

#include "wordgen/ole/dispatch.h"

#include <functional>
#include <memory>

namespace ole {

class RunningRegistration;

class RunningObjectTable {
  public:
    /// Answers the instance's name; called on the registration's own thread, so it must be
    /// safe to call from there (returning a constant is).
    using NameProvider = std::function<QString()>;

    /// Registers a live instance of `progId` until the returned handle is destroyed.
    /// `self` (optional) is what a search from the same process returns. Never throws: when
    /// the process's socket cannot be opened the handle says so (`isListening()` false,
    /// `errorString()`) and the instance is still found from within this process.
    static RunningRegistration registerInstance(const QString& progId, NameProvider name,
                                                std::weak_ptr<Dispatch> self = {});

    /// A live instance of `progId`: the registered object when one lives in this process,
    /// else a proxy on an instance of another process, else null.
    static DispatchPtr find(const QString& progId);

    /// The folder holding the sockets: XDG_RUNTIME_DIR when it names an existing folder,
    /// else the temp folder.
    static QString directory();
};

/// Keeps one instance registered; unregisters it when destroyed.
class RunningRegistration {
  public:
    RunningRegistration(); // registers nothing
    RunningRegistration(RunningRegistration&&) noexcept;
    RunningRegistration& operator=(RunningRegistration&&) noexcept;
    ~RunningRegistration();

    bool isActive() const { return d_ != nullptr; }
    /// True while other processes can reach the instance.
    bool isListening() const;
    /// Why the process's socket could not be opened; empty when it was.
    QString errorString() const;
    /// Full path of the process's socket; empty when not listening.
    QString socketPath() const;
    /// Unregisters now instead of at destruction.
    void reset();

    struct Private;

  private:
    friend class RunningObjectTable;
    explicit RunningRegistration(std::unique_ptr<Private> d);
    std::unique_ptr<Private> d_;
};

} // namespace ole
