#pragma once

#include <QList>
#include <QString>

// A web bookmark as a browser keeps it: its name and its address, both whole.
struct Bookmark
{
    QString title;
    QString address;
};

// The bookmarks of a Chromium "Bookmarks" file (Chrome, Chromium, Edge, Brave): every URL
// node below every root (bookmark bar, other, mobile), each folder walked in its order. Throws AppError when
// the text is not such a file.
QList<Bookmark> readChromiumBookmarks(const QByteArray& json);

// The links of a bookmark file in the Netscape format every browser exports
// (<DT><A HREF="...">title</A>), with HTML character references decoded.
QList<Bookmark> readNetscapeBookmarks(const QString& html);

// The profile folders listed in Firefox's profiles.ini, relative paths taken against the
// folder of the file, in the file's order.
QStringList readFirefoxProfiles(const QString& profilesIni);

// The bookmarks of a Firefox profile's places.sqlite. A running Firefox keeps recent
// changes in the write-ahead log and holds the file: the database, its log and its shared
// memory are copied to a temporary folder and the copy is read. Throws AppError when the
// file cannot be read.
QList<Bookmark> readFirefoxBookmarks(const QString& placesFile);
