#include "engine/model/charformat.h"

namespace engine::model {

namespace {
template <class T> void take(std::optional<T>& into, const std::optional<T>& from) {
    if (from) into = from;
}

const CharFlag kFlags[] = {
    {"b", &CharFormat::bold},           {"i", &CharFormat::italic},
    {"strike", &CharFormat::strike},    {"dstrike", &CharFormat::doubleStrike},
    {"sub", &CharFormat::subscript},    {"sup", &CharFormat::superscript},
    {"shadow", &CharFormat::shadow},    {"outline", &CharFormat::outline},
    {"emboss", &CharFormat::emboss},    {"engrave", &CharFormat::engrave},
    {"caps", &CharFormat::allCaps},     {"hidden", &CharFormat::hidden},
};
} // namespace

const CharFlag* charFlagsBegin() { return std::begin(kFlags); }
const CharFlag* charFlagsEnd() { return std::end(kFlags); }

void CharFormat::overlay(const CharFormat& o) {
    take(fontName, o.fontName);
    take(halfPoints, o.halfPoints);
    for (auto f = charFlagsBegin(); f != charFlagsEnd(); ++f) take(this->*(f->member), o.*(f->member));
    take(underline, o.underline);
    take(color, o.color);
    take(animation, o.animation);
}

CharFormat CharFormat::overlaid(const CharFormat& over) const {
    CharFormat c = *this;
    c.overlay(over);
    return c;
}

bool CharFormat::isEmpty() const { return *this == CharFormat{}; }

} // namespace engine::model
