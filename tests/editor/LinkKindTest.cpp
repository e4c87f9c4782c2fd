#include "editor/LinkKind.h"

#include "TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

const QString WebHint = QStringLiteral("Las barras en las direcciones web son /");
const QString NetworkHint = QStringLiteral("Las barras en las direcciones de red son \\");

QString touch(
    const TempFolder& folder, const QString& name, bool executable = false, const QByteArray& bytes = {})
{
    const QString path = folder.file(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return path;
}

} // namespace

TEST(LinkKind, WebAddressesByTheirFirstFourLetters)
{
    EXPECT_EQ(TipoEnlace(QStringLiteral("https://ejemplo.com")).name, QStringLiteral("Página Web"));
    EXPECT_EQ(TipoEnlace(QStringLiteral("hTTp://ejemplo.com")).name, QStringLiteral("Página Web"));
    EXPECT_EQ(TipoEnlace(QStringLiteral("https://ejemplo.com")).hint, QString());
    const LinkKind noSlashes = TipoEnlace(QStringLiteral("httpejemplo.com"));
    EXPECT_EQ(noSlashes.name, QStringLiteral("no identificado"));
    EXPECT_EQ(noSlashes.hint, QString());
    const LinkKind backslash = TipoEnlace(QStringLiteral("http://ejemplo.com\\precios"));
    EXPECT_EQ(backslash.name, QStringLiteral("Página Web"));
    EXPECT_EQ(backslash.hint, WebHint);
}

TEST(LinkKind, ABareHostWithAPathGetsTheNetworkHint)
{
    const LinkKind kind = TipoEnlace(QStringLiteral("ejemplo.com/precios"));
    EXPECT_EQ(kind.name, QStringLiteral("no identificado"));
    EXPECT_EQ(kind.hint, NetworkHint);
    EXPECT_EQ(kind.hint.size(), 42);
    // A Linux path is written with slashes: no hint for it.
    EXPECT_EQ(TipoEnlace(QStringLiteral("/no/existe.txt")).hint, QString());
}

TEST(LinkKind, ExistingFilesAndFolders)
{
    TempFolder folder;
    EXPECT_EQ(TipoEnlace(touch(folder, QStringLiteral("notas.txt"))).name, QStringLiteral("Archivo"));
    EXPECT_EQ(TipoEnlace(touch(folder, QStringLiteral("juego.exe"))).name, QStringLiteral("Programa"));
    EXPECT_EQ(TipoEnlace(touch(folder, QStringLiteral("lanzar"), true, "#!/bin/sh\n")).name,
        QStringLiteral("Programa"));
    EXPECT_EQ(
        TipoEnlace(touch(folder, QStringLiteral("acta.odt"), true, "PK")).name, QStringLiteral("Archivo"))
        << "the execute bit of a FAT or NTFS mount makes no program";
    EXPECT_EQ(TipoEnlace(touch(folder, QStringLiteral("Notas.LNK"))).name, QStringLiteral("Acceso directo"));
    EXPECT_EQ(TipoEnlace(touch(folder, QStringLiteral("Diario.url"))).name, QStringLiteral("Página Web"));
    EXPECT_EQ(TipoEnlace(folder.path()).name, QStringLiteral("Carpeta"));
    EXPECT_EQ(TipoEnlace(folder.file(QStringLiteral("falta.txt"))).name, QStringLiteral("no identificado"));
    EXPECT_EQ(TipoEnlace(QStringLiteral("%windir%\\notepad.exe")).name, QStringLiteral("no identificado"));
}
