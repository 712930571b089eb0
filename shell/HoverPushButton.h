#pragma once
// A push button that reports a hover (every mouse movement over it) besides its click,
// with the push-button font and a white background.

#include <QPushButton>

namespace quillory {

class HoverPushButton : public QPushButton {
    Q_OBJECT
public:
    explicit HoverPushButton(const QString& caption, QWidget* parent = nullptr);

Q_SIGNALS:
    void hovered();

protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace quillory
