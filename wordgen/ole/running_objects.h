#pragma once
// The running-object table: which instances of a class are alive in this user's session, in
// this process or in any other, so that GetObject can attach to one.
//
// Each live instance holds a local socket named after the user, the ProgID, the process and
// a sequence number, in XDG_RUNTIME_DIR (or the temp folder). Another process finds it by
// listing those names and asking the socket for the instance's name; the answer comes from a
// thread of the holding process, so a busy instance still answers. Sockets left behind by a
// process that was killed refuse connections and are removed by the next search.
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
    /// no socket can be opened the handle says so (`isListening()` false, `errorString()`)
    /// and the instance is still found from within this process.
    static RunningRegistration registerInstance(const QString& progId, NameProvider name,
                                                std::weak_ptr<Dispatch> self = {});

    /// A live instance of `progId`: the registered object when one lives in this process,
    /// else a proxy on an instance of another process, else null.
    static DispatchPtr find(const QString& progId);

    /// The folder holding the sockets: XDG_RUNTIME_DIR when it names an existing folder,
    /// else the temp folder.
    static QString directory();
};

/// Keeps one instance registered; unregisters (and removes its socket) when destroyed.
class RunningRegistration {
  public:
    RunningRegistration(); // registers nothing
    RunningRegistration(RunningRegistration&&) noexcept;
    RunningRegistration& operator=(RunningRegistration&&) noexcept;
    ~RunningRegistration();

    bool isActive() const { return d_ != nullptr; }
    /// True while other processes can reach the instance.
    bool isListening() const;
    /// Why the socket could not be opened; empty when it was.
    QString errorString() const;
    /// Full path of the socket; empty when not listening.
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
