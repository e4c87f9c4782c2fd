// The main window's actions on links, and the menus that offer them.
#include "main/Principal.h"

#include "components/Guarded.h"
#include "dialogs/AsignaPrioridad.h"
#include "dialogs/VerEnlace.h"
#include "groups/AltaGrupos.h"
#include "groups/GroupQueries.h"
#include "main/Countdown.h"
#include "main/LinkListModel.h"
#include "main/LinkStatements.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "store/BrowserTable.h"
#include "store/GroupTable.h"
#include "store/LinkTable.h"
#include "store/MDatos.h"
#include "store/TextUtils.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

namespace {
const QString CRLF = QStringLiteral("\r\n");
}

std::optional<int> TFormPrincipal::currentRow() const
{
    const QModelIndex current = DBGrid1->currentIndex();
    if (!current.isValid() || current.row() >= m_model->rowCount())
        return std::nullopt;
    return current.row();
}

QString TFormPrincipal::columnText(int row, int column) const
{
    return m_model->index(row, column).data().toString();
}

void TFormPrincipal::PopMenuPonerPopup()
{
    const std::optional<int> row = currentRow();
    if (!row)
        return;
    DBGrid1->selectionModel()->select(
        m_model->index(*row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QString address = columnText(*row, LinkListModel::Direccion);
    const int count = int(selectedRows().size());

    for (QAction* shown : {Abrirenlace1, BorrarEnlace1, EditarEnlace1, VerEnlace, AsignarPrioridad1})
        shown->setVisible(true);
    AsignarGrupo1->menuAction()->setVisible(true);
    for (QAction* hidden : {AbrirUbicacion1, Abrircomoadministrador1, AnadirFavorPersonal1,
             QuitarFavorPersonal1, AadirFavorito1, Borrargrupo1, BorrarGrupoYEnlaces1, BorraFisicamente})
        hidden->setVisible(false);
    Abrircon1->menuAction()->setVisible(false);

    const int position = ComboGrupos->currentIndex();
    AadirFavorito1->setVisible(position == 1);
    if (position > 1) {
        Borrargrupo1->setText(QStringLiteral("Borrar el grupo ") + ComboGrupos->currentText());
        Borrargrupo1->setVisible(true);
        BorrarGrupoYEnlaces1->setText(
            QStringLiteral("Borrar grupo y enlaces de: ") + ComboGrupos->currentText());
        BorrarGrupoYEnlaces1->setVisible(true);
    }
    PegarEnlace1->setVisible(m_platform.clipboardFormatCount() > 0);
    if (QFileInfo(address).isDir())
        BorraFisicamente->setVisible(m_md.constantes.BorrarCarpetas);
    if (Paths::containsSeparator(address))
        AbrirUbicacion1->setVisible(true);
    if (address.toUpper().contains(QStringLiteral("HTTP")))
        Abrircon1->menuAction()->setVisible(true);
    if (Paths::isProgram(address))
        Abrircomoadministrador1->setVisible(true);
    const bool favourite = columnText(*row, LinkListModel::Tipo) == QStringLiteral("F");
    AnadirFavorPersonal1->setVisible(!favourite);
    QuitarFavorPersonal1->setVisible(favourite);

    if (count < 2) {
        BorrarEnlace1->setText(QStringLiteral("Borrar Enlace"));
        CopiarEnlace->setText(QStringLiteral("Copiar Enlace"));
        Abrirenlace1->setText(QStringLiteral("Abrir enlace..."));
        return;
    }
    BorraFisicamente->setVisible(false);
    BorrarEnlace1->setText(QStringLiteral("Borrar ( %1 )  Enlaces").arg(count));
    CopiarEnlace->setText(QStringLiteral("Copiar Enlaces al portapapeles"));
    Abrirenlace1->setText(QStringLiteral("Abrir ( %1 )  Enlaces...").arg(count));
    for (QAction* hidden : {AbrirUbicacion1, Abrircomoadministrador1, EditarEnlace1, VerEnlace})
        hidden->setVisible(false);
    Abrircon1->menuAction()->setVisible(false);
    for (QAction* shown : {Abrirenlace1, BorrarEnlace1, AnadirFavorPersonal1, QuitarFavorPersonal1})
        shown->setVisible(true);
    AsignarGrupo1->menuAction()->setVisible(true);
}

void TFormPrincipal::SubMenuNavegadores()
{
    Abrircon1->clear();
    for (const Browser& browser : BrowserTable(m_md.Enlaces()).all()) {
        if (QFileInfo(browser.ruta).isFile())
            Abrircon1->addAction(browser.nombre);
    }
}

void TFormPrincipal::SubMenuGrupos()
{
    AsignarGrupo1->clear();
    AsignarGrupo1->addAction(QStringLiteral("NUEVO GRUPO"));
    AsignarGrupo1->addSeparator();
    AsignarGrupo1->addAction(QStringLiteral("SIN GRUPO"));
    for (const Group& group : GroupTable(m_md.Enlaces()).all())
        AsignarGrupo1->addAction(group.codgrupo + QStringLiteral(" -") + group.nomgrupo);
}

void TFormPrincipal::NavegadorClick(const QString& browser)
{
    const std::optional<int> row = currentRow();
    if (!row)
        return;
    const std::optional<Browser> found = BrowserTable(m_md.Enlaces()).find(browser);
    m_platform.shellOpen({found ? found->ruta : QString(), columnText(*row, LinkListModel::Direccion), {}});
}

void TFormPrincipal::MAbrirAdministradorExecute()
{
    if (const std::optional<int> row = currentRow())
        m_md.RunAsAdmin(columnText(*row, LinkListModel::Direccion), QString());
}

void TFormPrincipal::MAbrirUbicacionExecute()
{
    const std::optional<int> row = currentRow();
    if (!row)
        return;
    const QString address = columnText(*row, LinkListModel::Direccion);
    if (!Paths::containsSeparator(address))
        return;
    const qsizetype end = std::max(Paths::lastSeparator(address), address.lastIndexOf(u':'));
    m_platform.shellOpen({address.left(end + 1), {}, {}});
}

void TFormPrincipal::MAnadirFavoritoExecute()
{
    setFavourite(true);
}

void TFormPrincipal::MQuitarFavoritoExecute()
{
    setFavourite(false);
}

void TFormPrincipal::setFavourite(bool favourite)
{
    const QDateTime now = m_platform.now();
    const QList<int> rows = selectedRows();
    if (rows.isEmpty()) {
        m_platform.showInformation(QStringLiteral("No hay nada seleccionado"));
    } else {
        for (const int row : rows)
            m_md.Enlaces().execute(LinkStatements::favorito(m_model->idAt(row), favourite, now));
        DBGrid1->clearSelection();
    }
    refreshList();
}

void TFormPrincipal::MBorrarFavoritosExecute()
{
    if (!m_platform.confirm(QStringLiteral("¿Quieres borrar TODA la lista de favoritos?")))
        return;
    // Only the favourites change, so only they are stamped: the recent order of the rest stays.
    Database& database = m_md.Enlaces();
    LinkTable links(database);
    database.transaction([&] {
        std::vector<qint64> favourites;
        Cursor cursor = database.query(QStringLiteral("SELECT id FROM direcciones WHERE tipo = 'F'"));
        while (cursor.next())
            favourites.push_back(cursor.integer(0));
        for (const qint64 id : favourites) {
            Link link = *links.find(id);
            link.tipo.clear();
            m_md.PostDireccion(link);
        }
    });
    ComboGruposSelect();
}

void TFormPrincipal::MAsignarPrioridadExecute()
{
    const QDateTime now = m_platform.now();
    QString priority;
    {
        const CountdownPause pause(*m_countdown);
        TFormAsignaPrioridad dialog(m_md, this);
        dialog.PrioridadElegida.clear();
        m_platform.runModal(dialog);
        priority = dialog.PrioridadElegida;
    }
    if (priority.isEmpty())
        return;
    const QList<int> rows = selectedRows();
    if (rows.isEmpty()) {
        m_platform.showInformation(QStringLiteral("No hay nada seleccionado"));
    } else {
        for (const int row : rows)
            m_md.Enlaces().execute(LinkStatements::prioridad(m_model->idAt(row), priority, now));
        DBGrid1->clearSelection();
    }
    refreshList();
}

void TFormPrincipal::MQuitarPrioridadesExecute()
{
    if (!m_platform.confirm(QStringLiteral("¿Quieres eliminar las prioridades de TODOS los enlaces?")))
        return;
    m_md.Enlaces().execute(LinkStatements::quitarPrioridades());
    ComboGruposSelect();
}

void TFormPrincipal::GruposClick(const QString& caption)
{
    const QDateTime now = m_platform.now();
    QString chosen = caption;
    QString created;
    if (chosen == QStringLiteral("NUEVO GRUPO")) {
        TFormAltaGrupos alta(m_md, this);
        alta.GrupoCreado.clear();
        m_platform.runModal(alta);
        created = alta.GrupoCreado;
        chosen = created.isEmpty() ? QStringLiteral("SIN GRUPO") : created;
    }
    const QString code = chosen == QStringLiteral("SIN GRUPO")
        ? QString()
        : QuitarBlancos(ExtraerToken(chosen, QStringLiteral("-"), 1, 1));
    const QList<int> rows = selectedRows();
    for (const int row : rows)
        m_md.Enlaces().execute(LinkStatements::asignarGrupo(m_model->idAt(row), code, now));
    if (!rows.isEmpty())
        DBGrid1->clearSelection();
    if (!created.isEmpty())
        selectGroup(created);
    refreshList();
    showCount();
}

void TFormPrincipal::MNuevoGrupoExecute()
{
    QString created;
    {
        const CountdownPause pause(*m_countdown);
        TFormAltaGrupos alta(m_md, this);
        alta.GrupoCreado.clear();
        m_platform.runModal(alta);
        created = alta.GrupoCreado;
    }
    if (!created.isEmpty())
        selectGroup(created);
}

void TFormPrincipal::MBorrarGrupoExecute()
{
    deleteSelectedGroup(false);
}

void TFormPrincipal::MBorrarGrupoyEnlacesExecute()
{
    deleteSelectedGroup(true);
}

void TFormPrincipal::deleteSelectedGroup(bool withLinks)
{
    const QString item = ComboGrupos->currentText();
    const QString question = QStringLiteral("¿Quieres BORRAR EL GRUPO :") + item + CRLF
        + (withLinks ? QStringLiteral(" Todos sus ENLACES serán tambien BORRADOS")
                     : QStringLiteral(" Todos sus ENLACES quedarán asignados a SIN GRUPO"));
    if (!m_platform.confirm(question))
        return;
    const QString code = ExtraerToken(item, QStringLiteral("-"), 1, 1);
    Database& database = m_md.Enlaces();
    GroupTable(database).remove(code);
    database.execute(
        withLinks ? LinkStatements::borrarEnlacesDeGrupo(code) : GroupQueries::quitarGrupo(code));
    CargarGrupoCombo();
    BotBorrarFiltro->click();
}

void TFormPrincipal::MBorrarEnlaceExecute()
{
    const std::optional<int> current = currentRow();
    if (!current)
        return;
    const QList<int> rows = selectedRows();
    LinkTable links(m_md.Enlaces());
    if (rows.size() < 2) {
        if (m_platform.confirm(QStringLiteral("¿Seguro que quieres borrar el enlace: ")
                + columnText(*current, LinkListModel::Titulo) + QStringLiteral(" ?")))
            links.remove(m_model->idAt(*current));
        refreshList();
        DBGrid1->clearSelection();
    } else if (m_platform.confirm(
                   QStringLiteral("¿Seguro que quieres los %1 enlaces seleccionados?").arg(rows.size()))) {
        for (const int row : rows)
            links.remove(m_model->idAt(row));
        refreshList();
        showCount();
        DBGrid1->clearSelection();
    }
    if (m_md.NumRegDirecciones() == 0)
        presentResult();
}

void TFormPrincipal::MVerEnlaceExecute()
{
    const std::optional<int> row = currentRow();
    if (!row)
        return;
    TFormVerEnlace viewer(
        m_md, columnText(*row, LinkListModel::Titulo), columnText(*row, LinkListModel::Direccion), this);
    m_platform.runModal(viewer);
}

void TFormPrincipal::MBorrarFisicamenteExecute()
{
    const std::optional<int> row = currentRow();
    if (!row)
        return;
    const QString address = columnText(*row, LinkListModel::Direccion);
    const QString pad = RepetirTexto(QStringLiteral(" "), 28 - int(address.size() / 2));
    const QString question = QStringLiteral("Se BORRARÁ FÍSICAMENTE la CARPETA y TODO SU CONTENIDO") + CRLF
        + QStringLiteral("Carpetas, subcarpetas y archivos contenidos en ellas") + CRLF + CRLF
        + QStringLiteral("¿   Realmente quieres borrar FISICAMENTE LA CARPETA ? ") + CRLF + CRLF + pad
        + address;
    if (!m_platform.confirm(question))
        return;
    if (!m_md.BorrarCarpeta(address)) {
        m_platform.showInformation(QStringLiteral("No se ha podido borrar la carpeta"));
        return;
    }
    LinkTable(m_md.Enlaces()).remove(m_model->idAt(*row));
    refreshList();
    DBGrid1->clearSelection();
    m_platform.showInformation(QStringLiteral("Se ha borrado la carpeta y todo su contenido"));
}
