#include "formats/Bookmarks.h"

#include "platform/AppError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <memory>

namespace {

QString textOf(sqlite3_stmt* statement, int column)
{
    const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(statement, column));
    return text ? QString::fromUtf16(text, sqlite3_column_bytes16(statement, column) / 2) : QString();
}

} // namespace

QStringList readFirefoxProfiles(const QString& profilesIni)
{
    QFile file(profilesIni);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString folder = QFileInfo(profilesIni).absolutePath();
    QStringList profiles;
    // Read by hand: each [ProfileN] section names its folder with Path= and IsRelative=.
    bool inProfile = false;
    QString path;
    bool relative = true;
    const auto flush = [&] {
        if (inProfile && !path.isEmpty())
            profiles << (relative ? QDir(folder).filePath(path) : path);
        path.clear();
        relative = true;
    };
    for (QString line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        line = line.trimmed();
        if (line.startsWith(u'[')) {
            flush();
            inProfile = line.startsWith(QStringLiteral("[Profile"), Qt::CaseInsensitive);
        } else if (line.startsWith(QStringLiteral("Path="), Qt::CaseInsensitive)) {
            path = line.mid(5);
        } else if (line.startsWith(QStringLiteral("IsRelative="), Qt::CaseInsensitive)) {
            relative = line.mid(11) != QStringLiteral("0");
        }
    }
    flush();
    return profiles;
}

QList<Bookmark> readFirefoxBookmarks(const QString& placesFile)
{
    const QTemporaryDir copy;
    const QString copied = copy.filePath(QStringLiteral("places.sqlite"));
    if (!copy.isValid() || !QFile::copy(placesFile, copied))
        throw AppError(QStringLiteral("No se puede leer %1.").arg(placesFile));
    for (const QString& companion : {QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::copy(placesFile + companion, copied + companion);

    sqlite3* opened = nullptr;
    const int result = sqlite3_open_v2(qUtf8Printable(copied), &opened, SQLITE_OPEN_READWRITE, nullptr);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> database(opened, sqlite3_close);
    sqlite3_stmt* prepared = nullptr;
    if (result != SQLITE_OK
        || sqlite3_prepare_v2(opened,
               "SELECT b.title, p.url FROM moz_bookmarks b JOIN moz_places p ON p.id = b.fk "
               "WHERE b.type = 1 ORDER BY b.parent, b.position, b.id",
               -1, &prepared, nullptr)
            != SQLITE_OK) {
        throw AppError(QStringLiteral("No se pueden leer los favoritos de Firefox de %1: %2")
                           .arg(placesFile, QString::fromUtf8(sqlite3_errmsg(opened))));
    }
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(prepared, sqlite3_finalize);
    QList<Bookmark> bookmarks;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(prepared)) == SQLITE_ROW)
        bookmarks.append({textOf(prepared, 0), textOf(prepared, 1)});
    if (step != SQLITE_DONE)
        throw AppError(QStringLiteral("No se pueden leer los favoritos de Firefox de %1: %2")
                           .arg(placesFile, QString::fromUtf8(sqlite3_errmsg(opened))));
    return bookmarks;
}
