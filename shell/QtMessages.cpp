#include "shell/QtMessages.h"

#include "shell/core/AppTitle.h"

#include <QApplication>
#include <QMessageBox>

namespace quillory {

QString messageDisplayText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

MessageAnswer QtMessages::show(const MessageRequest& request) {
    const bool yesNo = request.buttons == MessageButtons::YesNo;
    QMessageBox box(request.icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    request.title.isEmpty() ? applicationTitle() : request.title,
                    messageDisplayText(request.text),
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    const int pressed = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace quillory
