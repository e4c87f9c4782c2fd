#include "browsers/ManNavegadores.h"

#include "browsers/BuscarNavegadores.h"
#include "components/Controls.h"
#include "components/EnterMovesFocus.h"
#include "components/Guarded.h"
#include "components/SchemeColours.h"
#include "platform/AppError.h"
#include "platform/Platform.h"
#include "store/BrowserTable.h"
#include "store/MDatos.h"
#include "store/SettingsTable.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

namespace {

const QString SystemBrowser = QStringLiteral("Navegador predeterminado del sistema");

QLabel* titleLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    styleText(label, Qt::blue, true, 16);
    return label;
}

QLabel* tealLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = named(new QLabel(text, parent), name);
    styleText(label, QColor(0, 128, 128), false);
    return label;
}

} // namespace

TFormManNavegadores::TFormManNavegadores(TMD& md, QWidget* parent)
    : QDialog(parent)
    , m_md(md)
{
    setObjectName(QStringLiteral("FormManNavegadores"));
    setWindowTitle(QStringLiteral("Mantenimiento de navegadores"));
    buildControls();
    connectControls();
}

void TFormManNavegadores::buildControls()
{
    Panel1 = named(new QWidget(this), "Panel1");
    LAviso = named(new QLabel(QStringLiteral("Doble click fija navegador por defecto"), Panel1), "LAviso");
    BotBusquedaAutomatica = named(
        new QPushButton(QStringLiteral("Búsqueda automática navegadores"), Panel1), "BotBusquedaAutomatica");
    DBGrid1 = named(new QTableWidget(0, 2, Panel1), "DBGrid1");
    DBGrid1->setHorizontalHeaderLabels({QStringLiteral("nombre"), QStringLiteral("ruta")});
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setColumnWidth(0, 110);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    DBNavigator1 = named(new QWidget(Panel1), "DBNavigator1");
    m_insert = named(new QPushButton(QStringLiteral("+"), DBNavigator1), "BotInsertar");
    m_delete = named(new QPushButton(QStringLiteral("−"), DBNavigator1), "BotEliminar");
    m_post = named(new QPushButton(QStringLiteral("✔"), DBNavigator1), "BotGuardarRegistro");
    m_cancel = named(new QPushButton(QStringLiteral("✖"), DBNavigator1), "BotCancelarEdicion");
    m_insert->setToolTip(QStringLiteral("Insertar navegador"));
    m_delete->setToolTip(QStringLiteral("Eliminar navegador"));
    m_post->setToolTip(QStringLiteral("Guardar"));
    m_cancel->setToolTip(QStringLiteral("Cancelar edición"));
    auto* navigator = new QHBoxLayout(DBNavigator1);
    navigator->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {m_insert, m_delete, m_post, m_cancel}) {
        button->setFixedWidth(36);
        navigator->addWidget(button);
    }
    navigator->addStretch();

    Panel2 = named(new QWidget(this), "Panel2");
    DBEditNAVEGADORDEFECTO = named(new QLineEdit(Panel2), "DBEditNAVEGADORDEFECTO");
    DBEditNAVEGADORDEFECTO->setReadOnly(true);
    DBEditNAVEGADORDEFECTO->setMaxLength(10);
    DBEditNAVEGADORDEFECTO->setFixedWidth(120);
    DBEditNAVEGADORDEFECTO->setContextMenuPolicy(Qt::CustomContextMenu);
    BotDchoNavegador = named(new QPushButton(Panel2), "BotDchoNavegador");
    BotDchoNavegador->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    BotDchoNavegador->setToolTip(QStringLiteral("Botón derecho del ratón para desplegar menú"));
    BotDchoNavegador->setContextMenuPolicy(Qt::CustomContextMenu);
    Label10 = tealLabel("Label10",
        QStringLiteral(
            "Todos los enlaces se abrirán con este navegador  (salvo se especifique otro en el enlace)"),
        Panel2);
    Label3 = tealLabel("Label3",
        QStringLiteral("Si de deja en blanco el navegador por defecto será el predeterminado del sistema"),
        Panel2);
    Label7 = tealLabel("Label7", QStringLiteral("Debe existir en la tabla navegadores "), Panel2);
    BitBtn1 = named(new QPushButton(QStringLiteral("OK"), Panel2), "BitBtn1");
    BitBtn2 = named(new QPushButton(QStringLiteral("Cancelar"), Panel2), "BitBtn2");
    BitBtn1->setDefault(true);
    PopMenuNavegadores = named(new QMenu(this), "PopMenuNavegadores");
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(button == BitBtn1);

    auto* top = new QGridLayout(Panel1);
    top->addWidget(titleLabel(QStringLiteral("NAVEGADORES"), Panel1), 0, 0);
    top->addWidget(LAviso, 0, 1);
    top->addWidget(BotBusquedaAutomatica, 0, 2);
    top->addWidget(DBGrid1, 1, 0, 1, 3);
    top->addWidget(DBNavigator1, 2, 0, 1, 3);
    auto* bottom = new QGridLayout(Panel2);
    bottom->addWidget(
        titleLabel(QStringLiteral("NAVEGADOR POR DEFECTO EN ESTA APLICACIÓN"), Panel2), 0, 0, 1, 4);
    bottom->addWidget(new QLabel(QStringLiteral("Navegador por defecto:"), Panel2), 1, 0);
    bottom->addWidget(DBEditNAVEGADORDEFECTO, 1, 1);
    bottom->addWidget(BotDchoNavegador, 1, 2);
    bottom->addWidget(Label10, 2, 0, 1, 4);
    bottom->addWidget(Label3, 3, 0, 1, 4);
    bottom->addWidget(Label7, 4, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    bottom->addLayout(buttons, 5, 0, 1, 4);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel1, 1);
    layout->addWidget(Panel2);
    setFixedSize(680, 520);
}

void TFormManNavegadores::connectControls()
{
    Platform& platform = m_md.platform();
    const auto run = [this, &platform](void (TFormManNavegadores::*handler)()) {
        return guardedSlot(platform, this, handler);
    };
    connect(BotBusquedaAutomatica, &QPushButton::clicked, this,
        run(&TFormManNavegadores::BotBusquedaAutomaticaClick));
    connect(BitBtn1, &QPushButton::clicked, this, run(&TFormManNavegadores::BitBtn1Click));
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGrid1, &QTableWidget::cellDoubleClicked, this, run(&TFormManNavegadores::DBGrid1DblClick));
    connect(DBGrid1, &QTableWidget::cellChanged, this, [this](int row) { m_editedRow = row; });
    // Leaving an edited row stores it, as a data grid does.
    connect(DBGrid1, &QTableWidget::currentCellChanged, this, [this, &platform](int row, int, int previous) {
        if (previous != row && previous == m_editedRow)
            guarded(platform, [this] { postRow(); });
    });
    for (const auto& [button, handler] : {std::pair {m_insert, &TFormManNavegadores::insertRow},
             std::pair {m_delete, &TFormManNavegadores::deleteRow},
             std::pair {m_post, &TFormManNavegadores::postRow},
             std::pair {m_cancel, &TFormManNavegadores::cancelRow}})
        connect(button, &QPushButton::clicked, this, [this, &platform, handler] {
            PopCargarNavegadores();
            guarded(platform, [this, handler] { (this->*handler)(); });
        });
    const auto popup = [this](QWidget* over, const QPoint& at) {
        PopCargarNavegadores();
        PopMenuNavegadores->popup(over->mapToGlobal(at));
    };
    connect(BotDchoNavegador, &QPushButton::clicked, this,
        [=, this] { popup(BotDchoNavegador, QPoint(10, 10)); });
    connect(BotDchoNavegador, &QWidget::customContextMenuRequested, this,
        [=, this](const QPoint& at) { popup(BotDchoNavegador, at); });
    connect(DBEditNAVEGADORDEFECTO, &QWidget::customContextMenuRequested, this,
        [=, this](const QPoint& at) { popup(DBEditNAVEGADORDEFECTO, at); });
    connect(PopMenuNavegadores, &QMenu::triggered, this,
        [this](QAction* action) { NavegadorNavegadoresClick(action->text()); });
    enterMovesFocus({DBEditNAVEGADORDEFECTO});
}

void TFormManNavegadores::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    guarded(m_md.platform(), [this] {
        const SchemeColours colours(m_md.colores);
        colours.background({Panel1, Panel2, DBGrid1, Label10, Label3, Label7, LAviso});
        colours.hint({Label10, Label3, Label7, LAviso});
        colours.button({BotBusquedaAutomatica});
        loadBrowsers();
        // The stored default, which the settings in use may not hold yet.
        Settings stored;
        SettingsTable(m_md.Enlaces()).load(stored);
        DBEditNAVEGADORDEFECTO->setText(stored.navegadordefecto.toUpper());
        PopCargarNavegadores();
    });
}

void TFormManNavegadores::loadBrowsers()
{
    const QSignalBlocker quiet(DBGrid1);
    const QList<Browser> browsers = BrowserTable(m_md.Enlaces()).all();
    DBGrid1->setRowCount(int(browsers.size()));
    m_storedNames.clear();
    for (int row = 0; row < browsers.size(); ++row) {
        DBGrid1->setItem(row, 0, new QTableWidgetItem(browsers.at(row).nombre));
        DBGrid1->setItem(row, 1, new QTableWidgetItem(browsers.at(row).ruta));
        m_storedNames << browsers.at(row).nombre;
    }
    m_editedRow = -1;
}

void TFormManNavegadores::PopCargarNavegadores()
{
    PopMenuNavegadores->clear();
    PopMenuNavegadores->addAction(SystemBrowser);
    for (const Browser& browser : BrowserTable(m_md.Enlaces()).all()) {
        if (QFileInfo(browser.ruta).isFile())
            PopMenuNavegadores->addAction(browser.nombre);
    }
}

void TFormManNavegadores::NavegadorNavegadoresClick(const QString& caption)
{
    m_defaultEdited = true;
    DBEditNAVEGADORDEFECTO->setText(caption == SystemBrowser ? QString() : caption.toUpper());
}

void TFormManNavegadores::ConstantesBeforePost()
{
    const QString name = DBEditNAVEGADORDEFECTO->text();
    if (name.isEmpty() || BrowserTable(m_md.Enlaces()).find(name))
        return;
    DBEditNAVEGADORDEFECTO->setFocus();
    DBEditNAVEGADORDEFECTO->clear();
    throw AppError(
        QStringLiteral("El navegador ") + name + QStringLiteral("  no existe en la tabla de navegadores"));
}

void TFormManNavegadores::BitBtn1Click()
{
    if (m_defaultEdited) {
        ConstantesBeforePost();
        SettingsTable(m_md.Enlaces()).saveDefaultBrowser(DBEditNAVEGADORDEFECTO->text());
    }
    accept();
}

void TFormManNavegadores::DBGrid1DblClick()
{
    const int row = DBGrid1->currentRow();
    if (row < 0 || row >= m_storedNames.size() || m_storedNames.at(row).isEmpty())
        return;
    DBEditNAVEGADORDEFECTO->setText(m_storedNames.at(row));
    ConstantesBeforePost();
    SettingsTable(m_md.Enlaces()).saveDefaultBrowser(DBEditNAVEGADORDEFECTO->text());
    m_defaultEdited = false;
}

void TFormManNavegadores::BotBusquedaAutomaticaClick()
{
    TFormBuscarNavegadores discovery(m_md, this);
    m_md.platform().runModal(discovery);
    loadBrowsers();
    PopCargarNavegadores();
}

void TFormManNavegadores::insertRow()
{
    const int row = std::max(DBGrid1->currentRow(), 0);
    const QSignalBlocker quiet(DBGrid1);
    DBGrid1->insertRow(row);
    DBGrid1->setItem(row, 0, new QTableWidgetItem);
    DBGrid1->setItem(row, 1, new QTableWidgetItem);
    m_storedNames.insert(row, QString());
    m_editedRow = row;
    DBGrid1->setCurrentCell(row, 0);
}

void TFormManNavegadores::deleteRow()
{
    const int row = DBGrid1->currentRow();
    if (row < 0 || !m_md.platform().confirm(QStringLiteral("¿Desea eliminar el registro?")))
        return;
    if (!m_storedNames.at(row).isEmpty())
        BrowserTable(m_md.Enlaces()).remove(m_storedNames.at(row));
    loadBrowsers();
    DBGrid1->setCurrentCell(std::min(row, DBGrid1->rowCount() - 1), 0);
}

void TFormManNavegadores::postRow()
{
    const int row = m_editedRow;
    if (row < 0 || row >= DBGrid1->rowCount())
        return;
    // The name keeps to the 10 characters of the fields that refer to it.
    const Browser browser {DBGrid1->item(row, 0)->text().left(10), DBGrid1->item(row, 1)->text()};
    BrowserTable browsers(m_md.Enlaces());
    if (m_storedNames.at(row).isEmpty())
        browsers.insert(browser);
    else
        browsers.update(m_storedNames.at(row), browser);
    loadBrowsers();
}

void TFormManNavegadores::cancelRow()
{
    loadBrowsers();
}
