#include "editor/AltaDirecciones.h"

#include "components/BitmapFile.h"
#include "components/Controls.h"
#include "components/Guarded.h"
#include "components/LinkDropTarget.h"
#include "components/PriorityKeys.h"
#include "components/SchemeColours.h"
#include "components/SiguienteControl.h"
#include "components/UpperCaseValidator.h"
#include "editor/LinkKind.h"
#include "groups/AltaGrupos.h"
#include "icons/SelIcono.h"
#include "store/BrowserTable.h"
#include "store/DefaultPictures.h"
#include "store/GroupTable.h"
#include "store/LinkTable.h"
#include "store/MDatos.h"
#include "store/PictureTable.h"
#include "store/TextUtils.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStyle>

namespace {

const QString Alta = QStringLiteral("ALTA");
const QString Editar = QStringLiteral("EDITAR");
const QString MenuHint = QStringLiteral("Botón derecho del ratón para desplegar menú");

QLineEdit* greyBox(const char* name, QWidget* parent)
{
    auto* box = named(new QLineEdit(parent), name);
    box->setReadOnly(true);
    box->setValidator(new UpperCaseValidator(box));
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(0xE0, 0xE0, 0xE0));
    box->setPalette(palette);
    return box;
}

QLabel* label(const QString& text, QWidget* parent, const char* name = nullptr)
{
    auto* created = new QLabel(text, parent);
    if (name)
        created->setObjectName(QLatin1StringView(name));
    return created;
}

} // namespace

TFormAltaDirecciones::TFormAltaDirecciones(TMD& md, QWidget* parent)
    : QDialog(parent)
    , m_md(md)
{
    setObjectName(QStringLiteral("FormAltaDirecciones"));
    buildControls();
    connectControls();
    m_dropTarget = new TLinkDropTarget(
        Panel1, AllDropFormats, [this](const DroppedLinks& links) { DropTargetDrop(links); });
    LSugerencia->clear();
}

void TFormAltaDirecciones::buildControls()
{
    Panel1 = named(new QWidget(this), "Panel1");
    ETitulo = named(new QLineEdit(Panel1), "ETitulo");
    ETitulo->setMaxLength(100);
    ETitulo->setValidator(new UpperCaseValidator(ETitulo));
    EDireccion = named(new QLineEdit(Panel1), "EDireccion");
    EDireccion->setMaxLength(300);
    BotAbrir = named(new QPushButton(Panel1), "BotAbrir");
    BotAbrir->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    BotAbrir->setToolTip(QStringLiteral("Navegar hasta el  archivo, documento, o ejecutable"));
    BotAbrir->setAutoDefault(false);
    BotProbarEnlace = flatButton("BotProbarEnlace", QStringLiteral("Probar enlace"), Panel1);
    Label7 = label(QStringLiteral("Arrastrar web en dirección"), Panel1, "Label7");
    EGrupo = greyBox("EGrupo", Panel1);
    BotDchoGrupo = named(new QPushButton(QStringLiteral("▼"), Panel1), "BotDchoGrupo");
    BotDchoGrupo->setToolTip(MenuHint);
    BotDchoGrupo->setContextMenuPolicy(Qt::CustomContextMenu);
    BotDchoGrupo->setAutoDefault(false);
    Label5 = label(QStringLiteral("bot dcho ratón  grupo"), Panel1, "Label5");
    ENavegador = greyBox("ENavegador", Panel1);
    BotDchoNavegador = named(new QPushButton(QStringLiteral("▼"), Panel1), "BotDchoNavegador");
    BotDchoNavegador->setToolTip(MenuHint);
    BotDchoNavegador->setContextMenuPolicy(Qt::CustomContextMenu);
    BotDchoNavegador->setAutoDefault(false);
    Label6 = label(QStringLiteral("bot dcho ratón navegador"), Panel1, "Label6");
    EPrioridad = named(new QLineEdit(Panel1), "EPrioridad");
    Label10 = label(
        QStringLiteral("A prioridad más alta se visualiza primero   numérico  0..999"), Panel1, "Label10");
    CKFavorito = named(new QCheckBox(QStringLiteral("Favorito"), Panel1), "CKFavorito");
    CKFavorito->setLayoutDirection(Qt::RightToLeft);
    LIDENTIFICA = label(QString(), Panel1, "LIDENTIFICA");
    LIDENTIFICA->setAlignment(Qt::AlignCenter);
    QFont bold = LIDENTIFICA->font();
    bold.setBold(true);
    LIDENTIFICA->setFont(bold);
    LIDENTIFICA->setStyleSheet(QStringLiteral("color: red"));
    LSugerencia = label(QString(), Panel1, "LSugerencia");
    LSugerencia->setStyleSheet(QStringLiteral("color: red"));
    Image1 = named(new QLabel(Panel1), "Image1");
    Image1->setFixedSize(32, 32);
    Image1->setScaledContents(true);
    BotCambiarIcono = flatButton("BotCambiarIcono", QStringLiteral("Cambiar icono"), Panel1);
    BotOriginal = flatButton("BotOriginal", QStringLiteral("original"), Panel1);
    BotOriginal->setToolTip(QStringLiteral("Restaura el icono original"));
    BotGaleria = flatButton("BotGaleria", QStringLiteral("Galería"), Panel1);
    BotImportar
        = flatButton("BotImportar", QStringLiteral("Importar por arrastrar y soltar (MULTIPLE)"), Panel1);
    BotOK = flatButton("BotOK", QStringLiteral("Guardar"), Panel1);
    BotCancelar = flatButton("BotCancelar", QStringLiteral("Cancelar"), Panel1);
    ListBox1 = named(new QListWidget(Panel1), "ListBox1");
    ListBox1->hide();
    BotLimpiarLista = flatButton("BotLimpiarLista", QStringLiteral("X"), Panel1);
    styleText(BotLimpiarLista, Qt::red, true, 20);
    LLimpiarLista = label(QStringLiteral("Borrar lista"), Panel1, "LLimpiarLista");
    BotTodoGruposIgual
        = flatButton("BotTodoGruposIgual", QStringLiteral("Asignar a todos el grupo indicado"), Panel1);
    LArrastrar = label(QStringLiteral("ARRASTAR Y SOLTAR"), Panel1, "LArrastrar");
    styleText(LArrastrar, Qt::blue);
    CKModificar = named(new QCheckBox(QStringLiteral("Modificar"), Panel1), "CKModificar");
    for (QWidget* batch : {static_cast<QWidget*>(BotLimpiarLista), static_cast<QWidget*>(LLimpiarLista),
             static_cast<QWidget*>(BotTodoGruposIgual), static_cast<QWidget*>(LArrastrar),
             static_cast<QWidget*>(CKModificar)})
        batch->hide();
    m_groupMenu = new QMenu(this);
    m_browserMenu = new QMenu(this);

    auto* grid = new QGridLayout(Panel1);
    grid->setVerticalSpacing(4);
    grid->addWidget(label(QStringLiteral("Título"), Panel1), 0, 0);
    grid->addWidget(ETitulo, 0, 1, 1, 4);
    grid->addWidget(label(QStringLiteral("Direccion"), Panel1), 1, 0);
    grid->addWidget(EDireccion, 1, 1, 1, 3);
    grid->addWidget(BotAbrir, 1, 4);
    grid->addWidget(BotProbarEnlace, 2, 1);
    grid->addWidget(Label7, 2, 2, 1, 2);
    grid->addWidget(label(QStringLiteral("Grupo"), Panel1), 3, 0);
    grid->addWidget(EGrupo, 3, 1);
    grid->addWidget(BotDchoGrupo, 3, 2);
    grid->addWidget(Label5, 3, 3);
    grid->addWidget(label(QStringLiteral("Navegador"), Panel1), 4, 0);
    grid->addWidget(ENavegador, 4, 1);
    grid->addWidget(BotDchoNavegador, 4, 2);
    grid->addWidget(Label6, 4, 3);
    grid->addWidget(label(QStringLiteral("Prioridad"), Panel1), 5, 0);
    grid->addWidget(EPrioridad, 5, 1);
    grid->addWidget(Label10, 5, 2, 1, 3);
    grid->addWidget(CKFavorito, 6, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    auto* kind = new QVBoxLayout;
    kind->addWidget(label(QStringLiteral("Tipo de enlace;"), Panel1, "Label9"));
    kind->addWidget(LIDENTIFICA);
    kind->addWidget(LSugerencia);
    grid->addLayout(kind, 6, 2, 2, 3);
    auto* icon = new QHBoxLayout;
    icon->setSpacing(8);
    icon->addWidget(Image1);
    icon->addWidget(BotCambiarIcono);
    icon->addWidget(BotOriginal);
    icon->addWidget(BotGaleria);
    icon->addStretch();
    grid->addLayout(icon, 8, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BotImportar);
    buttons->addStretch();
    buttons->addWidget(BotOK);
    buttons->addWidget(BotCancelar);
    grid->addLayout(buttons, 8, 2, 1, 3);
    auto* batch = new QHBoxLayout;
    batch->addWidget(BotLimpiarLista);
    batch->addWidget(LLimpiarLista);
    batch->addWidget(BotTodoGruposIgual);
    batch->addWidget(LArrastrar);
    batch->addStretch();
    batch->addWidget(CKModificar);
    grid->addLayout(batch, 9, 0, 1, 5);
    grid->addWidget(ListBox1, 10, 0, 1, 5);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel1);

    setTabOrder(ETitulo, EDireccion);
    setTabOrder(EDireccion, EGrupo);
    setTabOrder(EGrupo, ENavegador);
    setTabOrder(ENavegador, EPrioridad);
    setTabOrder(EPrioridad, CKFavorito);
}

void TFormAltaDirecciones::connectControls()
{
    Platform& platform = m_md.platform();
    auto run = [this, &platform](
                   void (TFormAltaDirecciones::*handler)()) { return guardedSlot(platform, this, handler); };
    connect(ETitulo, &QLineEdit::textChanged, this, [this] { updateImportButton(); });
    connect(EDireccion, &QLineEdit::textChanged, this, [this] { EDireccionChange(); });
    connect(BotAbrir, &QPushButton::clicked, this, run(&TFormAltaDirecciones::BotAbrirClick));
    connect(BotProbarEnlace, &QPushButton::clicked, this, run(&TFormAltaDirecciones::BotProbarEnlaceClick));
    connect(BotCambiarIcono, &QPushButton::clicked, this, run(&TFormAltaDirecciones::BotCambiarIconoClick));
    connect(BotGaleria, &QPushButton::clicked, this, run(&TFormAltaDirecciones::BotGaleriaClick));
    connect(BotOriginal, &QPushButton::clicked, this, run(&TFormAltaDirecciones::BotOriginalClick));
    connect(BotOK, &QPushButton::clicked, this, run(&TFormAltaDirecciones::BotOKClick));
    connect(BotImportar, &QPushButton::clicked, this, [this] { BotImportarClick(); });
    connect(BotLimpiarLista, &QPushButton::clicked, this, [this] { BotLimpiarListaClick(); });
    connect(BotTodoGruposIgual, &QPushButton::clicked, this, [this] { BotTodoGruposIgualClick(); });
    connect(CKModificar, &QCheckBox::clicked, this, [this] { CKModificarClick(); });
    // The boxes always show the row that corrections go to, however it became current.
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) { showRow(row); });
    ListBox1->installEventFilter(this);
    connect(
        ETitulo, &QLineEdit::textChanged, this, [this](const QString& text) { correctRow(Titulo, text); });
    connect(EDireccion, &QLineEdit::textChanged, this,
        [this](const QString& text) { correctRow(Direccion, text); });
    connect(EGrupo, &QLineEdit::textChanged, this, [this](const QString& text) { correctRow(Grupo, text); });
    connect(ENavegador, &QLineEdit::textChanged, this,
        [this](const QString& text) { correctRow(Navegador, text); });
    connect(EPrioridad, &QLineEdit::textChanged, this,
        [this](const QString& text) { correctRow(Prioridad, text); });
    connect(CKFavorito, &QCheckBox::toggled, this,
        [this](bool ticked) { correctRow(Favorito, ticked ? QStringLiteral("True") : QString()); });
    connect(BotCancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::rejected, this, [this] { Guardado = false; });

    auto popup
        = [this, &platform](QMenu* menu, void (TFormAltaDirecciones::*fill)(), QWidget* at, QPoint offset) {
              guarded(platform, [this, fill] { (this->*fill)(); });
              menu->popup(at->mapToGlobal(offset));
          };
    connect(EGrupo, &QWidget::customContextMenuRequested, this, [=, this](const QPoint& at) {
        popup(m_groupMenu, &TFormAltaDirecciones::PopCargarGrupos, EGrupo, at);
    });
    connect(BotDchoGrupo, &QWidget::customContextMenuRequested, this, [=, this](const QPoint& at) {
        popup(m_groupMenu, &TFormAltaDirecciones::PopCargarGrupos, BotDchoGrupo, at);
    });
    connect(BotDchoGrupo, &QPushButton::clicked, this, [=, this] {
        popup(m_groupMenu, &TFormAltaDirecciones::PopCargarGrupos, BotDchoGrupo, QPoint(10, 10));
    });
    connect(ENavegador, &QWidget::customContextMenuRequested, this, [=, this](const QPoint& at) {
        popup(m_browserMenu, &TFormAltaDirecciones::PopCargarNavegadores, ENavegador, at);
    });
    connect(BotDchoNavegador, &QWidget::customContextMenuRequested, this, [=, this](const QPoint& at) {
        popup(m_browserMenu, &TFormAltaDirecciones::PopCargarNavegadores, BotDchoNavegador, at);
    });
    connect(BotDchoNavegador, &QPushButton::clicked, this, [=, this] {
        popup(m_browserMenu, &TFormAltaDirecciones::PopCargarNavegadores, BotDchoNavegador, QPoint(10, 10));
    });
    connect(m_groupMenu, &QMenu::triggered, this, [this, &platform](QAction* action) {
        guarded(platform, [this, action] { NavegadorGruposClick(action->text()); });
    });
    connect(m_browserMenu, &QMenu::triggered, this,
        [this](QAction* action) { NavegadorNavegadoresClick(action->text()); });

    for (QWidget* box : {static_cast<QWidget*>(ETitulo), static_cast<QWidget*>(EDireccion),
             static_cast<QWidget*>(EGrupo), static_cast<QWidget*>(ENavegador),
             static_cast<QWidget*>(EPrioridad), static_cast<QWidget*>(CKFavorito)})
        box->installEventFilter(this);
}

void TFormAltaDirecciones::setGrupo(const QString& codgrupo)
{
    EGrupo->setText(codgrupo);
}

void TFormAltaDirecciones::setFavorito(bool favorito)
{
    CKFavorito->setChecked(favorito);
}

void TFormAltaDirecciones::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    guarded(m_md.platform(), [this] {
        PonerColores();
        LIDENTIFICA->clear();
        IconoRestaurado = false;
        NumIconoRestaurado = 0;
        setWindowTitle(QStringLiteral("Direcciones generales") + QStringLiteral("     ") + Modo);
        setFixedSize(720, SingleHeight);
        PopCargarGrupos();
        PopCargarNavegadores();
        const bool editing = Modo == Editar;
        BotImportar->setVisible(!editing);
        Image1->setVisible(editing);
        BotCambiarIcono->setVisible(editing);
        BotOriginal->setVisible(editing);
        // A gallery choice is stored only for an edited link.
        BotGaleria->setVisible(editing);
        if (editing) {
            LeerRegistroID();
            EDireccionChange();
        }
    });
    ETitulo->setFocus();
}

void TFormAltaDirecciones::PonerColores()
{
    const SchemeColours colours(m_md.colores);
    colours.background({Panel1, ListBox1, Label5, Label6, Label7, Label10});
    colours.title({LArrastrar});
    colours.hint({Label5, Label6, Label7, Label10, LLimpiarLista});
    colours.button({BotProbarEnlace, BotCambiarIcono, BotOriginal, BotGaleria, BotImportar, BotOK,
        BotCancelar, BotTodoGruposIgual, CKModificar});
    colours.edit({ETitulo, EDireccion, EPrioridad});
}

bool TFormAltaDirecciones::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == ListBox1) {
        if (key->key() == Qt::Key_Delete && ListBox1->count() > 0)
            BorrarLinea();
        return QDialog::eventFilter(watched, event);
    }
    if (watched == EPrioridad) {
        const PriorityKey kind = priorityKey(*key);
        if (kind == PriorityKey::Enter)
            SiguienteControl(EPrioridad);
        return kind != PriorityKey::Take;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        SiguienteControl(static_cast<QWidget*>(watched));
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFormAltaDirecciones::PopCargarGrupos()
{
    m_groupMenu->clear();
    m_groupMenu->addAction(QStringLiteral("NUEVO GRUPO"));
    m_groupMenu->addSeparator();
    m_groupMenu->addAction(QStringLiteral("SIN GRUPO"));
    for (const Group& group : GroupTable(m_md.Enlaces()).all())
        m_groupMenu->addAction(group.codgrupo + QStringLiteral(" - ") + group.nomgrupo);
}

void TFormAltaDirecciones::PopCargarNavegadores()
{
    m_browserMenu->clear();
    m_browserMenu->addAction(QStringLiteral("Navegador predeterminado"));
    for (const Browser& browser : BrowserTable(m_md.Enlaces()).all()) {
        if (QFileInfo(browser.ruta).isFile())
            m_browserMenu->addAction(browser.nombre);
    }
}

void TFormAltaDirecciones::NavegadorGruposClick(const QString& caption)
{
    const QString chosen = caption == QStringLiteral("SIN GRUPO") ? QString() : caption;
    EGrupo->setText(QuitarBlancos(ExtraerToken(chosen, QStringLiteral("-"), 1, 1)));
    if (caption != QStringLiteral("NUEVO GRUPO"))
        return;
    TFormAltaGrupos alta(m_md, this);
    alta.GrupoCreado.clear();
    m_md.platform().runModal(alta);
    EGrupo->setText(QuitarBlancos(ExtraerToken(alta.GrupoCreado, QStringLiteral("-"), 1, 1)));
}

void TFormAltaDirecciones::NavegadorNavegadoresClick(const QString& caption)
{
    if (!EDireccion->text().toUpper().contains(QStringLiteral("HTTP"))) {
        m_md.platform().showInformation(QStringLiteral("La dirección no parece una página web"));
        return;
    }
    ENavegador->setText(caption == QStringLiteral("Navegador predeterminado") ? QString() : caption);
}

void TFormAltaDirecciones::LeerRegistroID()
{
    const std::optional<Link> link = LinkTable(m_md.Enlaces()).find(IdEnlace.toLongLong());
    if (!link)
        return;
    ETitulo->setText(link->titulo);
    EDireccion->setText(link->direccion);
    EGrupo->setText(link->codgrupo);
    ENavegador->setText(link->navegador);
    EPrioridad->setText(link->prioridad);
    if (link->nicono != 0) {
        const std::optional<Picture> shared = PictureTable(m_md.Enlaces()).find(link->nicono);
        showPicture(shared ? QImage::fromData(shared->imagen) : QImage());
    } else {
        showPicture(QImage::fromData(link->icono));
    }
}

void TFormAltaDirecciones::showPicture(const QImage& picture)
{
    m_picture = picture;
    Image1->setPixmap(QPixmap::fromImage(picture));
}

void TFormAltaDirecciones::EDireccionChange()
{
    updateImportButton();
    const QString address = EDireccion->text();
    if (address.isEmpty())
        return;
    const LinkKind kind = TipoEnlace(address);
    LIDENTIFICA->setText(kind.name);
    LSugerencia->setText(kind.hint);
}

void TFormAltaDirecciones::updateImportButton()
{
    if (ListBox1->count() > 0)
        return;
    const bool empty = ETitulo->text().isEmpty() && EDireccion->text().isEmpty() && EGrupo->text().isEmpty()
        && ENavegador->text().isEmpty();
    BotImportar->setEnabled(empty);
}

void TFormAltaDirecciones::BotAbrirClick()
{
    // The program's folder as it is: upper-casing a path would lose it where letter case counts.
    const QString start = CarpetaDe(m_md.RutaPrograma() + QStringLiteral("x"), false);
    const QString file = m_md.platform().openFileName(QStringLiteral("Abrir"), start, QString());
    if (!file.isEmpty())
        EDireccion->setText(file);
}

void TFormAltaDirecciones::BotProbarEnlaceClick()
{
    const QString message = m_md.AbrirLink(EDireccion->text(), ENavegador->text());
    if (!message.isEmpty())
        m_md.platform().showInformation(message);
}

void TFormAltaDirecciones::BotCambiarIconoClick()
{
    const QString file = m_md.platform().openPictureName(m_md.RutaPrograma());
    if (file.isEmpty())
        return;
    showPicture(loadBitmapFile(file));
    IconoRestaurado = false;
    NumIconoRestaurado = 0;
}

void TFormAltaDirecciones::BotGaleriaClick()
{
    TFormSelIcono gallery(m_md, this);
    m_md.platform().runModal(gallery);
    if (gallery.NumIconoElegido < 0)
        return;
    showPicture(m_md.ListaIconos().value(gallery.NumIconoElegido));
    IconoRestaurado = false;
    NumIconoRestaurado = 0;
}

void TFormAltaDirecciones::BotOriginalClick()
{
    LinkTable links(m_md.Enlaces());
    std::optional<Link> link = links.find(IdEnlace.toLongLong());
    if (Modo != Editar || !link)
        return;
    const TMD::IconoEnlace icon = m_md.BuscarIcono2(EDireccion->text());
    link->nicono = icon.nicono;
    link->icono = icon.nicono == 0 ? DefaultPictures::toBmp(icon.bitmap) : QByteArray();
    links.update(*link);
    showPicture(QImage());
    LeerRegistroID();
    IconoRestaurado = true;
    NumIconoRestaurado = icon.nicono;
}

void TFormAltaDirecciones::BotOKClick()
{
    if (QuitarBlancos(ETitulo->text()).isEmpty()) {
        ETitulo->setFocus();
        throw AppError(QStringLiteral("El título no puede dejarse vacío"));
    }
    if (QuitarBlancos(EDireccion->text()).isEmpty()) {
        EDireccion->setFocus();
        throw AppError(QStringLiteral("La dirección no puede dejarse vacía"));
    }
    if (Modo == Alta) {
        AltaNuevoEnlace();
    } else if (Modo == Editar) {
        if (LinkTable(m_md.Enlaces()).find(IdEnlace.toLongLong())) {
            ModificarEnlace(IdEnlace.toLongLong());
            Guardado = true;
        } else {
            m_md.platform().showInformation(QStringLiteral("Enlace no encontrado ") + IdEnlace);
            Guardado = false;
        }
    }
    done(Guardado ? Accepted : Rejected);
}

void TFormAltaDirecciones::AltaNuevoEnlace()
{
    if (ListBox1->count() == 0) {
        insertLink(linkFromBoxes());
        return;
    }
    for (const Row& row : m_rows) {
        Link link;
        link.titulo = MayusculasEsp(row[Titulo]);
        link.direccion = row[Direccion];
        link.codgrupo = row[Grupo];
        link.navegador = row[Navegador];
        link.prioridad = RellenarCeros(TextoANumero(row[Prioridad]), 3);
        link.tipo = row[Favorito] == QStringLiteral("True") ? QStringLiteral("F") : QString();
        insertLink(link);
    }
}

Link TFormAltaDirecciones::linkFromBoxes() const
{
    Link link;
    link.titulo = MayusculasEsp(ETitulo->text());
    link.direccion = EDireccion->text();
    link.codgrupo = EGrupo->text();
    link.navegador = ENavegador->text();
    link.prioridad = RellenarCeros(TextoANumero(EPrioridad->text()), 3);
    link.tipo = CKFavorito->isChecked() ? QStringLiteral("F") : QString();
    return link;
}

void TFormAltaDirecciones::insertLink(Link link)
{
    link.fechahora = m_md.platform().now();
    const TMD::IconoEnlace icon = m_md.BuscarIcono2(link.direccion);
    link.nicono = icon.nicono;
    if (icon.nicono == 0)
        link.icono = DefaultPictures::toBmp(icon.bitmap);
    LinkTable(m_md.Enlaces()).insert(link);
    Guardado = true;
}

void TFormAltaDirecciones::ModificarEnlace(qint64 id)
{
    LinkTable links(m_md.Enlaces());
    const Link stored = *links.find(id);
    Link link = linkFromBoxes();
    link.id = id;
    link.icono = stored.icono;
    link.fechahora = m_md.platform().now();
    if (IconoRestaurado) {
        link.nicono = NumIconoRestaurado;
    } else {
        link.nicono = 0;
        if (!m_picture.isNull())
            link.icono = DefaultPictures::toBmp(m_picture);
    }
    links.update(link);
}

void TFormAltaDirecciones::DropTargetDrop(const DroppedLinks& links)
{
    if (links.Files.isEmpty()) {
        if (links.URL.isEmpty())
            return;
        if (ListBox1->isHidden()) {
            ETitulo->setText(links.Title);
            EDireccion->setText(links.URL);
        } else if (!CKModificar->isChecked()) {
            addItem(links.Title + u'|' + links.URL);
        }
        return;
    }
    if (ListBox1->isHidden())
        BotImportarClick();
    for (const QString& file : links.Files) {
        if (!CKModificar->isChecked())
            addItem(file);
    }
}
