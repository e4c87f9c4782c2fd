#include "MainWindowFixture.h"

#include "TestText.h"
#include "components/RadioGroup.h"
#include "editor/AltaDirecciones.h"
#include "main/Countdown.h"
#include "main/LinkGridDelegate.h"
#include "store/DefaultPictures.h"
#include "store/PictureTable.h"
#include "store/SettingsTable.h"

#include <QSignalSpy>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

class MainWindow : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        addGroup(s(u"BANCO"), s(u"Bancos"));
        addGroup(s(u"WEB"), s(u"Páginas web"));
        addLink(s(u"BANCO SANTANDER"), s(u"https://www.bancosantander.es"), s(u"BANCO"), s(u"900"), s(u"F"));
        addLink(s(u"BBVA"), s(u"https://www.bbva.es/Banca"), s(u"BANCO"), s(u"800"));
        addLink(s(u"DIARIO"), s(u"https://elpais.com"), s(u"WEB"), s(u"500"), {}, s(u"FIREFOX"));
        addLink(s(u"NOTAS"), s(u"/home/ana/notas.txt"), {}, s(u"100"));
        addLink(s(u"RECETAS"), s(u"https://recetas.es/bANco"), {}, s(u"050"));
    }

    QLineEdit* search() const { return find<QLineEdit>("EBusqueda"); }
    QComboBox* selector() const { return find<QComboBox>("ComboGrupos"); }
    QString label(const char* name) const { return find<QLabel>(name)->text(); }
    bool visible(const char* name) const { return find<QWidget>(name)->isVisible(); }
};

} // namespace

TEST_F(MainWindow, ShowsItsControlsAndMenus)
{
    openWindow();
    EXPECT_EQ(window->windowTitle(), s(u"Trevalia"));
    EXPECT_EQ(window->width(), 760);
    EXPECT_GE(window->height(), 500);
    EXPECT_LE(window->height(), 825);
    EXPECT_EQ(label("LTitulo"), s(u"BÚSQUEDA DE ENLACES"));
    EXPECT_EQ(find<QCheckBox>("CKBuscaAuto")->text(), s(u"Búsq. &auto"));
    EXPECT_EQ(find<QPushButton>("BotGrupo")->text(), s(u"&Grupo:"));
    EXPECT_EQ(
        find<QPushButton>("BotAnadirEnlace")->toolTip(), s(u"Abre pantalla para introducir un nuevo enlace"));
    EXPECT_EQ(
        label("Label4"), s(u"Selección múltiple:  Ctrl+click  Bot.dcho.  y   Cllick+fecha abajo / arriba "));
    EXPECT_FALSE(visible("CKDireccion"));
    QStringList menus;
    for (QAction* menu : window->menuBar()->actions()) {
        QStringList entries;
        for (QAction* entry : menu->menu()->actions())
            entries << (entry->isSeparator() ? s(u"-") : entry->text());
        menus << menu->text() + s(u": ") + entries.join(s(u", "));
    }
    EXPECT_EQ(menus,
        QStringList({s(u"&Archivo: Cerrar"),
            s(u"&Mantenimiento: Nuevo Enlace, -, Gestionar Grupos, Navegadores, -, "
              u"Quita prioridades de los enlaces"),
            s(u"&Utilidades: Configuración general, -, Iconos enlaces, Colores, -, "
              u"Importar favoritos navegadores, -, Borrar TODO"),
            s(u"A&yuda: Guía, -, Acerca de...")}));
    EXPECT_EQ(selector()->itemText(3), s(u"BANCO-Bancos"));
    EXPECT_EQ(selector()->count(), 5);

    const auto* delegate = qobject_cast<LinkGridDelegate*>(grid()->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    EXPECT_EQ(QFontInfo(delegate->gridFont()).family(), s(u"ABeeZee"));
    EXPECT_EQ(QFontInfo(delegate->gridFont()).pixelSize(), 27);
}

TEST_F(MainWindow, StartsOnTheFavouritesWhenThereAreAny)
{
    openWindow();
    EXPECT_EQ(selector()->currentIndex(), 1);
    EXPECT_EQ(listed(), QStringList {s(u"BANCO SANTANDER")});
    EXPECT_EQ(listed(LinkListModel::EsFavorito), QStringList {s(u"*")});
    EXPECT_EQ(listed(LinkListModel::NomGrupo), QStringList {s(u"Bancos")});
    EXPECT_EQ(label("LNum"), s(u"1"));
    EXPECT_TRUE(search()->hasFocus());
    EXPECT_EQ(label("LSeleccionaEnlace"), s(u"Selecciona enlace y (doble-click o intro)"));
    EXPECT_TRUE(visible("Label4"));
    EXPECT_FALSE(visible("PanelInfo"));
    EXPECT_EQ(window->gridMenu()->objectName(), s(u"PopMenuPoner"));
}

TEST_F(MainWindow, TypingSearchesTitlesAndAddressesOfTheWholeCatalogue)
{
    openWindow();
    QTest::keyClicks(search(), QStringLiteral("ban"));
    EXPECT_EQ(search()->text(), s(u"BAN"));
    EXPECT_EQ(selector()->currentIndex(), 0);
    EXPECT_EQ(listed(), QStringList({s(u"BANCO SANTANDER"), s(u"BBVA"), s(u"RECETAS")}));
    EXPECT_EQ(label("LNum"), s(u"3"));
    EXPECT_EQ(window->lastStatement().lines(),
        QStringList({s(u"Select * from direcciones"), s(u"Where "), s(u" (titulo like \"%BAN%\" ) "),
            s(u"  or (Upper(direccion) like \"%BAN%\") "), s(u"order by prioridad desc, codgrupo, titulo")}));

    setSetting(s(u"buscardireccion"), 0);
    find<QPushButton>("BotBorrarFiltro")->click();
    window->CargarInicio();
    QTest::keyClicks(search(), QStringLiteral("ban"));
    EXPECT_EQ(listed(), QStringList {s(u"BANCO SANTANDER")});
    EXPECT_EQ(label("LTextoBusqueda"), s(u"Escribe parte del nombre del enlace"));
}

TEST_F(MainWindow, EmptyResultsTellWhetherTheCatalogueIsEmpty)
{
    openWindow();
    QTest::keyClicks(search(), QStringLiteral("zzz"));
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(label("PanelInfo"), s(u"No hay enlaces que cumplan con la búsqueda"));
    EXPECT_TRUE(visible("PanelInfo"));
    EXPECT_FALSE(visible("LSeleccionaEnlace"));
    EXPECT_TRUE(visible("BotEscape"));
    EXPECT_FALSE(visible("Label4"));
    EXPECT_EQ(label("LNum"), QString());
    EXPECT_EQ(window->gridMenu()->objectName(), s(u"PopupMenuNuevo"));
    QTest::keyClick(search(), Qt::Key_Delete);
    EXPECT_FALSE(visible("PanelInfo"));
    EXPECT_EQ(listed().size(), 5);

    md->Enlaces().execute(s(u"delete from direcciones"));
    window->CargarQuery(s(u"TODOS"));
    EXPECT_EQ(label("PanelInfo"), s(u"No hay ningún enlace"));
    EXPECT_EQ(label("LSeleccionaEnlace"), s(u"Agrega nuevos enlaces"));
    EXPECT_TRUE(visible("LSeleccionaEnlace"));
    EXPECT_FALSE(visible("BotEscape"));
    EXPECT_FALSE(visible("BotFavoritos"));
}

TEST_F(MainWindow, TheSelectorSlicesTheCatalogue)
{
    openWindow();
    QTest::keyClicks(search(), QStringLiteral("e"));
    selector()->setCurrentIndex(2);
    window->ComboGruposSelect();
    EXPECT_EQ(search()->text(), s(u"E"));
    EXPECT_EQ(listed(), QStringList({s(u"NOTAS"), s(u"RECETAS")}));

    selector()->setCurrentIndex(1);
    window->ComboGruposSelect();
    EXPECT_EQ(search()->text(), QString());
    EXPECT_EQ(selector()->currentIndex(), 1);
    EXPECT_EQ(listed(), QStringList {s(u"BANCO SANTANDER")});

    selector()->setCurrentIndex(3);
    window->ComboGruposSelect();
    EXPECT_EQ(listed(), QStringList({s(u"BANCO SANTANDER"), s(u"BBVA")}));
    QTest::keyClicks(search(), QStringLiteral("diar"));
    EXPECT_EQ(selector()->currentIndex(), 0);
    EXPECT_EQ(listed(), QStringList {s(u"DIARIO")});

    QTest::keyClick(search(), Qt::Key_F2);
    EXPECT_EQ(selector()->currentIndex(), 2);
    QTest::keyClick(search(), Qt::Key_F1);
    EXPECT_EQ(selector()->currentIndex(), 1);
    EXPECT_EQ(listed(), QStringList {s(u"BANCO SANTANDER")});
}

TEST_F(MainWindow, AGroupCodeWithADashCannotBeChosen)
{
    addGroup(s(u"A-B"), s(u"Con guion"));
    addLink(s(u"GUION"), s(u"https://guion.es"), s(u"A-B"));
    openWindow();
    selector()->setCurrentIndex(selector()->findText(s(u"A-B-Con guion")));
    window->ComboGruposSelect();
    EXPECT_EQ(window->lastStatement().lines().at(2), s(u" (codgrupo = \"A\") "));
    EXPECT_TRUE(listed().isEmpty());
}

TEST_F(MainWindow, OrdersByPriorityTitleOrRecency)
{
    setSetting(s(u"favoritossihay"), 0);
    openWindow();
    EXPECT_EQ(
        listed(), QStringList({s(u"BANCO SANTANDER"), s(u"BBVA"), s(u"DIARIO"), s(u"NOTAS"), s(u"RECETAS")}));
    find<RadioGroup>("ROrden")->setItemIndex(2);
    EXPECT_EQ(
        listed(), QStringList({s(u"RECETAS"), s(u"NOTAS"), s(u"DIARIO"), s(u"BBVA"), s(u"BANCO SANTANDER")}));
}

TEST_F(MainWindow, EnterOpensTheOnlyLinkListed)
{
    openWindow();
    QTest::keyClicks(search(), QStringLiteral("diario"));
    ASSERT_EQ(listed().size(), 1);
    QTest::keyClick(search(), Qt::Key_Return);
    EXPECT_EQ(platform.opened, QList<ShellRequest>({{s(u"https://elpais.com"), {}, {}}}));
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information).size(), 1)
        << "FIREFOX is not in the browser table";

    QTest::keyClicks(search(), QStringLiteral("x"));
    QTest::keyClick(search(), Qt::Key_Backspace);
    QTest::keyClicks(search(), QStringLiteral(""));
    find<QPushButton>("BotBorrarFiltro")->click();
    QTest::keyClick(search(), Qt::Key_Return);
    EXPECT_EQ(platform.opened.size(), 1);
}

TEST_F(MainWindow, WithoutSearchWhileTypingTheListWaitsForEnter)
{
    setSetting(s(u"buscauto"), 0);
    openWindow();
    EXPECT_TRUE(visible("LBuscar"));
    EXPECT_EQ(label("LTextoBusqueda"), s(u"Escribe parte del nombre o dirección del enlace y pulsa INTRO"));
    QTest::keyClicks(search(), QStringLiteral("bbva"));
    EXPECT_TRUE(listed().isEmpty());
    QTest::keyClick(search(), Qt::Key_Return);
    EXPECT_EQ(listed(), QStringList {s(u"BBVA")});
    EXPECT_EQ(platform.opened.size(), 0);
}

TEST_F(MainWindow, ClosingSavesOrderAndGroupForTheNextStart)
{
    setSetting(s(u"favoritossihay"), 0);
    openWindow();
    find<RadioGroup>("ROrden")->setItemIndex(2);
    selector()->setCurrentIndex(3);
    window->ComboGruposSelect();
    window->close();
    Cursor row = md->Enlaces().query(s(u"select orden, grupo from constantes"));
    ASSERT_TRUE(row.next());
    EXPECT_EQ(row.text(0), s(u"2"));
    EXPECT_EQ(row.text(1), s(u"3"));
    EXPECT_EQ(md->constantes.orden, 0) << "the cache is not updated";

    md->CargarConstantes();
    openWindow();
    EXPECT_EQ(find<RadioGroup>("ROrden")->itemIndex(), 2);
    EXPECT_EQ(selector()->currentIndex(), 3);
    EXPECT_EQ(listed(), QStringList({s(u"BBVA"), s(u"BANCO SANTANDER")}));
}

TEST_F(MainWindow, AStoredGroupPastTheLastItemShowsEveryLink)
{
    setSetting(s(u"favoritossihay"), 0);
    setSetting(s(u"grupo"), s(u"12"));
    openWindow();
    EXPECT_EQ(selector()->currentIndex(), 0);
    EXPECT_EQ(listed().size(), 5);
    EXPECT_EQ(label("LNum"), s(u"5"));
}

TEST_F(MainWindow, TheClipboardIsEmptiedAtCreationWhateverTheSetting)
{
    setSetting(s(u"BorrarInicioClipBoard"), 0);
    setSetting(s(u"BorrarFinClipBoard"), 0);
    platform.clipboardString = s(u"https://copiado.es");
    window = std::make_unique<TFormPrincipal>(*md);
    EXPECT_TRUE(platform.clipboardString.isEmpty());
    platform.clipboardString = s(u"https://otra.es");
    window->show();
    window->close();
    EXPECT_EQ(platform.clipboardString, s(u"https://otra.es"));

    setSetting(s(u"BorrarFinClipBoard"), 1);
    openWindow();
    platform.clipboardString = s(u"https://otra.es");
    window->close();
    EXPECT_TRUE(platform.clipboardString.isEmpty());
}

TEST_F(MainWindow, TheCountdownIsShownAndCanBePaused)
{
    openWindow();
    EXPECT_TRUE(visible("LTiempo1"));
    EXPECT_EQ(label("LSegundos"), s(u"5 min. "));
    EXPECT_TRUE(window->countdown().isRunning());
    QTest::mouseDClick(find<QLabel>("LSegundos"), Qt::LeftButton);
    EXPECT_FALSE(window->countdown().isRunning());
    QTest::mouseDClick(find<QLabel>("LSegundos"), Qt::LeftButton);
    EXPECT_TRUE(window->countdown().isRunning());

    setSetting(s(u"tiempo"), s(u"0"));
    window->CargarInicio();
    EXPECT_FALSE(visible("LTiempo1"));
    EXPECT_FALSE(visible("LSegundos"));
    EXPECT_FALSE(window->countdown().isRunning());
}

TEST_F(MainWindow, TheCountdownEndsWithoutSavingPreferences)
{
    setSetting(s(u"tiempo"), s(u"1"));
    setSetting(s(u"favoritossihay"), 0);
    openWindow();
    find<RadioGroup>("ROrden")->setItemIndex(1);
    QSignalSpy expired(&window->countdown(), &Countdown::expired);
    ASSERT_TRUE(expired.wait(2500));
    Cursor row = md->Enlaces().query(s(u"select orden from constantes"));
    ASSERT_TRUE(row.next());
    EXPECT_EQ(row.text(0), s(u"0"));
}

TEST_F(MainWindow, TypingRestoresTheCountdown)
{
    openWindow();
    window->countdown().VerTiempo(300);
    QTest::qWait(1100);
    EXPECT_LT(window->countdown().SegundosRestantes(), 300);
    QTest::keyClicks(search(), QStringLiteral("a"));
    EXPECT_EQ(window->countdown().SegundosRestantes(), 300);
}

TEST_F(MainWindow, TheListHintIsTheCurrentAddressAndBrowser)
{
    setSetting(s(u"favoritossihay"), 0);
    openWindow();
    EXPECT_EQ(grid()->toolTip(), s(u"https://www.bancosantander.es")) << "the first link is current";
    QTest::keyClicks(search(), s(u"diario"));
    EXPECT_EQ(grid()->toolTip(), s(u"https://elpais.com (FIREFOX)"));
    QTest::keyClick(search(), Qt::Key_Escape);
    grid()->setFocus();
    grid()->setCurrentIndex(grid()->model()->index(2, LinkListModel::Titulo));
    EXPECT_EQ(grid()->toolTip(), s(u"https://elpais.com (FIREFOX)"));
    grid()->setCurrentIndex(grid()->model()->index(1, LinkListModel::Titulo));
    EXPECT_EQ(grid()->toolTip(), s(u"https://www.bbva.es/Banca"));
}

TEST_F(MainWindow, DoubleClickOpensOnlyASingleSelection)
{
    setSetting(s(u"favoritossihay"), 0);
    openWindow();
    const QAbstractItemModel* model = grid()->model();
    const QRect second = grid()->visualRect(model->index(1, LinkListModel::Titulo));
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(platform.opened, QList<ShellRequest>({{s(u"https://www.bbva.es/Banca"), {}, {}}}));

    const QRect first = grid()->visualRect(model->index(0, LinkListModel::Titulo));
    const QRect third = grid()->visualRect(model->index(2, LinkListModel::Titulo));
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::ControlModifier, third.center());
    QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, Qt::ControlModifier, second.center());
    EXPECT_NE(grid()->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(platform.opened.size(), 1);
}

TEST_F(MainWindow, KeysInTheList)
{
    setSetting(s(u"favoritossihay"), 0);
    openWindow();
    QTest::keyClicks(search(), QStringLiteral("b"));
    QTest::keyClick(search(), Qt::Key_Down);
    EXPECT_TRUE(grid()->hasFocus());
    EXPECT_EQ(grid()->currentIndex().row(), 0);

    QStringList edited;
    platform.modal = [&edited](QDialog& dialog) {
        const auto& editor = dynamic_cast<TFormAltaDirecciones&>(dialog);
        edited << editor.Modo + u' ' + editor.IdEnlace;
        return int(QDialog::Rejected);
    };
    QTest::keyClick(grid(), Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(edited.isEmpty());
    QTest::keyClick(grid(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(edited, QStringList {s(u"EDITAR 1")});
    EXPECT_TRUE(platform.opened.isEmpty());

    QTest::keyClick(grid(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_TRUE(platform.opened.isEmpty()) << "two rows are selected";
    QTest::keyClick(grid(), Qt::Key_Up);
    QTest::keyClick(grid(), Qt::Key_Return);
    EXPECT_EQ(platform.opened, QList<ShellRequest>({{s(u"https://www.bancosantander.es"), {}, {}}}));

    QTest::keyClick(grid(), Qt::Key_Escape);
    EXPECT_TRUE(search()->hasFocus());
    EXPECT_EQ(search()->text(), QString());
    EXPECT_EQ(listed().size(), 5);
}

TEST_F(MainWindow, TheKeypadEnterAndShiftEnterAreEnterInTheList)
{
    setSetting(s(u"favoritossihay"), 0);
    openWindow();
    QStringList edited;
    platform.modal = [&edited](QDialog& dialog) {
        edited << dynamic_cast<TFormAltaDirecciones&>(dialog).IdEnlace;
        return int(QDialog::Rejected);
    };
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int opened;
        int edited;
    } presses[] = {
        {Qt::Key_Enter, Qt::KeypadModifier, 1, 0},
        {Qt::Key_Return, Qt::ShiftModifier, 2, 0},
        {Qt::Key_Enter, Qt::KeypadModifier | Qt::ShiftModifier, 3, 0},
        {Qt::Key_Enter, Qt::KeypadModifier | Qt::ControlModifier, 3, 1},
    };
    for (const auto& press : presses) {
        grid()->setFocus();
        grid()->clearSelection();
        grid()->setCurrentIndex(grid()->model()->index(0, LinkListModel::Titulo));
        QTest::keyClick(grid(), press.key, press.modifiers);
        EXPECT_EQ(platform.opened.size(), press.opened) << press.key << ' ' << press.modifiers;
        EXPECT_EQ(edited.size(), press.edited) << press.key << ' ' << press.modifiers;
    }
}

TEST_F(MainWindow, EveryCharacterInTheSelectorMovesTheFocusToTheSearchBox)
{
    openWindow();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_A}) {
        selector()->setFocus();
        QTest::keyClick(selector(), key);
        EXPECT_TRUE(search()->hasFocus()) << key;
    }
}

TEST_F(MainWindow, LeavingTheListForgetsTheSelection)
{
    setSetting(s(u"favoritossihay"), 0);
    openWindow();
    grid()->setFocus();
    grid()->selectRow(1);
    EXPECT_EQ(grid()->selectionModel()->selectedRows().size(), 1);
    QTest::mouseClick(search(), Qt::LeftButton);
    EXPECT_TRUE(grid()->selectionModel()->selectedRows().isEmpty());
}

TEST_F(MainWindow, OpeningManyLinksRespectsTheLimit)
{
    setSetting(s(u"favoritossihay"), 0);
    setSetting(s(u"nummaxabrir"), s(u"2"));
    openWindow();
    grid()->setFocus();
    grid()->selectAll();
    window->findChild<QAction*>(s(u"MAbrirEnlace"))->trigger();
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information),
        QStringList {s(u"Se ha configurado que no se pueden abrir más de 2 enlaces a la vez")});
    EXPECT_TRUE(platform.opened.isEmpty());

    for (int i = 0; i < 8; ++i)
        addLink(s(u"MAS %1").arg(i), s(u"https://mas%1.es").arg(i));
    setSetting(s(u"nummaxabrir"), s(u"20"));
    window->CargarQuery(s(u"TODOS"));
    grid()->selectAll();
    platform.confirmations.push_back(true);
    window->findChild<QAction*>(s(u"MAbrirEnlace"))->trigger();
    EXPECT_EQ(platform.shown(FakePlatform::Box::Confirmation),
        QStringList {s(u"Seguro que quieres abrir 13 enlaces a la vez?")});
    EXPECT_EQ(platform.opened.size(), 12) << "the text file does not exist";
    EXPECT_TRUE(grid()->selectionModel()->selectedRows().isEmpty());
}

TEST_F(MainWindow, TheGuideIsOfferedOnlyWhenItExists)
{
    openWindow();
    EXPECT_FALSE(window->findChild<QAction*>(s(u"MGuia"))->isVisible());
    EXPECT_FALSE(visible("BotGuia"));

    QFile guide(folder.file(s(u"Guia simplificada Trevalia.pdf")));
    ASSERT_TRUE(guide.open(QIODevice::WriteOnly));
    guide.close();
    openWindow();
    EXPECT_TRUE(visible("BotGuia"));
    find<QPushButton>("BotGuia")->click();
    EXPECT_EQ(
        platform.opened, QList<ShellRequest>({{folder.file(s(u"Guia simplificada Trevalia.pdf")), {}, {}}}));
}

TEST_F(MainWindow, AnEngineErrorIsShownAndTheWindowStaysUsable)
{
    openWindow();
    md->Enlaces().execute(s(u"alter table direcciones rename to otra"));
    QTest::keyClicks(search(), QStringLiteral("b"));
    ASSERT_FALSE(platform.shown(FakePlatform::Box::Error).isEmpty());
    EXPECT_TRUE(listed().isEmpty());
    md->Enlaces().execute(s(u"alter table otra rename to direcciones"));
    platform.messages.clear();
    search()->clear();
    QTest::keyClicks(search(), QStringLiteral("b"));
    EXPECT_EQ(listed().size(), 3);
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(MainWindow, PicturesComeFromTheSharedRowsOrTheLinksOwnIcon)
{
    Link folderLink;
    folderLink.titulo = s(u"CARPETA");
    folderLink.direccion = folder.path();
    folderLink.nicono = 2;
    md->PostDireccion(folderLink);
    QImage own(32, 32, QImage::Format_RGB32);
    own.fill(Qt::green);
    Link file;
    file.titulo = s(u"PROPIO");
    file.direccion = s(u"/etc/hostname");
    file.nicono = 0;
    file.icono = DefaultPictures::toBmp(own);
    md->PostDireccion(file);
    setSetting(s(u"favoritossihay"), 0);
    openWindow();
    QTest::keyClicks(search(), QStringLiteral("p"));
    const QAbstractItemModel* model = grid()->model();
    const int propio = int(listed().indexOf(s(u"PROPIO")));
    const QImage ownShown
        = model->index(propio, LinkListModel::Icono).data(LinkListModel::PictureRole).value<QImage>();
    EXPECT_EQ(ownShown.pixelColor(3, 3), QColor(Qt::green));
    find<QPushButton>("BotBorrarFiltro")->click();
    QTest::keyClicks(search(), QStringLiteral("carpeta"));
    const QImage shared
        = model->index(0, LinkListModel::Icono).data(LinkListModel::PictureRole).value<QImage>();
    EXPECT_EQ(shared.size(), QSize(32, 32));
    EXPECT_EQ(shared, QImage::fromData(PictureTable(md->Enlaces()).find(2)->imagen));
}

TEST_F(MainWindow, ANewLinkFromTheEditorIsListedFirst)
{
    setSetting(s(u"favoritossihay"), 0);
    openWindow();
    selector()->setCurrentIndex(3);
    window->ComboGruposSelect();
    platform.modal = [](QDialog& dialog) {
        auto& editor = dynamic_cast<TFormAltaDirecciones&>(dialog);
        editor.show();
        EXPECT_EQ(editor.findChild<QLineEdit*>(s(u"EGrupo"))->text(), s(u"BANCO"));
        editor.findChild<QLineEdit*>(s(u"ETitulo"))->setText(s(u"caja rural"));
        editor.findChild<QLineEdit*>(s(u"EDireccion"))->setText(s(u"https://cajarural.es"));
        editor.findChild<QPushButton*>(s(u"BotOK"))->click();
        return editor.result();
    };
    QTest::keyClick(search(), Qt::Key_Insert);
    EXPECT_EQ(find<RadioGroup>("ROrden")->itemIndex(), 2);
    EXPECT_EQ(listed().first(), s(u"CAJA RURAL"));
    EXPECT_EQ(grid()->currentIndex().row(), 0);
    EXPECT_EQ(selector()->currentIndex(), -1) << "the rebuilt selector shows no item";
    EXPECT_EQ(listed(LinkListModel::CodGrupo).first(), s(u"BANCO"));
}

TEST_F(MainWindow, BadSettingsLeaveAWorkingWindow)
{
    setSetting(s(u"favoritossihay"), 0);
    setSetting(s(u"tiempo"), s(u"-5"));
    setSetting(s(u"ColorFondo"), s(u"azulito"));
    md = std::make_unique<TMD>(platform, folder.path());
    openWindow();
    EXPECT_TRUE(platform.shown(FakePlatform::Box::Error).isEmpty());
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information).size(), 1);
    EXPECT_EQ(listed().size(), 5);
    EXPECT_EQ(selector()->currentIndex(), 0);
    EXPECT_EQ(window->countdown().SegundosRestantes(), 300);
    window->close();
    Cursor row = md->Enlaces().query(s(u"select grupo from constantes"));
    ASSERT_TRUE(row.next());
    EXPECT_EQ(row.text(0), s(u"0"));
}

TEST_F(MainWindow, AReadOnlyCatalogueIsShownAndToldOfOnce)
{
    setSetting(s(u"favoritossihay"), 0);
    md.reset();
    const QString path = folder.file(s(u"Trevalia.abs"));
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    md = std::make_unique<TMD>(platform, folder.path());
    openWindow();
    EXPECT_EQ(listed().size(), 5);
    window->close();
    EXPECT_TRUE(platform.shown(FakePlatform::Box::Error).isEmpty());
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information),
        QStringList {
            s(u"No hay permiso para escribir en %1.\nEl catálogo se abre sólo para leer: los cambios no se "
              u"podrán guardar.")
                .arg(path)});
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(MainWindow, ImportedFavouritesAreShownInTheirNewGroup)
{
    setSetting(s(u"favoritossihay"), 0);
    const TempFolder home;
    QDir().mkpath(home.file(s(u"Favorites")));
    QFile shortcut(home.file(s(u"Favorites/Tiempo.url")));
    ASSERT_TRUE(shortcut.open(QIODevice::WriteOnly));
    shortcut.write("[DEFAULT]\r\nBASEURL=https://www.aemet.es/\r\n");
    shortcut.close();
    platform.environment.insert(s(u"HOME"), home.path());
    platform.confirmations = {true};
    platform.modal = [](QDialog& dialog) {
        dialog.show();
        dialog.findChild<QPushButton*>(s(u"BotInternetExplorer"))->click();
        dialog.findChild<QPushButton*>(s(u"BotMarcar"))->click();
        dialog.findChild<QPushButton*>(s(u"BotImportarEnlaces"))->click();
        return dialog.result();
    };
    openWindow();
    window->findChild<QAction*>(s(u"MImportarFavoritos"))->trigger();
    EXPECT_EQ(selector()->currentText(), s(u"IMP-IMPORTA FAVORITOS "));
    EXPECT_EQ(listed(), QStringList {s(u"TIEMPO")});
}
