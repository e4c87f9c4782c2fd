#include "groups/GroupList.h"

#include <QHeaderView>
#include <QStandardItemModel>

GroupList::GroupList(QWidget* parent)
    : QTableView(parent)
    , m_model(new QStandardItemModel(0, 2, this))
{
    m_model->setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Denominación del grupo")});
    setModel(m_model);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    setColumnWidth(0, 110);
}

void GroupList::setGroups(const QList<Group>& groups)
{
    m_groups = groups;
    m_model->setRowCount(0);
    for (const Group& group : groups)
        m_model->appendRow({new QStandardItem(group.codgrupo), new QStandardItem(group.nomgrupo)});
    if (!groups.isEmpty())
        setCurrentIndex(m_model->index(0, 0));
}

std::optional<Group> GroupList::group(int row) const
{
    if (row < 0)
        row = currentIndex().row();
    if (row < 0 || row >= m_groups.size())
        return std::nullopt;
    return m_groups.at(row);
}
