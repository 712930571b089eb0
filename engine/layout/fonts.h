#pragma once
// The fonts the engine draws with. Documents name fonts as Word does (Tahoma, Wingdings,
// Calibri…); this machine has Tahoma and Wingdings from Debian's fonts-wine and metric twins
// of Microsoft's other faces (Carlito for Calibri, Liberation for Arial, Times New Roman and
// Courier New). `ensureEngineFonts` registers the wine faces with Qt and sets the
// substitutions, once per process; it needs a QGuiApplication.
//
// Fallback when a face is missing: Tahoma is drawn with Liberation Sans, then DejaVu Sans;
// Wingdings' symbol-range bullets (U+F0A7 and friends) are drawn as their Unicode look-alikes
// (U+25AA for the small square) by whatever font has them. Characters a face lacks (CJK,
// Arabic, Hebrew…) come from Qt's font merging, which asks fontconfig for an installed face
// that has them (Noto CJK, Noto, DejaVu), so they are never drawn as empty boxes.

#include <QFont>
#include <QRawFont>
#include <QString>
#include <QStringList>

namespace engine::layout {

struct FontSetup {
    QString directory;     // where the wine faces were looked for
    QStringList registered; // families registered from there
    QStringList missing;    // expected families not found anywhere
    bool hasFamily(const QString& family) const;
};

/// Registers the engine's fonts once (later calls return the first result). The folder is
/// $QUILLORY_FONT_DIR when set, else /usr/share/wine/fonts.
const FontSetup& ensureEngineFonts();

/// A font for layout: pixel size = size in twips, no hinting (advances as designed, the same
/// at every resolution), kerning off as Word's default is.
QFont layoutFont(const QString& family, int halfPoints, bool bold, bool italic);

/// Text of a list label as it can be drawn: symbol-range characters of a symbol font that is
/// missing become their Unicode look-alikes.
QString drawableSymbolText(const QString& family, const QString& text);

/// Extra stroke width, as a fraction of the pixel size, that makes a bold face look bold when
/// its outlines are no heavier than the regular face's (wine's Tahoma Bold only widens the
/// spacing). 0 for every other face. Drawing only: the advances, and so the layout, stay
/// those of the face.
qreal syntheticBoldStroke(const QRawFont& font);

} // namespace engine::layout
