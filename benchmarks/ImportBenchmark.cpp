// The favourites import at 50,000 bookmarks: reading a Chrome file and a Firefox database
// into the window's candidate list, and storing 50,000 ticked candidates.
#include "formats/Bookmarks.h"
#include "import/Candidates.h"
#include "import/FavouritesImport.h"
#include "store/MDatos.h"

#include "FakePlatform.h"
#include "TempFolder.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>

#include <sqlite3.h>

#include <benchmark/benchmark.h>

namespace {

constexpr int Bookmarks = 50000;

QString title(int i)
{
    return QStringLiteral("Página de ejemplo número %1").arg(i);
}

QString address(int i)
{
    return QStringLiteral("https://ejemplo-%1.es/ruta/%2?consulta=%3").arg(i % 97).arg(i).arg(i * 7);
}

QByteArray chromeFile()
{
    QJsonArray children;
    for (int i = 0; i < Bookmarks; ++i)
        children.append(QJsonObject {{QStringLiteral("type"), QStringLiteral("url")},
            {QStringLiteral("name"), title(i)}, {QStringLiteral("url"), address(i)}});
    const QJsonObject bar {
        {QStringLiteral("type"), QStringLiteral("folder")}, {QStringLiteral("children"), children}};
    return QJsonDocument(
        QJsonObject {{QStringLiteral("roots"), QJsonObject {{QStringLiteral("bookmark_bar"), bar}}},
            {QStringLiteral("version"), 1}})
        .toJson(QJsonDocument::Indented);
}

QString firefoxFile(const TempFolder& folder)
{
    const QString path = folder.file(QStringLiteral("places.sqlite"));
    sqlite3* database = nullptr;
    sqlite3_open(qUtf8Printable(path), &database);
    sqlite3_exec(database,
        "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url TEXT, title TEXT);"
        "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER, parent INTEGER,"
        " position INTEGER, title TEXT); BEGIN",
        nullptr, nullptr, nullptr);
    for (int i = 0; i < Bookmarks; ++i) {
        const QString place = QStringLiteral("INSERT INTO moz_places VALUES (%1, '%2', NULL);"
                                             "INSERT INTO moz_bookmarks VALUES (%1, 1, %1, 1, %1, '%3');")
                                  .arg(i + 1)
                                  .arg(address(i), title(i));
        sqlite3_exec(database, qUtf8Printable(place), nullptr, nullptr, nullptr);
    }
    sqlite3_exec(database, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(database);
    return path;
}

// Fills a candidate list as the import window does.
void fill(QListWidget& list, const QList<Bookmark>& bookmarks)
{
    list.clear();
    list.setUpdatesEnabled(false);
    for (const Bookmark& bookmark : bookmarks) {
        if (const std::optional<QString> line = Candidates::fromBookmark(bookmark)) {
            auto* item = new QListWidgetItem(*line, &list);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
    }
    list.setUpdatesEnabled(true);
}

void ReadChrome(benchmark::State& state)
{
    const QByteArray file = chromeFile();
    QListWidget list;
    for (auto _ : state) {
        fill(list, readChromiumBookmarks(file));
        benchmark::DoNotOptimize(list.count());
    }
}

void ReadFirefox(benchmark::State& state)
{
    const TempFolder folder;
    const QString places = firefoxFile(folder);
    QListWidget list;
    for (auto _ : state) {
        fill(list, readFirefoxBookmarks(places));
        benchmark::DoNotOptimize(list.count());
    }
}

void ImportTicked(benchmark::State& state)
{
    QStringList lines;
    for (int i = 0; i < Bookmarks; ++i)
        lines << title(i).toUpper() + QStringLiteral(" | ") + address(i);
    for (auto _ : state) {
        state.PauseTiming();
        {
            const TempFolder folder;
            FakePlatform platform;
            TMD md(platform, folder.path());
            md.NumRegDirecciones();
            state.ResumeTiming();
            FavouritesImport::importLines(md, lines, [](int) {});
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(ReadChrome)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ReadFirefox)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(ImportTicked)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
