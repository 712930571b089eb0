#pragma once
// Saving a copy of the temporary document where the user chose.

#include <QString>

namespace quillory {

// Copies `source` byte for byte to `target`. The bytes go to a new file beside `target`
// first, which is then renamed into place, so an existing `target` is replaced only by a
// complete copy and stays as it was when anything fails. The copy gets ordinary
// permissions (read and write as the user's umask allows), whatever the source has.
// Throws quillory::Error with a readable description; nothing is left behind then.
void copyFileIntoPlace(const QString& source, const QString& target);

} // namespace quillory
