#include "engine/docx/xml_util.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <utility>
#include <vector>

namespace engine::docx::xml {

QString safeText(const QString& s) {
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 < s.size() && QChar::isLowSurrogate(s[i + 1].unicode())) {
                out += s[i];
                out += s[++i];
            }
            continue; // an unpaired high surrogate cannot be encoded
        }
        if (QChar::isLowSurrogate(c))
            continue;
        if (c < 0x20 && c != u'\t' && c != u'\n')
            continue;
        if (c >= 0x7F && c <= 0x9F)
            continue;
        if (c == 0xFFFE || c == 0xFFFF)
            continue;
        out += s[i];
    }
    return out;
}

std::string utf8(const QString& s) {
    const QByteArray b = s.toUtf8();
    return std::string(b.constData(), size_t(b.size()));
}

std::optional<int> intAttr(pugi::xml_node n, const char* name, int limit) {
    const pugi::xml_attribute a = n.attribute(name);
    if (!a)
        return std::nullopt;
    const char* text = a.value();
    char* end = nullptr;
    const double d = std::strtod(text, &end);
    if (end == text)
        return std::nullopt;
    while (*end == ' ')
        ++end;
    if (*end != '\0' || !std::isfinite(d) || std::fabs(d) > limit)
        return std::nullopt;
    return int(std::lround(d));
}

std::optional<int> twipsAttr(pugi::xml_node n, const char* name) {
    const pugi::xml_attribute a = n.attribute(name);
    if (!a)
        return std::nullopt;
    const char* text = a.value();
    char* end = nullptr;
    const double d = std::strtod(text, &end);
    if (end == text || !std::isfinite(d))
        return std::nullopt;
    static const std::pair<const char*, double> kUnits[] = {
        {"", 1},    {"mm", 1440 / 25.4}, {"cm", 1440 / 2.54}, {"in", 1440},
        {"pt", 20}, {"pc", 240},         {"pi", 240}};
    for (const auto& [unit, factor] : kUnits) {
        if (std::strcmp(end, unit) != 0)
            continue;
        const double twips = d * factor;
        if (std::fabs(twips) > (1 << 24))
            return std::nullopt;
        return int(std::lround(twips));
    }
    return std::nullopt;
}

bool onOff(pugi::xml_node n) {
    const pugi::xml_attribute a = n.attribute("w:val");
    if (!a)
        return true;
    const char* v = a.value();
    return !(std::strcmp(v, "0") == 0 || std::strcmp(v, "false") == 0 ||
             std::strcmp(v, "off") == 0 || std::strcmp(v, "none") == 0);
}

std::string val(pugi::xml_node n) {
    return n.attribute("w:val").value();
}

void setAttr(pugi::xml_node n, const char* name, const char* value) {
    pugi::xml_attribute a = n.attribute(name);
    if (!a)
        a = n.append_attribute(name);
    a.set_value(value);
}

void setAttr(pugi::xml_node n, const char* name, int value) {
    setAttr(n, name, std::to_string(value).c_str());
}

void setAttr(pugi::xml_node n, const char* name, const QString& value) {
    setAttr(n, name, utf8(safeText(value)).c_str());
}

namespace {

// Namespaces whose elements this code reads by prefix, with the prefix it expects.
struct Canonical {
    const char* uri;
    const char* prefix;
};
const Canonical kCanonical[] = {
    {kNsW, "w"},
    {"http://purl.oclc.org/ooxml/wordprocessingml/main", "w"},
    {kNsR, "r"},
    {"http://purl.oclc.org/ooxml/officeDocument/relationships", "r"},
    {kNsTheme, "a"},
    {"http://purl.oclc.org/ooxml/drawingml/main", "a"},
    {"http://schemas.openxmlformats.org/package/2006/metadata/core-properties", "cp"},
    {"http://purl.org/dc/elements/1.1/", "dc"},
    {"http://purl.org/dc/terms/", "dcterms"},
};

const char* canonicalPrefix(const std::string& uri) {
    for (const Canonical& c : kCanonical)
        if (uri == c.uri)
            return c.prefix;
    return nullptr;
}

struct Binding {
    std::string prefix; // "" for the default namespace
    std::string uri;
};

class PrefixRewriter {
  public:
    void enter(pugi::xml_node e) {
        marks_.push_back(bindings_.size());
        for (pugi::xml_attribute a : e.attributes()) {
            const char* name = a.name();
            if (std::strcmp(name, "xmlns") == 0)
                bindings_.push_back({std::string(), a.value()});
            else if (std::strncmp(name, "xmlns:", 6) == 0)
                bindings_.push_back({std::string(name + 6), a.value()});
        }
        rename(e, true);
        for (pugi::xml_attribute a : e.attributes())
            renameAttribute(a);
    }
    void leave() {
        bindings_.resize(marks_.back());
        marks_.pop_back();
    }

  private:
    const std::string* lookup(const std::string& prefix) const {
        for (auto it = bindings_.rbegin(); it != bindings_.rend(); ++it)
            if (it->prefix == prefix)
                return &it->uri;
        return nullptr;
    }
    // The name with its prefix replaced by the canonical one, or empty when unchanged.
    std::string canonicalName(const char* name, bool isElement) const {
        const char* colon = std::strchr(name, ':');
        if (!colon && !isElement)
            return {}; // unprefixed attributes have no namespace
        const std::string prefix = colon ? std::string(name, colon) : std::string();
        if (prefix == "xmlns")
            return {};
        const std::string* uri = lookup(prefix);
        if (!uri)
            return {};
        const char* want = canonicalPrefix(*uri);
        if (!want || prefix == want)
            return {};
        return std::string(want) + ':' + (colon ? colon + 1 : name);
    }
    void rename(pugi::xml_node e, bool isElement) {
        const std::string n = canonicalName(e.name(), isElement);
        if (!n.empty())
            e.set_name(n.c_str());
    }
    void renameAttribute(pugi::xml_attribute a) {
        const std::string n = canonicalName(a.name(), false);
        if (!n.empty())
            a.set_name(n.c_str());
    }

    std::vector<Binding> bindings_;
    std::vector<size_t> marks_;
};

pugi::xml_node nextElement(pugi::xml_node n) {
    while (n && n.type() != pugi::node_element)
        n = n.next_sibling();
    return n;
}

} // namespace

void normalizePrefixes(pugi::xml_document& doc) {
    PrefixRewriter rw;
    pugi::xml_node n = nextElement(doc.first_child());
    while (n) {
        rw.enter(n);
        if (pugi::xml_node child = nextElement(n.first_child())) {
            n = child;
            continue;
        }
        // Leave this element and every ancestor that has no further element sibling.
        for (;;) {
            rw.leave();
            if (pugi::xml_node sib = nextElement(n.next_sibling())) {
                n = sib;
                break;
            }
            n = n.parent();
            if (!n || n.type() != pugi::node_element) {
                n = pugi::xml_node();
                break;
            }
        }
    }
}

void addDeclaration(pugi::xml_document& doc) {
    pugi::xml_node decl = doc.prepend_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    decl.append_attribute("standalone") = "yes";
}

std::string serialize(const pugi::xml_document& doc) {
    std::ostringstream out;
    doc.save(out, "", pugi::format_raw, pugi::encoding_utf8);
    return out.str();
}

} // namespace engine::docx::xml
