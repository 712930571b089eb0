#include "engine/edit/lists.h"

#include "engine/edit/editing.h"
#include "engine/edit/error.h"

#include <algorithm>

namespace engine::edit {

using engine::model::ListMembership;

namespace {

constexpr int kDefaultTab = 720;

// The list id of the nearest numbered paragraph before `p` whose list uses `templateIndex`.
int previousListOn(const Document& d, const Pos& p, int templateIndex) {
    int found = 0;
    Extent before{storyStart(d), p, std::nullopt};
    forEachParagraph(d, before, [&](const ParagraphPiece& piece) {
        const Paragraph& para = paragraphAt(d, piece.paragraph);
        if (!para.format.list || para.format.list->listId == 0) return;
        const engine::model::ListInstance* l = d.list(para.format.list->listId);
        if (l && l->templateIndex == templateIndex && piece.paragraph.path != p.path) found = l->id;
    });
    return found;
}

} // namespace

void applyListTemplate(Document& d, const Extent& e, int templateIndex, bool continuePrevious) {
    if (templateIndex < 0 || templateIndex >= int(d.listTemplates.size()))
        throw EditError(QStringLiteral("The requested member of the collection does not exist."));
    int id = continuePrevious ? previousListOn(d, e.start, templateIndex) : 0;
    if (id == 0) id = d.addList(templateIndex);
    changeParagraphs(d, e, [&](Paragraph& p) {
        const int level = p.format.list && p.format.list->listId != 0 ? p.format.list->level : 0;
        p.format.list = ListMembership{id, level};
    });
}

void removeNumbers(Document& d, const Extent& e) {
    changeParagraphs(d, e, [&](Paragraph& p) {
        p.format.list.reset();
        // A numbered style would number it still: say so explicitly.
        if (d.effectiveParaFormat(p).list) p.format.list = ListMembership{0, 0};
    });
}

void outdent(Document& d, const Extent& e) {
    changeParagraphs(d, e, [&](Paragraph& p) {
        if (p.format.list && p.format.list->listId != 0) {
            if (p.format.list->level > 0) --p.format.list->level;
            return;
        }
        const int left = d.effectiveParaFormat(p).leftIndent.value_or(0);
        if (left <= 0) return;
        p.format.leftIndent = std::max(0, (left - 1) / kDefaultTab * kDefaultTab);
    });
}

void indent(Document& d, const Extent& e) {
    changeParagraphs(d, e, [&](Paragraph& p) {
        if (p.format.list && p.format.list->listId != 0) {
            p.format.list->level = std::min(8, p.format.list->level + 1);
            return;
        }
        const int left = d.effectiveParaFormat(p).leftIndent.value_or(0);
        p.format.leftIndent = (std::max(0, left) / kDefaultTab + 1) * kDefaultTab;
    });
}

} // namespace engine::edit
