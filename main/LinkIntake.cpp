// Links that reach the main window by drops and the clipboard, and addresses copied out.
#include "main/Principal.h"

#include "components/LinkDropTarget.h"
#include "components/RadioGroup.h"
#include "formats/InternetShortcut.h"
#include "formats/ShellLink.h"
#include "main/LinkListModel.h"
#include "platform/Platform.h"
#include "store/DefaultPictures.h"
#include "store/MDatos.h"
#include "store/TextUtils.h"

#include <QComboBox>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTableView>

namespace {

// Upper case for the letters a to z only, as the intake's tests compare.
QString asciiUpper(QString text)
{
    for (QChar& c : text) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return text;
}

struct Item
{
    QString title;
    QString address;
};

// An Internet shortcut file becomes the address it holds, titled with its own name. An
// address that only looks like one (a host whose name holds ".url") stays as it is.
Item resolveInternetShortcut(Item item)
{
    if (!asciiUpper(item.address).contains(QStringLiteral(".URL")))
        return item;
    const std::optional<QString> address = InternetShortcut::lastUrlLine(item.address);
    if (address && !address->isEmpty())
        return {MayusculasEsp(NombreFichero(item.address)), *address};
    return item;
}

QString duplicateMessage(const QString& address)
{
    const QString first = QStringLiteral("Este enlace: ") + address;
    const int spaces = first.size() <= 31 ? 0 : int((first.size() - 31) / 2) + 3;
    return first + QStringLiteral("\r\n\r\n") + RepetirTexto(QStringLiteral(" "), spaces)
        + QStringLiteral("¡ YA EXISTE !  NO SE DA DE ALTA");
}

} // namespace

void TFormPrincipal::DardeAltaEnlace(const QString& title, const QString& address)
{
    Item item = resolveInternetShortcut({title.isEmpty() ? NombreFichero(address) : title, address});
    if (const std::optional<QString> target = shortcutTarget(item.address)) {
        item.title = u'>' + MayusculasEsp(NombreFichero(item.address));
        item.address = *target;
    }
    if (item.title.isEmpty())
        item.title = address;

    Link link;
    link.titulo = MayusculasEsp(item.title);
    link.direccion = item.address;
    link.prioridad = QStringLiteral("000");
    const int position = ComboGrupos->currentIndex();
    if (position == 1)
        link.tipo = QStringLiteral("F");
    if (position > 2)
        link.codgrupo = QuitarBlancos(ExtraerToken(ComboGrupos->currentText(), QStringLiteral("-"), 1, 1));
    const TMD::IconoEnlace icon = m_md.BuscarIcono2(link.direccion);
    link.nicono = icon.nicono;
    if (icon.nicono == 0)
        link.icono = DefaultPictures::toBmp(icon.bitmap);
    m_md.PostDireccion(link);
}

void TFormPrincipal::takeLink(const QString& title, const QString& address)
{
    if (m_md.ExisteEnlace(title, address) != 0)
        m_platform.showInformation(duplicateMessage(address));
    else
        DardeAltaEnlace(title, address);
}

void TFormPrincipal::showRecent()
{
    ROrden->setItemIndex(2);
    ComboGruposSelect();
    if (m_model->rowCount() > 0)
        DBGrid1->setCurrentIndex(m_model->index(0, LinkListModel::Titulo));
}

void TFormPrincipal::DropTargetDrop(const DroppedLinks& links)
{
    QList<Item> items;
    if (!links.Files.isEmpty()) {
        for (const QString& file : links.Files)
            items.append({QString(), file});
    } else if (!links.URL.isEmpty()) {
        items.append({links.Title, links.URL});
    }
    // A dropped Internet shortcut is checked with the address it holds, the one stored.
    for (const Item& item : items) {
        const Item resolved = resolveInternetShortcut(item);
        takeLink(resolved.title, resolved.address);
    }
    showRecent();
}

void TFormPrincipal::MPegarEnlaceExecute()
{
    QStringList candidates = m_platform.clipboardText().split(
        QRegularExpression(QStringLiteral("\r\n|\n|\r")), Qt::SkipEmptyParts);
    const QStringList files = m_platform.clipboardFiles();
    if (!files.isEmpty())
        candidates = files;
    if (candidates.isEmpty())
        return;
    for (const QString& line : candidates) {
        const QFileInfo info(line);
        if (!info.exists() && !line.contains(QStringLiteral("HTTP"), Qt::CaseInsensitive))
            continue;
        const Item item = resolveInternetShortcut({asciiUpper(NombreFichero(line)), line});
        takeLink(item.title, item.address);
    }
    showRecent();
}

void TFormPrincipal::MCopiarEnlaceExecute()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    QStringList addresses;
    for (const int row : rows)
        addresses << columnText(row, LinkListModel::Direccion);
    DBGrid1->clearSelection();
    m_platform.setClipboardText(addresses.join(QStringLiteral("\r\n")));
}
