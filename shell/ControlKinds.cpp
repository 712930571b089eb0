#include "shell/ControlKinds.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVariant>

namespace quillory {
namespace {
constexpr const char* kKindProperty = "quilloryControlKind";
}

ControlKind controlKind(const QWidget& widget) {
    if (widget.property(kKindProperty).toString() == QLatin1String("PictureBox"))
        return ControlKind::PictureBox;
    if (qobject_cast<const QGroupBox*>(&widget))
        return ControlKind::Frame;
    if (qobject_cast<const QLabel*>(&widget))
        return ControlKind::Label;
    if (qobject_cast<const QRadioButton*>(&widget))
        return ControlKind::OptionButton;
    if (qobject_cast<const QCheckBox*>(&widget))
        return ControlKind::CheckBox;
    return ControlKind::Other;
}

void markAsPictureBox(QWidget& widget) {
    widget.setProperty(kKindProperty, QStringLiteral("PictureBox"));
}

}  // namespace quillory
