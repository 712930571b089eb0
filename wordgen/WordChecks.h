#pragma once
// Guards around the use of the word processor: can an instance be created at all, and is
// one already running in this session.

#include <functional>

namespace quillory {

// Creates and quits one "Word.Application" instance. Returns when that worked; otherwise
// shows the advice text (OK, no icon) and calls `terminate`, which must not return in the
// program (the default ends the process at once, without any close handling). Every
// failure inside is absorbed.
void CheckWordCanStart(const std::function<void()>& terminate = {});

// True when a running "Word.Application" instance answers with the name "Microsoft Word"
// (exact). Any failure makes the result false; the running instance is not touched.
bool IsWordRunning();

// Asks before generating when an instance is running. True means: do not go on.
bool WarnIfWordRunning();

// The advice shown when no instance can be created.
extern const char* const kWordCannotStartText;
// The question asked when an instance is already running.
extern const char* const kWordRunningQuestion;

} // namespace quillory
