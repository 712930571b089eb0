#include "engine/model/paraformat.h"

namespace engine::model {

namespace {
template <class T> void take(std::optional<T>& into, const std::optional<T>& from) {
    if (from) into = from;
}
} // namespace

void ParaFormat::overlay(const ParaFormat& o) {
    take(alignment, o.alignment);
    take(lineSpacing, o.lineSpacing);
    take(spaceBefore, o.spaceBefore);
    take(spaceAfter, o.spaceAfter);
    take(leftIndent, o.leftIndent);
    take(rightIndent, o.rightIndent);
    take(firstLineIndent, o.firstLineIndent);
    take(list, o.list);
}

ParaFormat ParaFormat::overlaid(const ParaFormat& over) const {
    ParaFormat p = *this;
    p.overlay(over);
    return p;
}

bool ParaFormat::isEmpty() const { return *this == ParaFormat{}; }

} // namespace engine::model
