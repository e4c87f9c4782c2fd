#pragma once

#include <QList>
#include <QStringList>

class Database;

// What the browser search looks for and where, and how a browser found is stored.
namespace BrowserDiscovery {

// A folder entry of the search: the caption the user ticks, the folder searched and its
// name in the status text.
struct Folder
{
    QString caption;
    QString path;
    QString statusName;
};

QList<Folder> folders();

// The executables looked for at first.
QStringList NavegadoresIniciales();

// The browser name of an executable: its file name without the extension, raised and kept
// within the 10 characters of the fields that refer to it.
QString browserName(const QString& path);

// Stores a browser under the name, or under its first 8 characters and 1 … 99 when the name
// is taken; returns the name stored.
QString DardeAltaNavegador(Database& database, const QString& name, const QString& path);

} // namespace BrowserDiscovery
