#pragma once

#include "store/Settings.h"

class Database;

// The single row of constantes.
class SettingsTable
{
public:
    explicit SettingsTable(Database& database)
        : m_database(database)
    { }

    // Reads the row into the cache column by column; on an error the cache keeps the
    // columns read before the failing one.
    void load(Settings& cache);
    ColourScheme loadColours();
    void saveColours(const ColourScheme& colours);
    // Writes the settings defaults, leaving the default browser, ruta and the colours.
    void restoreDefaults();
    void saveOrderAndGroup(int orden, int grupo);
    // The row of a new file: the settings defaults, no default browser, default colours.
    void insertDefaults();

private:
    Database& m_database;
};
