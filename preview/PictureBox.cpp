#include "preview/PictureBox.h"

#include "preview/NaturalSize.h"
#include "preview/Rounding.h"
#include "shell/ControlKinds.h"
#include "shell/Twips.h"
#include "shell/WindowConventions.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace quillory {
namespace {

constexpr double kTwips = kTwipsPerPixel;

float inTwips(qreal pixels) {
    return static_cast<float>(pixels * kTwips);
}

QRectF twipsToPixelRect(const QRectF& twips) {
    return {twips.x() / kTwips, twips.y() / kTwips, twips.width() / kTwips,
            twips.height() / kTwips};
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    markAsPictureBox(*this);
    setBackgroundColour(*this, designWhite());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::moveTwips(float left, float top) {
    left_ = left;
    top_ = top;
    placeWidget();
}

void PictureBox::resizeTwips(int32_t width, int32_t height) {
    width_ = std::max<int32_t>(width, 0);
    height_ = std::max<int32_t>(height, 0);
    if (!painting_.isNull()) {
        // The painting keeps its top left part; new parts show the background.
        QImage grown = blankPainting();
        QPainter painter(&grown);
        painter.drawImage(QPointF(0, 0), painting_);
        painter.end();
        painting_ = grown;
    }
    placeWidget();
}

void PictureBox::placeWidget() {
    setGeometry(roundHalfEven(left_ / kTwips), roundHalfEven(top_ / kTwips), twipsToPixels(width_),
                twipsToPixels(height_));
    update();
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
    painting_ = QImage();
    if (autoSize_)
        sizeToPicture();
    update();
}

void PictureBox::clearPicture() {
    picture_ = QImage();
    painting_ = QImage();
    update();
}

void PictureBox::setAutoSize(bool on) {
    autoSize_ = on;
    if (autoSize_)
        sizeToPicture();
}

void PictureBox::sizeToPicture() {
    if (picture_.isNull())
        return;
    const QSize natural = naturalSizeInTwips(picture_);
    resizeTwips(natural.width(), natural.height());
}

QImage PictureBox::blankPainting() const {
    const qreal ratio = devicePixelRatioF();
    QImage blank(QSize(std::max(1, roundHalfEven(twipsToPixels(width_) * ratio)),
                       std::max(1, roundHalfEven(twipsToPixels(height_) * ratio))),
                 QImage::Format_RGB32);
    blank.setDevicePixelRatio(ratio);
    blank.fill(palette().color(QPalette::Window));
    return blank;
}

void PictureBox::paintPicture(const QImage& source, const QRectF& destinationTwips,
                              const QRectF& sourceTwips) {
    if (painting_.isNull()) {
        painting_ = blankPainting();
        QPainter painter(&painting_);
        drawContent(painter);
    }
    if (source.isNull() || destinationTwips.isEmpty() || sourceTwips.isEmpty())
        return;
    const QSize natural = naturalSizeInTwips(source);
    const double perTwipX = static_cast<double>(source.width()) / natural.width();
    const double perTwipY = static_cast<double>(source.height()) / natural.height();
    const QRect sourcePixels =
        QRectF(sourceTwips.x() * perTwipX, sourceTwips.y() * perTwipY,
               sourceTwips.width() * perTwipX, sourceTwips.height() * perTwipY)
            .toAlignedRect()
            .intersected(source.rect());
    const QRectF target = twipsToPixelRect(destinationTwips);
    const qreal ratio = painting_.devicePixelRatio();
    const QSize targetPixels(std::max(1, roundHalfEven(target.width() * ratio)),
                             std::max(1, roundHalfEven(target.height() * ratio)));
    // Scaling the part first gives an averaged (not sampled) page at small zooms.
    QImage scaled = source.copy(sourcePixels)
                        .scaled(targetPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    QPainter painter(&painting_);
    painter.drawImage(target.topLeft(), scaled);
    update();
}

void PictureBox::drawContent(QPainter& painter) const {
    if (!painting_.isNull() && painter.device() != &painting_) {
        painter.drawImage(QPointF(0, 0), painting_);
        return;
    }
    if (picture_.isNull())
        return;
    const QSize natural = naturalSizeInTwips(picture_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(twipsToPixelRect(QRectF(0, 0, natural.width(), natural.height())), picture_);
}

QImage PictureBox::rendered() const {
    QImage image(QSize(std::max(1, twipsToPixels(width_)), std::max(1, twipsToPixels(height_))),
                 QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Window));
    QPainter painter(&image);
    drawContent(painter);
    return image;
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    drawContent(painter);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT mouseDown(event->button(), event->modifiers(), inTwips(event->position().x()),
                     inTwips(event->position().y()));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT mouseMove(event->buttons(), event->modifiers(), inTwips(event->position().x()),
                     inTwips(event->position().y()));
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT mouseUp(event->button(), event->modifiers(), inTwips(event->position().x()),
                   inTwips(event->position().y()));
}

} // namespace quillory
