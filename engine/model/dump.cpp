#include "engine/model/dump.h"

#include <QStringList>

namespace engine::model {

namespace {

QString quoted(const QString& text) {
    QString s = QStringLiteral("\"");
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"': s += QStringLiteral("\\\""); break;
        case '\\': s += QStringLiteral("\\\\"); break;
        case '\t': s += QStringLiteral("\\t"); break;
        case 0x0B: s += QStringLiteral("\\v"); break;
        case '\r': s += QStringLiteral("\\r"); break;
        case '\n': s += QStringLiteral("\\n"); break;
        default:
            if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0))
                s += QStringLiteral("\\u{%1}").arg(c.unicode(), 0, 16);
            else
                s += c;
        }
    }
    return s + QLatin1Char('"');
}

QString nameToken(const QString& key, const QString& name) {
    const bool plain = !name.isEmpty() && !name.contains(QLatin1Char(' ')) &&
                       !name.contains(QLatin1Char('"')) && !name.contains(QLatin1Char('}')) &&
                       !name.contains(QLatin1Char('>')) && !name.contains(QLatin1Char('\\'));
    return key + QLatin1Char('=') + (plain ? name : quoted(name));
}

QString points(int halfPoints) {
    return halfPoints % 2 == 0 ? QString::number(halfPoints / 2)
                               : QString::number(halfPoints / 2.0, 'f', 1);
}

QString alignToken(Alignment a) {
    switch (a) {
    case Alignment::Left: return QStringLiteral("l");
    case Alignment::Center: return QStringLiteral("c");
    case Alignment::Right: return QStringLiteral("r");
    case Alignment::Justify: return QStringLiteral("j");
    }
    return {};
}

QString tableFormat(const Table& t) {
    QStringList parts;
    if (t.format.style != QLatin1String("Table Normal")) parts << nameToken(QStringLiteral("style"), t.format.style);
    QStringList grid;
    for (int w : t.grid) grid << QString::number(w);
    if (!grid.isEmpty()) parts << QStringLiteral("grid=") + grid.join(QLatin1Char(','));
    if (t.format.look != TableLook{}) {
        const TableLook& l = t.format.look;
        QStringList flags;
        if (l.headingRows) flags << QStringLiteral("hr");
        if (l.lastRow) flags << QStringLiteral("lr");
        if (l.firstColumn) flags << QStringLiteral("fc");
        if (l.lastColumn) flags << QStringLiteral("lc");
        if (l.noHorizontalBands) flags << QStringLiteral("nhb");
        if (l.noVerticalBands) flags << QStringLiteral("nvb");
        parts << QStringLiteral("look=") + flags.join(QLatin1Char(','));
    }
    if (t.format.borders)
        parts << (*t.format.borders == Borders{} ? QStringLiteral("borders=none") : QStringLiteral("borders=grid"));
    return parts.join(QLatin1Char(' '));
}

QString rowFormat(const RowFormat& f) {
    switch (f.heightRule) {
    case HeightRule::Auto: return {};
    case HeightRule::AtLeast: return QStringLiteral("h>=") + QString::number(f.height);
    case HeightRule::Exact: return QStringLiteral("h==") + QString::number(f.height);
    }
    return {};
}

QString cellFormat(const CellFormat& f) {
    QStringList parts;
    if (f.gridSpan != 1) parts << QStringLiteral("span=") + QString::number(f.gridSpan);
    parts << QStringLiteral("w=") + QString::number(f.width);
    if (f.verticalAlignment == VerticalAlignment::Center) parts << QStringLiteral("va=c");
    if (f.verticalAlignment == VerticalAlignment::Bottom) parts << QStringLiteral("va=b");
    return parts.join(QLatin1Char(' '));
}

QString braced(QChar open, const QString& inner, QChar close) {
    return inner.isEmpty() ? QString() : open + inner + close;
}

} // namespace

QString dump(const CharFormat& f) {
    QStringList parts;
    if (f.fontName) parts << nameToken(QStringLiteral("font"), *f.fontName);
    if (f.halfPoints) parts << QStringLiteral("sz=") + points(*f.halfPoints);
    for (auto flag = charFlagsBegin(); flag != charFlagsEnd(); ++flag) {
        const std::optional<bool>& v = f.*(flag->member);
        if (v) parts << (*v ? QString() : QStringLiteral("-")) + QLatin1String(flag->token);
    }
    if (f.underline) parts << QStringLiteral("u=") + QString::number(int(*f.underline));
    if (f.color)
        parts << QStringLiteral("color=") +
                     (*f.color == kAutoColor ? QStringLiteral("auto")
                                             : QStringLiteral("%1").arg(*f.color, 6, 16, QLatin1Char('0')).toUpper());
    if (f.animation) parts << QStringLiteral("anim=") + QString::number(*f.animation);
    return parts.join(QLatin1Char(' '));
}

QString dump(const ParaFormat& f) {
    QStringList parts;
    if (f.alignment) parts << QStringLiteral("al=") + alignToken(*f.alignment);
    if (f.lineSpacing) {
        const char* op = f.lineSpacing->rule == LineRule::Auto      ? "="
                         : f.lineSpacing->rule == LineRule::AtLeast ? ">="
                                                                    : "==";
        parts << QStringLiteral("line") + QLatin1String(op) + QString::number(f.lineSpacing->value);
    }
    auto length = [&](const char* key, const std::optional<int>& v) {
        if (v) parts << QLatin1String(key) + QLatin1Char('=') + QString::number(*v);
    };
    length("before", f.spaceBefore);
    length("after", f.spaceAfter);
    length("left", f.leftIndent);
    length("right", f.rightIndent);
    length("first", f.firstLineIndent);
    if (f.list)
        parts << (f.list->listId == 0 ? QStringLiteral("list=0")
                                      : QStringLiteral("list=%1:%2").arg(f.list->listId).arg(f.list->level + 1));
    return parts.join(QLatin1Char(' '));
}

QString dump(const Paragraph& p, DumpOptions o) {
    QString s;
    if (o.formats) {
        QString pf = dump(p.format);
        if (!p.style.isEmpty()) pf = (pf.isEmpty() ? QString() : pf + QLatin1Char(' ')) + nameToken(QStringLiteral("style"), p.style);
        s += braced(QLatin1Char('{'), pf, QLatin1Char('}'));
        if (!s.isEmpty()) s.prepend(QLatin1Char('P'));
    }
    for (const Run& r : p.runs) {
        if (o.formats) s += braced(QLatin1Char('<'), dump(r.format), QLatin1Char('>'));
        s += quoted(r.text);
    }
    s += QChar(0x00B6);
    if (o.formats) s += braced(QLatin1Char('<'), dump(p.markFormat), QLatin1Char('>'));
    return s;
}

QString dump(const Row& r, DumpOptions o) {
    QString s = QStringLiteral("R");
    if (o.formats) s += braced(QLatin1Char('{'), rowFormat(r.format), QLatin1Char('}'));
    for (const Cell& c : r.cells) {
        s += QStringLiteral(" C");
        if (o.formats) s += braced(QLatin1Char('{'), cellFormat(c.format), QLatin1Char('}'));
        s += QLatin1Char('(') + dump(c.blocks, o) + QLatin1Char(')');
    }
    return s;
}

QString dump(const Block& b, DumpOptions o) {
    if (const Paragraph* p = std::get_if<Paragraph>(&b)) return dump(*p, o);
    const Table& t = std::get<Table>(b);
    QString s = QStringLiteral("T");
    if (o.formats) s += braced(QLatin1Char('{'), tableFormat(t), QLatin1Char('}'));
    QStringList rows;
    for (const Row& r : t.rows) rows << dump(r, o);
    return s + QLatin1Char('[') + rows.join(QLatin1Char(' ')) + QLatin1Char(']');
}

QString dump(const std::vector<Block>& blocks, DumpOptions o) {
    QStringList parts;
    for (const Block& b : blocks) parts << dump(b, o);
    return parts.join(QLatin1Char(' '));
}

QString dump(const Document& d, DumpOptions o) { return dump(d.body, o); }

} // namespace engine::model
