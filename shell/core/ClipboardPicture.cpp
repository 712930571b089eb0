#include "shell/core/ClipboardPicture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace quillory {
namespace {

std::optional<QImage> readSystemClipboard() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return std::nullopt;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasImage())
        return std::nullopt;
    QImage image = qvariant_cast<QImage>(data->imageData());
    if (image.isNull())
        return std::nullopt;
    return image;
}

}  // namespace

std::optional<QImage> GetClipboardPicture(int format, const ClipboardPictureRead& read) {
    for (int attempt = 0; attempt < kClipboardReadLimit; ++attempt) {
        try {
            if (std::optional<QImage> picture = read())
                return picture;
        } catch (...) {
            // A failed read is retried like an empty one.
        }
    }
    return std::nullopt;
}

std::optional<QImage> GetClipboardPicture(int format) {
    return GetClipboardPicture(format, readSystemClipboard);
}

}  // namespace quillory
