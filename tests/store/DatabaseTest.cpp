#include "store/Database.h"

#include "platform/AppError.h"
#include "store/GroupTable.h"
#include "store/LinkTable.h"
#include "store/Schema.h"

#include "TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <thread>

namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

Link titled(const QString& titulo)
{
    Link link;
    link.titulo = titulo;
    return link;
}

QString openError(Database& database)
{
    try {
        database.open();
    } catch (const AppError& error) {
        return error.message();
    }
    return {};
}

} // namespace

TEST(Database, ANewFileGetsEveryTableAndTheSeededRows)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Trevalia.abs"));
    bool seeded = false;
    Database database(path, [&seeded](Database& db) {
        seeded = true;
        GroupTable(db).insert({QStringLiteral("WEB"), QStringLiteral("Páginas web")});
    });
    database.open();
    EXPECT_TRUE(seeded);
    EXPECT_TRUE(QFile::exists(path));
    for (const QString& table : Schema::tableNames()) {
        Cursor cursor = database.query(QStringLiteral("select count(*) from ") + table);
        EXPECT_TRUE(cursor.next()) << table.toStdString();
    }
    Cursor mode = database.query(QStringLiteral("PRAGMA journal_mode"));
    ASSERT_TRUE(mode.next());
    EXPECT_EQ(mode.text(0), QStringLiteral("wal"));

    // Opening it again does not seed it again.
    database.close();
    seeded = false;
    Database again(path, [&seeded](Database&) { seeded = true; });
    again.open();
    EXPECT_FALSE(seeded);
    EXPECT_EQ(GroupTable(again).all().size(), 1);
}

TEST(Database, AFileThatIsNoDatabaseIsReportedAndLeftAlone)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Trevalia.abs"));
    const QByteArray text = QByteArray("Lista de la compra: pan, leche, huevos.\n").repeated(200);
    writeFile(path, text);

    Database database(path, [](Database&) { FAIL() << "a foreign file must not be seeded"; });
    const QString error = openError(database);
    EXPECT_TRUE(error.contains(QStringLiteral("no es una base de datos de Trevalia"))) << error.toStdString();
    EXPECT_FALSE(database.isOpen());
    EXPECT_EQ(contentsOf(path), text);
    EXPECT_FALSE(QFile::exists(path + QStringLiteral("-wal")));
    // Every later use reports the error again instead of writing.
    EXPECT_THROW(LinkTable(database).count(), AppError);
    EXPECT_EQ(contentsOf(path), text);
}

TEST(Database, AReadOnlyFileIsReportedAndLeftAlone)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Trevalia.abs"));
    {
        Database database(path, {});
        database.open();
        LinkTable(database).insert(Link {});
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    const QByteArray before = contentsOf(path);

    Database database(path, {});
    EXPECT_TRUE(openError(database).contains(QStringLiteral("sólo lectura")));
    EXPECT_EQ(contentsOf(path), before);
}

TEST(Database, AFileLackingATableIsReportedAndNotRecreated)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Trevalia.abs"));
    {
        Database database(path, {});
        database.open();
        LinkTable(database).insert(titled(QStringLiteral("MIO")));
        database.execute(QStringLiteral("DROP TABLE iconos"));
    }
    const QByteArray before = contentsOf(path);
    Database database(path, [](Database&) { FAIL() << "an existing file must not be seeded"; });
    EXPECT_EQ(
        openError(database), QStringLiteral("La base de datos %1 no tiene la tabla «iconos».").arg(path));
    EXPECT_EQ(contentsOf(path), before);
}

TEST(Database, TwoConnectionsWritingAtOnceLoseNothing)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Trevalia.abs"));
    Database first(path, {});
    first.open();
    Database second(path, {});
    second.open();

    constexpr int PerWriter = 300;
    auto write = [](Database& database, const QString& prefix) {
        LinkTable links(database);
        for (int i = 0; i < PerWriter; ++i) {
            Link link;
            link.titulo = prefix + QString::number(i);
            const qint64 id = links.insert(link);
            link.id = id;
            link.prioridad = QStringLiteral("009");
            links.update(link);
        }
    };
    std::thread a(write, std::ref(first), QStringLiteral("A"));
    std::thread b(write, std::ref(second), QStringLiteral("B"));
    a.join();
    b.join();

    EXPECT_EQ(LinkTable(first).count(), 2 * PerWriter);
    Cursor updated = first.query(QStringLiteral("select count(*) from direcciones where prioridad = '009'"));
    ASSERT_TRUE(updated.next());
    EXPECT_EQ(updated.integer(0), 2 * PerWriter);
}

TEST(Database, DuplicateGroupCodesAreRefused)
{
    TempFolder folder;
    Database database(folder.file(QStringLiteral("Trevalia.abs")), {});
    GroupTable groups(database);
    groups.insert({QStringLiteral("WEB"), QStringLiteral("Páginas web")});
    try {
        groups.insert({QStringLiteral("WEB"), QStringLiteral("Otra")});
        FAIL() << "a duplicate code was stored";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Ya existe un grupo con el código WEB."));
    }
    // The index refuses it too, whoever writes.
    EXPECT_THROW(database.execute(QStringLiteral("insert into grupos (codgrupo) values ('WEB')")), AppError);
    EXPECT_EQ(groups.find(QStringLiteral("WEB"))->nomgrupo, QStringLiteral("Páginas web"));
}

TEST(Database, WritesACompactedCopy)
{
    TempFolder folder;
    Database database(folder.file(QStringLiteral("Trevalia.abs")), {});
    LinkTable(database).insert(titled(QStringLiteral("COPIADO")));
    const QString copy = folder.file(QStringLiteral("copia.abs"));
    database.writeCompactedCopy(copy);
    Database copied(copy, {});
    ASSERT_EQ(LinkTable(copied).count(), 1);
}

TEST(Database, AnOlderFileHasItsTitlesRaisedAsSearchesRaiseThem)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Trevalia.abs"));
    {
        Database database(path, {});
        database.open();
        database.execute(
            QStringLiteral("INSERT INTO direcciones (titulo) VALUES (?)"), {QStringLiteral("MüLLER")});
        database.execute(QStringLiteral("PRAGMA user_version = 2"));
    }
    Database database(path, {});
    Cursor cursor = database.query(QStringLiteral("SELECT titulo FROM direcciones"));
    ASSERT_TRUE(cursor.next());
    EXPECT_EQ(cursor.text(0), QStringLiteral("MÜLLER"));
}
