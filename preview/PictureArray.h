#pragma once
// Image1: the page picture store of the preview, one element per page in page order.
// Element 0 always exists (it may hold no picture); later elements are created as pages
// are added. The pictures are held as images, not as widgets: they are never shown
// themselves, only copied into the viewport's page (sharing their pixels).

#include <QImage>
#include <QObject>
#include <QVector>

namespace quillory {

class PictureArray : public QObject {
  public:
    explicit PictureArray(QObject* parent = nullptr) : QObject(parent), elements_(1) {}

    int count() const { return static_cast<int>(elements_.size()); }
    // The picture of element `index`; a null image for an element that does not exist.
    QImage picture(int index) const { return elements_.value(index); }
    // Gives element `index` its picture, creating the elements up to it.
    void setPicture(int index, const QImage& picture) {
        if (index < 0)
            return;
        if (index >= elements_.size())
            elements_.resize(index + 1);
        elements_[index] = picture;
    }
    // Back to element 0 alone, without a picture: the pictures' memory is freed.
    void reset() { elements_ = QVector<QImage>(1); }

  private:
    QVector<QImage> elements_;
};

} // namespace quillory
