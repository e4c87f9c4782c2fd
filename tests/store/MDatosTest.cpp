#include "store/MDatos.h"

#include "platform/AppError.h"
#include "store/DefaultPictures.h"
#include "store/LinkTable.h"
#include "store/PictureTable.h"
#include "store/SettingsTable.h"

#include "FakePlatform.h"
#include "TempFolder.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

namespace {

QString databaseIn(const TempFolder& folder)
{
    return folder.file(QStringLiteral("Trevalia.abs"));
}

void setColumn(Database& database, const QString& column, const QVariant& value)
{
    database.execute(QStringLiteral("update constantes set %1 = ?").arg(column), {value});
}

} // namespace

TEST(MDatos, AFreshCacheHoldsTheValuesInEffectBeforeTheRowIsRead)
{
    const Settings cache;
    EXPECT_EQ(cache.nummaxabrir, 2);
    EXPECT_EQ(cache.tiempo, 300);
    EXPECT_TRUE(cache.favoritossihay);
    EXPECT_FALSE(cache.BorrarCarpetas);
    const ColourScheme colours;
    EXPECT_EQ(colours.ColorFondo, QStringLiteral("clInfoBk"));
    EXPECT_EQ(colours.ColorEdicion, QStringLiteral("clCream"));
}

TEST(MDatos, FirstStartCreatesTheDatabaseWithItsDefaults)
{
    TempFolder folder;
    FakePlatform platform;
    TMD md(platform, folder.path());

    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(QFile::exists(databaseIn(folder)));
    EXPECT_EQ(md.constantes.nummaxabrir, 5);
    EXPECT_EQ(md.constantes.tiempo, 300);
    EXPECT_EQ(md.constantes.navegadordefecto, QString());
    EXPECT_EQ(md.colores, ColourScheme::defaults());
    EXPECT_EQ(md.colores.ColorFondo, QStringLiteral("$00F2FDFF"));
    EXPECT_EQ(md.colores.ColorEdicion, QStringLiteral("clWhite"));

    const QList<Picture> pictures = PictureTable(md.Enlaces()).all();
    ASSERT_EQ(pictures.size(), 2);
    EXPECT_EQ(pictures[0].numicono, DefaultPictures::Web);
    EXPECT_EQ(pictures[1].numicono, DefaultPictures::Folder);
    for (const Picture& picture : pictures) {
        EXPECT_FALSE(picture.nomicono.isEmpty());
        QBuffer buffer(const_cast<QByteArray*>(&picture.imagen));
        QImageReader reader(&buffer);
        EXPECT_EQ(reader.format(), QByteArray("bmp"));
        EXPECT_EQ(reader.read().size(), QSize(32, 32));
    }
    // Row N holds image N of the picture list: 1 the globe, 2 the folder.
    EXPECT_EQ(QImage::fromData(pictures[0].imagen),
        QImage::fromData(DefaultPictures::toBmp(md.ListaIconos().at(1))));
    EXPECT_EQ(QImage::fromData(pictures[1].imagen),
        QImage::fromData(DefaultPictures::toBmp(md.ListaIconos().at(2))));
    EXPECT_EQ(md.ListaIconos().size(), DefaultPictures::Count);
    for (const QImage& picture : md.ListaIconos())
        EXPECT_EQ(picture.size(), QSize(32, 32));
}

TEST(MDatos, RestoringDefaultsLeavesTheCacheUntilItIsLoaded)
{
    TempFolder folder;
    FakePlatform platform;
    TMD md(platform, folder.path());
    setColumn(md.Enlaces(), QStringLiteral("nummaxabrir"), QStringLiteral("9"));
    setColumn(md.Enlaces(), QStringLiteral("navegadordefecto"), QStringLiteral("FIREFOX"));
    setColumn(md.Enlaces(), QStringLiteral("ColorTitulo"), QStringLiteral("clLime"));
    setColumn(md.Enlaces(), QStringLiteral("BorrarCarpetas"), 1);
    md.CargarConstantes();
    EXPECT_EQ(md.constantes.nummaxabrir, 9);
    EXPECT_TRUE(md.constantes.BorrarCarpetas);

    md.RestaurarConstantesPredetermindas();
    EXPECT_EQ(md.constantes.nummaxabrir, 9);
    md.CargarConstantes();
    EXPECT_EQ(md.constantes.nummaxabrir, 5);
    EXPECT_FALSE(md.constantes.BorrarCarpetas);
    EXPECT_EQ(md.constantes.navegadordefecto, QStringLiteral("FIREFOX"));
    md.LeerColores();
    EXPECT_EQ(md.colores.ColorTitulo, QStringLiteral("clLime"));
}

TEST(MDatos, ColoursAreSavedAsTexts)
{
    TempFolder folder;
    FakePlatform platform;
    TMD md(platform, folder.path());
    md.colores.ColorMensaje = QStringLiteral("$00123456");
    md.GuardarColores();
    md.colores = ColourScheme();
    md.LeerColores();
    EXPECT_EQ(md.colores.ColorMensaje, QStringLiteral("$00123456"));

    md.ColoresPredeterminados();
    md.colores = ColourScheme();
    md.LeerColores();
    EXPECT_EQ(md.colores, ColourScheme::defaults());
}

TEST(MDatos, BadSettingsTakeTheirDefaultsAloneAndAreToldOnce)
{
    TempFolder folder;
    {
        FakePlatform platform;
        TMD md(platform, folder.path());
        setColumn(md.Enlaces(), QStringLiteral("navegadordefecto"), QStringLiteral("OPERA"));
        setColumn(md.Enlaces(), QStringLiteral("tiempo"), QStringLiteral("-5"));
        setColumn(md.Enlaces(), QStringLiteral("nummaxabrir"), QStringLiteral("8"));
        setColumn(md.Enlaces(), QStringLiteral("orden"), QVariant());
        setColumn(md.Enlaces(), QStringLiteral("grupo"), QStringLiteral("dos"));
        setColumn(md.Enlaces(), QStringLiteral("ColorTitulo"), QStringLiteral("azulito"));
        setColumn(md.Enlaces(), QStringLiteral("ColorBoton"), QStringLiteral("clRed"));
    }
    FakePlatform platform;
    TMD md(platform, folder.path());
    EXPECT_TRUE(platform.shown(FakePlatform::Box::Error).isEmpty());
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information),
        QStringList {
            QString::fromUtf16(u"Estos valores de la configuración no son válidos y se usa en su lugar el "
                               u"valor predeterminado:\nColorTitulo («azulito»)\ntiempo («-5»)\norden («»)\n"
                               u"grupo («dos»)")});
    EXPECT_EQ(md.constantes.navegadordefecto, QStringLiteral("OPERA"));
    EXPECT_EQ(md.constantes.tiempo, 300);
    EXPECT_EQ(md.constantes.nummaxabrir, 8);
    EXPECT_EQ(md.constantes.orden, 0);
    EXPECT_EQ(md.constantes.grupo, 0);
    EXPECT_EQ(md.colores.ColorTitulo, QStringLiteral("clBlue"));
    EXPECT_EQ(md.colores.ColorBoton, QStringLiteral("clRed"));
}

TEST(MDatos, ATiempoOfZeroIsRead)
{
    TempFolder folder;
    FakePlatform platform;
    TMD md(platform, folder.path());
    setColumn(md.Enlaces(), QStringLiteral("tiempo"), QStringLiteral("0"));
    md.CargarConstantes();
    EXPECT_EQ(md.constantes.tiempo, 0);
}

TEST(MDatos, AMissingColumnIsAnErrorOfTheLoad)
{
    TempFolder folder;
    {
        FakePlatform platform;
        TMD md(platform, folder.path());
        md.Enlaces().execute(QStringLiteral("alter table constantes drop column buscauto"));
    }
    FakePlatform platform;
    TMD md(platform, folder.path());
    ASSERT_EQ(platform.shown(FakePlatform::Box::Error).size(), 1);
    EXPECT_TRUE(platform.messages.first().text.contains(QStringLiteral("buscauto")));
}

TEST(MDatos, AnUnreadableDatabaseLeavesTheBuiltInValues)
{
    TempFolder folder;
    QFile file(databaseIn(folder));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("esto no es una base de datos");
    file.close();

    FakePlatform platform;
    TMD md(platform, folder.path());
    ASSERT_EQ(platform.shown(FakePlatform::Box::Error).size(), 1);
    EXPECT_EQ(md.constantes.nummaxabrir, 2);
    EXPECT_EQ(md.colores, ColourScheme());
    EXPECT_EQ(md.NumRegDirecciones(), 0);
}

TEST(MDatos, PostingALinkNormalisesThePriorityAndStampsTheTime)
{
    TempFolder folder;
    FakePlatform platform;
    TMD md(platform, folder.path());
    EXPECT_EQ(md.NumRegDirecciones(), 0);

    const std::pair<const char*, const char*> cases[]
        = {{"7", "007"}, {"ABC", "000"}, {"1234", "123"}, {"12.5", "125"}, {"", "000"}};
    for (const auto& [given, stored] : cases) {
        Link link;
        link.titulo = QStringLiteral("ENLACE");
        link.prioridad = QString::fromLatin1(given);
        const qint64 id = md.PostDireccion(link);
        EXPECT_EQ(LinkTable(md.Enlaces()).find(id)->prioridad, QString::fromLatin1(stored)) << given;
    }
    EXPECT_EQ(md.NumRegDirecciones(), 5);

    Link link = *LinkTable(md.Enlaces()).find(1);
    EXPECT_EQ(link.fechahora, platform.clock);
    platform.clock = platform.clock.addSecs(60);
    link.tipo = QStringLiteral("F");
    md.PostDireccion(link);
    EXPECT_EQ(LinkTable(md.Enlaces()).find(1)->fechahora, platform.clock);
    EXPECT_EQ(md.NumRegDirecciones(), 5);
}
