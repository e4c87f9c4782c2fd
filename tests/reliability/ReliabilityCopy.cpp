// One copy of the program's store, driven from the command line by run.sh: each command
// works on the catalogue in a folder as the program does and prints what it acknowledged
// and what the user was told, so that the script can compare it with what the file holds.
#include "main/Principal.h"
#include "store/LinkTable.h"
#include "store/MDatos.h"
#include "store/PictureTable.h"

#include "FakePlatform.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTest>

#include <sqlite3.h>

#include <cstdio>
#include <functional>
#include <map>

namespace {

void print(const QString& line)
{
    std::printf("%s\n", qUtf8Printable(line));
    std::fflush(stdout);
}

QString shown(const FakePlatform& platform)
{
    QStringList boxes;
    for (const FakePlatform::Message& message : platform.messages)
        boxes << QString(message.text).replace(u'\n', u' ');
    return boxes.isEmpty() ? QStringLiteral("nada") : boxes.join(QStringLiteral(" | "));
}

Link linkNamed(const QString& title)
{
    Link link;
    link.titulo = title;
    link.direccion = QStringLiteral("https://ejemplo.es/") + title;
    link.nicono = 1;
    return link;
}

// start FOLDER COUNT: a copy that starts and stores COUNT links, one by one.
int start(const QString& folder, int count)
{
    FakePlatform platform;
    TMD md(platform, folder);
    const QString copy = QString::number(QCoreApplication::applicationPid());
    int acknowledged = 0;
    for (int i = 0; i < count; ++i) {
        try {
            Link link = linkNamed(QStringLiteral("COPIA %1 ENLACE %2").arg(copy).arg(i));
            md.PostDireccion(link);
            ++acknowledged;
        } catch (const AppError& error) {
            platform.showError(error.message());
        }
    }
    print(QStringLiteral("acknowledged %1 errors %2").arg(acknowledged).arg(platform.messages.size()));
    if (!platform.messages.isEmpty())
        print(QStringLiteral("shown: ") + shown(platform));
    return 0;
}

// churn FOLDER PREFIX COUNT: stores COUNT links, then edits each of them.
int churn(const QString& folder, const QString& prefix, int count)
{
    FakePlatform platform;
    TMD md(platform, folder);
    QList<Link> links;
    int inserted = 0;
    int edited = 0;
    for (int i = 0; i < count; ++i) {
        Link link = linkNamed(QStringLiteral("%1 %2").arg(prefix).arg(i));
        try {
            md.PostDireccion(link);
            links << link;
            ++inserted;
        } catch (const AppError&) { }
    }
    for (Link& link : links) {
        link.titulo += QStringLiteral(" EDITADO");
        try {
            md.PostDireccion(link);
            ++edited;
        } catch (const AppError&) { }
    }
    print(QStringLiteral("inserted %1 edited %2").arg(inserted).arg(edited));
    return 0;
}

// import FOLDER COUNT: stores COUNT links in transactions of 500, as an import does, and
// prints the number committed after each transaction.
int import(const QString& folder, int count)
{
    FakePlatform platform;
    TMD md(platform, folder);
    Database& database = md.Enlaces();
    constexpr int Batch = 500;
    for (int done = 0; done < count; done += Batch) {
        database.transaction([&] {
            for (int i = done; i < std::min(count, done + Batch); ++i) {
                Link link = linkNamed(QStringLiteral("IMPORTADO %1").arg(i));
                md.PostDireccion(link);
            }
        });
        print(QStringLiteral("committed %1").arg(std::min(count, done + Batch)));
    }
    return 0;
}

// check FOLDER [PREFIX]: the integrity check, the links, and those of PREFIX edited or not.
int check(const QString& folder, const QString& prefix)
{
    FakePlatform platform;
    TMD md(platform, folder);
    Cursor integrity = md.Enlaces().query(QStringLiteral("PRAGMA integrity_check"));
    const QString verdict = integrity.next() ? integrity.text(0) : QStringLiteral("sin respuesta");
    Cursor counts = md.Enlaces().query(
        QStringLiteral(
            "SELECT count(*), sum(titulo LIKE ? || '%'), sum(titulo LIKE '% EDITADO') FROM direcciones"),
        {prefix});
    counts.next();
    print(QStringLiteral("integrity %1 links %2 prefixed %3 edited %4")
              .arg(verdict)
              .arg(counts.integer(0))
              .arg(counts.integer(1))
              .arg(counts.integer(2)));
    return 0;
}

// fulldisk FOLDER: stores 200 links, then fills the file up to a page limit and reports what
// the user is told and whether the first 200 are still there.
int fullDisk(const QString& folder)
{
    int stored = 0;
    QString told;
    {
        FakePlatform platform;
        TMD md(platform, folder);
        for (int i = 0; i < 200; ++i) {
            Link link = linkNamed(QStringLiteral("ANTES %1").arg(i));
            md.PostDireccion(link);
        }
        Cursor pages = md.Enlaces().query(QStringLiteral("PRAGMA page_count"));
        pages.next();
        md.Enlaces().execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages.integer(0) + 4));
        for (int i = 0; i < 100000 && told.isEmpty(); ++i) {
            try {
                Link link = linkNamed(QStringLiteral("DESPUES %1 %2").arg(i).arg(QString(200, u'X')));
                md.PostDireccion(link);
                ++stored;
            } catch (const AppError& error) {
                told = error.message();
            }
        }
    }
    FakePlatform platform;
    TMD md(platform, folder);
    Cursor before
        = md.Enlaces().query(QStringLiteral("SELECT count(*) FROM direcciones WHERE titulo LIKE 'ANTES %'"));
    before.next();
    print(QStringLiteral("stored after the limit %1, told: %2, links before the limit still there: %3 of 200")
              .arg(stored)
              .arg(told)
              .arg(before.integer(0)));
    return 0;
}

QByteArray fingerprint(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// A good catalogue with three links, made in folder and left closed.
void makeGood(const QString& folder)
{
    FakePlatform platform;
    TMD md(platform, folder);
    for (int i = 0; i < 3; ++i) {
        Link link = linkNamed(QStringLiteral("BUENO %1").arg(i));
        md.PostDireccion(link);
    }
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// badfiles DIR: each kind of bad catalogue opened by the program with its main window,
// what the user saw, and whether the file's bytes changed.
int badFiles(const QString& root)
{
    using Maker = std::function<void(const QString& folder, const QString& file)>;
    const auto good = [](const QString& folder, const QString&) { makeGood(folder); };
    const auto sql = [](const char* statement) {
        return Maker([statement](const QString& folder, const QString& file) {
            makeGood(folder);
            Database database(file, {});
            database.execute(QString::fromUtf8(statement));
        });
    };
    const std::vector<std::pair<const char*, Maker>> kinds {
        {"vacío (0 bytes)", [](const QString&, const QString& file) { writeBytes(file, {}); }},
        {"truncado",
            [good](const QString& folder, const QString& file) {
                good(folder, file);
                QFile cut(file);
                cut.resize(cut.size() / 2);
            }},
        {"bytes al azar",
            [](const QString&, const QString& file) {
                QByteArray bytes(64 * 1024, '\0');
                for (qsizetype i = 0; i < bytes.size(); ++i)
                    bytes[i] = char((i * 7919 + 13) % 251);
                writeBytes(file, bytes);
            }},
        {"otro esquema",
            [](const QString&, const QString& file) {
                // Another program's database: a valid SQLite file with tables of its own.
                sqlite3* other = nullptr;
                sqlite3_open(qUtf8Printable(file), &other);
                sqlite3_exec(
                    other, "CREATE TABLE facturas (numero INTEGER, importe REAL)", nullptr, nullptr, nullptr);
                sqlite3_close(other);
            }},
        {"falta una tabla", sql("DROP TABLE navegadores")},
        {"falta una columna", sql("ALTER TABLE direcciones DROP COLUMN navegador")},
        {"tipos cambiados",
            sql("UPDATE direcciones SET nicono = 'dos', titulo = x'00FF00', prioridad = 7.5")},
        {"ajustes NULL",
            sql("UPDATE constantes SET tiempo = NULL, nummaxabrir = NULL, orden = NULL, "
                "grupo = NULL, ColorFondo = NULL")},
        {"imagen enorme",
            [good](const QString& folder, const QString& file) {
                good(folder, file);
                Database database(file, {});
                PictureTable(database).setImage(1, QByteArray("BM") + QByteArray(64 * 1024 * 1024, '\x7F'));
            }},
        {"imagen rota", sql("UPDATE direcciones SET nicono = 0, icono = x'424D0000FFFF'")},
        {"fichero de sólo lectura",
            [good](const QString& folder, const QString& file) {
                good(folder, file);
                QFile::setPermissions(file, QFileDevice::ReadOwner);
            }},
        {"carpeta de sólo lectura",
            [good](const QString& folder, const QString& file) {
                good(folder, file);
                QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            }},
        {"una carpeta en su lugar", [](const QString&, const QString& file) { QDir().mkpath(file); }},
    };
    int number = 0;
    for (const auto& [kind, make] : kinds) {
        const QString folder = QStringLiteral("%1/%2/").arg(root).arg(++number);
        QDir().mkpath(folder);
        const QString file = folder + QStringLiteral("Trevalia.abs");
        make(folder, file);
        const QByteArray before = fingerprint(file);
        FakePlatform platform;
        int listed = -1;
        {
            TMD md(platform, folder);
            TFormPrincipal window(md);
            window.show();
            QTest::qWait(50);
            listed = window.findChild<QAbstractItemView*>(QStringLiteral("DBGrid1"))->model()->rowCount();
            window.close();
        }
        const bool same = fingerprint(file) == before;
        print(QStringLiteral("%1: lista %2 enlaces; fichero %3; visto: %4")
                  .arg(QString::fromUtf8(kind))
                  .arg(listed)
                  .arg(same ? QStringLiteral("sin cambios") : QStringLiteral("cambiado"))
                  .arg(shown(platform)));
        QFile::setPermissions(
            folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString command = arguments.value(0);
    QString folder = arguments.value(1);
    if (!folder.endsWith(u'/'))
        folder += u'/';
    if (command == QStringLiteral("start"))
        return start(folder, arguments.value(2).toInt());
    if (command == QStringLiteral("churn"))
        return churn(folder, arguments.value(2), arguments.value(3).toInt());
    if (command == QStringLiteral("import"))
        return import(folder, arguments.value(2).toInt());
    if (command == QStringLiteral("check"))
        return check(folder, arguments.value(2));
    if (command == QStringLiteral("fulldisk"))
        return fullDisk(folder);
    if (command == QStringLiteral("badfiles"))
        return badFiles(arguments.value(1));
    std::fprintf(stderr, "usage: reliability_copy start|churn|import|check|fulldisk|badfiles FOLDER ...\n");
    return 2;
}
