#pragma once

#include "store/Records.h"

#include <QList>
#include <QTableView>

class QStandardItemModel;

// A read-only list of groups with the columns "Código" and "Denominación del grupo".
class GroupList : public QTableView
{
    Q_OBJECT

public:
    explicit GroupList(QWidget* parent = nullptr);

    void setGroups(const QList<Group>& groups);
    int count() const { return int(m_groups.size()); }
    // The group of a row, or of the current row when row is negative.
    std::optional<Group> group(int row = -1) const;

private:
    QStandardItemModel* m_model;
    QList<Group> m_groups;
};
