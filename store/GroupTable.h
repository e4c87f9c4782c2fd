#pragma once

#include "store/Records.h"

#include <QList>

#include <optional>

class Database;

// The rows of grupos, keyed by their unique code.
class GroupTable
{
public:
    explicit GroupTable(Database& database)
        : m_database(database)
    { }

    std::optional<Group> find(const QString& codgrupo);
    QList<Group> all();
    // Refuses a code that is already stored.
    void insert(const Group& group);
    void update(const QString& codgrupo, const Group& group);
    void remove(const QString& codgrupo);

private:
    Database& m_database;
};
