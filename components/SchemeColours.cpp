#include "components/SchemeColours.h"

#include "platform/AppError.h"
#include "store/ColourText.h"
#include "store/Settings.h"

#include <QApplication>
#include <QWidget>

namespace {

QColor colourOf(const QString& text)
{
    const std::optional<quint32> value = ColourText::fromText(text);
    if (!value)
        throw AppError(QStringLiteral("'%1' no es un valor de color válido").arg(text));
    return ColourText::toQColor(*value, QApplication::palette());
}

void paint(std::initializer_list<QWidget*> widgets, const QColor& colour,
    std::initializer_list<QPalette::ColorRole> roles, bool fill)
{
    if (!colour.isValid())
        return;
    for (QWidget* widget : widgets) {
        QPalette palette = widget->palette();
        for (const QPalette::ColorRole role : roles)
            palette.setColor(role, colour);
        widget->setPalette(palette);
        if (fill)
            widget->setAutoFillBackground(true);
    }
}

} // namespace

SchemeColours::SchemeColours(const ColourScheme& scheme)
    : m_background(colourOf(scheme.ColorFondo))
    , m_title(colourOf(scheme.ColorTitulo))
    , m_button(colourOf(scheme.ColorBoton))
    , m_message(colourOf(scheme.ColorMensaje))
    , m_hint(colourOf(scheme.ColorSugerencia))
    , m_edit(colourOf(scheme.ColorEdicion))
{ }

void SchemeColours::background(std::initializer_list<QWidget*> widgets) const
{
    paint(widgets, m_background, {QPalette::Window, QPalette::Base}, true);
}

void SchemeColours::title(std::initializer_list<QWidget*> widgets) const
{
    paint(widgets, m_title, {QPalette::WindowText}, false);
}

void SchemeColours::button(std::initializer_list<QWidget*> widgets) const
{
    paint(widgets, m_button, {QPalette::ButtonText, QPalette::WindowText, QPalette::Text}, false);
}

void SchemeColours::message(std::initializer_list<QWidget*> widgets) const
{
    paint(widgets, m_message, {QPalette::WindowText, QPalette::Text}, false);
}

void SchemeColours::hint(std::initializer_list<QWidget*> widgets) const
{
    paint(widgets, m_hint, {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}, false);
}

void SchemeColours::edit(std::initializer_list<QWidget*> widgets) const
{
    paint(widgets, m_edit, {QPalette::Base}, false);
}
