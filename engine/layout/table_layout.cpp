#include "engine/layout/table_layout.h"

#include "engine/layout/content_hash.h"

#include <QHash>

namespace engine::layout {

using namespace engine::model;

int BlockBox::height() const {
    if (paragraph) return paragraph->height();
    if (table) return table->height;
    return 0;
}

TableContext TableContext::of(const Document& doc, const Table& t) {
    TableContext c;
    c.doc = &doc;
    c.style = t.format.style;
    // The nearest style in the basedOn chain that gives margins decides them.
    const Style* s = doc.style(t.format.style);
    for (int guard = 0; s && guard < 16; ++guard) {
        if (s->cellMarginLeft || s->cellMarginRight || s->basedOn.isEmpty()) {
            c.marginLeft = s->cellMarginLeft;
            c.marginRight = s->cellMarginRight;
            break;
        }
        s = doc.style(s->basedOn);
    }
    c.grid = t.grid;
    uint64_t h = mixHash(qHash(c.style), uint64_t(c.marginLeft) << 20 | uint64_t(c.marginRight));
    for (int w : c.grid) h = mixHash(h, uint64_t(w));
    c.key = h;
    return c;
}

} // namespace engine::layout
