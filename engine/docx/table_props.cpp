#include "engine/docx/table_props.h"

#include "engine/docx/xml_order.h"
#include "engine/docx/xml_util.h"

#include <QString>

#include <algorithm>

namespace engine::docx {

using model::BorderLine;
using model::Borders;
using model::TableLook;

namespace {

struct Side {
    const char* element;
    const char* alternative; // the strict schema's name for the same side
    BorderLine Borders::*member;
};
const Side kSides[] = {
    {"w:top", nullptr, &Borders::top},         {"w:left", "w:start", &Borders::left},
    {"w:bottom", nullptr, &Borders::bottom},   {"w:right", "w:end", &Borders::right},
    {"w:insideH", nullptr, &Borders::insideH}, {"w:insideV", nullptr, &Borders::insideV},
};

struct LookBit {
    bool TableLook::*member;
    const char* attribute;
    int bit;
};
const LookBit kLook[] = {
    {&TableLook::headingRows, "w:firstRow", 0x20},
    {&TableLook::lastRow, "w:lastRow", 0x40},
    {&TableLook::firstColumn, "w:firstColumn", 0x80},
    {&TableLook::lastColumn, "w:lastColumn", 0x100},
    {&TableLook::noHorizontalBands, "w:noHBand", 0x200},
    {&TableLook::noVerticalBands, "w:noVBand", 0x400},
};

QString hex6(uint32_t rgb) {
    return QStringLiteral("%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

void writeLine(pugi::xml_node parent, const char* name, const BorderLine& b) {
    pugi::xml_node e = xml::child(parent, name);
    if (b.style == BorderLine::Style::None) {
        xml::setAttr(e, "w:val", "nil");
        return;
    }
    xml::setAttr(e, "w:val", "single");
    xml::setAttr(e, "w:sz", std::clamp(b.eighthPoints, 2, 96));
    xml::setAttr(e, "w:space", 0);
    xml::setAttr(e, "w:color",
                 b.color == model::kAutoColor ? QStringLiteral("auto") : hex6(b.color));
}

BorderLine readLine(pugi::xml_node e) {
    BorderLine b;
    const std::string v = xml::val(e);
    if (!e || v.empty() || v == "nil" || v == "none")
        return b;
    b.style = BorderLine::Style::Single; // every drawn kind shows as a single line here
    b.eighthPoints = std::clamp(xml::intAttr(e, "w:sz").value_or(4), 2, 96);
    const QString color = xml::qstr(e.attribute("w:color").value());
    bool ok = false;
    const uint32_t rgb = color.toUInt(&ok, 16);
    b.color = ok && color.size() == 6 ? rgb : model::kAutoColor;
    return b;
}

} // namespace

void writeBorders(pugi::xml_node parent, const char* element, const Borders& b) {
    pugi::xml_node e = xml::child(parent, element);
    for (const Side& s : kSides)
        writeLine(e, s.element, b.*(s.member));
}

std::optional<Borders> readBorders(pugi::xml_node e) {
    if (!e)
        return std::nullopt;
    Borders b;
    for (const Side& s : kSides) {
        pugi::xml_node line = e.child(s.element);
        if (!line && s.alternative)
            line = e.child(s.alternative);
        b.*(s.member) = readLine(line);
    }
    return b;
}

void writeLook(pugi::xml_node e, const TableLook& l) {
    int bits = 0;
    for (const LookBit& k : kLook)
        if (l.*(k.member))
            bits |= k.bit;
    xml::setAttr(e, "w:val", QStringLiteral("%1").arg(bits, 4, 16, QLatin1Char('0')).toUpper());
    for (const LookBit& k : kLook)
        xml::setAttr(e, k.attribute, l.*(k.member) ? 1 : 0);
}

TableLook readLook(pugi::xml_node e) {
    TableLook l;
    if (!e)
        return l;
    const bool hasAttributes =
        std::any_of(std::begin(kLook), std::end(kLook),
                    [&](const LookBit& k) { return bool(e.attribute(k.attribute)); });
    bool ok = false;
    const int bits = xml::qstr(e.attribute("w:val").value()).toInt(&ok, 16);
    for (const LookBit& k : kLook) {
        if (pugi::xml_attribute a = e.attribute(k.attribute)) {
            const std::string v = a.value();
            l.*(k.member) = !(v == "0" || v == "false" || v == "off");
        } else if (!hasAttributes && ok)
            l.*(k.member) = (bits & k.bit) != 0;
    }
    return l;
}

} // namespace engine::docx
