#pragma once
// Content fingerprints of paragraphs and rows, so a layout cache can find an unchanged
// paragraph or row after an edit moved it. A hit is always confirmed by comparing the
// content itself; the hash only narrows the search.

#include "engine/model/tree.h"

#include <cstdint>

namespace engine::layout {

uint64_t contentHash(const engine::model::Paragraph& p);
uint64_t contentHash(const engine::model::Row& r);
uint64_t contentHash(const engine::model::Table& t);

/// Folds `value` into `seed`.
uint64_t mixHash(uint64_t seed, uint64_t value);

} // namespace engine::layout
