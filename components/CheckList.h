#pragma once

#include <QListWidget>

// A list whose lines carry a tick box, as the import and browser windows use them.
namespace CheckList {

inline void add(QListWidget* list, const QString& text, Qt::CheckState state)
{
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(state);
}

inline void setAll(QListWidget* list, Qt::CheckState state)
{
    for (int row = 0; row < list->count(); ++row)
        list->item(row)->setCheckState(state);
}

// The rows that are ticked, in list order.
inline QList<int> tickedRows(const QListWidget* list)
{
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->checkState() == Qt::Checked)
            rows << row;
    }
    return rows;
}

inline QStringList tickedTexts(const QListWidget* list)
{
    QStringList texts;
    for (const int row : tickedRows(list))
        texts << list->item(row)->text();
    return texts;
}

} // namespace CheckList
