// Documents, Document, Window and DocumentProperty.
#include "engine/automation/objects.h"
#include "engine/automation/services.h"

#include <QFileInfo>

namespace engine::automation {

void throwIfClosed(const DocState& d) {
    if (d.closed) throw ole::Error(QStringLiteral("The object has been deleted: its document is closed."));
}

void attachLines(DocState& d) {
    d.lines = services().lines ? services().lines(d.doc) : nullptr;
    d.selection.setLineProvider(d.lines.get());
}

DocPtr AppState::activeDocument() const {
    if (!active) throw ole::Error(QStringLiteral("This command is not available because no document is open."));
    return active;
}

DocPtr AppState::addDocument(model::Document d, const QString& name) {
    auto state = std::make_shared<DocState>(std::move(d));
    state->name = name;
    attachLines(*state);
    documents.push_back(state);
    active = state;
    return state;
}

void AppState::close(const DocPtr& d) {
    d->closed = true;
    std::erase(documents, d);
    if (active == d) active = documents.empty() ? nullptr : documents.back();
}

AppPtr DocumentObject::app() const {
    AppPtr a = app_.lock();
    if (!a || a->quit) throw ole::Error(QStringLiteral("The Word application of this document has quit."));
    return a;
}

void DocumentsObject::checkAlive() const {
    if (app_->quit) throw ole::Error(QStringLiteral("The Word application of these documents has quit."));
}

namespace {

} // namespace

void saveDocument(DocState& d, const QString& path) {
    if (path.trimmed().isEmpty()) throw ole::Error(QStringLiteral("The file name is empty."));
    if (!services().save) throw ole::Error(QStringLiteral("Saving Word files is not available in this build."));
    services().save(d.doc, path);
    d.fullName = QFileInfo(path).absoluteFilePath();
    d.name = QFileInfo(path).fileName();
}

void saveUnderItsName(DocState& d) {
    if (d.fullName.isEmpty()) throw ole::Error(QStringLiteral("%1 has never been saved; use SaveAs first.").arg(d.name));
    saveDocument(d, d.fullName);
}

namespace {

int requiredLayout(const std::function<int(const model::Document&)>& f, const model::Document& d) {
    if (!f) throw ole::Error(QStringLiteral("Page information is not available before the document is laid out "
                                            "(this build has no page layout)."));
    return f(d);
}

} // namespace

const MemberTable<DocumentsObject>& DocumentsObject::members() {
    using D = DocumentsObject;
    static const MemberTable<D> table = [] {
        MemberTable<D> t;
        const auto item = [](D& self, const ole::Args& args) {
            const int n = required(args, 0).toInt();
            AppState& a = self.app();
            if (n < 1 || n > int(a.documents.size())) throw noSuchItem();
            return object<DocumentObject>(a.documents[n - 1], std::weak_ptr<AppState>(self.appPtr()));
        };
        t[QString()] = {item, {}};
        t[QStringLiteral("item")] = {item, {}};
        t[QStringLiteral("count")] = {[](D& self, const ole::Args&) { return ole::I4(int(self.app().documents.size())); }, {}};
        t[QStringLiteral("add")] = {[](D& self, const ole::Args&) {
            AppState& a = self.app();
            const DocPtr d = a.addDocument(model::Document(), QStringLiteral("Document%1").arg(++a.untitled));
            return object<DocumentObject>(d, std::weak_ptr<AppState>(self.appPtr()));
        }, {}};
        t[QStringLiteral("open")] = {[](D& self, const ole::Args& args) {
            const QString path = required(args, 0).toString();
            if (!services().open) throw ole::Error(QStringLiteral("Opening Word files is not available in this build."));
            model::Document loaded = services().open(path);
            const DocPtr d = self.app().addDocument(std::move(loaded), QFileInfo(path).fileName());
            d->fullName = QFileInfo(path).absoluteFilePath();
            return object<DocumentObject>(d, std::weak_ptr<AppState>(self.appPtr()));
        }, {}};
        return t;
    }();
    return table;
}

const MemberTable<DocumentObject>& DocumentObject::members() {
    using D = DocumentObject;
    static const MemberTable<D> table = [] {
        MemberTable<D> t;
        t[QStringLiteral("name")] = {[](D& self, const ole::Args&) { return ole::Value(self.state().name); }, {}};
        t[QStringLiteral("fullname")] = {[](D& self, const ole::Args&) {
            return ole::Value(self.state().fullName.isEmpty() ? self.state().name : self.state().fullName);
        }, {}};
        t[QString()] = t[QStringLiteral("name")];
        t[QStringLiteral("activewindow")] = {[](D& self, const ole::Args&) { return object<WindowObject>(self.docPtr()); }, {}};
        t[QStringLiteral("tables")] = {[](D& self, const ole::Args& args) {
            return itemOrCollection(args, object<TablesObject>(self.docPtr()));
        }, {}};
        t[QStringLiteral("listtemplates")] = {[](D& self, const ole::Args& args) {
            return itemOrCollection(args, object<ListTemplatesObject>(self.docPtr()));
        }, {}};
        const auto range = [](D& self, const ole::Args& args) {
            const model::Document& d = self.state().doc;
            const int length = edit::storyLength(d);
            const int start = intArg(args, 0, 0);
            const int end = intArg(args, 1, length - 1); // the whole story but its final mark
            if (start < 0 || end < start) throw outOfRange();
            return object<RangeObject>(self.docPtr(), edit::fromOffset(d, start), edit::fromOffset(d, end));
        };
        t[QStringLiteral("range")] = {range, {}};
        t[QStringLiteral("content")] = {[range](D& self, const ole::Args&) { return range(self, {}); }, {}};
        t[QStringLiteral("saveas")] = {[](D& self, const ole::Args& args) {
            saveDocument(self.state(), required(args, 0).toString());
            return ole::Value();
        }, {}};
        t[QStringLiteral("saveas2")] = t[QStringLiteral("saveas")];
        t[QStringLiteral("save")] = {[](D& self, const ole::Args&) {
            saveUnderItsName(self.state());
            return ole::Value();
        }, {}};
        t[QStringLiteral("close")] = {[](D& self, const ole::Args& args) {
            // SaveChanges: 0 discards, -1 saves, -2 (prompt) and omitted discard as well, since
            // the engine never shows a prompt.
            const int saveChanges = intArg(args, 0, 0);
            if (saveChanges != 0 && saveChanges != -1 && saveChanges != -2) throw outOfRange();
            if (saveChanges == -1) saveUnderItsName(self.state());
            self.app()->close(self.docPtr());
            return ole::Value();
        }, {}};
        t[QStringLiteral("repaginate")] = {[](D& self, const ole::Args&) {
            // Layout is computed on demand; nothing to do before it is asked for.
            return ole::Value();
        }, {}};
        t[QStringLiteral("exportasfixedformat")] = {[](D& self, const ole::Args& args) {
            // OutputFileName, ExportFormat: only wdExportFormatPDF (17); XPS (18) is not made.
            const QString path = required(args, 0).toString();
            if (intArg(args, 1, 17) != 17)
                throw ole::Error(QStringLiteral("Bad parameter: only PDF (ExportFormat 17) can be exported."));
            if (!services().exportPdf)
                throw ole::Error(QStringLiteral("Exporting a PDF is not available in this build (no page rendering)."));
            services().exportPdf(self.state().doc, path);
            return ole::Value();
        }, {}};
        t[QStringLiteral("builtindocumentproperties")] = {[](D& self, const ole::Args& args) {
            const int which = required(args, 0).toInt();
            if (which != 14) throw noSuchItem(); // wdPropertyPages is the only one kept
            const int pages = requiredLayout(services().pageCount, self.state().doc);
            return object<DocumentPropertyObject>(QStringLiteral("Number of Pages"), ole::I4(pages));
        }, {}};
        return t;
    }();
    return table;
}

const MemberTable<WindowObject>& WindowObject::members() {
    static const MemberTable<WindowObject> table = [] {
        MemberTable<WindowObject> t;
        t[QStringLiteral("selection")] = {[](WindowObject& self, const ole::Args&) {
            return object<SelectionObject>(self.docPtr());
        }, {}};
        return t;
    }();
    return table;
}

const MemberTable<DocumentPropertyObject>& DocumentPropertyObject::members() {
    using P = DocumentPropertyObject;
    static const MemberTable<P> table = [] {
        MemberTable<P> t;
        t[QString()] = {[](P& self, const ole::Args&) { return self.value; }, {}};
        t[QStringLiteral("value")] = t[QString()];
        t[QStringLiteral("name")] = {[](P& self, const ole::Args&) { return ole::Value(self.name); }, {}};
        return t;
    }();
    return table;
}

} // namespace engine::automation
