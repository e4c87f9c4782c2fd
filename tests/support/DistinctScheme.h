#pragma once

#include "store/Settings.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

// A colour scheme whose six colours all differ, so a test can tell which key painted a control.
namespace DistinctScheme {

const QColor Fondo(0, 255, 255);
const QColor Titulo(255, 0, 0);
const QColor Boton(0, 255, 0);
const QColor Mensaje(0, 0, 128);
const QColor Sugerencia(255, 0, 255);
const QColor Edicion(255, 255, 0);

inline ColourScheme scheme()
{
    ColourScheme colours;
    colours.ColorFondo = QStringLiteral("clAqua");
    colours.ColorTitulo = QStringLiteral("clRed");
    colours.ColorBoton = QStringLiteral("clLime");
    colours.ColorMensaje = QStringLiteral("clNavy");
    colours.ColorSugerencia = QStringLiteral("clFuchsia");
    colours.ColorEdicion = QStringLiteral("clYellow");
    return colours;
}

inline QColor colourOf(const QWidget* widget, QPalette::ColorRole role)
{
    return widget->palette().color(role);
}

} // namespace DistinctScheme
