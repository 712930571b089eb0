#include "shell/PointerConvention.h"

#include "shell/HoverPushButton.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QWidget>

namespace quillory {

int pointerCodeAfterMove(int current, PointerArea area) {
    if (current == kPointerHourglass)
        return current;
    return area == PointerArea::PushButton ? kPointerCustom : kPointerDefault;
}

WindowPointer::WindowPointer(QWidget& window) : QObject(&window), window_(window) {
    window_.setMouseTracking(true);
    window_.installEventFilter(this);
}

void WindowPointer::setCode(int code) {
    code_ = code;
    showCode();
}

void WindowPointer::setCustomCursor(std::optional<QCursor> cursor) {
    custom_ = std::move(cursor);
    showCode();
}

void WindowPointer::watchPushButton(HoverPushButton& button) {
    connect(&button, &HoverPushButton::hovered, this,
            [this] { movedOver(PointerArea::PushButton); });
}

void WindowPointer::watchResettingArea(QWidget& area) {
    area.setMouseTracking(true);
    area.installEventFilter(this);
    // Lists receive the mouse in their viewport.
    if (auto* scrollArea = qobject_cast<QAbstractScrollArea*>(&area)) {
        scrollArea->viewport()->setMouseTracking(true);
        scrollArea->viewport()->installEventFilter(this);
    }
}

void WindowPointer::movedOver(PointerArea area) {
    const int next = pointerCodeAfterMove(code_, area);
    if (next != code_)
        setCode(next);
}

bool WindowPointer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove)
        movedOver(PointerArea::ResettingArea);
    return QObject::eventFilter(watched, event);
}

void WindowPointer::showCode() {
    switch (code_) {
    case kPointerHourglass: window_.setCursor(Qt::WaitCursor); break;
    case kPointerCustom:
        if (custom_)
            window_.setCursor(*custom_);
        else
            window_.unsetCursor();
        break;
    default: window_.unsetCursor(); break;
    }
}

}  // namespace quillory
