#include "dialogs/BorrarBD.h"

#include "components/Controls.h"
#include "components/Guarded.h"
#include "components/SchemeColours.h"
#include "platform/Platform.h"
#include "store/MDatos.h"
#include "store/SettingsTable.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString Both = QStringLiteral("ENLACES Y GRUPOS");

QString caption(const QString& word)
{
    return QStringLiteral("BORRAR TODOS LOS\n") + word;
}

QString kilobytes(qint64 bytes)
{
    return QString::number((bytes + 1023) / 1024);
}

} // namespace

TFormBorrarBD::TFormBorrarBD(TMD& md, QWidget* parent)
    : QDialog(parent)
    , m_md(md)
    , Panel3(named(new QWidget(this), "Panel3"))
    , CKEnlaces(named(new QCheckBox(QStringLiteral("ENLACES"), Panel3), "CKEnlaces"))
    , CKGrupos(named(new QCheckBox(QStringLiteral("GRUPOS"), Panel3), "CKGrupos"))
    , BotBorrar(named(new QPushButton(Panel3), "BotBorrar"))
{
    setObjectName(QStringLiteral("FormBorrarBD"));
    setWindowTitle(QStringLiteral("Borrado MASIVO de datos"));
    auto* title = named(new QLabel(QStringLiteral("BORRADO MASIVO"), Panel3), "LTitulo");
    QFont large = title->font();
    large.setBold(true);
    large.setPixelSize(20);
    title->setFont(large);
    BotBorrar->setMinimumHeight(56);
    BotBorrar->setAutoDefault(false);
    auto* panel = new QVBoxLayout(Panel3);
    panel->addWidget(title, 0, Qt::AlignHCenter);
    panel->addWidget(CKEnlaces);
    panel->addWidget(CKGrupos);
    panel->addWidget(BotBorrar);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel3);
    setFixedSize(300, 220);

    for (QCheckBox* box : {CKEnlaces, CKGrupos})
        connect(box, &QCheckBox::clicked, this, [this] { updateButton(); });
    connect(BotBorrar, &QPushButton::clicked, this,
        [this] { guarded(m_md.platform(), [this] { BotBorrarClick(); }); });
}

void TFormBorrarBD::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    guarded(m_md.platform(), [this] { SchemeColours(m_md.colores).background({Panel3}); });
    CKEnlaces->setChecked(true);
    CKGrupos->setChecked(true);
    updateButton();
}

QString TFormBorrarBD::choiceWord() const
{
    if (CKEnlaces->isChecked())
        return CKGrupos->isChecked() ? Both : QStringLiteral("ENLACES");
    return QStringLiteral("GRUPOS");
}

void TFormBorrarBD::updateButton()
{
    const bool any = CKEnlaces->isChecked() || CKGrupos->isChecked();
    BotBorrar->setEnabled(any);
    BotBorrar->setText(caption(any ? choiceWord() : Both));
}

void TFormBorrarBD::BotBorrarClick()
{
    Platform& platform = m_md.platform();
    const QString word = choiceWord();
    const std::optional<QString> answer = platform.inputBox(QStringLiteral("BORRAR TODOS LOS ") + word,
        QStringLiteral("Escriba SEGURO para confirmar "), QString());
    if (answer.value_or(QString()) != QStringLiteral("SEGURO")) {
        platform.showInformation(QStringLiteral("Se ha cancelado la operación de borrar ") + word);
        return;
    }
    Database& database = m_md.Enlaces();
    const qint64 before = database.sizeOnDisk();
    // All or nothing: a failure leaves the catalogue as it was.
    database.transaction([&] {
        if (CKEnlaces->isChecked())
            database.execute(QStringLiteral("DELETE FROM direcciones"));
        if (CKGrupos->isChecked()) {
            database.execute(QStringLiteral("DELETE FROM grupos"));
            if (!CKEnlaces->isChecked())
                database.execute(QStringLiteral("UPDATE direcciones SET codgrupo = ''"));
        }
        SettingsTable(database).restoreDefaults();
    });
    database.compact();
    platform.showInformation(QStringLiteral("Se han borrado todos los ") + word
        + QStringLiteral("\nEl catálogo ocupaba %1 KB y ahora ocupa %2 KB.")
              .arg(kilobytes(before), kilobytes(database.sizeOnDisk())));
    accept();
}
