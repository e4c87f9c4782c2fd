#pragma once

#include "store/Records.h"

#include <optional>

class Cursor;
class Database;

// The rows of direcciones.
class LinkTable
{
public:
    explicit LinkTable(Database& database)
        : m_database(database)
    { }

    std::optional<Link> find(qint64 id);
    // Stores a new link and returns its id.
    qint64 insert(const Link& link);
    void update(const Link& link);
    void remove(qint64 id);
    int count();

    // A title as it is stored: every letter raised, as the search box raises what is typed,
    // and cut to the column's 100 characters.
    static QString storedTitle(const QString& title);

    // The link of the cursor's current row; the cursor must select every column.
    static Link read(const Cursor& cursor);

private:
    Database& m_database;
};
