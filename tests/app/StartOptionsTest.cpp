#include "app/StartOptions.h"
#include "app/SingleInstance.h"

#include "TempFolder.h"
#include "TestText.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(StartOptions, TheCommandLineIsAnsweredInSpanish)
{
    const auto read = [](std::initializer_list<const char16_t*> words) {
        QStringList arguments {s(u"Trevalia")};
        for (const char16_t* word : words)
            arguments << QString::fromUtf16(word);
        return readStartOptions(arguments);
    };
    const StartOptions help = read({u"--help"});
    ASSERT_TRUE(help.answer);
    EXPECT_TRUE(help.answer->startsWith(s(u"Uso: trevalia [opciones]")));
    EXPECT_TRUE(help.answer->contains(s(u"--database FICHERO")));
    EXPECT_EQ(read({u"-h"}).answer, help.answer);
    ASSERT_TRUE(read({u"--version"}).answer);
    EXPECT_TRUE(read({u"-v"}).answer->startsWith(s(u"Trevalia ")));

    const StartOptions wrong = read({u"--colores"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.answer->startsWith(s(u"trevalia: opción desconocida: colores\n")));
    EXPECT_TRUE(read({u"--database"}).answer->startsWith(s(u"trevalia: falta el valor de una opción\n")));

    const StartOptions chosen = read({u"--database", u"/tmp/otro.abs", u"--nueva-instancia"});
    EXPECT_FALSE(chosen.answer);
    EXPECT_EQ(chosen.databaseFile, s(u"/tmp/otro.abs"));
    EXPECT_TRUE(chosen.newInstance);
    EXPECT_FALSE(read({}).newInstance);
}

TEST(StartOptions, TheCatalogueLivesBesideAWritableProgramOrInTheUsersDataFolder)
{
    TempFolder program;
    TempFolder data;
    const QString dataFolder = data.file(s(u"Trevalia"));
    EXPECT_EQ(databaseLocation({}, program.path(), dataFolder), program.file(s(u"Trevalia.abs")));
    EXPECT_EQ(databaseLocation(program.file(s(u"otro.abs")), program.path(), dataFolder),
        program.file(s(u"otro.abs")));

    // An installed program: its folder cannot be written.
    const QFileDevice::Permissions before = QFile::permissions(program.path());
    QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const QString chosen = databaseLocation({}, program.path(), dataFolder);
    QFile::setPermissions(program.path(), before);
    EXPECT_EQ(chosen, QDir(dataFolder).filePath(s(u"Trevalia.abs")));
    EXPECT_TRUE(QFileInfo(dataFolder).isDir()) << "the data folder is made";
}

TEST(StartOptions, ALaterStartHandsOverToTheRunningCopyOfTheSameCatalogue)
{
    SingleInstance running(s(u"/datos/Trevalia.abs"));
    EXPECT_FALSE(SingleInstance(s(u"/datos/Trevalia.abs")).handOver()) << "nothing runs yet";
    running.listen();
    QSignalSpy activated(&running, &SingleInstance::activated);
    EXPECT_TRUE(SingleInstance(s(u"/datos/Trevalia.abs")).handOver());
    EXPECT_TRUE(activated.wait(2000));
    EXPECT_FALSE(SingleInstance(s(u"/datos/otro.abs")).handOver()) << "another catalogue opens beside it";
}
