#pragma once

#include "store/Settings.h"

#include <QStringList>

class Database;

// The single row of constantes.
class SettingsTable
{
public:
    explicit SettingsTable(Database& database)
        : m_database(database)
    { }

    // Read the row into the cache column by column. A value that is no valid setting leaves
    // the cache's value of its column; the columns so passed over are returned, each with the
    // value found.
    QStringList load(Settings& cache);
    QStringList loadColours(ColourScheme& colours);
    void saveColours(const ColourScheme& colours);
    // Writes the settings defaults, leaving the default browser, ruta and the colours.
    void restoreDefaults();
    void saveOrderAndGroup(int orden, int grupo);
    void saveDefaultBrowser(const QString& nombre);
    // Writes the settings of the configuration window: all but the default browser, the
    // order, the group and the colours.
    void saveSettings(const Settings& settings);
    // The row of a new file: the settings defaults, no default browser, default colours.
    void insertDefaults();

private:
    Database& m_database;
};
