#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// One link: a row of direcciones.
struct Link
{
    qint64 id = 0;
    QString titulo;
    QString direccion;
    QString codgrupo;
    QString prioridad = QStringLiteral("000");
    QString tipo;
    QString navegador;
    QDateTime fechahora;
    QByteArray icono;
    int nicono = 0;
};

// One group: a row of grupos.
struct Group
{
    QString codgrupo;
    QString nomgrupo;
};

// One browser: a row of navegadores.
struct Browser
{
    QString nombre;
    QString ruta;
};

// One shared picture: a row of iconos.
struct Picture
{
    int numicono = 0;
    QString nomicono;
    QByteArray imagen;
};
