#pragma once
// Word boxes of a PDF as `pdftotext -bbox` reports them, turned into baselines, and the
// comparison of two PDFs word by word (same page, offset of each word).
#include <QString>
#include <QStringList>

#include <vector>

namespace fidelity {

struct Word {
    QString text;
    int page = 0;
    double x = 0;        // left end
    double baseline = 0; // from the page's top, points
};

/// The words of a PDF. The viewer draws a word's box from the font's ascent to its descent
/// as the PDF declares them (0.95 and -0.35 of the size where a PDF gives none); the
/// baseline is recovered with the declared metrics of the face whose reading gives the
/// most plausible size. Symbol-font characters (U+F0xx) are read as their low byte.
std::vector<Word> readWords(const QString& pdfPath, QString* error);

struct Offsets {
    int pagesA = 0, pagesB = 0;
    int words = 0;
    std::vector<double> distances; // per matched word, points
    QStringList problems;          // unmatched words, page differences
    double largest() const;
    double median() const;
};

/// Matches the words of `a` and `b` in reading order (text equal) and measures them.
Offsets compare(const std::vector<Word>& a, const std::vector<Word>& b);

/// Runs a program; its standard output, or empty with `error` set.
QString runProgram(const QString& program, const QStringList& args, QString* error, int timeoutMs = 180000);

} // namespace fidelity
