#pragma once
// Table properties shared by tables and table styles: borders and the "look" (which parts
// of the table style apply).

#include "engine/model/tree.h"

#include <pugixml.hpp>

#include <optional>

namespace engine::docx {

/// Adds `element` (w:tblBorders) under `parent` with the six borders.
void writeBorders(pugi::xml_node parent, const char* element, const model::Borders& b);
/// The borders of a w:tblBorders element; nullopt when it is absent.
std::optional<model::Borders> readBorders(pugi::xml_node e);

void writeLook(pugi::xml_node tblLook, const model::TableLook& l);
/// Reads the attributes when present, else the hexadecimal w:val of older files.
model::TableLook readLook(pugi::xml_node tblLook);

} // namespace engine::docx
