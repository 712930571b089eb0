// Tables, Table, Columns, Column, Rows and Row.
#include "engine/automation/objects.h"
#include "engine/edit/editing.h"
#include "engine/edit/tables.h"

namespace engine::automation {

bool tablePathValid(const model::Document& d, const std::vector<edit::Step>& path) {
    if (path.empty()) return false;
    edit::Pos probe{path, 0};
    probe.path.back().row = 0;
    probe.path.back().cell = edit::kRowEnd; // the first row's end exists in any table
    return edit::isValid(d, probe);
}

namespace {

std::vector<int> topLevelTables(const model::Document& d) {
    std::vector<int> out;
    for (int i = 0; i < int(d.body.size()); ++i)
        if (model::isTable(d.body[i])) out.push_back(i);
    return out;
}

ole::Value tableItem(const DocPtr& d, const ole::Args& args) {
    const std::vector<int> tables = topLevelTables(d->doc);
    const int n = required(args, 0).toInt();
    if (n < 1 || n > int(tables.size())) throw noSuchItem();
    return object<TableObject>(d, std::vector<edit::Step>{edit::Step{tables[n - 1], 0, 0}});
}

} // namespace

const MemberTable<TablesObject>& TablesObject::members() {
    using T = TablesObject;
    static const MemberTable<T> table = [] {
        MemberTable<T> t;
        const auto item = [](T& self, const ole::Args& args) { return tableItem(self.docPtr(), args); };
        t[QString()] = {item, {}};
        t[QStringLiteral("item")] = {item, {}};
        t[QStringLiteral("count")] = {[](T& self, const ole::Args&) { return ole::I4(int(topLevelTables(self.state().doc).size())); }, {}};
        t[QStringLiteral("add")] = {[](T& self, const ole::Args& args) {
            const auto range = std::dynamic_pointer_cast<RangeObject>(required(args, 0).toObject());
            if (!range || range->docPtr() != self.docPtr())
                throw ole::Error(QStringLiteral("The range does not belong to this document."));
            const int rows = required(args, 1).toInt();
            const int cols = required(args, 2).toInt();
            const int behavior = intArg(args, 3, 0);
            const int autoFit = intArg(args, 4, 0);
            if (behavior != 0 && behavior != 1) throw outOfRange();
            if (autoFit < 0 || autoFit > 2) throw outOfRange(); // widths stay fixed in every case
            DocState& d = self.state();
            edit::Extent e = range->extent();
            edit::Pos at = e.isEmpty() ? e.start : edit::deleteExtent(d.doc, e);
            if (at.atRowEnd()) at = edit::prevChar(d.doc, at);
            const size_t depth = at.path.size() - 1;
            const edit::Pos first = edit::insertTable(d.doc, at, rows, cols, edit::TableBehavior(behavior));
            d.selection.setInsertionPoint(first);
            std::vector<edit::Step> path(first.path.begin(), first.path.begin() + depth + 1);
            path.back().row = path.back().cell = 0;
            return object<TableObject>(self.docPtr(), std::move(path));
        }, {}};
        return t;
    }();
    return table;
}

const MemberTable<TableObject>& TableObject::members() {
    using T = TableObject;
    static const MemberTable<T> table = [] {
        MemberTable<T> t;
        t[QStringLiteral("columns")] = {[](T& self, const ole::Args& args) {
            return itemOrCollection(args, object<ColumnsObject>(self.docPtr(), self.path));
        }, {}};
        t[QStringLiteral("rows")] = {[](T& self, const ole::Args& args) {
            return itemOrCollection(args, object<RowsObject>(self.docPtr(), self.path));
        }, {}};
        t[QStringLiteral("style")] = {
            [](T& self, const ole::Args&) { return ole::Value(self.table().format.style); },
            [](T& self, const ole::Args&, const ole::Value& v) {
                const QString name = v.toString();
                const model::Style* s = self.state().doc.style(name);
                if (!s || s->type != model::StyleType::Table) throw noSuchItem();
                self.table().format.style = name;
                self.state().doc.notifyChanged({self.path.front().block, 1, 1});
            }};
        struct Flag {
            const char* name;
            bool model::TableLook::*member;
        };
        static const Flag flags[] = {
            {"applystyleheadingrows", &model::TableLook::headingRows},
            {"applystylelastrow", &model::TableLook::lastRow},
            {"applystylefirstcolumn", &model::TableLook::firstColumn},
            {"applystylelastcolumn", &model::TableLook::lastColumn},
        };
        for (const Flag& f : flags) {
            const auto m = f.member;
            t[QLatin1String(f.name)] = {
                [m](T& self, const ole::Args&) { return ole::Bool(self.table().format.look.*m); },
                [m](T& self, const ole::Args&, const ole::Value& v) {
                    self.table().format.look.*m = v.toBool();
                    self.state().doc.notifyChanged({self.path.front().block, 1, 1});
                }};
        }
        return t;
    }();
    return table;
}

const MemberTable<ColumnsObject>& ColumnsObject::members() {
    using C = ColumnsObject;
    static const MemberTable<C> table = [] {
        MemberTable<C> t;
        const auto item = [](C& self, const ole::Args& args) {
            const int n = required(args, 0).toInt();
            if (n < 1 || n > int(self.table().grid.size())) throw noSuchItem();
            return object<ColumnObject>(self.docPtr(), self.path, n - 1);
        };
        t[QString()] = {item, {}};
        t[QStringLiteral("item")] = {item, {}};
        t[QStringLiteral("count")] = {[](C& self, const ole::Args&) { return ole::I4(int(self.table().grid.size())); }, {}};
        return t;
    }();
    return table;
}

const MemberTable<ColumnObject>& ColumnObject::members() {
    using C = ColumnObject;
    static const MemberTable<C> table = [] {
        MemberTable<C> t;
        t[QStringLiteral("width")] = {
            [](C& self, const ole::Args&) {
                if (self.index >= int(self.table().grid.size())) throw ole::Error(QStringLiteral("The object has been deleted."));
                return twipsToPoints(self.table().grid[self.index]);
            },
            [](C& self, const ole::Args&, const ole::Value& v) {
                edit::setColumnWidth(self.state().doc, self.path, self.index, pointsToTwips(v, 1, 1584));
            }};
        return t;
    }();
    return table;
}

const MemberTable<RowsObject>& RowsObject::members() {
    using R = RowsObject;
    static const MemberTable<R> table = [] {
        MemberTable<R> t;
        const auto item = [](R& self, const ole::Args& args) {
            const int n = required(args, 0).toInt();
            if (n < 1 || n > int(self.table().rows.size())) throw noSuchItem();
            return object<RowObject>(self.docPtr(), self.path, n - 1);
        };
        t[QString()] = {item, {}};
        t[QStringLiteral("item")] = {item, {}};
        t[QStringLiteral("count")] = {[](R& self, const ole::Args&) { return ole::I4(int(self.table().rows.size())); }, {}};
        return t;
    }();
    return table;
}

const MemberTable<RowObject>& RowObject::members() {
    using R = RowObject;
    static const MemberTable<R> table = [] {
        MemberTable<R> t;
        const auto row = [](R& self) -> model::Row& {
            if (self.index >= int(self.table().rows.size())) throw ole::Error(QStringLiteral("The object has been deleted."));
            return self.table().rows[self.index];
        };
        t[QStringLiteral("height")] = {
            [row](R& self, const ole::Args&) { return twipsToPoints(row(self).format.height); },
            [row](R& self, const ole::Args&, const ole::Value& v) {
                row(self);
                edit::setRowHeight(self.state().doc, self.path, self.index, pointsToTwips(v, 0, 1584));
            }};
        t[QStringLiteral("heightrule")] = {
            [row](R& self, const ole::Args&) { return ole::I4(int(row(self).format.heightRule)); },
            [row](R& self, const ole::Args&, const ole::Value& v) {
                const int rule = v.toInt();
                if (rule < 0 || rule > 2) throw outOfRange();
                row(self).format.heightRule = model::HeightRule(rule);
                self.state().doc.notifyChanged({self.path.front().block, 1, 1});
            }};
        return t;
    }();
    return table;
}

} // namespace engine::automation
