#include "engine/layout/font_metrics.h"

#include <QHash>
#include <QtEndian>

#include <cmath>

namespace engine::layout {

namespace {

struct UnitMetrics {
    int unitsPerEm = 2048;
    int ascent = 0, descent = 0, gap = 0; // font units; descent positive
    bool valid = false;
};

int16_t s16(const QByteArray& t, int at) {
    return at + 2 <= t.size() ? qFromBigEndian<qint16>(t.constData() + at) : 0;
}
uint16_t u16(const QByteArray& t, int at) {
    return at + 2 <= t.size() ? qFromBigEndian<quint16>(t.constData() + at) : 0;
}

UnitMetrics readTables(const QRawFont& raw) {
    UnitMetrics m;
    const QByteArray head = raw.fontTable("head");
    const QByteArray hhea = raw.fontTable("hhea");
    const QByteArray os2 = raw.fontTable("OS/2");
    if (head.size() < 20) return m;
    m.unitsPerEm = u16(head, 18) ? u16(head, 18) : 2048;
    if (hhea.size() >= 10) {
        m.ascent = s16(hhea, 4);
        m.descent = -s16(hhea, 6);
        m.gap = s16(hhea, 8);
    }
    if (os2.size() >= 78) {
        const uint16_t fsSelection = u16(os2, 62);
        const int typoAscent = s16(os2, 68), typoDescent = -s16(os2, 70), typoGap = s16(os2, 72);
        if (m.ascent == 0 && m.descent == 0) {
            m.ascent = u16(os2, 74);
            m.descent = u16(os2, 76);
            m.gap = 0;
        }
        constexpr uint16_t kUseTypoMetrics = 1u << 7;
        if ((fsSelection & kUseTypoMetrics) && (typoAscent || typoDescent)) {
            m.ascent = typoAscent;
            m.descent = typoDescent;
            m.gap = typoGap;
        }
    }
    m.valid = m.ascent || m.descent;
    return m;
}

VerticalMetrics scaled(const UnitMetrics& u, double pixelSize, const QRawFont& raw) {
    if (!u.valid) {
        // No usable tables (a bitmap face): Qt's own figures.
        return {int(std::lround(raw.ascent() + raw.leading())), int(std::lround(raw.descent()))};
    }
    const double k = pixelSize / u.unitsPerEm;
    const int ascent = int(std::lround(u.ascent * k));
    const int descent = int(std::lround(u.descent * k));
    const int gap = std::max(0, int(std::lround(u.gap * k)));
    return {ascent + gap, descent};
}

QString faceKey(const QRawFont& raw) {
    return raw.familyName() + QLatin1Char('|') + raw.styleName() + QLatin1Char('|') +
           QString::number(raw.weight()) + QLatin1Char('|') + QString::number(raw.pixelSize());
}

QHash<QString, VerticalMetrics>& cache() {
    static QHash<QString, VerticalMetrics> c;
    return c;
}

} // namespace

VerticalMetrics verticalMetrics(const QRawFont& raw) {
    const QString key = faceKey(raw);
    auto it = cache().constFind(key);
    if (it != cache().constEnd()) return *it;
    const VerticalMetrics m = scaled(readTables(raw), raw.pixelSize(), raw);
    cache().insert(key, m);
    return m;
}

VerticalMetrics verticalMetrics(const QFont& font) {
    // QRawFont::fromFont is not free; key the common case by the QFont's own description.
    static QHash<QString, VerticalMetrics> byFont;
    const QString key = font.key();
    auto it = byFont.constFind(key);
    if (it != byFont.constEnd()) return *it;
    const VerticalMetrics m = verticalMetrics(QRawFont::fromFont(font));
    byFont.insert(key, m);
    return m;
}

} // namespace engine::layout
