// Every window paints its controls from the colour scheme as it is shown.
#include "browsers/BuscarNavegadores.h"
#include "browsers/ManNavegadores.h"
#include "dialogs/AsignaPrioridad.h"
#include "dialogs/BorrarBD.h"
#include "dialogs/Configuracion.h"
#include "dialogs/ManColores.h"
#include "dialogs/VerEnlace.h"
#include "editor/AltaDirecciones.h"
#include "groups/AltaGrupos.h"
#include "groups/BuscarGrupos.h"
#include "groups/ManGrupos.h"
#include "icons/IconosEnlaces.h"
#include "icons/SelIcono.h"
#include "import/LeerFavoritos.h"
#include "import/SelPerfilChrome.h"
#include "main/Principal.h"
#include "store/MDatos.h"

#include "DistinctScheme.h"
#include "FakePlatform.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using namespace DistinctScheme;

enum class Part { Background, Text, ButtonText, Edit };

struct Expected
{
    const char* control;
    Part part;
    QColor colour;
};

QPalette::ColorRole roleOf(Part part)
{
    switch (part) {
    case Part::Background:
        return QPalette::Window;
    case Part::Text:
        return QPalette::WindowText;
    case Part::ButtonText:
        return QPalette::ButtonText;
    case Part::Edit:
        return QPalette::Base;
    }
    return QPalette::Window;
}

class SchemeColouring : public ::testing::Test
{
protected:
    SchemeColouring() { md.colores = scheme(); }

    void expect(QWidget& window, std::initializer_list<Expected> controls)
    {
        window.show();
        for (const Expected& e : controls) {
            // A window that paints itself is named by its own object name.
            const QWidget* control = window.objectName() == QLatin1StringView(e.control)
                ? &window
                : window.findChild<QWidget*>(QLatin1StringView(e.control));
            ASSERT_NE(control, nullptr) << window.objectName().toStdString() << " " << e.control;
            EXPECT_EQ(colourOf(control, roleOf(e.part)), e.colour)
                << window.objectName().toStdString() << " " << e.control;
        }
    }

    TempFolder folder;
    FakePlatform platform;
    TMD md {platform, folder.path()};
};

} // namespace

TEST_F(SchemeColouring, EveryWindowPaintsItsControlsFromTheScheme)
{
    constexpr Part B = Part::Background, T = Part::Text, K = Part::ButtonText, E = Part::Edit;
    TFormPrincipal principal(md);
    expect(principal,
        {{"Panel1", B, Fondo}, {"DBGrid1", E, Fondo}, {"LTitulo", T, Titulo}, {"BotAnadirEnlace", K, Boton},
            {"LSeleccionaEnlace", T, Mensaje}, {"Label4", T, Mensaje}, {"LTextoBusqueda", T, Sugerencia},
            {"EBusqueda", E, Edicion}});
    TFormAltaDirecciones editor(md);
    editor.Modo = QStringLiteral("ALTA");
    expect(editor,
        {{"Panel1", B, Fondo}, {"ListBox1", E, Fondo}, {"LArrastrar", T, Titulo}, {"BotOK", K, Boton},
            {"CKModificar", T, Boton}, {"LLimpiarLista", T, Sugerencia}, {"ETitulo", E, Edicion}});
    TFormAltaGrupos newGroup(md);
    expect(newGroup, {{"FormAltaGrupos", B, Fondo}});
    TFormManGrupos groups(md);
    expect(groups,
        {{"DBGrid1", E, Fondo}, {"BotNuevoGrupo", K, Boton}, {"Label4", T, Sugerencia},
            {"DBEditCODGRUPO", E, Edicion}});
    TFormBuscarGrupos picker(md);
    expect(picker, {{"Panel1", B, Fondo}, {"EBuscarGrupo", E, Edicion}});
    TFormIconosEnlaces icons(md);
    expect(icons, {{"Panel1", B, Fondo}, {"LTitulo", T, Titulo}, {"BotGaleria", K, Boton}});
    TFormSelIcono gallery(md);
    expect(gallery, {{"Panel1", B, Fondo}, {"ListView1", E, Fondo}, {"BotSeleccionar", K, Boton}});
    TFormLeerFavoritos import(md);
    expect(import,
        {{"Panel1", B, Fondo}, {"CKLista", E, Fondo}, {"BotChrome", K, Boton}, {"LNumReg", T, Sugerencia}});
    TFormSelPerfilChrome profiles(md, {QStringLiteral("a")}, QStringLiteral("perfiles"));
    expect(profiles, {{"Panel2", B, Fondo}, {"ListaChrome", E, Fondo}, {"BotImportar", K, Boton}});
    TFormBuscarNavegadores discovery(md);
    expect(discovery, {{"Memo1", E, Fondo}, {"Lista", E, Fondo}, {"EMarcador", E, Edicion}});
    TFormManNavegadores browsers(md);
    expect(browsers,
        {{"Panel1", B, Fondo}, {"DBGrid1", E, Fondo}, {"BotBusquedaAutomatica", K, Boton},
            {"Label10", T, Sugerencia}, {"LAviso", T, Sugerencia}});
    TFormConfiguracion configuration(md);
    expect(configuration, {{"Panel1", B, Fondo}});
    TFormAsignaPrioridad priority(md);
    expect(priority, {{"Label2", T, Sugerencia}, {"BotOK", K, Boton}, {"EPrioridad", E, Edicion}});
    TFormBorrarBD erase(md);
    expect(erase, {{"Panel3", B, Fondo}});
    TFormVerEnlace viewer(md, QStringLiteral("A"), QStringLiteral("B"));
    expect(viewer, {{"Memo1", E, Fondo}});
    TFormManColores colours(md);
    expect(colours,
        {{"PanelColorFondo", B, Fondo}, {"LTitulo", T, Titulo}, {"Boton", K, Boton}, {"LMensaje", T, Mensaje},
            {"LSugerencia", T, Sugerencia}, {"EEdicion", E, Edicion}});
}
