#pragma once
// A picture box: a box at a position and size in twips that shows a picture and keeps
// what is painted into it. The preview's viewport, its page and the hidden holder of the
// unscaled page are picture boxes. The box has no border, so its inner size is its size.
//
// Geometry lives here in twips as the preview's arithmetic sets it; the widget's pixel
// geometry follows (15 twips a pixel, Qt scales for dense screens).

#include <QImage>
#include <QWidget>

#include <cstdint>

namespace quillory {

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    float leftTwips() const { return left_; }
    float topTwips() const { return top_; }
    int32_t widthTwips() const { return width_; }
    int32_t heightTwips() const { return height_; }
    int32_t innerWidthTwips() const { return width_; }
    int32_t innerHeightTwips() const { return height_; }

    void moveTwips(float left, float top);
    void setLeftTwips(float left) { moveTwips(left, top_); }
    void setTopTwips(float top) { moveTwips(left_, top); }
    void resizeTwips(int32_t width, int32_t height);
    void setWidthTwips(int32_t width) { resizeTwips(width, height_); }
    void setHeightTwips(int32_t height) { resizeTwips(width_, height); }

    // The picture: shown at its natural size from the top left corner. With auto-size on,
    // the box takes the picture's natural size whenever the picture is set (and when
    // auto-size is switched on). Setting or clearing the picture discards the painting.
    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);
    void clearPicture();
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);

    // Kept for the window's set-up; the box always keeps its painting.
    bool autoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool on) { autoRedraw_ = on; }
    int drawMode() const { return drawMode_; }
    void setDrawMode(int mode) { drawMode_ = mode; }

    // Paints the `sourceTwips` part of `source` (measured in the source's natural size)
    // into `destinationTwips` of the box, scaled smoothly, over the box's background.
    void paintPicture(const QImage& source, const QRectF& destinationTwips,
                      const QRectF& sourceTwips);
    // What has been painted since the picture was last set or cleared (null: nothing).
    const QImage& painting() const { return painting_; }

    // The box as it shows now, at one image pixel per screen pixel (for checks).
    QImage rendered() const;

  Q_SIGNALS:
    // Mouse events with the position in the box's own coordinates, in twips.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, float x, float y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void placeWidget();
    void sizeToPicture();
    void drawContent(QPainter& painter) const;
    QImage blankPainting() const;

    float left_ = 0;
    float top_ = 0;
    int32_t width_ = 0;
    int32_t height_ = 0;
    QImage picture_;
    QImage painting_;
    bool autoSize_ = false;
    bool autoRedraw_ = false;
    int drawMode_ = 13; // copy pen
};

} // namespace quillory
