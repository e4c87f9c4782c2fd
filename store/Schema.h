#pragma once

#include <QStringList>

class Database;

// The tables and indexes of Trevalia.abs.
namespace Schema {

const QStringList& tableNames();

// Creates every table and index in a new, empty file.
void create(Database& database);

// Brings a file made by an earlier version of the program up to date.
void upgrade(Database& database);

} // namespace Schema
