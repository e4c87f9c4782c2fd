#pragma once

#include "store/Statement.h"

// The statements of the group windows.
namespace GroupQueries {

// Groups whose code or name holds the text, in code order (maintenance window).
Statement mantenimiento(const QString& text);
// Groups whose stored code or name holds the text, in the store's order (picker).
Statement seleccion(const QString& text);
// Leaves the links of a group without group.
Statement quitarGrupo(const QString& codgrupo);
// Deletes the links of a group.
Statement borrarEnlaces(const QString& codgrupo);

} // namespace GroupQueries

class Database;
struct Group;
template<typename T> class QList;

namespace GroupQueries {

// The groups a statement selects.
QList<Group> groups(Database& database, const Statement& statement);

} // namespace GroupQueries
