#include "dialogs/BorrarBD.h"
#include "dialogs/Configuracion.h"
#include "dialogs/ManColores.h"
#include "store/GroupTable.h"
#include "store/LinkTable.h"
#include "store/MDatos.h"
#include "store/SettingsTable.h"

#include "DistinctScheme.h"
#include "FakePlatform.h"
#include "TempFolder.h"
#include "TestText.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Preferences : public ::testing::Test
{
protected:
    template<typename T> static T* child(const QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QString stored(const char* column)
    {
        Cursor row = md.Enlaces().query(s(u"select %1 from constantes").arg(QLatin1StringView(column)));
        return row.next() ? row.text(0) : s(u"(sin fila)");
    }

    TempFolder folder;
    FakePlatform platform;
    TMD md {platform, folder.path()};
};

} // namespace

TEST_F(Preferences, TheConfigurationKeepsNumbersToDigitsAndSavesUsableValues)
{
    TFormConfiguracion window(md);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), s(u"Configuración General"));
    auto* time = child<QLineEdit>(window, "DBTiempo");
    auto* save = child<QPushButton>(window, "BotGuardarRegistro");
    EXPECT_FALSE(save->isEnabled()) << "nothing pending";
    time->setFocus();
    time->clear();
    QTest::keyClicks(time, s(u"12a"));
    EXPECT_EQ(time->text(), s(u"12"));
    QTest::keyClick(time, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_FALSE(time->hasFocus()) << "Enter moves on";
    EXPECT_EQ(stored("tiempo"), s(u"300")) << "Enter saves nothing";
    EXPECT_TRUE(save->isEnabled());

    time->clear();
    child<QLineEdit>(window, "DBNumMaxAbrir")->clear();
    child<QCheckBox>(window, "CKBorrarCarpetas")->click();
    save->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(stored("tiempo"), s(u"0"));
    EXPECT_EQ(stored("nummaxabrir"), s(u"1"));
    EXPECT_EQ(stored("BorrarCarpetas"), s(u"1"));
}

TEST_F(Preferences, ClosingTheConfigurationChangesNothingAndRestoringWritesTheDefaults)
{
    SettingsTable(md.Enlaces()).saveOrderAndGroup(2, 5);
    {
        TFormConfiguracion window(md);
        window.show();
        child<QCheckBox>(window, "CKBuscauto")->click();
        window.close();
    }
    EXPECT_EQ(stored("buscauto"), s(u"1"));
    TFormConfiguracion window(md);
    window.show();
    child<QPushButton>(window, "BotRestaurarValores")->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(stored("orden") + stored("grupo") + stored("nummaxabrir"), s(u"005"));
}

TEST_F(Preferences, TheColourWindowRecoloursItsPreviewAndSavesAllSix)
{
    md.colores = DistinctScheme::scheme();
    TFormManColores window(md);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* background = child<QWidget>(window, "PanelColorFondo");
    auto* hint = child<QLabel>(window, "LSugerencia");
    const QColor dark(30, 30, 40);
    const QColor pale(230, 230, 200);

    QTest::mouseClick(background, Qt::LeftButton, {}, QPoint(300, 220));
    platform.colours = {pale};
    QTest::mouseClick(hint, Qt::LeftButton);
    EXPECT_EQ(DistinctScheme::colourOf(hint, QPalette::Window), DistinctScheme::Fondo)
        << "the hint sits on the preview's background";
    platform.colours = {dark};
    QTest::mouseDClick(background, Qt::LeftButton, {}, QPoint(300, 220));
    for (const char* sample : {"LTitulo", "LMensaje", "LSugerencia"})
        EXPECT_EQ(DistinctScheme::colourOf(child<QWidget>(window, sample), QPalette::Window), dark) << sample;
    EXPECT_EQ(DistinctScheme::colourOf(child<QWidget>(window, "EEdicion"), QPalette::Base),
        DistinctScheme::Edicion);
    EXPECT_EQ(platform.colourDialogStarts, QList<QColor>({QColor(Qt::black), pale}))
        << "the dialog starts black, then from the last colour chosen; a single click on the background "
           "opens nothing";

    platform.colours = {QColor(250, 250, 250)};
    QTest::mouseClick(child<QWidget>(window, "EEdicion"), Qt::LeftButton);
    child<QPushButton>(window, "BotGuardarColores")->click();
    ColourScheme saved;
    SettingsTable(md.Enlaces()).loadColours(saved);
    EXPECT_EQ(saved.ColorFondo, s(u"$00281E1E"));
    EXPECT_EQ(saved.ColorTitulo, s(u"clRed")) << "a colour with a name is stored by its name";
    EXPECT_EQ(saved.ColorSugerencia, s(u"$00C8E6E6"));
    EXPECT_EQ(saved.ColorEdicion, s(u"$00FAFAFA"));
    EXPECT_EQ(md.colores, saved);
}

TEST_F(Preferences, RestoringTheColoursSavesTheDefaultsAtOnce)
{
    md.colores = DistinctScheme::scheme();
    md.GuardarColores();
    TFormManColores window(md);
    window.show();
    child<QPushButton>(window, "SpeedButton2")->click();
    window.close();
    ColourScheme saved;
    SettingsTable(md.Enlaces()).loadColours(saved);
    EXPECT_EQ(saved, ColourScheme::defaults());
}

TEST_F(Preferences, TheEraseWindowEmptiesWhatIsTickedOnlyAfterSEGURO)
{
    GroupTable(md.Enlaces()).insert({s(u"WEB"), s(u"Web")});
    Link link;
    link.titulo = s(u"DIARIO");
    link.codgrupo = s(u"WEB");
    md.PostDireccion(link);
    SettingsTable(md.Enlaces()).saveOrderAndGroup(2, 4);

    TFormBorrarBD window(md);
    window.show();
    auto* erase = child<QPushButton>(window, "BotBorrar");
    EXPECT_EQ(erase->text(), s(u"BORRAR TODOS LOS\nENLACES Y GRUPOS"));
    child<QCheckBox>(window, "CKEnlaces")->click();
    EXPECT_EQ(erase->text(), s(u"BORRAR TODOS LOS\nGRUPOS"));
    child<QCheckBox>(window, "CKGrupos")->click();
    EXPECT_FALSE(erase->isEnabled());
    EXPECT_EQ(erase->text(), s(u"BORRAR TODOS LOS\nENLACES Y GRUPOS"));
    child<QCheckBox>(window, "CKEnlaces")->click();
    child<QCheckBox>(window, "CKGrupos")->click();

    platform.inputs = {s(u"seguro")};
    erase->click();
    EXPECT_EQ(platform.shown(FakePlatform::Box::Input),
        QStringList {s(u"BORRAR TODOS LOS ENLACES Y GRUPOS: Escriba SEGURO para confirmar ")});
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information),
        QStringList {s(u"Se ha cancelado la operación de borrar ENLACES Y GRUPOS")});
    EXPECT_EQ(LinkTable(md.Enlaces()).count(), 1);

    child<QCheckBox>(window, "CKEnlaces")->click();
    platform.inputs = {s(u"SEGURO")};
    erase->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(platform.shown(FakePlatform::Box::Information)
                    .last()
                    .startsWith(s(u"Se han borrado todos los GRUPOS\nEl catálogo ocupaba ")));
    EXPECT_TRUE(GroupTable(md.Enlaces()).all().isEmpty());
    EXPECT_EQ(LinkTable(md.Enlaces()).find(link.id)->codgrupo, QString()) << "links stay, without group";
    EXPECT_EQ(stored("orden") + stored("grupo"), s(u"00")) << "the settings take their defaults";
}
