// ListTemplates, ListTemplate, ListLevels and ListLevel (its Font is with the text font).
#include "engine/automation/objects.h"

namespace engine::automation {

namespace {
const int kKnownNumberStyles[] = {0, 1, 2, 3, 4, 5, 22, 23, 255};
} // namespace

const MemberTable<ListTemplatesObject>& ListTemplatesObject::members() {
    using L = ListTemplatesObject;
    static const MemberTable<L> table = [] {
        MemberTable<L> t;
        const auto item = [](L& self, const ole::Args& args) {
            const int n = required(args, 0).toInt();
            if (n < 1 || n > int(self.state().doc.listTemplates.size())) throw noSuchItem();
            return object<ListTemplateObject>(self.docPtr(), n - 1);
        };
        t[QString()] = {item, {}};
        t[QStringLiteral("item")] = {item, {}};
        t[QStringLiteral("count")] = {[](L& self, const ole::Args&) { return ole::I4(int(self.state().doc.listTemplates.size())); }, {}};
        t[QStringLiteral("add")] = {[](L& self, const ole::Args& args) {
            auto& templates = self.state().doc.listTemplates;
            templates.push_back(model::ListTemplate::make(arg(args, 1).toString(), boolArg(args, 0, false)));
            return object<ListTemplateObject>(self.docPtr(), int(templates.size()) - 1);
        }, {}};
        return t;
    }();
    return table;
}

const MemberTable<ListTemplateObject>& ListTemplateObject::members() {
    using L = ListTemplateObject;
    static const MemberTable<L> table = [] {
        MemberTable<L> t;
        t[QStringLiteral("listlevels")] = {[](L& self, const ole::Args& args) {
            return itemOrCollection(args, object<ListLevelsObject>(self.docPtr(), self.templateIndex));
        }, {}};
        t[QStringLiteral("name")] = {
            [](L& self, const ole::Args&) { return ole::Value(self.listTemplate().name); },
            [](L& self, const ole::Args&, const ole::Value& v) { self.listTemplate().name = v.toString(); }};
        t[QStringLiteral("outlinenumbered")] = {
            [](L& self, const ole::Args&) { return ole::Bool(self.listTemplate().outlineNumbered); },
            [](L& self, const ole::Args&, const ole::Value& v) { self.listTemplate().outlineNumbered = v.toBool(); }};
        return t;
    }();
    return table;
}

const MemberTable<ListLevelsObject>& ListLevelsObject::members() {
    using L = ListLevelsObject;
    static const MemberTable<L> table = [] {
        MemberTable<L> t;
        const auto item = [](L& self, const ole::Args& args) {
            const int n = required(args, 0).toInt();
            if (n < 1 || n > 9) throw noSuchItem();
            self.listTemplate(); // the template must still exist
            return object<ListLevelObject>(self.docPtr(), self.templateIndex, n - 1);
        };
        t[QString()] = {item, {}};
        t[QStringLiteral("item")] = {item, {}};
        t[QStringLiteral("count")] = {[](L&, const ole::Args&) { return ole::I4(9); }, {}};
        return t;
    }();
    return table;
}

const MemberTable<ListLevelObject>& ListLevelObject::members() {
    using L = ListLevelObject;
    static const MemberTable<L> table = [] {
        MemberTable<L> t;
        const auto position = [](int model::ListLevel::*m) {
            return Member<L>{[m](L& self, const ole::Args&) { return twipsToPoints(self.listLevel().*m); },
                             [m](L& self, const ole::Args&, const ole::Value& v) {
                                 self.listLevel().*m = pointsToTwips(v, -1584, 1584);
                             }};
        };
        t[QStringLiteral("numberposition")] = position(&model::ListLevel::numberPosition);
        t[QStringLiteral("textposition")] = position(&model::ListLevel::textPosition);
        t[QStringLiteral("tabposition")] = {
            [](L& self, const ole::Args&) {
                const auto tab = self.listLevel().tabPosition;
                return tab ? twipsToPoints(*tab) : ole::R4(float(kUndefined));
            },
            [](L& self, const ole::Args&, const ole::Value& v) {
                if (isWordConstant(v, kUndefined)) self.listLevel().tabPosition.reset();
                else self.listLevel().tabPosition = pointsToTwips(v, -1584, 1584);
            }};
        t[QStringLiteral("numberformat")] = {
            [](L& self, const ole::Args&) { return ole::Value(self.listLevel().numberFormat); },
            [](L& self, const ole::Args&, const ole::Value& v) {
                const QString f = v.toString();
                if (f.size() > 31) throw outOfRange();
                self.listLevel().numberFormat = f;
            }};
        t[QStringLiteral("trailingcharacter")] = {
            [](L& self, const ole::Args&) { return ole::I4(int(self.listLevel().trailing)); },
            [](L& self, const ole::Args&, const ole::Value& v) {
                const int c = v.toInt();
                if (c < 0 || c > 2) throw outOfRange();
                self.listLevel().trailing = model::TrailingCharacter(c);
            }};
        t[QStringLiteral("numberstyle")] = {
            [](L& self, const ole::Args&) { return ole::I4(int(self.listLevel().numberStyle)); },
            [](L& self, const ole::Args&, const ole::Value& v) {
                const int s = v.toInt();
                if (std::find(std::begin(kKnownNumberStyles), std::end(kKnownNumberStyles), s) == std::end(kKnownNumberStyles))
                    throw outOfRange();
                self.listLevel().numberStyle = model::NumberStyle(s);
            }};
        t[QStringLiteral("alignment")] = {
            [](L& self, const ole::Args&) { return ole::I4(int(self.listLevel().alignment)); },
            [](L& self, const ole::Args&, const ole::Value& v) {
                const int a = v.toInt();
                if (a < 0 || a > 2) throw outOfRange();
                self.listLevel().alignment = model::LevelAlignment(a);
            }};
        t[QStringLiteral("resetonhigher")] = {
            [](L& self, const ole::Args&) { return ole::I4(self.listLevel().resetOnHigher); },
            [](L& self, const ole::Args&, const ole::Value& v) {
                // True (-1) means "after the level above", as Word reads it.
                int r = v.type() == ole::VarType::Bool ? (v.toBool() ? self.level : 0) : v.toInt();
                if (r < 0 || r > self.level) throw outOfRange();
                self.listLevel().resetOnHigher = r;
            }};
        t[QStringLiteral("startat")] = {
            [](L& self, const ole::Args&) { return ole::I4(self.listLevel().startAt); },
            [](L& self, const ole::Args&, const ole::Value& v) {
                const int s = v.toInt();
                if (s < 0 || s > 32767) throw outOfRange();
                self.listLevel().startAt = s;
            }};
        t[QStringLiteral("linkedstyle")] = {
            [](L& self, const ole::Args&) { return ole::Value(self.listLevel().linkedStyle); },
            [](L& self, const ole::Args&, const ole::Value& v) {
                const QString name = v.toString();
                if (!name.isEmpty() && !self.state().doc.style(name)) throw noSuchItem();
                self.listLevel().linkedStyle = name;
            }};
        t[QStringLiteral("font")] = {[](L& self, const ole::Args&) {
            return object<ListLevelFontObject>(self.docPtr(), self.templateIndex, self.level);
        }, {}};
        return t;
    }();
    return table;
}

} // namespace engine::automation
