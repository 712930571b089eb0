#pragma once
// List templates (a file's abstract numbering) and list instances that paragraphs join.
// Positions are in twips.

#include "engine/model/charformat.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace engine::model {

/// Numbered as Word's wdListNumberStyle values (the ones a template commonly uses).
enum class NumberStyle : int {
    Arabic = 0,
    UppercaseRoman = 1,
    LowercaseRoman = 2,
    UppercaseLetter = 3,
    LowercaseLetter = 4,
    Ordinal = 5,
    ArabicLZ = 22,
    Bullet = 23,
    None = 255,
};

/// Numbered as Word's wdTrailingCharacter values.
enum class TrailingCharacter : int { Tab = 0, Space = 1, None = 2 };

/// Numbered as Word's wdListLevelAlignment values.
enum class LevelAlignment : int { Left = 0, Center = 1, Right = 2 };

struct ListLevel {
    /// Template text; "%1" … "%9" stand for the numbers of levels 1–9. A bullet is the bullet
    /// character itself (e.g. U+F0A7, a Wingdings glyph in the symbol-font range).
    QString numberFormat;
    NumberStyle numberStyle = NumberStyle::Arabic;
    TrailingCharacter trailing = TrailingCharacter::Tab;
    LevelAlignment alignment = LevelAlignment::Left;
    int numberPosition = 0;           // where the number starts
    int textPosition = 0;             // where the text (and its wrapped lines) start
    std::optional<int> tabPosition;   // tab after the number; unset = none
    /// 0 = never restart; k = restart after a paragraph of level k (1-based) or higher.
    int resetOnHigher = 0;
    int startAt = 1;
    QString linkedStyle;
    CharFormat font;                  // applies to the number only
    bool operator==(const ListLevel&) const = default;
};

struct ListTemplate {
    QString name;
    bool outlineNumbered = false;
    std::array<ListLevel, 9> levels;
    bool operator==(const ListTemplate&) const = default;

    /// The levels Word gives a new template: outline-numbered "1) a) i) (1) (a) (i) 1. a. i.",
    /// otherwise "1." at every level; indents step by a quarter inch.
    static ListTemplate make(const QString& name, bool outlineNumbered);
};

/// A list as paragraphs join it: a numbering sequence over a template.
struct ListInstance {
    int id = 0;          // > 0, unique in the document
    int templateIndex = 0;
    bool operator==(const ListInstance&) const = default;
};

} // namespace engine::model
