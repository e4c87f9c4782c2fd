#include "icons/IconosEnlaces.h"
#include "icons/SelIcono.h"
#include "store/DefaultPictures.h"
#include "store/MDatos.h"
#include "store/PictureTable.h"

#include "FakePlatform.h"
#include "TempFolder.h"
#include "TestText.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class IconWindows : public ::testing::Test
{
protected:
    TempFolder folder;
    FakePlatform platform;
    TMD md {platform, folder.path()};

    template<typename T> static T* child(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QImage stored(int numicono)
    {
        return QImage::fromData(PictureTable(md.Enlaces()).find(numicono)->imagen);
    }
    QImage asStored(const QImage& picture) { return QImage::fromData(DefaultPictures::toBmp(picture)); }

    // Answers the gallery by double-clicking image number, or by closing it.
    void answerGallery(int number)
    {
        platform.modal = [number](QDialog& dialog) {
            auto& gallery = static_cast<TFormSelIcono&>(dialog);
            gallery.show();
            auto* list = gallery.findChild<QListWidget*>(s(u"ListView1"));
            if (number < 0) {
                gallery.findChild<QPushButton*>(s(u"BotCerrar"))->click();
                return gallery.result();
            }
            list->setCurrentRow(number);
            gallery.findChild<QPushButton*>(s(u"BotSeleccionar"))->click();
            return gallery.result();
        };
    }
};

} // namespace

TEST_F(IconWindows, TheGalleryListsTheTwentySevenPictures)
{
    TFormSelIcono gallery(md);
    gallery.show();
    EXPECT_EQ(gallery.windowTitle(), s(u"Seleccionar icono"));
    auto* list = child<QListWidget>(gallery, "ListView1");
    ASSERT_EQ(list->count(), 27);
    EXPECT_EQ(list->item(0)->text(), s(u"0"));
    EXPECT_EQ(list->item(26)->text(), s(u"26"));
    EXPECT_EQ(gallery.NumIconoElegido, -1);

    child<QPushButton>(gallery, "BotSeleccionar")->click();
    EXPECT_EQ(
        platform.shown(FakePlatform::Box::Information), QStringList {s(u"No hay ningún icono seleccionado")});
    EXPECT_TRUE(gallery.isVisible());

    list->setCurrentRow(5);
    child<QPushButton>(gallery, "BotSeleccionar")->click();
    EXPECT_EQ(gallery.NumIconoElegido, 5);
    EXPECT_FALSE(gallery.isVisible());
}

TEST_F(IconWindows, ADoubleClickChoosesThePictureUnderTheSelection)
{
    TFormSelIcono gallery(md);
    gallery.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&gallery));
    auto* list = child<QListWidget>(gallery, "ListView1");
    const QRect item = list->visualItemRect(list->item(7));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(gallery.NumIconoElegido, 7);
    EXPECT_EQ(gallery.result(), QDialog::Accepted);
}

TEST_F(IconWindows, ADoubleClickOnEmptySpaceClosesTheGalleryWithoutAChoice)
{
    TFormSelIcono gallery(md);
    gallery.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&gallery));
    auto* list = child<QListWidget>(gallery, "ListView1");
    const QPoint empty(list->viewport()->width() - 3, list->viewport()->height() - 3);
    ASSERT_EQ(list->itemAt(empty), nullptr);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, empty);
    EXPECT_EQ(gallery.NumIconoElegido, -1);
    EXPECT_FALSE(gallery.isVisible());
}

TEST_F(IconWindows, ClosingTheGalleryChoosesNothing)
{
    TFormSelIcono gallery(md);
    gallery.show();
    child<QListWidget>(gallery, "ListView1")->setCurrentRow(3);
    child<QPushButton>(gallery, "BotCerrar")->click();
    EXPECT_EQ(gallery.NumIconoElegido, -1);
}

TEST_F(IconWindows, TheLibraryStoresAGalleryPictureAndRestoresTheOriginal)
{
    TFormIconosEnlaces library(md);
    library.show();
    EXPECT_EQ(library.windowTitle(), s(u"Iconos de los enlaces predefinidos"));
    auto* list = child<QListWidget>(library, "DBGrid1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), s(u"Carpeta"));
    list->setCurrentRow(1);

    answerGallery(5);
    child<QPushButton>(library, "BotGaleria")->click();
    EXPECT_EQ(stored(2), asStored(md.ListaIconos().at(5)));
    EXPECT_EQ(child<QLabel>(library, "Image1")->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
        asStored(md.ListaIconos().at(5)).convertToFormat(QImage::Format_RGB32));

    answerGallery(-1);
    child<QPushButton>(library, "BotGaleria")->click();
    EXPECT_EQ(stored(2), asStored(md.ListaIconos().at(5)));

    child<QPushButton>(library, "BotOriginal")->click();
    EXPECT_EQ(stored(2), asStored(md.ListaIconos().at(2)));
    list->setCurrentRow(0);
    child<QPushButton>(library, "BotOriginal")->click();
    EXPECT_EQ(stored(1), asStored(md.ListaIconos().at(1)));
}

TEST_F(IconWindows, OwnPicturesMustBeBitmaps)
{
    QImage red(32, 32, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString bitmap = folder.file(s(u"rojo.bmp"));
    ASSERT_TRUE(red.save(bitmap, "BMP"));
    const QString png = folder.file(s(u"rojo.png"));
    ASSERT_TRUE(red.save(png, "PNG"));

    TFormIconosEnlaces library(md);
    library.show();
    const QImage before = stored(1);
    platform.fileNames = {png};
    child<QPushButton>(library, "BotPropio")->click();
    ASSERT_EQ(platform.shown(FakePlatform::Box::Error).size(), 1);
    EXPECT_TRUE(platform.messages.first().text.startsWith(s(u"No se puede cargar la imagen")));
    EXPECT_EQ(stored(1), before);

    platform.fileNames = {QString()};
    child<QPushButton>(library, "BotPropio")->click();
    EXPECT_EQ(stored(1), before);

    platform.fileNames = {bitmap};
    child<QPushButton>(library, "BotPropio")->click();
    EXPECT_EQ(stored(1).pixelColor(4, 4), QColor(Qt::red));
}

TEST_F(IconWindows, ARowOutsideThePictureListRestoresABlankPicture)
{
    PictureTable(md.Enlaces()).insert({40, s(u"Otro"), QByteArray()});
    TFormIconosEnlaces library(md);
    library.show();
    child<QListWidget>(library, "DBGrid1")->setCurrentRow(2);
    child<QPushButton>(library, "BotOriginal")->click();
    const QImage blank = stored(40);
    EXPECT_EQ(blank.size(), QSize(32, 32));
    EXPECT_EQ(blank.pixelColor(16, 16), QColor(Qt::white));
}
