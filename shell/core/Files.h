#pragma once
// Shared file procedures. Neither ever reports or throws.

#include <QString>

namespace quillory {

// True when the modification time of `path` can be read: an existing file or folder.
// False for the empty path, a missing file or a bad path.
bool FileExists(const QString& path);

// Processes pending events once, then deletes `path`; a read-only file is made writable
// and deleted. A file that cannot be deleted simply stays.
void DeleteFileForced(const QString& path);

// The folder that holds the running executable (empty without an application object).
QString applicationFolder();

// `folder` followed by `relative`, where `relative` uses "/" and the result the native
// separators, as the literals "\HAND-M.CUR" and "\x\o.cjs" are meant.
QString pathInFolder(const QString& folder, const QString& relative);

}  // namespace quillory
