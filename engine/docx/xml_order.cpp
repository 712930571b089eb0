#include "engine/docx/xml_order.h"

#include <cstring>
#include <initializer_list>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace engine::docx::xml {

namespace {

using Sequence = std::vector<std::string_view>;

// Child sequences of wml.xsd. Run and row properties are a choice there, but Word and
// stricter validators expect this declaration order, so it is kept as a sequence too.
const Sequence kRPr = {"w:rStyle",
                       "w:rFonts",
                       "w:b",
                       "w:bCs",
                       "w:i",
                       "w:iCs",
                       "w:caps",
                       "w:smallCaps",
                       "w:strike",
                       "w:dstrike",
                       "w:outline",
                       "w:shadow",
                       "w:emboss",
                       "w:imprint",
                       "w:noProof",
                       "w:snapToGrid",
                       "w:vanish",
                       "w:webHidden",
                       "w:color",
                       "w:spacing",
                       "w:w",
                       "w:kern",
                       "w:position",
                       "w:sz",
                       "w:szCs",
                       "w:highlight",
                       "w:u",
                       "w:effect",
                       "w:bdr",
                       "w:shd",
                       "w:fitText",
                       "w:vertAlign",
                       "w:rtl",
                       "w:cs",
                       "w:em",
                       "w:lang",
                       "w:eastAsianLayout",
                       "w:specVanish",
                       "w:oMath",
                       "w:rPrChange"};

const Sequence kPPr = {"w:pStyle",
                       "w:keepNext",
                       "w:keepLines",
                       "w:pageBreakBefore",
                       "w:framePr",
                       "w:widowControl",
                       "w:numPr",
                       "w:suppressLineNumbers",
                       "w:pBdr",
                       "w:shd",
                       "w:tabs",
                       "w:suppressAutoHyphens",
                       "w:kinsoku",
                       "w:wordWrap",
                       "w:overflowPunct",
                       "w:topLinePunct",
                       "w:autoSpaceDE",
                       "w:autoSpaceDN",
                       "w:bidi",
                       "w:adjustRightInd",
                       "w:snapToGrid",
                       "w:spacing",
                       "w:ind",
                       "w:contextualSpacing",
                       "w:mirrorIndents",
                       "w:suppressOverlap",
                       "w:jc",
                       "w:textDirection",
                       "w:textAlignment",
                       "w:textboxTightWrap",
                       "w:outlineLvl",
                       "w:divId",
                       "w:cnfStyle",
                       "w:rPr",
                       "w:sectPr",
                       "w:pPrChange"};

const Sequence kTblPr = {"w:tblStyle",
                         "w:tblpPr",
                         "w:tblOverlap",
                         "w:bidiVisual",
                         "w:tblStyleRowBandSize",
                         "w:tblStyleColBandSize",
                         "w:tblW",
                         "w:jc",
                         "w:tblCellSpacing",
                         "w:tblInd",
                         "w:tblBorders",
                         "w:shd",
                         "w:tblLayout",
                         "w:tblCellMar",
                         "w:tblLook",
                         "w:tblCaption",
                         "w:tblDescription",
                         "w:tblPrChange"};

const Sequence kTrPr = {
    "w:cnfStyle", "w:divId",     "w:gridBefore", "w:gridAfter", "w:wBefore",
    "w:wAfter",   "w:cantSplit", "w:trHeight",   "w:tblHeader", "w:tblCellSpacing",
    "w:jc",       "w:hidden",    "w:ins",        "w:del",       "w:trPrChange"};

const Sequence kTcPr = {"w:cnfStyle",  "w:tcW",       "w:gridSpan",  "w:hMerge",  "w:vMerge",
                        "w:tcBorders", "w:shd",       "w:noWrap",    "w:tcMar",   "w:textDirection",
                        "w:tcFitText", "w:vAlign",    "w:hideMark",  "w:headers", "w:cellIns",
                        "w:cellDel",   "w:cellMerge", "w:tcPrChange"};

const Sequence kTbl = {"w:tblPr", "w:tblGrid", "w:tr"};
const Sequence kTr = {"w:tblPrEx", "w:trPr", "w:tc"};
const Sequence kTblBorders = {"w:top", "w:start", "w:left",    "w:bottom",
                              "w:end", "w:right", "w:insideH", "w:insideV"};
const Sequence kTcBorders = {"w:top",   "w:start",   "w:left",    "w:bottom", "w:end",
                             "w:right", "w:insideH", "w:insideV", "w:tl2br",  "w:tr2bl"};
const Sequence kCellMar = {"w:top", "w:start", "w:left", "w:bottom", "w:end", "w:right"};

const Sequence kSectPr = {"w:headerReference",
                          "w:footerReference",
                          "w:footnotePr",
                          "w:endnotePr",
                          "w:type",
                          "w:pgSz",
                          "w:pgMar",
                          "w:paperSrc",
                          "w:pgBorders",
                          "w:lnNumType",
                          "w:pgNumType",
                          "w:cols",
                          "w:formProt",
                          "w:vAlign",
                          "w:noEndnote",
                          "w:titlePg",
                          "w:textDirection",
                          "w:bidi",
                          "w:rtlGutter",
                          "w:docGrid",
                          "w:printerSettings",
                          "w:sectPrChange"};

const Sequence kLvl = {"w:start",  "w:numFmt", "w:lvlRestart", "w:pStyle",
                       "w:isLgl",  "w:suff",   "w:lvlText",    "w:lvlPicBulletId",
                       "w:legacy", "w:lvlJc",  "w:pPr",        "w:rPr"};
const Sequence kAbstractNum = {"w:nsid",      "w:multiLevelType", "w:tmpl", "w:name",
                               "w:styleLink", "w:numStyleLink",   "w:lvl"};
const Sequence kNum = {"w:abstractNumId", "w:lvlOverride"};
const Sequence kNumbering = {"w:numPicBullet", "w:abstractNum", "w:num", "w:numIdMacAtCleanup"};

const Sequence kStyle = {"w:name",          "w:aliases",
                         "w:basedOn",       "w:next",
                         "w:link",          "w:autoRedefine",
                         "w:hidden",        "w:uiPriority",
                         "w:semiHidden",    "w:unhideWhenUsed",
                         "w:qFormat",       "w:locked",
                         "w:personal",      "w:personalCompose",
                         "w:personalReply", "w:rsid",
                         "w:pPr",           "w:rPr",
                         "w:tblPr",         "w:trPr",
                         "w:tcPr",          "w:tblStylePr"};
const Sequence kStyles = {"w:docDefaults", "w:latentStyles", "w:style"};
const Sequence kDocDefaults = {"w:rPrDefault", "w:pPrDefault"};

// The part of CT_Settings' long sequence that is ever written here, in schema order.
const Sequence kSettings = {"w:writeProtection",
                            "w:view",
                            "w:zoom",
                            "w:removePersonalInformation",
                            "w:proofState",
                            "w:defaultTabStop",
                            "w:autoHyphenation",
                            "w:characterSpacingControl",
                            "w:compat",
                            "w:rsids",
                            "w:themeFontLang",
                            "w:decimalSymbol",
                            "w:listSeparator"};

const std::unordered_map<std::string_view, const Sequence*>& sequences() {
    static const std::unordered_map<std::string_view, const Sequence*> map = {
        {"w:rPr", &kRPr},
        {"w:pPr", &kPPr},
        {"w:tblPr", &kTblPr},
        {"w:trPr", &kTrPr},
        {"w:tcPr", &kTcPr},
        {"w:tbl", &kTbl},
        {"w:tr", &kTr},
        {"w:tblBorders", &kTblBorders},
        {"w:tcBorders", &kTcBorders},
        {"w:tblCellMar", &kCellMar},
        {"w:tcMar", &kCellMar},
        {"w:sectPr", &kSectPr},
        {"w:lvl", &kLvl},
        {"w:abstractNum", &kAbstractNum},
        {"w:num", &kNum},
        {"w:numbering", &kNumbering},
        {"w:style", &kStyle},
        {"w:styles", &kStyles},
        {"w:docDefaults", &kDocDefaults},
        {"w:settings", &kSettings},
    };
    return map;
}

int indexIn(const Sequence& seq, std::string_view name) {
    for (size_t i = 0; i < seq.size(); ++i)
        if (seq[i] == name)
            return int(i);
    return -1;
}

const Sequence* sequenceOf(pugi::xml_node parent) {
    const auto& map = sequences();
    const auto it = map.find(parent.name());
    return it == map.end() ? nullptr : it->second;
}

// Inserts `name` before the first child that comes later in the sequence (or, with
// `afterSame`, also after the existing children of the same name).
pugi::xml_node insertInOrder(pugi::xml_node parent, const char* name) {
    const Sequence* seq = sequenceOf(parent);
    const int at = seq ? indexIn(*seq, name) : -1;
    if (at < 0)
        return parent.append_child(name);
    for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling()) {
        if (c.type() != pugi::node_element)
            continue;
        if (indexIn(*seq, c.name()) > at)
            return parent.insert_child_before(name, c);
    }
    return parent.append_child(name);
}

} // namespace

pugi::xml_node child(pugi::xml_node parent, const char* name) {
    if (pugi::xml_node c = parent.child(name))
        return c;
    return insertInOrder(parent, name);
}

pugi::xml_node addChild(pugi::xml_node parent, const char* name) {
    return insertInOrder(parent, name);
}

int orderOf(const char* parentName, const char* childName) {
    const auto& map = sequences();
    const auto it = map.find(parentName);
    return it == map.end() ? -1 : indexIn(*it->second, childName);
}

std::vector<std::pair<std::string_view, std::vector<std::string_view>>> allSequences() {
    std::vector<std::pair<std::string_view, std::vector<std::string_view>>> out;
    for (const auto& [parent, seq] : sequences())
        out.emplace_back(parent, *seq);
    return out;
}

} // namespace engine::docx::xml
