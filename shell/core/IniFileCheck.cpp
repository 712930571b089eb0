#include "shell/core/IniFileCheck.h"

#include <QStringDecoder>
#include <QStringList>

namespace quillory {
namespace {

bool isForbiddenControl(QChar c) {
    return c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\r') &&
           c != QLatin1Char('\n');
}

}  // namespace

QString iniFileProblem(const QByteArray& content) {
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decode(content);
    if (decode.hasError())
        return QStringLiteral("it is not UTF-8 text");
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    const QStringList lines = text.split(QLatin1Char('\n'));
    bool continued = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& raw = lines[i];
        for (QChar c : raw) {
            if (isForbiddenControl(c))
                return QStringLiteral("line %1 holds a control character").arg(i + 1);
        }
        const QString line = raw.trimmed();
        const bool wasContinued = continued;
        continued = line.endsWith(QLatin1Char('\\'));
        if (wasContinued || line.isEmpty() || line.startsWith(QLatin1Char(';')) ||
            line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']')))
                return QStringLiteral("line %1 is an unterminated section name").arg(i + 1);
            continue;
        }
        if (!line.contains(QLatin1Char('=')))
            return QStringLiteral("line %1 is neither a section nor a key").arg(i + 1);
    }
    return {};
}

}  // namespace quillory
