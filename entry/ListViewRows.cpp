#include "entry/ListViewRows.h"

#include "shell/core/Error.h"

#include <QTreeWidget>

namespace quillory {

QTreeWidgetItem* appendRow(QTreeWidget& list, const QString& itemText) {
    auto* row = new QTreeWidgetItem(QStringList{itemText});
    list.addTopLevelItem(row);
    ensureSelectedRow(list);
    return row;
}

void setSubItem(QTreeWidget& list, QTreeWidgetItem& row, int index, const QString& text) {
    if (index < 1 || index >= list.columnCount())
        throw Error(QStringLiteral("Index out of bounds: %1 has no sub-item %2")
                        .arg(list.objectName())
                        .arg(index));
    row.setText(index, text);
}

QTreeWidgetItem& lastRow(QTreeWidget& list) {
    const int count = list.topLevelItemCount();
    if (count == 0)
        throw Error(QStringLiteral("%1 has no rows").arg(list.objectName()));
    return *list.topLevelItem(count - 1);
}

void removeSelectedRow(QTreeWidget& list) {
    const QList<QTreeWidgetItem*> selected = list.selectedItems();
    if (selected.isEmpty())
        throw Error(QStringLiteral("No row of %1 is selected").arg(list.objectName()));
    const int index = list.indexOfTopLevelItem(selected.first());
    delete list.takeTopLevelItem(index);
    const int count = list.topLevelItemCount();
    if (count > 0) {
        QTreeWidgetItem* neighbour = list.topLevelItem(index < count ? index : count - 1);
        list.setCurrentItem(neighbour);
        neighbour->setSelected(true);
    }
}

void removeAllRows(QTreeWidget& list) { list.clear(); }

QStringList rowStrings(const QTreeWidget& list, int index) {
    QStringList strings;
    const QTreeWidgetItem* row = list.topLevelItem(index);
    for (int column = 0; column < list.columnCount(); ++column)
        strings << (row ? row->text(column) : QString());
    return strings;
}

void ensureSelectedRow(QTreeWidget& list) {
    if (list.topLevelItemCount() == 0 || !list.selectedItems().isEmpty())
        return;
    QTreeWidgetItem* row = list.currentItem() ? list.currentItem() : list.topLevelItem(0);
    list.setCurrentItem(row);
    row->setSelected(true);
}

QString listString(const QTreeWidget& list) {
    QStringList rows;
    rows.reserve(list.topLevelItemCount());
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        rows << rowStrings(list, i).join(QLatin1Char('^'));
    return rows.join(QLatin1Char('|'));
}

}  // namespace quillory
