#pragma once

#include "store/Records.h"

#include <QList>

#include <optional>

class Database;

// The rows of navegadores, keyed by their unique name.
class BrowserTable
{
public:
    explicit BrowserTable(Database& database)
        : m_database(database)
    { }

    std::optional<Browser> find(const QString& nombre);
    QList<Browser> all();
    // Refuses a name that is already stored.
    void insert(const Browser& browser);

private:
    Database& m_database;
};
