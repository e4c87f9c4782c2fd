#include "main/SearchIndex.h"
#include "main/ListQuery.h"
#include "store/LinkTable.h"
#include "store/MDatos.h"

#include "FakePlatform.h"
#include "TempFolder.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

const QString Letters = QString::fromUtf16(u"ABÑÜÉañü%_ 1");
const QStringList Groups {QString(), QStringLiteral("G1"), QStringLiteral("G2"), QStringLiteral("g1")};
const QStringList Selectors {QStringLiteral("TODOS"), QStringLiteral("FAVORITOS"), QString(),
    QStringLiteral("G1"), QStringLiteral("G2"), QStringLiteral("g1"), QStringLiteral("NINGUNO")};

QString randomText(QRandomGenerator& random, int length)
{
    QString text;
    for (int i = 0; i < length; ++i)
        text += Letters.at(random.bounded(int(Letters.size())));
    return text;
}

Link randomLink(QRandomGenerator& random)
{
    Link link;
    link.titulo = randomText(random, 1 + random.bounded(6));
    link.direccion = QStringLiteral("https://") + randomText(random, random.bounded(6)).toLower();
    link.codgrupo = Groups.at(random.bounded(int(Groups.size())));
    link.tipo = random.bounded(3) == 0 ? QStringLiteral("F") : QString();
    // Few priorities and dates, so that ties abound.
    link.prioridad = QStringLiteral("00%1").arg(random.bounded(4));
    link.fechahora = QDateTime(QDate(2026, 1, 1 + random.bounded(3)), QTime(12, 0));
    return link;
}

} // namespace

TEST(SearchIndex, GivesExactlyWhatThePlainStatementGives)
{
    TempFolder folder;
    FakePlatform platform;
    TMD md(platform, folder.path());
    Database& database = md.Enlaces();
    QRandomGenerator random(20261210);
    std::vector<qint64> ids;
    for (int i = 0; i < 400; ++i)
        ids.push_back(LinkTable(database).insert(randomLink(random)));
    SearchIndex index(database);

    for (int round = 0; round < 300; ++round) {
        // Links change between searches, through this connection.
        if (round % 10 == 9) {
            Link changed = randomLink(random);
            changed.id = ids[size_t(random.bounded(int(ids.size())))];
            LinkTable(database).update(changed);
            ids.push_back(LinkTable(database).insert(randomLink(random)));
            LinkTable(database).remove(ids[size_t(random.bounded(int(ids.size())))]);
        }
        ListInputs inputs;
        inputs.searchAddresses = random.bounded(2) == 0;
        inputs.selector = Selectors.at(random.bounded(int(Selectors.size())));
        inputs.order = random.bounded(3);
        // A text typed letter by letter, so that later letters narrow the earlier result.
        const QString typed = randomText(random, random.bounded(4));
        for (qsizetype length = 0; length <= typed.size(); ++length) {
            inputs.searchText = typed.left(length);
            std::vector<qint64> plain;
            Cursor cursor = database.query(listStatement(inputs, u"id"));
            while (cursor.next())
                plain.push_back(cursor.integer(0));
            ASSERT_EQ(index.search(inputs), plain)
                << "round " << round << " text '" << inputs.searchText.toStdString() << "' selector '"
                << inputs.selector.toStdString() << "' order " << inputs.order << " addresses "
                << inputs.searchAddresses;
        }
    }
}

TEST(SearchIndex, SeesWhatAnotherCopyOfTheProgramWrites)
{
    TempFolder folder;
    FakePlatform platform;
    TMD md(platform, folder.path());
    Link first;
    first.titulo = QStringLiteral("PRIMERO");
    LinkTable(md.Enlaces()).insert(first);
    SearchIndex index(md.Enlaces());
    ASSERT_EQ(index.search({QStringLiteral("O"), false, QStringLiteral("TODOS"), 0}).size(), 1u);

    Database other(md.Enlaces().fileName(), {});
    Link second;
    second.titulo = QStringLiteral("SEGUNDO");
    LinkTable(other).insert(second);
    EXPECT_EQ(index.search({QStringLiteral("O"), false, QStringLiteral("TODOS"), 0}).size(), 2u);
}
