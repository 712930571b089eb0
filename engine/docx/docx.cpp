#include "engine/docx/docx.h"

#include "engine/docx/document_reader.h"
#include "engine/docx/document_writer.h"
#include "engine/docx/numbering_part.h"
#include "engine/docx/package_parts.h"
#include "engine/docx/styles_part.h"
#include "engine/docx/xml_util.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <pugixml.hpp>

#include <cstring>

namespace engine::docx {

using model::Document;

namespace {

QByteArray bytesOf(const pugi::xml_document& doc) {
    return QByteArray::fromStdString(xml::serialize(doc));
}

// ---- reading ----------------------------------------------------------------------------

// Files people mistake for Word documents, recognised by their first bytes.
void rejectForeignFormats(const QByteArray& bytes) {
    if (bytes.isEmpty())
        throw ReadError(QStringLiteral("the file is empty"));
    if (bytes.startsWith(QByteArray::fromHex("D0CF11E0A1B11AE1")))
        throw ReadError(
            QStringLiteral("it is a Word 97-2003 document (.doc) or a password-protected document, "
                           "which cannot be read; save it as a Word document (.docx) first"));
    if (bytes.startsWith("{\\rtf"))
        throw ReadError(QStringLiteral("it is a Rich Text Format file, not a Word document"));
    if (bytes.startsWith("%PDF"))
        throw ReadError(QStringLiteral("it is a PDF file, not a Word document"));
    if (!bytes.startsWith("PK"))
        throw ReadError(QStringLiteral("it is not a Word document (it is not a ZIP package)"));
}

void parseXml(PackageReader& pkg, const QString& part, pugi::xml_document& out,
              const char* rootName) {
    const std::optional<QByteArray> bytes = pkg.read(part);
    if (!bytes)
        return;
    const pugi::xml_parse_result r = out.load_buffer(bytes->constData(), size_t(bytes->size()),
                                                     pugi::parse_default, pugi::encoding_auto);
    if (!r)
        throw ReadError(QStringLiteral("its part %1 is damaged (%2 at byte %3)")
                            .arg(part, QString::fromUtf8(r.description()))
                            .arg(r.offset));
    xml::normalizePrefixes(out);
    if (std::strcmp(out.document_element().name(), rootName) != 0)
        throw ReadError(
            QStringLiteral("its part %1 is not what a Word document holds there").arg(part));
}

ThemeFonts readTheme(PackageReader& pkg, const QString& main) {
    ThemeFonts fonts;
    const std::optional<QString> part = pkg.target(main, "theme");
    const std::optional<QByteArray> bytes = part ? pkg.read(*part) : std::nullopt;
    pugi::xml_document doc;
    if (!bytes || !doc.load_buffer(bytes->constData(), size_t(bytes->size())))
        return fonts;
    xml::normalizePrefixes(doc);
    const pugi::xml_node scheme =
        doc.document_element().child("a:themeElements").child("a:fontScheme");
    const QString minor =
        xml::qstr(scheme.child("a:minorFont").child("a:latin").attribute("typeface").value());
    const QString major =
        xml::qstr(scheme.child("a:majorFont").child("a:latin").attribute("typeface").value());
    if (!minor.isEmpty())
        fonts.minor = minor;
    if (!major.isEmpty())
        fonts.major = major;
    return fonts;
}

QString mainPart(PackageReader& pkg) {
    if (std::optional<QString> main = pkg.target(QString(), "officeDocument")) {
        if (pkg.has(*main))
            return *main;
        throw ReadError(QStringLiteral("its main document part (%1) is missing").arg(*main));
    }
    if (pkg.has(QString::fromLatin1(kMainPart)))
        return QString::fromLatin1(kMainPart);
    throw ReadError(
        QStringLiteral("it is not a Word document (the package has no main document part)"));
}

} // namespace

Document fromPackage(const QByteArray& bytes, const ReadLimits& limits) {
    rejectForeignFormats(bytes);
    if (bytes.size() > limits.maxFileBytes)
        throw ReadError(QStringLiteral("the file is too large to be a document"));
    PackageReader pkg(bytes, limits);
    const QString main = mainPart(pkg);

    pugi::xml_document body;
    parseXml(pkg, main, body, "w:document");
    if (!body.document_element().child("w:body"))
        throw ReadError(QStringLiteral("its main document part has no body"));

    BodyReferences refs;
    refs.theme = readTheme(pkg, main);
    pugi::xml_document styles, numbering;
    if (std::optional<QString> part = pkg.target(main, "styles"))
        parseXml(pkg, *part, styles, "w:styles");
    if (std::optional<QString> part = pkg.target(main, "numbering"))
        parseXml(pkg, *part, numbering, "w:numbering");

    Document doc = Document::bare();
    refs.styleNames = readStyleNames(styles);
    refs.listIds = readNumberingPart(numbering, styles, refs.styleNames, refs.theme, doc);
    const auto listIdOf = [&refs](int numId) -> std::optional<int> {
        const auto it = refs.listIds.constFind(numId);
        return it == refs.listIds.constEnd() ? std::nullopt : std::optional<int>(*it);
    };
    readStylesPart(styles, refs.styleNames, listIdOf, refs.theme, doc);
    readDocumentPart(body, refs, limits, doc);

    if (std::optional<QString> core = pkg.target(QString(), "core-properties"))
        if (std::optional<QByteArray> bytes = pkg.read(*core))
            doc.info = readCoreProperties(*bytes);
    return doc;
}

Document load(const QString& path, const ReadLimits& limits) {
    const auto fail = [&](const QString& why) {
        return ReadError(QStringLiteral("The file \"%1\" cannot be opened: %2.")
                             .arg(QDir::toNativeSeparators(path), why));
    };
    QFile file(path);
    if (!QFileInfo::exists(path))
        throw fail(QStringLiteral("it does not exist"));
    if (QFileInfo(path).isDir())
        throw fail(QStringLiteral("it is a folder"));
    if (!file.open(QIODevice::ReadOnly))
        throw fail(file.errorString());
    if (file.size() > limits.maxFileBytes)
        throw fail(QStringLiteral("it is too large to be a document"));
    const QByteArray bytes = file.readAll();
    try {
        return fromPackage(bytes, limits);
    } catch (const ReadError& e) {
        throw fail(e.description());
    }
}

// ---- writing ----------------------------------------------------------------------------

std::vector<std::pair<QString, QByteArray>> packageParts(const Document& doc) {
    const StyleIds ids(doc.styles);
    pugi::xml_document document, styles, numbering;
    writeDocumentPart(document, doc, ids);
    writeStylesPart(styles, doc, ids);
    writeNumberingPart(numbering, doc, ids);
    return {
        {QStringLiteral("[Content_Types].xml"), contentTypesPart()},
        {QStringLiteral("_rels/.rels"), packageRelationships()},
        {QStringLiteral("docProps/core.xml"), corePropertiesPart(doc.info)},
        {QStringLiteral("docProps/app.xml"), appPropertiesPart()},
        {QString::fromLatin1(kMainPart), bytesOf(document)},
        {QStringLiteral("word/_rels/document.xml.rels"), documentRelationships()},
        {QStringLiteral("word/styles.xml"), bytesOf(styles)},
        {QStringLiteral("word/numbering.xml"), bytesOf(numbering)},
        {QStringLiteral("word/settings.xml"), settingsPart()},
    };
}

QByteArray toPackage(const Document& doc) {
    PackageWriter w;
    for (auto& [name, bytes] : packageParts(doc))
        w.add(name, std::move(bytes));
    return w.finish();
}

void save(const Document& doc, const QString& path) {
    const auto fail = [&](const QString& why) {
        return WriteError(QStringLiteral("The file \"%1\" cannot be saved: %2.")
                              .arg(QDir::toNativeSeparators(path), why));
    };
    if (path.isEmpty())
        throw fail(QStringLiteral("no file name was given"));
    if (QFileInfo(path).isDir())
        throw fail(QStringLiteral("it is a folder"));
    QByteArray bytes;
    try {
        bytes = toPackage(doc);
    } catch (const WriteError& e) {
        throw fail(e.description());
    }
    // QSaveFile writes to a new file beside the target and renames it over the target on
    // commit; without commit the temporary file is removed and the target is untouched.
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        throw fail(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        throw fail(why);
    }
    if (!file.commit())
        throw fail(file.errorString());
}

} // namespace engine::docx
