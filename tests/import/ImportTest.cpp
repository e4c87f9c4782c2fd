#include "import/Candidates.h"
#include "import/FavouritesImport.h"
#include "import/LeerFavoritos.h"
#include "import/SelPerfilChrome.h"
#include "store/GroupTable.h"
#include "store/LinkTable.h"
#include "store/MDatos.h"

#include "FakePlatform.h"
#include "TempFolder.h"
#include "TestText.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QByteArray chromeFile(const QString& name, const QString& url)
{
    return QStringLiteral(R"json({"roots":{"bookmark_bar":{"type":"folder","children":[
        {"type":"url","name":"%1","url":"%2"}]},"other":{"type":"folder","children":[]}},"version":1})json")
        .arg(name, url)
        .toUtf8();
}

// A home folder with the favourites of every browser the window reads, and the window.
class ImportWindow : public ::testing::Test
{
protected:
    ImportWindow()
    {
        platform.environment.insert(s(u"HOME"), home.path());
        window.show();
    }

    void write(const QString& relative, const QByteArray& bytes)
    {
        const QString path = home.file(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

    void click(const char* button) { window.findChild<QPushButton*>(QLatin1StringView(button))->click(); }
    QListWidget* list() const { return window.findChild<QListWidget*>(s(u"CKLista")); }
    QString totals() const { return window.findChild<QLabel*>(s(u"LNumReg"))->text(); }

    QStringList lines() const
    {
        QStringList texts;
        for (int row = 0; row < list()->count(); ++row)
            texts << list()->item(row)->text();
        return texts;
    }

    void tick(int row) { list()->item(row)->setCheckState(Qt::Checked); }

    QStringList stored(const char* columns)
    {
        QStringList rows;
        Cursor cursor = md.Enlaces().query(
            s(u"select %1 from direcciones order by id").arg(QLatin1StringView(columns)));
        while (cursor.next()) {
            QStringList values;
            for (int column = 0; column < cursor.columnCount(); ++column)
                values << cursor.text(column);
            rows << values.join(u'|');
        }
        return rows;
    }

    TempFolder home;
    TempFolder program;
    FakePlatform platform;
    TMD md {platform, program.path()};
    TFormLeerFavoritos window {md};
};

} // namespace

TEST_F(ImportWindow, ShowsItsControls)
{
    EXPECT_EQ(window.windowTitle(), s(u"Leer favoritos de Edge"));
    const std::pair<const char*, const char16_t*> buttons[] = {{"BotEdge", u"EDGE"},
        {"BotInternetExplorer", u"INTERNET EXPLORER"}, {"BotChrome", u"CHROME"}, {"BotFirefox", u"FIREFOX"},
        {"BotArchivoHtml", u"ARCHIVO HTML"}, {"BotImportarEnlaces", u"Importar a enlaces"},
        {"BotBorrarLista", u"X"}, {"BotMarcar", u"marcar todo"}, {"BotDesmarcar", u"desmarcar todo"}};
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(
            window.findChild<QPushButton*>(QLatin1StringView(name))->text(), QString::fromUtf16(caption))
            << name;
    EXPECT_EQ(window.findChild<QPushButton*>(s(u"BotEdge"))->toolTip(), s(u"Carga los favoritos de EDGE"));
    EXPECT_EQ(window.findChild<QPushButton*>(s(u"BotImportarEnlaces"))->toolTip(),
        s(u"Importa los enlaces seleccionados a la aplicación"));
    EXPECT_EQ(totals(), QString());
}

TEST_F(ImportWindow, EverySourceFillsTheListByItsRules)
{
    write(s(u"Favorites/Noticias/Diario.URL"),
        "[DEFAULT]\r\nBASEURL=https://diario.es/?a=1&b=2\r\n[InternetShortcut]\r\nURL=x\r\n");
    write(s(u"Favorites/solo-url.url"), "[InternetShortcut]\r\nURL=https://solo.es/\r\n");
    write(s(u"Favorites/viejo.url/nota.txt"), "BASEURL=https://nota.es/\r\n");
    write(s(u".config/google-chrome/Default/Bookmarks"),
        chromeFile(s(u"Diario del día"), s(u"https://elpais.com/")));
    write(s(u".config/chromium/Profile 1/Bookmarks"),
        chromeFile(QString(), s(u"https://www.sin-nombre.es/a|b")));
    write(s(u".config/microsoft-edge/Default/Bookmarks"), chromeFile(s(u"Correo"), s(u"http://correo.es/")));
    write(s(u"export.html"),
        "<DL><DT><A HREF=\"https://a.es/?x=1&amp;y=2\">Caf\xc3\xa9 | t\xc3\xa9</A>\n"
        "<DT><A HREF=\"javascript:void(0)\">marcador</A></DL>");
    platform.fileNames = {home.file(s(u"export.html"))};
    QStringList pickerProfiles;
    platform.modal = [&pickerProfiles](QDialog& dialog) {
        auto& picker = dynamic_cast<TFormSelPerfilChrome&>(dialog);
        pickerProfiles = picker.Profiles();
        return int(QDialog::Accepted);
    };

    for (const char* button : {"BotInternetExplorer", "BotChrome", "BotEdge", "BotArchivoHtml"})
        click(button);
    EXPECT_EQ(lines(),
        QStringList({s(u"DIARIO|https://diario.es/?a=1&b=2"), s(u"NOTA|https://nota.es/"),
            s(u"DIARIO DEL DÍA | https://elpais.com/"),
            s(u"WWW.SIN-NOMBRE.ES/A%7CB | https://www.sin-nombre.es/a%7Cb"), s(u"CORREO | http://correo.es/"),
            s(u"CAFÉ ¦ TÉ | https://a.es/?x=1&y=2")}));
    EXPECT_EQ(pickerProfiles.size(), 2) << "two profiles are offered, both ticked";
    EXPECT_EQ(totals(), s(u"Total Reg. 6  (Selec. Ninguno)"));
    tick(0);
    EXPECT_EQ(totals(), s(u"Total Reg. 6  (Selec. 1)"));
    click("BotMarcar");
    EXPECT_EQ(totals(), s(u"Total Reg. 6  (Selec. Todos)"));
    click("BotBorrarLista");
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(platform.shown(FakePlatform::Box::Error).isEmpty());
}

TEST_F(ImportWindow, AMissingSourceIsToldAndTheListKept)
{
    write(s(u"Favorites/a.url"), "BASEURL=https://a.es/\r\n");
    click("BotInternetExplorer");
    for (const char* button : {"BotEdge", "BotChrome", "BotFirefox"})
        click(button);
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information),
        QStringList({s(u"No existe el fichero de favoritos de EDGE"),
            s(u"No existe el fichero de favoritos de Chrome"),
            s(u"No existe el fichero de favoritos de Firefox")}));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(lines(), QStringList {s(u"A|https://a.es/")});

    write(s(u".config/google-chrome/Default/Bookmarks"), "{ roto");
    click("BotChrome");
    EXPECT_EQ(platform.shown(FakePlatform::Box::Error).size(), 1);
    EXPECT_EQ(list()->count(), 1);
}

TEST_F(ImportWindow, TickedCandidatesBecomeLinksOfANewGroup)
{
    write(
        s(u"Favorites/a.url"), "BASEURL=https://a.es/\r\nBASEURL=https://b.es/\r\nBASEURL=https://c.es/\r\n");
    click("BotInternetExplorer");
    click("BotImportarEnlaces");
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information),
        QStringList {s(u"No hay ningún favorito seleccionado")});

    tick(0);
    tick(2);
    platform.confirmations = {false};
    click("BotImportarEnlaces");
    EXPECT_EQ(platform.shown(FakePlatform::Box::Confirmation).last(),
        s(u"¿Seguro que quieres importar  2  enlaces al programa?"));
    EXPECT_TRUE(stored("id").isEmpty());

    platform.confirmations = {true};
    click("BotImportarEnlaces");
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information).last(),
        s(u"Se han importado 2 y se han asignado al grupo IMP"));
    EXPECT_EQ(window.CodigoGrupo, s(u"IMP"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(GroupTable(md.Enlaces()).find(s(u"IMP"))->nomgrupo, s(u"IMPORTA FAVORITOS "));
    EXPECT_EQ(stored("titulo, direccion, codgrupo, prioridad, tipo, navegador, nicono"),
        QStringList({s(u"A|https://a.es/|IMP|000|||1"), s(u"A|https://c.es/|IMP|000|||1")}));
}

TEST_F(ImportWindow, ImportGroupsAreNumberedUpToIMP99)
{
    const auto import
        = [this] { return FavouritesImport::importLines(md, {s(u"A | https://a.es/")}, [](int) {}); };
    EXPECT_EQ(import(), s(u"IMP"));
    EXPECT_EQ(import(), s(u"IMP01"));
    EXPECT_EQ(GroupTable(md.Enlaces()).find(s(u"IMP01"))->nomgrupo, s(u"IMPORTA FAVORITOS 1"));
    GroupTable(md.Enlaces()).remove(s(u"IMP"));
    EXPECT_EQ(import(), s(u"IMP"));
    for (int number = 2; number <= 99; ++number)
        GroupTable(md.Enlaces()).insert({QStringLiteral("IMP%1").arg(number, 2, 10, QLatin1Char('0')), {}});
    EXPECT_EQ(import(), s(u"IMP99"));
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information),
        QStringList {s(u"No se puede crear el grupo IMP100, se asigna el IMP99")});
    EXPECT_EQ(LinkTable(md.Enlaces()).count(), 4);
}

TEST_F(ImportWindow, BothKindsOfCandidateLineGiveTheSameLink)
{
    for (const char16_t* line : {u"Diario|https://diario.es/", u"DIARIO | https://diario.es/ "}) {
        EXPECT_EQ(Candidates::titleOf(QString::fromUtf16(line)), s(u"DIARIO"));
        EXPECT_EQ(Candidates::addressOf(QString::fromUtf16(line)), s(u"https://diario.es/"));
    }
}

TEST_F(ImportWindow, TheProfilePickerOffersEveryProfileTicked)
{
    TFormSelPerfilChrome picker(md, {s(u"/a/Default/Bookmarks"), s(u"/a/Profile 1/Bookmarks")},
        s(u"Seleccionar perfil Chrome a importar"));
    picker.show();
    EXPECT_EQ(picker.windowTitle(), s(u"Seleccionar perfil Chrome a importar"));
    EXPECT_EQ(picker.Profiles().size(), 2);
    auto* list = picker.findChild<QListWidget*>(s(u"ListaChrome"));
    auto* importar = picker.findChild<QPushButton*>(s(u"BotImportar"));
    list->item(0)->setCheckState(Qt::Unchecked);
    EXPECT_TRUE(importar->isVisible());
    list->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_FALSE(importar->isVisible()) << "nothing ticked, nothing to import";
    list->item(1)->setCheckState(Qt::Checked);
    picker.findChild<QPushButton*>(s(u"BotCerrar"))->click();
    EXPECT_EQ(picker.Profiles(), QStringList()) << "closing without importing unticks every profile";
}
