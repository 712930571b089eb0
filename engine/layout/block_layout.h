#pragma once
// Laying out blocks (paragraphs and tables) with a cache of paragraph and row boxes keyed by
// their content, so an edit that moved a row or a paragraph (rows deleted above it, a table
// re-announced as changed) finds its old box instead of laying it out again. Boxes are
// immutable and shared; an entry lives while some layout still holds its box, and one pass
// beyond that, so what an edit removed can be picked up again by the next layout pass.

#include "engine/layout/table_layout.h"

#include <unordered_map>

namespace engine::layout {

struct LayoutCounters {
    long paragraphsLaidOut = 0; // paragraphs broken into lines (cache misses)
    long rowsLaidOut = 0;       // rows assembled from their cells (cache misses)
    long paragraphHits = 0;
    long rowHits = 0;
};

class LayoutCache {
public:
    std::shared_ptr<const ParagraphBox> paragraph(const ParagraphContext& ctx, const engine::model::Paragraph& p);
    std::shared_ptr<const RowBox> row(const TableContext& ctx, const engine::model::Row& r);
    std::shared_ptr<const TableBox> table(const engine::model::Document& doc, const engine::model::Table& t);
    /// Lays out a block of a list whose text area is `width` wide.
    BlockBox block(const engine::model::Document& doc, const engine::model::Block& b, int width,
                   const QString& tableStyle, bool lastInCell = false);

    /// Forgets every box no layout holds any more. Call once per layout pass, at its end.
    void endPass();
    void clear();

    const LayoutCounters& counters() const { return counters_; }
    size_t size() const { return paragraphs_.size() + rows_.size(); }

private:
    struct ParagraphEntry {
        engine::model::Paragraph source;
        QString tableStyle;
        int width = 0;
        QString label;
        bool lastInCell = false;
        std::shared_ptr<const ParagraphBox> box;
    };
    struct RowEntry {
        engine::model::Row source;
        uint64_t context = 0;
        std::shared_ptr<const RowBox> box;
    };
    std::unordered_multimap<uint64_t, ParagraphEntry> paragraphs_;
    std::unordered_multimap<uint64_t, RowEntry> rows_;
    LayoutCounters counters_;
};

} // namespace engine::layout
