#include "import/LeerFavoritos.h"

#include "components/CheckList.h"
#include "components/Controls.h"
#include "components/FileFinder.h"
#include "components/Guarded.h"
#include "components/SchemeColours.h"
#include "formats/Bookmarks.h"
#include "import/Candidates.h"
#include "import/FavouritesImport.h"
#include "import/ImportSources.h"
#include "import/SelPerfilChrome.h"
#include "platform/Platform.h"
#include "store/MDatos.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QPushButton* boldButton(const char* name, const QString& text, QWidget* parent, const QString& hint = {})
{
    QPushButton* button = flatButton(name, text, parent);
    styleText(button, button->palette().color(QPalette::ButtonText));
    button->setToolTip(hint);
    return button;
}

QByteArray readWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("No se puede leer %1: %2").arg(path, file.errorString()));
    return file.readAll();
}

} // namespace

TFormLeerFavoritos::TFormLeerFavoritos(TMD& md, QWidget* parent)
    : QDialog(parent)
    , m_md(md)
{
    setObjectName(QStringLiteral("FormLeerFavoritos"));
    setWindowTitle(QStringLiteral("Leer favoritos de Edge"));
    buildControls();
    connectControls();
}

void TFormLeerFavoritos::buildControls()
{
    Panel1 = named(new QWidget(this), "Panel1");
    BotEdge = boldButton(
        "BotEdge", QStringLiteral("EDGE"), Panel1, QStringLiteral("Carga los favoritos de EDGE"));
    BotInternetExplorer = boldButton("BotInternetExplorer", QStringLiteral("INTERNET EXPLORER"), Panel1,
        QStringLiteral("Carga los favoritos de INTERNET EXPLORER"));
    BotChrome = boldButton("BotChrome", QStringLiteral("CHROME"), Panel1);
    BotFirefox = boldButton(
        "BotFirefox", QStringLiteral("FIREFOX"), Panel1, QStringLiteral("Carga los favoritos de FIREFOX"));
    BotArchivoHtml = boldButton("BotArchivoHtml", QStringLiteral("ARCHIVO HTML"), Panel1,
        QStringLiteral("Carga los favoritos exportados por un navegador a un archivo HTML"));
    BotImportarEnlaces = boldButton("BotImportarEnlaces", QStringLiteral("Importar a enlaces"), Panel1,
        QStringLiteral("Importa los enlaces seleccionados a la aplicación"));
    Progreso = named(new QProgressBar(Panel1), "Progreso");
    Progreso->hide();
    BotBorrarLista
        = boldButton("BotBorrarLista", QStringLiteral("X"), Panel1, QStringLiteral("Borrar toda la lista"));
    styleText(BotBorrarLista, Qt::red);
    BotMarcar = flatButton("BotMarcar", QStringLiteral("marcar todo"), Panel1);
    BotMarcar->setToolTip(QStringLiteral("Seleccionar todos los enlades"));
    BotDesmarcar = flatButton("BotDesmarcar", QStringLiteral("desmarcar todo"), Panel1);
    LNumReg = named(new QLabel(Panel1), "LNumReg");
    styleText(LNumReg, QColor(0, 128, 128), false);
    CKLista = named(new QListWidget(this), "CKLista");
    QFont small = CKLista->font();
    small.setPixelSize(13);
    CKLista->setFont(small);
    CKLista->setUniformItemSizes(true);

    auto* grid = new QGridLayout(Panel1);
    int column = 0;
    for (QPushButton* source : {BotEdge, BotInternetExplorer, BotChrome, BotFirefox, BotArchivoHtml})
        grid->addWidget(source, 0, column++);
    grid->addWidget(BotImportarEnlaces, 0, column, 1, 2);
    grid->addWidget(Progreso, 1, 0, 1, 5);
    grid->addWidget(BotBorrarLista, 1, 5);
    grid->addWidget(BotMarcar, 2, 0);
    grid->addWidget(BotDesmarcar, 2, 1);
    grid->addWidget(LNumReg, 2, 2, 1, 5);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel1);
    layout->addWidget(CKLista, 1);
    setFixedSize(900, 600);
}

void TFormLeerFavoritos::connectControls()
{
    Platform& platform = m_md.platform();
    const auto run = [this, &platform](void (TFormLeerFavoritos::*handler)()) {
        return guardedSlot(platform, this, handler);
    };
    connect(BotEdge, &QPushButton::clicked, this, run(&TFormLeerFavoritos::BotEdgeClick));
    connect(
        BotInternetExplorer, &QPushButton::clicked, this, run(&TFormLeerFavoritos::BotInternetExplorerClick));
    connect(BotChrome, &QPushButton::clicked, this, run(&TFormLeerFavoritos::BotChromeClick));
    connect(BotFirefox, &QPushButton::clicked, this, run(&TFormLeerFavoritos::BotFirefoxClick));
    connect(BotArchivoHtml, &QPushButton::clicked, this, run(&TFormLeerFavoritos::BotArchivoHtmlClick));
    connect(
        BotImportarEnlaces, &QPushButton::clicked, this, run(&TFormLeerFavoritos::BotImportarEnlacesClick));
    connect(BotBorrarLista, &QPushButton::clicked, this, [this] {
        CKLista->clear();
        LNumReg->clear();
    });
    connect(BotMarcar, &QPushButton::clicked, this, [this] { BotMarcarClick(true); });
    connect(BotDesmarcar, &QPushButton::clicked, this, [this] { BotMarcarClick(false); });
    connect(CKLista, &QListWidget::itemChanged, this, [this] { TotalReg(); });
}

void TFormLeerFavoritos::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    guarded(m_md.platform(), [this] {
        const SchemeColours colours(m_md.colores);
        colours.background({Panel1, CKLista});
        colours.button({BotEdge, BotInternetExplorer, BotChrome, BotFirefox, BotArchivoHtml,
            BotImportarEnlaces, BotMarcar, BotDesmarcar});
        colours.hint({LNumReg});
    });
    LNumReg->clear();
    CodigoGrupo.clear();
}

void TFormLeerFavoritos::keyPressEvent(QKeyEvent* event)
{
    if (m_searching && event->key() == Qt::Key_Escape) {
        m_cancelled = true;
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormLeerFavoritos::reject()
{
    // Closing the window ends a search that is still going on.
    m_cancelled = true;
    QDialog::reject();
}

template<typename Work> void TFormLeerFavoritos::runReader(Work&& work)
{
    Panel1->setEnabled(false);
    try {
        work();
    } catch (...) {
        Panel1->setEnabled(true);
        TotalReg();
        throw;
    }
    Panel1->setEnabled(true);
    TotalReg();
}

QStringList TFormLeerFavoritos::findFiles(const QString& folder, const QString& filter)
{
    TFileFinder finder;
    finder.Directory = folder;
    finder.Filter = filter;
    finder.Recurse = true;
    keepResponsive(
        finder, [this] { return m_cancelled; },
        [this](const QString& current) {
            LNumReg->setText(QStringLiteral("Buscando en %1  (Esc para parar)").arg(current));
        });
    m_searching = true;
    m_cancelled = false;
    finder.Execute();
    m_searching = false;
    return m_cancelled ? QStringList() : finder.FoundFiles();
}

QStringList TFormLeerFavoritos::chooseProfiles(const QStringList& profiles, const QString& caption)
{
    if (profiles.size() < 2)
        return profiles;
    TFormSelPerfilChrome picker(m_md, profiles, caption, this);
    m_md.platform().runModal(picker);
    return picker.Profiles();
}

void TFormLeerFavoritos::addCandidates(const QStringList& lines)
{
    const QSignalBlocker quiet(CKLista);
    CKLista->setUpdatesEnabled(false);
    for (const QString& line : lines)
        CheckList::add(CKLista, line, Qt::Unchecked);
    CKLista->setUpdatesEnabled(true);
}

void TFormLeerFavoritos::addBookmarks(const QList<Bookmark>& bookmarks)
{
    QStringList lines;
    lines.reserve(bookmarks.size());
    for (const Bookmark& bookmark : bookmarks) {
        if (const std::optional<QString> line = Candidates::fromBookmark(bookmark))
            lines << *line;
    }
    addCandidates(lines);
}

void TFormLeerFavoritos::BotEdgeClick()
{
    runReader([this] {
        const QString file = ImportSources::edgeBookmarksFile(
            [this](const QString& name) { return m_md.platform().environmentVariable(name); });
        if (!QFileInfo::exists(file)) {
            m_md.platform().showInformation(QStringLiteral("No existe el fichero de favoritos de EDGE"));
            return;
        }
        QStringList lines;
        for (const Bookmark& bookmark : readChromiumBookmarks(readWhole(file))) {
            if (const std::optional<QString> line = Candidates::fromEdgeBookmark(bookmark))
                lines << *line;
        }
        addCandidates(lines);
    });
}

void TFormLeerFavoritos::BotInternetExplorerClick()
{
    runReader([this] {
        const QString folder = ImportSources::favouritesFolder(
            [this](const QString& name) { return m_md.platform().environmentVariable(name); });
        QStringList lines;
        for (const QString& path : findFiles(folder, QStringLiteral("*.*"))) {
            if (path.contains(QStringLiteral(".URL"), Qt::CaseInsensitive))
                lines << Candidates::fromInternetShortcut(path);
        }
        addCandidates(lines);
    });
}

void TFormLeerFavoritos::BotChromeClick()
{
    runReader([this] {
        QStringList profiles;
        for (const QString& folder : ImportSources::chromiumUserDataFolders(
                 [this](const QString& name) { return m_md.platform().environmentVariable(name); })) {
            if (QFileInfo(folder).isDir())
                profiles << findFiles(folder, QStringLiteral("BookMarks"));
        }
        if (profiles.isEmpty()) {
            m_md.platform().showInformation(QStringLiteral("No existe el fichero de favoritos de Chrome"));
            return;
        }
        for (const QString& profile :
            chooseProfiles(profiles, QStringLiteral("Seleccionar perfil Chrome a importar")))
            ImportarPerfilChrome(profile);
    });
}

void TFormLeerFavoritos::ImportarPerfilChrome(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        m_md.platform().showInformation(QStringLiteral("No existe el fichero de favoritos de Chrome"));
        return;
    }
    addBookmarks(readChromiumBookmarks(readWhole(path)));
}

void TFormLeerFavoritos::BotFirefoxClick()
{
    runReader([this] {
        QStringList places;
        for (const QString& folder : ImportSources::firefoxFolders(
                 [this](const QString& name) { return m_md.platform().environmentVariable(name); })) {
            for (const QString& profile : readFirefoxProfiles(folder + QStringLiteral("/profiles.ini"))) {
                const QString file = profile + QStringLiteral("/places.sqlite");
                if (QFileInfo::exists(file))
                    places << file;
            }
        }
        if (places.isEmpty()) {
            m_md.platform().showInformation(QStringLiteral("No existe el fichero de favoritos de Firefox"));
            return;
        }
        for (const QString& file :
            chooseProfiles(places, QStringLiteral("Seleccionar perfil Firefox a importar")))
            addBookmarks(readFirefoxBookmarks(file));
    });
}

void TFormLeerFavoritos::BotArchivoHtmlClick()
{
    runReader([this] {
        const QString home = m_md.platform().environmentVariable(QStringLiteral("HOME")).value_or(QString());
        const QString file = m_md.platform().openFileName(QStringLiteral("Abrir favoritos exportados"), home,
            QStringLiteral("Favoritos exportados (*.html *.htm);;Todos los archivos (*)"));
        if (!file.isEmpty())
            addBookmarks(readNetscapeBookmarks(QString::fromUtf8(readWhole(file))));
    });
}

void TFormLeerFavoritos::BotImportarEnlacesClick()
{
    const QStringList lines = CheckList::tickedTexts(CKLista);
    const int ticked = int(lines.size());
    if (ticked == 0) {
        m_md.platform().showInformation(QStringLiteral("No hay ningún favorito seleccionado"));
        return;
    }
    if (!m_md.platform().confirm(
            QStringLiteral("¿Seguro que quieres importar  %1  enlaces al programa?").arg(ticked)))
        return;
    Progreso->setRange(0, ticked);
    Progreso->setValue(0);
    Progreso->show();
    Panel1->setEnabled(false);
    QString code;
    try {
        code = FavouritesImport::importLines(m_md, lines, [this](int stored) {
            if (stored % 250 == 0 || stored == Progreso->maximum()) {
                Progreso->setValue(stored);
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            }
        });
    } catch (...) {
        Progreso->hide();
        Panel1->setEnabled(true);
        throw;
    }
    Progreso->hide();
    Panel1->setEnabled(true);
    CodigoGrupo = code;
    m_md.platform().showInformation(
        QStringLiteral("Se han importado %1 y se han asignado al grupo %2").arg(ticked).arg(code));
    accept();
}

void TFormLeerFavoritos::BotMarcarClick(bool ticked)
{
    {
        const QSignalBlocker quiet(CKLista);
        CheckList::setAll(CKLista, ticked ? Qt::Checked : Qt::Unchecked);
    }
    CKLista->viewport()->update();
    LNumReg->setText(QStringLiteral("Total Reg. %1  (Selec. %2)")
                         .arg(CKLista->count())
                         .arg(ticked ? QStringLiteral("Todos") : QStringLiteral("Ninguno")));
}

void TFormLeerFavoritos::TotalReg()
{
    const int total = CKLista->count();
    const int ticked = int(CheckList::tickedRows(CKLista).size());
    QString word = QString::number(ticked);
    if (ticked == 0)
        word = QStringLiteral("Ninguno");
    if (ticked == total)
        word = QStringLiteral("Todos");
    LNumReg->setText(QStringLiteral("Total Reg. %1  (Selec. %2)").arg(total).arg(word));
}
