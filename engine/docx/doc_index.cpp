#include "engine/docx/doc_index.h"

#include <algorithm>
#include <vector>

namespace engine::docx {

DocIndex::DocIndex(const model::Document& doc) {
    for (const model::Style& s : doc.styles)
        if (!styles_.contains(s.name))
            styles_.insert(s.name, &s);
    for (const model::ListInstance& l : doc.lists)
        if (l.templateIndex >= 0 && l.templateIndex < int(doc.listTemplates.size()))
            lists_.insert(l.id);
}

model::CharFormat DocIndex::styleCharFormat(const QString& name) const {
    const auto cached = charFormats_.constFind(name);
    if (cached != charFormats_.constEnd())
        return *cached;
    std::vector<const model::Style*> chain;
    for (const model::Style* s = style(name); s && chain.size() < 16; s = style(s->basedOn)) {
        if (std::find(chain.begin(), chain.end(), s) != chain.end())
            break;
        chain.push_back(s);
    }
    model::CharFormat f;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        f.overlay((*it)->character);
    charFormats_.insert(name, f);
    return f;
}

} // namespace engine::docx
