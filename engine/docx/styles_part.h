#pragma once
// word/styles.xml: document defaults and styles.

#include "engine/docx/char_props.h"
#include "engine/docx/style_ids.h"
#include "engine/model/document.h"

#include <QHash>

#include <pugixml.hpp>

namespace engine::docx {

void writeStylesPart(pugi::xml_document& out, const model::Document& doc, const StyleIds& ids);

/// Style ids of a styles part mapped to the model's style names (first pass, so numbering
/// can name linked styles before the styles' own formats are read).
QHash<QString, QString> readStyleNames(const pugi::xml_document& styles);

/// Fills `doc.defaults` and `doc.styles` from a styles part (a null document when the
/// file has none). Missing defaults take the values WordprocessingML implies.
void readStylesPart(const pugi::xml_document& styles, const QHash<QString, QString>& names,
                    const std::function<std::optional<int>(int numId)>& listIdOf,
                    const ThemeFonts& theme, model::Document& doc);

} // namespace engine::docx
