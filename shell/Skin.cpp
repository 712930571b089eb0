#include "shell/Skin.h"

#include "shell/ControlKinds.h"
#include "shell/SkinFramework.h"
#include "shell/WindowConventions.h"
#include "shell/core/Files.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>
#include <QWidget>

#include <initializer_list>

namespace quillory {
namespace {

void recolour(QWidget& window, std::initializer_list<ControlKind> kinds) {
    const QColor face = buttonFaceColour();
    setBackgroundColour(window, face);
    const auto controls = window.findChildren<QWidget*>();
    for (QWidget* control : controls) {
        const ControlKind kind = controlKind(*control);
        for (ControlKind wanted : kinds) {
            if (kind == wanted)
                setBackgroundColour(*control, face);
        }
    }
}

}  // namespace

QColor buttonFaceColour() { return QGuiApplication::palette().color(QPalette::Active, QPalette::Button); }

void ApplySkin(QWidget& form, SkinFramework& skin, const QString& applicationFolder) {
    const QString skinPath = pathInFolder(applicationFolder, QStringLiteral("x/o.cjs"));
    if (!QFileInfo(skinPath).isFile())
        return;
    recolour(form, {ControlKind::OptionButton, ControlKind::CheckBox, ControlKind::Frame,
                    ControlKind::Label, ControlKind::PictureBox});
    skin.invoke(SkinFramework::kLoadSkin, {skinPath, QString()});
    skin.put(SkinFramework::kOptions, skin.get(SkinFramework::kOptions).toInt() | 1);
    skin.put(SkinFramework::kApplyColors, true);
    skin.put(SkinFramework::kApplyMetrics, true);
    skin.invoke(SkinFramework::kApplyWindow, {static_cast<qint32>(form.winId())});
}

void SetSystemBackColors(QWidget& window) {
    recolour(window, {ControlKind::OptionButton, ControlKind::CheckBox, ControlKind::Frame,
                      ControlKind::Label});
}

}  // namespace quillory
