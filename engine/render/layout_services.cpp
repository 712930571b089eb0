#include "engine/render/layout_services.h"

#include "engine/automation/services.h"
#include "engine/layout/layout_lines.h"
#include "engine/render/page_image.h"
#include "engine/render/pdf_export.h"
#include "engine/render/render_error.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHash>

namespace engine::render {

using engine::layout::DocumentLayout;
using engine::model::Document;

namespace {

// A document's layout and the lines the selection reads from it. The automation layer keeps
// it with the document (as its line provider) and drops it before the document.
class LayoutHolder : public engine::edit::LineProvider {
public:
    explicit LayoutHolder(Document& doc) : doc_(&doc), layout_(doc), lines_(layout_) { registry().insert(doc_, this); }
    ~LayoutHolder() override {
        if (registry().value(doc_) == this) registry().remove(doc_);
    }
    static QHash<const Document*, LayoutHolder*>& registry() {
        static QHash<const Document*, LayoutHolder*> r;
        return r;
    }
    const DocumentLayout& layout() const { return layout_; }

    engine::edit::Pos lineStart(const Document& d, const engine::edit::Pos& p) const override { return lines_.lineStart(d, p); }
    engine::edit::Pos lineEnd(const Document& d, const engine::edit::Pos& p) const override { return lines_.lineEnd(d, p); }
    engine::edit::Pos lineMoved(const Document& d, const engine::edit::Pos& p, int count) const override {
        return lines_.lineMoved(d, p, count);
    }

private:
    const Document* doc_;
    DocumentLayout layout_;
    engine::layout::LayoutLines lines_;
};

// Runs `fn` on the document's layout, or on a layout made for this call.
template <class F> auto withLayout(const Document& doc, F&& fn) {
    if (const DocumentLayout* l = layoutOf(doc)) return fn(*l);
    // The layout only observes the document for the length of this call and never edits it.
    DocumentLayout temporary(const_cast<Document&>(doc));
    return fn(temporary);
}

} // namespace

const DocumentLayout* layoutOf(const Document& doc) {
    const LayoutHolder* h = LayoutHolder::registry().value(&doc);
    return h ? &h->layout() : nullptr;
}

QImage firstPagePicture(const Document& doc) {
    return withLayout(doc, [](const DocumentLayout& l) { return renderPage(l, 0, pictureDpi()); });
}

void copyFirstPageToClipboard(const Document& doc) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw RenderError(QStringLiteral("A page picture can only be put on the clipboard by a graphical application."));
    QGuiApplication::clipboard()->setImage(firstPagePicture(doc));
}

void exportDocumentPdf(const Document& doc, const QString& path) {
    withLayout(doc, [&](const DocumentLayout& l) {
        exportPdf(l, path);
        return 0;
    });
}

void installLayoutServices() {
    auto& s = engine::automation::services();
    s.lines = [](const Document& doc) -> std::shared_ptr<const engine::edit::LineProvider> {
        // The automation layer owns the document non-const; the holder observes it.
        return std::make_shared<LayoutHolder>(const_cast<Document&>(doc));
    };
    s.pageCount = [](const Document& doc) { return withLayout(doc, [](const DocumentLayout& l) { return l.pageCount(); }); };
    s.pageStart = [](const Document& doc, int page) {
        return withLayout(doc, [page](const DocumentLayout& l) { return l.pageStart(page - 1); });
    };
    s.pageOf = [](const Document& doc, const engine::edit::Pos& p) {
        return withLayout(doc, [&p](const DocumentLayout& l) { return l.pageOf(p) + 1; });
    };
    s.copyFirstPageAsPicture = [](const Document& doc) { copyFirstPageToClipboard(doc); };
    s.exportPdf = [](const Document& doc, const QString& path) { exportDocumentPdf(doc, path); };
}

} // namespace engine::render
