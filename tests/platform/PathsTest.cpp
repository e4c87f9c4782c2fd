#include "platform/Paths.h"

#include "TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(Paths, WindowsAddressesKeepTheBackslashAsSeparator)
{
    EXPECT_EQ(Paths::separatorOf(QStringLiteral("C:\\Datos\\a.txt")), u'\\');
    EXPECT_EQ(Paths::lastSeparator(QStringLiteral("C:\\Datos\\a.txt")), 8);
    // A web address has no path separator of its own: its slashes are ordinary characters.
    EXPECT_EQ(Paths::lastSeparator(QStringLiteral("http://ejemplo.com/a")), -1);
    EXPECT_FALSE(Paths::containsSeparator(QStringLiteral("http://ejemplo.com/a")));
}

TEST(Paths, AnAddressBeginningWithSlashIsALocalLinuxPath)
{
    EXPECT_EQ(Paths::separatorOf(QStringLiteral("/home/ana/notas.txt")), u'/');
    EXPECT_EQ(Paths::lastSeparator(QStringLiteral("/home/ana/notas.txt")), 9);
    EXPECT_TRUE(Paths::containsSeparator(QStringLiteral("/home")));
    // The end bound leaves the last character out, as the folder name rule needs.
    EXPECT_EQ(Paths::lastSeparator(QStringLiteral("/home/ana/"), 9), 5);
    EXPECT_EQ(Paths::lastSeparator(QString(), 0), -1);
}

TEST(Paths, ProgramsAreExeAddressesOrExecutableBinariesAndScripts)
{
    EXPECT_TRUE(Paths::isProgram(QStringLiteral("C:\\Juegos\\buscaminas.exe")));
    EXPECT_FALSE(Paths::isProgram(QStringLiteral("C:\\Datos\\informe.pdf")));

    TempFolder folder;
    const QString script = folder.file(QStringLiteral("lanzar"));
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.close();
    EXPECT_FALSE(Paths::isProgram(script));
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    EXPECT_TRUE(Paths::isProgram(script));
    EXPECT_FALSE(Paths::isProgram(folder.path()));
}
