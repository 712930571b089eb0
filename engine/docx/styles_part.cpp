#include "engine/docx/styles_part.h"

#include "engine/docx/doc_index.h"
#include "engine/docx/para_props.h"
#include "engine/docx/table_props.h"
#include "engine/docx/xml_order.h"
#include "engine/docx/xml_util.h"

namespace engine::docx {

using namespace engine::model;

namespace {

constexpr int kDefaultCellMargin = 108;

const char* typeName(StyleType t) {
    switch (t) {
    case StyleType::Paragraph:
        return "paragraph";
    case StyleType::Character:
        return "character";
    case StyleType::Table:
        return "table";
    case StyleType::Numbering:
        return "numbering";
    }
    return "paragraph";
}

StyleType typeOf(const std::string& s) {
    if (s == "character")
        return StyleType::Character;
    if (s == "table")
        return StyleType::Table;
    if (s == "numbering")
        return StyleType::Numbering;
    return StyleType::Paragraph;
}

void writeCellMargins(pugi::xml_node tblPr, int left, int right) {
    pugi::xml_node mar = xml::child(tblPr, "w:tblCellMar");
    for (const auto& [side, w] : {std::pair{"w:top", 0}, std::pair{"w:left", left},
                                  std::pair{"w:bottom", 0}, std::pair{"w:right", right}}) {
        pugi::xml_node m = xml::child(mar, side);
        xml::setAttr(m, "w:w", w);
        xml::setAttr(m, "w:type", "dxa");
    }
}

std::optional<int> readMargin(pugi::xml_node mar, const char* side, const char* alternative) {
    pugi::xml_node m = mar.child(side);
    if (!m)
        m = mar.child(alternative);
    const std::string type = m.attribute("w:type").value();
    if (!m || !(type.empty() || type == "dxa"))
        return std::nullopt;
    if (auto w = xml::twipsAttr(m, "w:w"))
        return std::clamp(*w, 0, 31680);
    return std::nullopt;
}

} // namespace

void writeStylesPart(pugi::xml_document& out, const Document& doc, const StyleIds& ids) {
    xml::addDeclaration(out);
    pugi::xml_node root = out.append_child("w:styles");
    root.append_attribute("xmlns:w") = xml::kNsW;
    const DocIndex index(doc);
    const auto listExists = [&index](int id) { return index.listExists(id); };

    pugi::xml_node defaults = xml::child(root, "w:docDefaults");
    pugi::xml_node rPrDefault = xml::child(defaults, "w:rPrDefault");
    writeCharFormat(rPrDefault, doc.defaults.character, true);
    pugi::xml_node lang = xml::child(rPrDefault.child("w:rPr"), "w:lang");
    xml::setAttr(lang, "w:val", "en-US");
    xml::setAttr(lang, "w:eastAsia", "en-US");
    xml::setAttr(lang, "w:bidi", "ar-SA");
    pugi::xml_node pPrDefault = xml::child(defaults, "w:pPrDefault");
    writeParaFormat(xml::child(pPrDefault, "w:pPr"), doc.defaults.paragraph, listExists);

    for (const Style& s : doc.styles) {
        const std::optional<QString> id = ids.idOf(s.name);
        if (!id)
            continue;
        pugi::xml_node e = xml::addChild(root, "w:style");
        xml::setAttr(e, "w:type", typeName(s.type));
        if (s.isDefault)
            xml::setAttr(e, "w:default", "1");
        xml::setAttr(e, "w:styleId", *id);
        xml::setAttr(xml::child(e, "w:name"), "w:val", fileStyleName(s.name));
        if (!s.basedOn.isEmpty())
            if (std::optional<QString> base = ids.idOf(s.basedOn))
                xml::setAttr(xml::child(e, "w:basedOn"), "w:val", *base);
        if (const BuiltinStyle* b = builtinStyle(s.name)) {
            if (b->uiPriority)
                xml::setAttr(xml::child(e, "w:uiPriority"), "w:val", b->uiPriority);
            if (b->semiHidden) {
                xml::child(e, "w:semiHidden");
                xml::child(e, "w:unhideWhenUsed");
            }
            if (b->qFormat)
                xml::child(e, "w:qFormat");
        }
        if (s.type == StyleType::Numbering)
            continue;
        if (s.type != StyleType::Character && !s.paragraph.isEmpty())
            writeParaFormat(xml::child(e, "w:pPr"), s.paragraph, listExists);
        writeCharFormat(e, s.character);
        if (s.type == StyleType::Table) {
            pugi::xml_node tblPr = xml::child(e, "w:tblPr");
            pugi::xml_node ind = xml::child(tblPr, "w:tblInd");
            xml::setAttr(ind, "w:w", 0);
            xml::setAttr(ind, "w:type", "dxa");
            if (s.borders)
                writeBorders(tblPr, "w:tblBorders", *s.borders);
            writeCellMargins(tblPr, s.cellMarginLeft, s.cellMarginRight);
        }
    }
}

QHash<QString, QString> readStyleNames(const pugi::xml_document& styles) {
    QHash<QString, QString> names;
    for (pugi::xml_node e : styles.document_element().children("w:style")) {
        const QString id = xml::qstr(e.attribute("w:styleId").value());
        if (id.isEmpty() || names.contains(id))
            continue;
        QString name = xml::qstr(e.child("w:name").attribute("w:val").value());
        names.insert(id, name.isEmpty() ? id : modelStyleName(name));
    }
    return names;
}

void readStylesPart(const pugi::xml_document& styles, const QHash<QString, QString>& names,
                    const std::function<std::optional<int>(int)>& listIdOf, const ThemeFonts& theme,
                    Document& doc) {
    const pugi::xml_node root = styles.document_element();
    const pugi::xml_node defaults = root.child("w:docDefaults");

    // What WordprocessingML implies when a file leaves the defaults out.
    doc.defaults.character.fontName = QStringLiteral("Times New Roman");
    doc.defaults.character.halfPoints = 20;
    doc.defaults.paragraph.spaceBefore = 0;
    doc.defaults.paragraph.spaceAfter = 0;
    doc.defaults.paragraph.lineSpacing = LineSpacing{LineRule::Auto, 240};
    doc.defaults.character.overlay(
        readCharFormat(defaults.child("w:rPrDefault").child("w:rPr"), theme));
    ParaFormat pDefault = readParaFormat(defaults.child("w:pPrDefault").child("w:pPr"), listIdOf);
    pDefault.list.reset();
    doc.defaults.paragraph.overlay(pDefault);

    doc.styles.clear();
    QHash<QString, std::pair<bool, bool>> marginsGiven; // per style name: left, right
    for (pugi::xml_node e : root.children("w:style")) {
        const QString id = xml::qstr(e.attribute("w:styleId").value());
        const QString name = names.value(id);
        if (name.isEmpty() || marginsGiven.contains(name))
            continue;
        Style s;
        s.name = name;
        s.type = typeOf(e.attribute("w:type").value());
        const std::string def = e.attribute("w:default").value();
        s.isDefault = def == "1" || def == "true" || def == "on";
        if (pugi::xml_node based = e.child("w:basedOn")) {
            const QString baseName = names.value(xml::qstr(xml::val(based).c_str()));
            if (baseName != name)
                s.basedOn = baseName;
        }
        if (s.type != StyleType::Character && s.type != StyleType::Numbering)
            s.paragraph = readParaFormat(e.child("w:pPr"), listIdOf);
        if (s.type != StyleType::Numbering)
            s.character = readCharFormat(e.child("w:rPr"), theme);
        std::pair<bool, bool> given{false, false};
        if (s.type == StyleType::Table) {
            const pugi::xml_node tblPr = e.child("w:tblPr");
            const pugi::xml_node mar = tblPr.child("w:tblCellMar");
            const std::optional<int> left = readMargin(mar, "w:left", "w:start");
            const std::optional<int> right = readMargin(mar, "w:right", "w:end");
            s.cellMarginLeft = left.value_or(kDefaultCellMargin);
            s.cellMarginRight = right.value_or(kDefaultCellMargin);
            given = {left.has_value(), right.has_value()};
            s.borders = readBorders(tblPr.child("w:tblBorders"));
        }
        marginsGiven.insert(name, given);
        doc.styles.push_back(std::move(s));
    }

    // Table styles that leave cell margins out take them from the style they are based on.
    const DocIndex index(doc);
    for (Style& s : doc.styles) {
        if (s.type != StyleType::Table)
            continue;
        auto [leftGiven, rightGiven] = marginsGiven.value(s.name);
        int hops = 0;
        for (const Style* base = index.style(s.basedOn);
             base && hops < 16 && !(leftGiven && rightGiven);
             base = index.style(base->basedOn), ++hops) {
            const auto [bl, br] = marginsGiven.value(base->name);
            if (!leftGiven && bl)
                s.cellMarginLeft = base->cellMarginLeft, leftGiven = true;
            if (!rightGiven && br)
                s.cellMarginRight = base->cellMarginRight, rightGiven = true;
        }
    }
}

} // namespace engine::docx
