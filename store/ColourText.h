#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include <optional>

// Colours as the constantes row stores them: 00BBGGRR values, FF0000nn for the system
// colour nn, written as one of 52 names or as "$" and eight hexadecimal digits.
namespace ColourText {

constexpr quint32 None = 0x1FFFFFFF;
constexpr quint32 Default = 0x20000000;

QString toText(quint32 value);

// A name in any letter case, a decimal number or "$" and hexadecimal digits.
std::optional<quint32> fromText(const QString& text);

constexpr quint32 rgb(int red, int green, int blue)
{
    return quint32(red) | quint32(green) << 8 | quint32(blue) << 16;
}

// The colour on screen: ordinary values as they are, system colours from the palette.
// clNone is transparent; clDefault gives an invalid colour, meaning "leave as it is".
QColor toQColor(quint32 value, const QPalette& palette);

} // namespace ColourText
