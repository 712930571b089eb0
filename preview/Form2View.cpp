// Form2's view of the page: painting at the zoom factor, the zoom buttons, the scroll
// bars and dragging the page.

#include "preview/DragBounds.h"
#include "preview/Form2.h"
#include "preview/PictureBox.h"
#include "preview/ScrollPercent.h"
#include "preview/ScrollRanges.h"
#include "preview/ZoomSteps.h"
#include "shell/PointerConvention.h"
#include "shell/core/ErrorTrap.h"

#include <QScrollBar>

namespace quillory {

void Form2::RedrawImage() {
    ErrorTrap trap{QStringLiteral("Form2.RedrawImage")};
    trap(100, [&] { mZoomWidth = scaledSize(mOrigWidth, mZoom); });
    trap(102, [&] { mZoomHeight = scaledSize(mOrigHeight, mZoom); });
    if (trap.test(104, [&] { return !isPaintable(mZoomWidth, mZoomHeight); })) {
        // Too large to hold in memory: back to 1.0, nothing painted, the next step starts
        // from 1.0.
        trap(124, [&] { mZoom = 1.0f; });
        trap(126, [&] { mOrigWidth = unscaledSize(Zoom_Ori->innerWidthTwips()); });
        trap(128, [&] { mOrigHeight = unscaledSize(Zoom_Ori->innerHeightTwips()); });
        trap(130, [&] { mZoomWidth = scaledSize(mOrigWidth, 1.0f); });
        trap(132, [&] { mZoomHeight = scaledSize(mOrigHeight, 1.0f); });
        return;
    }
    trap(106, [&] { Picture1->clearPicture(); });
    trap(108, [&] { Picture1->setWidthTwips(mZoomWidth); });
    trap(110, [&] { Picture1->setHeightTwips(mZoomHeight); });
    trap(112, [&] {
        Picture1->paintPicture(Zoom_Ori->picture(), QRectF(0, 0, mZoomWidth, mZoomHeight),
                               QRectF(0, 0, mOrigWidth, mOrigHeight));
    });
    trap(114, [&] { pointer_->setCode(kPointerDefault); });
    trap(116, [&] { HScroll1->setValue(0); });
    trap(118, [&] { VScroll1->setValue(0); });
    // The bars are ranged for the painted size, so they reach every part of the zoomed
    // page; the page starts at its top left corner.
    trap(120, [&] {
        applyScrollRange(*HScroll1, mHScrollStep, Picture1->widthTwips(),
                         Picture2->innerWidthTwips());
        Picture1->setLeftTwips(0);
    });
    trap(122, [&] {
        applyScrollRange(*VScroll1, mVScrollStep, Picture1->heightTwips(),
                         Picture2->innerHeightTwips());
        Picture1->setTopTwips(0);
    });
}

void Form2::ResetScrollbars() {
    Picture1->setTopTwips(0);
    Picture1->setLeftTwips(0);
    applyScrollRange(*HScroll1, mHScrollStep, Picture1->widthTwips(), Picture2->widthTwips());
    applyScrollRange(*VScroll1, mVScrollStep, Picture1->heightTwips(), Picture2->heightTwips());
}

void Form2::applyScrollRange(QScrollBar& bar, int16_t& step, int32_t pictureSize,
                             int32_t viewportSize) {
    const ScrollRange range = scrollRangeFor(pictureSize, viewportSize);
    if (!range.enabled) {
        bar.setEnabled(false);
        step = 0;
        return;
    }
    bar.setEnabled(true);
    step = range.step;
    bar.setMaximum(range.maximum);
    bar.setValue(0);
}

void Form2::ChangeZoom(int32_t zoomOut) {
    SetZoom(steppedZoom(mZoom, zoomOut));
}

void Form2::SetZoom(float factor) {
    if (!isAcceptedZoom(factor))
        return;
    mZoom = factor;
    RedrawImage();
}

void Form2::PushButton1_Click() {
    ErrorTrap trap{QStringLiteral("Form2.PushButton1_Click")};
    trap(100, [&] { ChangeZoom(0); });
}

void Form2::PushButton2_Click() {
    ErrorTrap trap{QStringLiteral("Form2.PushButton2_Click")};
    trap(100, [&] { ChangeZoom(1); });
}

void Form2::HScroll1_Change() {
    Picture1->setLeftTwips(scrollOffset(mHScrollStep, HScroll1->value()));
}

void Form2::VScroll1_Change() {
    Picture1->setTopTwips(scrollOffset(mVScrollStep, VScroll1->value()));
}

void Form2::setScrollbarByPercent(QScrollBar& bar, int16_t percent) {
    if (const std::optional<int32_t> value = scrollValueAtPercent(percent, bar.maximum()))
        bar.setValue(*value);
}

void Form2::SetHScrollbarByPercent(QScrollBar& HScrollbar, int16_t percent) {
    setScrollbarByPercent(HScrollbar, percent);
}

void Form2::SetVScrollbarByPercent(QScrollBar& VScrollbar, int16_t percent) {
    setScrollbarByPercent(VScrollbar, percent);
}

void Form2::picture1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y) {
    ErrorTrap trap{QStringLiteral("Form2.picture1_MouseDown")};
    trap(100, [&] { mDragX = x; });
    trap(102, [&] { mDragY = y; });
}

void Form2::picture1_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, float x, float y) {
    ErrorTrap trap{QStringLiteral("Form2.picture1_MouseMove")};
    if (!trap.test(100, [&] { return buttons != Qt::NoButton; }))
        return;
    trap.line(102);
    float newLeft = 0;
    float newTop = 0;
    trap(104, [&] { newLeft = draggedPosition(Picture1->leftTwips(), mDragX, x); });
    trap(106, [&] {
        newLeft = boundedDragPosition(newLeft, Picture2->innerWidthTwips(), Picture1->widthTwips());
    });
    trap(114, [&] { newTop = draggedPosition(Picture1->topTwips(), mDragY, y); });
    trap(116, [&] {
        newTop = boundedDragPosition(newTop, Picture2->innerHeightTwips(), Picture1->heightTwips());
    });
    trap(124, [&] { Picture1->moveTwips(newLeft, newTop); });
}

void Form2::Picture1_MouseUp() {
    ErrorTrap trap{QStringLiteral("Form2.Picture1_MouseUp")};
    std::optional<int16_t> percentH;
    std::optional<int16_t> percentV;
    trap(100, [&] {
        percentH =
            draggedPercent(Picture1->leftTwips(), Picture1->widthTwips(), Picture2->widthTwips());
    });
    trap(102, [&] {
        percentV =
            draggedPercent(Picture1->topTwips(), Picture1->heightTwips(), Picture2->heightTwips());
    });
    // A page exactly as large as the viewport has no percentage: that bar stays.
    if (percentH)
        trap(104, [&] { SetHScrollbarByPercent(*HScroll1, *percentH); });
    if (percentV)
        trap(106, [&] { SetVScrollbarByPercent(*VScroll1, *percentV); });
}

} // namespace quillory
