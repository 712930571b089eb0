#pragma once
// What the automation objects need from other parts of the engine, as replaceable hooks:
// Word files (the docx library installs open and save when it is built in) and the calls
// that need page layout (a later layout library installs those). A hook that is not
// installed makes its call fail with a readable error instead.

#include "engine/edit/lines.h"
#include "engine/edit/position.h"
#include "engine/model/document.h"

#include <QString>

#include <functional>
#include <memory>

namespace engine::automation {

struct Services {
    /// Reads a Word file; throws an exception whose what() a person can read.
    std::function<model::Document(const QString& path)> open;
    /// Writes a Word file; throws likewise.
    std::function<void(const model::Document& doc, const QString& path)> save;

    // Layout. Until installed: ParagraphLines for line moves, and errors for the rest.
    std::function<std::shared_ptr<const edit::LineProvider>(const model::Document& doc)> lines;
    std::function<int(const model::Document& doc)> pageCount;
    /// Start of page `page` (1-based), clamped to the last page.
    std::function<edit::Pos(const model::Document& doc, int page)> pageStart;
    /// The page holding `p` (1-based).
    std::function<int(const model::Document& doc, const edit::Pos& p)> pageOf;
    /// Puts a picture of the first page of `doc` on the clipboard.
    std::function<void(const model::Document& doc)> copyFirstPageAsPicture;
    /// Writes `doc` as a PDF file (Document.ExportAsFixedFormat); throws with a readable what().
    std::function<void(const model::Document& doc, const QString& path)> exportPdf;
};

/// The process-wide hooks. Install them at start-up, before any Application is created.
Services& services();

/// Installs the Word file hooks of the docx library when it is part of the build (a no-op
/// otherwise). registerWordApplication() calls it.
void installWordFileServices();

} // namespace engine::automation
