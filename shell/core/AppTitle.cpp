#include "shell/core/AppTitle.h"

#include "shell/core/Product.h"

#include <QGuiApplication>

namespace quillory {
namespace {

QString& titleStorage() {
    static QString title = QString::fromUtf8(kProductName);
    return title;
}

// Keeps what stands before the last space; false when there is no space to cut at.
bool cutAtLastSpace(QString& text) {
    const qsizetype space = text.lastIndexOf(QLatin1Char(' '));
    if (space < 0)
        return false;
    text.truncate(space);
    return true;
}

}  // namespace

QString shortenedAppTitle(const QString& name) {
    QString text = name;
    // The first cut comes before any length test.
    if (!cutAtLastSpace(text))
        return text;
    while (text.size() > 40) {
        if (!cutAtLastSpace(text))
            break;
    }
    return text;
}

void SetAppTitle() {
    titleStorage() = shortenedAppTitle(QString::fromUtf8(kProductName));
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setApplicationDisplayName(titleStorage());
}

QString applicationTitle() { return titleStorage(); }

}  // namespace quillory
