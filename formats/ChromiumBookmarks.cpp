#include "formats/Bookmarks.h"

#include "platform/AppError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

void collect(const QJsonObject& node, QList<Bookmark>& bookmarks, int depth)
{
    // Deeper than any browser nests folders: a crafted file is not followed further.
    constexpr int MaximumDepth = 200;
    if (node.value(QStringLiteral("type")).toString() == QStringLiteral("url")) {
        bookmarks.append(
            {node.value(QStringLiteral("name")).toString(), node.value(QStringLiteral("url")).toString()});
        return;
    }
    if (depth >= MaximumDepth)
        return;
    for (const QJsonValue child : node.value(QStringLiteral("children")).toArray())
        collect(child.toObject(), bookmarks, depth + 1);
}

} // namespace

QList<Bookmark> readChromiumBookmarks(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    const QJsonValue roots = document.object().value(QStringLiteral("roots"));
    if (error.error != QJsonParseError::NoError || !roots.isObject())
        throw AppError(
            QStringLiteral("No es un fichero de favoritos de Chrome (%1).").arg(error.errorString()));
    QList<Bookmark> bookmarks;
    const QJsonObject all = roots.toObject();
    for (auto root = all.begin(); root != all.end(); ++root) {
        if (root.value().isObject())
            collect(root.value().toObject(), bookmarks, 0);
    }
    return bookmarks;
}
