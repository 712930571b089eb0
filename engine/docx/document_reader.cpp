#include "engine/docx/document_reader.h"

#include "engine/docx/doc_index.h"
#include "engine/docx/errors.h"
#include "engine/docx/para_props.h"
#include "engine/docx/table_props.h"
#include "engine/docx/xml_util.h"

#include <cstring>
#include <numeric>

namespace engine::docx {

using namespace engine::model;

namespace {

bool is(pugi::xml_node n, const char* name) {
    return std::strcmp(n.name(), name) == 0;
}

// Wrappers whose content is read as if it stood in their place: content controls, custom
// XML, smart tags, hyperlinks, fields, insertions and moves of tracked changes.
bool isTransparent(pugi::xml_node n) {
    for (const char* name : {"w:customXml", "w:smartTag", "w:hyperlink", "w:fldSimple", "w:ins",
                             "w:moveTo", "w:dir", "w:bdo"})
        if (is(n, name))
            return true;
    return false;
}

class BodyReader {
  public:
    BodyReader(const Document& doc, const BodyReferences& refs, const ReadLimits& limits)
        : doc_(doc), index_(doc), refs_(refs), limits_(limits) {
        for (const Style& s : doc.styles)
            if (s.type == StyleType::Table && s.isDefault && defaultTableStyle_.isEmpty())
                defaultTableStyle_ = s.name;
        if (defaultTableStyle_.isEmpty())
            defaultTableStyle_ = TableFormat{}.style;
    }

    /// The blocks of a story (the body or a cell), ending with a paragraph.
    std::vector<Block> story(pugi::xml_node container, int depth) {
        std::vector<Block> out;
        collectBlocks(container, out, depth);
        if (out.empty() || !isParagraph(out.back()))
            out.emplace_back(Paragraph{});
        return out;
    }

  private:
    void enter(int depth) const {
        if (depth > limits_.maxNesting)
            throw ReadError(
                QStringLiteral("its tables or content controls are nested more than %1 deep")
                    .arg(limits_.maxNesting));
    }

    void collectBlocks(pugi::xml_node container, std::vector<Block>& out, int depth) {
        enter(depth);
        for (pugi::xml_node n : container.children()) {
            if (is(n, "w:p")) {
                out.emplace_back(paragraph(n, depth));
            } else if (is(n, "w:tbl")) {
                if (std::optional<Table> t = table(n, depth + 1))
                    out.emplace_back(std::move(*t));
            } else if (is(n, "w:sdt")) {
                collectBlocks(n.child("w:sdtContent"), out, depth + 1);
            } else if (is(n, "w:customXml") || is(n, "w:ins") || is(n, "w:moveTo")) {
                collectBlocks(n, out, depth + 1);
            }
        }
    }

    Paragraph paragraph(pugi::xml_node p, int depth) {
        Paragraph para;
        const pugi::xml_node pPr = p.child("w:pPr");
        if (pugi::xml_node ps = pPr.child("w:pStyle"))
            para.style = refs_.styleNames.value(xml::qstr(xml::val(ps).c_str()));
        if (para.style == QLatin1String("Normal"))
            para.style.clear();
        para.format = readParaFormat(pPr, [this](int numId) -> std::optional<int> {
            const auto it = refs_.listIds.constFind(numId);
            return it == refs_.listIds.constEnd() ? std::nullopt : std::optional<int>(*it);
        });
        para.markFormat = readCharFormat(pPr.child("w:rPr"), refs_.theme);
        collectRuns(p, para, depth);
        para.normalize();
        return para;
    }

    void collectRuns(pugi::xml_node parent, Paragraph& para, int depth) {
        enter(depth);
        for (pugi::xml_node n : parent.children()) {
            if (is(n, "w:r"))
                run(n, para);
            else if (is(n, "w:sdt"))
                collectRuns(n.child("w:sdtContent"), para, depth + 1);
            else if (isTransparent(n))
                collectRuns(n, para, depth + 1);
        }
    }

    void run(pugi::xml_node r, Paragraph& para) {
        const pugi::xml_node rPr = r.child("w:rPr");
        CharFormat format = readCharFormat(rPr, refs_.theme);
        if (pugi::xml_node rs = rPr.child("w:rStyle")) {
            const QString name = refs_.styleNames.value(xml::qstr(xml::val(rs).c_str()));
            const Style* s = index_.style(name);
            if (s && s->type == StyleType::Character)
                format = index_.styleCharFormat(name).overlaid(format);
        }
        QString text;
        for (pugi::xml_node c : r.children()) {
            if (is(c, "w:t")) {
                QString t = xml::qstr(c.text().get());
                // Line ends inside text are not breaks; Word shows them as spaces.
                t.replace(QLatin1Char('\r'), QLatin1Char(' '))
                    .replace(QLatin1Char('\n'), QLatin1Char(' '));
                text += t;
            } else if (is(c, "w:tab") || is(c, "w:ptab")) {
                text += QLatin1Char('\t');
            } else if (is(c, "w:br")) {
                text += std::strcmp(c.attribute("w:type").value(), "page") == 0 ? QChar(0x0C)
                                                                                : kLineBreak;
            } else if (is(c, "w:cr")) {
                text += kLineBreak;
            } else if (is(c, "w:noBreakHyphen")) {
                text += QChar(0x2011);
            } else if (is(c, "w:softHyphen")) {
                text += QChar(0x00AD);
            } else if (is(c, "w:sym")) {
                bool ok = false;
                const uint code = xml::qstr(c.attribute("w:char").value()).toUInt(&ok, 16);
                if (ok && code > 0x1F && code < 0xFFFE && !QChar::isSurrogate(code))
                    text += QChar(char16_t(code));
            }
        }
        if (!text.isEmpty())
            para.runs.push_back(Run{text, format});
    }

    void collectRows(pugi::xml_node parent, std::vector<pugi::xml_node>& rows, int depth) {
        enter(depth);
        for (pugi::xml_node n : parent.children()) {
            if (is(n, "w:tr"))
                rows.push_back(n);
            else if (is(n, "w:sdt"))
                collectRows(n.child("w:sdtContent"), rows, depth + 1);
            else if (is(n, "w:customXml"))
                collectRows(n, rows, depth + 1);
        }
    }

    void collectCells(pugi::xml_node parent, std::vector<pugi::xml_node>& cells, int depth) {
        enter(depth);
        for (pugi::xml_node n : parent.children()) {
            if (is(n, "w:tc"))
                cells.push_back(n);
            else if (is(n, "w:sdt"))
                collectCells(n.child("w:sdtContent"), cells, depth + 1);
            else if (is(n, "w:customXml"))
                collectCells(n, cells, depth + 1);
        }
    }

    std::optional<Table> table(pugi::xml_node tbl, int depth) {
        enter(depth);
        Table t;
        const pugi::xml_node tblPr = tbl.child("w:tblPr");
        t.format.style = defaultTableStyle_;
        if (pugi::xml_node ts = tblPr.child("w:tblStyle")) {
            const QString name = refs_.styleNames.value(xml::qstr(xml::val(ts).c_str()));
            const Style* s = index_.style(name);
            if (s && s->type == StyleType::Table)
                t.format.style = name;
        }
        t.format.look = readLook(tblPr.child("w:tblLook"));
        t.format.borders = readBorders(tblPr.child("w:tblBorders"));
        for (pugi::xml_node col : tbl.child("w:tblGrid").children("w:gridCol"))
            t.grid.push_back(std::clamp(xml::twipsAttr(col, "w:w").value_or(0), 0, 31680));

        std::vector<pugi::xml_node> rows;
        collectRows(tbl, rows, depth + 1);
        for (pugi::xml_node tr : rows) {
            Row row;
            const pugi::xml_node trPr = tr.child("w:trPr");
            if (pugi::xml_node h = trPr.child("w:trHeight")) {
                const std::string rule = h.attribute("w:hRule").value();
                row.format.height = std::clamp(xml::twipsAttr(h, "w:val").value_or(0), 0, 31680);
                // Word reads a height without a rule as a minimum.
                row.format.heightRule = rule == "exact"  ? HeightRule::Exact
                                        : rule == "auto" ? HeightRule::Auto
                                                         : HeightRule::AtLeast;
            }
            std::vector<pugi::xml_node> cells;
            collectCells(tr, cells, depth + 1);
            for (pugi::xml_node tc : cells) {
                const pugi::xml_node tcPr = tc.child("w:tcPr");
                const int span =
                    std::clamp(xml::intAttr(tcPr.child("w:gridSpan"), "w:val").value_or(1), 1, 63);
                // Old-style horizontal merges: a continued cell widens the one before it.
                if (xml::val(tcPr.child("w:hMerge")) == "continue" && !row.cells.empty()) {
                    row.cells.back().format.gridSpan += span;
                    continue;
                }
                Cell c;
                c.format.gridSpan = span;
                const pugi::xml_node tcW = tcPr.child("w:tcW");
                const std::string type = tcW.attribute("w:type").value();
                if (type.empty() || type == "dxa")
                    c.format.width = std::clamp(xml::twipsAttr(tcW, "w:w").value_or(0), 0, 31680);
                const std::string va = xml::val(tcPr.child("w:vAlign"));
                c.format.verticalAlignment = va == "center"   ? VerticalAlignment::Center
                                             : va == "bottom" ? VerticalAlignment::Bottom
                                                              : VerticalAlignment::Top;
                c.blocks = story(tc, depth + 1);
                row.cells.push_back(std::move(c));
            }
            if (!row.cells.empty())
                t.rows.push_back(std::move(row));
        }
        if (t.rows.empty())
            return std::nullopt;
        completeGrid(t);
        return t;
    }

    // Gives every grid column a width and every cell its width, so that a file with a
    // missing or short grid still lays out.
    void completeGrid(Table& t) const {
        size_t columns = t.grid.size();
        for (const Row& r : t.rows) {
            size_t n = 0;
            for (const Cell& c : r.cells)
                n += size_t(c.format.gridSpan);
            columns = std::max(columns, n);
        }
        if (columns > size_t(limits_.maxColumns))
            throw ReadError(
                QStringLiteral("it holds a table of more than %1 columns").arg(limits_.maxColumns));
        t.grid.resize(columns, 0);
        // Columns without a width take it from the first single-column cell in them, else an
        // equal share of the text width.
        std::vector<int> fromCells(columns, 0);
        for (const Row& r : t.rows) {
            size_t col = 0;
            for (const Cell& c : r.cells) {
                if (c.format.gridSpan == 1 && c.format.width > 0 && fromCells[col] == 0)
                    fromCells[col] = c.format.width;
                col += size_t(c.format.gridSpan);
            }
        }
        for (size_t k = 0; k < columns; ++k)
            if (t.grid[k] <= 0)
                t.grid[k] = fromCells[k] > 0 ? fromCells[k]
                                             : std::max(1, doc_.page.textWidth() / int(columns));
        for (Row& r : t.rows) {
            size_t col = 0;
            for (Cell& c : r.cells) {
                if (c.format.width <= 0)
                    for (size_t k = col; k < col + size_t(c.format.gridSpan) && k < columns; ++k)
                        c.format.width += t.grid[k];
                col += size_t(c.format.gridSpan);
            }
        }
    }

    const Document& doc_;
    const DocIndex index_;
    const BodyReferences& refs_;
    const ReadLimits& limits_;
    QString defaultTableStyle_;
};

void readPage(pugi::xml_node sectPr, PageSetup& page) {
    if (!sectPr)
        return;
    PageSetup p = page;
    const pugi::xml_node size = sectPr.child("w:pgSz");
    p.width = xml::twipsAttr(size, "w:w").value_or(p.width);
    p.height = xml::twipsAttr(size, "w:h").value_or(p.height);
    const pugi::xml_node mar = sectPr.child("w:pgMar");
    const auto margin = [&](const char* name, int fallback) {
        return std::abs(xml::twipsAttr(mar, name).value_or(fallback));
    };
    p.marginTop = margin("w:top", p.marginTop);
    p.marginBottom = margin("w:bottom", p.marginBottom);
    p.marginLeft = margin("w:left", p.marginLeft);
    p.marginRight = margin("w:right", p.marginRight);
    p.headerDistance = margin("w:header", p.headerDistance);
    p.footerDistance = margin("w:footer", p.footerDistance);
    // Word's largest page is 22 inches square; anything leaving less than half an inch of
    // text is not a page this engine can lay out, so the defaults stay.
    const bool sane = p.width >= 720 && p.height >= 720 && p.width <= 31680 && p.height <= 31680 &&
                      p.textWidth() >= 720 && p.height - p.marginTop - p.marginBottom >= 720;
    if (sane)
        page = p;
}

} // namespace

void readDocumentPart(const pugi::xml_document& part, const BodyReferences& refs,
                      const ReadLimits& limits, Document& doc) {
    const pugi::xml_node body = part.document_element().child("w:body");
    pugi::xml_node sectPr = body.child("w:sectPr");
    if (!sectPr)
        for (pugi::xml_node p = body.last_child(); p && !sectPr; p = p.previous_sibling())
            sectPr = p.child("w:pPr").child("w:sectPr");
    readPage(sectPr, doc.page);
    doc.body = BodyReader(doc, refs, limits).story(body, 0);
}

} // namespace engine::docx
