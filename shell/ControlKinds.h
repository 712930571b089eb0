#pragma once
// The kinds of control the recolouring procedures tell apart. Frames are QGroupBox,
// labels QLabel, option buttons QRadioButton, check boxes QCheckBox; a picture box is any
// widget marked with markAsPictureBox.

class QWidget;

namespace quillory {

enum class ControlKind { Frame, Label, PictureBox, OptionButton, CheckBox, Other };

ControlKind controlKind(const QWidget& widget);

void markAsPictureBox(QWidget& widget);

}  // namespace quillory
