#pragma once
// word/document.xml from the model's body and page set-up.

#include "engine/docx/style_ids.h"
#include "engine/model/document.h"

#include <pugixml.hpp>

namespace engine::docx {

/// Fills `out` with the w:document element for `doc`.
void writeDocumentPart(pugi::xml_document& out, const model::Document& doc, const StyleIds& ids);

} // namespace engine::docx
