#pragma once
// The preview window as the résumé hand-over and the page pictures fill it, without
// depending on widgets: a page list with one item per page, the page pictures in page
// order, the picture on show, the temporary document the pages belong to.

#include <QImage>
#include <QString>

namespace quillory {

class PreviewWindow {
  public:
    virtual ~PreviewWindow() = default;

    // Removes every page: the list items, the stored pictures and the picture on show.
    virtual void clearPages() = 0;
    // Appends one list item with `text` and stores `picture` as the page's picture.
    virtual void addPage(const QString& text, const QImage& picture) = 0;
    virtual int pageCount() const = 0;
    // The stored picture of page `index` + 1 (index counts from 0).
    virtual QImage pagePicture(int index) const = 0;

    // The picture on show (the viewport's page).
    virtual void setPicture1(const QImage& picture) = 0;
    // The full path of the temporary document the pages belong to.
    virtual void setWordFile(const QString& path) = 0;
    // Shows the window, modeless and without owner, on the page now in `setPicture1`.
    virtual void showWindow() = 0;
};

} // namespace quillory
