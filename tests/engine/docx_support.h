#pragma once
// Shared by the Word file tests: documents built through the model API, and the parts of a
// saved package.

#include "engine/docx/docx.h"
#include "engine/model/document.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <pugixml.hpp>

#include <map>
#include <memory>

namespace docx_test {

/// Tahoma 8 pt, the résumé's font.
engine::model::CharFormat tahoma8(bool bold = false, bool italic = false);

/// The bullet template the generator defines: "my list", level 1 a Wingdings U+F0A7
/// bullet at 18 pt with text at 36 pt.
engine::model::ListTemplate bulletTemplate();

/// A document shaped as the generator leaves it: one three-column table (30/200/200 pt)
/// with the header, the skills list, `workEntries` work-history entries and education.
engine::model::Document sampleResume(int workEntries = 1);

/// A document that uses every property the writer knows: all character flags, underline,
/// colour, paragraph spacing and indents, every alignment, styles, borders, a nested table,
/// a nine-level list, line and page breaks, tabs and characters XML cannot hold.
engine::model::Document everyFeature();

/// The parts of a package, by name.
std::map<QString, QByteArray> partsOf(const QByteArray& package);
std::map<QString, QByteArray> partsOfFile(const QString& path);

/// A zip of these parts, in this order.
QByteArray makePackage(const std::vector<std::pair<QString, QByteArray>>& parts);
/// A minimal Word package around the given parts' XML; styles and numbering are left out
/// when empty. `body` is the content of w:body, with the w, r and w14 prefixes bound.
QByteArray wordPackage(const QByteArray& body, const QByteArray& stylesXml = {},
                       const QByteArray& numberingXml = {});
/// A w:document element around `body`.
QByteArray documentXml(const QByteArray& body);

/// A part parsed (an empty document when it does not parse).
std::unique_ptr<pugi::xml_document> parse(const QByteArray& xml);
/// Every element named `name` below `root`, in document order.
std::vector<pugi::xml_node> all(pugi::xml_node root, const char* name);
/// The part of a document as saved, parsed.
std::unique_ptr<pugi::xml_document> savedPart(const engine::model::Document& doc,
                                              const QString& part);

/// Runs a program; returns its exit code (-1 when it could not start) and its output.
int run(const QString& program, const QStringList& args, QByteArray* out = nullptr,
        int timeoutMs = 120000);
bool haveProgram(const QString& program);

/// Arguments for a headless LibreOffice conversion of files to `format` ("pdf", …) into
/// `outDir`, with a private profile in `profileDir` so runs never share user settings.
/// The caller appends the files.
QStringList libreOfficeConvertArgs(const QString& profileDir, const QString& format,
                                   const QString& outDir);

} // namespace docx_test
