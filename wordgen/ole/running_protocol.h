#pragma once
// Internal to the running-object table: socket names, the one request the sockets answer,
// and the table of instances registered by this process.

#include "wordgen/ole/dispatch.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

namespace ole::running {

/// A request is one line; the answer is one line, "OK <name>" or "ERR <description>", the
/// text percent-encoded UTF-8 so that no line break inside it can end the line.
inline constexpr char kNameRequest[] = "NAME";
inline constexpr int kAnswerTimeoutMs = 1000;

/// "quillory-rot-<uid>-<progid>-": every socket of this user's instances of the class
/// starts with it. The ProgID is folded to lower case (ProgIDs ignore case) and reduced to
/// characters that are safe in a file name.
QString socketPrefix(const QString& progId);
/// Folders searched for sockets, preferred first, without duplicates.
QStringList searchDirectories();
/// The process id written into a socket's name, or 0 when the name has none.
int64_t processIdOf(const QString& socketName, const QString& prefix);
/// True when a process with this id exists (ours or another user's).
bool processExists(int64_t pid);

// Instances registered by this process, so a search from here returns the object itself.
uint64_t addLocal(const QString& progId, std::weak_ptr<Dispatch> self);
void removeLocal(uint64_t id);
DispatchPtr findLocal(const QString& progId);

/// The answer line for a name (`ok`) or an error description.
QByteArray encodeAnswer(bool ok, const QString& text);

/// A socket answer, parsed.
struct Answer {
    enum Kind { Name, RemoteError, Refused, NoAnswer } kind = NoAnswer;
    QString text; // the name, or the remote error's description
};
/// Connects to the socket at `path`, asks for the name and waits for the answer.
Answer askName(const QString& path);

} // namespace ole::running
