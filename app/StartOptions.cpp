#include "app/StartOptions.h"

#include "BuildSettings.h"
#include "platform/Paths.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

namespace {

const QString Help = QStringLiteral(
    "Uso: trevalia [opciones]\n"
    "Trevalia: catálogo personal de enlaces (páginas web, documentos, carpetas y programas).\n"
    "\n"
    "Opciones:\n"
    "  --database FICHERO   Abre el catálogo guardado en FICHERO.\n"
    "  --nueva-instancia    Abre otra ventana aunque el programa ya esté abierto.\n"
    "  -h, --help           Muestra esta ayuda.\n"
    "  -v, --version        Muestra la versión del programa.\n"
    "\n"
    "Sin --database, el catálogo es Trevalia.abs junto al programa si esa carpeta admite\n"
    "escritura; si no, Trevalia.abs en la carpeta de datos del usuario\n"
    "(~/.local/share/Trevalia/ en Linux).\n");

} // namespace

StartOptions readStartOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption database(QStringLiteral("database"), QString(), QStringLiteral("FICHERO"));
    const QCommandLineOption newInstance(QStringLiteral("nueva-instancia"));
    const QCommandLineOption help(QStringList {QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList {QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({database, newInstance, help, version});

    StartOptions options;
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        const QString reason = unknown.isEmpty()
            ? QStringLiteral("falta el valor de una opción")
            : QStringLiteral("opción desconocida: ") + unknown.join(QStringLiteral(", "));
        options.answer = QStringLiteral("trevalia: %1\n\n").arg(reason) + Help;
        options.exitCode = 2;
        return options;
    }
    if (parser.isSet(help))
        options.answer = Help;
    else if (parser.isSet(version))
        options.answer = QStringLiteral("Trevalia %1\n").arg(QStringLiteral(TREVALIA_VERSION));
    options.databaseFile = parser.value(database);
    options.newInstance = parser.isSet(newInstance);
    return options;
}

QString databaseLocation(const QString& given, const QString& programFolder, const QString& dataFolder)
{
    if (!given.isEmpty())
        return QFileInfo(given).absoluteFilePath();
    const QFileInfo besideProgram(QDir(programFolder).filePath(QStringLiteral("Trevalia.abs")));
    const bool portable = Paths::canWrite(programFolder)
        && (!besideProgram.exists() || Paths::canWrite(besideProgram.filePath()));
    if (portable)
        return besideProgram.absoluteFilePath();
    QDir().mkpath(dataFolder);
    return QDir(dataFolder).filePath(QStringLiteral("Trevalia.abs"));
}
