#include "formats/Bookmarks.h"

#include <QHash>
#include <QRegularExpression>

namespace {

// Character references as exports write them: the five of XML, &nbsp; and numeric ones.
QString decodeEntities(const QString& text)
{
    static const QHash<QString, QString> named {{QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")}, {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")}, {QStringLiteral("apos"), QStringLiteral("'")},
        {QStringLiteral("nbsp"), QStringLiteral(" ")}};
    static const QRegularExpression reference(
        QStringLiteral("&(#[0-9]{1,7}|#[xX][0-9a-fA-F]{1,6}|[a-zA-Z]{2,8});"));
    QString decoded;
    qsizetype last = 0;
    for (const QRegularExpressionMatch& match : reference.globalMatch(text)) {
        decoded += QStringView(text).mid(last, match.capturedStart() - last);
        const QString name = match.captured(1);
        QString replacement = match.captured(0);
        if (name.startsWith(u'#')) {
            bool ok = false;
            const bool hex = name.size() > 1 && (name.at(1) == u'x' || name.at(1) == u'X');
            const uint code = (hex ? name.mid(2) : name.mid(1)).toUInt(&ok, hex ? 16 : 10);
            if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF))
                replacement = QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        } else if (named.contains(name)) {
            replacement = named.value(name);
        }
        decoded += replacement;
        last = match.capturedEnd();
    }
    decoded += QStringView(text).mid(last);
    return decoded;
}

} // namespace

QList<Bookmark> readNetscapeBookmarks(const QString& html)
{
    static const QRegularExpression anchor(QStringLiteral("<a\\b([^>]*)>(.*?)</a\\s*>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression href(
        QStringLiteral("\\bhref\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QList<Bookmark> bookmarks;
    for (const QRegularExpressionMatch& link : anchor.globalMatch(html)) {
        const QRegularExpressionMatch address = href.match(link.captured(1));
        if (!address.hasMatch())
            continue;
        const QString quoted = address.captured(1) + address.captured(2) + address.captured(3);
        QString title = link.captured(2);
        title.remove(tag);
        bookmarks.append({decodeEntities(title).simplified(), decodeEntities(quoted).trimmed()});
    }
    return bookmarks;
}
