// How long the main list takes from a change of its inputs to a first screen with its count,
// on catalogues of 10,000, 100,000 and 1,000,000 links (a third with an own icon): each
// letter typed from the empty search to "BAN", with and without address search, clearing
// the search, switching the group and the order, and the start-up; against running the list
// statement as written and fetching every row.
//
// Catalogues are built once into the folder given by TREVALIA_BENCH_DIR (default: the
// system's temporary folder) and reused by later runs.
#include "main/LinkListModel.h"
#include "main/ListQuery.h"
#include "main/PictureCache.h"
#include "store/DefaultPictures.h"
#include "store/LinkTable.h"
#include "store/MDatos.h"

#include "FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

constexpr int FirstScreen = 20;

const QStringList Words {QStringLiteral("banco"), QStringLiteral("diario"), QStringLiteral("correo"),
    QStringLiteral("tienda"), QStringLiteral("viajes"), QStringLiteral("música"), QStringLiteral("recetas"),
    QStringLiteral("tiempo"), QStringLiteral("noticias"), QStringLiteral("deporte"),
    QStringLiteral("facturas"), QStringLiteral("informe"), QStringLiteral("proyecto"),
    QStringLiteral("escuela"), QStringLiteral("salud"), QStringLiteral("seguros"), QStringLiteral("libros"),
    QStringLiteral("mapas"), QStringLiteral("fotos"), QStringLiteral("vídeos"), QStringLiteral("juegos"),
    QStringLiteral("trabajo"), QStringLiteral("hogar"), QStringLiteral("coches"), QStringLiteral("cine"),
    QStringLiteral("radio"), QStringLiteral("ayuntamiento"), QStringLiteral("hacienda"),
    QStringLiteral("universidad"), QStringLiteral("biblioteca"), QStringLiteral("farmacia"),
    QStringLiteral("mercado")};

QString folder()
{
    const QString configured = qEnvironmentVariable("TREVALIA_BENCH_DIR");
    return configured.isEmpty() ? QDir::tempPath() : configured;
}

QString word(QRandomGenerator& random)
{
    return Words.at(random.bounded(int(Words.size())));
}

// A data module over a catalogue of the given size, built the first time.
class Catalogue
{
public:
    explicit Catalogue(int size)
        : m_folder(folder() + QStringLiteral("/trevalia-bench-%1/").arg(size))
    {
        const bool exists = QFileInfo::exists(m_folder + QStringLiteral("Trevalia.abs"));
        QDir().mkpath(m_folder);
        m_md = std::make_unique<TMD>(m_platform, m_folder);
        if (!exists)
            fill(size);
        m_pictures = std::make_unique<PictureCache>(m_md->Enlaces());
    }

    Database& database() { return m_md->Enlaces(); }
    PictureCache& pictures() { return *m_pictures; }

private:
    void fill(int size)
    {
        QRandomGenerator random(20261209);
        QList<QByteArray> icons;
        for (const QImage& picture : m_md->ListaIconos())
            icons << DefaultPictures::toBmp(picture);
        LinkTable links(database());
        database().transaction([&] {
            for (int i = 0; i < size; ++i) {
                Link link;
                link.titulo = (word(random) + u' ' + word(random) + u' ' + QString::number(i)).toUpper();
                link.direccion
                    = QStringLiteral("https://www.%1.es/%2/%3").arg(word(random), word(random)).arg(i);
                link.codgrupo
                    = random.bounded(4) == 0 ? QString() : QStringLiteral("G%1").arg(random.bounded(20));
                link.prioridad = QStringLiteral("%1").arg(random.bounded(1000), 3, 10, QLatin1Char('0'));
                link.tipo = random.bounded(50) == 0 ? QStringLiteral("F") : QString();
                link.fechahora = QDateTime(QDate(2020, 1, 1), QTime(0, 0)).addSecs(random.bounded(200000000));
                link.nicono = i % 3 == 0 ? 0 : 1;
                if (link.nicono == 0)
                    link.icono = icons.at(random.bounded(int(icons.size())));
                links.insert(link);
            }
        });
    }

    QString m_folder;
    FakePlatform m_platform;
    std::unique_ptr<TMD> m_md;
    std::unique_ptr<PictureCache> m_pictures;
};

Catalogue& catalogue(int size)
{
    static std::map<int, std::unique_ptr<Catalogue>> catalogues;
    std::unique_ptr<Catalogue>& found = catalogues[size];
    if (!found)
        found = std::make_unique<Catalogue>(size);
    return *found;
}

const char* const Searches[] = {"", "B", "BA", "BAN"};

// The first screen and the count, as the window reads them after a search.
int showFirstScreen(LinkListModel& model)
{
    const int count = model.rowCount();
    for (int row = 0; row < std::min(count, FirstScreen); ++row) {
        benchmark::DoNotOptimize(model.index(row, LinkListModel::Titulo).data());
        benchmark::DoNotOptimize(model.index(row, LinkListModel::Icono).data(LinkListModel::PictureRole));
    }
    return count;
}

// The program's own memory, without the pages of the memory-mapped file.
double anonymousMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("RssAnon:"))
            return line.mid(8).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// One more letter, from the search before it: "" after "BAN" is clearing the search.
void Typing(benchmark::State& state)
{
    Catalogue& links = catalogue(int(state.range(0)));
    const int step = int(state.range(1));
    const bool addresses = state.range(2) != 0;
    const QString before = QString::fromLatin1(Searches[step == 0 ? 3 : step - 1]);
    const QString text = QString::fromLatin1(Searches[step]);
    LinkListModel model(links.database(), links.pictures());
    model.open({before, addresses, QStringLiteral("TODOS"), 0});
    for (auto _ : state) {
        state.PauseTiming();
        model.open({before, addresses, QStringLiteral("TODOS"), 0});
        state.ResumeTiming();
        model.open({text, addresses, QStringLiteral("TODOS"), 0});
        state.counters["links"] = showFirstScreen(model);
    }
}

// Choosing a group in the selector (0) or another order (1), with the search empty.
void Switching(benchmark::State& state)
{
    Catalogue& links = catalogue(int(state.range(0)));
    const ListInputs after = state.range(1) == 0 ? ListInputs {QString(), true, QStringLiteral("G7"), 0}
                                                 : ListInputs {QString(), true, QStringLiteral("TODOS"), 2};
    LinkListModel model(links.database(), links.pictures());
    for (auto _ : state) {
        state.PauseTiming();
        model.open({});
        state.ResumeTiming();
        model.open(after);
        state.counters["links"] = showFirstScreen(model);
    }
}

// From nothing to the first painted list with its count, and the memory it then takes.
void StartUp(benchmark::State& state)
{
    Catalogue& links = catalogue(int(state.range(0)));
    for (auto _ : state) {
        LinkListModel model(links.database(), links.pictures());
        model.open({});
        state.counters["links"] = showFirstScreen(model);
        state.counters["MB"] = anonymousMegabytes();
    }
}

// The statement as written, fetching every row and every column.
void EveryRow(benchmark::State& state)
{
    Catalogue& links = catalogue(int(state.range(0)));
    const QString text = QString::fromLatin1(Searches[state.range(1)]);
    const Statement statement = listStatement({text, state.range(2) != 0, QStringLiteral("TODOS"), 0});
    for (auto _ : state) {
        Cursor cursor = links.database().query(statement);
        int count = 0;
        while (cursor.next()) {
            for (int column = 0; column < cursor.columnCount(); ++column)
                benchmark::DoNotOptimize(cursor.blob(column));
            ++count;
        }
        state.counters["links"] = count;
    }
}

const std::initializer_list<int64_t> CatalogueSizes {10000, 100000, 1000000};

void Steps(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgNames({"catalogue", "search", "addresses"});
    for (const int64_t size : CatalogueSizes) {
        for (int64_t step = 0; step < 4; ++step) {
            for (int64_t addresses = 0; addresses < 2; ++addresses)
                benchmark->Args({size, step, addresses});
        }
    }
    benchmark->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

void Choices(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgNames({"catalogue", "order"});
    for (const int64_t size : CatalogueSizes) {
        for (int64_t change = 0; change < 2; ++change)
            benchmark->Args({size, change});
    }
    benchmark->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

void Catalogues(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgNames({"catalogue"});
    for (const int64_t size : CatalogueSizes)
        benchmark->Args({size});
    benchmark->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(Typing)->Apply(Steps);
BENCHMARK(Switching)->Apply(Choices);
BENCHMARK(StartUp)->Apply(Catalogues);
BENCHMARK(EveryRow)->Apply(Steps);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
