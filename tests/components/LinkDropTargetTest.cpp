#include "components/LinkDropTarget.h"
#include "formats/InternetShortcut.h"

#include "DropSimulation.h"
#include "TempFolder.h"
#include "TestText.h"

#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QByteArray utf16(const QString& text)
{
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

const DropFormats MainWindow = DropFormat::File | DropFormat::URL;

QString windowsFormat(const char* name)
{
    return s(u"application/x-qt-windows-mime;value=\"%1\"").arg(QLatin1StringView(name));
}

// A FILEGROUPDESCRIPTORW block with one file name.
QByteArray descriptor(const QString& name)
{
    QByteArray block(4 + 592, '\0');
    block[0] = 1;
    const QByteArray wide = utf16(name);
    block.replace(4 + 72, wide.size(), wide);
    return block;
}

} // namespace

TEST(InternetShortcut, TakesTheWholeRestOfTheUrlLine)
{
    EXPECT_EQ(InternetShortcut::address(s(u"[InternetShortcut]\r\nURL=https://a.es/?a=1&b=2\r\n")),
        s(u"https://a.es/?a=1&b=2"));
    EXPECT_EQ(InternetShortcut::address(s(u"[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,11\r\n["
                                          u"internetshortcut]\r\nIDList=\r\nurl=x://y\r\n")),
        s(u"x://y"));
    EXPECT_EQ(InternetShortcut::address(
                  s(u"URL=https://fuera.es\n[InternetShortcut]\n[Otra]\nURL=https://otra.es\n")),
        QString());
    EXPECT_EQ(InternetShortcut::address(s(u"[InternetShortcut]\nIconIndex=0\n")), QString());
    EXPECT_EQ(InternetShortcut::decode(QByteArray("a\xf1o")), s(u"año"));
    EXPECT_EQ(InternetShortcut::decode(QByteArray("a\xc3\xb1o")), s(u"año"));
}

TEST(DropFormats, AFileManagerDragGivesTheFilesInOrder)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(s(u"/home/ana/b.txt")), QUrl::fromLocalFile(s(u"/home/ana/Fotos")),
        QUrl::fromLocalFile(s(u"/home/ana/a.lnk"))});
    const std::optional<DroppedLinks> links = readDrop(data, MainWindow);
    ASSERT_TRUE(links);
    EXPECT_EQ(
        links->Files, QStringList({s(u"/home/ana/b.txt"), s(u"/home/ana/Fotos"), s(u"/home/ana/a.lnk")}));
    EXPECT_TRUE(links->URL.isEmpty());
}

TEST(DropFormats, BrowserLinksGiveTheAddressAndTitle)
{
    QMimeData firefox;
    firefox.setData(s(u"text/x-moz-url"), utf16(s(u"https://elpais.com/\nEL PAÍS: el periódico")));
    firefox.setData(s(u"_NETSCAPE_URL"),
        QByteArray("https://elpais.com/\nEL PA\xc3\x8dS: el peri\xc3\xb3"
                   "dico"));
    firefox.setText(s(u"https://elpais.com/"));
    std::optional<DroppedLinks> links = readDrop(firefox, MainWindow);
    ASSERT_TRUE(links);
    EXPECT_EQ(links->URL, s(u"https://elpais.com/"));
    EXPECT_EQ(links->Title, s(u"EL PAÍS: el periódico"));
    EXPECT_TRUE(links->Files.isEmpty());

    // Chrome on X11, as Qt shows it: the moz-url atom appears as a URI list.
    QMimeData chrome;
    chrome.setUrls({QUrl(s(u"https://www.rtve.es/radio/"))});
    chrome.setData(s(u"_NETSCAPE_URL"), QByteArray("https://www.rtve.es/radio/\nRadio Nacional"));
    links = readDrop(chrome, MainWindow);
    EXPECT_EQ(links->URL, s(u"https://www.rtve.es/radio/"));
    EXPECT_EQ(links->Title, s(u"Radio Nacional"));

    // Chrome on Wayland: moz-url in UTF-8 with no title.
    QMimeData wayland;
    wayland.setData(s(u"text/x-moz-url"), QByteArray("https://www.aemet.es/"));
    links = readDrop(wayland, MainWindow);
    EXPECT_EQ(links->URL, s(u"https://www.aemet.es/"));
    EXPECT_TRUE(links->Title.isEmpty());

    QMimeData urlOnly;
    urlOnly.setUrls({QUrl(s(u"https://bbva.es/"))});
    links = readDrop(urlOnly, MainWindow);
    EXPECT_EQ(links->URL, s(u"https://bbva.es/"));
    EXPECT_TRUE(links->Title.isEmpty());
}

TEST(DropFormats, PlainTextIsAnAddressOnlyWithASchemeAfterItsFirstCharacter)
{
    QMimeData text;
    text.setText(s(u"hola mundo"));
    EXPECT_FALSE(readDrop(text, MainWindow));
    text.setText(s(u"://raro"));
    EXPECT_FALSE(readDrop(text, MainWindow));
    text.setText(s(u"ftp://archivos.es"));
    EXPECT_EQ(readDrop(text, MainWindow)->URL, s(u"ftp://archivos.es"));
}

TEST(DropFormats, WindowsVirtualUrlFiles)
{
    QMimeData chrome;
    chrome.setData(windowsFormat("FileGroupDescriptorW"), descriptor(s(u"Página de inicio.url")));
    chrome.setData(windowsFormat("FileContents") + s(u";index=0"),
        QByteArray("[InternetShortcut]\r\nURL=https://inicio.es/?a=1&b=2\r\n"));
    std::optional<DroppedLinks> links = readDrop(chrome, MainWindow);
    ASSERT_TRUE(links);
    EXPECT_EQ(links->Title, s(u"Página de inicio"));
    EXPECT_EQ(links->URL, s(u"https://inicio.es/?a=1&b=2"));

    QMimeData descriptorOnly;
    descriptorOnly.setData(windowsFormat("FileGroupDescriptorW"), descriptor(s(u"Solo.URL")));
    links = readDrop(descriptorOnly, MainWindow);
    ASSERT_TRUE(links);
    EXPECT_EQ(links->Title, s(u"Solo"));
    EXPECT_TRUE(links->URL.isEmpty());

    QMimeData notUrl;
    notUrl.setData(windowsFormat("FileGroupDescriptorW"), descriptor(s(u"foto.jpg")));
    notUrl.setData(windowsFormat("FileContents"), QByteArray("[InternetShortcut]\r\nURL=https://no.es\r\n"));
    notUrl.setData(windowsFormat("UniformResourceLocator"), QByteArray("https://si.es"));
    links = readDrop(notUrl, MainWindow);
    EXPECT_TRUE(links->Title.isEmpty());
    EXPECT_EQ(links->URL, s(u"https://si.es"));
}

TEST(DropFormats, ADroppedUrlFileIsAFileAndAnAddress)
{
    TempFolder folder;
    const QString path = folder.file(s(u"Diario.url"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[InternetShortcut]\r\nURL=https://diario.es/?q=a=b\r\n");
    file.close();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const std::optional<DroppedLinks> links = readDrop(data, MainWindow);
    EXPECT_EQ(links->Files, QStringList {path});
    EXPECT_EQ(links->URL, s(u"https://diario.es/?q=a=b"));
    EXPECT_EQ(links->Title, s(u"Diario"));
}

TEST(DropTarget, TakesLinksOnlyFromSourcesThatAllowLinking)
{
    QWidget window;
    QWidget* inner = new QWidget(&window);
    inner->setAcceptDrops(true);
    QList<DroppedLinks> dropped;
    new TLinkDropTarget(&window, MainWindow, [&dropped](const DroppedLinks& links) { dropped << links; });
    EXPECT_FALSE(inner->acceptDrops());

    QMimeData data;
    data.setUrls({QUrl(s(u"https://a.es"))});
    EXPECT_EQ(simulateDrop(inner, data, Qt::CopyAction | Qt::MoveAction), Qt::IgnoreAction);
    EXPECT_TRUE(dropped.isEmpty());
    EXPECT_EQ(simulateDrop(inner, data, Qt::CopyAction | Qt::LinkAction), Qt::LinkAction);
    ASSERT_EQ(dropped.size(), 1);
    EXPECT_EQ(dropped.first().URL, s(u"https://a.es"));

    // Text without an address is refused as it enters, since its drop would give nothing.
    QMimeData text;
    text.setText(s(u"solo texto"));
    EXPECT_EQ(simulateDrop(&window, text, Qt::LinkAction), Qt::IgnoreAction);
    EXPECT_EQ(dropped.size(), 1);
}

TEST(DropTarget, AllFormatsTakePicturesAndAFailingHandlerEndsQuietly)
{
    QWidget window;
    int calls = 0;
    new TLinkDropTarget(&window, AllDropFormats, [&calls](const DroppedLinks& links) {
        ++calls;
        EXPECT_TRUE(links.Files.isEmpty());
        EXPECT_TRUE(links.URL.isEmpty());
        throw std::runtime_error("fallo");
    });
    QMimeData picture;
    picture.setImageData(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_EQ(simulateDrop(&window, picture, Qt::LinkAction), Qt::IgnoreAction);
    EXPECT_EQ(calls, 1);
}

TEST(DropTarget, ADragIsTakenOnEnteringOnlyWhenItsDropWouldBe)
{
    QWidget window;
    new TLinkDropTarget(&window, AllDropFormats, [](const DroppedLinks&) {});
    const auto enters = [&window](const QMimeData& data) {
        QDragEnterEvent enter(QPoint(1, 1), Qt::LinkAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        return enter.isAccepted();
    };
    QMimeData unknown;
    unknown.setData(s(u"application/x-hoja-de-calculo"), "celdas");
    EXPECT_FALSE(enters(unknown));
    QMimeData link;
    link.setUrls({QUrl(s(u"https://a.es"))});
    EXPECT_TRUE(enters(link));
}
