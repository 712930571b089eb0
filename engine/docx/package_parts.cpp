#include "engine/docx/package_parts.h"

#include "engine/docx/xml_order.h"
#include "engine/docx/xml_util.h"

#include <pugixml.hpp>

namespace engine::docx {

namespace {

constexpr char kRelBase[] = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
constexpr char kWordMl[] = "application/vnd.openxmlformats-officedocument.wordprocessingml.";

QByteArray bytesOf(const pugi::xml_document& doc) {
    return QByteArray::fromStdString(xml::serialize(doc));
}

QString rel(const char* last) {
    return QString::fromLatin1(kRelBase) + QLatin1String(last);
}

void compatSetting(pugi::xml_node compat, const char* name, const char* value) {
    pugi::xml_node s = compat.append_child("w:compatSetting");
    xml::setAttr(s, "w:name", name);
    xml::setAttr(s, "w:uri", "http://schemas.microsoft.com/office/word");
    xml::setAttr(s, "w:val", value);
}

} // namespace

QByteArray settingsPart() {
    pugi::xml_document doc;
    xml::addDeclaration(doc);
    pugi::xml_node root = doc.append_child("w:settings");
    root.append_attribute("xmlns:w") = xml::kNsW;
    xml::setAttr(xml::child(root, "w:zoom"), "w:percent", 100);
    xml::setAttr(xml::child(root, "w:defaultTabStop"), "w:val", 720);
    xml::setAttr(xml::child(root, "w:characterSpacingControl"), "w:val", "doNotCompress");
    // Compatibility mode 15: lay the file out as a current Word document does.
    pugi::xml_node compat = xml::child(root, "w:compat");
    compatSetting(compat, "compatibilityMode", "15");
    compatSetting(compat, "overrideTableStyleFontSizeAndJustification", "1");
    compatSetting(compat, "enableOpenTypeFeatures", "1");
    compatSetting(compat, "doNotFlipMirrorIndents", "1");
    compatSetting(compat, "differentiateMultirowTableHeaders", "1");
    return bytesOf(doc);
}

QByteArray corePropertiesPart(const model::DocumentInfo& info) {
    pugi::xml_document doc;
    xml::addDeclaration(doc);
    pugi::xml_node root = doc.append_child("cp:coreProperties");
    root.append_attribute("xmlns:cp") =
        "http://schemas.openxmlformats.org/package/2006/metadata/core-properties";
    root.append_attribute("xmlns:dc") = "http://purl.org/dc/elements/1.1/";
    root.append_attribute("xmlns:dcterms") = "http://purl.org/dc/terms/";
    root.append_attribute("xmlns:dcmitype") = "http://purl.org/dc/dcmitype/";
    root.append_attribute("xmlns:xsi") = "http://www.w3.org/2001/XMLSchema-instance";
    const auto text = [&](const char* name, const QString& value) {
        const QString safe = xml::safeText(value);
        if (!safe.isEmpty())
            root.append_child(name)
                .append_child(pugi::node_pcdata)
                .set_value(xml::utf8(safe).c_str());
    };
    const auto date = [&](const char* name, const QDateTime& when) {
        if (!when.isValid())
            return;
        pugi::xml_node e = root.append_child(name);
        e.append_attribute("xsi:type") = "dcterms:W3CDTF";
        const QString iso = when.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
        e.append_child(pugi::node_pcdata).set_value(xml::utf8(iso).c_str());
    };
    text("dc:title", info.title);
    text("dc:creator", info.author);
    date("dcterms:created", info.created);
    date("dcterms:modified", info.modified);
    return bytesOf(doc);
}

QByteArray appPropertiesPart() {
    pugi::xml_document doc;
    xml::addDeclaration(doc);
    pugi::xml_node root = doc.append_child("Properties");
    root.append_attribute("xmlns") =
        "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties";
    root.append_attribute("xmlns:vt") =
        "http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes";
    root.append_child("Application").append_child(pugi::node_pcdata).set_value("Quillory");
    root.append_child("DocSecurity").append_child(pugi::node_pcdata).set_value("0");
    return bytesOf(doc);
}

QByteArray contentTypesPart() {
    pugi::xml_document doc;
    xml::addDeclaration(doc);
    pugi::xml_node root = doc.append_child("Types");
    root.append_attribute("xmlns") = xml::kNsContentTypes;
    const auto byExtension = [&](const char* ext, const char* type) {
        pugi::xml_node d = root.append_child("Default");
        d.append_attribute("Extension") = ext;
        d.append_attribute("ContentType") = type;
    };
    const auto byPart = [&](const char* part, const QString& type) {
        pugi::xml_node o = root.append_child("Override");
        o.append_attribute("PartName") = part;
        xml::setAttr(o, "ContentType", type);
    };
    byExtension("rels", "application/vnd.openxmlformats-package.relationships+xml");
    byExtension("xml", "application/xml");
    const QString wml = QString::fromLatin1(kWordMl);
    byPart("/word/document.xml", wml + QStringLiteral("document.main+xml"));
    byPart("/word/styles.xml", wml + QStringLiteral("styles+xml"));
    byPart("/word/numbering.xml", wml + QStringLiteral("numbering+xml"));
    byPart("/word/settings.xml", wml + QStringLiteral("settings+xml"));
    byPart("/docProps/core.xml",
           QStringLiteral("application/vnd.openxmlformats-package.core-properties+xml"));
    byPart("/docProps/app.xml",
           QStringLiteral("application/vnd.openxmlformats-officedocument.extended-properties+xml"));
    return bytesOf(doc);
}

QByteArray packageRelationships() {
    return writeRelationships({
        {QStringLiteral("rId1"), rel("officeDocument"), QString::fromLatin1(kMainPart), false},
        {QStringLiteral("rId2"),
         QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships/metadata/"
                        "core-properties"),
         QStringLiteral("docProps/core.xml"), false},
        {QStringLiteral("rId3"), rel("extended-properties"), QStringLiteral("docProps/app.xml"),
         false},
    });
}

QByteArray documentRelationships() {
    return writeRelationships({
        {QStringLiteral("rId1"), rel("styles"), QStringLiteral("styles.xml"), false},
        {QStringLiteral("rId2"), rel("numbering"), QStringLiteral("numbering.xml"), false},
        {QStringLiteral("rId3"), rel("settings"), QStringLiteral("settings.xml"), false},
    });
}

model::DocumentInfo readCoreProperties(const QByteArray& bytes) {
    model::DocumentInfo info;
    pugi::xml_document doc;
    if (!doc.load_buffer(bytes.constData(), size_t(bytes.size())))
        return info;
    xml::normalizePrefixes(doc);
    const pugi::xml_node root = doc.document_element();
    info.title = xml::qstr(root.child("dc:title").text().get());
    info.author = xml::qstr(root.child("dc:creator").text().get());
    const auto date = [&](const char* name) {
        QDateTime d =
            QDateTime::fromString(xml::qstr(root.child(name).text().get()).trimmed(), Qt::ISODate);
        return d.isValid() ? d.toUTC() : QDateTime();
    };
    info.created = date("dcterms:created");
    info.modified = date("dcterms:modified");
    return info;
}

} // namespace engine::docx
