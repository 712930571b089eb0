#pragma once
// Real lines for the selection's line-wise moves (MoveUp/MoveDown, HomeKey/EndKey by line):
// the lines of the layout. Moving up or down keeps the horizontal place on the page, as
// Word does; between paragraphs, cells and tables it goes where the paragraph-per-line
// fallback would go, then picks that paragraph's last (up) or first (down) line.

#include "engine/edit/lines.h"
#include "engine/layout/document_layout.h"

namespace engine::layout {

class LayoutLines : public engine::edit::LineProvider {
public:
    /// `layout` must outlive this provider.
    explicit LayoutLines(const DocumentLayout& layout) : layout_(layout) {}

    engine::edit::Pos lineStart(const engine::model::Document& d, const engine::edit::Pos& p) const override;
    engine::edit::Pos lineEnd(const engine::model::Document& d, const engine::edit::Pos& p) const override;
    engine::edit::Pos lineMoved(const engine::model::Document& d, const engine::edit::Pos& p, int count) const override;

private:
    const DocumentLayout& layout_;
};

} // namespace engine::layout
