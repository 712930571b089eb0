#pragma once
// Positions in the main story, counted as Word counts them: every character of text is one,
// and so are a paragraph mark, an end-of-cell mark (which ends a cell's last paragraph) and an
// end-of-row mark. A table is always followed by a paragraph.
//
// A Pos is structural (a path through tables to a paragraph, and an offset in it), so moving
// and typing never scan the whole document; `toOffset`/`fromOffset` convert to and from
// Word's character numbers when a caller asks for them.

#include "engine/model/document.h"

#include <climits>
#include <compare>
#include <vector>

namespace engine::edit {

using engine::model::Block;
using engine::model::Cell;
using engine::model::Document;
using engine::model::Paragraph;
using engine::model::Row;
using engine::model::Table;

/// One step down the tree: block `block` of the current block list and, when that block is a
/// table, cell `cell` of row `row` (whose blocks are the next list).
struct Step {
    int block = 0;
    int row = -1;
    int cell = -1;
    auto operator<=>(const Step&) const = default;
};

/// `cell` value of a step that stands before a row's end-of-row mark.
inline constexpr int kRowEnd = INT_MAX;

struct Pos {
    /// The last step names a paragraph (row == -1), or a table row with cell == kRowEnd.
    std::vector<Step> path;
    /// Offset in the paragraph, 0 … textLength (textLength = just before its mark).
    int offset = 0;

    bool atRowEnd() const { return !path.empty() && path.back().cell == kRowEnd; }
    int depth() const { return int(path.size()) - 1; } // number of tables around it
    auto operator<=>(const Pos&) const = default;
};

using BlockList = std::vector<Block>;

/// The block list at `depth` along `path` (0 = the body).
BlockList& blocksAt(Document& d, const std::vector<Step>& path, int depth);
const BlockList& blocksAt(const Document& d, const std::vector<Step>& path, int depth);
Paragraph& paragraphAt(Document& d, const Pos& p);
const Paragraph& paragraphAt(const Document& d, const Pos& p);
/// The table named by path[depth] (which must be a table step).
Table& tableAt(Document& d, const std::vector<Step>& path, int depth);
const Table& tableAt(const Document& d, const std::vector<Step>& path, int depth);

/// True when the path leads to an existing paragraph (or row end) and the offset fits.
bool isValid(const Document& d, const Pos& p);
/// `p` when valid, else the nearest sensible position (the story's end at worst).
Pos sanitized(const Document& d, const Pos& p);

/// First position inside block `index` of the list at `prefix` (descending into tables).
Pos firstPosIn(const Document& d, std::vector<Step> prefix, int index);
/// The position before the last character of that block (its mark, or its last row mark).
Pos lastPosIn(const Document& d, std::vector<Step> prefix, int index);
/// First position of cell (row, cell) of the table at path[depth].
Pos cellStart(const Document& d, const std::vector<Step>& tablePath, int row, int cell);
/// The position before the cell's end-of-cell mark.
Pos cellEnd(const Document& d, const std::vector<Step>& tablePath, int row, int cell);
Pos rowEnd(const std::vector<Step>& tablePath, int row);

Pos storyStart(const Document& d);
/// Before the final paragraph mark, which can be neither passed nor deleted.
Pos storyEnd(const Document& d);

/// One character on; at the story's end it stays put.
Pos nextChar(const Document& d, const Pos& p);
/// One character back; at the story's start it stays put.
Pos prevChar(const Document& d, const Pos& p);

enum class CharKind { Text, ParagraphMark, CellMark, RowMark };
/// What the character right after `p` is.
CharKind charAfter(const Document& d, const Pos& p);

/// Word's character number of `p` (0 = start of the story).
int toOffset(const Document& d, const Pos& p);
/// The position with that character number, clamped to the story.
Pos fromOffset(const Document& d, int offset);
/// Characters in the story, final paragraph mark included.
int storyLength(const Document& d);

/// Length in Word characters of a block (paragraph text + mark; table rows with their marks).
int blockLength(const Block& b);

/// Index into `path` of the innermost table step, or -1 when `p` is in no table.
int innermostTable(const Pos& p);

} // namespace engine::edit
