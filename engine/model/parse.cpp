// Reads the notation that dump() writes (grammar in dump.h).
#include "engine/model/dump.h"

#include <cmath>

namespace engine::model {

namespace {

constexpr QChar kPilcrow = QChar(0x00B6);

class Parser {
public:
    explicit Parser(const QString& s) : s_(s) {}

    std::vector<Block> blocks(QChar terminator) {
        std::vector<Block> out;
        for (;;) {
            skipSpace();
            if (atEnd() || peek() == terminator) return out;
            out.push_back(block());
        }
    }

    bool atEnd() const { return i_ >= s_.size(); }
    [[noreturn]] void fail(const QString& what) const {
        throw ParseError(QStringLiteral("%1 at position %2").arg(what).arg(i_), int(i_));
    }

    QChar peek() const { return atEnd() ? QChar() : s_[i_]; }
    void skipSpace() {
        while (!atEnd() && s_[i_].isSpace()) ++i_;
    }
    void expect(QChar c) {
        skipSpace();
        if (peek() != c) fail(QStringLiteral("Expected '%1'").arg(c));
        ++i_;
    }
    bool accept(QChar c) {
        skipSpace();
        if (peek() != c) return false;
        ++i_;
        return true;
    }

    QString quotedText() {
        expect(QLatin1Char('"'));
        QString out;
        for (;;) {
            if (atEnd()) fail(QStringLiteral("Unterminated text"));
            const QChar c = s_[i_++];
            if (c == QLatin1Char('"')) return out;
            if (c != QLatin1Char('\\')) {
                out += c;
                continue;
            }
            if (atEnd()) fail(QStringLiteral("Unterminated escape"));
            const QChar e = s_[i_++];
            switch (e.unicode()) {
            case 't': out += QLatin1Char('\t'); break;
            case 'v': out += kLineBreak; break;
            case 'r': out += QLatin1Char('\r'); break;
            case 'n': out += QLatin1Char('\n'); break;
            case 'u': {
                if (peek() != QLatin1Char('{')) fail(QStringLiteral("Expected '{' after \\u"));
                const qsizetype close = s_.indexOf(QLatin1Char('}'), i_);
                if (close < 0) fail(QStringLiteral("Unterminated \\u{"));
                bool ok = false;
                const uint code = s_.mid(i_ + 1, close - i_ - 1).toUInt(&ok, 16);
                if (!ok || code > 0xFFFF) fail(QStringLiteral("Bad character code"));
                out += QChar(char16_t(code));
                i_ = close + 1;
                break;
            }
            default: out += e;
            }
        }
    }

    /// The text between `open` and `close` (quotes respected), for a format parser.
    QString bracedTokens(QChar close) {
        QString inner;
        bool inQuote = false;
        for (;;) {
            if (atEnd()) fail(QStringLiteral("Expected '%1'").arg(close));
            const QChar c = s_[i_++];
            if (!inQuote && c == close) return inner;
            if (c == QLatin1Char('"')) inQuote = !inQuote;
            if (c == QLatin1Char('\\') && inQuote && !atEnd()) {
                inner += c;
                inner += s_[i_++];
                continue;
            }
            inner += c;
        }
    }

private:
    Block block() {
        if (accept(QLatin1Char('T'))) return table();
        return paragraph();
    }

    Paragraph paragraph() {
        Paragraph p;
        if (accept(QLatin1Char('P'))) {
            expect(QLatin1Char('{'));
            const qsizetype at = i_;
            p.format = parseParaTokens(bracedTokens(QLatin1Char('}')), at, &p.style);
        }
        for (;;) {
            skipSpace();
            if (accept(kPilcrow)) break;
            Run r;
            if (accept(QLatin1Char('<'))) {
                const qsizetype at = i_;
                r.format = parseCharTokens(bracedTokens(QLatin1Char('>')), at);
                skipSpace();
            }
            if (peek() != QLatin1Char('"')) fail(QStringLiteral("Expected text or '¶'"));
            r.text = quotedText();
            p.runs.push_back(std::move(r));
        }
        if (!atEnd() && peek() == QLatin1Char('<')) {
            ++i_;
            const qsizetype at = i_;
            p.markFormat = parseCharTokens(bracedTokens(QLatin1Char('>')), at);
        }
        p.normalize();
        return p;
    }

    Table table() {
        Table t;
        if (accept(QLatin1Char('{'))) {
            const qsizetype at = i_;
            tableTokens(t, bracedTokens(QLatin1Char('}')), at);
        }
        expect(QLatin1Char('['));
        while (!accept(QLatin1Char(']'))) {
            if (!accept(QLatin1Char('R'))) fail(QStringLiteral("Expected 'R' or ']'"));
            t.rows.push_back(row());
        }
        if (t.rows.empty()) fail(QStringLiteral("A table needs a row"));
        return t;
    }

    Row row() {
        Row r;
        if (!atEnd() && peek() == QLatin1Char('{')) {
            ++i_;
            const QString f = bracedTokens(QLatin1Char('}')).trimmed();
            bool ok = false;
            if (f.startsWith(QLatin1String("h>="))) r.format.heightRule = HeightRule::AtLeast;
            else if (f.startsWith(QLatin1String("h=="))) r.format.heightRule = HeightRule::Exact;
            else fail(QStringLiteral("Bad row format '%1'").arg(f));
            r.format.height = f.mid(3).toInt(&ok);
            if (!ok) fail(QStringLiteral("Bad row height '%1'").arg(f));
        }
        while (accept(QLatin1Char('C'))) {
            Cell c;
            if (!atEnd() && peek() == QLatin1Char('{')) {
                ++i_;
                const qsizetype at = i_;
                cellTokens(c.format, bracedTokens(QLatin1Char('}')), at);
            }
            expect(QLatin1Char('('));
            c.blocks = blocks(QLatin1Char(')'));
            expect(QLatin1Char(')'));
            if (c.blocks.empty() || !isParagraph(c.blocks.back())) fail(QStringLiteral("A cell must end with a paragraph"));
            r.cells.push_back(std::move(c));
        }
        if (r.cells.empty()) fail(QStringLiteral("A row needs a cell"));
        return r;
    }

    void tableTokens(Table& t, const QString& tokens, qsizetype at);
    void cellTokens(CellFormat& f, const QString& tokens, qsizetype at);

public:
    CharFormat parseCharTokens(const QString& tokens, qsizetype at);
    ParaFormat parseParaTokens(const QString& tokens, qsizetype at, QString* style);

private:
    const QString& s_;
    qsizetype i_ = 0;
};

struct Token {
    QString key;
    QString op;    // "=", ">=", "==" or empty for a bare flag
    QString value; // unquoted
};

// Splits "font=\"Times New Roman\" sz=8 b" into tokens.
std::vector<Token> tokenize(const QString& s, qsizetype at) {
    std::vector<Token> out;
    qsizetype i = 0;
    auto bad = [&](const QString& what) { throw ParseError(QStringLiteral("%1 at position %2").arg(what).arg(at + i), int(at + i)); };
    while (i < s.size()) {
        if (s[i].isSpace()) { ++i; continue; }
        Token t;
        while (i < s.size() && !s[i].isSpace() && s[i] != QLatin1Char('=') && s[i] != QLatin1Char('>')) t.key += s[i++];
        if (i < s.size() && (s[i] == QLatin1Char('=') || s[i] == QLatin1Char('>'))) {
            if (s.mid(i, 2) == QLatin1String(">=") || s.mid(i, 2) == QLatin1String("==")) { t.op = s.mid(i, 2); i += 2; }
            else if (s[i] == QLatin1Char('=')) { t.op = QStringLiteral("="); ++i; }
            else bad(QStringLiteral("Bad operator"));
            if (i < s.size() && s[i] == QLatin1Char('"')) {
                ++i;
                while (i < s.size() && s[i] != QLatin1Char('"')) {
                    if (s[i] == QLatin1Char('\\') && i + 1 < s.size()) ++i;
                    t.value += s[i++];
                }
                if (i >= s.size()) bad(QStringLiteral("Unterminated name"));
                ++i;
            } else {
                while (i < s.size() && !s[i].isSpace()) t.value += s[i++];
            }
        }
        if (t.key.isEmpty()) bad(QStringLiteral("Empty property"));
        out.push_back(std::move(t));
    }
    return out;
}

int toInt(const Token& t, qsizetype at) {
    bool ok = false;
    const int v = t.value.toInt(&ok);
    if (!ok) throw ParseError(QStringLiteral("Bad number '%1' for %2 at position %3").arg(t.value, t.key).arg(at), int(at));
    return v;
}

[[noreturn]] void unknown(const Token& t, qsizetype at) {
    throw ParseError(QStringLiteral("Unknown property '%1' at position %2").arg(t.key).arg(at), int(at));
}

CharFormat Parser::parseCharTokens(const QString& tokens, qsizetype at) {
    CharFormat f;
    for (const Token& t : tokenize(tokens, at)) {
        if (t.key == QLatin1String("font")) { f.fontName = t.value; continue; }
        if (t.key == QLatin1String("sz")) {
            bool ok = false;
            const double pt = t.value.toDouble(&ok);
            if (!ok || pt <= 0) throw ParseError(QStringLiteral("Bad size at position %1").arg(at), int(at));
            f.halfPoints = int(std::lround(pt * 2));
            continue;
        }
        if (t.key == QLatin1String("u")) { f.underline = Underline(toInt(t, at)); continue; }
        if (t.key == QLatin1String("anim")) { f.animation = toInt(t, at); continue; }
        if (t.key == QLatin1String("color")) {
            bool ok = true;
            f.color = t.value == QLatin1String("auto") ? kAutoColor : t.value.toUInt(&ok, 16);
            if (!ok) throw ParseError(QStringLiteral("Bad colour at position %1").arg(at), int(at));
            continue;
        }
        const bool off = t.key.startsWith(QLatin1Char('-'));
        const QString name = off ? t.key.mid(1) : t.key;
        bool known = false;
        for (auto flag = charFlagsBegin(); flag != charFlagsEnd(); ++flag)
            if (name == QLatin1String(flag->token) && t.op.isEmpty()) {
                f.*(flag->member) = !off;
                known = true;
            }
        if (!known) unknown(t, at);
    }
    return f;
}

ParaFormat Parser::parseParaTokens(const QString& tokens, qsizetype at, QString* style) {
    ParaFormat f;
    for (const Token& t : tokenize(tokens, at)) {
        if (t.key == QLatin1String("al")) {
            const QString v = t.value;
            f.alignment = v == QLatin1String("l") ? Alignment::Left
                          : v == QLatin1String("c") ? Alignment::Center
                          : v == QLatin1String("r") ? Alignment::Right
                          : v == QLatin1String("j") ? Alignment::Justify
                                                    : (unknown(t, at), Alignment::Left);
        } else if (t.key == QLatin1String("line")) {
            const LineRule rule = t.op == QLatin1String(">=") ? LineRule::AtLeast
                                  : t.op == QLatin1String("==") ? LineRule::Exact
                                                                : LineRule::Auto;
            f.lineSpacing = LineSpacing{rule, toInt(t, at)};
        } else if (t.key == QLatin1String("before")) f.spaceBefore = toInt(t, at);
        else if (t.key == QLatin1String("after")) f.spaceAfter = toInt(t, at);
        else if (t.key == QLatin1String("left")) f.leftIndent = toInt(t, at);
        else if (t.key == QLatin1String("right")) f.rightIndent = toInt(t, at);
        else if (t.key == QLatin1String("first")) f.firstLineIndent = toInt(t, at);
        else if (t.key == QLatin1String("style") && style) *style = t.value;
        else if (t.key == QLatin1String("list")) {
            const QStringList parts = t.value.split(QLatin1Char(':'));
            bool ok1 = false, ok2 = true;
            ListMembership m;
            m.listId = parts[0].toInt(&ok1);
            if (parts.size() > 1) m.level = parts[1].toInt(&ok2) - 1;
            if (!ok1 || !ok2 || parts.size() > 2 || m.level < 0 || m.level > 8 || m.listId < 0)
                throw ParseError(QStringLiteral("Bad list '%1' at position %2").arg(t.value).arg(at), int(at));
            f.list = m;
        } else unknown(t, at);
    }
    return f;
}

void Parser::tableTokens(Table& tb, const QString& tokens, qsizetype at) {
    for (const Token& t : tokenize(tokens, at)) {
        if (t.key == QLatin1String("style")) tb.format.style = t.value;
        else if (t.key == QLatin1String("grid")) {
            for (const QString& w : t.value.split(QLatin1Char(','))) {
                bool ok = false;
                tb.grid.push_back(w.toInt(&ok));
                if (!ok) throw ParseError(QStringLiteral("Bad grid at position %1").arg(at), int(at));
            }
        } else if (t.key == QLatin1String("look")) {
            TableLook l{false, false, false, false, false, false};
            for (const QString& flag : t.value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                if (flag == QLatin1String("hr")) l.headingRows = true;
                else if (flag == QLatin1String("lr")) l.lastRow = true;
                else if (flag == QLatin1String("fc")) l.firstColumn = true;
                else if (flag == QLatin1String("lc")) l.lastColumn = true;
                else if (flag == QLatin1String("nhb")) l.noHorizontalBands = true;
                else if (flag == QLatin1String("nvb")) l.noVerticalBands = true;
                else unknown(t, at);
            }
            tb.format.look = l;
        } else if (t.key == QLatin1String("borders")) {
            if (t.value == QLatin1String("grid")) tb.format.borders = Borders::singleGrid();
            else if (t.value == QLatin1String("none")) tb.format.borders = Borders{};
            else unknown(t, at);
        } else unknown(t, at);
    }
}

void Parser::cellTokens(CellFormat& f, const QString& tokens, qsizetype at) {
    for (const Token& t : tokenize(tokens, at)) {
        if (t.key == QLatin1String("span")) f.gridSpan = toInt(t, at);
        else if (t.key == QLatin1String("w")) f.width = toInt(t, at);
        else if (t.key == QLatin1String("va")) {
            if (t.value == QLatin1String("t")) f.verticalAlignment = VerticalAlignment::Top;
            else if (t.value == QLatin1String("c")) f.verticalAlignment = VerticalAlignment::Center;
            else if (t.value == QLatin1String("b")) f.verticalAlignment = VerticalAlignment::Bottom;
            else unknown(t, at);
        } else unknown(t, at);
    }
    if (f.gridSpan < 1) throw ParseError(QStringLiteral("Bad span at position %1").arg(at), int(at));
}

} // namespace

std::vector<Block> parseBlocks(const QString& notation) {
    Parser p(notation);
    std::vector<Block> out = p.blocks(QChar());
    if (!p.atEnd()) p.fail(QStringLiteral("Unexpected '%1'").arg(p.peek()));
    return out;
}

Document parseDocument(const QString& notation) {
    Document d;
    d.body = parseBlocks(notation);
    if (d.body.empty() || !isParagraph(d.body.back())) d.body.emplace_back(Paragraph{});
    return d;
}

CharFormat parseCharFormat(const QString& tokens) {
    QString copy = tokens;
    return Parser(copy).parseCharTokens(tokens, 0);
}

ParaFormat parseParaFormat(const QString& tokens) {
    QString copy = tokens;
    return Parser(copy).parseParaTokens(tokens, 0, nullptr);
}

} // namespace engine::model
