#include "store/Database.h"

#include "platform/AppError.h"
#include "store/GroupTable.h"
#include "store/LinkTable.h"
#include "store/Schema.h"

#include "TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

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
    for (const Schema::Table& table : Schema::tables()) {
        Cursor cursor
            = database.query(QStringLiteral("select %1 from %2").arg(table.columns.join(u','), table.name));
        EXPECT_FALSE(cursor.next() && table.name == QStringLiteral("direcciones"))
            << table.name.toStdString();
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
    // Every later use fails again, without telling the user a second time, and writes nothing.
    try {
        LinkTable(database).count();
        ADD_FAILURE() << "a refused file stays refused";
    } catch (const AppError& again) {
        EXPECT_TRUE(again.alreadyShown());
    }
    EXPECT_EQ(contentsOf(path), text);
}

TEST(Database, AReadOnlyFileOrFolderIsOpenedForReadingAndLeftAlone)
{
    for (const bool folderReadOnly : {false, true}) {
        TempFolder folder;
        const QString path = folder.file(QStringLiteral("Trevalia.abs"));
        {
            Database database(path, {});
            database.open();
            LinkTable(database).insert(titled(QStringLiteral("UNO")));
        }
        const QString locked = folderReadOnly ? folder.path() : path;
        const QFileDevice::Permissions before = QFile::permissions(locked);
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QByteArray bytes = contentsOf(path);

        Database database(path, {});
        EXPECT_EQ(openError(database), QString()) << folderReadOnly;
        EXPECT_EQ(database.readOnlyReason(), QStringLiteral("No hay permiso para escribir en %1.").arg(path));
        EXPECT_EQ(LinkTable(database).count(), 1) << "the catalogue can still be read";
        try {
            LinkTable(database).insert(titled(QStringLiteral("DOS")));
            ADD_FAILURE() << "a write must fail";
        } catch (const AppError& error) {
            EXPECT_EQ(error.message(),
                QStringLiteral("El catálogo está abierto sólo para lectura: el cambio no se ha guardado."));
        }
        database.close();
        EXPECT_EQ(contentsOf(path), bytes);
        QFile::setPermissions(locked, before);
    }
}

TEST(Database, AFolderOrAFileLackingAColumnIsRefusedAndLeftAlone)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Trevalia.abs"));
    {
        Database database(path, {});
        database.open();
        database.execute(QStringLiteral("ALTER TABLE direcciones DROP COLUMN navegador"));
    }
    const QByteArray before = contentsOf(path);
    Database lacking(path, {});
    EXPECT_EQ(openError(lacking),
        QStringLiteral("La tabla «direcciones» de la base de datos %1 no tiene la columna «navegador».")
            .arg(path));
    EXPECT_EQ(contentsOf(path), before);

    const QString folderPath = folder.file(QStringLiteral("Carpeta.abs"));
    QDir().mkpath(folderPath);
    Database aFolder(folderPath, {});
    EXPECT_EQ(
        openError(aFolder), QStringLiteral("%1 es una carpeta, no un catálogo de Trevalia.").arg(folderPath));
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

TEST(Database, CopiesStartingTogetherOnNoFileShareOneGoodFile)
{
    constexpr int Copies = 4;
    for (int attempt = 0; attempt < 10; ++attempt) {
        TempFolder folder;
        const QString path = folder.file(QStringLiteral("Trevalia.abs"));
        std::atomic<int> seeded = 0;
        std::atomic<int> ready = 0;
        std::vector<std::thread> copies;
        std::vector<QString> errors(Copies);
        for (int copy = 0; copy < Copies; ++copy) {
            copies.emplace_back([&, copy] {
                Database database(path, [&seeded](Database& db) {
                    ++seeded;
                    GroupTable(db).insert({QStringLiteral("WEB"), QStringLiteral("Páginas web")});
                });
                ++ready;
                while (ready < Copies) { }
                try {
                    LinkTable(database).insert(titled(QStringLiteral("COPIA %1").arg(copy)));
                } catch (const AppError& error) {
                    errors[size_t(copy)] = error.message();
                }
            });
        }
        for (std::thread& copy : copies)
            copy.join();
        EXPECT_EQ(errors, std::vector<QString>(Copies)) << "attempt " << attempt;
        EXPECT_EQ(seeded, 1);
        Database database(path, {});
        EXPECT_EQ(LinkTable(database).count(), Copies) << "attempt " << attempt;
    }
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

TEST(Database, CompactingShrinksTheFileItselfAndKeepsWhatRemains)
{
    TempFolder folder;
    Database database(folder.file(QStringLiteral("Trevalia.abs")), {});
    database.transaction([&database] {
        for (int i = 0; i < 2000; ++i)
            LinkTable(database).insert(titled(QStringLiteral("ENLACE %1 ").arg(i) + QString(200, u'X')));
    });
    LinkTable(database).insert(titled(QStringLiteral("QUEDA")));
    database.execute(QStringLiteral("DELETE FROM direcciones WHERE titulo LIKE 'ENLACE%'"));
    const qint64 before = database.sizeOnDisk();
    database.compact();
    EXPECT_LT(database.sizeOnDisk(), before / 4);
    EXPECT_EQ(LinkTable(database).count(), 1);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).filter(QStringLiteral(".abs")).size(), 3)
        << "no copy is written beside the file";
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
