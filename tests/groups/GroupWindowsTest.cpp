#include "groups/AltaGrupos.h"
#include "groups/BuscarGrupos.h"
#include "groups/GroupList.h"
#include "groups/GroupQueries.h"
#include "groups/ManGrupos.h"
#include "store/GroupTable.h"
#include "store/LinkTable.h"
#include "store/MDatos.h"

#include "FakePlatform.h"
#include "TempFolder.h"
#include "TestText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class GroupWindows : public ::testing::Test
{
protected:
    TempFolder folder;
    FakePlatform platform;
    TMD md {platform, folder.path()};

    void SetUp() override
    {
        GroupTable groups(md.Enlaces());
        groups.insert({s(u"WEB"), s(u"PÁGINAS WEB")});
        groups.insert({s(u"BANCO"), s(u"BANCOS")});
        groups.insert({s(u"MUS"), s(u"MÚSICA")});
        addLink(s(u"BBVA"), s(u"BANCO"));
        addLink(s(u"SANTANDER"), s(u"BANCO"));
        addLink(s(u"SIN"), QString());
    }

    void addLink(const QString& titulo, const QString& codgrupo)
    {
        Link link;
        link.titulo = titulo;
        link.direccion = s(u"https://") + titulo + s(u".es");
        link.codgrupo = codgrupo;
        md.PostDireccion(link);
    }

    QStringList linkGroups()
    {
        QStringList codes;
        Cursor cursor = md.Enlaces().query(s(u"select titulo, codgrupo from direcciones order by titulo"));
        while (cursor.next())
            codes << cursor.text(0) + u':' + cursor.text(1);
        return codes;
    }

    template<typename T> static T* child(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void open(QWidget& window)
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    static QStringList listed(QWidget& window)
    {
        QStringList codes;
        auto* list = child<GroupList>(window, "DBGrid1");
        for (int row = 0; row < list->count(); ++row)
            codes << list->group(row)->codgrupo;
        return codes;
    }
};

} // namespace

TEST_F(GroupWindows, TheStatementsReadAsWritten)
{
    EXPECT_EQ(GroupQueries::mantenimiento(s(u"BA")).lines(),
        QStringList({s(u"Select * from grupos"),
            s(u"Where (Upper(codgrupo) like \"%BA%\") or (Upper(nomgrupo) like \"%BA%\") "),
            s(u"order by codgrupo")}));
    EXPECT_EQ(GroupQueries::seleccion(s(u"BA")).lines(),
        QStringList(
            {s(u"Select * from Grupos"), s(u"Where (codgrupo like \"%BA%\") or (nomgrupo like \"%BA%\") ")}));
    EXPECT_EQ(GroupQueries::quitarGrupo(s(u"WEB")).lines(),
        QStringList {s(u"UPDATE direcciones SET CODGRUPO=\"\" Where CODGRUPO = \"WEB\"")});
    EXPECT_EQ(GroupQueries::borrarEnlaces(s(u"WEB")).lines(),
        QStringList {s(u"DELETE FROM  direcciones Where CODGRUPO = \"WEB\"")});
}

TEST_F(GroupWindows, ANewGroupIsCreatedAndReturnedAsItsLabel)
{
    TFormAltaGrupos alta(md);
    open(alta);
    EXPECT_EQ(alta.windowTitle(), s(u"Alta grupo Nuevo"));
    auto* code = child<QLineEdit>(alta, "ECodigo");
    auto* name = child<QLineEdit>(alta, "ENomgrupo");
    EXPECT_TRUE(code->hasFocus());

    child<QPushButton>(alta, "BotOK")->click();
    QTest::keyClicks(code, QStringLiteral("abc"));
    child<QPushButton>(alta, "BotOK")->click();
    QTest::keyClicks(name, QStringLiteral("varios"));
    code->setText(s(u"WEB"));
    child<QPushButton>(alta, "BotOK")->click();
    EXPECT_EQ(platform.shown(FakePlatform::Box::Error),
        QStringList({s(u"El código no puede estar vacío"), s(u"La denominación del grupo puede estar vacía"),
            s(u"Este código ya existe. (no puede estar duplicado)")}));
    EXPECT_TRUE(alta.GrupoCreado.isEmpty());
    EXPECT_TRUE(alta.isVisible());

    code->setText(s(u"ABC"));
    child<QPushButton>(alta, "BotOK")->click();
    EXPECT_EQ(alta.GrupoCreado, s(u"ABC-VARIOS"));
    EXPECT_EQ(alta.result(), QDialog::Accepted);
    EXPECT_EQ(GroupTable(md.Enlaces()).find(s(u"ABC"))->nomgrupo, s(u"VARIOS"));
}

TEST_F(GroupWindows, TheMaintenanceSearchListsInCodeOrder)
{
    TFormManGrupos window(md);
    open(window);
    EXPECT_EQ(window.windowTitle(), s(u"Mantenimiento de grupos"));
    EXPECT_EQ(listed(window), QStringList({s(u"BANCO"), s(u"MUS"), s(u"WEB")}));
    EXPECT_EQ(child<QLineEdit>(window, "DBEditCODGRUPO")->text(), s(u"BANCO"));
    QTest::keyClicks(child<QLineEdit>(window, "EBusqueda"), QStringLiteral("si"));
    EXPECT_EQ(listed(window), QStringList {s(u"MUS")});
    EXPECT_EQ(child<QLabel>(window, "Label4")->text(), s(u"No puede estar en blanco y debe ser único"));
}

TEST_F(GroupWindows, RenamingAGroupLeavesItsLinksWithTheOldCode)
{
    TFormManGrupos window(md);
    open(window);
    auto* grid = child<GroupList>(window, "DBGrid1");
    QTest::mouseClick(
        grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(0, 0)).center());
    auto* code = child<QLineEdit>(window, "DBEditCODGRUPO");
    code->selectAll();
    QTest::keyClicks(code, QStringLiteral("bancos"));
    child<QPushButton>(window, "BotGuardarRegistro")->click();
    EXPECT_EQ(listed(window), QStringList({s(u"BANCOS"), s(u"MUS"), s(u"WEB")}));
    EXPECT_EQ(linkGroups(), QStringList({s(u"BBVA:BANCO"), s(u"SANTANDER:BANCO"), s(u"SIN:")}));

    // A duplicate code and an empty code are refused.
    code->selectAll();
    QTest::keyClicks(code, QStringLiteral("web"));
    child<QPushButton>(window, "BotGuardarRegistro")->click();
    code->clear();
    QTest::keyClicks(code, QStringLiteral(" "));
    code->clear();
    child<QPushButton>(window, "BotGuardarRegistro")->click();
    EXPECT_EQ(platform.shown(FakePlatform::Box::Error),
        QStringList({s(u"Ya existe un grupo con el código WEB."), s(u"El código no puede estar en blanco")}));
    child<QPushButton>(window, "BotCancelarEdicion")->click();
    EXPECT_EQ(code->text(), s(u"BANCOS"));
    EXPECT_EQ(listed(window), QStringList({s(u"BANCOS"), s(u"MUS"), s(u"WEB")}));
}

TEST_F(GroupWindows, NewGroupsAreSavedFromTheEditBand)
{
    TFormManGrupos window(md);
    open(window);
    child<QPushButton>(window, "BotNuevoGrupo")->click();
    EXPECT_TRUE(child<QLineEdit>(window, "DBEditCODGRUPO")->hasFocus());
    QTest::keyClicks(child<QLineEdit>(window, "DBEditCODGRUPO"), QStringLiteral("doc"));
    QTest::keyClicks(child<QLineEdit>(window, "DBEditNOMGRUPO"), QStringLiteral("documentos"));
    child<QPushButton>(window, "BotGuardarRegistro")->click();
    EXPECT_EQ(GroupTable(md.Enlaces()).find(s(u"DOC"))->nomgrupo, s(u"DOCUMENTOS"));
    EXPECT_EQ(listed(window), QStringList({s(u"BANCO"), s(u"DOC"), s(u"MUS"), s(u"WEB")}));
}

TEST_F(GroupWindows, CancellingANewGroupReturnsToTheGroupUnderEdit)
{
    TFormManGrupos window(md);
    open(window);
    auto* code = child<QLineEdit>(window, "DBEditCODGRUPO");
    const QString underEdit = code->text();
    ASSERT_FALSE(underEdit.isEmpty());
    child<QPushButton>(window, "BotNuevoGrupo")->click();
    EXPECT_TRUE(code->text().isEmpty());
    child<QPushButton>(window, "BotCancelarEdicion")->click();
    EXPECT_EQ(code->text(), underEdit);
    platform.confirmations.push_back(false);
    child<QPushButton>(window, "BotEliminarGrupo")->click();
    EXPECT_EQ(platform.shown(FakePlatform::Box::Confirmation).size(), 1)
        << "the group under edit can be deleted again";
    child<QPushButton>(window, "BotGuardarRegistro")->click();
    EXPECT_EQ(GroupTable(md.Enlaces()).all().size(), 3) << "saving an unchanged group inserts nothing";
}

TEST_F(GroupWindows, DeletingAGroupKeepsOrRemovesItsLinks)
{
    TFormManGrupos window(md);
    open(window);
    platform.confirmations = {false, true};
    child<QPushButton>(window, "BotEliminarGrupo")->click();
    EXPECT_EQ(listed(window).size(), 3);
    child<QPushButton>(window, "BotEliminarGrupo")->click();
    EXPECT_EQ(platform.shown(FakePlatform::Box::Confirmation).last(),
        s(u"¿Quieres borrar el grupo BANCO-BANCOS?\n(Los enlaces quedarán SIN GRUPO)"));
    EXPECT_EQ(listed(window), QStringList({s(u"MUS"), s(u"WEB")}));
    EXPECT_EQ(linkGroups(), QStringList({s(u"BBVA:"), s(u"SANTANDER:"), s(u"SIN:")}));

    addLink(s(u"RADIO"), s(u"MUS"));
    EXPECT_EQ(child<QLineEdit>(window, "DBEditCODGRUPO")->text(), s(u"MUS"));
    platform.confirmations = {true};
    child<QPushButton>(window, "BotEliminarGrupoTodo")->click();
    EXPECT_EQ(platform.shown(FakePlatform::Box::Confirmation).last(),
        s(u"¿Quieres borrar el grupo MUS-MÚSICA?\n(Se eliminarán todos los enlaces de este grupo)"));
    EXPECT_EQ(linkGroups(), QStringList({s(u"BBVA:"), s(u"SANTANDER:"), s(u"SIN:")}));
    EXPECT_EQ(listed(window), QStringList {s(u"WEB")});
}

TEST_F(GroupWindows, TheDeleteButtonsNeverReachLinksWithoutGroup)
{
    TFormManGrupos window(md);
    open(window);
    child<QPushButton>(window, "BotNuevoGrupo")->click();
    child<QPushButton>(window, "BotEliminarGrupoTodo")->click();
    child<QPushButton>(window, "BotEliminarGrupo")->click();
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(LinkTable(md.Enlaces()).count(), 3);
    EXPECT_EQ(linkGroups(), QStringList({s(u"BBVA:BANCO"), s(u"SANTANDER:BANCO"), s(u"SIN:")}));
}

TEST_F(GroupWindows, ThePickerReturnsTheChosenGroup)
{
    TFormBuscarGrupos picker(md);
    open(picker);
    EXPECT_EQ(picker.windowTitle(), s(u"Selección de grupo "));
    EXPECT_EQ(listed(picker), QStringList({s(u"WEB"), s(u"BANCO"), s(u"MUS")})) << "the store's order";
    auto* search = child<QLineEdit>(picker, "EBuscarGrupo");
    QTest::keyClicks(search, QStringLiteral("b"));
    EXPECT_EQ(listed(picker), QStringList({s(u"WEB"), s(u"BANCO")}));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_TRUE(picker.GrupoElegido.isEmpty());
    QTest::keyClicks(search, QStringLiteral("an"));
    EXPECT_EQ(listed(picker), QStringList {s(u"BANCO")});
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(picker.GrupoElegido, s(u"BANCO-BANCOS"));
    EXPECT_EQ(picker.result(), QDialog::Accepted);
}

TEST_F(GroupWindows, ThePickerCanCreateTheGroup)
{
    TFormBuscarGrupos picker(md);
    open(picker);
    platform.modal = [this](QDialog& dialog) {
        auto& alta = static_cast<TFormAltaGrupos&>(dialog);
        alta.show();
        QTest::keyClicks(child<QLineEdit>(alta, "ECodigo"), QStringLiteral("a-b"));
        QTest::keyClicks(child<QLineEdit>(alta, "ENomgrupo"), QStringLiteral("con guion"));
        child<QPushButton>(alta, "BotOK")->click();
        return alta.result();
    };
    child<QPushButton>(picker, "BotNuevo")->click();
    EXPECT_EQ(picker.GrupoElegido, s(u"A-B-CON GUION"));
    EXPECT_TRUE(GroupTable(md.Enlaces()).find(s(u"A-B")));
}
