#include "shell/SkinFramework.h"

#include "shell/core/Error.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QWidget>

namespace quillory {
namespace {

[[noreturn]] void noSuchMember(int dispatchId) {
    throw Error(QStringLiteral("The skin control has no member with dispatch identifier %1")
                    .arg(dispatchId));
}

}  // namespace

QString styleSheetProblem(const QString& sheet) {
    if (sheet.trimmed().isEmpty())
        return QStringLiteral("it is empty");
    int depth = 0;
    QChar quote;
    for (qsizetype i = 0; i < sheet.size(); ++i) {
        const QChar c = sheet[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < sheet.size() && sheet[i + 1] == QLatin1Char('*')) {
            const qsizetype end = sheet.indexOf(QStringLiteral("*/"), i + 2);
            if (end < 0)
                return QStringLiteral("a comment is not closed");
            i = end + 1;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('{')) {
            ++depth;
        } else if (c == QLatin1Char('}')) {
            if (--depth < 0)
                return QStringLiteral("a \"}\" has no matching \"{\"");
        } else if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\r') &&
                   c != QLatin1Char('\n')) {
            return QStringLiteral("it holds control characters");
        }
    }
    if (!quote.isNull())
        return QStringLiteral("a string is not closed");
    if (depth != 0)
        return QStringLiteral("a \"{\" is not closed");
    return {};
}

QVariant SkinFramework::get(int dispatchId) const {
    switch (dispatchId) {
    case kOptions: return options_;
    case kApplyColors: return applyColors_;
    case kApplyMetrics: return applyMetrics_;
    default: noSuchMember(dispatchId);
    }
}

void SkinFramework::put(int dispatchId, const QVariant& value) {
    switch (dispatchId) {
    case kOptions: options_ = value.toInt(); return;
    case kApplyColors: applyColors_ = value.toBool(); return;
    case kApplyMetrics: applyMetrics_ = value.toBool(); return;
    default: noSuchMember(dispatchId);
    }
}

QVariant SkinFramework::invoke(int dispatchId, const QVariantList& arguments) {
    switch (dispatchId) {
    case kLoadSkin:
        if (arguments.size() != 2)
            throw Error(QStringLiteral("LoadSkin takes a skin path and a section name"));
        loadSkin(arguments[0].toString());
        return {};
    case kApplyWindow:
        if (arguments.size() != 1)
            throw Error(QStringLiteral("ApplyWindow takes one window handle"));
        applyWindow(arguments[0].toInt());
        return {};
    default: noSuchMember(dispatchId);
    }
}

void SkinFramework::loadSkin(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("The skin %1 cannot be read: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()));
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString sheet = decode(file.readAll());
    QString problem = decode.hasError() ? QStringLiteral("it is not UTF-8 text")
                                        : styleSheetProblem(sheet);
    if (!problem.isEmpty())
        throw Error(QStringLiteral("The skin %1 cannot be loaded: %2")
                        .arg(QDir::toNativeSeparators(path), problem));
    styleSheet_ = sheet;
    loaded_ = true;
}

void SkinFramework::applyWindow(qint32 handle) {
    if (!loaded_)
        throw Error(QStringLiteral("No skin is loaded"));
    QWidget* window = QWidget::find(static_cast<WId>(static_cast<quint32>(handle)));
    if (!window)
        throw Error(QStringLiteral("No window has the handle %1").arg(handle));
    if (applyColors_ || applyMetrics_)
        window->setStyleSheet(styleSheet_);
}

}  // namespace quillory
