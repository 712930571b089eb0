#pragma once
// Row operations on the two lists (flat multi-column QTreeWidget: the item text is column
// 0, sub-item k is column k). Failures throw quillory::Error with a readable description.
//
// The lists keep one invariant: a list that has rows has a selected row.

#include <QString>
#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;

namespace quillory {

// Appends a row with `itemText`; when it is the only row it becomes the selected one.
QTreeWidgetItem* appendRow(QTreeWidget& list, const QString& itemText);

// Sets sub-item `index` (1-based) of `row`; throws when the list has no such column.
void setSubItem(QTreeWidget& list, QTreeWidgetItem& row, int index, const QString& text);

// The last row; throws when the list is empty.
QTreeWidgetItem& lastRow(QTreeWidget& list);

// Removes the selected row and selects its neighbour (the next row, else the previous).
// Throws when no row is selected.
void removeSelectedRow(QTreeWidget& list);

void removeAllRows(QTreeWidget& list);

// The strings of row `index` (0-based), one per column.
QStringList rowStrings(const QTreeWidget& list, int index);

// Selects the first row when the list has rows but none is selected.
void ensureSelectedRow(QTreeWidget& list);

// The stored form of the list: each row's strings joined by "^", rows joined by "|".
QString listString(const QTreeWidget& list);

}  // namespace quillory
