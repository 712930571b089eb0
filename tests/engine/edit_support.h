#pragma once
// Helpers for the editing tests: documents from the dump notation, the selection placed by
// Word character numbers, short dumps.
#include "engine/edit/selection.h"
#include "engine/model/dump.h"

#include <gtest/gtest.h>

#include "print_qstring.h"

namespace edit_test {

using namespace engine::edit;
using namespace engine::model;

inline Document doc(const char* notation) {
    Document d = parseDocument(QString::fromUtf8(notation));
    d.page = PageSetup::letter();
    return d;
}

inline QString text(const Document& d) { return dump(d, {.formats = false}); }
inline QString full(const Document& d) { return dump(d); }

/// Places the selection from character `from` to `to` (Word's numbering).
inline void place(Selection& s, int from, int to = -1) {
    const Document& d = s.document();
    s.select(fromOffset(d, from), fromOffset(d, to < 0 ? from : to));
}

inline int startOf(const Selection& s) { return toOffset(s.document(), s.extent().start); }
inline int endOf(const Selection& s) { return toOffset(s.document(), s.extent().end); }

inline const Table& table(const Document& d, int block = 0) { return std::get<Table>(d.body[block]); }
inline const Paragraph& para(const Document& d, int block) { return std::get<Paragraph>(d.body[block]); }
inline const Paragraph& cellPara(const Document& d, int row, int cell, int p = 0) {
    return std::get<Paragraph>(table(d).rows[row].cells[cell].blocks[p]);
}

} // namespace edit_test
