#include "MainWindowFixture.h"

#include "TestText.h"
#include "dialogs/AsignaPrioridad.h"
#include "dialogs/VerEnlace.h"
#include "groups/AltaGrupos.h"
#include "main/Countdown.h"
#include "main/LinkStatements.h"
#include "store/BrowserTable.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

class LinkActions : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        addGroup(s(u"WEB"), s(u"Páginas web"));
        addLink(s(u"DIARIO"), s(u"https://elpais.com"), s(u"WEB"), s(u"500"));
        addLink(s(u"JUEGO"), folder.file(s(u"juego.exe")), {}, s(u"400"), s(u"F"));
        addLink(s(u"CARPETA"), folder.path(), {}, s(u"300"));
        addLink(s(u"RADIO"), s(u"https://rtve.es"), s(u"WEB"), s(u"200"));
        setSetting(s(u"favoritossihay"), 0);
        openWindow();
    }

    // The link menu as it would open on a row, after selecting more rows with Ctrl.
    QStringList menuOn(int row, QList<int> alsoSelected = {})
    {
        grid()->setFocus();
        grid()->setCurrentIndex(grid()->model()->index(row, LinkListModel::Titulo));
        for (const int other : alsoSelected)
            grid()->selectionModel()->select(
                grid()->model()->index(other, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QMenu* menu = window->gridMenu();
        Q_EMIT menu->aboutToShow();
        QStringList shown;
        for (QAction* entry : menu->actions()) {
            if (entry->isVisible() && !entry->isSeparator())
                shown << entry->text();
        }
        return shown;
    }

    void trigger(const char* name) { window->findChild<QAction*>(QLatin1StringView(name))->trigger(); }

    QStringList column(const QString& name)
    {
        QStringList values;
        Cursor cursor = md->Enlaces().query(s(u"select %1 from direcciones order by id").arg(name));
        while (cursor.next())
            values << cursor.text(0);
        return values;
    }
};

} // namespace

TEST_F(LinkActions, TheLinkMenuFollowsTheRowAndTheSelection)
{
    EXPECT_EQ(menuOn(0),
        QStringList({s(u"Abrir enlace..."), s(u"Abrir con..."), s(u"Editar Enlace"), s(u"Borrar Enlace"),
            s(u"Ver enlace"), s(u"Asignar prioridad..."), s(u"Asignar Grupo..."), s(u"Añadir a Favoritos"),
            s(u"Copiar Enlace")}));
    EXPECT_EQ(menuOn(1),
        QStringList({s(u"Abrir enlace..."), s(u"Abrir como administrador"), s(u"Editar Enlace"),
            s(u"Borrar Enlace"), s(u"Ver enlace"), s(u"Asignar prioridad..."), s(u"Asignar Grupo..."),
            s(u"Quitar de Favoritos"), s(u"Abrir Ubicación"), s(u"Copiar Enlace")}));
    setSetting(s(u"BorrarCarpetas"), 1);
    platform.clipboardString = s(u"algo");
    EXPECT_TRUE(menuOn(2).contains(s(u"Borrar FISICAMENTE carpeta y subcarpetas")));
    EXPECT_TRUE(menuOn(2).contains(s(u"Pegar Enlace")));
    EXPECT_EQ(menuOn(0, {2, 3}),
        QStringList({s(u"Abrir ( 3 )  Enlaces..."), s(u"Borrar ( 3 )  Enlaces"), s(u"Asignar prioridad..."),
            s(u"Asignar Grupo..."), s(u"Añadir a Favoritos"), s(u"Quitar de Favoritos"),
            s(u"Copiar Enlaces al portapapeles"), s(u"Pegar Enlace")}));
}

TEST_F(LinkActions, TheGroupEntriesNameTheSelectorItem)
{
    find<QComboBox>("ComboGrupos")->setCurrentIndex(2);
    window->ComboGruposSelect();
    const QStringList shown = menuOn(0);
    EXPECT_TRUE(shown.contains(s(u"Borrar el grupo SIN GRUPO")));
    EXPECT_TRUE(shown.contains(s(u"Borrar grupo y enlaces de: SIN GRUPO")));
    platform.confirmations = {true};
    trigger("BorrarGrupoYEnlaces1");
    EXPECT_EQ(platform.shown(FakePlatform::Box::Confirmation).last(),
        s(u"¿Quieres BORRAR EL GRUPO :SIN GRUPO\r\n Todos sus ENLACES serán tambien BORRADOS"));
    EXPECT_EQ(LinkTable(md->Enlaces()).count(), 4) << "no group is called SIN GRUPO";
}

TEST_F(LinkActions, DeletingAGroupFromTheListLeavesOrRemovesItsLinks)
{
    auto* selector = find<QComboBox>("ComboGrupos");
    selector->setCurrentIndex(selector->findText(s(u"WEB-Páginas web")));
    window->ComboGruposSelect();
    platform.confirmations = {true};
    trigger("Borrargrupo1");
    EXPECT_EQ(platform.shown(FakePlatform::Box::Confirmation).last(),
        s(u"¿Quieres BORRAR EL GRUPO :WEB-Páginas web\r\n Todos sus ENLACES quedarán asignados a SIN GRUPO"));
    EXPECT_EQ(column(s(u"codgrupo")), QStringList({QString(), QString(), QString(), QString()}));
    EXPECT_FALSE(GroupTable(md->Enlaces()).find(s(u"WEB")));
    EXPECT_EQ(selector->count(), 3);
    EXPECT_EQ(selector->currentIndex(), 0);

    EXPECT_EQ(LinkStatements::borrarEnlacesDeGrupo(s(u"WEB")).lines(),
        QStringList {s(u"DELETE  FROM direcciones  Where codgrupo = \"WEB\"")});
}

TEST_F(LinkActions, FavouritesAreMarkedAndStamped)
{
    const QDateTime carpetaStamp = LinkTable(md->Enlaces()).find(3)->fechahora;
    platform.clock = platform.clock.addDays(1);
    menuOn(3, {0});
    trigger("AnadirFavorPersonal1");
    EXPECT_EQ(column(s(u"tipo")), QStringList({s(u"F"), s(u"F"), QString(), s(u"F")}));
    const Link diario = *LinkTable(md->Enlaces()).find(1);
    EXPECT_EQ(diario.fechahora, platform.clock);
    EXPECT_TRUE(grid()->selectionModel()->selectedRows().isEmpty());

    grid()->clearSelection();
    trigger("QuitarFavorPersonal1");
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information), QStringList {s(u"No hay nada seleccionado")});

    const QDateTime stamp = platform.clock;
    EXPECT_EQ(LinkStatements::favorito(15, true, stamp).values().last(), s(u"15"));
    EXPECT_TRUE(LinkStatements::favorito(15, false, stamp)
                    .lines()
                    .first()
                    .startsWith(s(u"UPDATE direcciones SET TIPO=\"\", FECHAHORA=\"")));
    EXPECT_TRUE(
        LinkStatements::favorito(15, true, stamp).lines().first().endsWith(s(u"\" Where ID = \"15\"")));
    // A link left out of the selection keeps its time stamp.
    EXPECT_EQ(LinkTable(md->Enlaces()).find(3)->fechahora, carpetaStamp);
}

TEST_F(LinkActions, ClearingEveryFavouriteStampsOnlyTheFavourites)
{
    const QStringList stampsBefore = column(s(u"fechahora"));
    platform.clock = platform.clock.addDays(3);
    platform.confirmations = {true};
    trigger("AadirFavorito1");
    EXPECT_EQ(platform.shown(FakePlatform::Box::Confirmation),
        QStringList {s(u"¿Quieres borrar TODA la lista de favoritos?")});
    EXPECT_EQ(column(s(u"tipo")), QStringList({QString(), QString(), QString(), QString()}));
    const QStringList stampsAfter = column(s(u"fechahora"));
    EXPECT_EQ(stampsAfter.at(0), stampsBefore.at(0));
    EXPECT_NE(stampsAfter.at(1), stampsBefore.at(1));
    EXPECT_EQ(stampsAfter.at(2), stampsBefore.at(2));
    EXPECT_EQ(stampsAfter.at(3), stampsBefore.at(3));
}

TEST_F(LinkActions, APriorityIsGivenToTheSelectionAndTheCountdownIsRestored)
{
    menuOn(0, {3});
    window->countdown().pause();
    platform.modal = [this](QDialog& dialog) {
        EXPECT_FALSE(window->countdown().isRunning());
        auto& priority = dynamic_cast<TFormAsignaPrioridad&>(dialog);
        priority.show();
        QTest::keyClicks(priority.findChild<QLineEdit*>(s(u"EPrioridad")), QStringLiteral("7x"));
        QTest::keyClick(priority.findChild<QLineEdit*>(s(u"EPrioridad")), Qt::Key_Period);
        return priority.result();
    };
    trigger("AsignarPrioridad1");
    EXPECT_EQ(column(s(u"prioridad")), QStringList({s(u"007"), s(u"400"), s(u"300"), s(u"007")}));
    EXPECT_FALSE(window->countdown().isRunning());

    window->countdown().resume();
    platform.modal = [](QDialog& dialog) {
        dialog.findChild<QPushButton*>(s(u"BotCancelar"))->click();
        return dialog.result();
    };
    menuOn(1);
    trigger("AsignarPrioridad1");
    EXPECT_EQ(column(s(u"prioridad")).at(1), s(u"400"));
    EXPECT_TRUE(window->countdown().isRunning());

    platform.confirmations = {true};
    trigger("MQuitarPrioridades");
    EXPECT_EQ(column(s(u"prioridad")), QStringList({s(u"000"), s(u"000"), s(u"000"), s(u"000")}));
    EXPECT_EQ(LinkStatements::quitarPrioridades().lines(),
        QStringList {s(u"UPDATE direcciones SET prioridad=\"000\" ")});
}

TEST_F(LinkActions, AssigningANewGroupSwitchesTheListToIt)
{
    menuOn(1, {2});
    platform.modal = [](QDialog& dialog) {
        auto& alta = dynamic_cast<TFormAltaGrupos&>(dialog);
        alta.findChild<QLineEdit*>(s(u"ECodigo"))->setText(s(u"JUEGOS"));
        alta.findChild<QLineEdit*>(s(u"ENomgrupo"))->setText(s(u"OCIO"));
        alta.findChild<QPushButton*>(s(u"BotOK"))->click();
        return alta.result();
    };
    QMenu* groups = window->findChild<QMenu*>(s(u"AsignarGrupo1"));
    groups->actions().first()->trigger();
    EXPECT_EQ(column(s(u"codgrupo")), QStringList({s(u"WEB"), s(u"JUEGOS"), s(u"JUEGOS"), s(u"WEB")}));
    EXPECT_EQ(find<QComboBox>("ComboGrupos")->currentText(), s(u"JUEGOS-OCIO"));
    EXPECT_EQ(listed(), QStringList({s(u"JUEGO"), s(u"CARPETA")}));
    EXPECT_EQ(groups->actions().last()->text(), s(u"WEB -Páginas web"));

    menuOn(0);
    platform.modal = [](QDialog& dialog) {
        dialog.reject();
        return dialog.result();
    };
    groups->actions().first()->trigger();
    EXPECT_EQ(column(s(u"codgrupo")).at(1), QString())
        << "a cancelled new group leaves the link without group";
    const QString assigned = LinkStatements::asignarGrupo(3, s(u"X"), platform.clock).lines().first();
    EXPECT_TRUE(assigned.startsWith(s(u"UPDATE direcciones SET CODGRUPO=\"X\", FECHAHORA=\"")))
        << assigned.toStdString();
    EXPECT_TRUE(assigned.endsWith(s(u"\"    Where ID = \"3\""))) << assigned.toStdString();
}

TEST_F(LinkActions, DeletingLinksAsksFirst)
{
    menuOn(0);
    platform.confirmations = {false, true};
    trigger("BorrarEnlace1");
    EXPECT_EQ(LinkTable(md->Enlaces()).count(), 4);
    trigger("BorrarEnlace1");
    EXPECT_EQ(platform.shown(FakePlatform::Box::Confirmation).last(),
        s(u"¿Seguro que quieres borrar el enlace: DIARIO ?"));
    EXPECT_EQ(LinkTable(md->Enlaces()).count(), 3);

    menuOn(0, {1, 2});
    platform.confirmations = {true};
    QTest::keyClick(grid(), Qt::Key_Delete);
    EXPECT_EQ(platform.shown(FakePlatform::Box::Confirmation).last(),
        s(u"¿Seguro que quieres los 3 enlaces seleccionados?"));
    EXPECT_EQ(LinkTable(md->Enlaces()).count(), 0);
    EXPECT_EQ(find<QLabel>("PanelInfo")->text(), s(u"No hay ningún enlace"));
    EXPECT_EQ(window->gridMenu()->objectName(), s(u"PopupMenuNuevo"));
}

TEST_F(LinkActions, OpeningWithAnotherBrowserOrTheLocation)
{
    const QString program = folder.file(s(u"chromium"));
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    BrowserTable(md->Enlaces()).insert({s(u"CHROMIUM"), program});
    openWindow();
    menuOn(0);
    QMenu* browsers = window->findChild<QMenu*>(s(u"Abrircon1"));
    ASSERT_EQ(browsers->actions().size(), 1);
    browsers->actions().first()->trigger();
    menuOn(1);
    trigger("AbrirUbicacion1");
    trigger("Abrircomoadministrador1");
    EXPECT_EQ(platform.opened,
        QList<ShellRequest>({{program, s(u"https://elpais.com"), {}}, {folder.path(), {}, {}}}));
    EXPECT_EQ(platform.elevated, QStringList {folder.file(s(u"juego.exe"))});
}

TEST_F(LinkActions, ViewingALinkShowsTitleAndAddress)
{
    menuOn(0);
    QString shown;
    platform.modal = [&shown](QDialog& dialog) {
        shown = dialog.findChild<QPlainTextEdit*>(s(u"Memo1"))->toPlainText();
        return 0;
    };
    trigger("VerEnlace");
    EXPECT_EQ(shown, s(u"DIARIO\nhttps://elpais.com"));
}

TEST_F(LinkActions, DeletingAFolderForGoodMovesItToTheTrash)
{
    setSetting(s(u"BorrarCarpetas"), 1);
    menuOn(2);
    platform.confirmations = {true};
    trigger("BorraFisicamente");
    const QString address = folder.path();
    const QString pad = QString(qMax(0, 28 - int(address.size() / 2)), u' ');
    EXPECT_EQ(platform.shown(FakePlatform::Box::Confirmation).last(),
        s(u"Se BORRARÁ FÍSICAMENTE la CARPETA y TODO SU CONTENIDO\r\nCarpetas, subcarpetas y archivos "
          u"contenidos en ellas\r\n\r\n¿   Realmente quieres borrar FISICAMENTE LA CARPETA ? \r\n\r\n")
            + pad + address);
    EXPECT_EQ(platform.trashed, QStringList {address});
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information).last(),
        s(u"Se ha borrado la carpeta y todo su contenido"));
    EXPECT_EQ(LinkTable(md->Enlaces()).count(), 3);
}
