#include "main/LinkListModel.h"

#include "main/PictureCache.h"
#include "store/DefaultPictures.h"
#include "store/LinkTable.h"
#include "store/MDatos.h"
#include "store/PictureTable.h"

#include "FakePlatform.h"
#include "TempFolder.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

namespace {

// A catalogue large enough to be searched in two halves, with some links lacking a
// priority or a time stamp, and its expected order computed apart.
class LargeList : public ::testing::Test
{
protected:
    TempFolder folder;
    FakePlatform platform;
    TMD md {platform, folder.path()};
    PictureCache pictures {md.Enlaces()};

    void SetUp() override
    {
        md.Enlaces().transaction([this] {
            for (int i = 0; i < 25000; ++i) {
                md.Enlaces().execute(
                    QStringLiteral(
                        "INSERT INTO direcciones (titulo, direccion, codgrupo, prioridad, fechahora, nicono) "
                        "VALUES (?, ?, ?, ?, ?, 1)"),
                    {QStringLiteral("ENLACE %1").arg(i, 5, 10, QLatin1Char('0')),
                        QStringLiteral("https://sitio%1.es/ruta").arg(i % 97),
                        QStringLiteral("G%1").arg(i % 7),
                        QStringLiteral("%1").arg(i % 1000, 3, 10, QLatin1Char('0')),
                        i % 500 == 0 ? QVariant()
                                     : QVariant(QStringLiteral("2026-01-01 00:00:%1.000")
                                                    .arg(i % 60, 2, 10, QLatin1Char('0')))});
            }
        });
    }

    std::vector<qint64> expected(const QString& orderBy, const QString& where = QStringLiteral("1"))
    {
        std::vector<qint64> ids;
        Cursor cursor = md.Enlaces().query(
            QStringLiteral("SELECT id FROM direcciones WHERE %1 ORDER BY %2").arg(where, orderBy));
        while (cursor.next())
            ids.push_back(cursor.integer(0));
        return ids;
    }

    static std::vector<qint64> shown(const LinkListModel& model)
    {
        std::vector<qint64> ids;
        for (int row = 0; row < model.rowCount(); ++row)
            ids.push_back(model.idAt(row));
        return ids;
    }
};

} // namespace

TEST_F(LargeList, TwoHalvesGiveTheWholeListInOrder)
{
    LinkListModel model(md.Enlaces(), pictures);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);

    model.open({QString(), true, QStringLiteral("TODOS"), 2});
    const std::vector<qint64> recent = shown(model);
    EXPECT_EQ(recent, expected(QStringLiteral("fechahora DESC")));
    // The links without a time stamp come last.
    EXPECT_TRUE(model.index(24999, LinkListModel::FechaHora).data().toDateTime().isNull());
    EXPECT_FALSE(model.index(24949, LinkListModel::FechaHora).data().toDateTime().isNull());

    model.open({QStringLiteral("SITIO1"), true, QStringLiteral("G3"), 0});
    EXPECT_EQ(shown(model),
        expected(QStringLiteral("prioridad DESC, codgrupo, titulo"),
            QStringLiteral("codgrupo = 'G3' AND upper(direccion) LIKE '%SITIO1%'")));
    model.open({QStringLiteral("ENLACE 1"), false, QStringLiteral("TODOS"), 1});
    EXPECT_EQ(shown(model),
        expected(QStringLiteral("prioridad DESC, titulo"), QStringLiteral("titulo LIKE '%ENLACE 1%'")));
}

TEST_F(LargeList, PicturesTooLargeForAnIconShowAsNone)
{
    QImage wide(1300, 1200, QImage::Format_RGB32);
    wide.fill(Qt::blue);
    const QByteArray huge = DefaultPictures::toBmp(wide);
    ASSERT_GT(huge.size(), DefaultPictures::MaxBytes);
    md.Enlaces().execute(
        QStringLiteral("UPDATE direcciones SET nicono = 0, icono = ? WHERE titulo = 'ENLACE 24000'"), {huge});
    PictureTable(md.Enlaces()).setImage(2, huge);
    md.Enlaces().execute(QStringLiteral("UPDATE direcciones SET nicono = 2 WHERE titulo = 'ENLACE 02399'"));

    LinkListModel model(md.Enlaces(), pictures);
    for (const QString& title : {QStringLiteral("ENLACE 24000"), QStringLiteral("ENLACE 02399")}) {
        model.open({title, false, QStringLiteral("TODOS"), 0});
        ASSERT_EQ(model.rowCount(), 1);
        EXPECT_TRUE(
            model.index(0, LinkListModel::Icono).data(LinkListModel::PictureRole).value<QImage>().isNull())
            << title.toStdString();
    }
}

TEST_F(LargeList, PicturesComeFromTheRowOrTheSharedTable)
{
    QImage own(32, 32, QImage::Format_RGB32);
    own.fill(Qt::blue);
    const QByteArray bmp = DefaultPictures::toBmp(own);
    md.Enlaces().execute(
        QStringLiteral("UPDATE direcciones SET nicono = 0, icono = ? WHERE titulo = 'ENLACE 24000'"), {bmp});

    LinkListModel model(md.Enlaces(), pictures);
    model.open({QStringLiteral("ENLACE 24000"), false, QStringLiteral("TODOS"), 0});
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.index(0, LinkListModel::Icono)
                  .data(LinkListModel::PictureRole)
                  .value<QImage>()
                  .pixelColor(1, 1),
        QColor(Qt::blue));
    EXPECT_EQ(model.index(0, LinkListModel::Titulo).data().toString(), QStringLiteral("ENLACE 24000"));

    model.open({QStringLiteral("ENLACE 02399"), false, QStringLiteral("TODOS"), 1});
    ASSERT_EQ(model.rowCount(), 1);
    const QImage shared
        = model.index(0, LinkListModel::Icono).data(LinkListModel::PictureRole).value<QImage>();
    EXPECT_EQ(shared, QImage::fromData(PictureTable(md.Enlaces()).find(1)->imagen));

    // A new shared picture is seen at the next search.
    QImage red(32, 32, QImage::Format_RGB32);
    red.fill(Qt::red);
    PictureTable(md.Enlaces()).setImage(1, DefaultPictures::toBmp(red));
    model.refresh();
    EXPECT_EQ(model.index(0, LinkListModel::Icono)
                  .data(LinkListModel::PictureRole)
                  .value<QImage>()
                  .pixelColor(1, 1),
        QColor(Qt::red));
}
