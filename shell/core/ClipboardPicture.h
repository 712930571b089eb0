#pragma once
// Reading a picture from the system clipboard, retried without pause.

#include <QImage>

#include <functional>
#include <optional>

namespace quillory {

inline constexpr int kClipboardReadLimit = 1000;

// One attempt to read a picture; none when the read failed.
using ClipboardPictureRead = std::function<std::optional<QImage>()>;

// Reads until a read succeeds or kClipboardReadLimit reads have been made. `format` is a
// clipboard format number; 0 means any picture format the clipboard holds (the only
// value the program passes; on this platform every picture format reads the same).
// Never throws.
std::optional<QImage> GetClipboardPicture(int format);

// The same, with the single read supplied by the caller (tests count the reads).
std::optional<QImage> GetClipboardPicture(int format, const ClipboardPictureRead& read);

}  // namespace quillory
