#include "EditorFixture.h"

#include "store/GroupTable.h"
#include "store/LinkTable.h"
#include "store/MDatos.h"

#include "DistinctScheme.h"
#include "DropSimulation.h"
#include "FakePlatform.h"
#include "TempFolder.h"
#include "TestText.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

class BatchList : public EditorFixture
{
protected:
    void SetUp() override
    {
        GroupTable(md.Enlaces()).insert({s(u"DOC"), s(u"DOCUMENTOS")});
        open(s(u"ALTA"));
    }

    QListWidget* list() const { return child<QListWidget>("ListBox1"); }

    void dropFiles(const QStringList& files)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : files)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        ASSERT_EQ(simulateDrop(child<QWidget>("Panel1"), data, Qt::LinkAction), Qt::LinkAction);
    }

    void dropLink(const QString& address, const QString& title)
    {
        QMimeData data;
        data.setData(s(u"_NETSCAPE_URL"), (address + u'\n' + title).toUtf8());
        ASSERT_EQ(simulateDrop(child<QWidget>("Panel1"), data, Qt::LinkAction), Qt::LinkAction);
    }

    QStringList items() const
    {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts << list()->item(i)->text();
        return texts;
    }

    QStringList stored(const char* column)
    {
        QStringList values;
        Cursor cursor
            = md.Enlaces().query(s(u"select %1 from direcciones order by id").arg(QLatin1StringView(column)));
        while (cursor.next())
            values << cursor.text(0);
        return values;
    }
};

} // namespace

TEST_F(BatchList, DroppedFilesSwitchToBatchEntry)
{
    EXPECT_EQ(editor->height(), 270);
    EXPECT_TRUE(child<QPushButton>("BotImportar")->isVisible());
    const QString informe = file(s(u"Informe anual.pdf"));
    QDir(folder.path()).mkdir(s(u"Fotos"));
    const QString fotos = folder.file(s(u"Fotos"));
    const QString notas = file(s(u"notas.txt"));
    dropFiles({informe, fotos, notas});

    EXPECT_EQ(editor->height(), 515);
    EXPECT_TRUE(list()->isVisible());
    EXPECT_FALSE(child<QPushButton>("BotImportar")->isVisible());
    EXPECT_TRUE(child<QPushButton>("BotLimpiarLista")->isVisible());
    EXPECT_EQ(child<QLabel>("LArrastrar")->text(), s(u"ARRASTAR Y SOLTAR"));
    EXPECT_FALSE(child<QLineEdit>("ETitulo")->isEnabled());
    EXPECT_TRUE(child<QLineEdit>("EGrupo")->isEnabled());
    EXPECT_EQ(items(), QStringList({informe, fotos, notas}));
    EXPECT_EQ(child<QLineEdit>("EDireccion")->text(), informe);

    child<QLineEdit>("EGrupo")->setText(s(u"DOC"));
    child<QPushButton>("BotTodoGruposIgual")->click();
    child<QPushButton>("BotOK")->click();
    EXPECT_TRUE(editor->Guardado);
    EXPECT_EQ(stored("titulo"), QStringList({s(u"INFORME ANUAL"), s(u"(FOTOS)"), s(u"NOTAS")}));
    EXPECT_EQ(stored("codgrupo"), QStringList({s(u"DOC"), s(u"DOC"), s(u"DOC")}));
    EXPECT_EQ(stored("nicono"), QStringList({s(u"0"), s(u"2"), s(u"0")}));
    EXPECT_EQ(stored("prioridad"), QStringList({s(u"000"), s(u"000"), s(u"000")}));
}

TEST_F(BatchList, ShortcutFilesAreReplacedByWhatTheyHold)
{
    child<QPushButton>("BotImportar")->click();
    const QString url = file(s(u"Diario.url"), "[InternetShortcut]\r\nURL=https://diario.es/?a=1&b=2\r\n");
    dropFiles({url});
    dropLink(s(u"https://fotos.url.es/album"), s(u"Álbum"));
    EXPECT_EQ(items(), QStringList({url, s(u"Álbum|https://fotos.url.es/album")}));
    child<QPushButton>("BotOK")->click();
    EXPECT_EQ(stored("direccion"),
        QStringList({s(u"https://diario.es/?a=1&b=2"), s(u"https://fotos.url.es/album")}));
    EXPECT_EQ(stored("titulo"), QStringList({s(u"DIARIO"), s(u"ÁLBUM")}));
}

TEST_F(BatchList, RowsAreCorrectedOneByOneAndLostAtTheNextDrop)
{
    dropFiles({file(s(u"a.txt")), file(s(u"b.txt"))});
    auto* modify = child<QCheckBox>("CKModificar");
    modify->click();
    EXPECT_TRUE(child<QLineEdit>("ETitulo")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("BotLimpiarLista")->isVisible());
    EXPECT_TRUE(list()->isVisible());
    list()->setCurrentRow(1);
    QTest::mouseClick(
        list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(1)).center());
    child<QLineEdit>("EPrioridad")->setText(s(u"9"));
    child<QCheckBox>("CKFavorito")->setChecked(true);
    dropFiles({file(s(u"c.txt"))});
    EXPECT_EQ(list()->count(), 2) << "a drop adds nothing while rows are corrected";

    modify->click();
    EXPECT_EQ(platform.shown(FakePlatform::Box::Information),
        QStringList {s(u"Se perderán las moficaciones si se añaden enlaces")});
    child<QPushButton>("BotOK")->click();
    EXPECT_EQ(stored("prioridad"), QStringList({s(u"000"), s(u"009")}));
    EXPECT_EQ(stored("tipo"), QStringList({QString(), s(u"F")}));
}

TEST_F(BatchList, TheBoxesShowTheRowThatCorrectionsGoTo)
{
    dropFiles({file(s(u"a.txt")), file(s(u"b.txt")), file(s(u"c.txt"))});
    child<QCheckBox>("CKModificar")->click();
    auto* title = child<QLineEdit>("ETitulo");
    QTest::mouseClick(
        list()->viewport(), Qt::LeftButton, {}, list()->visualItemRect(list()->item(0)).center());
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(title->text(), s(u"B")) << "moving with the arrow keys shows the row moved to";
    title->setText(s(u"segundo"));
    QTest::keyClick(list(), Qt::Key_Down);
    EXPECT_EQ(title->text(), s(u"C"));
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(title->text(), s(u"SEGUNDO")) << "after a deletion the boxes show the row now current";
    child<QPushButton>("BotOK")->click();
    EXPECT_EQ(stored("titulo"), QStringList({s(u"A"), s(u"SEGUNDO")}));
}

TEST_F(BatchList, AListEmptiedByDeletionsStoresNothing)
{
    dropFiles({file(s(u"a.txt"))});
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_TRUE(child<QLineEdit>("ETitulo")->text().isEmpty());
    child<QPushButton>("BotOK")->click();
    EXPECT_TRUE(stored("id").isEmpty());
    EXPECT_EQ(platform.shown(FakePlatform::Box::Error), QStringList {s(u"El título no puede dejarse vacío")});
}

TEST_F(BatchList, RowsAreDeletedAndTheListEmptied)
{
    dropFiles({file(s(u"a.txt")), file(s(u"b.txt")), file(s(u"c.txt"))});
    list()->setCurrentRow(2);
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->currentRow(), 1);
    list()->setCurrentRow(0);
    QTest::keyClick(list(), Qt::Key_Delete);
    EXPECT_EQ(items(), QStringList {folder.file(s(u"b.txt"))});
    child<QPushButton>("BotLimpiarLista")->click();
    EXPECT_EQ(list()->count(), 0);
    EXPECT_TRUE(child<QLineEdit>("EDireccion")->text().isEmpty());
    EXPECT_TRUE(list()->isVisible());
}

TEST_F(BatchList, TheBatchControlsTakeTheSchemeAndEnabledBoxesTheWindowColour)
{
    md.colores = DistinctScheme::scheme();
    open(s(u"ALTA"));
    dropFiles({file(s(u"a.txt"))});
    using namespace DistinctScheme;
    const struct
    {
        const char* control;
        QPalette::ColorRole role;
        QColor colour;
    } expected[] = {
        {"LArrastrar", QPalette::WindowText, Titulo},
        {"LLimpiarLista", QPalette::WindowText, Sugerencia},
        {"BotTodoGruposIgual", QPalette::ButtonText, Boton},
        {"CKModificar", QPalette::WindowText, Boton},
        {"ListBox1", QPalette::Base, Fondo},
        {"BotLimpiarLista", QPalette::ButtonText, QColor(Qt::red)},
        {"ETitulo", QPalette::Base, QColor(192, 192, 192)},
    };
    for (const auto& e : expected)
        EXPECT_EQ(colourOf(child<QWidget>(e.control), e.role), e.colour) << e.control;
    child<QCheckBox>("CKModificar")->click();
    EXPECT_EQ(colourOf(box("ETitulo"), QPalette::Base), QApplication::palette().color(QPalette::Base))
        << "enabled boxes take the system's window colour";
}
