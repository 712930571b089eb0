#pragma once
// The temporary folder and private files in it. A résumé holds personal data and the
// temporary folder is shared with every user of the machine, so the files made here are
// readable by their owner only and are never opened through a name that already exists
// (a file or a link someone else put there).

#include <QString>

namespace quillory {

// The "temp" environment variable when set, else "TEMP", else the platform's temporary
// folder; an absolute path with native separators.
QString temporaryFolder();

// `name` in `folder`, as an absolute path with native separators.
QString pathInTemporaryFolder(const QString& folder, const QString& name);

enum class Reservation { Created, NameTaken };

// Creates `path` as an empty file with owner-only permissions (0600), exclusively: when
// anything (file, folder, link) already has that name, nothing is touched and the answer
// is NameTaken. Throws quillory::Error with a readable description for any other failure.
Reservation createPrivateFile(const QString& path);

// Makes the regular file at `path` owner-only (0600) when its group or others have any
// access. A link is not followed. Throws quillory::Error when the file cannot be checked
// or changed.
void keepPrivate(const QString& path);

// One digit from 1 to 9 of a temporary document's name, drawn from the system's random
// source (names of two runs never follow from each other or from the time of day).
int randomNameDigit();

} // namespace quillory
