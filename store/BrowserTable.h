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
    // Refuse a name that is already stored.
    void insert(const Browser& browser);
    void update(const QString& nombre, const Browser& browser);
    void remove(const QString& nombre);
    void clear();

private:
    Database& m_database;
};
