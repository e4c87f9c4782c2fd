#include "MainWindowFixture.h"

#include "components/RadioGroup.h"

#include "DropSimulation.h"
#include "TestText.h"
#include "TypeText.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

namespace {

class LinkIntake : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        addGroup(s(u"WEB"), s(u"Páginas web"));
        setSetting(s(u"favoritossihay"), 0);
        platform.fileIcon = QImage(32, 32, QImage::Format_ARGB32);
        platform.fileIcon.fill(Qt::blue);
        openWindow();
    }

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.file(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

    // A Windows shortcut whose relative path names the target.
    QString shortcut(const QString& name, const QString& relativeTarget)
    {
        QByteArray bytes = QByteArray::fromHex("4C0000000114020000000000C000000000000046");
        bytes.append(char(0x88)).append(3, '\0');
        bytes.append(QByteArray(0x4C - bytes.size(), '\0'));
        bytes.append(char(relativeTarget.size())).append('\0');
        bytes.append(reinterpret_cast<const char*>(relativeTarget.utf16()), relativeTarget.size() * 2);
        bytes.append(4, '\0');
        return write(name, bytes);
    }

    Qt::DropAction dropFiles(const QStringList& files)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& file : files)
            urls << QUrl::fromLocalFile(file);
        data.setUrls(urls);
        return simulateDrop(grid()->viewport(), data, Qt::CopyAction | Qt::LinkAction);
    }

    QStringList stored(const char* column)
    {
        QStringList values;
        Cursor cursor = md->Enlaces().query(
            s(u"select %1 from direcciones order by id").arg(QLatin1StringView(column)));
        while (cursor.next())
            values << cursor.text(0);
        return values;
    }
};

} // namespace

TEST_F(LinkIntake, DroppedFilesBecomeLinksInTheirOrder)
{
    const QString informe = write(s(u"Informe anual.pdf"), "x");
    const QString notas = write(s(u"notas.txt"), "x");
    QDir(folder.path()).mkdir(s(u"Fotos"));
    const QString fotos = folder.file(s(u"Fotos"));
    EXPECT_EQ(dropFiles({informe, notas, fotos}), Qt::LinkAction);
    EXPECT_EQ(stored("titulo"), QStringList({s(u"INFORME ANUAL"), s(u"NOTAS"), s(u"(FOTOS)")}));
    EXPECT_EQ(stored("direccion"), QStringList({informe, notas, fotos}));
    EXPECT_EQ(stored("nicono"), QStringList({s(u"0"), s(u"0"), s(u"2")}));
    EXPECT_EQ(stored("prioridad"), QStringList({s(u"000"), s(u"000"), s(u"000")}));
    EXPECT_EQ(find<RadioGroup>("ROrden")->itemIndex(), 2);
    EXPECT_EQ(grid()->currentIndex().row(), 0);
}

TEST_F(LinkIntake, ADroppedWebLinkTakesItsTitleAndTheSelectorsGroup)
{
    auto* selector = find<QComboBox>("ComboGrupos");
    selector->setCurrentIndex(selector->findText(s(u"WEB-Páginas web")));
    window->ComboGruposSelect();
    QMimeData data;
    data.setData(s(u"_NETSCAPE_URL"), QByteArray("https://elpais.com/\nEl pa\xc3\xads"));
    EXPECT_EQ(simulateDrop(grid()->viewport(), data, Qt::LinkAction), Qt::LinkAction);
    EXPECT_EQ(stored("titulo"), QStringList {s(u"EL PAÍS")});
    EXPECT_EQ(stored("codgrupo"), QStringList {s(u"WEB")});
    EXPECT_EQ(stored("nicono"), QStringList {s(u"1")});

    selector->setCurrentIndex(1);
    window->ComboGruposSelect();
    QMimeData bare;
    bare.setUrls({QUrl(s(u"https://www.aemet.es/tiempo.html"))});
    simulateDrop(grid()->viewport(), bare, Qt::LinkAction);
    EXPECT_EQ(stored("titulo").last(), s(u"//WWW.AEMET.ES/TIEMPO"));
    EXPECT_EQ(stored("tipo").last(), s(u"F"));
    EXPECT_EQ(stored("codgrupo").last(), QString());
}

TEST_F(LinkIntake, DuplicatesAreReportedAndSkipped)
{
    const QString notas = write(s(u"notas.txt"), "x");
    dropFiles({notas});
    dropFiles({notas});
    EXPECT_EQ(stored("id").size(), 1);
    const QString first = s(u"Este enlace: ") + notas;
    const QString spaces = first.size() <= 31 ? QString() : QString(int((first.size() - 31) / 2) + 3, u' ');
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information),
        QStringList {first + s(u"\r\n\r\n") + spaces + s(u"¡ YA EXISTE !  NO SE DA DE ALTA")});

    platform.messages.clear();
    QMimeData short31;
    short31.setUrls({QUrl(s(u"https://a.es/12345"))});
    simulateDrop(grid()->viewport(), short31, Qt::LinkAction);
    simulateDrop(grid()->viewport(), short31, Qt::LinkAction);
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information),
        QStringList {s(u"Este enlace: https://a.es/12345\r\n\r\n¡ YA EXISTE !  NO SE DA DE ALTA")});
    platform.messages.clear();
    QMimeData long41;
    long41.setUrls({QUrl(s(u"https://a.es/123456789012345"))});
    simulateDrop(grid()->viewport(), long41, Qt::LinkAction);
    simulateDrop(grid()->viewport(), long41, Qt::LinkAction);
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information),
        QStringList {
            s(u"Este enlace: https://a.es/123456789012345\r\n\r\n        ¡ YA EXISTE !  NO SE DA DE ALTA")});
}

TEST_F(LinkIntake, InternetShortcutsKeepTheirWholeAddressAndAreCheckedByIt)
{
    const QString url = write(s(u"Diario.url"),
        "[DEFAULT]\r\nBASEURL=https://base.es\r\n[InternetShortcut]\r\nURL=https://diario.es/?a=1&b=2\r\n");
    dropFiles({url});
    EXPECT_EQ(stored("titulo"), QStringList {s(u"DIARIO")});
    EXPECT_EQ(stored("direccion"), QStringList {s(u"https://diario.es/?a=1&b=2")});
    dropFiles({url});
    EXPECT_EQ(stored("id").size(), 1) << "the second drop is a duplicate of the address read";
    platform.clipboardFileList = {url};
    window->findChild<QAction*>(s(u"MPegarEnlace"))->trigger();
    EXPECT_EQ(stored("id").size(), 1);
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information).size(), 2);
}

TEST_F(LinkIntake, AnAddressThatOnlyLooksLikeAShortcutFileIsStoredAsItIs)
{
    const QStringList addresses {s(u"https://fotos.url.es/album"), s(u"https://umusic.lnk.to/album"),
        s(u"https://descargas.es/acceso.lnk.html")};
    platform.clipboardString = addresses.join(s(u"\r\n"));
    window->findChild<QAction*>(s(u"MPegarEnlace"))->trigger();
    EXPECT_EQ(stored("direccion"), addresses);
    EXPECT_EQ(stored("titulo"),
        QStringList({s(u"//FOTOS.URL"), s(u"//UMUSIC.LNK"), s(u"//DESCARGAS.ES/ACCESO.LNK")}));
    EXPECT_TRUE(platform.shown(FakePlatform::Box::Error).isEmpty());

    QMimeData dropped;
    dropped.setUrls({QUrl(addresses.at(1))});
    simulateDrop(grid()->viewport(), dropped, Qt::LinkAction);
    EXPECT_EQ(stored("direccion").size(), 3) << "the dropped address is the stored one";
}

TEST_F(LinkIntake, TitlesAreStoredAsTheSearchBoxWritesThemAndFitTheirColumn)
{
    const QString longTitle = QString(120, u'a');
    QMimeData data;
    data.setData(s(u"_NETSCAPE_URL"), (s(u"https://largo.es/\n") + longTitle).toUtf8());
    simulateDrop(grid()->viewport(), data, Qt::LinkAction);
    simulateDrop(grid()->viewport(), data, Qt::LinkAction);
    EXPECT_EQ(stored("titulo"), QStringList {QString(100, u'A')});
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information).size(), 1);

    QMimeData german;
    german.setData(s(u"_NETSCAPE_URL"), s(u"https://müller.de/\nPiñón güero Müller").toUtf8());
    simulateDrop(grid()->viewport(), german, Qt::LinkAction);
    EXPECT_EQ(stored("titulo").last(), s(u"PIÑÓN GÜERO MÜLLER"));
    typeText(find<QLineEdit>("EBusqueda"), s(u"güe"));
    EXPECT_EQ(listed(), QStringList {s(u"PIÑÓN GÜERO MÜLLER")});
}

TEST_F(LinkIntake, ShellShortcutsBecomeTheirTargets)
{
    const QString target = write(s(u"bloc.exe"), "x");
    const QString lnk = shortcut(s(u"Notepad.lnk"), s(u"bloc.exe"));
    dropFiles({lnk});
    EXPECT_EQ(stored("titulo"), QStringList {s(u">NOTEPAD")});
    EXPECT_EQ(stored("direccion"), QStringList {target});

    QDir(folder.path()).mkdir(s(u"Program Files"));
    const QString real = write(s(u"Program Files/app.exe"), "x");
    const QString x86 = shortcut(s(u"App.LNK"), s(u"Program Files (x86)/app.exe"));
    dropFiles({x86});
    EXPECT_EQ(stored("direccion").last(), real);
}

TEST_F(LinkIntake, PastedLinesAreTakenWhenTheyNameSomething)
{
    const QString notas = write(s(u"notas.txt"), "x");
    platform.clipboardString = notas + s(u"\r\nnada de nada\r\nhttps://uno.es\nHTTP://DOS.ES");
    window->findChild<QAction*>(s(u"MPegarEnlace"))->trigger();
    EXPECT_EQ(stored("direccion"), QStringList({notas, s(u"https://uno.es"), s(u"HTTP://DOS.ES")}));
    EXPECT_EQ(stored("titulo"), QStringList({s(u"NOTAS"), s(u"//UNO"), s(u"//DOS")}));

    // Files on the clipboard win over its text.
    const QString otro = write(s(u"otro.txt"), "x");
    platform.clipboardString = s(u"https://tres.es");
    platform.clipboardFileList = {otro};
    window->findChild<QAction*>(s(u"MPegarEnlace"))->trigger();
    EXPECT_EQ(stored("direccion").last(), otro);
    EXPECT_EQ(stored("id").size(), 4);
}

TEST_F(LinkIntake, PastingNothingDoesNothing)
{
    find<RadioGroup>("ROrden")->setItemIndex(1);
    window->findChild<QAction*>(s(u"MPegarEnlace"))->trigger();
    EXPECT_EQ(find<RadioGroup>("ROrden")->itemIndex(), 1);
    EXPECT_TRUE(stored("id").isEmpty());
}

TEST_F(LinkIntake, CopyingPutsTheSelectedAddressesOnTheClipboard)
{
    addLink(s(u"A"), s(u"https://a.es"), {}, s(u"900"));
    addLink(s(u"B"), s(u"https://b.es"), {}, s(u"800"));
    window->CargarQuery(s(u"TODOS"));
    grid()->setFocus();
    grid()->selectAll();
    window->findChild<QAction*>(s(u"CopiarEnlace"))->trigger();
    EXPECT_EQ(platform.clipboardString, s(u"https://a.es\r\nhttps://b.es"));
    EXPECT_TRUE(grid()->selectionModel()->selectedRows().isEmpty());
    platform.clipboardString = s(u"igual");
    window->findChild<QAction*>(s(u"CopiarEnlace"))->trigger();
    EXPECT_EQ(platform.clipboardString, s(u"igual"));
}
