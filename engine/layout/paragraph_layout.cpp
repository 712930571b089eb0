#include "engine/layout/paragraph_layout.h"

#include "engine/layout/font_metrics.h"
#include "engine/layout/fonts.h"

#include <QFontMetricsF>
#include <QTextCharFormat>

#include <algorithm>
#include <cmath>

namespace engine::layout {

using namespace engine::model;

namespace {

constexpr int kDefaultTabStop = 720;

QFont fontOf(const CharFormat& f) {
    QFont font = layoutFont(f.fontName.value_or(QStringLiteral("Calibri")), f.halfPoints.value_or(22),
                            f.bold.value_or(false), f.italic.value_or(false));
    if (f.allCaps.value_or(false)) font.setCapitalization(QFont::AllUppercase);
    if (f.underline && *f.underline != Underline::None) font.setUnderline(true);
    if (f.strike.value_or(false) || f.doubleStrike.value_or(false)) font.setStrikeOut(true);
    return font;
}

QTextCharFormat textFormatOf(const CharFormat& f) {
    QTextCharFormat c;
    c.setFont(fontOf(f), QTextCharFormat::FontPropertiesAll);
    if (f.color && *f.color != kAutoColor) c.setForeground(QColor::fromRgb(QRgb(*f.color)));
    if (f.superscript.value_or(false)) c.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (f.subscript.value_or(false)) c.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    return c;
}

// The paragraph's text as QTextLayout reads it, one QChar per model character: a manual
// line break becomes Unicode's line separator; other control characters (tab aside) take no
// room.
QString layoutText(const Paragraph& p) {
    QString s = p.text();
    for (QChar& c : s) {
        const char16_t u = c.unicode();
        if (u == 0x0B || u == '\r' || u == '\n') c = QChar::LineSeparator;
        else if (u < 0x20 && u != '\t') c = QChar(0x2060); // word joiner: zero width
    }
    return s;
}

bool needsFallbackMetrics(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x0590; });
}

// Height of a line and where its baseline sits, from the tallest font on it.
std::pair<int, int> spacedLine(const VerticalMetrics& m, const LineSpacing& ls) {
    const int natural = m.height();
    switch (ls.rule) {
    case LineRule::Auto: {
        // Multiples are whole percents of a single line; the extra goes below the text.
        int percent = int(std::lround(ls.value * 100.0 / 240.0));
        if (percent <= 0) percent = 100;
        if (percent >= 100) return {natural + natural * (percent - 100) / 100, m.ascent};
        const int h = std::max(1, natural * percent / 100);
        return {h, m.ascent - (natural - h)};
    }
    case LineRule::AtLeast: {
        const int h = std::max(natural, ls.value);
        return {h, m.ascent + (h - natural)};
    }
    case LineRule::Exact: {
        const int h = std::max(1, ls.value);
        return {h, m.ascent + (h - natural)};
    }
    }
    return {natural, m.ascent};
}

VerticalMetrics tallest(VerticalMetrics a, const VerticalMetrics& b) {
    a.ascent = std::max(a.ascent, b.ascent);
    a.descent = std::max(a.descent, b.descent);
    return a;
}

QString numberText(int n, NumberStyle style) {
    auto letters = [](int v, bool upper) {
        QString s;
        const int repeat = (v - 1) / 26 + 1;
        const QChar c = QChar((upper ? 'A' : 'a') + (v - 1) % 26);
        return s.fill(c, repeat);
    };
    auto roman = [](int v, bool upper) {
        static const std::pair<int, const char*> parts[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"},
                                                            {100, "c"},  {90, "xc"},  {50, "l"},  {40, "xl"},
                                                            {10, "x"},   {9, "ix"},   {5, "v"},   {4, "iv"}, {1, "i"}};
        QString s;
        for (const auto& [value, text] : parts)
            while (v >= value) { s += QString::fromLatin1(text); v -= value; }
        return upper ? s.toUpper() : s;
    };
    if (n <= 0) n = 1;
    switch (style) {
    case NumberStyle::UppercaseRoman: return roman(n, true);
    case NumberStyle::LowercaseRoman: return roman(n, false);
    case NumberStyle::UppercaseLetter: return letters(n, true);
    case NumberStyle::LowercaseLetter: return letters(n, false);
    case NumberStyle::ArabicLZ: return n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
    case NumberStyle::None: return {};
    default: return QString::number(n);
    }
}

// A label without numbering context: bullets as they are, numbers as the first of their list.
QString defaultLabel(const ListTemplate& t, const ListLevel& level) {
    if (level.numberStyle == NumberStyle::Bullet) return level.numberFormat;
    QString s = level.numberFormat;
    for (int k = 0; k < 9; ++k)
        s.replace(QStringLiteral("%") + QString::number(k + 1),
                  numberText(t.levels[k].startAt, t.levels[k].numberStyle));
    return s;
}

// The line a cell's bottom spacing is measured from: the paragraph's own size (its style's,
// or its mark's when it holds no text) in the serif face word processors fall back to.
int cellEndLineHeight(int halfPoints) {
    return verticalMetrics(layoutFont(QStringLiteral("Liberation Serif"), halfPoints, false, false)).height();
}

struct Indents {
    int left = 0, right = 0, firstLine = 0;
};

struct RunMetrics {
    int start = 0, end = 0;
    VerticalMetrics metrics;
};

} // namespace

CharFormat labelFormat(const Document& doc, const Paragraph& p, const ListLevel& level, const QString& tableStyle) {
    CharFormat f = doc.effectiveCharFormat(p, p.markFormat, tableStyle);
    f.overlay(level.font);
    return f;
}

int ParagraphBox::lineOf(int offset) const {
    for (int i = 0; i < int(lines.size()); ++i)
        if (offset < lines[i].end()) return i;
    return int(lines.size()) - 1;
}

double ParagraphBox::caretX(int offset) const {
    const int i = lineOf(offset);
    if (!text || i >= text->lineCount()) return lines[i].x;
    return text->lineAt(i).cursorToX(std::clamp(offset, 0, textLength));
}

int ParagraphBox::offsetAt(int line, double x) const {
    line = std::clamp(line, 0, int(lines.size()) - 1);
    const LineBox& l = lines[line];
    if (!text || line >= text->lineCount()) return l.start;
    int at = text->lineAt(line).xToCursor(x);
    // The caret may not stand after a wrapped line's last character: that is the next line.
    const bool wraps = line + 1 < int(lines.size());
    if (wraps && at >= l.end()) at = l.end() - 1;
    return std::clamp(at, l.start, std::max(l.start, wraps ? l.end() - 1 : l.end()));
}

std::shared_ptr<const ParagraphBox> layoutParagraph(const ParagraphContext& ctx, const Paragraph& p) {
    const Document& doc = *ctx.doc;
    auto box = std::make_shared<ParagraphBox>();

    Paragraph styleOnly;
    styleOnly.style = p.style;
    const ParaFormat styled = doc.effectiveParaFormat(styleOnly, ctx.tableStyle);
    const ParaFormat full = styled.overlaid(p.format);
    const ListLevel* level = doc.listLevel(full);

    Indents ind;
    ind.left = p.format.leftIndent ? *p.format.leftIndent
                                   : (level ? level->textPosition : styled.leftIndent.value_or(0));
    ind.firstLine = p.format.firstLineIndent
                        ? *p.format.firstLineIndent
                        : (level ? level->numberPosition - level->textPosition : styled.firstLineIndent.value_or(0));
    ind.right = full.rightIndent.value_or(0);
    box->spaceBefore = std::max(0, full.spaceBefore.value_or(0));
    box->spaceAfter = std::max(0, full.spaceAfter.value_or(0));
    const LineSpacing spacing = full.lineSpacing.value_or(LineSpacing{});

    const CharFormat markFormat = doc.effectiveCharFormat(p, p.markFormat, ctx.tableStyle);
    const QString text = layoutText(p);
    box->textLength = int(text.size());

    // Runs: their formats for QTextLayout and their fonts' line metrics.
    QList<QTextLayout::FormatRange> ranges;
    std::vector<RunMetrics> runMetrics;
    int at = 0;
    for (const Run& r : p.runs) {
        if (r.text.isEmpty()) continue;
        const CharFormat f = doc.effectiveCharFormat(p, r.format, ctx.tableStyle);
        QTextLayout::FormatRange range;
        range.start = at;
        range.length = int(r.text.size());
        range.format = textFormatOf(f);
        ranges << range;
        runMetrics.push_back({at, at + int(r.text.size()), verticalMetrics(range.format.font())});
        at += int(r.text.size());
    }
    const VerticalMetrics markMetrics = verticalMetrics(fontOf(markFormat));

    // The list label and where the first line's text starts after it.
    double firstX = ind.left + ind.firstLine;
    std::optional<VerticalMetrics> labelMetrics;
    if (level) {
        const ListTemplate* t = doc.templateOfList(full.list->listId);
        auto label = std::make_unique<LabelBox>();
        const CharFormat lf = labelFormat(doc, p, *level, ctx.tableStyle);
        const QString family = lf.fontName.value_or(QString());
        label->text = drawableSymbolText(family, ctx.label.isEmpty() && t ? defaultLabel(*t, *level) : ctx.label);
        QFont lfont = fontOf(lf);
        label->layout = std::make_unique<QTextLayout>(label->text, lfont);
        QTextOption o;
        o.setUseDesignMetrics(true);
        o.setWrapMode(QTextOption::NoWrap);
        label->layout->setTextOption(o);
        label->layout->setCacheEnabled(true);
        label->layout->beginLayout();
        QTextLine l = label->layout->createLine();
        label->layout->endLayout();
        const double w = l.isValid() ? l.naturalTextWidth() : 0;
        const double numberAt = ind.left + ind.firstLine;
        label->x = level->alignment == LevelAlignment::Right    ? numberAt - w
                   : level->alignment == LevelAlignment::Center ? numberAt - w / 2
                                                                : numberAt;
        const double labelEnd = label->x + w;
        switch (level->trailing) {
        case TrailingCharacter::Tab: {
            double stop = std::ceil((labelEnd + 1) / kDefaultTabStop) * kDefaultTabStop;
            if (level->tabPosition && *level->tabPosition > labelEnd) stop = std::min<double>(stop, *level->tabPosition);
            if (ind.left > labelEnd) stop = std::min<double>(stop, ind.left);
            firstX = stop;
            break;
        }
        case TrailingCharacter::Space:
            firstX = labelEnd + QFontMetricsF(lfont).horizontalAdvance(QLatin1Char(' '));
            break;
        case TrailingCharacter::None: firstX = labelEnd; break;
        }
        if (!label->text.isEmpty()) labelMetrics = verticalMetrics(lfont);
        box->label = std::move(label);
    }

    box->text = std::make_unique<QTextLayout>(text, fontOf(markFormat));
    QTextOption option;
    option.setUseDesignMetrics(true);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(kDefaultTabStop);
    option.setTextDirection(Qt::LeftToRight);
    switch (full.alignment.value_or(Alignment::Left)) {
    case Alignment::Left: option.setAlignment(Qt::AlignLeft); break;
    case Alignment::Center: option.setAlignment(Qt::AlignHCenter); break;
    case Alignment::Right: option.setAlignment(Qt::AlignRight); break;
    case Alignment::Justify: option.setAlignment(Qt::AlignJustify); break;
    }
    box->text->setTextOption(option);
    box->text->setFormats(ranges);
    box->text->setCacheEnabled(true);

    const bool fallbackFonts = needsFallbackMetrics(text);
    int y = box->spaceBefore;
    VerticalMetrics lastMetrics;
    box->text->beginLayout();
    for (int i = 0;; ++i) {
        QTextLine line = box->text->createLine();
        if (!line.isValid()) break;
        const double x = i == 0 ? firstX : ind.left;
        line.setLineWidth(std::max(1.0, ctx.width - ind.right - x));
        const int start = line.textStart(), end = start + line.textLength();

        VerticalMetrics m;
        bool any = false;
        for (const RunMetrics& r : runMetrics)
            if (r.start < std::max(end, start + 1) && r.end > start) {
                m = tallest(m, r.metrics);
                any = true;
            }
        if (!any) m = markMetrics;
        if (i == 0 && labelMetrics) m = tallest(m, *labelMetrics);
        if (fallbackFonts)
            for (const QGlyphRun& g : line.glyphRuns()) m = tallest(m, verticalMetrics(g.rawFont()));

        lastMetrics = m;
        const auto [height, baseline] = spacedLine(m, spacing);
        line.setPosition(QPointF(x, y + baseline - line.ascent()));
        LineBox lb;
        lb.start = start;
        lb.length = end - start;
        lb.top = y;
        lb.height = height;
        lb.baseline = baseline;
        lb.x = line.cursorToX(start);
        lb.width = line.naturalTextWidth();
        box->lines.push_back(lb);
        y += height;
    }
    box->text->endLayout();

    if (box->lines.empty()) { // no text: one line as high as the paragraph mark
        VerticalMetrics m = markMetrics;
        if (labelMetrics) m = tallest(m, *labelMetrics);
        lastMetrics = m;
        const auto [height, baseline] = spacedLine(m, spacing);
        LineBox lb;
        lb.top = y;
        lb.height = height;
        lb.baseline = baseline;
        lb.x = firstX;
        box->lines.push_back(lb);
    }

    if (ctx.lastInCell && spacing.rule == LineRule::Auto) {
        const int percent = int(std::lround(spacing.value * 100.0 / 240.0));
        if (percent > 100) {
            LineBox& last = box->lines.back();
            const int halfPoints = text.isEmpty() ? markFormat.halfPoints.value_or(20)
                                                  : doc.effectiveCharFormat(p, {}, ctx.tableStyle).halfPoints.value_or(20);
            last.height = lastMetrics.height() + cellEndLineHeight(halfPoints) * (percent - 100) / 100;
        }
    }
    return box;
}

} // namespace engine::layout
