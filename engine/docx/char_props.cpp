#include "engine/docx/char_props.h"

#include "engine/docx/xml_order.h"
#include "engine/docx/xml_util.h"

#include <cstring>

namespace engine::docx {

using model::CharFormat;
using model::Underline;

namespace {

// The on/off properties with their element names; the complex-script twin (bCs, iCs) is
// written beside bold and italic so right-to-left and Asian text shows the same.
struct FlagElement {
    std::optional<bool> CharFormat::*member;
    const char* element;
    const char* complexTwin;
};
const FlagElement kFlags[] = {
    {&CharFormat::bold, "w:b", "w:bCs"},
    {&CharFormat::italic, "w:i", "w:iCs"},
    {&CharFormat::allCaps, "w:caps", nullptr},
    {&CharFormat::strike, "w:strike", nullptr},
    {&CharFormat::doubleStrike, "w:dstrike", nullptr},
    {&CharFormat::outline, "w:outline", nullptr},
    {&CharFormat::shadow, "w:shadow", nullptr},
    {&CharFormat::emboss, "w:emboss", nullptr},
    {&CharFormat::engrave, "w:imprint", nullptr},
    {&CharFormat::hidden, "w:vanish", nullptr},
};

struct UnderlineName {
    Underline value;
    const char* name;
};
const UnderlineName kUnderlines[] = {
    {Underline::None, "none"},     {Underline::Single, "single"}, {Underline::Words, "words"},
    {Underline::Double, "double"}, {Underline::Dotted, "dotted"}, {Underline::Thick, "thick"},
};

// ST_TextEffect in the order of Word's wdAnimation values.
const char* const kEffects[] = {"none",      "lights",  "blinkBackground", "sparkle",
                                "antsBlack", "antsRed", "shimmer"};

void writeFlag(pugi::xml_node rPr, const char* element, bool on) {
    pugi::xml_node e = xml::child(rPr, element);
    if (!on)
        xml::setAttr(e, "w:val", "0");
}

QString hexColor(uint32_t rgb) {
    return QStringLiteral("%1").arg(rgb & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

QString themeFont(const char* ref, const ThemeFonts& theme) {
    if (std::strncmp(ref, "minor", 5) == 0)
        return theme.minor;
    if (std::strncmp(ref, "major", 5) == 0)
        return theme.major;
    return {};
}

} // namespace

void writeCharFormat(pugi::xml_node parent, const CharFormat& f, bool always) {
    if (f.isEmpty() && !always)
        return;
    pugi::xml_node rPr = xml::child(parent, "w:rPr");
    if (f.fontName) {
        pugi::xml_node fonts = xml::child(rPr, "w:rFonts");
        for (const char* a : {"w:ascii", "w:hAnsi", "w:eastAsia", "w:cs"})
            xml::setAttr(fonts, a, *f.fontName);
    }
    for (const FlagElement& flag : kFlags) {
        const std::optional<bool>& v = f.*(flag.member);
        if (!v)
            continue;
        writeFlag(rPr, flag.element, *v);
        if (flag.complexTwin)
            writeFlag(rPr, flag.complexTwin, *v);
    }
    if (f.color)
        xml::setAttr(xml::child(rPr, "w:color"), "w:val",
                     *f.color == model::kAutoColor ? QStringLiteral("auto") : hexColor(*f.color));
    if (f.halfPoints) {
        xml::setAttr(xml::child(rPr, "w:sz"), "w:val", *f.halfPoints);
        xml::setAttr(xml::child(rPr, "w:szCs"), "w:val", *f.halfPoints);
    }
    if (f.underline) {
        const char* name = "single";
        for (const UnderlineName& u : kUnderlines)
            if (u.value == *f.underline)
                name = u.name;
        xml::setAttr(xml::child(rPr, "w:u"), "w:val", name);
    }
    if (f.animation && *f.animation >= 0 && *f.animation < int(std::size(kEffects)))
        xml::setAttr(xml::child(rPr, "w:effect"), "w:val", kEffects[*f.animation]);
    if (f.superscript || f.subscript) {
        const char* v = f.superscript.value_or(false) ? "superscript"
                        : f.subscript.value_or(false) ? "subscript"
                                                      : "baseline";
        xml::setAttr(xml::child(rPr, "w:vertAlign"), "w:val", v);
    }
}

CharFormat readCharFormat(pugi::xml_node rPr, const ThemeFonts& theme) {
    CharFormat f;
    if (!rPr)
        return f;
    if (pugi::xml_node fonts = rPr.child("w:rFonts")) {
        QString name;
        for (const char* a : {"w:ascii", "w:hAnsi"})
            if (name.isEmpty())
                name = xml::qstr(fonts.attribute(a).value());
        for (const char* a : {"w:asciiTheme", "w:hAnsiTheme"})
            if (name.isEmpty())
                name = themeFont(fonts.attribute(a).value(), theme);
        if (!name.isEmpty())
            f.fontName = name;
    }
    for (const FlagElement& flag : kFlags)
        if (pugi::xml_node e = rPr.child(flag.element))
            f.*(flag.member) = xml::onOff(e);
    if (pugi::xml_node c = rPr.child("w:color")) {
        const std::string v = xml::val(c);
        bool ok = false;
        const uint32_t rgb = QString::fromStdString(v).toUInt(&ok, 16);
        if (v == "auto")
            f.color = model::kAutoColor;
        else if (ok && v.size() == 6)
            f.color = rgb;
    }
    if (auto sz = xml::intAttr(rPr.child("w:sz"), "w:val", 3276))
        if (*sz > 0)
            f.halfPoints = *sz;
    if (pugi::xml_node u = rPr.child("w:u")) {
        const std::string v = xml::val(u);
        f.underline = Underline::Single; // kinds the model lacks draw as single
        for (const UnderlineName& n : kUnderlines)
            if (v == n.name)
                f.underline = n.value;
    }
    if (pugi::xml_node e = rPr.child("w:effect")) {
        const std::string v = xml::val(e);
        for (int i = 0; i < int(std::size(kEffects)); ++i)
            if (v == kEffects[i])
                f.animation = i;
    }
    if (pugi::xml_node va = rPr.child("w:vertAlign")) {
        const std::string v = xml::val(va);
        if (v == "superscript")
            f.superscript = true;
        else if (v == "subscript")
            f.subscript = true;
        else if (v == "baseline")
            f.superscript = f.subscript = false;
    }
    return f;
}

} // namespace engine::docx
