#include "dialogs/Acercade.h"
#include "store/MDatos.h"

#include "BuildSettings.h"
#include "FakePlatform.h"
#include "LocalHttpServer.h"
#include "TempFolder.h"
#include "TestText.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString Failed = s(u"No se ha podido descargar la actualización \n\rCompruebe su conexión a internet.");

class AboutBox : public ::testing::Test
{
protected:
    AboutBox()
    {
        platform.cache = cache.path();
        box.WebSite = server.address();
        box.show();
    }

    void publish(const QByteArray& body)
    {
        server.responses.insert(s(u"/public/VerTrevalia.txt"), LocalHttpServer::ok(body));
    }

    void check() { box.findChild<QPushButton*>(s(u"BotActualiza"))->click(); }

    LocalHttpServer server;
    TempFolder cache;
    TempFolder program;
    FakePlatform platform;
    TMD md {platform, program.path()};
    TFormAcercade box {md};
};

} // namespace

TEST_F(AboutBox, ShowsTheBuildsVersionAndTheMakersAddresses)
{
    EXPECT_EQ(box.windowTitle(), s(u"Acerca de ..."));
    EXPECT_EQ(box.findChild<QLabel*>(s(u"ProductName"))->text(), s(u"TREVALIA"));
    EXPECT_EQ(box.findChild<QLabel*>(s(u"VersionProg"))->text(), QStringLiteral(TREVALIA_VERSION));
    EXPECT_EQ(box.findChild<QLabel*>(s(u"DirCorreo"))->text(), QStringLiteral(TREVALIA_CONTACT));
    EXPECT_FALSE(box.findChild<QLabel*>(s(u"Image1"))->pixmap().isNull());
    EXPECT_EQ(
        box.findChild<QLabel*>(s(u"LCatalogo"))->text(), s(u"Catálogo: ") + program.file(s(u"Trevalia.abs")))
        << "the user sees where the catalogue is";
    QTest::mouseClick(box.findChild<QLabel*>(s(u"DirCorreo")), Qt::LeftButton);
    QTest::mouseClick(box.findChild<QLabel*>(s(u"SitioWeb")), Qt::LeftButton);
    EXPECT_EQ(platform.opened,
        QList<ShellRequest>(
            {{s(u"mailto:") + QStringLiteral(TREVALIA_CONTACT), {}, {}}, {server.address(), {}, {}}}));
    EXPECT_TRUE(box.isVisible());
    QTest::mouseClick(box.findChild<QWidget*>(s(u"Panel1")), Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(box.isVisible()) << "a click on the panel's background closes the box";
}

TEST_F(AboutBox, TheCheckSaysWhatThePublishedVersionMeans)
{
    const QString running = QStringLiteral(TREVALIA_VERSION);
    const struct
    {
        QByteArray published;
        QStringList told;
    } cases[] = {
        {running.toUtf8() + " estable\n", {s(u"Está utilizando la última versión publicada")}},
        {"0.9\n", {s(u"Está utilizando la última versión publicada")}},
        {"<HTML>\n<body>portal</body>", {s(u"Conéctese a internet y pruebe nuevamente")}},
        {"<!DOCTYPE html>\n", {Failed}},
        {"\nsegunda línea", {}},
    };
    for (const auto& c : cases) {
        platform.messages.clear();
        publish(c.published);
        check();
        EXPECT_EQ(platform.shown(FakePlatform::Box::Information), c.told) << c.published.toStdString();
    }
    EXPECT_EQ(platform.opened, QList<ShellRequest>({{QStringLiteral(TREVALIA_SEARCH_PAGE), {}, {}}}));
    EXPECT_FALSE(platform.terminated);

    platform.messages.clear();
    server.responses.clear();
    check();
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information), QStringList {Failed}) << "no version file";
}

TEST_F(AboutBox, ANewerVersionIsOfferedAndItsInstallerHandedToTheBrowser)
{
    publish("99.0.10\n");
    platform.confirmations = {false, true};
    check();
    EXPECT_EQ(platform.shown(FakePlatform::Box::Confirmation),
        QStringList {s(u"¿Quiere instalar la nueva versión 99.0.10 en su ordenador?")});
    EXPECT_FALSE(platform.terminated);
    check();
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information).last(),
        s(u"Ahora se cerrará el programa y se descargará la actualización\n\rSeleccione abrir (para ejecutar "
          u"directamente) o descargar\n\rpara descargar e instalar posteriormente"));
    EXPECT_EQ(platform.opened, QList<ShellRequest>({{server.address(s(u"/public/ITrevalia.exe")), {}, {}}}));
    EXPECT_TRUE(platform.terminated);
}

TEST(AboutVersions, DottedNumbersCompareAsNumbers)
{
    const struct
    {
        const char* a;
        const char* b;
        int order;
    } cases[] = {{"1.0.10", "1.0.9", 1}, {"1.0.00", "1.0.0", 0}, {"1.1", "1.0.99", 1}, {"0.9", "1.0.0", -1},
        {"2", "2.0.0", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(TFormAcercade::compareVersions(QString::fromLatin1(c.a), QString::fromLatin1(c.b)), c.order)
            << c.a << " " << c.b;
}
