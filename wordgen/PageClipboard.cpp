#include "wordgen/PageClipboard.h"

#include "shell/core/ClipboardPicture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>

namespace quillory {
namespace {

QClipboard* systemClipboard() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return nullptr;
    return QGuiApplication::clipboard();
}

} // namespace

std::unique_ptr<QMimeData> copyOfMimeData(const QMimeData& source) {
    auto copy = std::make_unique<QMimeData>();
    if (source.hasImage())
        copy->setImageData(source.imageData());
    const QStringList formats = source.formats();
    for (const QString& format : formats) {
        // The picture is carried by setImageData in every format the clipboard offers it.
        if (source.hasImage() && format.startsWith(QLatin1String("image/")))
            continue;
        if (format == QLatin1String("application/x-qt-image"))
            continue;
        copy->setData(format, source.data(format));
    }
    return copy;
}

SystemPageClipboard::SystemPageClipboard() = default;
SystemPageClipboard::~SystemPageClipboard() = default;

std::optional<QImage> SystemPageClipboard::readPicture() {
    return GetClipboardPicture(0);
}

void SystemPageClipboard::keep() {
    kept_.reset();
    keeping_ = false;
    QClipboard* clipboard = systemClipboard();
    if (!clipboard)
        return;
    keeping_ = true;
    const QMimeData* data = clipboard->mimeData();
    if (data && !data->formats().isEmpty())
        kept_ = copyOfMimeData(*data);
}

void SystemPageClipboard::restore() {
    if (!keeping_)
        return;
    keeping_ = false;
    try {
        QClipboard* clipboard = systemClipboard();
        if (!clipboard)
            return;
        if (kept_)
            clipboard->setMimeData(kept_.release()); // the clipboard takes ownership
        else
            clipboard->clear();
    } catch (...) {
        // Putting the user's content back is a courtesy; it never stops the program.
    }
}

} // namespace quillory
