#pragma once
// Word files: the document engine's model written as, and read from, a WordprocessingML
// package (OOXML transitional, Word's default format since 2007).
//
//   engine::docx::save(doc, "/tmp/resume.doc");   // OOXML whatever the extension
//   model::Document d = engine::docx::load("/tmp/resume.doc");
//
// Layers, lowest first: package.h (zip, relationships), xml_order.h (the schema's child
// order), the element readers and writers (char_props, para_props, table_props), the parts
// (document, styles, numbering, package parts), and this entry point.

#include "engine/docx/errors.h"
#include "engine/docx/package.h"
#include "engine/model/document.h"

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

namespace engine::docx {

/// Writes `doc` to `path` as a WordprocessingML package, whatever the file name's
/// extension. The bytes go to a new temporary file beside the target (created exclusively,
/// with the permissions of a new file, or of the file it replaces), which replaces the
/// target only once complete: a failed save leaves the target as it was and no partial
/// file behind. Throws WriteError.
void save(const model::Document& doc, const QString& path);

/// The package bytes `save` writes. The same document always gives the same bytes.
QByteArray toPackage(const model::Document& doc);

/// The package's parts as (part name, XML) in the order they are stored.
std::vector<std::pair<QString, QByteArray>> packageParts(const model::Document& doc);

/// Reads a Word file (this writer's, or an ordinary Word 2007+ document's paragraphs, runs,
/// tables, lists and styles). Throws ReadError with a description that names the file and
/// what is wrong with it; never crashes on a damaged or foreign file.
model::Document load(const QString& path, const ReadLimits& limits = {});

/// As `load`, from the file's bytes; the description says what is wrong without a name.
model::Document fromPackage(const QByteArray& bytes, const ReadLimits& limits = {});

} // namespace engine::docx
