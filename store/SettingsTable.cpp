#include "store/SettingsTable.h"

#include "platform/AppError.h"
#include "store/Database.h"

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

int wholeNumber(const Cursor& row, QStringView column)
{
    const QString text = row.text(column);
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw AppError(QStringLiteral("'%1' no es un valor entero válido (%2).").arg(text, column));
    return value;
}

} // namespace

void SettingsTable::load(Settings& cache)
{
    const Cursor row = firstRow(m_database);
    cache.navegadordefecto = row.text(u"navegadordefecto");
    cache.tiempo = wholeNumber(row, u"tiempo");
    row.text(u"ruta");
    cache.nummaxabrir = wholeNumber(row, u"nummaxabrir");
    cache.favoritossihay = row.boolean(u"favoritossihay");
    cache.orden = wholeNumber(row, u"orden");
    cache.grupo = wholeNumber(row, u"grupo");
    cache.buscardireccion = row.boolean(u"buscardireccion");
    cache.buscauto = row.boolean(u"buscauto");
    cache.guardaSalir = row.boolean(u"guardaSalir");
    cache.BorrarCarpetas = row.boolean(u"BorrarCarpetas");
    cache.BorrarInicioClipBoard = row.boolean(u"BorrarInicioClipBoard");
    cache.BorrarFinClipBoard = row.boolean(u"BorrarFinClipBoard");
}

ColourScheme SettingsTable::loadColours()
{
    const Cursor row = firstRow(m_database);
    ColourScheme colours;
    colours.ColorFondo = row.text(u"ColorFondo");
    colours.ColorTitulo = row.text(u"ColorTitulo");
    colours.ColorBoton = row.text(u"ColorBoton");
    colours.ColorMensaje = row.text(u"ColorMensaje");
    colours.ColorSugerencia = row.text(u"ColorSugerencia");
    colours.ColorEdicion = row.text(u"ColorEdicion");
    return colours;
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

void SettingsTable::insertDefaults()
{
    m_database.execute(QStringLiteral("INSERT INTO constantes (navegadordefecto, ruta) VALUES ('', '')"));
    restoreDefaults();
    saveColours(ColourScheme::defaults());
}
