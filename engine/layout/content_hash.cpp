#include "engine/layout/content_hash.h"

#include <QHash>

namespace engine::layout {

using namespace engine::model;

uint64_t mixHash(uint64_t seed, uint64_t value) {
    // splitmix64 finaliser over the combination.
    uint64_t z = seed ^ (value + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2));
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

namespace {

template <class T> uint64_t opt(uint64_t h, const std::optional<T>& v) {
    if (!v) return mixHash(h, 0x5EED);
    if constexpr (std::is_same_v<T, QString>)
        return mixHash(h, qHash(*v));
    else
        return mixHash(h, uint64_t(*v) + 1);
}

uint64_t hashOf(uint64_t h, const CharFormat& f) {
    h = opt(h, f.fontName);
    h = opt(h, f.halfPoints);
    for (auto flag = charFlagsBegin(); flag != charFlagsEnd(); ++flag) h = opt(h, f.*(flag->member));
    h = mixHash(h, f.underline ? int(*f.underline) + 1 : 0);
    h = opt(h, f.color);
    return opt(h, f.animation);
}

uint64_t hashOf(uint64_t h, const ParaFormat& f) {
    h = mixHash(h, f.alignment ? int(*f.alignment) + 1 : 0);
    h = mixHash(h, f.lineSpacing ? (uint64_t(f.lineSpacing->rule) << 32) + uint32_t(f.lineSpacing->value) + 1 : 0);
    h = opt(h, f.spaceBefore);
    h = opt(h, f.spaceAfter);
    h = opt(h, f.leftIndent);
    h = opt(h, f.rightIndent);
    h = opt(h, f.firstLineIndent);
    return mixHash(h, f.list ? (uint64_t(f.list->listId) << 8) + uint64_t(f.list->level) + 1 : 0);
}

uint64_t hashOf(uint64_t h, const Paragraph& p) {
    for (const Run& r : p.runs) {
        h = mixHash(h, qHash(r.text));
        h = hashOf(h, r.format);
    }
    h = hashOf(h, p.format);
    h = hashOf(h, p.markFormat);
    return mixHash(h, qHash(p.style));
}

uint64_t hashOf(uint64_t h, const Table& t);

uint64_t hashOf(uint64_t h, const Row& r) {
    h = mixHash(h, (uint64_t(r.format.heightRule) << 32) + uint32_t(r.format.height));
    for (const Cell& c : r.cells) {
        h = mixHash(h, (uint64_t(c.format.gridSpan) << 40) + (uint64_t(c.format.verticalAlignment) << 32) +
                           uint32_t(c.format.width));
        for (const Block& b : c.blocks)
            h = isParagraph(b) ? hashOf(h, std::get<Paragraph>(b)) : hashOf(h, std::get<Table>(b));
    }
    return h;
}

uint64_t hashOf(uint64_t h, const Table& t) {
    for (int w : t.grid) h = mixHash(h, uint64_t(w));
    h = mixHash(h, qHash(t.format.style));
    h = mixHash(h, t.format.borders ? 2 : 1);
    for (const Row& r : t.rows) h = hashOf(h, r);
    return h;
}

} // namespace

uint64_t contentHash(const Paragraph& p) { return hashOf(0x51, p); }
uint64_t contentHash(const Row& r) { return hashOf(0x52, r); }
uint64_t contentHash(const Table& t) { return hashOf(0x53, t); }

} // namespace engine::layout
