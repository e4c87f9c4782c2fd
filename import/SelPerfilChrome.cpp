#include "import/SelPerfilChrome.h"

#include "components/CheckList.h"
#include "components/Controls.h"
#include "components/Guarded.h"
#include "components/SchemeColours.h"
#include "store/MDatos.h"

#include <QHBoxLayout>
#include <QListWidget>

TFormSelPerfilChrome::TFormSelPerfilChrome(
    TMD& md, const QStringList& profiles, const QString& caption, QWidget* parent)
    : QDialog(parent)
    , m_md(md)
    , Panel2(named(new QWidget(this), "Panel2"))
    , ListaChrome(named(new QListWidget(this), "ListaChrome"))
    , BotImportar(flatButton("BotImportar", QStringLiteral("Importar"), Panel2))
    , BotCerrar(flatButton("BotCerrar", QStringLiteral("Cerrar sin importar"), Panel2))
{
    setObjectName(QStringLiteral("FormSelPerfilChrome"));
    setWindowTitle(caption);
    for (const QString& profile : profiles)
        CheckList::add(ListaChrome, profile, Qt::Checked);
    auto* buttons = new QHBoxLayout(Panel2);
    buttons->addStretch();
    buttons->addWidget(BotImportar);
    buttons->addWidget(BotCerrar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListaChrome, 1);
    layout->addWidget(Panel2);
    setFixedSize(620, 260);

    connect(ListaChrome, &QListWidget::itemChanged, this, [this] { updateImportButton(); });
    connect(BotImportar, &QPushButton::clicked, this, &QDialog::accept);
    connect(BotCerrar, &QPushButton::clicked, this, [this] { BotCerrarClick(); });
}

QStringList TFormSelPerfilChrome::Profiles() const
{
    return CheckList::tickedTexts(ListaChrome);
}

void TFormSelPerfilChrome::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    guarded(m_md.platform(), [this] {
        const SchemeColours colours(m_md.colores);
        colours.background({Panel2, ListaChrome});
        colours.button({BotImportar, BotCerrar});
    });
}

void TFormSelPerfilChrome::updateImportButton()
{
    BotImportar->setVisible(!Profiles().isEmpty());
}

void TFormSelPerfilChrome::BotCerrarClick()
{
    CheckList::setAll(ListaChrome, Qt::Unchecked);
    reject();
}
