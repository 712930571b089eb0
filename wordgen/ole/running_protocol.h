#pragma once
// Internal to the running-object table: socket names, the one request the sockets answer,
// and the table of instances registered by this process.

#include "wordgen/ole/dispatch.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace ole::running {

/// A request is one line, "NAME <class key>"; the answer is one line: "OK <name>", "NONE"
/// (no instance of that class lives in the process) or "ERR <description>", texts
/// percent-encoded UTF-8 so that no line break inside them can end the line.
inline constexpr char kNameRequest[] = "NAME";
inline constexpr int kAnswerTimeoutMs = 1000;

/// A ProgID folded to lower case (ProgIDs ignore case) and reduced to characters that are
/// safe in a file name and a request line.
QString classKey(const QString& progId);
/// "quillory-rot-<uid>-": every socket of this user's processes starts with it.
QString socketPrefix();
/// This process's socket name: the prefix and the process id.
QString processSocketName();
/// Folders searched for sockets, preferred first, without duplicates.
QStringList searchDirectories();
/// The process id written into a socket's name, or 0 when the name has none.
int64_t processIdOf(const QString& socketName);
/// True when a process with this id exists (ours or another user's).
bool processExists(int64_t pid);

// Instances registered by this process.
using NameProvider = std::function<QString()>;
uint64_t addLocal(const QString& progId, NameProvider name, std::weak_ptr<Dispatch> self);
void removeLocal(uint64_t id);
/// The first registered object of the class that is still alive.
DispatchPtr findLocal(const QString& progId);
/// The name provider of the first registration of the class (by key); empty when none.
NameProvider localNameProvider(const QString& key);

QByteArray encodeAnswer(bool ok, const QString& text);

/// A socket answer, parsed.
struct Answer {
    enum Kind { Name, NoInstance, RemoteError, Refused, NoAnswer } kind = NoAnswer;
    QString text; // the name, or the remote error's description
};
/// Connects to the socket at `path` and asks for the name of its instance of the class.
Answer askName(const QString& path, const QString& key);

} // namespace ole::running
