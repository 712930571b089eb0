#pragma once
// Helpers for the layout and render tests: documents from the dump notation on a Letter page,
// the "my list" bullet template the résumé uses, quick access to boxes.
#include "engine/layout/document_layout.h"
#include "engine/model/dump.h"

#include <gtest/gtest.h>

#include "print_qstring.h"

namespace layout_test {

using namespace engine::layout;
using namespace engine::model;

inline Document doc(const QString& notation) {
    Document d = parseDocument(notation);
    d.page = PageSetup::letter();
    return d;
}

/// Adds the résumé's bullet template (Wingdings U+F0A7 at 0.25", text at 0.5") and a list
/// over it; returns the list's id.
inline int addBulletList(Document& d) {
    ListTemplate t = ListTemplate::make(QStringLiteral("my list"), true);
    ListLevel& l = t.levels[0];
    l.numberFormat = QString(QChar(0xF0A7));
    l.numberStyle = NumberStyle::Bullet;
    l.numberPosition = 360;
    l.textPosition = 720;
    l.tabPosition = 720;
    l.font = {};
    l.font.fontName = QStringLiteral("Wingdings");
    d.listTemplates.push_back(t);
    return d.addList(int(d.listTemplates.size()) - 1);
}

inline const ParagraphBox& paragraphBox(const DocumentLayout& l, int block) {
    return *l.body().at(block).paragraph;
}
inline const RowBox& rowBox(const DocumentLayout& l, int block, int row) {
    return *l.body().at(block).table->rows.at(row);
}
inline const ParagraphBox& cellParagraph(const DocumentLayout& l, int row, int cell, int p = 0, int block = 0) {
    return *rowBox(l, block, row).cells.at(cell).blocks.at(p).paragraph;
}

/// A paragraph of 8 pt Tahoma with its mark in the same font.
inline QString tahoma(const QString& text, const QString& pfmt = {}) {
    QString s = pfmt.isEmpty() ? QString() : QStringLiteral("P{%1}").arg(pfmt);
    s += QStringLiteral("<font=Tahoma sz=8>\"%1\"¶<font=Tahoma sz=8>").arg(text);
    return s;
}

} // namespace layout_test

namespace engine::edit {
inline void PrintTo(const Pos& p, std::ostream* os) {
    for (const Step& s : p.path) *os << '[' << s.block << ',' << s.row << ',' << s.cell << ']';
    *os << '@' << p.offset;
}
} // namespace engine::edit
