#include "groups/AltaGrupos.h"

#include "components/EnterMovesFocus.h"
#include "components/Guarded.h"
#include "components/SchemeColours.h"
#include "components/UpperCaseValidator.h"
#include "store/GroupTable.h"
#include "store/MDatos.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

TFormAltaGrupos::TFormAltaGrupos(TMD& md, QWidget* parent)
    : QDialog(parent)
    , m_md(md)
    , ECodigo(new QLineEdit(this))
    , ENomgrupo(new QLineEdit(this))
    , BotOK(new QPushButton(QStringLiteral("&Guardar"), this))
    , BotCancelar(new QPushButton(QStringLiteral("&Cancelar"), this))
{
    setObjectName(QStringLiteral("FormAltaGrupos"));
    setWindowTitle(QStringLiteral("Alta grupo Nuevo"));
    ECodigo->setObjectName(QStringLiteral("ECodigo"));
    ECodigo->setMaxLength(10);
    ECodigo->setValidator(new UpperCaseValidator(ECodigo));
    ENomgrupo->setObjectName(QStringLiteral("ENomgrupo"));
    ENomgrupo->setMaxLength(50);
    ENomgrupo->setValidator(new UpperCaseValidator(ENomgrupo));
    BotOK->setObjectName(QStringLiteral("BotOK"));
    BotCancelar->setObjectName(QStringLiteral("BotCancelar"));
    for (QPushButton* button : {BotOK, BotCancelar})
        button->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Código:"), ECodigo);
    form->addRow(QStringLiteral("Denominación:"), ENomgrupo);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BotOK);
    buttons->addWidget(BotCancelar);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setFixedSize(380, 130);

    connect(
        BotOK, &QPushButton::clicked, this, [this] { guarded(m_md.platform(), [this] { BotOKClick(); }); });
    connect(BotCancelar, &QPushButton::clicked, this, [this] {
        GrupoCreado.clear();
        reject();
    });
    enterMovesFocus({ECodigo, ENomgrupo});
}

void TFormAltaGrupos::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    guarded(m_md.platform(), [this] { SchemeColours(m_md.colores).background({this}); });
    ECodigo->setFocus();
}

void TFormAltaGrupos::BotOKClick()
{
    const QString code = ECodigo->text();
    const QString name = ENomgrupo->text();
    if (code.isEmpty()) {
        ECodigo->setFocus();
        throw AppError(QStringLiteral("El código no puede estar vacío"));
    }
    if (name.isEmpty()) {
        ENomgrupo->setFocus();
        throw AppError(QStringLiteral("La denominación del grupo puede estar vacía"));
    }
    GroupTable groups(m_md.Enlaces());
    if (groups.find(code)) {
        ECodigo->setFocus();
        throw AppError(QStringLiteral("Este código ya existe. (no puede estar duplicado)"));
    }
    groups.insert({code, name});
    GrupoCreado = code + u'-' + name;
    accept();
}
