#pragma once
// The layout of a whole document: a box per body block, the pages, and the questions the
// editing layer and the renderer ask (how many pages, which page a position is on, where a
// page starts, where a paragraph's lines are). It observes the document: an edit only marks
// the blocks it touched, and the next question lays out again what changed (rows and
// paragraphs whose content is unchanged are found in the cache) and re-paginates.
//
// The document must outlive the layout, or the layout must be destroyed first; the layout
// registers itself as the document's observer and removes itself when destroyed.

#include "engine/edit/position.h"
#include "engine/layout/block_layout.h"
#include "engine/layout/pagination.h"

#include <QPointF>

#include <optional>

namespace engine::layout {

/// Where a paragraph's box sits on the page that shows the given part of it.
struct ParagraphPlace {
    const ParagraphBox* box = nullptr;
    int page = 0;
    QPointF origin; // twips from the page's top-left corner to the box's (0, 0)
};

class DocumentLayout : public engine::model::DocumentObserver {
public:
    explicit DocumentLayout(engine::model::Document& doc);
    ~DocumentLayout() override;
    DocumentLayout(const DocumentLayout&) = delete;
    DocumentLayout& operator=(const DocumentLayout&) = delete;

    const engine::model::Document& document() const { return doc_; }

    /// Brings the layout up to date (done by every query below; callable to time it).
    void update() const;

    int pageCount() const;
    const engine::model::PageSetup& pageSetup() const { return doc_.page; }
    const Pagination& pagination() const;
    /// Boxes of the body's blocks, in order.
    const std::vector<BlockBox>& body() const;

    /// The page (0-based) showing the character after `p`.
    int pageOf(const engine::edit::Pos& p) const;
    /// The first position on page `page` (clamped to the pages there are).
    engine::edit::Pos pageStart(int page) const;

    /// The paragraph at `path` (a paragraph path, as in Pos), its box and, for the line
    /// holding `offset`, where it is drawn. Null box for a path that names no paragraph.
    ParagraphPlace paragraphPlace(const std::vector<engine::edit::Step>& path, int offset) const;

    const LayoutCounters& counters() const { return cache_.counters(); }

    void blocksChanged(const engine::model::BlockChange& change) override;

private:
    struct Context {
        engine::model::PageSetup page;
        engine::model::DocDefaults defaults;
        std::vector<engine::model::Style> styles;
        std::vector<engine::model::ListTemplate> listTemplates;
        std::vector<engine::model::ListInstance> lists;
        bool operator==(const Context&) const = default;
        /// True when this context only adds list templates or lists to `older`: what was
        /// laid out under `older` stays valid, since a paragraph names its list by id.
        bool extends(const Context& older) const;
    };

    engine::model::Document& doc_;
    mutable LayoutCache cache_;
    mutable std::vector<std::optional<BlockBox>> blocks_;
    mutable std::vector<BlockBox> body_;
    mutable Pagination pagination_;
    mutable std::optional<Context> context_;
    mutable bool dirty_ = true;
};

} // namespace engine::layout
