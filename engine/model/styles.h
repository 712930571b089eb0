#pragma once
// Styles and page set-up, with the values a new blank Word (2016 and later) document has.

#include "engine/model/tree.h"

#include <QString>

#include <vector>

namespace engine::model {

enum class StyleType { Paragraph, Character, Table, Numbering };

struct Style {
    QString name;
    StyleType type = StyleType::Paragraph;
    QString basedOn;
    bool isDefault = false; // the default style of its type
    ParaFormat paragraph;
    CharFormat character;
    // Table styles only.
    int cellMarginLeft = 0;  // twips
    int cellMarginRight = 0; // twips
    std::optional<Borders> borders;
    bool operator==(const Style&) const = default;
};

/// Document-wide defaults under every style.
struct DocDefaults {
    CharFormat character;
    ParaFormat paragraph;
    bool operator==(const DocDefaults&) const = default;
};

struct PageSetup {
    int width = 12240;  // twips
    int height = 15840;
    int marginTop = 1440, marginBottom = 1440, marginLeft = 1440, marginRight = 1440;
    int headerDistance = 720, footerDistance = 720;
    int textWidth() const { return width - marginLeft - marginRight; }
    bool operator==(const PageSetup&) const = default;

    static PageSetup letter();
    static PageSetup a4();
    /// US Letter where the locale measures in inches, else A4 (what a new Word document does).
    static PageSetup forSystemLocale();
};

/// Word 2016+ defaults: Calibri 11 pt; 8 pt after; line 259/240 (auto).
DocDefaults wordDocDefaults();
/// "Normal", "Default Paragraph Font", "Table Normal" (108-twip left/right cell margins),
/// "Table Grid" (single borders, no space after, single line) and "No List".
std::vector<Style> wordStyles();

} // namespace engine::model
