#include "dialogs/Acercade.h"

#include "BuildSettings.h"
#include "components/Controls.h"
#include "components/Guarded.h"
#include "components/HttpDownload.h"
#include "platform/Platform.h"
#include "store/MDatos.h"
#include "store/TextUtils.h"

#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>

namespace {

const QString VersionPath = QStringLiteral("/public/VerTrevalia.txt");
const QString InstallerPath = QStringLiteral("/public/ITrevalia.exe");

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    return named(new QLabel(text, parent), name);
}

// A label the user can click, in its own colour.
QLabel* link(const char* name, const QColor& colour, bool underlined, QWidget* parent)
{
    QLabel* clickable = label(name, QString(), parent);
    QPalette palette = clickable->palette();
    palette.setColor(QPalette::WindowText, colour);
    clickable->setPalette(palette);
    QFont font = clickable->font();
    font.setUnderline(underlined);
    clickable->setFont(font);
    clickable->setCursor(Qt::PointingHandCursor);
    return clickable;
}

bool isVersion(const QString& text)
{
    static const QRegularExpression version(QStringLiteral("^[0-9]+(\\.[0-9]+)*$"));
    return version.match(text).hasMatch();
}

} // namespace

TFormAcercade::TFormAcercade(TMD& md, QWidget* parent)
    : QDialog(parent)
    , WebSite(QStringLiteral(TREVALIA_WEB_SITE))
    , m_md(md)
    , HttpDownload1(new THttpDownload(this))
{
    setObjectName(QStringLiteral("FormAcercade"));
    setWindowTitle(QStringLiteral("Acerca de ..."));
    buildControls();
}

void TFormAcercade::buildControls()
{
    QFont italic(QStringLiteral("Arial"));
    italic.setPointSize(10);
    italic.setItalic(true);
    setFont(italic);
    QPalette cream = palette();
    cream.setColor(QPalette::Window, QColor(255, 251, 240));
    setPalette(cream);
    setAutoFillBackground(true);

    Panel1 = named(new QWidget(this), "Panel1");
    QPalette tooltip = Panel1->palette();
    tooltip.setColor(QPalette::Window, tooltip.color(QPalette::ToolTipBase));
    Panel1->setPalette(tooltip);
    Panel1->setAutoFillBackground(true);
    ProductName = label("ProductName", QStringLiteral("TREVALIA"), Panel1);
    QFont bold = ProductName->font();
    bold.setBold(true);
    ProductName->setFont(bold);
    Image1 = label("Image1", QString(), Panel1);
    Image1->setPixmap(QPixmap(QStringLiteral(":/trevalia-128.png"))
                          .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    VersionProg = label("VersionProg", QString(), Panel1);
    Fecha = label("Fecha", QString(), Panel1);
    auto* credit = label("LCredito", QStringLiteral("Tu catálogo personal de enlaces"), Panel1);
    credit->setFont(bold);
    DirCorreo = link("DirCorreo", QColor(128, 0, 128), false, Panel1);
    SitioWeb = link("SitioWeb", Qt::blue, true, Panel1);
    BotActualiza = flatButton("BotActualiza", QStringLiteral("Comprobar actualizaciones"), this);
    BotActualiza->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    QFont small = BotActualiza->font();
    small.setPointSize(8);
    small.setItalic(false);
    BotActualiza->setFont(small);
    QPalette navy = BotActualiza->palette();
    navy.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    BotActualiza->setPalette(navy);
    BotOK = flatButton("BotOK", QStringLiteral(" OK"), this);
    BotOK->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    QFont boldButton = BotOK->font();
    boldButton.setBold(true);
    BotOK->setFont(boldButton);

    auto* panel = new QGridLayout(Panel1);
    panel->addWidget(ProductName, 0, 0, 1, 2);
    panel->addWidget(Image1, 0, 2, 3, 1, Qt::AlignRight | Qt::AlignTop);
    panel->addWidget(label("Label5", QStringLiteral("Versión: "), Panel1), 1, 0);
    panel->addWidget(VersionProg, 1, 1);
    panel->addWidget(label("Label1", QStringLiteral("Fecha:"), Panel1), 2, 0);
    panel->addWidget(Fecha, 2, 1);
    panel->addWidget(credit, 3, 0, 1, 3);
    panel->addWidget(label("Label2", QStringLiteral("E-mail : "), Panel1), 4, 0);
    panel->addWidget(DirCorreo, 4, 1, 1, 2);
    panel->addWidget(SitioWeb, 5, 0, 1, 3);
    LCatalogo = label("LCatalogo", QString(), Panel1);
    LCatalogo->setWordWrap(true);
    LCatalogo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    panel->addWidget(LCatalogo, 6, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BotActualiza);
    buttons->addStretch();
    buttons->addWidget(BotOK);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(Panel1);
    layout->addLayout(buttons);
    setFixedSize(400, 290);

    Platform& platform = m_md.platform();
    connect(BotOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BotActualiza, &QPushButton::clicked, this,
        [this, &platform] { guarded(platform, [this] { ComprobarActualizaciones(); }); });
    for (QWidget* watched :
        {static_cast<QWidget*>(Panel1), static_cast<QWidget*>(DirCorreo), static_cast<QWidget*>(SitioWeb)})
        watched->installEventFilter(this);
}

void TFormAcercade::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    DirCorreo->setText(QStringLiteral(TREVALIA_CONTACT));
    SitioWeb->setText(WebSite);
    VersionProg->setText(QStringLiteral(TREVALIA_VERSION));
    Fecha->setText(QStringLiteral(TREVALIA_RELEASE_DATE));
    LCatalogo->setText(QStringLiteral("Catálogo: ") + QDir::toNativeSeparators(m_md.Enlaces().fileName()));
}

bool TFormAcercade::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return QDialog::eventFilter(watched, event);
    Platform& platform = m_md.platform();
    if (watched == DirCorreo)
        guarded(platform, [&] {
            platform.shellOpen({QStringLiteral("mailto:") + DirCorreo->text(), {}, {}});
        });
    else if (watched == SitioWeb)
        guarded(platform, [&] { platform.shellOpen({SitioWeb->text(), {}, {}}); });
    else
        accept();
    return true;
}

void TFormAcercade::mousePressEvent(QMouseEvent* event)
{
    // A click on the box's background closes it, as "OK" does.
    if (childAt(event->position().toPoint()) == nullptr)
        accept();
}

QString TFormAcercade::versionFile() const
{
    return m_md.platform().cacheFolder() + QStringLiteral("/VerTrevalia.txt");
}

QString TFormAcercade::LeerUltimaVersion()
{
    HttpDownload1->URL = WebSite + VersionPath;
    HttpDownload1->OutputFileName = versionFile();
    HttpDownload1->Read();
    QFile file(versionFile());
    QString firstLine;
    if (file.open(QIODevice::ReadOnly))
        firstLine = QString::fromUtf8(file.readLine()).trimmed();
    const QString version = ExtraerToken(CompactarBlancos(firstLine), QStringLiteral(" "), 1, 1);
    // A captive portal's page is told apart by its caller; any other text is no version.
    if (!file.isOpen()
        || (!version.isEmpty() && !isVersion(version) && version != QStringLiteral("<HTML>"))) {
        m_md.platform().showInformation(QStringLiteral("No se ha podido descargar la actualización ")
            + QStringLiteral("\n\r") + QStringLiteral("Compruebe su conexión a internet."));
        return {};
    }
    return version;
}

void TFormAcercade::ComprobarActualizaciones()
{
    Platform& platform = m_md.platform();
    const QString installer = WebSite + InstallerPath;
    QFile::remove(versionFile());
    const QString published = LeerUltimaVersion();
    if (published == QStringLiteral("<HTML>")) {
        platform.showInformation(QStringLiteral("Conéctese a internet y pruebe nuevamente"));
        platform.shellOpen({QStringLiteral(TREVALIA_SEARCH_PAGE), {}, {}});
        return;
    }
    if (published.isEmpty())
        return;
    if (compareVersions(published, VersionProg->text()) <= 0) {
        platform.showInformation(QStringLiteral("Está utilizando la última versión publicada"));
        return;
    }
    if (!platform.confirm(QStringLiteral("¿Quiere instalar la nueva versión ") + published
            + QStringLiteral(" en su ordenador?")))
        return;
    platform.showInformation(QStringLiteral("Ahora se cerrará el programa y se descargará la actualización")
        + QStringLiteral("\n\r") + QStringLiteral("Seleccione abrir (para ejecutar directamente) o descargar")
        + QStringLiteral("\n\r") + QStringLiteral("para descargar e instalar posteriormente"));
    platform.shellOpen({installer, {}, {}});
    platform.terminate();
}

int TFormAcercade::compareVersions(const QString& a, const QString& b)
{
    const QStringList left = a.split(u'.');
    const QStringList right = b.split(u'.');
    for (qsizetype part = 0; part < std::max(left.size(), right.size()); ++part) {
        const qulonglong x = left.value(part).toULongLong();
        const qulonglong y = right.value(part).toULongLong();
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}
