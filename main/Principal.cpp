#include "main/Principal.h"

#include "components/Controls.h"
#include "components/Guarded.h"
#include "components/LinkDropTarget.h"
#include "components/RadioGroup.h"
#include "components/SchemeColours.h"
#include "components/UpperCaseValidator.h"
#include "editor/AltaDirecciones.h"
#include "groups/BuscarGrupos.h"
#include "groups/ManGrupos.h"
#include "icons/IconosEnlaces.h"
#include "main/Countdown.h"
#include "main/LinkGridDelegate.h"
#include "main/LinkListModel.h"
#include "main/PictureCache.h"
#include "platform/AppError.h"
#include "platform/Platform.h"
#include "store/GroupTable.h"
#include "store/LinkQueries.h"
#include "store/MDatos.h"
#include "store/SettingsTable.h"
#include "store/TextUtils.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>

namespace {

const QString GuideName = QStringLiteral("Guia simplificada Trevalia.pdf");
const QString GridHint = QStringLiteral("Arrastra aquí los enlaces que quieras");

QString loadListFont()
{
    static const QString family = [] {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/ABeeZee-latin.woff"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QApplication::font().family() : families.first();
    }();
    return family;
}

void setBold(QWidget* widget)
{
    QFont font = widget->font();
    font.setBold(true);
    widget->setFont(font);
}

} // namespace

TFormPrincipal::TFormPrincipal(TMD& md, QWidget* parent)
    : QMainWindow(parent)
    , m_md(md)
    , m_platform(md.platform())
    , m_pictures(std::make_unique<PictureCache>(md.Enlaces()))
    , m_model(new LinkListModel(md.Enlaces(), *m_pictures, this))
    , m_delegate(new LinkGridDelegate(loadListFont(), this))
    , m_countdown(new Countdown(this))
{
    setObjectName(QStringLiteral("FormPrincipal"));
    setWindowTitle(QStringLiteral("Trevalia"));
    buildControls();
    buildMenus();
    connectControls();
    m_statement.line(u"Select * from direcciones");
    new TLinkDropTarget(Panel2, DropFormat::File | DropFormat::URL,
        [this](const DroppedLinks& links) { DropTargetDrop(links); });
    m_platform.clearClipboard();
}

TFormPrincipal::~TFormPrincipal() = default;

void TFormPrincipal::buildControls()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCentralWidget(central);

    Panel1 = named(new QFrame(central), "Panel1");
    auto* top = new QGridLayout(Panel1);
    top->setContentsMargins(8, 6, 8, 4);
    top->setVerticalSpacing(3);

    LTitulo = named(new QLabel(QStringLiteral("BÚSQUEDA DE ENLACES"), Panel1), "LTitulo");
    setBold(LTitulo);
    CKBuscaAuto = named(new QCheckBox(QStringLiteral("Búsq. &auto"), Panel1), "CKBuscaAuto");
    CKBuscaAuto->setToolTip(QStringLiteral("Busca mientras escribe si está activado"));
    CKBuscaAuto->setFocusPolicy(Qt::ClickFocus);
    BotBorrarFiltro = flatButton("BotBorrarFiltro", QString(), Panel1);
    BotBorrarFiltro->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    BotBorrarFiltro->setToolTip(QStringLiteral("Elimina filtro. Muestra TODOS"));
    EBusqueda = named(new QLineEdit(Panel1), "EBusqueda");
    EBusqueda->setValidator(new UpperCaseValidator(EBusqueda));
    EBusqueda->setToolTip(QStringLiteral("Introduce texto para buscar coincidencias con enlaces"));
    EBusqueda->setFixedWidth(330);
    BotBuscar = flatButton("BotBuscar", QString(), Panel1);
    BotBuscar->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    LTextoBusqueda
        = named(new QLabel(QStringLiteral("Escribe parte del nombre o dirección del enlace"), Panel1),
            "LTextoBusqueda");
    CKDireccion = named(new QCheckBox(QStringLiteral("dirección"), Panel1), "CKDireccion");
    CKDireccion->hide();
    LBuscar = named(new QLabel(QStringLiteral("Pulsa INTRO o botón buscar"), Panel1), "LBuscar");
    LBuscar->hide();
    BotGrupo = flatButton("BotGrupo", QStringLiteral("&Grupo:"), Panel1);
    setBold(BotGrupo);
    BotGrupo->setToolTip(QStringLiteral("Muestra pantalla para seleccionar grupo"));
    ComboGrupos = named(new QComboBox(Panel1), "ComboGrupos");
    setBold(ComboGrupos);
    ComboGrupos->setMaxVisibleItems(15);
    ComboGrupos->setFixedWidth(330);
    ComboGrupos->setToolTip(QStringLiteral("Botón derecho del ratón para gestión de grupos"));
    ROrden = named(new RadioGroup(QStringLiteral("&Orden"),
                       {QStringLiteral("prior + g&rupo"), QStringLiteral("prior + &titulo"),
                           QStringLiteral("&recientes")},
                       Panel1),
        "ROrden");
    ROrden->setToolTip(QStringLiteral("Ordenar resultado"));
    ROrden->setItemIndex(0);
    const QString timeHint = QStringLiteral(
        "Cierra la aplicación al pasar el tiempo determinado. Puede cambiarse en Constantes");
    LTiempo1 = named(new QLabel(QStringLiteral("Cierra automático en:"), Panel1), "LTiempo1");
    LTiempo1->setToolTip(timeHint);
    LTiempo1->hide();
    LSegundos = named(new QLabel(Panel1), "LSegundos");
    LSegundos->setToolTip(timeHint);
    LSegundos->hide();
    BotCerrar = flatButton("BotCerrar", QStringLiteral("&Cerrar"), Panel1);
    BotCerrar->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    setBold(BotCerrar);
    BotGuia = flatButton("BotGuia", QStringLiteral("Guía"), Panel1);
    BotGuia->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    BotEscape = flatButton("BotEscape", QStringLiteral("Esc = Todos"), Panel1);
    BotFavoritos = flatButton("BotFavoritos", QStringLiteral("F1 = Favoritos"), Panel1);
    BotAnadirEnlace = flatButton("BotAnadirEnlace", QStringLiteral("&Nuevo Enlace"), Panel1);
    setBold(BotAnadirEnlace);
    BotAnadirEnlace->setToolTip(QStringLiteral("Abre pantalla para introducir un nuevo enlace"));
    LSeleccionaEnlace = named(
        new QLabel(QStringLiteral("Selecciona enlace y (doble-click o intro)"), Panel1), "LSeleccionaEnlace");
    setBold(LSeleccionaEnlace);
    LSeleccionaEnlace->hide();
    LNum = named(new QLabel(Panel1), "LNum");
    LNum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LNum->setMinimumWidth(80);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(BotBorrarFiltro);
    searchRow->addWidget(EBusqueda);
    searchRow->addWidget(BotBuscar);
    searchRow->addStretch();
    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(BotGrupo);
    groupRow->addWidget(ComboGrupos);
    groupRow->addStretch();
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(LTiempo1);
    timeRow->addWidget(LSegundos);
    timeRow->addStretch();
    auto* buttonsRow = new QHBoxLayout;
    buttonsRow->addWidget(BotEscape);
    buttonsRow->addWidget(BotFavoritos);
    buttonsRow->addStretch();
    buttonsRow->addWidget(BotAnadirEnlace);
    buttonsRow->addWidget(BotGuia);
    buttonsRow->addWidget(BotCerrar);
    auto* resultRow = new QHBoxLayout;
    resultRow->addWidget(LSeleccionaEnlace);
    resultRow->addStretch();
    resultRow->addWidget(LNum);

    top->addWidget(LTitulo, 0, 0);
    top->addWidget(CKBuscaAuto, 0, 1, Qt::AlignRight);
    top->addLayout(searchRow, 1, 0);
    auto* hints = new QHBoxLayout;
    hints->setContentsMargins(30, 0, 0, 0);
    hints->addWidget(LTextoBusqueda);
    hints->addWidget(CKDireccion);
    hints->addWidget(LBuscar);
    hints->addStretch();
    top->addLayout(hints, 2, 0);
    top->addLayout(groupRow, 3, 0);
    top->addWidget(ROrden, 1, 1, 3, 1);
    top->addLayout(timeRow, 4, 0, 1, 2);
    top->addLayout(buttonsRow, 5, 0, 1, 2);
    top->addLayout(resultRow, 6, 0, 1, 2);
    layout->addWidget(Panel1);

    Panel2 = named(new QFrame(central), "Panel2");
    auto* listLayout = new QVBoxLayout(Panel2);
    listLayout->setContentsMargins(0, 0, 0, 0);
    DBGrid1 = named(new QTableView(Panel2), "DBGrid1");
    DBGrid1->setModel(m_model);
    DBGrid1->setItemDelegate(m_delegate);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    DBGrid1->setShowGrid(false);
    DBGrid1->setFrameShape(QFrame::NoFrame);
    DBGrid1->horizontalHeader()->hide();
    DBGrid1->verticalHeader()->hide();
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->setDefaultSectionSize(QFontMetrics(m_delegate->gridFont()).height() + 3);
    DBGrid1->setWordWrap(false);
    DBGrid1->setMouseTracking(true);
    DBGrid1->setToolTip(GridHint);
    DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    const int widths[] = {10, 30, 25, 380, 250, 43, 20};
    for (int column = 0; column < LinkListModel::ColumnCount; ++column) {
        if (column < int(std::size(widths)))
            DBGrid1->setColumnWidth(column, widths[column]);
        else
            DBGrid1->setColumnHidden(column, true);
    }
    listLayout->addWidget(DBGrid1);
    PanelInfo = named(
        new QLabel(QStringLiteral("No hay enlaces que cumplan con la búsqueda"), Panel2), "PanelInfo");
    setBold(PanelInfo);
    PanelInfo->setAlignment(Qt::AlignCenter);
    PanelInfo->setFrameShape(QFrame::Panel);
    PanelInfo->setGeometry(100, 40, 560, 60);
    PanelInfo->hide();
    layout->addWidget(Panel2, 1);

    Panel4 = named(new QFrame(central), "Panel4");
    auto* help = new QHBoxLayout(Panel4);
    help->setContentsMargins(8, 3, 8, 3);
    Label4 = named(
        new QLabel(
            QStringLiteral("Selección múltiple:  Ctrl+click  Bot.dcho.  y   Cllick+fecha abajo / arriba "),
            Panel4),
        "Label4");
    Label5 = named(new QLabel(QStringLiteral("Botón derecho para operaciones"), Panel4), "Label5");
    setBold(Label5);
    help->addWidget(Label4);
    help->addStretch();
    help->addWidget(Label5);
    layout->addWidget(Panel4);

    setTabOrder(EBusqueda, ComboGrupos);
    setTabOrder(ComboGrupos, DBGrid1);
}

QAction* TFormPrincipal::action(const char* name, const QString& caption, void (TFormPrincipal::*handler)())
{
    auto* created = named(new QAction(caption, this), name);
    if (handler)
        connect(created, &QAction::triggered, this,
            [this, handler] { guarded(m_platform, [this, handler] { (this->*handler)(); }); });
    return created;
}

void TFormPrincipal::buildMenus()
{
    // The actions of the windows still to come are in place and open nothing yet.
    MAbrirEnlace
        = action("MAbrirEnlace", QStringLiteral("Abrir enlace..."), &TFormPrincipal::MAbrirEnlaceExecute);
    MNuevoEnlace
        = action("MNuevoEnlace", QStringLiteral("Nuevo Enlace"), &TFormPrincipal::MNuevoEnlaceExecute);
    MEditarEnlace
        = action("MEditarEnlace", QStringLiteral("Editar Enlace"), &TFormPrincipal::MEditarEnlaceExecute);
    MBorrarEnlace
        = action("MBorrarEnlace", QStringLiteral("Borrar Enlace"), &TFormPrincipal::MBorrarEnlaceExecute);
    MPegarEnlace
        = action("MPegarEnlace", QStringLiteral("Pegar Enlace"), &TFormPrincipal::MPegarEnlaceExecute);
    MGuia = action("MGuia", QStringLiteral("Guía"), &TFormPrincipal::MGuiaExecute);
    QAction* MManGrupos
        = action("MManGrupos", QStringLiteral("Gestionar Grupos"), &TFormPrincipal::MManGruposExecute);
    QAction* MNuevoGrupo
        = action("MNuevoGrupo", QStringLiteral("Nuevo grupo"), &TFormPrincipal::MNuevoGrupoExecute);

    QMenu* archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    archivo->addAction(QStringLiteral("Cerrar"), this, &QWidget::close);
    QMenu* mantenimiento = menuBar()->addMenu(QStringLiteral("&Mantenimiento"));
    mantenimiento->addAction(MNuevoEnlace);
    mantenimiento->addSeparator();
    mantenimiento->addAction(MManGrupos);
    mantenimiento->addAction(
        action("MManNavegadores", QStringLiteral("Navegadores"), &TFormPrincipal::MManNavegadoresExecute));
    mantenimiento->addSeparator();
    mantenimiento->addAction(action("MQuitarPrioridades", QStringLiteral("Quita prioridades de los enlaces"),
        &TFormPrincipal::MQuitarPrioridadesExecute));
    QMenu* utilidades = menuBar()->addMenu(QStringLiteral("&Utilidades"));
    utilidades->addAction(action(
        "MConfiguracion", QStringLiteral("Configuración general"), &TFormPrincipal::MConfiguracionExecute));
    utilidades->addSeparator();
    utilidades->addAction(
        action("MIconosEnlaces", QStringLiteral("Iconos enlaces"), &TFormPrincipal::MIconosEnlacesExecute));
    utilidades->addAction(action("MColores", QStringLiteral("Colores"), &TFormPrincipal::MColoresExecute));
    utilidades->addSeparator();
    utilidades->addAction(action("MImportarFavoritos", QStringLiteral("Importar favoritos navegadores"),
        &TFormPrincipal::MImportarFavoritosExecute));
    utilidades->addSeparator();
    utilidades->addAction(
        action("MBorrarBD", QStringLiteral("Borrar TODO"), &TFormPrincipal::MBorrarBDExecute));
    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("A&yuda"));
    ayuda->addAction(MGuia);
    ayuda->addSeparator();
    ayuda->addAction(action("MAcercade", QStringLiteral("Acerca de..."), &TFormPrincipal::MAcercadeExecute));

    PopMenuPoner = named(new QMenu(this), "PopMenuPoner");
    auto entry = [this](const char* name, const QString& caption, void (TFormPrincipal::*handler)()) {
        QAction* created = action(name, caption, handler);
        PopMenuPoner->addAction(created);
        return created;
    };
    Abrirenlace1
        = entry("Abrirenlace1", QStringLiteral("Abrir enlace..."), &TFormPrincipal::MAbrirEnlaceExecute);
    Abrircomoadministrador1 = entry("Abrircomoadministrador1", QStringLiteral("Abrir como administrador"),
        &TFormPrincipal::MAbrirAdministradorExecute);
    Abrircon1 = named(PopMenuPoner->addMenu(QStringLiteral("Abrir con...")), "Abrircon1");
    PopMenuPoner->addSeparator();
    EditarEnlace1
        = entry("EditarEnlace1", QStringLiteral("Editar Enlace"), &TFormPrincipal::MEditarEnlaceExecute);
    BorrarEnlace1
        = entry("BorrarEnlace1", QStringLiteral("Borrar Enlace"), &TFormPrincipal::MBorrarEnlaceExecute);
    VerEnlace = entry("VerEnlace", QStringLiteral("Ver enlace"), &TFormPrincipal::MVerEnlaceExecute);
    PopMenuPoner->addSeparator();
    AsignarPrioridad1 = entry("AsignarPrioridad1", QStringLiteral("Asignar prioridad..."),
        &TFormPrincipal::MAsignarPrioridadExecute);
    AsignarGrupo1 = named(PopMenuPoner->addMenu(QStringLiteral("Asignar Grupo...")), "AsignarGrupo1");
    Borrargrupo1
        = entry("Borrargrupo1", QStringLiteral("Borrar grupo"), &TFormPrincipal::MBorrarGrupoExecute);
    Borrargrupo1->setToolTip(QStringLiteral("Borra el grupo y deja todos sus enlaces sin grupo"));
    BorrarGrupoYEnlaces1 = entry("BorrarGrupoYEnlaces1", QStringLiteral("Borrar grupo y sus enlaces"),
        &TFormPrincipal::MBorrarGrupoyEnlacesExecute);
    BorrarGrupoYEnlaces1->setToolTip(QStringLiteral("Borrar el grupo y todos los enlaces del grup"));
    PopMenuPoner->addSeparator();
    AnadirFavorPersonal1 = entry("AnadirFavorPersonal1", QStringLiteral("Añadir a Favoritos"),
        &TFormPrincipal::MAnadirFavoritoExecute);
    QuitarFavorPersonal1 = entry("QuitarFavorPersonal1", QStringLiteral("Quitar de Favoritos"),
        &TFormPrincipal::MQuitarFavoritoExecute);
    AadirFavorito1 = entry("AadirFavorito1", QStringLiteral("Eliminar TODA la llista Favoritos"),
        &TFormPrincipal::MBorrarFavoritosExecute);
    PopMenuPoner->addSeparator();
    AbrirUbicacion1 = entry(
        "AbrirUbicacion1", QStringLiteral("Abrir Ubicación"), &TFormPrincipal::MAbrirUbicacionExecute);
    CopiarEnlace
        = entry("CopiarEnlace", QStringLiteral("Copiar Enlace"), &TFormPrincipal::MCopiarEnlaceExecute);
    PegarEnlace1
        = entry("PegarEnlace1", QStringLiteral("Pegar Enlace"), &TFormPrincipal::MPegarEnlaceExecute);
    PopMenuPoner->addSeparator();
    BorraFisicamente = entry("BorraFisicamente", QStringLiteral("Borrar FISICAMENTE carpeta y subcarpetas"),
        &TFormPrincipal::MBorrarFisicamenteExecute);
    connect(PopMenuPoner, &QMenu::aboutToShow, this, [this] { PopMenuPonerPopup(); });
    connect(Abrircon1, &QMenu::triggered, this,
        [this](QAction* chosen) { guarded(m_platform, [this, chosen] { NavegadorClick(chosen->text()); }); });
    connect(AsignarGrupo1, &QMenu::triggered, this,
        [this](QAction* chosen) { guarded(m_platform, [this, chosen] { GruposClick(chosen->text()); }); });

    PopupMenuNuevo = named(new QMenu(this), "PopupMenuNuevo");
    PopupMenuNuevo->addAction(MNuevoEnlace);
    PopupMenuNuevo->addAction(MPegarEnlace);
    connect(PopupMenuNuevo, &QMenu::aboutToShow, this,
        [this] { MPegarEnlace->setVisible(m_platform.clipboardFormatCount() > 0); });
    m_gridMenu = PopupMenuNuevo;

    PopupMenuGrupos = named(new QMenu(this), "PopupMenuGrupos");
    PopupMenuGrupos->addAction(MNuevoGrupo);
    PopupMenuGrupos->addSeparator();
    PopupMenuGrupos->addAction(MManGrupos);
}

void TFormPrincipal::connectControls()
{
    ComboGrupos->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ComboGrupos, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& at) { PopupMenuGrupos->popup(ComboGrupos->mapToGlobal(at)); });
    connect(BotGuia, &QPushButton::clicked, MGuia, &QAction::trigger);
    connect(BotAnadirEnlace, &QPushButton::clicked, MNuevoEnlace, &QAction::trigger);
    connect(BotCerrar, &QPushButton::clicked, this, &QWidget::close);
    connect(BotBuscar, &QPushButton::clicked, this,
        [this] { guarded(m_platform, [this] { ComboGruposSelect(); }); });
    connect(BotBorrarFiltro, &QPushButton::clicked, this,
        [this] { guarded(m_platform, [this] { BotBorrarFiltroClick(); }); });
    connect(BotEscape, &QPushButton::clicked, BotBorrarFiltro, &QPushButton::click);
    connect(BotFavoritos, &QPushButton::clicked, this, [this] {
        ComboGrupos->setCurrentIndex(1);
        guarded(m_platform, [this] { ComboGruposSelect(); });
    });
    connect(
        BotGrupo, &QPushButton::clicked, this, [this] { guarded(m_platform, [this] { BotGrupoClick(); }); });
    connect(ComboGrupos, &QComboBox::activated, this,
        [this] { guarded(m_platform, [this] { ComboGruposSelect(); }); });
    connect(ROrden, &RadioGroup::itemChanged, this,
        [this] { guarded(m_platform, [this] { ComboGruposSelect(); }); });
    connect(EBusqueda, &QLineEdit::textChanged, this, [this] {
        if (!m_silentSearchChange)
            guarded(m_platform, [this] { EBusquedaChange(); });
    });
    connect(CKBuscaAuto, &QCheckBox::clicked, this, [this] {
        EBusqueda->setFocus();
        LBuscar->setVisible(!CKBuscaAuto->isChecked());
    });
    connect(CKDireccion, &QCheckBox::clicked, this, [this] {
        LTextoBusqueda->setText(CKDireccion->isChecked()
                ? QStringLiteral("Escribe parte del nombre o dirección del enlace")
                : QStringLiteral("Escribe parte del nombre del enlace"));
        if (CKDireccion->hasFocus()) {
            guarded(m_platform, [this] { ComboGruposSelect(); });
            EBusqueda->setFocus();
        }
    });
    connect(DBGrid1, &QAbstractItemView::doubleClicked, this, [this] {
        if (selectedRows().size() == 1)
            MAbrirEnlace->trigger();
    });
    connect(DBGrid1, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& at) { m_gridMenu->popup(DBGrid1->viewport()->mapToGlobal(at)); });
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current, const QModelIndex& previous) {
            if (previous.isValid() && current.column() != previous.column())
                m_countdown->restart();
            if (current.row() != previous.row())
                updateListHint();
        });
    connect(m_countdown, &Countdown::shown, LSegundos, &QLabel::setText);

    for (QWidget* watched : {static_cast<QWidget*>(EBusqueda), static_cast<QWidget*>(ComboGrupos),
             static_cast<QWidget*>(DBGrid1), DBGrid1->viewport(), static_cast<QWidget*>(LSegundos)})
        watched->installEventFilter(this);
}

void TFormPrincipal::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    guarded(m_platform, [this] {
        PonerColores();
        if (!QFileInfo::exists(guidePath())) {
            MGuia->setVisible(false);
            BotGuia->hide();
        }
        const QScreen* screen = this->screen();
        const QRect whole = screen ? screen->geometry() : QRect(0, 0, 1000, 1000);
        setFixedSize(760, std::clamp(whole.height() - 500, 500, 825));
        move((screen ? screen->availableGeometry() : whole).center() - rect().center());
        DBGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        DBGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        SubMenuNavegadores();
        CargarInicio();
        if (m_md.constantes.BorrarInicioClipBoard)
            m_platform.clearClipboard();
        if (!m_model->isOpen())
            m_model->open(ListInputs());
    });
}

void TFormPrincipal::closeEvent(QCloseEvent* event)
{
    guarded(m_platform, [this] { GuardarPreferencias(); });
    if (m_md.constantes.BorrarFinClipBoard)
        m_platform.clearClipboard();
    QMainWindow::closeEvent(event);
}

void TFormPrincipal::PonerColores()
{
    const SchemeColours colours(m_md.colores);
    colours.background({Panel1, Panel2, Panel4, DBGrid1, LTitulo, LSeleccionaEnlace, PanelInfo, LNum, LBuscar,
        LTextoBusqueda});
    colours.title({LTitulo});
    colours.button({BotGrupo, BotAnadirEnlace, BotCerrar, BotGuia});
    colours.message({LSeleccionaEnlace, PanelInfo, Label4, Label5});
    colours.hint({BotEscape, BotFavoritos, LNum, LBuscar, LTextoBusqueda});
    colours.edit({EBusqueda});
}

void TFormPrincipal::CargarInicio()
{
    const Settings& settings = m_md.constantes;
    CargarGrupoCombo();
    ROrden->setItemIndex(settings.guardaSalir ? settings.orden : 0);
    ComboGrupos->setCurrentIndex(0);
    if (!settings.favoritossihay) {
        const int position = settings.guardaSalir ? settings.grupo : 0;
        // A stored position past the last group falls back to every link.
        ComboGrupos->setCurrentIndex(position >= 0 && position < ComboGrupos->count() ? position : 0);
    } else if (NumFavoritos() > 0) {
        ComboGrupos->setCurrentIndex(1);
    }
    CKBuscaAuto->setChecked(settings.buscauto);
    LBuscar->setVisible(!settings.buscauto);
    CKDireccion->setChecked(settings.buscardireccion);
    if (settings.buscardireccion)
        LTextoBusqueda->setText(settings.buscauto
                ? QStringLiteral("Escribe parte del nombre o dirección del enlace")
                : QStringLiteral("Escribe parte del nombre o dirección del enlace y pulsa INTRO"));
    else
        LTextoBusqueda->setText(settings.buscauto
                ? QStringLiteral("Escribe parte del nombre del enlace")
                : QStringLiteral("Escribe parte del nombre del enlace y pulsa INTRO"));
    LNum->clear();
    LTiempo1->setVisible(settings.tiempo != 0);
    LSegundos->setVisible(settings.tiempo != 0);
    LSegundos->clear();
    m_countdown->VerTiempo(settings.tiempo);
    EBusqueda->setFocus();
    ComboGruposSelect();
}

void TFormPrincipal::CargarGrupoCombo()
{
    ComboGrupos->clear();
    ComboGrupos->addItems(
        {QStringLiteral("TODOS"), QStringLiteral("FAVORITOS"), QStringLiteral("SIN GRUPO")});
    for (const Group& group : GroupTable(m_md.Enlaces()).all())
        ComboGrupos->addItem(group.codgrupo + u'-' + group.nomgrupo);
    ComboGrupos->setMaxVisibleItems(std::min(ComboGrupos->count() + 2, 30));
    // A rebuilt selector shows no item until one is chosen.
    ComboGrupos->setCurrentIndex(-1);
    // The group submenu of the link menu always lists the same groups.
    SubMenuGrupos();
}

void TFormPrincipal::ComboGruposSelect()
{
    DBGrid1->setToolTip(QString());
    switch (const int position = ComboGrupos->currentIndex()) {
    case -1:
        break;
    case 0:
        CargarQuery(QStringLiteral("TODOS"));
        break;
    case 1:
        setSearchTextSilently(QString());
        CargarQuery(QStringLiteral("FAVORITOS"));
        break;
    case 2:
        CargarQuery(QString());
        break;
    default:
        setSearchTextSilently(QString());
        CargarQuery(QuitarBlancos(ExtraerToken(ComboGrupos->itemText(position), QStringLiteral("-"), 1, 1)));
    }
    EBusqueda->setFocus();
}

void TFormPrincipal::CargarQuery(const QString& selector)
{
    const ListInputs inputs {EBusqueda->text(), CKDireccion->isChecked(), selector, ROrden->itemIndex()};
    m_model->close();
    m_statement = listStatement(inputs);
    m_model->open(inputs);
    presentResult();
}

void TFormPrincipal::presentResult()
{
    const bool found = m_model->rowCount() > 0;
    if (found) {
        // The first link of a new result is the current one, so its address is the hint.
        DBGrid1->selectionModel()->setCurrentIndex(
            m_model->index(0, LinkListModel::Titulo), QItemSelectionModel::NoUpdate);
        showCount();
        m_gridMenu = PopMenuPoner;
        BotEscape->show();
        BotFavoritos->show();
        PanelInfo->hide();
        LSeleccionaEnlace->setText(QStringLiteral("Selecciona enlace y (doble-click o intro)"));
        LSeleccionaEnlace->show();
        Label4->show();
        Label5->show();
        return;
    }
    LNum->clear();
    Label4->hide();
    Label5->hide();
    const bool anyLink = m_md.NumRegDirecciones() != 0;
    BotEscape->setVisible(anyLink);
    BotFavoritos->setVisible(anyLink);
    if (anyLink) {
        PanelInfo->setText(QStringLiteral("No hay enlaces que cumplan con la búsqueda"));
        LSeleccionaEnlace->hide();
    } else {
        PanelInfo->setText(QStringLiteral("No hay ningún enlace"));
        LSeleccionaEnlace->setText(QStringLiteral("Agrega nuevos enlaces"));
        LSeleccionaEnlace->show();
    }
    PanelInfo->show();
    PanelInfo->raise();
    EBusqueda->setFocus();
    m_gridMenu = PopupMenuNuevo;
}

void TFormPrincipal::refreshList()
{
    const QModelIndex current = DBGrid1->currentIndex();
    const qint64 id = current.isValid() ? m_model->idAt(current.row()) : 0;
    m_model->refresh();
    int row = m_model->rowOf(id);
    if (row < 0 && current.isValid())
        row = std::min(current.row(), m_model->rowCount() - 1);
    if (row >= 0)
        DBGrid1->selectionModel()->setCurrentIndex(
            m_model->index(row, LinkListModel::Titulo), QItemSelectionModel::NoUpdate);
}

void TFormPrincipal::showCount()
{
    LNum->setText(QString::number(m_model->rowCount()));
}

int TFormPrincipal::NumFavoritos()
{
    const Statement favourites = LinkQueries::favoritos();
    Cursor cursor = m_md.Enlaces().query(
        QStringLiteral("SELECT count(*) FROM (%1)").arg(favourites.boundSql()), favourites.values());
    return cursor.next() ? int(cursor.integer(0)) : 0;
}

void TFormPrincipal::GuardarPreferencias()
{
    if (m_md.constantes.guardaSalir && m_md.Enlaces().readOnlyReason().isEmpty())
        SettingsTable(m_md.Enlaces()).saveOrderAndGroup(ROrden->itemIndex(), ComboGrupos->currentIndex());
}

void TFormPrincipal::updateListHint()
{
    const QModelIndex current = DBGrid1->currentIndex();
    if (!current.isValid())
        return;
    const QString address = m_model->index(current.row(), LinkListModel::Direccion).data().toString();
    const QString browser = m_model->index(current.row(), LinkListModel::Navegador).data().toString();
    DBGrid1->setToolTip(browser.isEmpty() ? address : address + QStringLiteral(" (") + browser + u')');
}

void TFormPrincipal::setSearchTextSilently(const QString& text)
{
    m_silentSearchChange = true;
    EBusqueda->setText(text);
    m_silentSearchChange = false;
}

void TFormPrincipal::BotBorrarFiltroClick()
{
    setSearchTextSilently(QString());
    CargarGrupoCombo();
    ComboGrupos->setCurrentIndex(0);
    ComboGruposSelect();
}

void TFormPrincipal::BotGrupoClick()
{
    const CountdownPause pause(*m_countdown);
    TFormBuscarGrupos picker(m_md, this);
    picker.GrupoElegido.clear();
    m_platform.runModal(picker);
    if (!picker.GrupoElegido.isEmpty())
        selectGroup(picker.GrupoElegido);
}

void TFormPrincipal::selectGroup(const QString& label)
{
    CargarGrupoCombo();
    const int position = ComboGrupos->findText(label);
    if (position > 0) {
        ComboGrupos->setCurrentIndex(position);
        ComboGruposSelect();
    }
}

void TFormPrincipal::MNuevoEnlaceExecute()
{
    const CountdownPause pause(*m_countdown);
    TFormAltaDirecciones editor(m_md, this);
    editor.Modo = QStringLiteral("ALTA");
    const QModelIndex current = DBGrid1->currentIndex();
    if (ComboGrupos->currentIndex() > 1)
        editor.setGrupo(current.isValid()
                ? m_model->index(current.row(), LinkListModel::CodGrupo).data().toString()
                : QString());
    if (ComboGrupos->currentIndex() == 1)
        editor.setFavorito(true);
    m_platform.runModal(editor);
    if (editor.Guardado) {
        ROrden->setItemIndex(2);
        refreshList();
        showCount();
        if (m_model->rowCount() > 0)
            DBGrid1->setCurrentIndex(m_model->index(0, LinkListModel::Titulo));
        CargarGrupoCombo();
    }
    if (m_md.NumRegDirecciones() != 0 && PanelInfo->isVisible())
        BotBorrarFiltro->click();
}

void TFormPrincipal::MEditarEnlaceExecute()
{
    const QModelIndex current = DBGrid1->currentIndex();
    if (!current.isValid())
        return;
    const qint64 id = m_model->idAt(current.row());
    TFormAltaDirecciones editor(m_md, this);
    editor.Modo = QStringLiteral("EDITAR");
    editor.IdEnlace = QString::number(id);
    editor.setFavorito(
        m_model->index(current.row(), LinkListModel::Tipo).data().toString() == QStringLiteral("F"));
    m_platform.runModal(editor);
    if (!editor.Guardado)
        return;
    refreshList();
    showCount();
    const int row = m_model->rowOf(id);
    if (row >= 0)
        DBGrid1->setCurrentIndex(m_model->index(row, LinkListModel::Titulo));
}

void TFormPrincipal::MManGruposExecute()
{
    {
        const CountdownPause pause(*m_countdown);
        TFormManGrupos window(m_md, this);
        m_platform.runModal(window);
    }
    CargarGrupoCombo();
    BotBorrarFiltro->click();
}

void TFormPrincipal::MIconosEnlacesExecute()
{
    TFormIconosEnlaces library(m_md, this);
    m_platform.runModal(library);
    ComboGruposSelect();
}

void TFormPrincipal::EBusquedaChange()
{
    if (EBusqueda->text().isEmpty())
        PanelInfo->hide();
    if (ComboGrupos->currentIndex() != 0)
        ComboGrupos->setCurrentIndex(0);
    if (CKBuscaAuto->isChecked())
        ComboGruposSelect();
    else
        m_model->close();
}

QList<int> TFormPrincipal::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : DBGrid1->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TFormPrincipal::MAbrirEnlaceExecute()
{
    const QList<int> rows = selectedRows();
    const int count = int(rows.size());
    if (count < 11 || m_md.constantes.nummaxabrir < 11
        || m_platform.confirm(QStringLiteral("Seguro que quieres abrir %1 enlaces a la vez?").arg(count)))
        AbrirEnlacesYa(rows);
}

void TFormPrincipal::AbrirEnlacesYa(const QList<int>& rows)
{
    const int limit = m_md.constantes.nummaxabrir;
    if (limit < rows.size()) {
        m_platform.showInformation(
            QStringLiteral("Se ha configurado que no se pueden abrir más de %1 enlaces a la vez").arg(limit));
        return;
    }
    for (const int row : rows) {
        const QString message
            = m_md.AbrirLink(m_model->index(row, LinkListModel::Direccion).data().toString(),
                m_model->index(row, LinkListModel::Navegador).data().toString());
        if (!message.isEmpty())
            m_platform.showInformation(message);
    }
    refreshList();
    showCount();
    DBGrid1->clearSelection();
}

void TFormPrincipal::MGuiaExecute()
{
    m_platform.shellOpen({guidePath(), {}, {}});
}

QString TFormPrincipal::guidePath() const
{
    return m_md.RutaPrograma() + GuideName;
}

bool TFormPrincipal::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == EBusqueda) {
        if (type == QEvent::KeyPress || type == QEvent::KeyRelease)
            return searchBoxKey(static_cast<QKeyEvent*>(event));
        if (type == QEvent::MouseButtonPress)
            m_countdown->restart();
    } else if (watched == ComboGrupos && type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Down) {
            const int next = ComboGrupos->currentIndex() + 1;
            ComboGrupos->setCurrentIndex(next < ComboGrupos->count() ? next : -1);
            return true;
        }
        if (key->key() == Qt::Key_Up) {
            if (ComboGrupos->currentIndex() > 0)
                ComboGrupos->setCurrentIndex(ComboGrupos->currentIndex() - 1);
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            BotBorrarFiltro->click();
            return true;
        }
        if (!key->text().isEmpty()) {
            EBusqueda->setFocus();
            return false;
        }
    } else if (watched == DBGrid1) {
        if (type == QEvent::KeyPress)
            return gridKey(static_cast<QKeyEvent*>(event));
        if (type == QEvent::FocusIn) {
            if (m_model->rowCount() == 0)
                EBusqueda->setFocus();
            m_countdown->restart();
        }
        if (type == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                DBGrid1->clearSelection();
        }
    } else if (watched == DBGrid1->viewport() && type == QEvent::MouseMove) {
        m_countdown->restartInterval();
    } else if (watched == LSegundos && type == QEvent::MouseButtonDblClick) {
        m_countdown->toggle();
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TFormPrincipal::searchBoxKey(QKeyEvent* key)
{
    if (key->type() == QEvent::KeyRelease) {
        if (key->key() == Qt::Key_F1 || key->key() == Qt::Key_F2) {
            ComboGrupos->setCurrentIndex(key->key() == Qt::Key_F1 ? 1 : 2);
            guarded(m_platform, [this] { ComboGruposSelect(); });
            return true;
        }
        return false;
    }
    if (!key->text().isEmpty())
        m_countdown->restart();
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_model->rowCount() == 1) {
            DBGrid1->setFocus();
            DBGrid1->selectRow(0);
            MAbrirEnlace->trigger();
        }
        guarded(m_platform, [this] { ComboGruposSelect(); });
        return true;
    case Qt::Key_Escape:
        BotBorrarFiltro->click();
        return true;
    case Qt::Key_Down:
        if (m_model->rowCount() > 0) {
            DBGrid1->setCurrentIndex(m_model->index(0, LinkListModel::Titulo));
            DBGrid1->setFocus();
        }
        return true;
    case Qt::Key_Delete:
        EBusqueda->clear();
        return true;
    case Qt::Key_Insert:
        MNuevoEnlace->trigger();
        return true;
    default:
        return false;
    }
}

bool TFormPrincipal::gridKey(QKeyEvent* key)
{
    const bool hasRows = m_model->rowCount() > 0;
    switch (key->key()) {
    case Qt::Key_Escape:
        BotBorrarFiltro->click();
        return true;
    case Qt::Key_Insert:
        MNuevoEnlace->trigger();
        return true;
    case Qt::Key_Delete:
        MBorrarEnlace->trigger();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // The keypad's Enter is Enter; Shift does not change what Enter does.
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::ControlModifier && hasRows)
            MEditarEnlace->trigger();
        if ((modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier) && hasRows) {
            const QModelIndex current = DBGrid1->currentIndex();
            if (current.isValid())
                DBGrid1->selectionModel()->select(
                    current, QItemSelectionModel::Select | QItemSelectionModel::Rows);
            if (selectedRows().size() == 1)
                MAbrirEnlace->trigger();
        }
        return true;
    }
    default:
        return false;
    }
}
