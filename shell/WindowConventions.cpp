#include "shell/WindowConventions.h"

#include "shell/core/Product.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quillory {
namespace {

QFont boldArial(double points) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

}  // namespace

QFont windowFont() { return boldArial(9.0); }

QFont pushButtonFont() { return boldArial(11.25); }

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {32, 48, 128, 256})
        icon.addFile(QStringLiteral(":/quillory/icons/quillory-%1.png").arg(size), QSize(size, size));
    return icon;
}

void setBackgroundColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void setUpFixedWindow(QWidget& window, QSize clientSize) {
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    window.setFixedSize(clientSize);
    window.setFont(windowFont());
    setBackgroundColour(window, designWhite());
}

void setCaptionAndIcon(QWidget& window) {
    window.setWindowTitle(QString::fromUtf8(kProductName));
    window.setWindowIcon(applicationIcon());
}

void centreOnScreen(QWidget& window) {
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace quillory
