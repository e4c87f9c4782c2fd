#include "store/MDatos.h"

#include "platform/AppError.h"
#include "store/BrowserTable.h"
#include "store/LinkQueries.h"

#include "FakePlatform.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class Launcher : public ::testing::Test
{
protected:
    TempFolder folder;
    FakePlatform platform;
    TMD md {platform, folder.path()};

    QString file(const QString& name)
    {
        const QString path = folder.file(name);
        QFile created(path);
        created.open(QIODevice::WriteOnly);
        return path;
    }

    qint64 store(const QString& titulo, const QString& direccion)
    {
        Link link;
        link.titulo = titulo;
        link.direccion = direccion;
        return md.PostDireccion(link);
    }
};

const QString Missing = QStringLiteral("Este enlace no existe o no es accesible en este momento");

} // namespace

TEST_F(Launcher, AWebAddressOpensInItsBrowserOrTheSystems)
{
    BrowserTable(md.Enlaces()).insert({QStringLiteral("FIREFOX"), QStringLiteral("/usr/bin/firefox")});
    EXPECT_EQ(md.AbrirLink(QStringLiteral("https://elpais.com"), QStringLiteral("FIREFOX")), QString());
    EXPECT_EQ(md.AbrirLink(QStringLiteral("https://elpais.com"), QString()), QString());
    md.constantes.navegadordefecto = QStringLiteral("FIREFOX");
    EXPECT_EQ(md.AbrirLink(QStringLiteral("https://bbva.es"), QString()), QString());
    EXPECT_EQ(platform.opened,
        QList<ShellRequest>({{QStringLiteral("/usr/bin/firefox"), QStringLiteral("https://elpais.com"), {}},
            {QStringLiteral("https://elpais.com"), {}, {}},
            {QStringLiteral("/usr/bin/firefox"), QStringLiteral("https://bbva.es"), {}}}));
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(Launcher, AnUnknownBrowserIsToldAndTheSystemOpensTheLink)
{
    md.AbrirLink(QStringLiteral("https://elpais.com"), QStringLiteral("OPERA"));
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information),
        QStringList {QStringLiteral("El navegador OPERA no existe en la tabla de navegadores (CONSTANTES)\n"
                                    "           Se abrirá con el navegador por defecto del sistema")});
    EXPECT_EQ(platform.opened, QList<ShellRequest>({{QStringLiteral("https://elpais.com"), {}, {}}}));
}

TEST_F(Launcher, MissingFilesAreNotOpenedButFoldersArePassedOn)
{
    EXPECT_EQ(md.AbrirLink(QStringLiteral("ejemplo.com/precios"), QString()), Missing);
    EXPECT_EQ(md.AbrirLink(QStringLiteral("C:\\Datos\\informe.pdf"), QString()), Missing);
    EXPECT_EQ(md.AbrirLink(folder.file(QStringLiteral("borrado.pdf")), QString()), Missing);
    EXPECT_TRUE(platform.opened.isEmpty());
    EXPECT_EQ(md.AbrirLink(QStringLiteral("C:\\Datos\\Antigua"), QString()), QString());
    EXPECT_EQ(md.AbrirLink(QString(), QString()), QString());
    EXPECT_EQ(platform.opened, QList<ShellRequest>({{QStringLiteral("C:\\Datos\\Antigua"), {}, {}}}));
}

TEST_F(Launcher, ProgramsStartInTheirOwnFolderDocumentsInNone)
{
    const QString document = file(QStringLiteral("carta.odt"));
    const QString program = file(QStringLiteral("juego.EXE"));
    const auto executable = [this](const QString& name, const QByteArray& bytes) {
        const QString path = folder.file(name);
        QFile created(path);
        created.open(QIODevice::WriteOnly);
        created.write(bytes);
        created.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        return path;
    };
    const QString script = executable(QStringLiteral("lanzar"), "#!/bin/sh\n");
    const QString binary = executable(QStringLiteral("herramienta"),
        "\x7F"
        "ELF\x02\x01");
    // Every file of a FAT or NTFS mount carries the execute bit: that makes no program.
    const QString mounted = executable(QStringLiteral("informe.pdf"), "%PDF-1.7");
    for (const QString& address : {document, program, script, binary, mounted})
        md.AbrirLink(address, QString());
    EXPECT_EQ(platform.opened,
        QList<ShellRequest>({{document, {}, {}}, {program, {}, folder.path()}, {script, {}, folder.path()},
            {binary, {}, folder.path()}, {mounted, {}, {}}}));
}

TEST_F(Launcher, AnExistingFolderWithADotInItsNameOpens)
{
    const QString project = folder.file(QStringLiteral("Proyecto v1.2"));
    ASSERT_TRUE(QDir().mkpath(project));
    EXPECT_EQ(md.AbrirLink(project, QString()), QString());
    EXPECT_EQ(platform.opened, QList<ShellRequest>({{project, {}, {}}}));
}

TEST_F(Launcher, ALinkTheSystemCannotOpenIsSaid)
{
    platform.shellFailure = QStringLiteral("El sistema no sabe abrir https://elpais.com.");
    EXPECT_EQ(md.AbrirLink(QStringLiteral("https://elpais.com"), QString()), platform.shellFailure);
}

TEST_F(Launcher, OnlyADefinedVariableIsExpanded)
{
    platform.environment.insert(QStringLiteral("APPDATA"), QStringLiteral("C:\\Users\\ana\\AppData"));
    md.AbrirLink(QStringLiteral("%APPDATA%\\Microsoft"), QString());
    // A file address with a variable fails the existence test, which comes first.
    EXPECT_EQ(md.AbrirLink(QStringLiteral("%WINDIR%\\notepad.exe"), QString()), Missing);
    // Percent escapes of a web address are no variable: the address stays as it is.
    md.AbrirLink(QStringLiteral("https://buscar.es/?q=a%20b%20c"), QString());
    EXPECT_EQ(platform.opened,
        QList<ShellRequest>({{QStringLiteral("C:\\Users\\ana\\AppData\\Microsoft"), {}, {}},
            {QStringLiteral("https://buscar.es/?q=a%20b%20c"), {}, {}}}));
}

TEST_F(Launcher, RunAsAdminPassesTheRefusalOn)
{
    md.RunAsAdmin(QStringLiteral("/usr/bin/gparted"), QString());
    EXPECT_EQ(platform.elevated, QStringList {QStringLiteral("/usr/bin/gparted")});
    platform.adminRefusal
        = QStringLiteral("Error de Sistema.  Código: 126.\nLa operación ha sido cancelada por el usuario.");
    try {
        md.RunAsAdmin(QStringLiteral("/usr/bin/gparted"), QString());
        FAIL() << "a refusal must be reported";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), platform.adminRefusal);
    }
}

TEST_F(Launcher, ExisteEnlaceComparesTheComputedTitleAndTheExactAddress)
{
    const qint64 informe = store(QStringLiteral("INFORME"), QStringLiteral("C:\\Datos\\informe.pdf"));
    EXPECT_EQ(md.ExisteEnlace(QString(), QStringLiteral("C:\\Datos\\informe.pdf")), informe);
    EXPECT_EQ(md.ExisteEnlace(QStringLiteral("informe"), QStringLiteral("C:\\Datos\\informe.pdf")), informe);
    EXPECT_EQ(md.ExisteEnlace(QString(), QStringLiteral("C:\\DATOS\\INFORME.PDF")), 0);
    EXPECT_EQ(md.ExisteEnlace(QStringLiteral("OTRO"), QStringLiteral("C:\\Datos\\informe.pdf")), 0);

    const QString longTitle = QString(120, u'a');
    const qint64 stored = store(QString(100, u'A'), QStringLiteral("https://largo.es"));
    EXPECT_EQ(md.ExisteEnlace(longTitle, QStringLiteral("https://largo.es")), stored);

    const qint64 quoted = store(QStringLiteral("MONITOR 27\""), QStringLiteral("https://tienda.es/\"x\""));
    EXPECT_EQ(
        md.ExisteEnlace(QStringLiteral("Monitor 27\""), QStringLiteral("https://tienda.es/\"x\"")), quoted);

    EXPECT_EQ(LinkQueries::existeEnlace(QStringLiteral("INFORME"), QStringLiteral("C:\\a.pdf")).lines(),
        QStringList({QStringLiteral("Select id,titulo,direccion from direcciones"),
            QStringLiteral("Where (titulo = \"INFORME\")  and ( direccion = \"C:\\a.pdf\") ")}));
}

TEST_F(Launcher, ExisteEnlaceComparesAShortcutByItsTarget)
{
    const QString target = file(QStringLiteral("notas.txt"));
    const QString shortcut = folder.file(QStringLiteral("Mis notas.lnk"));
    QFile lnk(shortcut);
    ASSERT_TRUE(lnk.open(QIODevice::WriteOnly));
    QByteArray bytes = QByteArray::fromHex("4C0000000114020000000000C000000000000046");
    bytes.append(char(0x88)).append(3, '\0');
    bytes.append(QByteArray(0x4C - bytes.size(), '\0'));
    const QString relative = QStringLiteral("notas.txt");
    bytes.append(char(relative.size())).append('\0');
    bytes.append(reinterpret_cast<const char*>(relative.utf16()), relative.size() * 2);
    bytes.append(4, '\0');
    lnk.write(bytes);
    lnk.close();

    const qint64 id = store(QStringLiteral(">MIS NOTAS"), target);
    EXPECT_EQ(md.ExisteEnlace(QString(), shortcut), id);
    EXPECT_EQ(md.ExisteEnlace(QStringLiteral("cualquier título"), shortcut), id);
}

TEST_F(Launcher, BuscarIcono2GivesTheIconKind)
{
    EXPECT_EQ(md.BuscarIcono2(QStringLiteral("https://elpais.com")).nicono, 1);
    EXPECT_EQ(md.BuscarIcono2(folder.file(QStringLiteral("no-existe.txt"))).nicono, 1);
    EXPECT_EQ(md.BuscarIcono2(folder.path()).nicono, 2);

    platform.fileIcon = QImage(32, 32, QImage::Format_ARGB32);
    platform.fileIcon.fill(Qt::red);
    const TMD::IconoEnlace own = md.BuscarIcono2(file(QStringLiteral("carta.odt")));
    EXPECT_EQ(own.nicono, 0);
    EXPECT_EQ(own.bitmap.size(), QSize(32, 32));
    EXPECT_EQ(own.bitmap.pixelColor(5, 5), QColor(Qt::red));

    platform.fileIcon = QImage();
    EXPECT_EQ(md.BuscarIcono2(folder.file(QStringLiteral("carta.odt"))).nicono, 0);
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information),
        QStringList {QStringLiteral("no puedo mostrar el icono")});
}

TEST_F(Launcher, BorrarCarpetaReportsTheTrashsAnswer)
{
    EXPECT_TRUE(md.BorrarCarpeta(QStringLiteral("/home/ana/Viejo")));
    platform.trashWorks = false;
    EXPECT_FALSE(md.BorrarCarpeta(QStringLiteral("/home/ana/Otro")));
    EXPECT_EQ(platform.trashed, QStringList {QStringLiteral("/home/ana/Viejo")});
}
