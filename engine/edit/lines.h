#pragma once
// Lines for the line-wise moves (up, down, home and end of line). Real lines come from
// layout; until a layout provides them, ParagraphLines treats every paragraph as a single
// line. That fallback is exact for paragraphs that fit on one line and only for those: a
// wrapped paragraph counts as one line, so MoveUp by n lines moves n paragraphs.

#include "engine/edit/position.h"

namespace engine::edit {

class LineProvider {
public:
    virtual ~LineProvider() = default;
    /// Start of the line holding `p`.
    virtual Pos lineStart(const Document& d, const Pos& p) const = 0;
    /// End of the line holding `p`: before its last paragraph mark, or after its last
    /// character when the line wraps into the next.
    virtual Pos lineEnd(const Document& d, const Pos& p) const = 0;
    /// The position `count` (≥ 1) lines above (negative) or below (positive) `p`, as close to
    /// the same horizontal place as the line allows; it stops at the first or last line.
    virtual Pos lineMoved(const Document& d, const Pos& p, int count) const = 0;
};

/// The pre-layout fallback: every paragraph is one line. Moving up or down keeps the
/// character offset in the paragraph (clamped to its length); within a table it goes to the
/// cell above or below in the same grid column; above or below a table it enters the block
/// there.
class ParagraphLines : public LineProvider {
public:
    Pos lineStart(const Document& d, const Pos& p) const override;
    Pos lineEnd(const Document& d, const Pos& p) const override;
    Pos lineMoved(const Document& d, const Pos& p, int count) const override;

    /// The shared default instance.
    static const ParagraphLines& instance();
};

} // namespace engine::edit
