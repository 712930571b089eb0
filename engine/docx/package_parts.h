#pragma once
// The small parts around the document: settings, core and application properties, content
// types and the relationships that tie the package together.

#include "engine/docx/package.h"
#include "engine/model/document.h"

#include <QByteArray>

namespace engine::docx {

inline constexpr char kMainPart[] = "word/document.xml";

QByteArray settingsPart();
QByteArray corePropertiesPart(const model::DocumentInfo& info);
QByteArray appPropertiesPart();
/// [Content_Types].xml for the parts this writer produces.
QByteArray contentTypesPart();
QByteArray packageRelationships();
QByteArray documentRelationships();

/// Title, author and dates of a core properties part (unreadable values are left unset).
model::DocumentInfo readCoreProperties(const QByteArray& xml);

} // namespace engine::docx
