#include "engine/layout/fonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>

namespace engine::layout {

namespace {

struct Face {
    const char* file;
    const char* family;
};
const Face kWineFaces[] = {{"tahoma.ttf", "Tahoma"}, {"tahomabd.ttf", "Tahoma"}, {"wingding.ttf", "Wingdings"}};

// Microsoft faces and the installed faces with the same advance widths, then looser fallbacks.
struct Substitution {
    const char* family;
    QStringList with;
};
const Substitution kSubstitutions[] = {
    {"Tahoma", {"Liberation Sans", "DejaVu Sans"}},
    {"Calibri", {"Carlito", "Liberation Sans", "DejaVu Sans"}},
    {"Cambria", {"Caladea", "Liberation Serif", "DejaVu Serif"}},
    {"Arial", {"Liberation Sans", "DejaVu Sans"}},
    {"Times New Roman", {"Liberation Serif", "DejaVu Serif"}},
    {"Courier New", {"Liberation Mono", "DejaVu Sans Mono"}},
};

QString fontDirectory() {
    const QByteArray env = qgetenv("QUILLORY_FONT_DIR");
    return env.isEmpty() ? QStringLiteral("/usr/share/wine/fonts") : QString::fromLocal8Bit(env);
}

FontSetup setUp() {
    FontSetup s;
    s.directory = fontDirectory();
    for (const Face& f : kWineFaces) {
        const QString path = QDir(s.directory).filePath(QString::fromLatin1(f.file));
        if (!QFileInfo::exists(path)) continue;
        if (QFontDatabase::addApplicationFont(path) >= 0 && !s.registered.contains(QLatin1String(f.family)))
            s.registered << QString::fromLatin1(f.family);
    }
    for (const Substitution& sub : kSubstitutions) {
        const QString family = QString::fromLatin1(sub.family);
        if (!QFontDatabase::hasFamily(family)) QFont::insertSubstitutions(family, sub.with);
    }
    for (const char* expected : {"Tahoma", "Wingdings"})
        if (!QFontDatabase::hasFamily(QString::fromLatin1(expected))) s.missing << QString::fromLatin1(expected);
    return s;
}

} // namespace

bool FontSetup::hasFamily(const QString& family) const { return !missing.contains(family, Qt::CaseInsensitive); }

const FontSetup& ensureEngineFonts() {
    static const FontSetup setup = setUp();
    return setup;
}

QFont layoutFont(const QString& family, int halfPoints, bool bold, bool italic) {
    ensureEngineFonts();
    QFont f(family.isEmpty() ? QStringLiteral("Calibri") : family);
    f.setPixelSize(std::max(1, halfPoints * 10));
    f.setBold(bold);
    f.setItalic(italic);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    // Word draws no ligatures unless told to; shaping stays on where a script needs it, and
    // for symbol faces, whose characters only map to glyphs through shaping.
    const bool symbol = f.family().compare(QLatin1String("Wingdings"), Qt::CaseInsensitive) == 0 ||
                        f.family().compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0 ||
                        f.family().compare(QLatin1String("Webdings"), Qt::CaseInsensitive) == 0;
    f.setStyleStrategy(symbol ? QFont::PreferOutline : QFont::StyleStrategy(QFont::PreferOutline | QFont::PreferNoShaping));
    return f;
}

namespace {
// Asking the font database is slow (a fontconfig query each time) and paragraphs with
// bullets ask at every layout, so the answers are kept.
bool familyInstalled(const QString& family) {
    thread_local QHash<QString, bool> known;
    const auto it = known.constFind(family);
    if (it != known.constEnd()) return *it;
    return known[family] = QFontDatabase::hasFamily(family);
}
} // namespace

QString drawableSymbolText(const QString& family, const QString& text) {
    const bool symbolFont = family.compare(QLatin1String("Wingdings"), Qt::CaseInsensitive) == 0 ||
                            family.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
    if (!symbolFont || familyInstalled(family)) return text;
    QString out;
    for (QChar c : text) {
        switch (c.unicode()) {
        case 0xF0A7: out += QChar(0x25AA); break; // Wingdings small square
        case 0xF06C: out += QChar(0x25CF); break; // Wingdings black circle
        case 0xF0D8: out += QChar(0x27A2); break; // Wingdings arrowhead
        case 0xF0FC: out += QChar(0x2714); break; // Wingdings check mark
        case 0xF0B7: out += QChar(0x2022); break; // Symbol bullet
        default: out += (c.unicode() >= 0xF020 && c.unicode() <= 0xF0FF) ? QChar(0x2022) : c;
        }
    }
    return out;
}

qreal syntheticBoldStroke(const QRawFont& font) {
    if (!font.isValid() || font.weight() < QFont::DemiBold) return 0;
    thread_local QHash<QString, qreal> known;
    const QString key = font.familyName() + QLatin1Char('/') + font.styleName();
    const auto it = known.constFind(key);
    if (it != known.constEnd()) return *it;
    // The light bold of fonts-wine names its maker in the font's name table ("Wine").
    const QByteArray names = font.fontTable("name");
    const bool wine = names.contains("Wine") || names.contains(QByteArray("\0W\0i\0n\0e", 8));
    const bool lightBold = wine && font.familyName().compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0;
    return known[key] = lightBold ? 0.05 : 0.0;
}

} // namespace engine::layout
