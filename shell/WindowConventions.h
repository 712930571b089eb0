#pragma once
// What the program's windows share: caption, icon, fixed border without maximize, centred
// placement, fonts and the white design background.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QSize>

class QWidget;

namespace quillory {

// Arial 9 pt bold (Liberation Sans where Arial is absent): the windows' font.
QFont windowFont();

// Arial 11.25 pt bold: push-button captions.
QFont pushButtonFont();

// The one application icon (32, 48, 128 and 256 px images).
QIcon applicationIcon();

// The design background of windows, frames and buttons.
inline QColor designWhite() { return QColor(255, 255, 255); }

// Sets `widget`'s own background colour and makes it paint it.
void setBackgroundColour(QWidget& widget, const QColor& colour);

// Window frame and look: fixed client size, single border with minimize and close but no
// maximize box, the window font and the white background.
void setUpFixedWindow(QWidget& window, QSize clientSize);

// Caption = the product name, icon = the application icon.
void setCaptionAndIcon(QWidget& window);

// Moves `window` so that its frame is centred on its screen.
void centreOnScreen(QWidget& window);

}  // namespace quillory
