#pragma once
// The system clipboard as the page pictures use it: the word processor copies each page
// there as a picture, the pictures are read back, and afterwards the user gets back what
// the clipboard held before.

#include <QImage>

#include <memory>
#include <optional>

class QMimeData;

namespace quillory {

class PageClipboard {
  public:
    virtual ~PageClipboard() = default;
    // The picture the clipboard holds, read as GetClipboardPicture(0) reads it (retried);
    // none when no read succeeded.
    virtual std::optional<QImage> readPicture() = 0;
    // Remembers what the clipboard holds now (possibly nothing).
    virtual void keep() = 0;
    // Puts back what `keep` remembered. Never throws.
    virtual void restore() = 0;
};

// The desktop's clipboard (QGuiApplication::clipboard()). Without a GUI application object
// there is no clipboard: no picture is read and nothing is kept.
class SystemPageClipboard final : public PageClipboard {
  public:
    SystemPageClipboard();
    ~SystemPageClipboard() override;

    std::optional<QImage> readPicture() override;
    void keep() override;
    void restore() override;

  private:
    std::unique_ptr<QMimeData> kept_; // null: the clipboard was empty
    bool keeping_ = false;
};

// A copy of every format `source` offers, the picture included.
std::unique_ptr<QMimeData> copyOfMimeData(const QMimeData& source);

} // namespace quillory
