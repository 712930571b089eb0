#pragma once
// The document tree: a body is a list of blocks; a block is a paragraph or a table; a table
// has rows, a row has cells, and a cell holds blocks again (its own paragraphs, possibly a
// nested table). A paragraph is a sequence of runs of equally formatted text followed by its
// paragraph mark, which carries a character format of its own.
//
// Text may hold any character. Two have a meaning: U+000B is a manual line break and U+0009
// a tab; other control characters are kept as typed (writers decide what a file can hold).

#include "engine/model/charformat.h"
#include "engine/model/paraformat.h"

#include <QString>

#include <variant>
#include <vector>

namespace engine::model {

inline constexpr QChar kLineBreak = QChar(0x0B);

struct Run {
    QString text;
    CharFormat format;
    bool operator==(const Run&) const = default;
};

struct Paragraph {
    std::vector<Run> runs;
    ParaFormat format;
    CharFormat markFormat; // the paragraph mark's own character format
    QString style;         // paragraph style name; empty = "Normal"

    QString text() const;
    /// Characters before the mark.
    int textLength() const;
    /// Merges neighbouring runs of equal format and drops empty runs.
    void normalize();
    /// Direct character format of the character at `offset` (0 ≤ offset < textLength()).
    const CharFormat& formatAt(int offset) const;
    bool operator==(const Paragraph&) const = default;
};

/// Numbered as Word's wdCellVerticalAlignment values.
enum class VerticalAlignment : int { Top = 0, Center = 1, Bottom = 3 };

struct CellFormat {
    int gridSpan = 1;   // grid columns covered
    int width = 0;      // twips
    VerticalAlignment verticalAlignment = VerticalAlignment::Top;
    bool operator==(const CellFormat&) const = default;
};

enum class HeightRule { Auto, AtLeast, Exact };

struct RowFormat {
    int height = 0; // twips; meaningful unless rule is Auto
    HeightRule heightRule = HeightRule::Auto;
    bool operator==(const RowFormat&) const = default;
};

struct BorderLine {
    enum class Style { None, Single } style = Style::None;
    int eighthPoints = 4; // line width in eighths of a point
    uint32_t color = kAutoColor;
    bool operator==(const BorderLine&) const = default;
};

struct Borders {
    BorderLine top, left, bottom, right, insideH, insideV;
    static Borders singleGrid();
    bool operator==(const Borders&) const = default;
};

/// Which parts of the table style apply (Word's ApplyStyle… flags, the file's "look").
struct TableLook {
    bool headingRows = true;
    bool lastRow = false;
    bool firstColumn = true;
    bool lastColumn = false;
    bool noHorizontalBands = false;
    bool noVerticalBands = true;
    bool operator==(const TableLook&) const = default;
};

struct TableFormat {
    QString style = QStringLiteral("Table Normal");
    TableLook look;
    std::optional<Borders> borders; // direct borders, over the style's
    bool operator==(const TableFormat&) const = default;
};

struct Cell;
struct Row {
    std::vector<Cell> cells;
    RowFormat format;
    bool operator==(const Row&) const;
};

struct Table {
    std::vector<int> grid; // column widths in twips
    std::vector<Row> rows;
    TableFormat format;
    bool operator==(const Table&) const;
};

using Block = std::variant<Paragraph, Table>;

struct Cell {
    std::vector<Block> blocks; // never empty, and ends with a paragraph
    CellFormat format;
    bool operator==(const Cell&) const = default;
    /// An empty cell: one empty paragraph.
    static Cell empty(int width, int gridSpan = 1);
};

inline bool isParagraph(const Block& b) { return std::holds_alternative<Paragraph>(b); }
inline bool isTable(const Block& b) { return std::holds_alternative<Table>(b); }

} // namespace engine::model
