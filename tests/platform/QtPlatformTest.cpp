#include "platform/QtPlatform.h"
#include "platform/AppError.h"

#include "TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// Sets an environment variable for the life of the object.
class ScopedVariable
{
public:
    ScopedVariable(const char* name, const QByteArray& value)
        : m_name(name)
        , m_old(qgetenv(name))
        , m_wasSet(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~ScopedVariable()
    {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_wasSet;
};

} // namespace

TEST(QtPlatform, AFolderGoesToTheUsersTrashEvenWhenItsDataFolderIsMissing)
{
    TempFolder home;
    const QString data = home.file(QStringLiteral("datos-nuevos"));
    ScopedVariable xdg("XDG_DATA_HOME", data.toLocal8Bit());
    TempFolder work;
    const QString victim = work.file(QStringLiteral("Viejo"));
    ASSERT_TRUE(QDir().mkpath(victim + QStringLiteral("/sub")));
    QFile(victim + QStringLiteral("/sub/a.txt")).open(QIODevice::WriteOnly);

    QtPlatform platform;
    EXPECT_TRUE(platform.moveFolderToTrash(victim));
    EXPECT_FALSE(QFileInfo::exists(victim));
    EXPECT_TRUE(QFileInfo::exists(data + QStringLiteral("/Trash/files/Viejo/sub/a.txt")));
    EXPECT_FALSE(platform.moveFolderToTrash(work.file(QStringLiteral("no-existe"))));
}

TEST(QtPlatform, RunAsAdminWithoutPkexecReportsTheSystemError)
{
    ScopedVariable path("PATH", QByteArray("/nonexistent"));
    QtPlatform platform;
    try {
        platform.runAsAdmin(QStringLiteral("/usr/bin/true"), QString());
        FAIL() << "a missing pkexec must be reported";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Error de Sistema.  Código: 2.\nNo se encuentra pkexec."));
    }
}

TEST(QtPlatform, EnvironmentVariablesAreTold)
{
    ScopedVariable defined("TREVALIA_PRUEBA", QByteArray("C:\\Datos"));
    QtPlatform platform;
    EXPECT_EQ(platform.environmentVariable(QStringLiteral("TREVALIA_PRUEBA")), QStringLiteral("C:\\Datos"));
    EXPECT_FALSE(platform.environmentVariable(QStringLiteral("TREVALIA_NO_DEFINIDA")));
    EXPECT_FALSE(platform.environmentVariable(QString()));
}

namespace {

// A stand-in pkexec that answers as the real one does.
QString fakePkexec(const TempFolder& folder, const QByteArray& body)
{
    QFile script(folder.file(QStringLiteral("pkexec")));
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\n" + body + "\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    return folder.path();
}

} // namespace

TEST(QtPlatform, ARefusedElevationReportsItsCode)
{
    TempFolder bin;
    ScopedVariable path("PATH", fakePkexec(bin, "exit 126").toLocal8Bit());
    QtPlatform platform;
    try {
        platform.runAsAdmin(QStringLiteral("/usr/bin/true"), QString());
        FAIL() << "a refusal must be reported";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(),
            QStringLiteral(
                "Error de Sistema.  Código: 126.\nLa operación ha sido cancelada por el usuario."));
    }
}

TEST(QtPlatform, AnElevationThatCannotRunTheFileSaysSo)
{
    TempFolder bin;
    ScopedVariable path("PATH", fakePkexec(bin, "exit 127").toLocal8Bit());
    QtPlatform platform;
    const struct
    {
        QString program;
        QString reason;
    } cases[] = {
        {QStringLiteral("/etc/hostname"), QStringLiteral("/etc/hostname no es un programa.")},
        {QStringLiteral("/bin/sh"), QStringLiteral("No se ha concedido la autorización.")},
    };
    for (const auto& c : cases) {
        try {
            platform.runAsAdmin(c.program, QString());
            ADD_FAILURE() << "pkexec's 127 must be reported";
        } catch (const AppError& error) {
            EXPECT_EQ(error.message(), QStringLiteral("Error de Sistema.  Código: 127.\n") + c.reason);
        }
    }
}

TEST(QtPlatform, AnElevatedProgramRunsOnWithoutHoldingTheWindow)
{
    TempFolder bin;
    ScopedVariable path("PATH", fakePkexec(bin, "exec /bin/sleep 30").toLocal8Bit());
    QtPlatform platform;
    QElapsedTimer timer;
    timer.start();
    platform.runAsAdmin(QStringLiteral("/usr/bin/gparted"), QString());
    EXPECT_LT(timer.elapsed(), 10000);
}
