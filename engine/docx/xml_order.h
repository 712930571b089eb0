#pragma once
// The legal order of child elements, written down once per element type from the
// WordprocessingML schema (transitional), so writers can add children in any order and
// still produce the sequence the schema and Word expect.

#include <pugixml.hpp>

#include <string_view>
#include <utility>
#include <vector>

namespace engine::docx::xml {

/// The child `name` of `parent`: the existing one, or a new one inserted where the schema's
/// sequence for `parent` puts it. Parents without a known sequence get it appended.
pugi::xml_node child(pugi::xml_node parent, const char* name);
/// A new child `name` at its place in the sequence, after any existing children of the
/// same name (for elements that repeat).
pugi::xml_node addChild(pugi::xml_node parent, const char* name);

/// Position of `childName` in the sequence of `parentName`, or -1 when either is unknown.
int orderOf(const char* parentName, const char* childName);

/// Every element with a written-down sequence, and its sequence (for checks against the
/// schema).
std::vector<std::pair<std::string_view, std::vector<std::string_view>>> allSequences();

} // namespace engine::docx::xml
