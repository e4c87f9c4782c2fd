#include "browsers/BrowserDiscovery.h"
#include "browsers/BuscarNavegadores.h"
#include "browsers/ManNavegadores.h"
#include "store/BrowserTable.h"
#include "store/MDatos.h"

#include "FakePlatform.h"
#include "TempFolder.h"
#include "TestText.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class BrowserWindows : public ::testing::Test
{
protected:
    QString executable(const QString& relative)
    {
        const QString path = disk.file(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("#!/bin/sh\n");
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        return path;
    }

    QStringList browsers()
    {
        QStringList rows;
        for (const Browser& browser : BrowserTable(md.Enlaces()).all())
            rows << browser.nombre + u'=' + browser.ruta;
        return rows;
    }

    QString defaultBrowser()
    {
        Cursor row = md.Enlaces().query(s(u"select navegadordefecto from constantes"));
        return row.next() ? row.text(0) : s(u"(ninguno)");
    }

    template<typename T> static T* child(const QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    TempFolder disk;
    TempFolder program;
    FakePlatform platform;
    TMD md {platform, program.path()};
};

} // namespace

TEST_F(BrowserWindows, TheSearchFindsBrowsersInWindowsAndLinuxLayouts)
{
    const QString chrome = executable(s(u"Program Files/Google/Chrome/Application/chrome.exe"));
    const QString firefox = executable(s(u"lib/firefox-esr/firefox-esr"));
    QDir().mkpath(disk.file(s(u"usr/bin")));
    ASSERT_TRUE(QFile::link(firefox, disk.file(s(u"usr/bin/firefox"))));
    TFormBuscarNavegadores window(md);
    window.setFolders({{s(u"programas"), disk.file(s(u"Program Files")), s(u"programas")},
        {s(u"bin"), disk.file(s(u"usr/bin")), s(u"bin")}});
    window.show();
    child<QPlainTextEdit>(window, "Memo1")->setPlainText(s(u"chrome.exe\n\n   \nfirefox"));
    child<QPushButton>(window, "Bot1")->click();
    EXPECT_EQ(child<QPlainTextEdit>(window, "Memo1")->toPlainText(), s(u"chrome.exe\nfirefox"));
    EXPECT_EQ(child<QLabel>(window, "LBuscando")->text(), s(u"Búsqueda finalizada"));
    auto* found = child<QListWidget>(window, "Lista");
    ASSERT_EQ(found->count(), 2);
    EXPECT_EQ(found->item(0)->text(), chrome);
    EXPECT_EQ(found->item(1)->text(), disk.file(s(u"usr/bin/firefox"))) << "a link keeps its own path";
    child<QPushButton>(window, "BotSelTodos")->click();
    child<QPushButton>(window, "Bot3")->click();
    EXPECT_EQ(
        browsers(), QStringList({s(u"CHROME=") + chrome, s(u"FIREFOX=") + disk.file(s(u"usr/bin/firefox"))}));
}

TEST_F(BrowserWindows, NamesAreNumberedWithinTenCharacters)
{
    const struct
    {
        const char16_t* path;
        const char16_t* name;
    } cases[] = {
        {u"C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe", u"CHROME"},
        {u"C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe", u"CHROME1"},
        {u"C:\\Program Files\\Google\\Chrome\\Application\\chrome.exe", u"CHROME2"},
        {u"/usr/bin/microsoft-edge", u"MICROSOFT-"},
        {u"/opt/microsoft/msedge/microsoft-edge", u"MICROSOF1"},
    };
    for (const auto& c : cases) {
        const QString path = QString::fromUtf16(c.path);
        EXPECT_EQ(
            BrowserDiscovery::DardeAltaNavegador(md.Enlaces(), BrowserDiscovery::browserName(path), path),
            QString::fromUtf16(c.name));
    }
}

TEST_F(BrowserWindows, TheListOfExecutablesRefusesARepeatedName)
{
    TFormBuscarNavegadores window(md);
    window.show();
    auto* name = child<QLineEdit>(window, "EMarcador");
    name->setText(QStringLiteral("chromium"));
    child<QPushButton>(window, "Botanadir")->click();
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information),
        QStringList {s(u"Este navegador ya está en la lista")});
    EXPECT_EQ(name->text(), s(u"chromium"));
    name->setText(QStringLiteral("Chromium"));
    QTest::keyClick(name, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(name->text().isEmpty());
    EXPECT_TRUE(child<QPlainTextEdit>(window, "Memo1")->toPlainText().endsWith(s(u"\nChromium")));

    BrowserTable(md.Enlaces()).insert({s(u"OPERA"), s(u"/usr/bin/opera")});
    platform.confirmations = {false, true};
    child<QPushButton>(window, "BotBorrarNavegadores")->click();
    EXPECT_EQ(browsers().size(), 1);
    child<QPushButton>(window, "BotBorrarNavegadores")->click();
    EXPECT_TRUE(browsers().isEmpty());
    EXPECT_EQ(platform.shown(FakePlatform::Box::Confirmation).last(),
        s(u"¿Quieres borrar TODA la lista de navegadores?"));
}

TEST_F(BrowserWindows, TheDefaultBrowserIsChosenChecked)
{
    const QString firefox = executable(s(u"firefox"));
    BrowserTable(md.Enlaces()).insert({s(u"FIREFOX"), firefox});
    BrowserTable(md.Enlaces()).insert({s(u"VIEJO"), disk.file(s(u"borrado"))});
    TFormManNavegadores window(md);
    window.show();
    EXPECT_EQ(window.windowTitle(), s(u"Mantenimiento de navegadores"));
    auto* menu = child<QMenu>(window, "PopMenuNavegadores");
    QStringList offered;
    for (QAction* action : menu->actions())
        offered << action->text();
    EXPECT_EQ(offered, QStringList({s(u"Navegador predeterminado del sistema"), s(u"FIREFOX")}))
        << "a browser whose program is missing is not offered";

    menu->actions().at(1)->trigger();
    child<QPushButton>(window, "BitBtn2")->click();
    EXPECT_EQ(defaultBrowser(), QString()) << "cancelled";

    TFormManNavegadores again(md);
    again.show();
    child<QMenu>(again, "PopMenuNavegadores")->actions().at(1)->trigger();
    BrowserTable(md.Enlaces()).remove(s(u"FIREFOX"));
    child<QPushButton>(again, "BitBtn1")->click();
    EXPECT_EQ(platform.shown(FakePlatform::Box::Error),
        QStringList {s(u"El navegador FIREFOX  no existe en la tabla de navegadores")});
    EXPECT_TRUE(again.isVisible());
    EXPECT_TRUE(child<QLineEdit>(again, "DBEditNAVEGADORDEFECTO")->text().isEmpty());
    child<QPushButton>(again, "BitBtn1")->click();
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(defaultBrowser(), QString());

    TFormManNavegadores grid(md);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    auto* table = child<QTableWidget>(grid, "DBGrid1");
    table->setCurrentCell(0, 0);
    Q_EMIT table->cellDoubleClicked(0, 0);
    EXPECT_EQ(defaultBrowser(), s(u"VIEJO")) << "a double click stores at once, even without a program";
}

TEST_F(BrowserWindows, RowsAreAddedCorrectedAndDeletedInTheGrid)
{
    for (const char16_t* name : {u"A", u"B", u"C", u"D", u"E"})
        BrowserTable(md.Enlaces()).insert({QString::fromUtf16(name), QString()});
    TFormManNavegadores window(md);
    window.show();
    auto* table = child<QTableWidget>(window, "DBGrid1");
    table->setCurrentCell(2, 0);
    platform.confirmations = {true};
    child<QPushButton>(window, "BotEliminar")->click();
    EXPECT_EQ(
        platform.shown(FakePlatform::Box::Confirmation), QStringList {s(u"¿Desea eliminar el registro?")});
    EXPECT_EQ(browsers(), QStringList({s(u"A="), s(u"B="), s(u"D="), s(u"E=")}));

    child<QPushButton>(window, "BotInsertar")->click();
    table->item(table->currentRow(), 0)->setText(s(u"NAVEGADORLARGO"));
    table->item(table->currentRow(), 1)->setText(s(u"/usr/bin/x"));
    child<QPushButton>(window, "BotGuardarRegistro")->click();
    EXPECT_TRUE(browsers().contains(s(u"NAVEGADORL=/usr/bin/x")));
}
