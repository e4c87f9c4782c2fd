#include "icons/IconosEnlaces.h"

#include "components/BitmapFile.h"
#include "components/Guarded.h"
#include "components/SchemeColours.h"
#include "icons/SelIcono.h"
#include "store/DefaultPictures.h"
#include "store/MDatos.h"
#include "store/PictureTable.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TFormIconosEnlaces::TFormIconosEnlaces(TMD& md, QWidget* parent)
    : QDialog(parent)
    , m_md(md)
    , m_panel(new QWidget(this))
    , LTitulo(new QLabel(QStringLiteral("ICONO PREDEFINIDOS"), m_panel))
    , DBGrid1(new QListWidget(m_panel))
    , Image1(new QLabel(m_panel))
    , BotGaleria(new QPushButton(QStringLiteral("Galería"), m_panel))
    , BotPropio(new QPushButton(QStringLiteral("Icono propio"), m_panel))
    , BotOriginal(new QPushButton(QStringLiteral("restaura icono original"), m_panel))
{
    setObjectName(QStringLiteral("FormIconosEnlaces"));
    m_panel->setObjectName(QStringLiteral("Panel1"));
    setWindowTitle(QStringLiteral("Iconos de los enlaces predefinidos"));
    LTitulo->setObjectName(QStringLiteral("LTitulo"));
    QFont bold = LTitulo->font();
    bold.setBold(true);
    LTitulo->setFont(bold);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setStyleSheet(QStringLiteral("QListWidget::item { height: 25px; }"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(32, 32);
    BotGaleria->setObjectName(QStringLiteral("BotGaleria"));
    BotPropio->setObjectName(QStringLiteral("BotPropio"));
    BotOriginal->setObjectName(QStringLiteral("BotOriginal"));
    BotOriginal->setToolTip(QStringLiteral("Restaura el icono original"));

    auto* grid = new QGridLayout(m_panel);
    grid->addWidget(LTitulo, 0, 0, 1, 2);
    grid->addWidget(DBGrid1, 1, 0, 5, 1);
    grid->setRowStretch(5, 1);
    grid->addWidget(Image1, 1, 1, Qt::AlignHCenter);
    grid->addWidget(BotGaleria, 2, 1);
    grid->addWidget(BotPropio, 3, 1);
    grid->addWidget(BotOriginal, 4, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_panel);
    setFixedSize(440, 260);

    Platform& platform = m_md.platform();
    connect(DBGrid1, &QListWidget::currentRowChanged, this, [this] { BotVerIconoClick(); });
    connect(BotGaleria, &QPushButton::clicked, this,
        [this, &platform] { guarded(platform, [this] { BotGaleriaClick(); }); });
    connect(BotPropio, &QPushButton::clicked, this,
        [this, &platform] { guarded(platform, [this] { BotPropioClick(); }); });
    connect(BotOriginal, &QPushButton::clicked, this,
        [this, &platform] { guarded(platform, [this] { BotOriginalClick(); }); });
}

void TFormIconosEnlaces::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    guarded(m_md.platform(), [this] {
        const SchemeColours colours(m_md.colores);
        colours.background({m_panel});
        colours.title({LTitulo});
        colours.button({BotGaleria, BotPropio, BotOriginal});
        m_pictures = PictureTable(m_md.Enlaces()).all();
        DBGrid1->clear();
        for (const Picture& picture : m_pictures)
            DBGrid1->addItem(picture.nomicono);
        DBGrid1->setCurrentRow(m_pictures.isEmpty() ? -1 : 0);
    });
}

const Picture* TFormIconosEnlaces::current() const
{
    const int row = DBGrid1->currentRow();
    return row >= 0 && row < m_pictures.size() ? &m_pictures.at(row) : nullptr;
}

void TFormIconosEnlaces::BotVerIconoClick()
{
    const Picture* picture = current();
    Image1->setPixmap(picture ? QPixmap::fromImage(QImage::fromData(picture->imagen)) : QPixmap());
}

void TFormIconosEnlaces::BotPropioClick()
{
    const QString file = m_md.platform().openPictureName(m_md.RutaPrograma());
    if (file.isEmpty())
        return;
    GuardarIcono(loadBitmapFile(file));
}

void TFormIconosEnlaces::BotGaleriaClick()
{
    TFormSelIcono gallery(m_md, this);
    m_md.platform().runModal(gallery);
    if (gallery.NumIconoElegido >= 0)
        GuardarIcono(m_md.ListaIconos().value(gallery.NumIconoElegido));
}

void TFormIconosEnlaces::BotOriginalClick()
{
    const Picture* picture = current();
    if (!picture)
        return;
    const QList<QImage>& defaults = m_md.ListaIconos();
    QImage original = picture->numicono >= 0 && picture->numicono < defaults.size()
        ? defaults.at(picture->numicono)
        : QImage();
    if (original.isNull()) {
        original = QImage(32, 32, QImage::Format_RGB32);
        original.fill(Qt::white);
    }
    GuardarIcono(original);
}

void TFormIconosEnlaces::GuardarIcono(const QImage& picture)
{
    const int row = DBGrid1->currentRow();
    if (row < 0 || row >= m_pictures.size())
        return;
    Picture& stored = m_pictures[row];
    const QByteArray bitmap = DefaultPictures::toBmp(picture);
    PictureTable(m_md.Enlaces()).setImage(stored.numicono, bitmap);
    stored.imagen = bitmap;
    BotVerIconoClick();
}
