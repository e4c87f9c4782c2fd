// How long the main list takes from a change of the search to a first screen with its
// count, on catalogues of 10,000, 100,000 and 1,000,000 links (a third with an own icon),
// against running the list statement as written and fetching every row.
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

const char* const Searches[] = {"", "B", "BAN"};

// The list as the program shows it: the ids in order, the count, and the first screen's
// rows with their pictures.
void Shown(benchmark::State& state)
{
    Catalogue& links = catalogue(int(state.range(0)));
    const QString text = QString::fromLatin1(Searches[state.range(1)]);
    LinkListModel model(links.database(), links.pictures());
    for (auto _ : state) {
        model.open({text, true, QStringLiteral("TODOS"), 0});
        const int count = model.rowCount();
        for (int row = 0; row < std::min(count, FirstScreen); ++row) {
            benchmark::DoNotOptimize(model.index(row, LinkListModel::Titulo).data());
            benchmark::DoNotOptimize(model.index(row, LinkListModel::Icono).data(LinkListModel::PictureRole));
        }
        state.counters["links"] = count;
    }
}

// The statement as written, fetching every row and every column.
void EveryRow(benchmark::State& state)
{
    Catalogue& links = catalogue(int(state.range(0)));
    const QString text = QString::fromLatin1(Searches[state.range(1)]);
    const Statement statement = listStatement({text, true, QStringLiteral("TODOS"), 0});
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

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgNames({"catalogue", "search"});
    for (const int size : {10000, 100000, 1000000}) {
        for (int search = 0; search < 3; ++search)
            benchmark->Args({size, search});
    }
    benchmark->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(Shown)->Apply(Sizes);
BENCHMARK(EveryRow)->Apply(Sizes);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
