#pragma once
// A document: the body's blocks, its styles, lists and page set-up, and the observers that
// are told which blocks an edit touched. The model never lays anything out; a layout cache
// observes it and discards what changed.

#include "engine/model/lists.h"
#include "engine/model/styles.h"
#include "engine/model/tree.h"

#include <QDateTime>
#include <QString>

#include <vector>

namespace engine::model {

/// Blocks [first, first + removed) of the body were replaced by [first, first + added).
/// An edit inside a table reports the table's block as removed and added again.
struct BlockChange {
    int first = 0;
    int removed = 0;
    int added = 0;
    bool operator==(const BlockChange&) const = default;
};

class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    virtual void blocksChanged(const BlockChange& change) = 0;
};

struct DocumentInfo {
    QString title;
    QString author;
    QDateTime created;
    QDateTime modified;
    bool operator==(const DocumentInfo&) const = default;
};

class Document {
public:
    /// A new blank document as Word makes one: one empty paragraph, Word's styles and
    /// defaults, page set-up by the system locale.
    Document();
    /// A document with nothing in it but the given parts (for readers and tests).
    static Document bare();

    std::vector<Block> body; // never empty; always ends with a paragraph
    DocDefaults defaults;
    std::vector<Style> styles;
    std::vector<ListTemplate> listTemplates;
    std::vector<ListInstance> lists;
    PageSetup page;
    DocumentInfo info;

    const Style* style(const QString& name) const;
    const ListInstance* list(int id) const;
    const ListTemplate* templateOfList(int id) const;
    /// Adds a list instance over template `templateIndex` and returns its id.
    int addList(int templateIndex);
    /// The level a paragraph's list membership points at, or null when it is not numbered.
    const ListLevel* listLevel(const ParaFormat& effective) const;

    /// Formats as they apply: document defaults, then the table style (for paragraphs in a
    /// table whose style is `tableStyle`), then the paragraph style, then direct formatting.
    ParaFormat effectiveParaFormat(const Paragraph& p, const QString& tableStyle = {}) const;
    CharFormat effectiveCharFormat(const Paragraph& p, const CharFormat& direct,
                                   const QString& tableStyle = {}) const;

    /// Observers are not owned; remove them before they die.
    void addObserver(DocumentObserver* o);
    void removeObserver(DocumentObserver* o);
    void notifyChanged(const BlockChange& change) const;
    /// Tells observers that everything changed (page set-up, styles, a new body);
    /// `oldBlockCount` is the body's size before the change (-1: unchanged).
    void notifyAllChanged(int oldBlockCount = -1) const;

    bool sameContent(const Document& o) const; // everything but observers

private:
    std::vector<DocumentObserver*> observers_;
};

} // namespace engine::model
