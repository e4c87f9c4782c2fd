#include "formats/ShellLink.h"

#include "TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

// Writes shortcut files the way Windows lays them out.
class ShortcutBuilder
{
public:
    ShortcutBuilder& idList(int size)
    {
        m_flags |= 0x01;
        m_idListSize = size;
        return *this;
    }
    // An item-ID list of the given items.
    ShortcutBuilder& items(const QList<QByteArray>& items)
    {
        m_flags |= 0x01;
        m_items = items;
        return *this;
    }
    ShortcutBuilder& localPath(const QByteArray& base, const QByteArray& suffix = {})
    {
        m_flags |= 0x02;
        m_base = base;
        m_suffix = suffix;
        return *this;
    }
    ShortcutBuilder& unicodeLocalPath(const QString& base)
    {
        m_flags |= 0x02;
        m_unicodeBase = base;
        return *this;
    }
    ShortcutBuilder& network(const QByteArray& share, const QByteArray& suffix)
    {
        m_flags |= 0x02;
        m_share = share;
        m_suffix = suffix;
        return *this;
    }
    ShortcutBuilder& relativePath(const QString& path)
    {
        m_flags |= 0x08 | 0x80;
        m_relative = path;
        return *this;
    }
    ShortcutBuilder& environmentPath(const QString& path)
    {
        m_environment = path;
        return *this;
    }
    ShortcutBuilder& forceNoLinkInfo()
    {
        m_flags |= 0x100;
        return *this;
    }

    QByteArray build() const
    {
        QByteArray out;
        u32(out, 0x4C);
        out.append(QByteArray::fromHex("0114020000000000C000000000000046"));
        u32(out, m_flags);
        out.append(QByteArray(0x4C - out.size(), '\0'));
        if (m_flags & 0x01 && !m_items.isEmpty()) {
            QByteArray list;
            for (const QByteArray& item : m_items) {
                u16(list, quint16(item.size() + 2));
                list.append(item);
            }
            u16(list, 0);
            u16(out, quint16(list.size()));
            out.append(list);
        } else if (m_flags & 0x01) {
            u16(out, quint16(m_idListSize));
            out.append(QByteArray(m_idListSize, '\x11'));
        }
        if (m_flags & 0x02)
            out.append(linkInfo());
        if (m_flags & 0x08) {
            u16(out, quint16(m_relative.size()));
            out.append(reinterpret_cast<const char*>(m_relative.utf16()), m_relative.size() * 2);
        }
        if (!m_environment.isEmpty()) {
            u32(out, 0x314);
            u32(out, 0xA0000001);
            QByteArray ansi = m_environment.toLatin1();
            ansi.resize(260, '\0');
            QByteArray wide(reinterpret_cast<const char*>(m_environment.utf16()), m_environment.size() * 2);
            wide.resize(520, '\0');
            out.append(ansi).append(wide);
        }
        u32(out, 0);
        return out;
    }

    // The item of a root folder with its class id in the file's byte order.
    static QByteArray rootItem(const char* clsidHex)
    {
        return QByteArray("\x1F\x50", 2) + QByteArray::fromHex(clsidHex);
    }
    static QByteArray computer() { return rootItem("E04FD020EA3A6910A2D808002B30309D"); }
    static QByteArray userFolder() { return rootItem("471A0359723FA74489C55595FE6B30EE"); }
    static QByteArray volume(const QByteArray& drive)
    {
        QByteArray item("\x2F", 1);
        item.append(drive).append(QByteArray(20, '\0'));
        return item;
    }
    // A folder or file entry: its short ANSI name and, from extension version 3 on, the long
    // Unicode name in an extension block laid out as that version lays it.
    static QByteArray entry(const QByteArray& shortName, const QString& longName = {}, int version = 9)
    {
        QByteArray item("\x31\x00", 2);
        item.append(QByteArray(10, '\0'));
        item.append(shortName).append('\0');
        if (item.size() % 2)
            item.append('\0');
        if (longName.isEmpty())
            return item;
        const qsizetype blockStart = item.size();
        QByteArray block;
        u16(block, 0);
        u16(block, quint16(version));
        u32(block, 0xBEEF0004);
        const int nameOffset = version >= 9 ? 46 : version == 8 ? 42 : version == 7 ? 38 : 20;
        block.append(QByteArray(nameOffset - block.size(), '\0'));
        block.append(reinterpret_cast<const char*>(longName.utf16()), longName.size() * 2).append(2, '\0');
        u16(block, quint16(blockStart + 2));
        block[0] = char(block.size() & 0xFF);
        block[1] = char(block.size() >> 8);
        return item + block;
    }

private:
    static void u16(QByteArray& out, quint16 v) { out.append(char(v & 0xFF)).append(char(v >> 8)); }
    static void u32(QByteArray& out, quint32 v)
    {
        for (int i = 0; i < 4; ++i)
            out.append(char(v >> (8 * i) & 0xFF));
    }

    QByteArray linkInfo() const
    {
        const bool unicode = !m_unicodeBase.isEmpty();
        const quint32 headerSize = unicode ? 0x24 : 0x1C;
        QByteArray body;
        quint32 flags = 0;
        quint32 baseOffset = 0, networkOffset = 0, suffixOffset = 0, unicodeBaseOffset = 0,
                unicodeSuffixOffset = 0;
        auto offset = [&] { return headerSize + quint32(body.size()); };
        if (!m_base.isEmpty() || unicode) {
            flags |= 1;
            u32(body, 0x11); // a volume id of no interest here
            body.append(QByteArray(0x0D, '\0'));
            baseOffset = offset();
            body.append(m_base).append('\0');
        }
        if (!m_share.isEmpty()) {
            flags |= 2;
            networkOffset = offset();
            QByteArray block;
            u32(block, 0x14 + quint32(m_share.size()) + 1);
            u32(block, 0);
            u32(block, 0x14);
            u32(block, 0);
            u32(block, 0);
            block.append(m_share).append('\0');
            body.append(block);
        }
        suffixOffset = offset();
        body.append(m_suffix).append('\0');
        if (unicode) {
            unicodeBaseOffset = offset();
            body.append(reinterpret_cast<const char*>(m_unicodeBase.utf16()), m_unicodeBase.size() * 2);
            body.append(2, '\0');
            unicodeSuffixOffset = offset();
            body.append(2, '\0');
        }
        QByteArray info;
        u32(info, headerSize + quint32(body.size()));
        u32(info, headerSize);
        u32(info, flags);
        u32(info, flags & 1 ? headerSize : 0);
        u32(info, baseOffset);
        u32(info, networkOffset);
        u32(info, suffixOffset);
        if (unicode) {
            u32(info, unicodeBaseOffset);
            u32(info, unicodeSuffixOffset);
        }
        return info + body;
    }

    quint32 m_flags = 0;
    int m_idListSize = 0;
    QList<QByteArray> m_items;
    QByteArray m_base, m_suffix, m_share;
    QString m_unicodeBase, m_relative, m_environment;
};

} // namespace

TEST(ShellLink, ReadsTheLocalBasePathAndSuffix)
{
    EXPECT_EQ(shellLinkTarget(ShortcutBuilder().idList(0x14).localPath("C:\\test\\a.txt").build(), {}),
        QStringLiteral("C:\\test\\a.txt"));
    EXPECT_EQ(shellLinkTarget(ShortcutBuilder().localPath("C:\\datos\\", "a\xF1o.doc").build(), {}),
        QStringLiteral("C:\\datos\\año.doc"));
}

TEST(ShellLink, PrefersTheUnicodeBasePath)
{
    const QString path = QStringLiteral("C:\\Dokumente\\Привет.txt");
    EXPECT_EQ(shellLinkTarget(
                  ShortcutBuilder().localPath("C:\\DOKUME~1\\????.txt").unicodeLocalPath(path).build(), {}),
        path);
}

TEST(ShellLink, ReadsThePathTheItemIdListSpells)
{
    using B = ShortcutBuilder;
    const QList<QByteArray> cmd {
        B::computer(), B::volume("C:\\"), B::entry("WINDOWS"), B::entry("System32"), B::entry("cmd.exe")};
    const QList<QByteArray> cyrillic {B::computer(), B::volume("C:\\"),
        B::entry("DOKUME~1", QStringLiteral("Документы"), 3),
        B::entry("D5B0~1.TXT", QStringLiteral("Отчёт.txt"), 8)};
    const struct
    {
        const char* why;
        QByteArray shortcut;
        QString directory;
        QString target;
    } cases[] = {
        {"only an item-ID list", B().items(cmd).build(), {},
            QStringLiteral("C:\\WINDOWS\\System32\\cmd.exe")},
        {"a drive alone", B().items({B::computer(), B::volume("D:\\")}).build(), {}, QStringLiteral("D:\\")},
        {"the user's folder",
            B().items({B::userFolder(), B::entry("DOWNLO~1", QStringLiteral("Downloads"), 7)}).build(), {},
            QStringLiteral("%USERPROFILE%\\Downloads")},
        {"Unicode names over the ANSI LinkInfo path",
            B().items(cyrillic).localPath("C:\\?????????\\?????.txt").build(), {},
            QStringLiteral("C:\\Документы\\Отчёт.txt")},
        {"an ASCII LinkInfo path as it is",
            B().items(cmd).localPath("C:\\Windows\\system32\\cmd.exe").build(), {},
            QStringLiteral("C:\\Windows\\system32\\cmd.exe")},
        {"the item-ID list before the relative path",
            B().items(cmd).relativePath(QStringLiteral("..\\cmd.exe")).build(), QStringLiteral("C:\\x"),
            QStringLiteral("C:\\WINDOWS\\System32\\cmd.exe")},
        {"a list naming no path gives way to the relative path",
            B().items({B::rootItem("2100000000000000C000000000000046")})
                .relativePath(QStringLiteral("b.txt"))
                .build(),
            QStringLiteral("D:\\x"), QStringLiteral("D:\\x\\b.txt")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shellLinkTarget(c.shortcut, c.directory), c.target) << c.why;
}

TEST(ShellLink, ReadsANetworkShare)
{
    EXPECT_EQ(
        shellLinkTarget(ShortcutBuilder().network("\\\\servidor\\compartido", "informes\\a.pdf").build(), {}),
        QStringLiteral("\\\\servidor\\compartido\\informes\\a.pdf"));
}

TEST(ShellLink, FallsBackToTheEnvironmentBlockThenTheRelativePath)
{
    EXPECT_EQ(shellLinkTarget(ShortcutBuilder()
                                  .environmentPath(QStringLiteral("%WINDIR%\\notepad.exe"))
                                  .relativePath(QStringLiteral("..\\x.txt"))
                                  .build(),
                  {}),
        QStringLiteral("%WINDIR%\\notepad.exe"));
    EXPECT_EQ(shellLinkTarget(ShortcutBuilder().relativePath(QStringLiteral(".\\..\\docs\\x.txt")).build(),
                  QStringLiteral("C:\\Users\\ana\\Escritorio")),
        QStringLiteral("C:\\Users\\ana\\docs\\x.txt"));
    EXPECT_EQ(shellLinkTarget(ShortcutBuilder().relativePath(QStringLiteral("..\\docs\\x.txt")).build(),
                  QStringLiteral("/home/ana/Escritorio")),
        QStringLiteral("/home/ana/docs/x.txt"));
    // Link information that is to be ignored gives way to the relative path.
    EXPECT_EQ(shellLinkTarget(ShortcutBuilder()
                                  .localPath("C:\\a.txt")
                                  .forceNoLinkInfo()
                                  .relativePath(QStringLiteral("b.txt"))
                                  .build(),
                  QStringLiteral("D:\\x")),
        QStringLiteral("D:\\x\\b.txt"));
}

TEST(ShellLink, MalformedFilesGiveTheEmptyText)
{
    const QByteArray good = ShortcutBuilder().idList(0x30).localPath("C:\\test\\a.txt").build();
    for (int length = 0; length < good.size() - 4; ++length)
        EXPECT_EQ(shellLinkTarget(good.left(length), {}), QString()) << "cut at " << length;

    QByteArray wrongClass = good;
    wrongClass[4] = '\x02';
    EXPECT_EQ(shellLinkTarget(wrongClass, {}), QString());

    QByteArray hugeIdList = good;
    hugeIdList[0x4C] = '\xFF';
    hugeIdList[0x4D] = '\xFF';
    EXPECT_EQ(shellLinkTarget(hugeIdList, {}), QString());

    QByteArray hugeOffsets = good;
    const int info = 0x4C + 2 + 0x30;
    for (int at = info + 16; at < info + 28; ++at)
        hugeOffsets[at] = '\x7F';
    EXPECT_EQ(shellLinkTarget(hugeOffsets, {}), QString());

    EXPECT_EQ(shellLinkTarget(QByteArray("[InternetShortcut]\r\nURL=http://a.b\r\n"), {}), QString());
}

TEST(ShellLink, DestinoAccesoReadsAFile)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Notas.lnk"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ShortcutBuilder().relativePath(QStringLiteral("notas.txt")).build());
    file.close();
    EXPECT_EQ(DestinoAcceso(path), folder.file(QStringLiteral("notas.txt")));
    EXPECT_EQ(DestinoAcceso(folder.file(QStringLiteral("no-existe.lnk"))), QString());
}

TEST(ShellLink, ReadsTheSeedFilesOfTheFuzzCorpus)
{
    const QString corpus = QString::fromUtf8(TREVALIA_SHELLLINK_CORPUS "/");
    const std::pair<const char*, QString> seeds[] = {
        {"local.lnk", QStringLiteral("C:\\test\\a.txt")},
        {"suffix.lnk", QStringLiteral("C:\\datos\\año.doc")},
        {"unicode.lnk", QStringLiteral("C:\\Datos\\Ñandú.txt")},
        {"network.lnk", QStringLiteral("\\\\servidor\\comun\\informes\\a.pdf")},
        {"environment.lnk", QStringLiteral("%WINDIR%\\notepad.exe")},
        {"idlist-only.lnk", QStringLiteral("C:\\WINDOWS\\System32\\cmd.exe")},
        {"idlist-userfolder.lnk", QStringLiteral("%USERPROFILE%\\Downloads")},
        {"idlist-unicode.lnk", QStringLiteral("C:\\Документы\\Отчёт.txt")},
    };
    for (const auto& [name, target] : seeds)
        EXPECT_EQ(DestinoAcceso(corpus + QString::fromLatin1(name)), target) << name;
    // The relative target is taken against the shortcut's own folder.
    EXPECT_EQ(DestinoAcceso(corpus + QStringLiteral("relative.lnk")),
        QString::fromUtf8(TREVALIA_SHELLLINK_CORPUS).section(u'/', 0, -2) + QStringLiteral("/docs/x.txt"));
}
