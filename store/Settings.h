#pragma once

#include <QString>

// The settings cache: the constantes row as the program uses it, holding the values in
// effect before the row is read until it is.
struct Settings
{
    QString navegadordefecto;
    int tiempo = 300;
    int nummaxabrir = 2;
    bool favoritossihay = true;
    int orden = 0;
    int grupo = 0;
    bool buscardireccion = true;
    bool buscauto = true;
    bool guardaSalir = true;
    bool BorrarCarpetas = false;
    bool BorrarInicioClipBoard = true;
    bool BorrarFinClipBoard = true;
};

// The six colour texts of the constantes row, kept as texts.
struct ColourScheme
{
    QString ColorFondo = QStringLiteral("clInfoBk");
    QString ColorTitulo = QStringLiteral("clBlue");
    QString ColorBoton = QStringLiteral("clMenuHighlight");
    QString ColorMensaje = QStringLiteral("clRed");
    QString ColorSugerencia = QStringLiteral("clTeal");
    QString ColorEdicion = QStringLiteral("clCream");

    // The colours written by ColoresPredeterminados.
    static ColourScheme defaults();

    bool operator==(const ColourScheme&) const = default;
};
