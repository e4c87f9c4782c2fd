#pragma once

#include <QString>

// What an address names, as the link editor tells the user while it is typed, with a hint
// when its slashes look wrong.
struct LinkKind
{
    QString name;
    QString hint;
};

LinkKind TipoEnlace(const QString& address);
