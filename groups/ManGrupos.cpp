#include "groups/ManGrupos.h"

#include "components/EnterMovesFocus.h"
#include "components/Guarded.h"
#include "components/SchemeColours.h"
#include "components/UpperCaseValidator.h"
#include "groups/GroupList.h"
#include "groups/GroupQueries.h"
#include "store/GroupTable.h"
#include "store/MDatos.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace {

QPushButton* button(const char* name, const QString& text, QWidget* parent)
{
    auto* created = new QPushButton(text, parent);
    created->setObjectName(QLatin1StringView(name));
    created->setAutoDefault(false);
    return created;
}

QLineEdit* upperCaseBox(const char* name, int maxLength, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1StringView(name));
    box->setValidator(new UpperCaseValidator(box));
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    return box;
}

} // namespace

TFormManGrupos::TFormManGrupos(TMD& md, QWidget* parent)
    : QDialog(parent)
    , m_md(md)
{
    setObjectName(QStringLiteral("FormManGrupos"));
    setWindowTitle(QStringLiteral("Mantenimiento de grupos"));

    auto* search = new QWidget(this);
    EBusqueda = upperCaseBox("EBusqueda", 0, search);
    BotBuscar = button("BotBuscar", QString(), search);
    BotBuscar->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    BotNuevoGrupo = button("BotNuevoGrupo", QStringLiteral("Nuevo grupo"), search);
    BotEliminarGrupo = button("BotEliminarGrupo", QStringLiteral("Eliminar grupo"), search);
    BotEliminarGrupoTodo = button("BotEliminarGrupoTodo", QStringLiteral("Borrar grupo y enlaces"), search);
    BotCerrar = button("BotCerrar", QStringLiteral("&Cerrar"), search);
    auto* searchLayout = new QGridLayout(search);
    searchLayout->addWidget(new QLabel(QStringLiteral("Buscar grupo"), search), 0, 0);
    searchLayout->addWidget(EBusqueda, 1, 0);
    searchLayout->addWidget(BotBuscar, 1, 1);
    auto* actions = new QHBoxLayout;
    for (QPushButton* action : {BotNuevoGrupo, BotEliminarGrupo, BotEliminarGrupoTodo, BotCerrar})
        actions->addWidget(action);
    searchLayout->addLayout(actions, 2, 0, 1, 2);

    DBGrid1 = new GroupList(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));

    auto* edit = new QWidget(this);
    DBEditCODGRUPO = upperCaseBox("DBEditCODGRUPO", 10, edit);
    DBEditNOMGRUPO = upperCaseBox("DBEditNOMGRUPO", 50, edit);
    Label4 = new QLabel(QStringLiteral("No puede estar en blanco y debe ser único"), edit);
    Label4->setObjectName(QStringLiteral("Label4"));
    DBNavigator1 = new QWidget(edit);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    BotGuardarRegistro = button("BotGuardarRegistro", QStringLiteral("✔"), DBNavigator1);
    BotGuardarRegistro->setToolTip(QStringLiteral("Guardar registro"));
    BotCancelarEdicion = button("BotCancelarEdicion", QStringLiteral("✖"), DBNavigator1);
    BotCancelarEdicion->setToolTip(QStringLiteral("Cancelar edición"));
    auto* navigator = new QHBoxLayout(DBNavigator1);
    navigator->setContentsMargins(0, 0, 0, 0);
    navigator->addWidget(BotGuardarRegistro);
    navigator->addWidget(BotCancelarEdicion);
    auto* editLayout = new QGridLayout(edit);
    editLayout->addWidget(new QLabel(QStringLiteral("Cód. grupo:"), edit), 0, 0);
    editLayout->addWidget(DBEditCODGRUPO, 0, 1);
    editLayout->addWidget(Label4, 0, 2);
    editLayout->addWidget(new QLabel(QStringLiteral("Denominación:"), edit), 1, 0);
    editLayout->addWidget(DBEditNOMGRUPO, 1, 1, 1, 2);
    editLayout->addWidget(DBNavigator1, 2, 1, Qt::AlignLeft);
    m_bands[0] = search;
    m_bands[1] = DBGrid1;
    m_bands[2] = edit;

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(search);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(edit);
    setFixedSize(620, 520);

    Platform& platform = m_md.platform();
    connect(EBusqueda, &QLineEdit::textChanged, this,
        [this, &platform] { guarded(platform, [this] { Buscar(); }); });
    connect(BotBuscar, &QPushButton::clicked, this,
        [this, &platform] { guarded(platform, [this] { Buscar(); }); });
    connect(BotNuevoGrupo, &QPushButton::clicked, this, [this] { BotNuevoGrupoClick(); });
    connect(BotEliminarGrupo, &QPushButton::clicked, this,
        [this, &platform] { guarded(platform, [this] { EliminarGrupo(false); }); });
    connect(BotEliminarGrupoTodo, &QPushButton::clicked, this,
        [this, &platform] { guarded(platform, [this] { EliminarGrupo(true); }); });
    connect(BotCerrar, &QPushButton::clicked, this, &QDialog::accept);
    connect(BotGuardarRegistro, &QPushButton::clicked, this,
        [this, &platform] { guarded(platform, [this] { Guardar(); }); });
    connect(BotCancelarEdicion, &QPushButton::clicked, this,
        [this, &platform] { guarded(platform, [this] { Cancelar(); }); });
    connect(DBGrid1, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (const std::optional<Group> clicked = DBGrid1->group(index.row()))
            showGroup(GroupTable(m_md.Enlaces()).find(clicked->codgrupo));
    });
    for (QLineEdit* box : {DBEditCODGRUPO, DBEditNOMGRUPO}) {
        connect(box, &QLineEdit::textEdited, this, [this] {
            if (m_state == State::Browse)
                m_state = State::Edit;
        });
    }
    enterMovesFocus({DBEditCODGRUPO, DBEditNOMGRUPO});
}

void TFormManGrupos::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    guarded(m_md.platform(), [this] {
        const SchemeColours colours(m_md.colores);
        colours.background({m_bands[0], m_bands[1], m_bands[2]});
        colours.button({BotNuevoGrupo, BotEliminarGrupo, BotEliminarGrupoTodo, BotCerrar});
        colours.hint({Label4});
        colours.edit({EBusqueda, DBEditCODGRUPO, DBEditNOMGRUPO});
        const QList<Group> groups = GroupTable(m_md.Enlaces()).all();
        showGroup(groups.isEmpty() ? std::nullopt : std::optional<Group>(groups.first()));
        EBusqueda->clear();
        Buscar();
    });
    EBusqueda->setFocus();
}

void TFormManGrupos::Buscar()
{
    // A search that fails leaves the list empty.
    DBGrid1->setGroups({});
    DBGrid1->setGroups(GroupQueries::groups(m_md.Enlaces(), GroupQueries::mantenimiento(EBusqueda->text())));
}

void TFormManGrupos::showGroup(const std::optional<Group>& group)
{
    m_underEdit = group;
    m_state = State::Browse;
    DBEditCODGRUPO->setText(group ? group->codgrupo : QString());
    DBEditNOMGRUPO->setText(group ? group->nomgrupo : QString());
}

void TFormManGrupos::BotNuevoGrupoClick()
{
    // The group under edit stays known, so cancelling the new one returns to it.
    DBEditCODGRUPO->clear();
    DBEditNOMGRUPO->clear();
    m_state = State::Insert;
    DBEditCODGRUPO->setFocus();
}

void TFormManGrupos::Guardar()
{
    if (m_state == State::Browse)
        return;
    const Group edited {DBEditCODGRUPO->text(), DBEditNOMGRUPO->text()};
    if (edited.codgrupo.isEmpty()) {
        DBEditCODGRUPO->setFocus();
        throw AppError(QStringLiteral("El código no puede estar en blanco"));
    }
    GroupTable groups(m_md.Enlaces());
    if (m_state == State::Insert || !m_underEdit)
        groups.insert(edited);
    else
        groups.update(m_underEdit->codgrupo, edited);
    showGroup(edited);
    Buscar();
}

void TFormManGrupos::Cancelar()
{
    showGroup(m_underEdit ? GroupTable(m_md.Enlaces()).find(m_underEdit->codgrupo) : std::nullopt);
    Buscar();
}

void TFormManGrupos::EliminarGrupo(bool withLinks)
{
    // A group not yet saved has no code: its statements would reach the links without group.
    if (m_state == State::Insert || !m_underEdit || m_underEdit->codgrupo.isEmpty())
        return;
    const Group group = *m_underEdit;
    const QString question = QStringLiteral("¿Quieres borrar el grupo ") + group.codgrupo + u'-'
        + group.nomgrupo + QStringLiteral("?") + u'\n'
        + (withLinks ? QStringLiteral("(Se eliminarán todos los enlaces de este grupo)")
                     : QStringLiteral("(Los enlaces quedarán SIN GRUPO)"));
    if (!m_md.platform().confirm(question))
        return;
    Database& database = m_md.Enlaces();
    database.transaction([&] {
        database.execute(withLinks ? GroupQueries::borrarEnlaces(group.codgrupo)
                                   : GroupQueries::quitarGrupo(group.codgrupo));
        GroupTable(database).remove(group.codgrupo);
    });
    const QList<Group> rest = GroupTable(database).all();
    std::optional<Group> next;
    for (const Group& candidate : rest) {
        if (candidate.codgrupo > group.codgrupo) {
            next = candidate;
            break;
        }
    }
    if (!next && !rest.isEmpty())
        next = rest.last();
    showGroup(next);
    Buscar();
}
