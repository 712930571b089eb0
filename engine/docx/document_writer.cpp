#include "engine/docx/document_writer.h"

#include "engine/docx/char_props.h"
#include "engine/docx/doc_index.h"
#include "engine/docx/para_props.h"
#include "engine/docx/table_props.h"
#include "engine/docx/xml_order.h"
#include "engine/docx/xml_util.h"

#include <algorithm>
#include <numeric>

namespace engine::docx {

using namespace engine::model;

namespace {

constexpr int kDefaultCellMargin = 108; // twips, Word's "Table Normal"

class BodyWriter {
  public:
    BodyWriter(const Document& doc, const StyleIds& ids) : doc_(doc), index_(doc), ids_(ids) {}

    void body(pugi::xml_node document) {
        pugi::xml_node body = document.append_child("w:body");
        blocks(body, doc_.body);
        sectPr(body);
    }

  private:
    // Writes the blocks and makes sure the container ends with a paragraph: Word calls a
    // cell (or body) whose last element is not a paragraph corrupt.
    void blocks(pugi::xml_node parent, const std::vector<Block>& items) {
        bool endsWithParagraph = false;
        for (const Block& b : items) {
            if (const Paragraph* p = std::get_if<Paragraph>(&b)) {
                paragraph(parent, *p);
                endsWithParagraph = true;
            } else if (table(parent, std::get<Table>(b))) {
                endsWithParagraph = false;
            }
        }
        if (!endsWithParagraph)
            parent.append_child("w:p");
    }

    void paragraph(pugi::xml_node parent, const Paragraph& p) {
        pugi::xml_node para = parent.append_child("w:p");
        pugi::xml_node pPr = para.append_child("w:pPr");
        if (!p.style.isEmpty() && p.style != QLatin1String("Normal"))
            if (std::optional<QString> id = ids_.idOf(p.style))
                xml::setAttr(xml::child(pPr, "w:pStyle"), "w:val", *id);
        writeParaFormat(pPr, p.format, [this](int id) { return index_.listExists(id); });
        writeCharFormat(pPr, p.markFormat);
        if (!pPr.first_child())
            para.remove_child(pPr);
        for (const Run& r : p.runs)
            run(para, r);
    }

    void run(pugi::xml_node para, const Run& r) {
        if (r.text.isEmpty())
            return;
        pugi::xml_node run = para.append_child("w:r");
        writeCharFormat(run, r.format);
        QString pending;
        const auto flush = [&] {
            const QString safe = xml::safeText(pending);
            pending.clear();
            if (safe.isEmpty())
                return;
            pugi::xml_node t = run.append_child("w:t");
            if (safe.front().isSpace() || safe.back().isSpace())
                t.append_attribute("xml:space") = "preserve";
            t.append_child(pugi::node_pcdata).set_value(xml::utf8(safe).c_str());
        };
        for (qsizetype i = 0; i < r.text.size(); ++i) {
            const QChar c = r.text[i];
            if (c == QLatin1Char('\t')) {
                flush();
                run.append_child("w:tab");
            } else if (c == kLineBreak || c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                // A carriage return and line feed in a run (never typed so; paragraphs split
                // there) can only be kept as one line break.
                if (c == QLatin1Char('\r') && i + 1 < r.text.size() &&
                    r.text[i + 1] == QLatin1Char('\n'))
                    ++i;
                flush();
                run.append_child("w:br");
            } else if (c == QChar(0x0C)) {
                flush();
                xml::setAttr(run.append_child("w:br"), "w:type", "page");
            } else {
                pending += c;
            }
        }
        flush();
        if (!run.last_child() || QLatin1String(run.last_child().name()) == QLatin1String("w:rPr"))
            para.remove_child(run); // nothing of it could be written
    }

    // Column widths covering every row: rows wider than the grid extend it.
    static std::vector<int> effectiveGrid(const Table& t) {
        std::vector<int> grid = t.grid;
        for (const Row& row : t.rows) {
            int col = 0;
            for (const Cell& c : row.cells) {
                const int span = std::max(1, c.format.gridSpan);
                if (col + span > int(grid.size())) {
                    int covered = 0;
                    for (int k = col; k < int(grid.size()); ++k)
                        covered += grid[k];
                    const int missing = col + span - int(grid.size());
                    const int each =
                        c.format.width > covered ? (c.format.width - covered) / missing : 720;
                    grid.resize(size_t(col + span), std::max(20, each));
                }
                col += span;
            }
        }
        return grid;
    }

    std::pair<int, int> cellMargins(const QString& styleName) const {
        const Style* s = index_.style(styleName);
        if (!s || s->type != StyleType::Table)
            s = index_.style(QStringLiteral("Table Normal"));
        if (!s)
            return {kDefaultCellMargin, kDefaultCellMargin};
        return {s->cellMarginLeft, s->cellMarginRight};
    }

    // Returns false when the table has no cells, which no word processor can show; such a
    // table is left out.
    bool table(pugi::xml_node parent, const Table& t) {
        const bool hasCells = std::any_of(t.rows.begin(), t.rows.end(),
                                          [](const Row& r) { return !r.cells.empty(); });
        if (!hasCells)
            return false;
        const std::vector<int> grid = effectiveGrid(t);
        const int width = std::accumulate(grid.begin(), grid.end(), 0);

        pugi::xml_node tbl = parent.append_child("w:tbl");
        pugi::xml_node tblPr = xml::child(tbl, "w:tblPr");
        const Style* style = index_.style(t.format.style);
        if (style && style->type == StyleType::Table && !style->isDefault)
            if (std::optional<QString> id = ids_.idOf(t.format.style))
                xml::setAttr(xml::child(tblPr, "w:tblStyle"), "w:val", *id);
        pugi::xml_node tblW = xml::child(tblPr, "w:tblW");
        xml::setAttr(tblW, "w:w", width);
        xml::setAttr(tblW, "w:type", "dxa");
        pugi::xml_node ind = xml::child(tblPr, "w:tblInd");
        xml::setAttr(ind, "w:w", 0);
        xml::setAttr(ind, "w:type", "dxa");
        if (t.format.borders)
            writeBorders(tblPr, "w:tblBorders", *t.format.borders);
        xml::setAttr(xml::child(tblPr, "w:tblLayout"), "w:type", "fixed");
        const auto [left, right] = cellMargins(t.format.style);
        pugi::xml_node mar = xml::child(tblPr, "w:tblCellMar");
        for (const auto& [side, w] : {std::pair{"w:left", left}, std::pair{"w:right", right}}) {
            pugi::xml_node m = xml::child(mar, side);
            xml::setAttr(m, "w:w", w);
            xml::setAttr(m, "w:type", "dxa");
        }
        writeLook(xml::child(tblPr, "w:tblLook"), t.format.look);

        pugi::xml_node tblGrid = xml::child(tbl, "w:tblGrid");
        for (int w : grid)
            xml::setAttr(tblGrid.append_child("w:gridCol"), "w:w", w);

        for (const Row& row : t.rows) {
            if (row.cells.empty())
                continue;
            pugi::xml_node tr = tbl.append_child("w:tr");
            pugi::xml_node trPr = xml::child(tr, "w:trPr");
            int col = 0;
            for (const Cell& c : row.cells)
                col += std::max(1, c.format.gridSpan);
            if (col < int(grid.size()))
                xml::setAttr(xml::child(trPr, "w:gridAfter"), "w:val", int(grid.size()) - col);
            // Rows never break across pages, so other programs paginate as this engine does.
            xml::child(trPr, "w:cantSplit");
            if (row.format.heightRule != HeightRule::Auto) {
                pugi::xml_node h = xml::child(trPr, "w:trHeight");
                xml::setAttr(h, "w:val", std::max(0, row.format.height));
                xml::setAttr(h, "w:hRule",
                             row.format.heightRule == HeightRule::Exact ? "exact" : "atLeast");
            }
            col = 0;
            for (const Cell& c : row.cells) {
                const int span = std::max(1, c.format.gridSpan);
                int w = c.format.width;
                if (w <= 0)
                    for (int k = col; k < col + span && k < int(grid.size()); ++k)
                        w += grid[k];
                col += span;
                pugi::xml_node tc = tr.append_child("w:tc");
                pugi::xml_node tcPr = xml::child(tc, "w:tcPr");
                pugi::xml_node tcW = xml::child(tcPr, "w:tcW");
                xml::setAttr(tcW, "w:w", w);
                xml::setAttr(tcW, "w:type", "dxa");
                if (span > 1)
                    xml::setAttr(xml::child(tcPr, "w:gridSpan"), "w:val", span);
                if (c.format.verticalAlignment == VerticalAlignment::Center)
                    xml::setAttr(xml::child(tcPr, "w:vAlign"), "w:val", "center");
                else if (c.format.verticalAlignment == VerticalAlignment::Bottom)
                    xml::setAttr(xml::child(tcPr, "w:vAlign"), "w:val", "bottom");
                blocks(tc, c.blocks);
            }
        }
        return true;
    }

    void sectPr(pugi::xml_node body) {
        const PageSetup& pg = doc_.page;
        pugi::xml_node s = body.append_child("w:sectPr");
        pugi::xml_node size = xml::child(s, "w:pgSz");
        xml::setAttr(size, "w:w", pg.width);
        xml::setAttr(size, "w:h", pg.height);
        if (pg.width > pg.height)
            xml::setAttr(size, "w:orient", "landscape");
        pugi::xml_node mar = xml::child(s, "w:pgMar");
        xml::setAttr(mar, "w:top", pg.marginTop);
        xml::setAttr(mar, "w:right", pg.marginRight);
        xml::setAttr(mar, "w:bottom", pg.marginBottom);
        xml::setAttr(mar, "w:left", pg.marginLeft);
        xml::setAttr(mar, "w:header", pg.headerDistance);
        xml::setAttr(mar, "w:footer", pg.footerDistance);
        xml::setAttr(mar, "w:gutter", 0);
        xml::setAttr(xml::child(s, "w:cols"), "w:space", 720);
        xml::setAttr(xml::child(s, "w:docGrid"), "w:linePitch", 360);
    }

    const Document& doc_;
    const DocIndex index_;
    const StyleIds& ids_;
};

} // namespace

void writeDocumentPart(pugi::xml_document& out, const Document& doc, const StyleIds& ids) {
    xml::addDeclaration(out);
    pugi::xml_node root = out.append_child("w:document");
    root.append_attribute("xmlns:w") = xml::kNsW;
    root.append_attribute("xmlns:r") = xml::kNsR;
    BodyWriter(doc, ids).body(root);
}

} // namespace engine::docx
