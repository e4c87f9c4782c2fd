#pragma once

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
