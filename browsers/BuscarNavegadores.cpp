#include "browsers/BuscarNavegadores.h"

#include "browsers/BrowserDiscovery.h"
#include "components/CheckList.h"
#include "components/Controls.h"
#include "components/FileFinder.h"
#include "components/Guarded.h"
#include "components/SchemeColours.h"
#include "platform/Platform.h"
#include "store/BrowserTable.h"
#include "store/MDatos.h"
#include "store/TextUtils.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>

namespace {

QLabel* boldLabel(const char* name, const QString& text, QWidget* parent, const QColor& colour)
{
    auto* label = named(new QLabel(text, parent), name);
    styleText(label, colour);
    return label;
}

QPushButton* coloured(QPushButton* button, const QColor& colour, int pixelSize = 0)
{
    styleText(button, colour, true, pixelSize);
    return button;
}

} // namespace

TFormBuscarNavegadores::TFormBuscarNavegadores(TMD& md, QWidget* parent)
    : QDialog(parent)
    , m_md(md)
{
    setObjectName(QStringLiteral("FormBuscarNavegadores"));
    setWindowTitle(QStringLiteral("Buscar navegadores instalados en el equipo"));
    buildControls();
    connectControls();
    NavegadoresIniciales();
    setFolders(BrowserDiscovery::folders());
}

void TFormBuscarNavegadores::setFolders(const QList<BrowserDiscovery::Folder>& folders)
{
    m_folders = folders;
    ListaCarpetas->clear();
    for (const BrowserDiscovery::Folder& folder : folders)
        CheckList::add(ListaCarpetas, folder.caption, Qt::Checked);
}

void TFormBuscarNavegadores::buildControls()
{
    Label1 = boldLabel("Label1", QStringLiteral("EJECUTABLES A BUSCAR"), this, Qt::blue);
    Memo1 = named(new QPlainTextEdit(this), "Memo1");
    BotBorrar = coloured(named(new QPushButton(QStringLiteral("X"), this), "BotBorrar"), Qt::red);
    BotBorrar->setToolTip(QStringLiteral("Borra el navegador seleccionado de la lista"));
    BotNavegadoresIniciales = named(new QPushButton(this), "BotNavegadoresIniciales");
    BotNavegadoresIniciales->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    BotNavegadoresIniciales->setToolTip(QStringLiteral("Restaura navegadores iniciales"));
    auto* label4 = named(new QLabel(QStringLiteral("Añadir navegador a la búsqueda"), this), "Label4");
    EMarcador = named(new QLineEdit(this), "EMarcador");
    Botanadir
        = coloured(named(new QPushButton(QStringLiteral("+"), this), "Botanadir"), QColor(0, 128, 128), 20);
    Label5 = boldLabel("Label5", QStringLiteral("BUSCAR EN:"), this, Qt::blue);
    ListaCarpetas = named(new QListWidget(this), "ListaCarpetas");
    BotBorrarNavegadores
        = named(new QPushButton(QStringLiteral("Borrar tabla de navegadores (opcional)"), this),
            "BotBorrarNavegadores");
    Bot1 = coloured(named(new QPushButton(QStringLiteral("1.- Iniciar búsqueda"), this), "Bot1"), Qt::red);
    LBuscando = boldLabel("LBuscando", QString(), this, Qt::red);
    LBuscando->hide();
    Progreso = named(new QProgressBar(this), "Progreso");
    Progreso->hide();
    Label2 = boldLabel("Label2", QStringLiteral("ENCONTRADOS:"), this, Qt::blue);
    BotSelTodos = named(new QPushButton(QStringLiteral("Sel todos"), this), "BotSelTodos");
    BotBorrarTodo = named(new QPushButton(QStringLiteral("Borrar selección"), this), "BotBorrarTodo");
    Lista = named(new QListWidget(this), "Lista");
    Label3 = boldLabel(
        "Label3", QStringLiteral("2.- Marcar los que deseas incorporar al programa Trevalia"), this, Qt::red);
    Bot3 = coloured(named(new QPushButton(QStringLiteral("3.- Importar"), this), "Bot3"), Qt::red);
    for (QWidget* waiting : {static_cast<QWidget*>(BotSelTodos), static_cast<QWidget*>(BotBorrarTodo),
             static_cast<QWidget*>(Lista), static_cast<QWidget*>(Bot3)})
        waiting->setEnabled(false);
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Memo1, 1, 0, 3, 1);
    grid->addWidget(BotBorrar, 1, 1);
    grid->addWidget(BotNavegadoresIniciales, 2, 1);
    grid->addWidget(label4, 4, 0, 1, 2);
    grid->addWidget(EMarcador, 5, 0);
    grid->addWidget(Botanadir, 5, 1);
    grid->addWidget(Label5, 0, 2);
    grid->addWidget(ListaCarpetas, 1, 2, 2, 2);
    grid->addWidget(BotBorrarNavegadores, 3, 2, 1, 2);
    grid->addWidget(Bot1, 4, 2, 1, 2);
    grid->addWidget(LBuscando, 6, 0, 1, 4);
    grid->addWidget(Progreso, 7, 0, 1, 4);
    grid->addWidget(Label2, 8, 0);
    grid->addWidget(BotSelTodos, 8, 2);
    grid->addWidget(BotBorrarTodo, 8, 3);
    grid->addWidget(Lista, 9, 0, 1, 4);
    grid->addWidget(Label3, 10, 0, 1, 3);
    grid->addWidget(Bot3, 10, 3);
    setFixedSize(680, 560);
}

void TFormBuscarNavegadores::connectControls()
{
    Platform& platform = m_md.platform();
    const auto run = [this, &platform](void (TFormBuscarNavegadores::*handler)()) {
        return guardedSlot(platform, this, handler);
    };
    connect(BotBorrar, &QPushButton::clicked, this, run(&TFormBuscarNavegadores::BotBorrarClick));
    connect(BotNavegadoresIniciales, &QPushButton::clicked, this,
        run(&TFormBuscarNavegadores::NavegadoresIniciales));
    connect(Botanadir, &QPushButton::clicked, this, run(&TFormBuscarNavegadores::BotanadirClick));
    connect(BotBorrarNavegadores, &QPushButton::clicked, this,
        run(&TFormBuscarNavegadores::BotBorrarNavegadoresClick));
    connect(Bot1, &QPushButton::clicked, this, run(&TFormBuscarNavegadores::Bot1Click));
    connect(Bot3, &QPushButton::clicked, this, run(&TFormBuscarNavegadores::Bot3Click));
    connect(BotSelTodos, &QPushButton::clicked, this, [this] { CheckList::setAll(Lista, Qt::Checked); });
    connect(BotBorrarTodo, &QPushButton::clicked, this, [this] { CheckList::setAll(Lista, Qt::Unchecked); });
    EMarcador->installEventFilter(this);
}

void TFormBuscarNavegadores::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    guarded(m_md.platform(), [this] {
        const SchemeColours colours(m_md.colores);
        colours.background({this, Memo1, Lista, ListaCarpetas});
        colours.edit({EMarcador});
    });
    CheckList::setAll(ListaCarpetas, Qt::Checked);
}

bool TFormBuscarNavegadores::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EMarcador && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Botanadir->click();
            EMarcador->clear();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormBuscarNavegadores::reject()
{
    // Closing the window ends a search that is still going on.
    m_cancelled = true;
    QDialog::reject();
}

void TFormBuscarNavegadores::NavegadoresIniciales()
{
    Memo1->setPlainText(BrowserDiscovery::NavegadoresIniciales().join(u'\n'));
}

void TFormBuscarNavegadores::BotBorrarClick()
{
    QStringList lines = Memo1->toPlainText().split(u'\n');
    const int line = Memo1->textCursor().blockNumber();
    if (line < lines.size())
        lines.removeAt(line);
    Memo1->setPlainText(lines.join(u'\n'));
}

void TFormBuscarNavegadores::BotanadirClick()
{
    const QString name = EMarcador->text();
    if (Memo1->toPlainText().split(u'\n').contains(name)) {
        m_md.platform().showInformation(QStringLiteral("Este navegador ya está en la lista"));
        return;
    }
    Memo1->appendPlainText(name);
}

void TFormBuscarNavegadores::BotBorrarNavegadoresClick()
{
    if (m_md.platform().confirm(QStringLiteral("¿Quieres borrar TODA la lista de navegadores?")))
        BrowserTable(m_md.Enlaces()).clear();
}

void TFormBuscarNavegadores::setSearching(bool searching)
{
    for (QWidget* control :
        {static_cast<QWidget*>(Bot1), static_cast<QWidget*>(Bot3), static_cast<QWidget*>(BotSelTodos),
            static_cast<QWidget*>(BotBorrarTodo), static_cast<QWidget*>(Lista)})
        control->setEnabled(!searching);
}

void TFormBuscarNavegadores::Bot1Click()
{
    setSearching(true);
    LBuscando->setText(QStringLiteral("Iniciando la búsqueda..."));
    LBuscando->show();
    Label2->show();
    QStringList executables;
    for (const QString& line : Memo1->toPlainText().split(u'\n')) {
        if (!QuitarBlancos(line).isEmpty())
            executables << line;
    }
    Memo1->setPlainText(executables.join(u'\n'));
    QList<BrowserDiscovery::Folder> ticked;
    for (const int row : CheckList::tickedRows(ListaCarpetas))
        ticked << m_folders.at(row);
    const int searches = int(executables.size() * ticked.size());
    Progreso->setRange(0, searches);
    Progreso->setValue(0);
    Progreso->show();
    m_cancelled = false;
    int done = 0;
    for (const QString& executable : executables) {
        for (const BrowserDiscovery::Folder& folder : ticked) {
            if (m_cancelled)
                break;
            ++done;
            const QString status = QStringLiteral("Buscando  (%1/%2)   %3  en %4")
                                       .arg(done)
                                       .arg(searches)
                                       .arg(executable.toUpper(), folder.statusName);
            LBuscando->setText(status);
            QCoreApplication::processEvents();
            TFileFinder finder;
            finder.Directory = folder.path;
            finder.Filter = executable;
            finder.Recurse = true;
            keepResponsive(
                finder, [this] { return m_cancelled; }, [](const QString&) {});
            finder.Execute();
            for (const QString& found : finder.FoundFiles())
                CheckList::add(Lista, found, Qt::Unchecked);
            Progreso->setValue(done);
        }
    }
    Progreso->hide();
    LBuscando->setText(QStringLiteral("Búsqueda finalizada"));
    setSearching(false);
}

void TFormBuscarNavegadores::Bot3Click()
{
    for (const QString& path : CheckList::tickedTexts(Lista))
        BrowserDiscovery::DardeAltaNavegador(m_md.Enlaces(), BrowserDiscovery::browserName(path), path);
    accept();
}
