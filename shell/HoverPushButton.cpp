#include "shell/HoverPushButton.h"

#include "shell/WindowConventions.h"

namespace quillory {

HoverPushButton::HoverPushButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setFont(pushButtonFont());
    setMouseTracking(true);
    setAutoDefault(false);
    setBackgroundColour(*this, designWhite());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, designWhite());
    setPalette(palette);
}

void HoverPushButton::enterEvent(QEnterEvent* event) {
    QPushButton::enterEvent(event);
    Q_EMIT hovered();
}

void HoverPushButton::mouseMoveEvent(QMouseEvent* event) {
    QPushButton::mouseMoveEvent(event);
    Q_EMIT hovered();
}

}  // namespace quillory
