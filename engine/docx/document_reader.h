#pragma once
// word/document.xml into the model's body and page set-up.

#include "engine/docx/char_props.h"
#include "engine/docx/package.h"
#include "engine/model/document.h"

#include <QHash>

#include <pugixml.hpp>

namespace engine::docx {

struct BodyReferences {
    QHash<QString, QString> styleNames; // style id -> model name
    QHash<int, int> listIds;            // numId -> model list id
    ThemeFonts theme;
};

/// Reads the body and the page set-up into `doc`, whose styles and lists are already read.
/// Throws ReadError when the body nests deeper than the limits allow.
void readDocumentPart(const pugi::xml_document& part, const BodyReferences& refs,
                      const ReadLimits& limits, model::Document& doc);

} // namespace engine::docx
