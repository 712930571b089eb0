#pragma once
// Paragraph formats to and from w:pPr. Style and list references are translated by the
// caller's maps, so a reference that does not resolve is never written.

#include "engine/model/paraformat.h"

#include <pugixml.hpp>

#include <functional>
#include <optional>

namespace engine::docx {

/// Writes the set properties of `f` into `pPr` (which the caller creates), in schema order.
/// `listExists` says whether a list id may be referenced.
void writeParaFormat(pugi::xml_node pPr, const model::ParaFormat& f,
                     const std::function<bool(int listId)>& listExists);

/// The properties of a w:pPr element. `listIdOf` maps a file's numId to the model's list id
/// (nullopt: the list does not exist, so the reference is dropped).
model::ParaFormat readParaFormat(pugi::xml_node pPr,
                                 const std::function<std::optional<int>(int numId)>& listIdOf);

} // namespace engine::docx
