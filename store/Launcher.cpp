// The data module's operations on what a link points to.
#include "store/MDatos.h"

#include "formats/ShellLink.h"
#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "store/BrowserTable.h"
#include "store/LinkQueries.h"
#include "store/LinkTable.h"
#include "store/TextUtils.h"

#include <QFileInfo>
#include <QPainter>

namespace {

// The position after the last separator or ":" of an address, where its name begins.
qsizetype nameStart(const QString& address)
{
    return std::max(Paths::lastSeparator(address), address.lastIndexOf(u':')) + 1;
}

QString extensionOf(const QString& address)
{
    const qsizetype start = nameStart(address);
    const qsizetype dot = address.lastIndexOf(u'.');
    return dot >= start ? address.mid(dot) : QString();
}

bool isFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

} // namespace

QString TMD::AbrirLink(const QString& address, const QString& browser)
{
    const QString name = browser.isEmpty() ? constantes.navegadordefecto : browser;
    QString program;
    if (const std::optional<Browser> found = BrowserTable(m_enlaces).find(name))
        program = found->ruta;
    else if (!name.isEmpty())
        m_platform.showInformation(QStringLiteral("El navegador ") + name
            + QStringLiteral(" no existe en la tabla de navegadores (CONSTANTES)") + u'\n'
            + QStringLiteral("           Se abrirá con el navegador por defecto del sistema"));

    const bool web = address.toUpper().contains(QStringLiteral("HTTP"));
    if (!extensionOf(address).isEmpty() && !web && !QFileInfo::exists(address))
        return QStringLiteral("Este enlace no existe o no es accesible en este momento");
    if (address.isEmpty())
        return {};

    QString target = address;
    if (target.contains(u'%')) {
        // Only a defined variable is expanded: percent escapes of web addresses stay as typed.
        const QString variable = ExtraerToken(target, QStringLiteral("%"), 2, 1);
        if (const std::optional<QString> value = m_platform.environmentVariable(variable))
            target = Reemplazar(target, u'%' + variable + u'%', *value);
    }

    ShellRequest request {target, {}, {}};
    if (web && !program.isEmpty())
        request = {program, target, {}};
    else if (extensionOf(target).toUpper() == QStringLiteral(".EXE") || Paths::isProgram(target))
        request.workingFolder = target.left(nameStart(target));
    try {
        m_platform.shellOpen(request);
    } catch (const AppError& error) {
        // A link that did not open is said, not passed over in silence.
        return error.message();
    }
    return {};
}

void TMD::RunAsAdmin(const QString& program, const QString& parameters)
{
    m_platform.runAsAdmin(program, parameters);
}

qint64 TMD::ExisteEnlace(const QString& title, const QString& address)
{
    QString titulo = title.isEmpty() ? NombreFichero(address) : title;
    QString direccion = address;
    if (const std::optional<QString> target = shortcutTarget(direccion)) {
        titulo = u'>' + MayusculasEsp(NombreFichero(direccion));
        direccion = *target;
    }
    titulo = LinkTable::storedTitle(titulo);
    Cursor cursor = m_enlaces.query(LinkQueries::existeEnlace(titulo, direccion));
    return cursor.next() ? cursor.integer(u"id") : 0;
}

TMD::IconoEnlace TMD::BuscarIcono2(const QString& address)
{
    IconoEnlace result;
    if (isFile(address)) {
        const QImage icon = m_platform.associatedIcon(address);
        if (icon.isNull()) {
            m_platform.showInformation(QStringLiteral("no puedo mostrar el icono"));
            return result;
        }
        result.bitmap = QImage(icon.size(), QImage::Format_ARGB32);
        result.bitmap.fill(Qt::white);
        QPainter painter(&result.bitmap);
        painter.drawImage(0, 0, icon);
    } else if (QFileInfo(address).isDir()) {
        result.nicono = 2;
    } else {
        result.nicono = 1;
    }
    return result;
}

bool TMD::BorrarCarpeta(const QString& path)
{
    return m_platform.moveFolderToTrash(path);
}
