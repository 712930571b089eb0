#pragma once
// Character formatting. Every property is optional: an unset property is "undefined" and
// is inherited from the paragraph style and the document defaults. A list level's font
// uses exactly that to leave most of its properties to the text it numbers.

#include <QString>

#include <cstdint>
#include <optional>

namespace engine::model {

/// Underline kinds, numbered as Word's wdUnderline values.
enum class Underline : int { None = 0, Single = 1, Words = 2, Double = 3, Dotted = 4, Thick = 6 };

/// 0xRRGGBB, or kAutoColor for the "automatic" colour (black on white).
inline constexpr uint32_t kAutoColor = 0xFF000000u;

struct CharFormat {
    std::optional<QString> fontName;
    /// Size in half-points (Word's sizes come in half-point steps; 11 pt = 22).
    std::optional<int> halfPoints;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> strike;
    std::optional<bool> doubleStrike;
    std::optional<bool> subscript;
    std::optional<bool> superscript;
    std::optional<bool> shadow;
    std::optional<bool> outline;
    std::optional<bool> emboss;
    std::optional<bool> engrave; // "imprint"
    std::optional<bool> allCaps;
    std::optional<bool> hidden;
    std::optional<Underline> underline;
    std::optional<uint32_t> color;
    /// Text animation, as Word's wdAnimation values (0 = none).
    std::optional<int> animation;

    /// Properties set in `over` replace those here; unset ones leave these alone.
    void overlay(const CharFormat& over);
    /// A copy with `over` laid on top.
    CharFormat overlaid(const CharFormat& over) const;
    /// True when no property is set.
    bool isEmpty() const;

    bool operator==(const CharFormat&) const = default;
};

/// The flags in a fixed order, for code that treats them alike (dump, parse, writers).
struct CharFlag {
    const char* token; // short name in dump notation, e.g. "b", "i", "caps"
    std::optional<bool> CharFormat::*member;
};
const CharFlag* charFlagsBegin();
const CharFlag* charFlagsEnd();

} // namespace engine::model
