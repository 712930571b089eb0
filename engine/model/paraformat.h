#pragma once
// Paragraph formatting. As with characters, an unset property is inherited (style, then
// document defaults). Lengths are in twips (1/20 point, 1/1440 inch).

#include <optional>

namespace engine::model {

/// Numbered as Word's wdParagraphAlignment values.
enum class Alignment : int { Left = 0, Center = 1, Right = 2, Justify = 3 };

/// How `LineSpacing::value` is read: Auto = in 240ths of a line (240 single, 360 one and a
/// half, 259 Word's 1.08); AtLeast and Exact = twips.
enum class LineRule { Auto, AtLeast, Exact };

struct LineSpacing {
    LineRule rule = LineRule::Auto;
    int value = 240;
    bool operator==(const LineSpacing&) const = default;
};

/// A paragraph's place in a list: the list instance (Document::lists) and the level, 0–8.
/// listId 0 means "explicitly not numbered" (it overrides a numbered style).
struct ListMembership {
    int listId = 0;
    int level = 0;
    bool operator==(const ListMembership&) const = default;
};

struct ParaFormat {
    std::optional<Alignment> alignment;
    std::optional<LineSpacing> lineSpacing;
    std::optional<int> spaceBefore;
    std::optional<int> spaceAfter;
    std::optional<int> leftIndent;
    std::optional<int> rightIndent;
    /// First-line indent; negative values are a hanging indent of that size.
    std::optional<int> firstLineIndent;
    std::optional<ListMembership> list;

    void overlay(const ParaFormat& over);
    ParaFormat overlaid(const ParaFormat& over) const;
    bool isEmpty() const;
    bool operator==(const ParaFormat&) const = default;
};

} // namespace engine::model
