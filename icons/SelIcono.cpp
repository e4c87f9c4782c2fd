#include "icons/SelIcono.h"

#include "components/Guarded.h"
#include "components/SchemeColours.h"
#include "store/MDatos.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

TFormSelIcono::TFormSelIcono(TMD& md, QWidget* parent)
    : QDialog(parent)
    , m_md(md)
    , Panel1(new QWidget(this))
    , m_caption(new QLabel(QStringLiteral("Doble click para seleccionar."), Panel1))
    , ListView1(new QListWidget(this))
    , BotSeleccionar(new QPushButton(QStringLiteral("Seleccionar")))
    , BotCerrar(new QPushButton(QStringLiteral("Cerrar sin seleccionar")))
    , m_buttons(new QWidget(this))
{
    setObjectName(QStringLiteral("FormSelIcono"));
    setWindowTitle(QStringLiteral("Seleccionar icono"));
    Panel1->setObjectName(QStringLiteral("Panel1"));
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setViewMode(QListView::IconMode);
    ListView1->setIconSize(QSize(32, 32));
    ListView1->setGridSize(QSize(56, 56));
    ListView1->setMovement(QListView::Static);
    ListView1->setResizeMode(QListView::Adjust);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setToolTip(QStringLiteral("Haga doble-click sobre el icono que elegido"));
    BotSeleccionar->setObjectName(QStringLiteral("BotSeleccionar"));
    BotCerrar->setObjectName(QStringLiteral("BotCerrar"));

    auto* top = new QHBoxLayout(Panel1);
    top->addWidget(m_caption);
    auto* buttons = new QHBoxLayout(m_buttons);
    buttons->addStretch();
    buttons->addWidget(BotSeleccionar);
    buttons->addWidget(BotCerrar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel1);
    layout->addWidget(ListView1, 1);
    layout->addWidget(m_buttons);
    setFixedSize(440, 330);

    // A double click anywhere on the list chooses, on empty space too.
    ListView1->viewport()->installEventFilter(this);
    connect(BotSeleccionar, &QPushButton::clicked, this, [this] { BotSeleccionarClick(); });
    connect(BotCerrar, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] { NumIconoElegido = -1; });
}

void TFormSelIcono::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    guarded(m_md.platform(), [this] {
        const SchemeColours colours(m_md.colores);
        colours.background({Panel1, m_buttons, ListView1});
        colours.button({BotSeleccionar, BotCerrar});
        colours.hint({m_caption});
    });
    CargarIconos();
}

bool TFormSelIcono::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListView1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        ListView1DblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormSelIcono::CargarIconos()
{
    ListView1->clear();
    const QList<QImage>& pictures = m_md.ListaIconos();
    for (int number = 0; number < pictures.size(); ++number)
        ListView1->addItem(
            new QListWidgetItem(QIcon(QPixmap::fromImage(pictures.at(number))), QString::number(number)));
    NumIconoElegido = -1;
}

void TFormSelIcono::ListView1DblClick()
{
    const QList<QListWidgetItem*> selected = ListView1->selectedItems();
    NumIconoElegido = selected.isEmpty() ? -1 : ListView1->row(selected.first());
    done(NumIconoElegido < 0 ? Rejected : Accepted);
}

void TFormSelIcono::BotSeleccionarClick()
{
    if (ListView1->selectedItems().isEmpty()) {
        m_md.platform().showInformation(QStringLiteral("No hay ningún icono seleccionado"));
        return;
    }
    ListView1DblClick();
}
