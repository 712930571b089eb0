#pragma once
// Recolouring of windows to the system button-face colour, and the main window's skin.

#include <QColor>
#include <QString>

class QWidget;

namespace quillory {

class SkinFramework;

// The system button-face colour, which follows the desktop colour scheme.
QColor buttonFaceColour();

// When "x/o.cjs" exists in `applicationFolder`: recolours `form` and its frames, labels,
// picture boxes, option buttons and check boxes to the button face, then loads the skin
// into `skin` (dispatch 2, 1, 5, 10, 3) and applies it to `form`. Without the file nothing
// changes. Traps nothing: a failure of the skin throws and leaves the recolouring done.
void ApplySkin(QWidget& form, SkinFramework& skin, const QString& applicationFolder);

// Recolours `window` and its frames, labels, option buttons and check boxes to the button
// face; picture boxes and other controls keep their backgrounds.
void SetSystemBackColors(QWidget& window);

}  // namespace quillory
