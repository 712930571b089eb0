#include "engine/model/document.h"

#include <algorithm>

namespace engine::model {

Document::Document()
    : defaults(wordDocDefaults()), styles(wordStyles()), page(PageSetup::forSystemLocale()) {
    body.emplace_back(Paragraph{});
}

Document Document::bare() {
    Document d;
    d.defaults = {};
    d.styles.clear();
    return d;
}

const Style* Document::style(const QString& name) const {
    for (const Style& s : styles)
        if (s.name == name) return &s;
    return nullptr;
}

const ListInstance* Document::list(int id) const {
    for (const ListInstance& l : lists)
        if (l.id == id) return &l;
    return nullptr;
}

const ListTemplate* Document::templateOfList(int id) const {
    const ListInstance* l = list(id);
    if (!l || l->templateIndex < 0 || l->templateIndex >= int(listTemplates.size())) return nullptr;
    return &listTemplates[l->templateIndex];
}

int Document::addList(int templateIndex) {
    int id = 1;
    for (const ListInstance& l : lists) id = std::max(id, l.id + 1);
    lists.push_back(ListInstance{id, templateIndex});
    return id;
}

const ListLevel* Document::listLevel(const ParaFormat& f) const {
    if (!f.list || f.list->listId == 0) return nullptr;
    const ListTemplate* t = templateOfList(f.list->listId);
    if (!t || f.list->level < 0 || f.list->level > 8) return nullptr;
    return &t->levels[f.list->level];
}

namespace {
// Styles from the root of the basedOn chain down to `name` (a cycle ends the walk).
std::vector<const Style*> styleChain(const Document& d, const QString& name) {
    std::vector<const Style*> chain;
    for (const Style* s = d.style(name); s && chain.size() < 16; s = d.style(s->basedOn)) {
        if (std::find(chain.begin(), chain.end(), s) != chain.end()) break;
        chain.push_back(s);
    }
    std::reverse(chain.begin(), chain.end());
    return chain;
}
QString paraStyleName(const Paragraph& p) {
    return p.style.isEmpty() ? QStringLiteral("Normal") : p.style;
}
} // namespace

ParaFormat Document::effectiveParaFormat(const Paragraph& p, const QString& tableStyle) const {
    ParaFormat f = defaults.paragraph;
    if (!tableStyle.isEmpty())
        for (const Style* s : styleChain(*this, tableStyle)) f.overlay(s->paragraph);
    for (const Style* s : styleChain(*this, paraStyleName(p))) f.overlay(s->paragraph);
    f.overlay(p.format);
    return f;
}

CharFormat Document::effectiveCharFormat(const Paragraph& p, const CharFormat& direct,
                                         const QString& tableStyle) const {
    CharFormat f = defaults.character;
    if (!tableStyle.isEmpty())
        for (const Style* s : styleChain(*this, tableStyle)) f.overlay(s->character);
    for (const Style* s : styleChain(*this, paraStyleName(p))) f.overlay(s->character);
    f.overlay(direct);
    return f;
}

void Document::addObserver(DocumentObserver* o) {
    if (o && std::find(observers_.begin(), observers_.end(), o) == observers_.end())
        observers_.push_back(o);
}

void Document::removeObserver(DocumentObserver* o) { std::erase(observers_, o); }

void Document::notifyChanged(const BlockChange& change) const {
    for (DocumentObserver* o : observers_) o->blocksChanged(change);
}

void Document::notifyAllChanged(int oldBlockCount) const {
    const int n = int(body.size());
    notifyChanged(BlockChange{0, oldBlockCount < 0 ? n : oldBlockCount, n});
}

bool Document::sameContent(const Document& o) const {
    return body == o.body && defaults == o.defaults && styles == o.styles &&
           listTemplates == o.listTemplates && lists == o.lists && page == o.page && info == o.info;
}

} // namespace engine::model
