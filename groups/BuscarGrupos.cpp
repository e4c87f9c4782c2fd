#include "groups/BuscarGrupos.h"

#include "components/Guarded.h"
#include "components/SchemeColours.h"
#include "components/UpperCaseValidator.h"
#include "groups/AltaGrupos.h"
#include "groups/GroupList.h"
#include "groups/GroupQueries.h"
#include "store/MDatos.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

TFormBuscarGrupos::TFormBuscarGrupos(TMD& md, QWidget* parent)
    : QDialog(parent)
    , m_md(md)
    , m_panel(new QWidget(this))
    , EBuscarGrupo(new QLineEdit(m_panel))
    , BotNuevo(new QPushButton(m_panel))
    , DBGrid1(new GroupList(this))
{
    setObjectName(QStringLiteral("FormBuscarGrupos"));
    m_panel->setObjectName(QStringLiteral("Panel1"));
    setWindowTitle(QStringLiteral("Selección de grupo "));
    EBuscarGrupo->setObjectName(QStringLiteral("EBuscarGrupo"));
    EBuscarGrupo->setValidator(new UpperCaseValidator(EBuscarGrupo));
    BotNuevo->setObjectName(QStringLiteral("BotNuevo"));
    BotNuevo->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    BotNuevo->setToolTip(QStringLiteral("Crear un nuevo grupo"));
    BotNuevo->setAutoDefault(false);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));

    auto* top = new QGridLayout(m_panel);
    top->addWidget(new QLabel(QStringLiteral("Buscar grupo:"), m_panel), 0, 0);
    top->addWidget(EBuscarGrupo, 0, 1);
    top->addWidget(BotNuevo, 0, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel);
    layout->addWidget(DBGrid1, 1);
    setFixedSize(460, 420);

    connect(EBuscarGrupo, &QLineEdit::textChanged, this,
        [this] { guarded(m_md.platform(), [this] { Buscar(); }); });
    connect(BotNuevo, &QPushButton::clicked, this, [this] { CrearNuevoGrupo2(); });
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, [this] { Elegir(); });
    EBuscarGrupo->installEventFilter(this);
    DBGrid1->installEventFilter(this);
}

void TFormBuscarGrupos::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    guarded(m_md.platform(), [this] {
        const SchemeColours colours(m_md.colores);
        colours.background({m_panel, DBGrid1});
        colours.edit({EBuscarGrupo});
        Statement everyGroup;
        everyGroup.line(u"Select * from grupos");
        DBGrid1->setGroups(GroupQueries::groups(m_md.Enlaces(), everyGroup));
    });
    EBuscarGrupo->setFocus();
}

bool TFormBuscarGrupos::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == EBuscarGrupo && key == Qt::Key_Down) {
        DBGrid1->setFocus();
        return true;
    }
    if (watched == EBuscarGrupo && enter) {
        if (DBGrid1->count() == 1) {
            DBGrid1->setFocus();
            Elegir();
        }
        return true;
    }
    if (watched == DBGrid1 && enter) {
        Elegir();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormBuscarGrupos::Buscar()
{
    // A search that fails leaves the list empty.
    DBGrid1->setGroups({});
    DBGrid1->setGroups(GroupQueries::groups(m_md.Enlaces(), GroupQueries::seleccion(EBuscarGrupo->text())));
}

void TFormBuscarGrupos::Elegir()
{
    if (const std::optional<Group> group = DBGrid1->group()) {
        GrupoElegido = group->codgrupo + u'-' + group->nomgrupo;
        accept();
    }
}

void TFormBuscarGrupos::CrearNuevoGrupo2()
{
    TFormAltaGrupos alta(m_md, this);
    alta.GrupoCreado.clear();
    m_md.platform().runModal(alta);
    GrupoElegido = alta.GrupoCreado;
    if (!GrupoElegido.isEmpty())
        accept();
}
