#pragma once
// Lookups into a document that the readers and writers make per paragraph, run or table,
// indexed once so that a file with thousands of styles or lists stays linear.

#include "engine/model/document.h"

#include <QHash>
#include <QSet>

namespace engine::docx {

class DocIndex {
  public:
    explicit DocIndex(const model::Document& doc);
    /// The style called `name`, or null (the first one when names repeat).
    const model::Style* style(const QString& name) const { return styles_.value(name, nullptr); }
    /// True when list `id` exists and its template does.
    bool listExists(int id) const { return lists_.contains(id); }
    /// The character format of a style with its basedOn chain applied, root first.
    model::CharFormat styleCharFormat(const QString& name) const;

  private:
    QHash<QString, const model::Style*> styles_;
    QSet<int> lists_;
    mutable QHash<QString, model::CharFormat> charFormats_;
};

} // namespace engine::docx
