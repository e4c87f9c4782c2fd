#include "dialogs/AsignaPrioridad.h"

#include "components/Guarded.h"
#include "components/PriorityKeys.h"
#include "components/SchemeColours.h"
#include "store/MDatos.h"
#include "store/TextUtils.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TFormAsignaPrioridad::TFormAsignaPrioridad(TMD& md, QWidget* parent)
    : QDialog(parent)
    , m_md(md)
    , m_panel(new QWidget(this))
    , EPrioridad(new QLineEdit(m_panel))
    , Label2(new QLabel(QStringLiteral("Número entre 0 y 999"), m_panel))
    , Label3(new QLabel(QStringLiteral("A prioridad más alta se visualiza en mejores posiciones"), m_panel))
    , BotOK(new QPushButton(QStringLiteral("&Asignar"), m_panel))
    , BotCancelar(new QPushButton(QStringLiteral("&Cancelar"), m_panel))
{
    setObjectName(QStringLiteral("FormAsignaPrioridad"));
    setWindowTitle(QStringLiteral("Asignar prioridad"));
    EPrioridad->setObjectName(QStringLiteral("EPrioridad"));
    EPrioridad->setMaxLength(3);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3->setObjectName(QStringLiteral("Label3"));
    BotOK->setObjectName(QStringLiteral("BotOK"));
    BotCancelar->setObjectName(QStringLiteral("BotCancelar"));
    for (QPushButton* button : {BotOK, BotCancelar})
        button->setAutoDefault(false);

    auto* grid = new QGridLayout(m_panel);
    grid->addWidget(new QLabel(QStringLiteral("Prioridad;"), m_panel), 0, 0);
    grid->addWidget(EPrioridad, 0, 1);
    grid->addWidget(Label2, 0, 2);
    grid->addWidget(Label3, 1, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BotOK);
    buttons->addWidget(BotCancelar);
    grid->addLayout(buttons, 2, 0, 1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_panel);
    setFixedSize(400, 120);

    connect(BotOK, &QPushButton::clicked, this, [this] { BotOKClick(); });
    connect(BotCancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] { PrioridadElegida.clear(); });
    EPrioridad->installEventFilter(this);
}

void TFormAsignaPrioridad::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    guarded(m_md.platform(), [this] {
        const SchemeColours colours(m_md.colores);
        colours.background({m_panel, Label2, Label3});
        colours.hint({Label2, Label3});
        colours.edit({EPrioridad});
        colours.button({BotOK, BotCancelar});
    });
    EPrioridad->setFocus();
}

bool TFormAsignaPrioridad::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != EPrioridad || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const PriorityKey kind = priorityKey(*static_cast<QKeyEvent*>(event));
    if (kind == PriorityKey::Enter)
        BotOKClick();
    return kind != PriorityKey::Take;
}

void TFormAsignaPrioridad::BotOKClick()
{
    if (EPrioridad->text().isEmpty())
        EPrioridad->setText(QStringLiteral("0"));
    PrioridadElegida = RellenarCeros(TextoANumero(EPrioridad->text()), 3);
    accept();
}
