#include "editor/LinkKind.h"

#include "platform/Paths.h"

#include <QFileInfo>

LinkKind TipoEnlace(const QString& address)
{
    LinkKind kind {QStringLiteral("no identificado"), QString()};
    const bool http = address.left(4).toUpper() == QStringLiteral("HTTP");
    if (http && address.contains(QStringLiteral("//")))
        kind.name = QStringLiteral("Página Web");
    if (http && address.contains(u'\\'))
        kind.hint = QStringLiteral("Las barras en las direcciones web son /");
    // A local Linux path is written with forward slashes and needs no hint.
    if (!http && address.contains(u'/') && Paths::separatorOf(address) != u'/')
        kind.hint = QStringLiteral("Las barras en las direcciones de red son \\");

    const QFileInfo file(address);
    if (file.exists() && !file.isDir()) {
        kind.name = QStringLiteral("Archivo");
        const QString name = address.mid(Paths::lastSeparator(address) + 1);
        const qsizetype dot = name.lastIndexOf(u'.');
        const QString extension = dot >= 0 ? name.mid(dot).toUpper() : QString();
        if (extension == QStringLiteral(".LNK"))
            kind.name = QStringLiteral("Acceso directo");
        else if (extension == QStringLiteral(".URL"))
            kind.name = QStringLiteral("Página Web");
        else if (Paths::isProgram(address))
            kind.name = QStringLiteral("Programa");
    }
    if (file.isDir())
        kind.name = QStringLiteral("Carpeta");
    return kind;
}
