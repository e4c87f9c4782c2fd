#include "components/HttpDownload.h"

#include "LocalHttpServer.h"
#include "TempFolder.h"
#include "TestText.h"

#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(sin fichero)");
}

} // namespace

TEST(HttpDownload, OnlyACompleteSuccessfulTransferLeavesTheFile)
{
    LocalHttpServer server;
    server.responses.insert(s(u"/ok"), LocalHttpServer::ok("1.2.3 notas\n"));
    server.responses.insert(s(u"/mover"), "HTTP/1.1 302 Found\r\nLocation: /ok\r\nContent-Length: 0\r\n\r\n");
    server.responses.insert(
        s(u"/corto"), "HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\nsolo esto");
    server.responses.insert(s(u"/vacio"), LocalHttpServer::ok({}));
    const struct
    {
        const char16_t* path;
        QByteArray file;
    } cases[] = {
        {u"/ok", "1.2.3 notas\n"},
        {u"/mover", "1.2.3 notas\n"},
        {u"/no-existe", "(sin fichero)"},
        {u"/corto", "(sin fichero)"},
        {u"/vacio", ""},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        THttpDownload download;
        download.URL = server.address(QString::fromUtf16(c.path));
        download.OutputFileName = folder.file(s(u"VerTrevalia.txt"));
        EXPECT_TRUE(download.Read());
        EXPECT_EQ(contentsOf(download.OutputFileName), c.file) << QString::fromUtf16(c.path).toStdString();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(),
            c.file == "(sin fichero)" ? 0 : 1)
            << "no partial file is left";
    }
}

TEST(HttpDownload, AFileFromBeforeIsLeftAloneByAFailure)
{
    LocalHttpServer server;
    TempFolder folder;
    THttpDownload download;
    download.OutputFileName = folder.file(s(u"VerTrevalia.txt"));
    QFile earlier(download.OutputFileName);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("1.0.0");
    earlier.close();
    download.URL = server.address(s(u"/no-existe")).mid(7); // without "http://"
    download.Read();
    EXPECT_EQ(server.requests, 1) << "an address without a scheme is fetched over http";
    EXPECT_EQ(contentsOf(download.OutputFileName), "1.0.0");
}

TEST(HttpDownload, ARefusedOrSilentServerEndsTheTransferAndASecondStartIsRefused)
{
    LocalHttpServer server;
    server.responses.insert(s(u"/nunca"), QByteArray());
    TempFolder folder;
    THttpDownload download;
    download.OutputFileName = folder.file(s(u"VerTrevalia.txt"));
    download.TransferTimeout = 300;

    download.URL = s(u"http://127.0.0.1:1/");
    EXPECT_TRUE(download.Read());
    EXPECT_FALSE(QFile::exists(download.OutputFileName));

    download.URL = server.address(s(u"/nunca"));
    bool secondStart = true;
    QTimer::singleShot(50, [&] { secondStart = download.Read(); });
    EXPECT_TRUE(download.Read());
    EXPECT_FALSE(secondStart) << "a start while a transfer runs is refused";
    EXPECT_FALSE(QFile::exists(download.OutputFileName));
}
