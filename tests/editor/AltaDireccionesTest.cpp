#include "EditorFixture.h"

#include "groups/AltaGrupos.h"
#include "icons/SelIcono.h"
#include "store/BrowserTable.h"
#include "store/DefaultPictures.h"
#include "store/GroupTable.h"
#include "store/LinkTable.h"
#include "store/MDatos.h"
#include "store/PictureTable.h"

#include "DropSimulation.h"
#include "FakePlatform.h"
#include "TempFolder.h"
#include "TestText.h"
#include "TypeText.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Editor : public EditorFixture
{
protected:
    void SetUp() override { GroupTable(md.Enlaces()).insert({s(u"WEB"), s(u"PÁGINAS WEB")}); }

    qint64 storedLink(const QString& direccion, int nicono)
    {
        Link link;
        link.titulo = s(u"GUARDADO");
        link.direccion = direccion;
        link.codgrupo = s(u"WEB");
        link.prioridad = s(u"500");
        link.nicono = nicono;
        return LinkTable(md.Enlaces()).insert(link);
    }

    std::optional<Link> lastLink()
    {
        Cursor cursor = md.Enlaces().query(s(u"select max(id) from direcciones"));
        return cursor.next() ? LinkTable(md.Enlaces()).find(cursor.integer(0)) : std::nullopt;
    }
};

} // namespace

TEST_F(Editor, ANewLinkIsStoredWithItsNormalisedFields)
{
    open(s(u"ALTA"));
    EXPECT_EQ(editor->windowTitle(), s(u"Direcciones generales     ALTA"));
    EXPECT_EQ(editor->height(), 270);
    EXPECT_FALSE(child<QLabel>("Image1")->isVisible());
    typeText(box("ETitulo"), s(u"  canción del año"));
    EXPECT_EQ(box("ETitulo")->text(), s(u"  CANCIÓN DEL AÑO"));
    QTest::keyClick(box("ETitulo"), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(box("EDireccion")->hasFocus());
    typeText(box("EDireccion"), s(u"https://musica.es/año"));
    EXPECT_EQ(child<QLabel>("LIDENTIFICA")->text(), s(u"Página Web"));
    QTest::keyClicks(box("EPrioridad"), s(u"4a2x"));
    EXPECT_EQ(box("EPrioridad")->text(), s(u"42"));
    child<QCheckBox>("CKFavorito")->setChecked(true);
    editor->setGrupo(s(u"WEB"));
    click("BotOK");

    EXPECT_TRUE(editor->Guardado);
    const std::optional<Link> link = lastLink();
    ASSERT_TRUE(link);
    EXPECT_EQ(link->titulo, s(u"  CANCIÓN DEL AÑO"));
    EXPECT_EQ(link->direccion, s(u"https://musica.es/año"));
    EXPECT_EQ(link->prioridad, s(u"042"));
    EXPECT_EQ(link->tipo, s(u"F"));
    EXPECT_EQ(link->codgrupo, s(u"WEB"));
    EXPECT_EQ(link->nicono, 1);
    EXPECT_TRUE(link->icono.isEmpty());
    EXPECT_EQ(link->fechahora, platform.clock);
}

TEST_F(Editor, AnExistingFileGetsItsOwnIconAndAFolderTheFolderPicture)
{
    const QString carta = file(s(u"carta.odt"));
    open(s(u"ALTA"));
    box("ETitulo")->setText(s(u"carta"));
    box("EDireccion")->setText(carta);
    EXPECT_EQ(child<QLabel>("LIDENTIFICA")->text(), s(u"Archivo"));
    click("BotOK");
    std::optional<Link> link = lastLink();
    EXPECT_EQ(link->nicono, 0);
    EXPECT_EQ(QImage::fromData(link->icono).pixelColor(5, 5), QColor(Qt::blue));

    open(s(u"ALTA"));
    box("ETitulo")->setText(s(u"carpeta"));
    box("EDireccion")->setText(folder.path());
    click("BotOK");
    link = lastLink();
    EXPECT_EQ(link->nicono, 2);
    EXPECT_TRUE(link->icono.isEmpty());
}

TEST_F(Editor, EmptyTitleOrAddressIsRefused)
{
    open(s(u"ALTA"));
    box("ETitulo")->setText(s(u"   "));
    box("EDireccion")->setText(s(u"https://a.es"));
    click("BotOK");
    box("ETitulo")->setText(s(u"A"));
    box("EDireccion")->setText(s(u"  "));
    click("BotOK");
    EXPECT_EQ(platform.shown(FakePlatform::Box::Error),
        QStringList({s(u"El título no puede dejarse vacío"), s(u"La dirección no puede dejarse vacía")}));
    EXPECT_TRUE(box("EDireccion")->hasFocus());
    EXPECT_TRUE(editor->isVisible());
    EXPECT_FALSE(lastLink());
}

TEST_F(Editor, PrioritiesKeepThreeDigits)
{
    for (const auto& [typed, stored] : {std::pair {u"", u"000"}, {u"1234", u"123"}, {u"7", u"007"}}) {
        open(s(u"ALTA"));
        box("ETitulo")->setText(s(u"P"));
        box("EDireccion")->setText(s(u"https://p.es"));
        box("EPrioridad")->setText(s(typed));
        click("BotOK");
        EXPECT_EQ(lastLink()->prioridad, s(stored));
    }
}

TEST_F(Editor, TheGroupMenuSetsTheCodeOrCreatesAGroup)
{
    open(s(u"ALTA"));
    auto* menu = editor->findChildren<QMenu*>().first();
    QStringList captions;
    for (QAction* action : menu->actions())
        captions << (action->isSeparator() ? s(u"-") : action->text());
    EXPECT_EQ(captions, QStringList({s(u"NUEVO GRUPO"), s(u"-"), s(u"SIN GRUPO"), s(u"WEB - PÁGINAS WEB")}));
    menu->actions().at(3)->trigger();
    EXPECT_EQ(box("EGrupo")->text(), s(u"WEB"));
    menu->actions().at(2)->trigger();
    EXPECT_EQ(box("EGrupo")->text(), QString());

    platform.modal = [](QDialog& dialog) {
        auto& alta = dynamic_cast<TFormAltaGrupos&>(dialog);
        alta.findChild<QLineEdit*>(s(u"ECodigo"))->setText(s(u"NEW"));
        alta.findChild<QLineEdit*>(s(u"ENomgrupo"))->setText(s(u"NUEVO"));
        alta.findChild<QPushButton*>(s(u"BotOK"))->click();
        return alta.result();
    };
    menu->actions().at(0)->trigger();
    EXPECT_EQ(box("EGrupo")->text(), s(u"NEW"));
    platform.modal = [](QDialog& dialog) {
        dialog.reject();
        return dialog.result();
    };
    menu->actions().at(0)->trigger();
    EXPECT_EQ(box("EGrupo")->text(), QString());
}

TEST_F(Editor, ABrowserOnlyGoesWithAWebAddress)
{
    const QString program = file(s(u"firefox"));
    BrowserTable(md.Enlaces()).insert({s(u"FIREFOX"), program});
    BrowserTable(md.Enlaces()).insert({s(u"PERDIDO"), folder.file(s(u"no-existe"))});
    open(s(u"ALTA"));
    QMenu* menu = editor->findChildren<QMenu*>().at(1);
    ASSERT_EQ(menu->actions().size(), 2) << "a browser whose program is missing is left out";
    box("EDireccion")->setText(folder.path());
    menu->actions().at(1)->trigger();
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information),
        QStringList {s(u"La dirección no parece una página web")});
    EXPECT_EQ(box("ENavegador")->text(), QString());
    box("EDireccion")->setText(s(u"https://elpais.com"));
    menu->actions().at(1)->trigger();
    EXPECT_EQ(box("ENavegador")->text(), s(u"FIREFOX"));
    menu->actions().at(0)->trigger();
    EXPECT_EQ(box("ENavegador")->text(), QString());
}

TEST_F(Editor, ProbarEnlaceOpensWithoutSaving)
{
    open(s(u"ALTA"));
    click("BotProbarEnlace");
    EXPECT_TRUE(platform.opened.isEmpty());
    box("EDireccion")->setText(s(u"https://elpais.com"));
    click("BotProbarEnlace");
    EXPECT_EQ(platform.opened, QList<ShellRequest>({{s(u"https://elpais.com"), {}, {}}}));
    EXPECT_FALSE(lastLink());
}

TEST_F(Editor, EditingAWebLinkCopiesItsSharedPicture)
{
    const qint64 id = storedLink(s(u"https://elpais.com"), 1);
    open(s(u"EDITAR"), id);
    EXPECT_EQ(editor->windowTitle(), s(u"Direcciones generales     EDITAR"));
    EXPECT_EQ(box("ETitulo")->text(), s(u"GUARDADO"));
    EXPECT_EQ(box("EGrupo")->text(), s(u"WEB"));
    EXPECT_EQ(box("EPrioridad")->text(), s(u"500"));
    EXPECT_EQ(child<QLabel>("LIDENTIFICA")->text(), s(u"Página Web"));
    box("ETitulo")->setText(s(u"el país"));
    click("BotOK");
    EXPECT_TRUE(editor->Guardado);
    const Link link = *LinkTable(md.Enlaces()).find(id);
    EXPECT_EQ(link.titulo, s(u"EL PAÍS"));
    EXPECT_EQ(link.nicono, 0);
    EXPECT_EQ(QImage::fromData(link.icono), QImage::fromData(PictureTable(md.Enlaces()).find(1)->imagen));
}

TEST_F(Editor, OriginalStoresTheIconRuleAtOnceAndReloadsTheLink)
{
    const qint64 id = storedLink(s(u"https://antes.es"), 0);
    open(s(u"EDITAR"), id);
    box("ETitulo")->setText(s(u"SIN GUARDAR"));
    box("EDireccion")->setText(folder.path());
    click("BotOriginal");
    Link link = *LinkTable(md.Enlaces()).find(id);
    EXPECT_EQ(link.nicono, 2);
    EXPECT_TRUE(link.icono.isEmpty());
    EXPECT_EQ(box("ETitulo")->text(), s(u"GUARDADO"));
    EXPECT_EQ(box("EDireccion")->text(), s(u"https://antes.es"));

    click("BotCancelar");
    EXPECT_FALSE(editor->Guardado);
    EXPECT_EQ(LinkTable(md.Enlaces()).find(id)->nicono, 2) << "cancelling does not undo it";
}

TEST_F(Editor, TheGalleryPictureBecomesTheLinksOwn)
{
    const qint64 id = storedLink(s(u"https://a.es"), 1);
    open(s(u"EDITAR"), id);
    platform.modal = [](QDialog& dialog) {
        auto& gallery = dynamic_cast<TFormSelIcono&>(dialog);
        gallery.show();
        gallery.findChild<QListWidget*>(s(u"ListView1"))->setCurrentRow(9);
        gallery.findChild<QPushButton*>(s(u"BotSeleccionar"))->click();
        return gallery.result();
    };
    click("BotGaleria");
    click("BotOK");
    const Link link = *LinkTable(md.Enlaces()).find(id);
    EXPECT_EQ(link.nicono, 0);
    EXPECT_EQ(QImage::fromData(link.icono), QImage::fromData(DefaultPictures::toBmp(md.ListaIconos().at(9))));
}

TEST_F(Editor, ANonBitmapOrHugePictureChangesNothing)
{
    const qint64 id = storedLink(s(u"https://a.es"), 1);
    open(s(u"EDITAR"), id);
    const QString png = folder.file(s(u"x.png"));
    QImage(8, 8, QImage::Format_RGB32).save(png, "PNG");
    const QString huge = file(s(u"enorme.bmp"), QByteArray("BM") + QByteArray(5 * 1024 * 1024, '\0'));
    platform.fileNames = {png, huge};
    click("BotCambiarIcono");
    click("BotCambiarIcono");
    const QStringList errors = platform.shown(FakePlatform::Box::Error);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_EQ(
        errors.last(), s(u"La imagen %1 es demasiado grande para un icono: ocupa más de 4 MB.").arg(huge));
    EXPECT_FALSE(child<QLabel>("Image1")->pixmap().isNull());
}

TEST_F(Editor, AMissingLinkIsReportedWhenSaving)
{
    open(s(u"EDITAR"), 99);
    EXPECT_TRUE(box("ETitulo")->text().isEmpty());
    click("BotOriginal");
    EXPECT_EQ(LinkTable(md.Enlaces()).count(), 0);
    box("ETitulo")->setText(s(u"X"));
    box("EDireccion")->setText(s(u"https://x.es"));
    click("BotOK");
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information), QStringList {s(u"Enlace no encontrado 99")});
    EXPECT_FALSE(editor->Guardado);
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(Editor, EscapeCancels)
{
    open(s(u"ALTA"));
    box("ETitulo")->setText(s(u"X"));
    QTest::keyClick(box("ETitulo"), Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(editor->Guardado);

    open(s(u"ALTA"));
    QTest::keyClick(box("EPrioridad"), Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_FALSE(lastLink());
}

TEST_F(Editor, ADroppedWebLinkFillsTitleAndAddress)
{
    open(s(u"ALTA"));
    QMimeData data;
    const QString link = s(u"https://www.rtve.es/radio\nRadio Nacional — directo");
    data.setData(
        s(u"text/x-moz-url"), QByteArray(reinterpret_cast<const char*>(link.utf16()), link.size() * 2));
    // Dropped on the title box, the drop reaches the window's target.
    EXPECT_EQ(simulateDrop(box("ETitulo"), data, Qt::CopyAction | Qt::LinkAction), Qt::LinkAction);
    EXPECT_EQ(box("ETitulo")->text(), s(u"RADIO NACIONAL — DIRECTO"));
    EXPECT_EQ(box("EDireccion")->text(), s(u"https://www.rtve.es/radio"));
}
