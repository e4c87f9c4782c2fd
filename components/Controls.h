#pragma once

#include <QColor>
#include <QPushButton>

// Names a control as the program and its tests know it.
template<typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

// A flat button that Enter does not press on its own.
inline QPushButton* flatButton(const char* name, const QString& text, QWidget* parent)
{
    auto* button = named(new QPushButton(text, parent), name);
    button->setFlat(true);
    button->setAutoDefault(false);
    return button;
}

// Text in a colour and weight of its own, set on the palette so that the colour scheme can
// paint over it when the window is shown.
inline void styleText(QWidget* widget, const QColor& colour, bool bold = true, int pixelSize = 0)
{
    QFont font = widget->font();
    font.setBold(bold);
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}
