#include "store/MDatos.h"

#include "platform/AppError.h"
#include "platform/Platform.h"
#include "store/DefaultPictures.h"
#include "store/LinkTable.h"
#include "store/PictureTable.h"
#include "store/SettingsTable.h"
#include "store/TextUtils.h"

TMD::TMD(Platform& platform, const QString& programFolder)
    : TMD(platform, programFolder, programFolder + QStringLiteral("Trevalia.abs"))
{ }

TMD::TMD(Platform& platform, const QString& programFolder, const QString& databaseFile)
    : m_platform(platform)
    , m_rutaPrograma(programFolder)
    , m_listaIconos(DefaultPictures::load())
    , m_enlaces(databaseFile, [this](Database& database) { seedNewDatabase(database); })
{
    QStringList rejected;
    try {
        rejected << LeerColores();
        rejected << CargarConstantes();
    } catch (const AppError& error) {
        m_platform.showError(error.message());
    }
    if (!rejected.isEmpty())
        m_platform.showInformation(
            QStringLiteral("Estos valores de la configuración no son válidos y se usa en su lugar el valor "
                           "predeterminado:\n")
            + rejected.join(u'\n'));
    if (!m_enlaces.readOnlyReason().isEmpty())
        m_platform.showInformation(m_enlaces.readOnlyReason()
            + QStringLiteral("\nEl catálogo se abre sólo para leer: los cambios no se podrán guardar."));
}

QStringList TMD::CargarConstantes()
{
    return SettingsTable(m_enlaces).load(constantes);
}

void TMD::RestaurarConstantesPredetermindas()
{
    SettingsTable(m_enlaces).restoreDefaults();
}

QStringList TMD::LeerColores()
{
    return SettingsTable(m_enlaces).loadColours(colores);
}

void TMD::GuardarColores()
{
    SettingsTable(m_enlaces).saveColours(colores);
}

void TMD::ColoresPredeterminados()
{
    colores = ColourScheme::defaults();
    GuardarColores();
}

int TMD::NumRegDirecciones()
{
    try {
        return LinkTable(m_enlaces).count();
    } catch (const AppError&) {
        return 0;
    }
}

void TMD::DireccionesBeforePost(Link& link)
{
    link.fechahora = m_platform.now();
    link.prioridad = RellenarCeros(TextoANumero(link.prioridad), 3);
}

qint64 TMD::PostDireccion(Link& link)
{
    DireccionesBeforePost(link);
    LinkTable links(m_enlaces);
    if (link.id == 0)
        link.id = links.insert(link);
    else
        links.update(link);
    return link.id;
}

void TMD::seedNewDatabase(Database& database)
{
    SettingsTable(database).insertDefaults();
    PictureTable pictures(database);
    pictures.insert({DefaultPictures::Web, QStringLiteral("Página web"),
        DefaultPictures::toBmp(m_listaIconos.value(DefaultPictures::Web))});
    pictures.insert({DefaultPictures::Folder, QStringLiteral("Carpeta"),
        DefaultPictures::toBmp(m_listaIconos.value(DefaultPictures::Folder))});
}
