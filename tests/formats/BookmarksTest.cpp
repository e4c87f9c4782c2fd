#include "formats/Bookmarks.h"

#include "platform/AppError.h"

#include "TempFolder.h"
#include "TestText.h"

#include <QFile>

#include <sqlite3.h>

#include <gtest/gtest.h>

namespace {

// A Bookmarks file as Chromium writes it: pretty-printed with three spaces, keys in
// alphabetical order, folders nested, a bookmarklet and JSON escapes.
const char* const ChromeFile = R"json({
   "checksum": "0123456789abcdef0123456789abcdef",
   "roots": {
      "bookmark_bar": {
         "children": [ {
            "date_added": "13300000000000000",
            "date_last_used": "0",
            "guid": "00000000-0000-4000-a000-000000000001",
            "id": "5",
            "meta_info": { "power_bookmark_meta": "" },
            "name": "Diario del día, \"edición\" \u00e9 \ud83d\ude00",
            "type": "url",
            "url": "https://elpais.com/?a=1,b=2"
         }, {
            "children": [ {
               "children": [ {
                  "guid": "00000000-0000-4000-a000-000000000003",
                  "id": "8",
                  "name": "Muy adentro",
                  "type": "url",
                  "url": "https://adentro.es/"
               } ],
               "guid": "00000000-0000-4000-a000-000000000004",
               "id": "7",
               "name": "Carpeta interior",
               "type": "folder"
            }, {
               "guid": "00000000-0000-4000-a000-000000000005",
               "id": "9",
               "name": "Marcador",
               "type": "url",
               "url": "javascript:alert(1)"
            } ],
            "date_modified": "0",
            "guid": "00000000-0000-4000-a000-000000000006",
            "id": "6",
            "name": "Carpeta",
            "type": "folder"
         } ],
         "id": "1",
         "name": "Barra de marcadores",
         "type": "folder"
      },
      "other": {
         "children": [ {
            "id": "10",
            "name": "",
            "show_icon": false,
            "source": "user_add",
            "type": "url",
            "url": "http://sin-nombre.es/"
         } ],
         "id": "2",
         "name": "Otros marcadores",
         "type": "folder"
      },
      "synced": { "children": [ ], "id": "3", "name": "Móvil", "type": "folder" }
   },
   "version": 1
}
)json";

} // namespace

TEST(Bookmarks, ChromiumFilesGiveEveryBookmarkWholeAndDecoded)
{
    const QList<Bookmark> bookmarks = readChromiumBookmarks(QByteArray(ChromeFile));
    ASSERT_EQ(bookmarks.size(), 4);
    EXPECT_EQ(bookmarks.at(0).title, s(u"Diario del día, \"edición\" é 😀"));
    EXPECT_EQ(bookmarks.at(0).address, s(u"https://elpais.com/?a=1,b=2"));
    EXPECT_EQ(bookmarks.at(1).address, s(u"https://adentro.es/"));
    EXPECT_EQ(bookmarks.at(2).address, s(u"javascript:alert(1)"));
    EXPECT_EQ(bookmarks.at(3).title, QString());

    const QString longName = QString(300, u'ñ');
    const QByteArray longFile = QStringLiteral(R"({"roots":{"other":{"type":"folder","children":[
        {"type":"url","name":"%1","url":"https://largo.es/%2"}]}},"version":1})")
                                    .arg(longName, QString(400, u'x'))
                                    .toUtf8();
    const QList<Bookmark> whole = readChromiumBookmarks(longFile);
    ASSERT_EQ(whole.size(), 1);
    EXPECT_EQ(whole.first().title, longName);
    EXPECT_EQ(whole.first().address.size(), 417);

    EXPECT_THROW(readChromiumBookmarks("no es JSON"), AppError);
    EXPECT_THROW(readChromiumBookmarks("{\"version\": 1}"), AppError);
}

TEST(Bookmarks, NetscapeExportsGiveTheirLinksWithEntitiesDecoded)
{
    const QString html
        = s(u"<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
            u"<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
            u"<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n"
            u"    <DT><H3 ADD_DATE=\"1700000000\">Noticias &amp; más</H3>\n    <DL><p>\n"
            u"        <DT><A HREF=\"https://a.es/?x=1&amp;y=2\" ADD_DATE=\"1700000000\">Caf&eacute; &amp; "
            u"t&#233; &#x1F600;</A>\n"
            u"    </DL><p>\n"
            u"    <DT><a href='https://b.es/'>B</a>\n"
            u"    <DT><A ADD_DATE=\"1\">Sin dirección</A>\n"
            u"</DL><p>\n");
    const QList<Bookmark> bookmarks = readNetscapeBookmarks(html);
    ASSERT_EQ(bookmarks.size(), 2);
    EXPECT_EQ(bookmarks.at(0).address, s(u"https://a.es/?x=1&y=2"));
    EXPECT_EQ(bookmarks.at(0).title, s(u"Caf&eacute; & té 😀")) << "unknown names stay as written";
    EXPECT_EQ(bookmarks.at(1).address, s(u"https://b.es/"));
}

TEST(Bookmarks, FirefoxProfilesAndBookmarksAreReadWhileFirefoxHoldsTheFile)
{
    TempFolder folder;
    QFile ini(folder.file(s(u"profiles.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Install4F96D1932A9F858E]\nDefault=abc.default-esr\n\n[Profile1]\nName=otro\nIsRelative=0\n"
              "Path=/srv/perfiles/otro\n\n[Profile0]\nName=default-esr\nIsRelative=1\nPath=abc.default-esr\n"
              "Default=1\n\n[General]\nStartWithLastProfile=1\n");
    ini.close();
    EXPECT_EQ(readFirefoxProfiles(folder.file(s(u"profiles.ini"))),
        QStringList({s(u"/srv/perfiles/otro"), folder.file(s(u"abc.default-esr"))}));

    // A places.sqlite in write-ahead-log mode whose bookmarks are still in the log, held open
    // by another connection as a running Firefox holds it.
    const QString places = folder.file(s(u"places.sqlite"));
    sqlite3* firefox = nullptr;
    ASSERT_EQ(sqlite3_open(qUtf8Printable(places), &firefox), SQLITE_OK);
    sqlite3_exec(firefox,
        "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;"
        "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url TEXT, title TEXT);"
        "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER, parent INTEGER,"
        " position INTEGER, title TEXT, dateAdded INTEGER, lastModified INTEGER, guid TEXT);"
        "INSERT INTO moz_places VALUES (1, 'https://www.mozilla.org/es-ES/firefox/', 'Firefox');"
        "INSERT INTO moz_places VALUES (2, 'https://ñandú.es/', NULL);"
        "INSERT INTO moz_bookmarks VALUES (1, 2, NULL, 0, 0, 'menu', 0, 0, 'menu________');"
        "INSERT INTO moz_bookmarks VALUES (2, 1, 2, 1, 1, 'Ñandú', 0, 0, 'b');"
        "INSERT INTO moz_bookmarks VALUES (3, 1, 1, 1, 0, 'Primeros pasos', 0, 0, 'a');"
        "INSERT INTO moz_bookmarks VALUES (4, 3, NULL, 1, 2, NULL, 0, 0, 'c');",
        nullptr, nullptr, nullptr);
    const QList<Bookmark> bookmarks = readFirefoxBookmarks(places);
    sqlite3_close(firefox);
    ASSERT_EQ(bookmarks.size(), 2);
    EXPECT_EQ(bookmarks.at(0).title, s(u"Primeros pasos"));
    EXPECT_EQ(bookmarks.at(1).title, s(u"Ñandú"));
    EXPECT_EQ(bookmarks.at(1).address, s(u"https://ñandú.es/"));

    EXPECT_THROW(readFirefoxBookmarks(folder.file(s(u"no-existe.sqlite"))), AppError);
}
