#pragma once
// Character formats to and from w:rPr (runs, paragraph marks, styles, list levels).

#include "engine/model/charformat.h"

#include <QString>

#include <pugixml.hpp>

namespace engine::docx {

/// The fonts a file's theme names, for run properties that refer to the theme.
struct ThemeFonts {
    QString minor = QStringLiteral("Calibri");       // body text
    QString major = QStringLiteral("Calibri Light"); // headings
};

/// Adds `parent`'s w:rPr with every set property of `f`, in schema order. Writes nothing
/// (and adds no element) when `f` is empty, unless `always` is set.
void writeCharFormat(pugi::xml_node parent, const model::CharFormat& f, bool always = false);
/// The properties of a w:rPr element (an absent element gives an empty format).
model::CharFormat readCharFormat(pugi::xml_node rPr, const ThemeFonts& theme);

} // namespace engine::docx
