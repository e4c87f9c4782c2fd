#include "store/SettingsTable.h"

#include "platform/AppError.h"
#include "store/ColourText.h"
#include "store/Database.h"

#include <limits>

namespace {

const QString FirstRow = QStringLiteral("rowid = (SELECT min(rowid) FROM constantes)");

const QString DefaultsAssignments
    = QStringLiteral("tiempo = '300', nummaxabrir = '5', favoritossihay = 1, orden = '0', grupo = '0', "
                     "buscardireccion = 1, buscauto = 1, guardaSalir = 1, BorrarCarpetas = 0, "
                     "BorrarInicioClipBoard = 1, BorrarFinClipBoard = 1");

Cursor firstRow(Database& database)
{
    Cursor cursor = database.query(QStringLiteral("SELECT * FROM constantes WHERE ") + FirstRow);
    if (!cursor.next())
        throw AppError(QStringLiteral("La tabla constantes no tiene ninguna fila."));
    return cursor;
}

// A bad value of one column leaves the cache's value for that column alone and is noted,
// so that the rest of the row still takes effect.
void readWholeNumber(
    const Cursor& row, QStringView column, int& value, int lowest, int highest, QStringList& rejected)
{
    const QString text = row.text(column);
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (ok && number >= lowest && number <= highest)
        value = number;
    else
        rejected << QStringLiteral("%1 («%2»)").arg(column, text);
}

void readColour(const Cursor& row, QStringView column, QString& value, QStringList& rejected)
{
    const QString text = row.text(column);
    if (ColourText::fromText(text))
        value = text;
    else
        rejected << QStringLiteral("%1 («%2»)").arg(column, text);
}

} // namespace

QStringList SettingsTable::load(Settings& cache)
{
    constexpr int Unbounded = std::numeric_limits<int>::max();
    QStringList rejected;
    const Cursor row = firstRow(m_database);
    cache.navegadordefecto = row.text(u"navegadordefecto");
    readWholeNumber(row, u"tiempo", cache.tiempo, 0, Unbounded, rejected);
    row.text(u"ruta");
    readWholeNumber(row, u"nummaxabrir", cache.nummaxabrir, 0, Unbounded, rejected);
    cache.favoritossihay = row.boolean(u"favoritossihay");
    readWholeNumber(row, u"orden", cache.orden, 0, 2, rejected);
    readWholeNumber(row, u"grupo", cache.grupo, -1, Unbounded, rejected);
    cache.buscardireccion = row.boolean(u"buscardireccion");
    cache.buscauto = row.boolean(u"buscauto");
    cache.guardaSalir = row.boolean(u"guardaSalir");
    cache.BorrarCarpetas = row.boolean(u"BorrarCarpetas");
    cache.BorrarInicioClipBoard = row.boolean(u"BorrarInicioClipBoard");
    cache.BorrarFinClipBoard = row.boolean(u"BorrarFinClipBoard");
    return rejected;
}

QStringList SettingsTable::loadColours(ColourScheme& colours)
{
    QStringList rejected;
    const Cursor row = firstRow(m_database);
    readColour(row, u"ColorFondo", colours.ColorFondo, rejected);
    readColour(row, u"ColorTitulo", colours.ColorTitulo, rejected);
    readColour(row, u"ColorBoton", colours.ColorBoton, rejected);
    readColour(row, u"ColorMensaje", colours.ColorMensaje, rejected);
    readColour(row, u"ColorSugerencia", colours.ColorSugerencia, rejected);
    readColour(row, u"ColorEdicion", colours.ColorEdicion, rejected);
    return rejected;
}

void SettingsTable::saveColours(const ColourScheme& colours)
{
    const int changed = m_database.execute(
        QStringLiteral("UPDATE constantes SET ColorFondo = ?, ColorTitulo = ?, ColorBoton = ?, "
                       "ColorMensaje = ?, ColorSugerencia = ?, ColorEdicion = ? WHERE ")
            + FirstRow,
        {colours.ColorFondo, colours.ColorTitulo, colours.ColorBoton, colours.ColorMensaje,
            colours.ColorSugerencia, colours.ColorEdicion});
    if (changed == 0)
        throw AppError(QStringLiteral("La tabla constantes no tiene ninguna fila."));
}

void SettingsTable::restoreDefaults()
{
    const int changed = m_database.execute(QStringLiteral("UPDATE constantes SET ") + DefaultsAssignments
        + QStringLiteral(" WHERE ") + FirstRow);
    if (changed == 0)
        throw AppError(QStringLiteral("La tabla constantes no tiene ninguna fila."));
}

void SettingsTable::saveOrderAndGroup(int orden, int grupo)
{
    m_database.execute(QStringLiteral("UPDATE constantes SET orden = ?, grupo = ? WHERE ") + FirstRow,
        {QString::number(orden), QString::number(grupo)});
}

void SettingsTable::saveDefaultBrowser(const QString& nombre)
{
    m_database.execute(
        QStringLiteral("UPDATE constantes SET navegadordefecto = ? WHERE ") + FirstRow, {nombre});
}

void SettingsTable::saveSettings(const Settings& settings)
{
    m_database.execute(
        QStringLiteral("UPDATE constantes SET tiempo = ?, nummaxabrir = ?, favoritossihay = ?, "
                       "buscardireccion = ?, buscauto = ?, guardaSalir = ?, BorrarCarpetas = ?, "
                       "BorrarInicioClipBoard = ?, BorrarFinClipBoard = ? WHERE ")
            + FirstRow,
        {QString::number(settings.tiempo), QString::number(settings.nummaxabrir), settings.favoritossihay,
            settings.buscardireccion, settings.buscauto, settings.guardaSalir, settings.BorrarCarpetas,
            settings.BorrarInicioClipBoard, settings.BorrarFinClipBoard});
}

void SettingsTable::insertDefaults()
{
    m_database.execute(QStringLiteral("INSERT INTO constantes (navegadordefecto, ruta) VALUES ('', '')"));
    restoreDefaults();
    saveColours(ColourScheme::defaults());
}
