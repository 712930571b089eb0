#pragma once
// The late-bound objects of the engine (internal to the automation library): Application,
// Documents, Document, Window, Selection, Range, Font, ParagraphFormat, Cells, Paragraphs,
// ListFormat, Tables, Table, Columns, Column, Rows, Row, ListTemplates, ListTemplate,
// ListLevels, ListLevel and a document property. Each is a thin translation of names and
// variant types onto the typed model and edit API.

#include "engine/automation/dispatch_base.h"
#include "engine/edit/selection.h"
#include "wordgen/ole/running_objects.h"

#include <memory>
#include <vector>

namespace engine::automation {

struct AppState;

/// One open document and the selection of its window.
struct DocState {
    explicit DocState(model::Document d) : doc(std::move(d)), selection(doc) {}
    DocState(const DocState&) = delete;
    DocState& operator=(const DocState&) = delete;

    model::Document doc;
    edit::Selection selection; // refers to `doc`
    std::shared_ptr<const edit::LineProvider> lines;
    QString fullName; // empty until saved or opened
    QString name;     // "Document1", or the file's name
    bool closed = false;
};
using DocPtr = std::shared_ptr<DocState>;

struct AppState {
    std::vector<DocPtr> documents;
    DocPtr active;
    int displayAlerts = -1; // wdAlertsAll
    bool visible = false;
    bool quit = false;
    int untitled = 0;
    ole::RunningRegistration registration;

    DocPtr activeDocument() const; // throws when none is open
    DocPtr addDocument(model::Document d, const QString& name);
    void close(const DocPtr& d);
};
using AppPtr = std::shared_ptr<AppState>;

/// Base of objects that belong to a document: they fail readably once it is closed.
template <class T> class DocObject : public Automated<T> {
public:
    explicit DocObject(DocPtr d) : doc_(std::move(d)) {}
    void checkAlive() const;
    DocState& state() const { return *doc_; }
    const DocPtr& docPtr() const { return doc_; }

private:
    DocPtr doc_;
};

void throwIfClosed(const DocState& d);
template <class T> void DocObject<T>::checkAlive() const { throwIfClosed(*doc_); }

/// Where text-level objects (Font, ParagraphFormat, Paragraphs, ListFormat) act: the
/// window's selection, or a fixed range.
struct TextTarget {
    bool isSelection = true;
    edit::Pos start, end; // for a range
};

class ApplicationObject : public Automated<ApplicationObject> {
public:
    explicit ApplicationObject(AppPtr app) : app_(std::move(app)) {}
    ~ApplicationObject() override;
    QString className() const override { return QStringLiteral("Application"); }
    static const MemberTable<ApplicationObject>& members();
    void checkAlive() const;
    AppState& app() const { return *app_; }
    const AppPtr& appPtr() const { return app_; }
    void quit();

private:
    AppPtr app_;
};

#define QUILLORY_DOC_OBJECT(Name, Label)                                                                 \
    class Name : public DocObject<Name> {                                                                \
    public:                                                                                              \
        using DocObject<Name>::DocObject;                                                                \
        QString className() const override { return QStringLiteral(Label); }                             \
        static const MemberTable<Name>& members();                                                       \
    };

class DocumentsObject : public Automated<DocumentsObject> {
public:
    explicit DocumentsObject(AppPtr app) : app_(std::move(app)) {}
    QString className() const override { return QStringLiteral("Documents"); }
    static const MemberTable<DocumentsObject>& members();
    void checkAlive() const;
    AppState& app() const { return *app_; }
    const AppPtr& appPtr() const { return app_; }

private:
    AppPtr app_;
};

class DocumentObject : public DocObject<DocumentObject> {
public:
    DocumentObject(DocPtr d, std::weak_ptr<AppState> app) : DocObject(std::move(d)), app_(std::move(app)) {}
    QString className() const override { return QStringLiteral("Document"); }
    static const MemberTable<DocumentObject>& members();
    AppPtr app() const;

private:
    std::weak_ptr<AppState> app_;
};

QUILLORY_DOC_OBJECT(WindowObject, "Window")
QUILLORY_DOC_OBJECT(SelectionObject, "Selection")
QUILLORY_DOC_OBJECT(TablesObject, "Tables")
QUILLORY_DOC_OBJECT(ListTemplatesObject, "ListTemplates")
QUILLORY_DOC_OBJECT(CellsObject, "Cells")
#undef QUILLORY_DOC_OBJECT

class RangeObject : public DocObject<RangeObject> {
public:
    RangeObject(DocPtr d, edit::Pos start, edit::Pos end)
        : DocObject(std::move(d)), start(std::move(start)), end(std::move(end)) {}
    QString className() const override { return QStringLiteral("Range"); }
    static const MemberTable<RangeObject>& members();
    edit::Extent extent() const;
    edit::Pos start, end;
};

/// A text-level object acting on a selection or a range.
template <class T> class TextObject : public DocObject<T> {
public:
    TextObject(DocPtr d, TextTarget t) : DocObject<T>(std::move(d)), target(std::move(t)) {}
    /// The extent acted on.
    edit::Extent extent() const;
    /// Runs `fn` on the window's selection, or on a temporary selection over the range.
    template <class F> auto withSelection(F&& fn) const {
        if (target.isSelection) return fn(this->state().selection);
        edit::Selection s(this->state().doc);
        s.select(target.start, target.end);
        return fn(s);
    }
    TextTarget target;
};

#define QUILLORY_TEXT_OBJECT(Name, Label)                                                                \
    class Name : public TextObject<Name> {                                                               \
    public:                                                                                              \
        using TextObject<Name>::TextObject;                                                              \
        QString className() const override { return QStringLiteral(Label); }                             \
        static const MemberTable<Name>& members();                                                       \
    };
QUILLORY_TEXT_OBJECT(ParagraphFormatObject, "ParagraphFormat")
QUILLORY_TEXT_OBJECT(ParagraphsObject, "Paragraphs")
QUILLORY_TEXT_OBJECT(ListFormatObject, "ListFormat")
#undef QUILLORY_TEXT_OBJECT

/// The font of a selection or range: reads the effective format; writes through the
/// selection (an insertion point keeps it pending; "undefined" changes nothing there).
class FontObject : public TextObject<FontObject> {
public:
    using TextObject<FontObject>::TextObject;
    QString className() const override { return QStringLiteral("Font"); }
    static const MemberTable<FontObject>& members();
    model::CharFormat readFont() const;
    void writeFont(const std::function<void(model::CharFormat&)>& change) const;
};

/// A table of the document, by its path; fails readably when the table is gone.
template <class T> class TablePart : public DocObject<T> {
public:
    TablePart(DocPtr d, std::vector<edit::Step> path, int index = 0)
        : DocObject<T>(std::move(d)), path(std::move(path)), index(index) {}
    void checkAlive() const;
    model::Table& table() const { return edit::tableAt(this->state().doc, path, int(path.size()) - 1); }
    std::vector<edit::Step> path;
    int index; // the column or row (0-based) for Column and Row
};

#define QUILLORY_TABLE_OBJECT(Name, Label)                                                               \
    class Name : public TablePart<Name> {                                                                \
    public:                                                                                              \
        using TablePart<Name>::TablePart;                                                                \
        QString className() const override { return QStringLiteral(Label); }                             \
        static const MemberTable<Name>& members();                                                       \
    };
QUILLORY_TABLE_OBJECT(TableObject, "Table")
QUILLORY_TABLE_OBJECT(ColumnsObject, "Columns")
QUILLORY_TABLE_OBJECT(ColumnObject, "Column")
QUILLORY_TABLE_OBJECT(RowsObject, "Rows")
QUILLORY_TABLE_OBJECT(RowObject, "Row")
#undef QUILLORY_TABLE_OBJECT

/// A list template (by index in the document) and optionally one of its levels (0-based).
template <class T> class ListPart : public DocObject<T> {
public:
    ListPart(DocPtr d, int templateIndex, int level = 0)
        : DocObject<T>(std::move(d)), templateIndex(templateIndex), level(level) {}
    model::ListTemplate& listTemplate() const { return this->state().doc.listTemplates.at(templateIndex); }
    model::ListLevel& listLevel() const { return listTemplate().levels.at(level); }
    int templateIndex;
    int level;
};

#define QUILLORY_LIST_OBJECT(Name, Label)                                                                \
    class Name : public ListPart<Name> {                                                                 \
    public:                                                                                              \
        using ListPart<Name>::ListPart;                                                                  \
        QString className() const override { return QStringLiteral(Label); }                             \
        static const MemberTable<Name>& members();                                                       \
    };
QUILLORY_LIST_OBJECT(ListTemplateObject, "ListTemplate")
QUILLORY_LIST_OBJECT(ListLevelsObject, "ListLevels")
QUILLORY_LIST_OBJECT(ListLevelObject, "ListLevel")
#undef QUILLORY_LIST_OBJECT

/// A list level's font: its own properties, where "undefined" unsets one.
class ListLevelFontObject : public ListPart<ListLevelFontObject> {
public:
    using ListPart<ListLevelFontObject>::ListPart;
    QString className() const override { return QStringLiteral("Font"); }
    static const MemberTable<ListLevelFontObject>& members();
    model::CharFormat readFont() const { return listLevel().font; }
    void writeFont(const std::function<void(model::CharFormat&)>& change) const { change(listLevel().font); }
};

/// A document property: its default member is its value.
class DocumentPropertyObject : public Automated<DocumentPropertyObject> {
public:
    DocumentPropertyObject(QString name, ole::Value value) : name(std::move(name)), value(std::move(value)) {}
    QString className() const override { return QStringLiteral("DocumentProperty"); }
    static const MemberTable<DocumentPropertyObject>& members();
    QString name;
    ole::Value value;
};

bool tablePathValid(const model::Document& d, const std::vector<edit::Step>& path);
template <class T> void TablePart<T>::checkAlive() const {
    throwIfClosed(this->state());
    if (!tablePathValid(this->state().doc, path)) throw ole::Error(QStringLiteral("The object has been deleted."));
}

template <class T> edit::Extent TextObject<T>::extent() const {
    if (target.isSelection) return this->state().selection.extent();
    const model::Document& d = this->state().doc;
    return edit::extentOf(d, edit::sanitized(d, target.start), edit::sanitized(d, target.end));
}

template <class T, class... A> ole::Value object(A&&... a) {
    return ole::Value(ole::DispatchPtr(std::make_shared<T>(std::forward<A>(a)...)));
}

/// Writes the document through the save hook and takes the file's name.
void saveDocument(DocState& d, const QString& path);
/// Saves under the name it was saved or opened with; fails readably when it has none.
void saveUnderItsName(DocState& d);

/// The line provider of a document (the layout's once installed, else one line per
/// paragraph), made the selection's.
void attachLines(DocState& d);

/// Word's unit numbers to the edit API's; "Bad parameter" for the others.
edit::Unit unitArg(const ole::Args& a, size_t i, edit::Unit fallback);

} // namespace engine::automation
