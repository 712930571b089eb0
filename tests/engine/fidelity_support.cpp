#include "fidelity_support.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace fidelity {

namespace {

struct FaceMetrics {
    double ascent = 0.95, descent = -0.35; // poppler's defaults
};

// Ascent and descent of every font descriptor in the file (uncompressed dictionaries, as
// both Qt and LibreOffice write them).
std::vector<FaceMetrics> declaredMetrics(const QString& path) {
    QFile f(path);
    std::vector<FaceMetrics> out;
    if (!f.open(QIODevice::ReadOnly)) return out;
    const QString pdf = QString::fromLatin1(f.readAll());
    static const QRegularExpression descriptor(QStringLiteral("/Type\\s*/FontDescriptor(.*?)>>"),
                                               QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression ascent(QStringLiteral("/Ascent\\s+(-?[0-9.]+)"));
    static const QRegularExpression descent(QStringLiteral("/Descent\\s+(-?[0-9.]+)"));
    for (auto it = descriptor.globalMatch(pdf); it.hasNext();) {
        const QString d = it.next().captured(1);
        FaceMetrics m;
        const double a = ascent.match(d).captured(1).toDouble() / 1000;
        const double de = descent.match(d).captured(1).toDouble() / 1000;
        if (a != 0 && std::abs(a) < 3) m.ascent = std::abs(a);
        if (de != 0 && de > -3) m.descent = de;
        out.push_back(m);
    }
    if (out.empty()) out.push_back(FaceMetrics{});
    return out;
}

double baselineOf(double yMin, double yMax, const std::vector<FaceMetrics>& faces) {
    // The face whose reading gives a size closest to a whole half point.
    double best = 1e9, baseline = yMax;
    for (const FaceMetrics& f : faces) {
        const double size = (yMax - yMin) / (f.ascent - f.descent);
        const double miss = std::abs(size * 2 - std::round(size * 2));
        if (miss < best - 1e-9) {
            best = miss;
            baseline = yMin + f.ascent * size;
        }
    }
    return baseline;
}

} // namespace

QString runProgram(const QString& program, const QStringList& args, QString* error, int timeoutMs) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(20000)) {
        *error = QStringLiteral("%1 cannot be started").arg(program);
        return {};
    }
    if (!p.waitForFinished(timeoutMs) || p.exitCode() != 0) {
        *error = QStringLiteral("%1 failed: %2").arg(program, QString::fromUtf8(p.readAllStandardError()));
        p.kill();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

std::vector<Word> readWords(const QString& pdfPath, QString* error) {
    const QString xml = runProgram(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")}, error);
    std::vector<Word> words;
    if (xml.isEmpty()) return words;
    const auto faces = declaredMetrics(pdfPath);
    static const QRegularExpression token(
        QStringLiteral("<page |<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" xMax=\"([-0-9.]+)\" yMax=\"([-0-9.]+)\">([^<]*)</word>"));
    int page = -1;
    for (auto it = token.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        Word w;
        w.page = page;
        w.x = m.captured(1).toDouble();
        w.baseline = baselineOf(m.captured(2).toDouble(), m.captured(4).toDouble(), faces);
        for (QChar c : m.captured(5)) w.text += (c.unicode() >= 0xF000 && c.unicode() <= 0xF0FF) ? QChar(c.unicode() & 0xFF) : c;
        w.text.replace(QStringLiteral("&amp;"), QStringLiteral("&")).replace(QStringLiteral("&lt;"), QStringLiteral("<"));
        words.push_back(w);
    }
    return words;
}

double Offsets::largest() const { return distances.empty() ? 0 : *std::max_element(distances.begin(), distances.end()); }

double Offsets::median() const {
    if (distances.empty()) return 0;
    std::vector<double> d = distances;
    std::sort(d.begin(), d.end());
    return d[d.size() / 2];
}

Offsets compare(const std::vector<Word>& a, const std::vector<Word>& b) {
    Offsets o;
    for (const Word& w : a) o.pagesA = std::max(o.pagesA, w.page + 1);
    for (const Word& w : b) o.pagesB = std::max(o.pagesB, w.page + 1);
    // Reading order may differ between the two (table cells side by side), so each word of
    // `a` takes the nearest unused word of `b` with the same text on the same page.
    std::vector<bool> used(b.size(), false);
    for (const Word& w : a) {
        int best = -1;
        double bestDistance = 1e9;
        for (size_t i = 0; i < b.size(); ++i) {
            if (used[i] || b[i].text != w.text || b[i].page != w.page) continue;
            const double d = std::hypot(b[i].x - w.x, b[i].baseline - w.baseline);
            if (d < bestDistance) {
                bestDistance = d;
                best = int(i);
            }
        }
        if (best < 0) {
            o.problems << QStringLiteral("\"%1\" on page %2 has no match").arg(w.text).arg(w.page + 1);
            continue;
        }
        used[best] = true;
        o.distances.push_back(bestDistance);
        ++o.words;
    }
    for (size_t i = 0; i < b.size(); ++i)
        if (!used[i]) o.problems << QStringLiteral("\"%1\" on page %2 only in the second").arg(b[i].text).arg(b[i].page + 1);
    return o;
}

} // namespace fidelity
