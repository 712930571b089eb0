#include "engine/docx/numbering_part.h"

#include "engine/docx/xml_order.h"
#include "engine/docx/xml_util.h"

#include <QSet>

namespace engine::docx {

using namespace engine::model;

namespace {

struct FormatName {
    NumberStyle style;
    const char* name;
};
const FormatName kFormats[] = {
    {NumberStyle::Arabic, "decimal"},
    {NumberStyle::UppercaseRoman, "upperRoman"},
    {NumberStyle::LowercaseRoman, "lowerRoman"},
    {NumberStyle::UppercaseLetter, "upperLetter"},
    {NumberStyle::LowercaseLetter, "lowerLetter"},
    {NumberStyle::Ordinal, "ordinal"},
    {NumberStyle::ArabicLZ, "decimalZero"},
    {NumberStyle::Bullet, "bullet"},
    {NumberStyle::None, "none"},
};

// A stable eight-digit hexadecimal id for a template (Word draws one at random; a stable
// one keeps saving the same document byte-for-byte repeatable).
QString nsidOf(int index, const QString& name) {
    uint32_t h = 2166136261u;
    const QByteArray bytes = name.toUtf8() + QByteArray::number(index);
    for (char c : bytes)
        h = (h ^ uint8_t(c)) * 16777619u;
    return QStringLiteral("%1").arg(h, 8, 16, QLatin1Char('0')).toUpper();
}

void writeLevel(pugi::xml_node abstractNum, int ilvl, const ListLevel& l, const StyleIds& ids) {
    pugi::xml_node lvl = xml::addChild(abstractNum, "w:lvl");
    xml::setAttr(lvl, "w:ilvl", ilvl);
    xml::setAttr(xml::child(lvl, "w:start"), "w:val", l.startAt);
    const char* fmt = "decimal";
    for (const FormatName& f : kFormats)
        if (f.style == l.numberStyle)
            fmt = f.name;
    xml::setAttr(xml::child(lvl, "w:numFmt"), "w:val", fmt);
    // Without lvlRestart a level restarts after the level above it.
    if (l.resetOnHigher != ilvl)
        xml::setAttr(xml::child(lvl, "w:lvlRestart"), "w:val", l.resetOnHigher);
    if (!l.linkedStyle.isEmpty())
        if (std::optional<QString> id = ids.idOf(l.linkedStyle))
            xml::setAttr(xml::child(lvl, "w:pStyle"), "w:val", *id);
    if (l.trailing != TrailingCharacter::Tab)
        xml::setAttr(xml::child(lvl, "w:suff"), "w:val",
                     l.trailing == TrailingCharacter::Space ? "space" : "nothing");
    xml::setAttr(xml::child(lvl, "w:lvlText"), "w:val", l.numberFormat);
    xml::setAttr(xml::child(lvl, "w:lvlJc"), "w:val",
                 l.alignment == LevelAlignment::Center  ? "center"
                 : l.alignment == LevelAlignment::Right ? "right"
                                                        : "left");
    pugi::xml_node pPr = xml::child(lvl, "w:pPr");
    if (l.tabPosition) {
        pugi::xml_node tab = xml::child(pPr, "w:tabs").append_child("w:tab");
        xml::setAttr(tab, "w:val", "num");
        xml::setAttr(tab, "w:pos", *l.tabPosition);
    }
    pugi::xml_node ind = xml::child(pPr, "w:ind");
    xml::setAttr(ind, "w:left", l.textPosition);
    const int hanging = l.textPosition - l.numberPosition;
    if (hanging >= 0)
        xml::setAttr(ind, "w:hanging", hanging);
    else
        xml::setAttr(ind, "w:firstLine", -hanging);
    writeCharFormat(lvl, l.font);
}

ListLevel readLevel(pugi::xml_node lvl, int ilvl, const QHash<QString, QString>& styleNames,
                    const ThemeFonts& theme) {
    ListLevel l;
    l.startAt = std::clamp(xml::intAttr(lvl.child("w:start"), "w:val").value_or(1), 0, 32767);
    l.numberStyle = NumberStyle::Arabic;
    if (pugi::xml_node f = lvl.child("w:numFmt")) {
        const std::string v = xml::val(f);
        for (const FormatName& n : kFormats)
            if (v == n.name)
                l.numberStyle = n.style;
    }
    l.resetOnHigher =
        std::clamp(xml::intAttr(lvl.child("w:lvlRestart"), "w:val").value_or(ilvl), 0, 9);
    if (pugi::xml_node ps = lvl.child("w:pStyle"))
        l.linkedStyle = styleNames.value(xml::qstr(xml::val(ps).c_str()));
    const std::string suff = xml::val(lvl.child("w:suff"));
    l.trailing = suff == "space"     ? TrailingCharacter::Space
                 : suff == "nothing" ? TrailingCharacter::None
                                     : TrailingCharacter::Tab;
    l.numberFormat = xml::qstr(lvl.child("w:lvlText").attribute("w:val").value());
    const std::string jc = xml::val(lvl.child("w:lvlJc"));
    l.alignment = jc == "center"                   ? LevelAlignment::Center
                  : (jc == "right" || jc == "end") ? LevelAlignment::Right
                                                   : LevelAlignment::Left;
    const pugi::xml_node pPr = lvl.child("w:pPr");
    const pugi::xml_node ind = pPr.child("w:ind");
    l.textPosition =
        xml::twipsAttr(ind, "w:left").value_or(xml::twipsAttr(ind, "w:start").value_or(0));
    if (auto h = xml::twipsAttr(ind, "w:hanging"))
        l.numberPosition = l.textPosition - *h;
    else
        l.numberPosition = l.textPosition + xml::twipsAttr(ind, "w:firstLine").value_or(0);
    for (pugi::xml_node tab : pPr.child("w:tabs").children("w:tab"))
        if (xml::val(tab) == "num")
            l.tabPosition = xml::twipsAttr(tab, "w:pos");
    l.font = readCharFormat(lvl.child("w:rPr"), theme);
    return l;
}

} // namespace

void writeNumberingPart(pugi::xml_document& out, const Document& doc, const StyleIds& ids) {
    xml::addDeclaration(out);
    pugi::xml_node root = out.append_child("w:numbering");
    root.append_attribute("xmlns:w") = xml::kNsW;
    for (int i = 0; i < int(doc.listTemplates.size()); ++i) {
        const ListTemplate& t = doc.listTemplates[i];
        pugi::xml_node a = xml::addChild(root, "w:abstractNum");
        xml::setAttr(a, "w:abstractNumId", i);
        xml::setAttr(xml::child(a, "w:nsid"), "w:val", nsidOf(i, t.name));
        xml::setAttr(xml::child(a, "w:multiLevelType"), "w:val",
                     t.outlineNumbered ? "multilevel" : "hybridMultilevel");
        if (!t.name.isEmpty())
            xml::setAttr(xml::child(a, "w:name"), "w:val", t.name);
        for (int level = 0; level < 9; ++level)
            writeLevel(a, level, t.levels[level], ids);
    }
    QSet<int> written;
    for (const ListInstance& l : doc.lists) {
        if (l.id <= 0 || written.contains(l.id) ||
            !(l.templateIndex >= 0 && l.templateIndex < int(doc.listTemplates.size())))
            continue;
        written.insert(l.id);
        pugi::xml_node n = xml::addChild(root, "w:num");
        xml::setAttr(n, "w:numId", l.id);
        xml::setAttr(xml::child(n, "w:abstractNumId"), "w:val", l.templateIndex);
    }
}

QHash<int, int> readNumberingPart(const pugi::xml_document& numbering,
                                  const pugi::xml_document& styles,
                                  const QHash<QString, QString>& styleNames,
                                  const ThemeFonts& theme, Document& doc) {
    const pugi::xml_node root = numbering.document_element();
    QHash<int, int> templateOfAbstract;
    QHash<int, QString> numStyleLinkOf; // template index -> numbering style id it defers to
    for (pugi::xml_node a : root.children("w:abstractNum")) {
        const std::optional<int> id = xml::intAttr(a, "w:abstractNumId");
        if (!id || templateOfAbstract.contains(*id))
            continue;
        ListTemplate t;
        t.name = xml::qstr(a.child("w:name").attribute("w:val").value());
        t.outlineNumbered = xml::val(a.child("w:multiLevelType")) == "multilevel";
        for (int i = 0; i < 9; ++i)
            t.levels[i].numberStyle = NumberStyle::None;
        for (pugi::xml_node lvl : a.children("w:lvl")) {
            const std::optional<int> ilvl = xml::intAttr(lvl, "w:ilvl");
            if (ilvl && *ilvl >= 0 && *ilvl < 9)
                t.levels[*ilvl] = readLevel(lvl, *ilvl, styleNames, theme);
        }
        const int index = int(doc.listTemplates.size());
        if (pugi::xml_node link = a.child("w:numStyleLink"))
            numStyleLinkOf.insert(index, xml::qstr(xml::val(link).c_str()));
        templateOfAbstract.insert(*id, index);
        doc.listTemplates.push_back(std::move(t));
    }

    QHash<int, int> listOfNum;
    QHash<int, int> abstractOfNum;
    for (pugi::xml_node n : root.children("w:num")) {
        const std::optional<int> numId = xml::intAttr(n, "w:numId");
        const std::optional<int> abstractId = xml::intAttr(n.child("w:abstractNumId"), "w:val");
        if (!numId || *numId <= 0 || !abstractId || listOfNum.contains(*numId))
            continue;
        const auto it = templateOfAbstract.constFind(*abstractId);
        if (it == templateOfAbstract.constEnd())
            continue;
        doc.lists.push_back(ListInstance{*numId, *it});
        listOfNum.insert(*numId, *numId);
        abstractOfNum.insert(*numId, *abstractId);
    }

    // A template that only names a numbering style takes the levels of the template that
    // style's list uses (one step; Word writes no longer chains).
    for (auto it = numStyleLinkOf.constBegin(); it != numStyleLinkOf.constEnd(); ++it) {
        for (pugi::xml_node s : styles.document_element().children("w:style")) {
            if (xml::qstr(s.attribute("w:styleId").value()) != it.value())
                continue;
            const std::optional<int> numId =
                xml::intAttr(s.child("w:pPr").child("w:numPr").child("w:numId"), "w:val");
            if (!numId || !abstractOfNum.contains(*numId))
                break;
            const int source = templateOfAbstract.value(abstractOfNum.value(*numId), -1);
            if (source >= 0 && source != it.key())
                doc.listTemplates[it.key()].levels = doc.listTemplates[source].levels;
            break;
        }
    }
    return listOfNum;
}

} // namespace engine::docx
