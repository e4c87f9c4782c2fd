#pragma once

#include "store/Database.h"
#include "store/Records.h"
#include "store/Settings.h"

#include <QImage>
#include <QList>
#include <QString>

class Platform;

// The data module: lives for the whole run and owns the connection to Trevalia.abs,
// the settings cache, the colour texts and the default pictures.
class TMD
{
public:
    // Creates the module in the program folder (with its trailing separator): fixes the
    // database file name, reads the colours and the settings. An error on the way is
    // shown to the user and leaves the cache as far as it was filled; settings passed over
    // and a catalogue that can only be read are told once.
    TMD(Platform& platform, const QString& programFolder);
    // The same over the catalogue in databaseFile rather than the one in the program folder.
    TMD(Platform& platform, const QString& programFolder, const QString& databaseFile);

    Platform& platform() const { return m_platform; }
    Database& Enlaces() { return m_enlaces; }
    const QString& RutaPrograma() const { return m_rutaPrograma; }
    const QList<QImage>& ListaIconos() const { return m_listaIconos; }

    Settings constantes;
    ColourScheme colores;

    // These two read the row into the caches and return the columns whose stored values
    // were passed over for the cache's own, each with the value found.
    QStringList CargarConstantes();
    void RestaurarConstantesPredetermindas();
    QStringList LeerColores();
    void GuardarColores();
    void ColoresPredeterminados();

    // The number of links, or 0 when they cannot be counted.
    int NumRegDirecciones();

    // Normalises the priority and stamps the time, as every post of a link through the
    // module does.
    void DireccionesBeforePost(Link& link);
    // Stores the link (new when its id is 0) after DireccionesBeforePost; returns its id.
    qint64 PostDireccion(Link& link);

    // Opens a link, in its browser when it has one; returns a message for the user, empty
    // when there is nothing to report.
    QString AbrirLink(const QString& address, const QString& browser);
    // Throws AppError with the system's code and reason when the system refuses.
    void RunAsAdmin(const QString& program, const QString& parameters);
    // The id of a stored link with this title (or the name made from the address) and
    // address, or 0.
    qint64 ExisteEnlace(const QString& title, const QString& address);
    // The icon kind of an address, with the file's own icon for kind 0.
    struct IconoEnlace
    {
        int nicono = 0;
        QImage bitmap;
    };
    IconoEnlace BuscarIcono2(const QString& address);
    bool BorrarCarpeta(const QString& path);

private:
    void seedNewDatabase(Database& database);

    Platform& m_platform;
    QString m_rutaPrograma;
    QList<QImage> m_listaIconos;
    Database m_enlaces;
};
