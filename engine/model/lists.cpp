#include "engine/model/lists.h"

namespace engine::model {

ListTemplate ListTemplate::make(const QString& name, bool outlineNumbered) {
    static const NumberStyle outlineStyles[3] = {NumberStyle::Arabic, NumberStyle::LowercaseLetter,
                                                 NumberStyle::LowercaseRoman};
    ListTemplate t;
    t.name = name;
    t.outlineNumbered = outlineNumbered;
    for (int i = 0; i < 9; ++i) {
        ListLevel& l = t.levels[i];
        const QString number = QStringLiteral("%") + QString::number(i + 1);
        if (outlineNumbered) {
            l.numberStyle = outlineStyles[i % 3];
            l.numberFormat = i < 3   ? number + QLatin1Char(')')
                             : i < 6 ? QLatin1Char('(') + number + QLatin1Char(')')
                                     : number + QLatin1Char('.');
            l.resetOnHigher = i; // restart after the level above
        } else {
            l.numberStyle = NumberStyle::Arabic;
            l.numberFormat = number + QLatin1Char('.');
        }
        l.numberPosition = 360 * i;
        l.textPosition = 360 * (i + 1);
        l.tabPosition = l.textPosition;
    }
    return t;
}

} // namespace engine::model
