#pragma once
// A short text notation of the document tree, for tests and debugging, and a parser that
// builds documents from it.
//
//   doc   := block*                       blocks, rows and cells separated by spaces
//   block := para | table
//   para  := ['P{' pfmt '}'] run* '¶' ['<' cfmt '>']      the mark's format after the ¶
//   run   := ['<' cfmt '>'] '"' text '"'
//   table := 'T' ['{' tfmt '}'] '[' row* ']'
//   row   := 'R' ['{' rfmt '}'] cell*
//   cell  := 'C' ['{' cellfmt '}'] '(' block* ')'
//
// Text escapes: \" \\ \t (tab) \v (line break) \r \n and \u{hex} for other control characters.
// cfmt:    font=Tahoma | font="Times New Roman"   sz=8 (points, 10.5 allowed)
//          b i strike dstrike sub sup shadow outline emboss engrave caps hidden (set) or with
//          a leading '-' (explicitly off)   u=1 (wdUnderline)   color=FF0000|auto   anim=0
// pfmt:    al=l|c|r|j   line=259 (auto, 240ths)  line>=240 (at least)  line==240 (exact)
//          before=0 after=160 left=720 right=0 first=-360 (negative: hanging)
//          list=ID:LEVEL (level 1–9; list=0 = explicitly unnumbered)   style="Heading 1"
// tfmt:    style="Table Grid"  grid=600,4000,4000  look=hr,lr,fc,lc,nhb,nvb (flags set)
//          borders=grid|none (direct borders)
// rfmt:    h>=1000 (at least, twips)  h==1000 (exact)
// cellfmt: span=3  w=600  va=t|c|b
//
// Unset properties are left out, and so are the defaults (table style "Table Normal", the
// default look, top alignment, span 1), so a dump shows what was set.
//
// Example: T[R C{span=3}(<font=Tahoma sz=8>"Alex Morrow"¶<font=Tahoma sz=8>) R C(¶) C(¶)] ¶

#include "engine/model/document.h"

#include <QString>

#include <stdexcept>

namespace engine::model {

struct DumpOptions {
    bool formats = true; // false: structure and text only
};

QString dump(const std::vector<Block>& blocks, DumpOptions o = {});
QString dump(const Document& d, DumpOptions o = {});
QString dump(const Block& b, DumpOptions o = {});
QString dump(const Row& r, DumpOptions o = {});
QString dump(const Paragraph& p, DumpOptions o = {});
QString dump(const CharFormat& f);
QString dump(const ParaFormat& f);

class ParseError : public std::runtime_error {
public:
    ParseError(const QString& what, int position)
        : std::runtime_error(what.toStdString()), position(position) {}
    int position;
};

/// Throws ParseError with the offending position.
std::vector<Block> parseBlocks(const QString& notation);
/// A new blank document whose body is the parsed blocks (a final paragraph is added when
/// the notation ends with a table, as a body must end with one).
Document parseDocument(const QString& notation);
CharFormat parseCharFormat(const QString& tokens);
ParaFormat parseParaFormat(const QString& tokens);

} // namespace engine::model
