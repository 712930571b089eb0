#include "engine/model/styles.h"

#include <QLocale>

namespace engine::model {

PageSetup PageSetup::letter() { return PageSetup{}; }

PageSetup PageSetup::a4() {
    PageSetup p;
    p.width = 11906;
    p.height = 16838;
    return p;
}

PageSetup PageSetup::forSystemLocale() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? letter() : a4();
}

DocDefaults wordDocDefaults() {
    DocDefaults d;
    d.character.fontName = QStringLiteral("Calibri");
    d.character.halfPoints = 22;
    d.paragraph.spaceBefore = 0;
    d.paragraph.spaceAfter = 160;
    d.paragraph.lineSpacing = LineSpacing{LineRule::Auto, 259};
    return d;
}

std::vector<Style> wordStyles() {
    std::vector<Style> s;
    Style normal;
    normal.name = QStringLiteral("Normal");
    normal.isDefault = true;
    s.push_back(normal);

    Style font;
    font.name = QStringLiteral("Default Paragraph Font");
    font.type = StyleType::Character;
    font.isDefault = true;
    s.push_back(font);

    Style table;
    table.name = QStringLiteral("Table Normal");
    table.type = StyleType::Table;
    table.isDefault = true;
    table.cellMarginLeft = 108;
    table.cellMarginRight = 108;
    s.push_back(table);

    Style grid;
    grid.name = QStringLiteral("Table Grid");
    grid.type = StyleType::Table;
    grid.basedOn = QStringLiteral("Table Normal");
    grid.cellMarginLeft = 108;
    grid.cellMarginRight = 108;
    grid.paragraph.spaceAfter = 0;
    grid.paragraph.lineSpacing = LineSpacing{LineRule::Auto, 240};
    grid.borders = Borders::singleGrid();
    s.push_back(grid);

    Style noList;
    noList.name = QStringLiteral("No List");
    noList.type = StyleType::Numbering;
    noList.isDefault = true;
    s.push_back(noList);
    return s;
}

} // namespace engine::model
