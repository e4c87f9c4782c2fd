#include "import/Candidates.h"

#include "formats/InternetShortcut.h"
#include "store/TextUtils.h"

namespace Candidates {

namespace {

QString withoutSchemes(QString title)
{
    title = title.toUpper();
    title.remove(QStringLiteral("HTTP://"));
    title.remove(QStringLiteral("HTTPS://"));
    title.remove(QStringLiteral("//"));
    return title;
}

// A "|" would split the line where it does not end the title; a line break would make two.
QString clean(const QString& text)
{
    return QString(text).replace(u'|', u'¦').simplified();
}

// In an address a "|" is written as its escape, which names the same page.
QString cleanAddress(const QString& address)
{
    return QString(address).replace(QStringLiteral("|"), QStringLiteral("%7C")).trimmed();
}

// A bookmark's line: titled by its name, or its address when it has none, raised; the
// schemes are taken out of the title where the browser's rule says so.
std::optional<QString> bookmarkLine(const Bookmark& bookmark, bool removeSchemes)
{
    const QString address = cleanAddress(bookmark.address);
    if (!address.contains(QStringLiteral("http")))
        return std::nullopt;
    const QString name = clean(bookmark.title);
    const QString title = name.isEmpty() ? address : name;
    return (removeSchemes ? withoutSchemes(title) : title.toUpper()) + QStringLiteral(" | ") + address;
}

} // namespace

QStringList fromInternetShortcut(const QString& path)
{
    const std::optional<QStringList> addresses = InternetShortcut::baseUrls(path);
    QStringList lines;
    for (const QString& found : addresses.value_or(QStringList())) {
        const QString address = cleanAddress(found);
        QString title = clean(NombreFichero(path)).toUpper();
        if (title.isEmpty())
            title = address;
        lines << withoutSchemes(title) + u'|' + address;
    }
    return lines;
}

std::optional<QString> fromBookmark(const Bookmark& bookmark)
{
    return bookmarkLine(bookmark, true);
}

std::optional<QString> fromEdgeBookmark(const Bookmark& bookmark)
{
    return bookmarkLine(bookmark, false);
}

QString titleOf(const QString& line)
{
    return QuitarBlancos(ExtraerToken(line, QStringLiteral("|"), 1, 1)).toUpper();
}

QString addressOf(const QString& line)
{
    return QuitarBlancos(ExtraerToken(line, QStringLiteral("|"), 2, 1));
}

} // namespace Candidates
