#pragma once

#include <QStringList>

class Database;

// The tables and indexes of Trevalia.abs.
namespace Schema {

// Each table with the columns the program reads and writes.
struct Table
{
    QString name;
    QStringList columns;
};
const QList<Table>& tables();

// Creates every table and index in a new, empty file.
void create(Database& database);

// Brings a file made by an earlier version of the program up to date.
void upgrade(Database& database);

} // namespace Schema
