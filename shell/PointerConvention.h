#pragma once
// The pointer of a window: one code per window (0 default, 11 hourglass, 99 the custom
// hand picture). Moving over a push button turns it into the hand, moving over the window
// background, a frame or a list turns it back to the default; the hourglass stays until
// the command that set it sets it back.

#include <QCursor>
#include <QObject>

#include <optional>

class QWidget;

namespace quillory {

class HoverPushButton;

inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerHourglass = 11;
inline constexpr int kPointerCustom = 99;

enum class PointerArea { PushButton, ResettingArea };

// The window's pointer code after a mouse movement over `area`.
int pointerCodeAfterMove(int current, PointerArea area);

class WindowPointer : public QObject {
public:
    explicit WindowPointer(QWidget& window);

    int code() const { return code_; }
    // Sets the code and shows its pointer over the window.
    void setCode(int code);

    // The picture shown for code 99; without one, code 99 shows the default pointer.
    void setCustomCursor(std::optional<QCursor> cursor);
    bool hasCustomCursor() const { return custom_.has_value(); }

    // Hovering over `button` applies the push-button rule.
    void watchPushButton(HoverPushButton& button);
    // Mouse movements over `area` apply the resetting rule.
    void watchResettingArea(QWidget& area);

    // What a mouse movement over an area does (the watchers call these).
    void movedOver(PointerArea area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCode();

    QWidget& window_;
    int code_ = kPointerDefault;
    std::optional<QCursor> custom_;
};

}  // namespace quillory
