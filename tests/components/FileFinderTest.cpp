#include "components/FileFinder.h"

#include "TempFolder.h"
#include "TestText.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

class FileFinder : public ::testing::Test
{
protected:
    // F/{b,A,A/x} with files in each, a hidden one, and a folder whose name matches masks.
    void SetUp() override
    {
        for (const char16_t* path : {u"F/b/z.url", u"F/b/Nota.TXT", u"F/A/uno.url", u"F/A/x/dos.URL",
                 u"F/raiz.url", u"F/.oculto.url", u"F/viejo.url/dentro.txt"})
            touch(s(path));
    }

    void touch(const QString& relative)
    {
        const QString path = folder.file(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
    }

    QStringList find(const QString& directory, const QString& filter)
    {
        TFileFinder finder;
        finder.Directory = directory;
        finder.Filter = filter;
        finder.Recurse = true;
        finder.Execute();
        QStringList relative;
        for (const QString& found : finder.FoundFiles())
            relative << found.mid(folder.path().size());
        return relative;
    }

    TempFolder folder;
};

} // namespace

TEST_F(FileFinder, VisitsFoldersInPathOrderAndTakesEveryMask)
{
    const QStringList everything {s(u"F/.oculto.url"), s(u"F/raiz.url"), s(u"F/A/uno.url"),
        s(u"F/A/x/dos.URL"), s(u"F/b/Nota.TXT"), s(u"F/b/z.url"), s(u"F/viejo.url/dentro.txt")};
    const struct
    {
        const char16_t* filter;
        QStringList found;
    } cases[] = {
        {u"*.*", everything},
        {u" *.url ; ; NOTA.txt ",
            {s(u"F/.oculto.url"), s(u"F/raiz.url"), s(u"F/A/uno.url"), s(u"F/A/x/dos.URL"),
                s(u"F/b/Nota.TXT"), s(u"F/b/z.url")}},
        {u"*.url;*.URL",
            {s(u"F/.oculto.url"), s(u"F/raiz.url"), s(u"F/A/uno.url"), s(u"F/A/x/dos.URL"), s(u"F/b/z.url")}},
        {u"d?s.url", {s(u"F/A/x/dos.URL")}},
        {u";", {}},
        {u"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(find(folder.file(s(u"F")), QString::fromUtf16(c.filter)), c.found)
            << QString::fromUtf16(c.filter).toStdString();
    EXPECT_EQ(find(folder.file(s(u"F/")), s(u"*.*")), everything) << "a trailing separator changes nothing";
}

TEST_F(FileFinder, NothingIsFoundWithoutAFolderAndLinksToFoldersAreNotFollowed)
{
    EXPECT_EQ(find(QString(), s(u"*.*")), QStringList());
    EXPECT_EQ(find(folder.file(s(u"no-existe")), s(u"*.*")), QStringList());
    ASSERT_TRUE(QFile::link(folder.file(s(u"F")), folder.file(s(u"F/A/bucle"))));
    EXPECT_EQ(
        find(folder.file(s(u"F/A")), s(u"*.url")), QStringList({s(u"F/A/uno.url"), s(u"F/A/x/dos.URL")}));

    TFileFinder finder;
    finder.Directory = folder.file(s(u"F"));
    finder.Recurse = true;
    int folders = 0;
    finder.OnFolder = [&folders](const QString&, bool& abort) { abort = ++folders == 2; };
    finder.Execute();
    EXPECT_EQ(finder.FoundFiles().size(), 2) << "only the first folder was listed";
}
