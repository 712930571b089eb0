#pragma once
// Small helpers shared by the part readers and writers: namespaces, safe text, and the
// forgiving attribute parsing that files from other programs need.

#include <QString>

#include <pugixml.hpp>

#include <optional>
#include <string>

namespace engine::docx::xml {

inline constexpr char kNsW[] = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr char kNsR[] =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr char kNsRels[] = "http://schemas.openxmlformats.org/package/2006/relationships";
inline constexpr char kNsContentTypes[] =
    "http://schemas.openxmlformats.org/package/2006/content-types";
inline constexpr char kNsTheme[] = "http://schemas.openxmlformats.org/drawingml/2006/main";

/// The text with every character removed that XML 1.0 cannot hold or that is a control
/// character other than tab and line feed: C0 and C1 controls, U+FFFE, U+FFFF and
/// unpaired surrogates. Callers map the meaningful controls (tab, line break) first.
QString safeText(const QString& s);
std::string utf8(const QString& s);
inline QString qstr(const char* s) {
    return QString::fromUtf8(s);
}

/// An integer attribute; tolerates a fractional value (rounded) and rejects anything that
/// is not a finite number within ±`limit`.
std::optional<int> intAttr(pugi::xml_node n, const char* name, int limit = 1 << 24);
/// A length in twips: a plain number, or a number with a unit (mm, cm, in, pt, pc, pi) as
/// the transitional schema also allows.
std::optional<int> twipsAttr(pugi::xml_node n, const char* name);
/// The w:val of an on/off property: absent, "1", "true", "on" mean on; "0", "false", "off",
/// "none" mean off.
bool onOff(pugi::xml_node n);
/// w:val as text ("" when absent).
std::string val(pugi::xml_node n);

/// Sets attribute `name` (appending it when missing).
void setAttr(pugi::xml_node n, const char* name, const char* value);
void setAttr(pugi::xml_node n, const char* name, int value);
void setAttr(pugi::xml_node n, const char* name, const QString& value);

/// Rewrites element and attribute prefixes to the ones this code reads ("w:", "r:", "a:",
/// package namespaces unprefixed) wherever a document binds those namespaces to other
/// prefixes, or to the default namespace. Strict-conformance namespaces map to their
/// transitional equals. Non-recursive, so any depth is safe.
void normalizePrefixes(pugi::xml_document& doc);

/// Serializes without indentation, with an XML declaration saying standalone="yes".
std::string serialize(const pugi::xml_document& doc);
/// A new document with the declaration Word writes.
void addDeclaration(pugi::xml_document& doc);

} // namespace engine::docx::xml
