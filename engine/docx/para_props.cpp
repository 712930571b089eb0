#include "engine/docx/para_props.h"

#include "engine/docx/xml_order.h"
#include "engine/docx/xml_util.h"

namespace engine::docx {

using model::Alignment;
using model::LineRule;
using model::ParaFormat;

namespace {

struct AlignmentName {
    Alignment value;
    const char* name;
};
const AlignmentName kAlignments[] = {
    {Alignment::Left, "left"},
    {Alignment::Center, "center"},
    {Alignment::Right, "right"},
    {Alignment::Justify, "both"},
};

// Alignment values of other programs and of the strict schema, read as the nearest kind.
Alignment alignmentOf(const std::string& v) {
    for (const AlignmentName& a : kAlignments)
        if (v == a.name)
            return a.value;
    if (v == "end")
        return Alignment::Right;
    if (v == "distribute" || v == "thaiDistribute" || v.rfind("lowKashida", 0) == 0 ||
        v.rfind("mediumKashida", 0) == 0 || v.rfind("highKashida", 0) == 0)
        return Alignment::Justify;
    return Alignment::Left; // "start" and anything unknown
}

} // namespace

void writeParaFormat(pugi::xml_node pPr, const ParaFormat& f,
                     const std::function<bool(int)>& listExists) {
    if (f.list && (f.list->listId == 0 || listExists(f.list->listId))) {
        pugi::xml_node numPr = xml::child(pPr, "w:numPr");
        xml::setAttr(numPr.append_child("w:ilvl"), "w:val",
                     f.list->listId == 0 ? 0 : f.list->level);
        xml::setAttr(numPr.append_child("w:numId"), "w:val", f.list->listId);
    }
    if (f.spaceBefore || f.spaceAfter || f.lineSpacing) {
        pugi::xml_node sp = xml::child(pPr, "w:spacing");
        if (f.spaceBefore)
            xml::setAttr(sp, "w:before", *f.spaceBefore);
        if (f.spaceAfter)
            xml::setAttr(sp, "w:after", *f.spaceAfter);
        if (f.lineSpacing) {
            xml::setAttr(sp, "w:line", f.lineSpacing->value);
            xml::setAttr(sp, "w:lineRule",
                         f.lineSpacing->rule == LineRule::Auto      ? "auto"
                         : f.lineSpacing->rule == LineRule::AtLeast ? "atLeast"
                                                                    : "exact");
        }
    }
    if (f.leftIndent || f.rightIndent || f.firstLineIndent) {
        pugi::xml_node ind = xml::child(pPr, "w:ind");
        if (f.leftIndent)
            xml::setAttr(ind, "w:left", *f.leftIndent);
        if (f.rightIndent)
            xml::setAttr(ind, "w:right", *f.rightIndent);
        if (f.firstLineIndent) {
            if (*f.firstLineIndent < 0)
                xml::setAttr(ind, "w:hanging", -*f.firstLineIndent);
            else
                xml::setAttr(ind, "w:firstLine", *f.firstLineIndent);
        }
    }
    if (f.alignment) {
        const char* name = "left";
        for (const AlignmentName& a : kAlignments)
            if (a.value == *f.alignment)
                name = a.name;
        xml::setAttr(xml::child(pPr, "w:jc"), "w:val", name);
    }
}

ParaFormat readParaFormat(pugi::xml_node pPr,
                          const std::function<std::optional<int>(int)>& listIdOf) {
    ParaFormat f;
    if (!pPr)
        return f;
    if (pugi::xml_node numPr = pPr.child("w:numPr")) {
        const std::optional<int> numId = xml::intAttr(numPr.child("w:numId"), "w:val");
        const int level =
            std::clamp(xml::intAttr(numPr.child("w:ilvl"), "w:val").value_or(0), 0, 8);
        if (numId && *numId == 0)
            f.list = model::ListMembership{0, 0};
        else if (numId)
            if (std::optional<int> id = listIdOf(*numId))
                f.list = model::ListMembership{*id, level};
    }
    if (pugi::xml_node sp = pPr.child("w:spacing")) {
        if (auto v = xml::twipsAttr(sp, "w:before"))
            f.spaceBefore = std::max(0, *v);
        if (auto v = xml::twipsAttr(sp, "w:after"))
            f.spaceAfter = std::max(0, *v);
        if (auto line = xml::intAttr(sp, "w:line")) {
            const std::string rule = sp.attribute("w:lineRule").value();
            model::LineSpacing ls;
            ls.rule = rule == "exact"     ? LineRule::Exact
                      : rule == "atLeast" ? LineRule::AtLeast
                                          : LineRule::Auto;
            ls.value = std::abs(*line);
            if (ls.value > 0)
                f.lineSpacing = ls;
        }
    }
    if (pugi::xml_node ind = pPr.child("w:ind")) {
        if (auto v = xml::twipsAttr(ind, "w:left"))
            f.leftIndent = *v;
        else if (auto s = xml::twipsAttr(ind, "w:start"))
            f.leftIndent = *s;
        if (auto v = xml::twipsAttr(ind, "w:right"))
            f.rightIndent = *v;
        else if (auto e = xml::twipsAttr(ind, "w:end"))
            f.rightIndent = *e;
        if (auto h = xml::twipsAttr(ind, "w:hanging"))
            f.firstLineIndent = -std::abs(*h);
        else if (auto fl = xml::twipsAttr(ind, "w:firstLine"))
            f.firstLineIndent = *fl;
    }
    if (pugi::xml_node jc = pPr.child("w:jc"))
        f.alignment = alignmentOf(xml::val(jc));
    return f;
}

} // namespace engine::docx
