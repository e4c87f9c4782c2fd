#include "store/Settings.h"

#include "store/ColourText.h"

ColourScheme ColourScheme::defaults()
{
    ColourScheme colours;
    colours.ColorFondo = ColourText::toText(ColourText::rgb(255, 253, 242));
    colours.ColorEdicion = QStringLiteral("clWhite");
    return colours;
}
