#include "dialogs/ManColores.h"

#include "components/Controls.h"
#include "components/Guarded.h"
#include "components/SchemeColours.h"
#include "components/UpperCaseValidator.h"
#include "platform/Platform.h"
#include "store/ColourText.h"
#include "store/MDatos.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace {

QString textOf(const QColor& colour)
{
    return ColourText::toText(ColourText::rgb(colour.red(), colour.green(), colour.blue()));
}

} // namespace

TFormManColores::TFormManColores(TMD& md, QWidget* parent)
    : QDialog(parent)
    , m_md(md)
{
    setObjectName(QStringLiteral("FormManColores"));
    setWindowTitle(QStringLiteral("Mantenimiento de colores"));
    buildControls();
}

void TFormManColores::buildControls()
{
    PanelColorFondo = named(new QWidget(this), "PanelColorFondo");
    PanelColorFondo->setFixedHeight(234);
    LTitulo = named(new QLabel(QStringLiteral("TITULOS"), PanelColorFondo), "LTitulo");
    QFont large = LTitulo->font();
    large.setBold(true);
    large.setPixelSize(22);
    LTitulo->setFont(large);
    Boton = flatButton("Boton", QStringLiteral("Botones"), PanelColorFondo);
    Boton->setToolTip(QStringLiteral("Muestra pantalla para seleccionar grupo"));
    QFont bold = Boton->font();
    bold.setBold(true);
    Boton->setFont(bold);
    LMensaje = named(new QLabel(QStringLiteral("Mensajes"), PanelColorFondo), "LMensaje");
    LMensaje->setFont(bold);
    LSugerencia = named(new QLabel(QStringLiteral("Sugerencias o ayudas"), PanelColorFondo), "LSugerencia");
    EEdicion = named(new QLineEdit(PanelColorFondo), "EEdicion");
    EEdicion->setValidator(new UpperCaseValidator(EEdicion));
    EEdicion->setToolTip(QStringLiteral("Introduce texto para buscar coincidencias con enlaces"));
    EEdicion->setFixedWidth(260);
    Panel1 = named(new QWidget(this), "Panel1");
    BotGuardarColores = named(new QPushButton(QStringLiteral("Guardar"), Panel1), "BotGuardarColores");
    SpeedButton2 = named(new QPushButton(QStringLiteral("Restaurar"), Panel1), "SpeedButton2");
    for (QPushButton* button : {BotGuardarColores, SpeedButton2})
        button->setAutoDefault(false);

    auto* preview = new QGridLayout(PanelColorFondo);
    preview->addWidget(LTitulo, 0, 0, 1, 2);
    preview->addWidget(Boton, 1, 0, Qt::AlignLeft);
    preview->addWidget(LMensaje, 2, 0);
    preview->addWidget(LSugerencia, 3, 0);
    preview->addWidget(new QLabel(QStringLiteral("Campo edición"), PanelColorFondo), 4, 0);
    preview->addWidget(EEdicion, 5, 0, Qt::AlignLeft);
    auto* bottom = new QGridLayout(Panel1);
    bottom->addWidget(new QLabel(QStringLiteral("Haga doble click sobre el elemento"), Panel1), 0, 0);
    bottom->addWidget(new QLabel(QStringLiteral("deseado y seleccione color en la paleta"), Panel1), 1, 0);
    bottom->addWidget(BotGuardarColores, 0, 1, 2, 1);
    bottom->addWidget(SpeedButton2, 0, 2, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PanelColorFondo);
    layout->addWidget(Panel1);
    setFixedSize(522, 293);

    Platform& platform = m_md.platform();
    connect(BotGuardarColores, &QPushButton::clicked, this,
        [this, &platform] { guarded(platform, [this] { BotGuardarColoresClick(); }); });
    connect(SpeedButton2, &QPushButton::clicked, this,
        [this, &platform] { guarded(platform, [this] { SpeedButton2Click(); }); });
    connect(Boton, &QPushButton::clicked, this, [this] {
        if (const std::optional<QColor> colour = chooseColour()) {
            setColour(Boton, QPalette::ButtonText, *colour);
            VerResultado();
        }
    });
    for (QWidget* watched : {PanelColorFondo, static_cast<QWidget*>(LTitulo), static_cast<QWidget*>(LMensaje),
             static_cast<QWidget*>(LSugerencia), static_cast<QWidget*>(EEdicion)})
        watched->installEventFilter(this);
}

void TFormManColores::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    guarded(m_md.platform(), [this] { PonerColores(); });
}

void TFormManColores::PonerColores()
{
    const SchemeColours colours(m_md.colores);
    colours.background({PanelColorFondo, LTitulo, LMensaje, LSugerencia});
    colours.title({LTitulo});
    colours.button({Boton});
    colours.message({LMensaje});
    colours.hint({LSugerencia});
    colours.edit({EEdicion});
}

bool TFormManColores::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == PanelColorFondo && type == QEvent::MouseButtonDblClick) {
        if (const std::optional<QColor> colour = chooseColour()) {
            setColour(PanelColorFondo, QPalette::Window, *colour);
            VerResultado();
        }
        return true;
    }
    if (watched == PanelColorFondo || type != QEvent::MouseButtonPress)
        return QDialog::eventFilter(watched, event);
    const std::optional<QColor> colour = chooseColour();
    if (!colour)
        return true;
    if (watched == EEdicion) {
        setColour(EEdicion, QPalette::Base, *colour);
    } else if (watched == LSugerencia) {
        setColour(LSugerencia, QPalette::WindowText, *colour);
        setColour(LSugerencia, QPalette::Window, colourOf(PanelColorFondo, QPalette::Window));
    } else {
        setColour(static_cast<QWidget*>(watched), QPalette::WindowText, *colour);
        VerResultado();
    }
    return true;
}

std::optional<QColor> TFormManColores::chooseColour()
{
    const std::optional<QColor> chosen = m_md.platform().pickColour(m_lastChosen);
    if (chosen)
        m_lastChosen = *chosen;
    return chosen;
}

void TFormManColores::setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(widget->autoFillBackground() || role == QPalette::Window);
}

QColor TFormManColores::colourOf(const QWidget* widget, QPalette::ColorRole role) const
{
    return widget->palette().color(role);
}

void TFormManColores::VerResultado()
{
    const QColor background = colourOf(PanelColorFondo, QPalette::Window);
    for (QWidget* sample : {LTitulo, LMensaje, LSugerencia})
        setColour(sample, QPalette::Window, background);
}

void TFormManColores::BotGuardarColoresClick()
{
    m_md.colores.ColorFondo = textOf(colourOf(PanelColorFondo, QPalette::Window));
    m_md.colores.ColorTitulo = textOf(colourOf(LTitulo, QPalette::WindowText));
    m_md.colores.ColorBoton = textOf(colourOf(Boton, QPalette::ButtonText));
    m_md.colores.ColorMensaje = textOf(colourOf(LMensaje, QPalette::WindowText));
    m_md.colores.ColorSugerencia = textOf(colourOf(LSugerencia, QPalette::WindowText));
    m_md.colores.ColorEdicion = textOf(colourOf(EEdicion, QPalette::Base));
    m_md.GuardarColores();
    accept();
}

void TFormManColores::SpeedButton2Click()
{
    m_md.ColoresPredeterminados();
    PonerColores();
}
