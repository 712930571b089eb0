#include "engine/model/tree.h"

namespace engine::model {

QString Paragraph::text() const {
    QString s;
    for (const Run& r : runs) s += r.text;
    return s;
}

int Paragraph::textLength() const {
    int n = 0;
    for (const Run& r : runs) n += r.text.size();
    return n;
}

void Paragraph::normalize() {
    std::vector<Run> out;
    out.reserve(runs.size());
    for (Run& r : runs) {
        if (r.text.isEmpty()) continue;
        if (!out.empty() && out.back().format == r.format)
            out.back().text += r.text;
        else
            out.push_back(std::move(r));
    }
    runs = std::move(out);
}

const CharFormat& Paragraph::formatAt(int offset) const {
    for (const Run& r : runs) {
        if (offset < r.text.size()) return r.format;
        offset -= r.text.size();
    }
    return markFormat;
}

Borders Borders::singleGrid() {
    BorderLine single;
    single.style = BorderLine::Style::Single;
    return Borders{single, single, single, single, single, single};
}

bool Row::operator==(const Row& o) const { return cells == o.cells && format == o.format; }

bool Table::operator==(const Table& o) const {
    return grid == o.grid && rows == o.rows && format == o.format;
}

Cell Cell::empty(int width, int gridSpan) {
    Cell c;
    c.blocks.emplace_back(Paragraph{});
    c.format.width = width;
    c.format.gridSpan = gridSpan;
    return c;
}

} // namespace engine::model
