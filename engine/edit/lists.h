#pragma once
// List membership of paragraphs: applying a list template, removing numbers, outdenting.

#include "engine/edit/extent.h"

namespace engine::edit {

/// Puts every paragraph the extent touches in a list over template `templateIndex`: the
/// list of the nearest earlier paragraph on that template when `continuePrevious`, else a
/// new list. Paragraphs keep their list level when they already had one, else take level 1.
/// Throws EditError for a template index that does not exist.
void applyListTemplate(Document& d, const Extent& e, int templateIndex, bool continuePrevious);

/// Takes the paragraphs out of their lists.
void removeNumbers(Document& d, const Extent& e);

/// One level less for numbered paragraphs below level 1; otherwise the left indent goes back
/// to the previous multiple of the default tab stop (half an inch), never below zero.
void outdent(Document& d, const Extent& e);
/// One level more (up to level 9) for numbered paragraphs; otherwise half an inch more.
void indent(Document& d, const Extent& e);

} // namespace engine::edit
