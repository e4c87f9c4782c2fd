#include "dialogs/Configuracion.h"

#include "components/Controls.h"
#include "components/Guarded.h"
#include "components/SchemeColours.h"
#include "components/SiguienteControl.h"
#include "store/MDatos.h"
#include "store/SettingsTable.h"
#include "store/TextUtils.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A check box whose caption stands at the left of its box.
QCheckBox* checkBox(const char* name, const QString& caption, QWidget* parent)
{
    auto* box = named(new QCheckBox(caption, parent), name);
    box->setLayoutDirection(Qt::RightToLeft);
    return box;
}

QLabel* note(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    label->setFont(small);
    QPalette teal = label->palette();
    teal.setColor(QPalette::WindowText, QColor(0, 128, 128));
    label->setPalette(teal);
    return label;
}

} // namespace

TFormConfiguracion::TFormConfiguracion(TMD& md, QWidget* parent)
    : QDialog(parent)
    , m_md(md)
{
    setObjectName(QStringLiteral("FormConfiguracion"));
    setWindowTitle(QStringLiteral("Configuración General"));
    buildControls();
    loadRow();
}

void TFormConfiguracion::buildControls()
{
    Panel1 = named(new QWidget(this), "Panel1");
    DBTiempo = named(new QLineEdit(Panel1), "DBTiempo");
    CKBuscauto = checkBox("CKBuscauto", QStringLiteral("Buscar automáticamente mientras se escribe"), Panel1);
    CKBuscarDireccion
        = checkBox("CKBuscarDireccion", QStringLiteral("Buscar también en el texto del enlace"), Panel1);
    CKFavoritossihay
        = checkBox("CKFavoritossihay", QStringLiteral("Iniciar en carpeta favoritos si los hay"), Panel1);
    DBNumMaxAbrir = named(new QLineEdit(Panel1), "DBNumMaxAbrir");
    CKGuardarSalir = checkBox("CKGuardarSalir", QStringLiteral("Recordar posición al salir"), Panel1);
    CKBorrarCarpetas
        = checkBox("CKBorrarCarpetas", QStringLiteral("Permitir borrado físico de carpetas"), Panel1);
    CKPortainicio = checkBox("CKPortainicio", QStringLiteral("Borrar Portapapeles al iniciar"), Panel1);
    CKPortafin = checkBox("CKPortafin", QStringLiteral("Borrar Portapapeles al salir"), Panel1);
    m_post = named(new QPushButton(QStringLiteral("✔"), Panel1), "BotGuardarRegistro");
    m_post->setToolTip(QStringLiteral("Guardar"));
    m_cancel = named(new QPushButton(QStringLiteral("✖"), Panel1), "BotCancelarEdicion");
    m_cancel->setToolTip(QStringLiteral("Cancelar"));
    BotRestaurarValores
        = flatButton("BotRestaurarValores", QStringLiteral("Restaurar valores por defecto"), Panel1);
    BotRestaurarValores->setFocusPolicy(Qt::NoFocus);
    for (QPushButton* button : {m_post, m_cancel})
        button->setAutoDefault(false);
    for (QLineEdit* number : {DBTiempo, DBNumMaxAbrir}) {
        number->setFixedWidth(80);
        number->installEventFilter(this);
    }

    auto* grid = new QGridLayout(Panel1);
    grid->addWidget(new QLabel(QStringLiteral("Nº de segundos para el cierre automático"), Panel1), 0, 0);
    grid->addWidget(DBTiempo, 0, 1);
    grid->addWidget(note(QStringLiteral("(0 no se cierra)"), Panel1), 0, 2);
    int row = 1;
    for (QCheckBox* box : {CKBuscauto, CKBuscarDireccion, CKFavoritossihay})
        grid->addWidget(box, row++, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("Nº máximo de enlaces para abrir a la vez"), Panel1), row, 0);
    grid->addWidget(DBNumMaxAbrir, row, 1);
    grid->addWidget(note(QStringLiteral("(Mínimo 1, se aconseja no más de 5)"), Panel1), row++, 2);
    for (QCheckBox* box : {CKGuardarSalir, CKBorrarCarpetas, CKPortainicio, CKPortafin})
        grid->addWidget(box, row++, 0, 1, 2, Qt::AlignLeft);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(BotRestaurarValores);
    bottom->addStretch();
    bottom->addWidget(m_post);
    bottom->addWidget(m_cancel);
    grid->setRowStretch(row++, 1);
    grid->addLayout(bottom, row, 0, 1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Panel1);
    setFixedSize(607, 370);

    Platform& platform = m_md.platform();
    connect(
        m_post, &QPushButton::clicked, this, [this, &platform] { guarded(platform, [this] { postRow(); }); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BotRestaurarValores, &QPushButton::clicked, this,
        [this, &platform] { guarded(platform, [this] { BotRestaurarValoresClick(); }); });
    for (QLineEdit* number : {DBTiempo, DBNumMaxAbrir})
        connect(number, &QLineEdit::textEdited, this, [this] { setPending(true); });
    for (QCheckBox* box : {CKBuscauto, CKBuscarDireccion, CKFavoritossihay, CKGuardarSalir, CKBorrarCarpetas,
             CKPortainicio, CKPortafin})
        connect(box, &QCheckBox::clicked, this, [this] { setPending(true); });
}

void TFormConfiguracion::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    guarded(m_md.platform(), [this] { SchemeColours(m_md.colores).background({Panel1}); });
    DBTiempo->setFocus();
}

bool TFormConfiguracion::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        SiguienteControl(static_cast<QWidget*>(watched));
        return true;
    }
    const QString text = key->text();
    const bool digit = text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9';
    const bool editing = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Left
        || key->key() == Qt::Key_Right || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    return !digit && !editing;
}

void TFormConfiguracion::loadRow()
{
    Settings row;
    SettingsTable(m_md.Enlaces()).load(row);
    DBTiempo->setText(QString::number(row.tiempo));
    DBNumMaxAbrir->setText(QString::number(row.nummaxabrir));
    const std::pair<QCheckBox*, bool> boxes[] = {{CKBuscauto, row.buscauto},
        {CKBuscarDireccion, row.buscardireccion}, {CKFavoritossihay, row.favoritossihay},
        {CKGuardarSalir, row.guardaSalir}, {CKBorrarCarpetas, row.BorrarCarpetas},
        {CKPortainicio, row.BorrarInicioClipBoard}, {CKPortafin, row.BorrarFinClipBoard}};
    for (const auto& [box, ticked] : boxes)
        box->setChecked(ticked);
    setPending(false);
}

void TFormConfiguracion::setPending(bool pending)
{
    m_post->setEnabled(pending);
    m_cancel->setEnabled(pending);
}

void TFormConfiguracion::ConstantesBeforePost()
{
    if (DBTiempo->text().isEmpty())
        DBTiempo->setText(QStringLiteral("0"));
    if (TextoANumero(DBNumMaxAbrir->text()) < 1)
        DBNumMaxAbrir->setText(QStringLiteral("1"));
}

void TFormConfiguracion::postRow()
{
    ConstantesBeforePost();
    Settings row;
    row.tiempo = TextoANumero(DBTiempo->text());
    row.nummaxabrir = TextoANumero(DBNumMaxAbrir->text());
    row.buscauto = CKBuscauto->isChecked();
    row.buscardireccion = CKBuscarDireccion->isChecked();
    row.favoritossihay = CKFavoritossihay->isChecked();
    row.guardaSalir = CKGuardarSalir->isChecked();
    row.BorrarCarpetas = CKBorrarCarpetas->isChecked();
    row.BorrarInicioClipBoard = CKPortainicio->isChecked();
    row.BorrarFinClipBoard = CKPortafin->isChecked();
    SettingsTable(m_md.Enlaces()).saveSettings(row);
    accept();
}

void TFormConfiguracion::BotRestaurarValoresClick()
{
    SettingsTable(m_md.Enlaces()).restoreDefaults();
    loadRow();
    accept();
}
