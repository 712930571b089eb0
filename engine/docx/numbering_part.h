#pragma once
// word/numbering.xml: list templates (abstract numberings) and the lists over them.

#include "engine/docx/char_props.h"
#include "engine/docx/style_ids.h"
#include "engine/model/document.h"

#include <QHash>

#include <pugixml.hpp>

namespace engine::docx {

void writeNumberingPart(pugi::xml_document& out, const model::Document& doc, const StyleIds& ids);

/// Fills `doc.listTemplates` and `doc.lists` from a numbering part and returns the model's
/// list id for each of the file's numIds. `styles` (may be empty) resolves templates that
/// only point at a numbering style.
QHash<int, int> readNumberingPart(const pugi::xml_document& numbering,
                                  const pugi::xml_document& styles,
                                  const QHash<QString, QString>& styleNames,
                                  const ThemeFonts& theme, model::Document& doc);

} // namespace engine::docx
