#include "store/Schema.h"

#include "store/Database.h"

namespace {

constexpr int CurrentVersion = 3;

const char* const Tables[] = {
    R"(CREATE TABLE direcciones (
        id INTEGER PRIMARY KEY AUTOINCREMENT,
        titulo TEXT NOT NULL DEFAULT '',
        codgrupo TEXT NOT NULL DEFAULT '',
        prioridad TEXT NOT NULL DEFAULT '000',
        direccion TEXT NOT NULL DEFAULT '',
        tipo TEXT NOT NULL DEFAULT '',
        navegador TEXT NOT NULL DEFAULT '',
        fechahora TEXT,
        existe INTEGER,
        icono BLOB,
        nicono INTEGER NOT NULL DEFAULT 0,
        libre TEXT,
        conta INTEGER))",
    R"(CREATE TABLE grupos (
        id INTEGER PRIMARY KEY AUTOINCREMENT,
        codgrupo TEXT NOT NULL,
        nomgrupo TEXT NOT NULL DEFAULT '',
        nivel TEXT NOT NULL DEFAULT ''))",
    R"(CREATE TABLE navegadores (
        nombre TEXT NOT NULL,
        ruta TEXT NOT NULL DEFAULT ''))",
    R"(CREATE TABLE constantes (
        navegadordefecto TEXT NOT NULL DEFAULT '',
        tiempo TEXT,
        ruta TEXT,
        nummaxabrir TEXT,
        favoritossihay INTEGER,
        orden TEXT,
        grupo TEXT,
        buscardireccion INTEGER,
        buscauto INTEGER,
        guardaSalir INTEGER,
        BorrarCarpetas INTEGER,
        BorrarInicioClipBoard INTEGER,
        BorrarFinClipBoard INTEGER,
        ColorFondo TEXT,
        ColorTitulo TEXT,
        ColorBoton TEXT,
        ColorMensaje TEXT,
        ColorSugerencia TEXT,
        ColorEdicion TEXT))",
    R"(CREATE TABLE iconos (
        numicono INTEGER PRIMARY KEY,
        nomicono TEXT NOT NULL DEFAULT '',
        imagen BLOB))",
};

// Indexes are created with IF NOT EXISTS, so files of every version get them.
const char* const Indexes[] = {
    "CREATE UNIQUE INDEX IF NOT EXISTS codgrupo ON grupos (codgrupo)",
    "CREATE UNIQUE INDEX IF NOT EXISTS NOMBRE ON navegadores (nombre)",
    // The main list reads its searches and orders from these alone, never from the rows
    // with their pictures: one for each order, holding every column a search looks at.
    "CREATE INDEX IF NOT EXISTS lista_prioridad_grupo ON direcciones "
    "(prioridad DESC, codgrupo, titulo, direccion, tipo)",
    "CREATE INDEX IF NOT EXISTS lista_prioridad_titulo ON direcciones "
    "(prioridad DESC, titulo, codgrupo, direccion, tipo)",
    "CREATE INDEX IF NOT EXISTS lista_recientes ON direcciones "
    "(fechahora DESC, titulo, codgrupo, direccion, tipo)",
};

} // namespace

namespace Schema {

const QList<Table>& tables()
{
    static const QList<Table> all {
        {QStringLiteral("direcciones"),
            QString::fromLatin1(
                "id titulo direccion codgrupo prioridad tipo navegador fechahora icono nicono")
                .split(u' ')},
        {QStringLiteral("grupos"), {QStringLiteral("codgrupo"), QStringLiteral("nomgrupo")}},
        {QStringLiteral("navegadores"), {QStringLiteral("nombre"), QStringLiteral("ruta")}},
        {QStringLiteral("constantes"),
            QString::fromLatin1(
                "navegadordefecto tiempo ruta nummaxabrir favoritossihay orden grupo buscardireccion "
                "buscauto guardaSalir BorrarCarpetas BorrarInicioClipBoard BorrarFinClipBoard "
                "ColorFondo ColorTitulo ColorBoton ColorMensaje ColorSugerencia ColorEdicion")
                .split(u' ')},
        {QStringLiteral("iconos"),
            {QStringLiteral("numicono"), QStringLiteral("nomicono"), QStringLiteral("imagen")}},
    };
    return all;
}

void create(Database& database)
{
    for (const char* table : Tables)
        database.execute(QString::fromLatin1(table));
    for (const char* index : Indexes)
        database.execute(QString::fromLatin1(index));
    database.execute(QStringLiteral("PRAGMA user_version = %1").arg(CurrentVersion));
}

void upgrade(Database& database)
{
    qint64 stored = 0;
    {
        Cursor version = database.query(QStringLiteral("PRAGMA user_version"));
        stored = version.next() ? version.integer(0) : 0;
    }
    if (stored >= CurrentVersion)
        return;
    database.transaction([&database, stored] {
        for (const char* index : Indexes)
            database.execute(QString::fromLatin1(index));
        // Titles were raised the Spanish way only; searches raise every letter.
        if (stored < 3)
            database.execute(QStringLiteral(
                "UPDATE direcciones SET titulo = upper(titulo) WHERE titulo <> upper(titulo)"));
        database.execute(QStringLiteral("PRAGMA user_version = %1").arg(CurrentVersion));
    });
}

} // namespace Schema
