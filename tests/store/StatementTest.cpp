#include "store/Statement.h"

#include "store/Database.h"

#include "TempFolder.h"
#include "TestText.h"

#include <QLocale>

#include <gtest/gtest.h>

TEST(Statement, ReadsAsWrittenAndRunsWithBoundValues)
{
    const QString title = QStringLiteral("BANCO");
    const QString address = QStringLiteral("https://banco.es");
    Statement statement;
    statement.line(u"Select id,titulo,direccion from direcciones");
    statement.line(u"Where (titulo = ")
        .quoted(title)
        .text(u")  and ( direccion = ")
        .quoted(address)
        .text(u") ");

    EXPECT_EQ(statement.lines(),
        QStringList({QStringLiteral("Select id,titulo,direccion from direcciones"),
            QStringLiteral("Where (titulo = \"BANCO\")  and ( direccion = \"https://banco.es\") ")}));
    EXPECT_EQ(statement.sql(), statement.lines().join(u'\n'));
    EXPECT_EQ(statement.boundSql(),
        QStringLiteral(
            "Select id,titulo,direccion from direcciones\nWhere (titulo = ?)  and ( direccion = ?) "));
    EXPECT_EQ(statement.values(), QVariantList({title, address}));
}

TEST(Statement, ShowsDatesInTheLocaleButBindsThemSortable)
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    const QDateTime when(QDate(2026, 3, 4), QTime(9, 5, 7));
    Statement statement;
    statement.line(u"UPDATE direcciones SET FECHAHORA = ").quoted(when);
    const QLocale spanish;
    EXPECT_EQ(statement.lines().first(),
        QStringLiteral("UPDATE direcciones SET FECHAHORA = \"%1 %2\"")
            .arg(spanish.toString(when.date(), QLocale::ShortFormat),
                spanish.toString(when.time(), QLocale::LongFormat)));
    EXPECT_EQ(statement.values(), QVariantList({QStringLiteral("2026-03-04 09:05:07.000")}));
    QLocale::setDefault(QLocale::c());
}

class StatementOnDatabase : public ::testing::Test
{
protected:
    TempFolder folder;
    Database database {folder.file(QStringLiteral("Trevalia.abs")), {}};

    void addLink(const QString& title, const QString& address)
    {
        database.execute(
            QStringLiteral("INSERT INTO direcciones (titulo, direccion) VALUES (?, ?)"), {title, address});
    }

    QStringList titles(const Statement& statement)
    {
        QStringList found;
        Cursor cursor = database.query(statement);
        while (cursor.next())
            found << cursor.text(u"titulo");
        return found;
    }
};

TEST_F(StatementOnDatabase, AValueWithADoubleQuoteIsMatchedAsTyped)
{
    addLink(QStringLiteral("MONITOR 27\" 4K"), QStringLiteral("https://tienda.es/m"));
    addLink(QStringLiteral("OTRO"), QStringLiteral("https://otro.es"));

    Statement search;
    search.line(u"Select * from direcciones")
        .line(u"Where ")
        .line(u" (titulo like ")
        .quoted(QStringLiteral("%27\"%"))
        .text(u" ) ");
    EXPECT_EQ(search.lines().last(), QStringLiteral(" (titulo like \"%27\"%\" ) "));
    EXPECT_EQ(titles(search), QStringList {QStringLiteral("MONITOR 27\" 4K")});

    // A value crafted to close the quote and add a condition changes nothing.
    Statement hostile;
    hostile.line(u"Select * from direcciones")
        .line(u"Where (titulo = ")
        .quoted(QStringLiteral("X\" or \"1\"=\"1"))
        .text(u")");
    EXPECT_TRUE(titles(hostile).isEmpty());

    Statement erase;
    erase.line(u"DELETE from direcciones")
        .line(u"Where titulo = ")
        .quoted(QStringLiteral("\" or 1=1 or titulo = \""));
    EXPECT_EQ(database.execute(erase), 0);
    Cursor count = database.query(QStringLiteral("select count(*) from direcciones"));
    ASSERT_TRUE(count.next());
    EXPECT_EQ(count.integer(0), 2);
}

TEST_F(StatementOnDatabase, TheSearchedTextBetweenPercentsIsTakenLiterally)
{
    for (const char16_t* title : {u"ABCD", u"AXCD", u"AÑCD", u"OFERTA 50%", u"OFERTA 50 EUROS", u"MI_CASA"})
        addLink(QString::fromUtf16(title), QString());
    const auto search = [this](const char16_t* pattern) {
        Statement statement;
        statement.line(u"Select * from direcciones")
            .line(u"Where (titulo like ")
            .quoted(QString::fromUtf16(pattern))
            .text(u")");
        return titles(statement);
    };
    // What the user types between the program's "%"s means itself.
    EXPECT_EQ(search(u"%50%%"), QStringList {s(u"OFERTA 50%")});
    EXPECT_EQ(search(u"%_%"), QStringList {s(u"MI_CASA")});
    EXPECT_EQ(search(u"%A_C%"), QStringList());
    // Other patterns keep the wildcards: "_" stands for one letter, also one of two bytes.
    EXPECT_EQ(search(u"A_CD"), QStringList({s(u"ABCD"), s(u"AXCD"), s(u"AÑCD")}));
    EXPECT_EQ(search(u"%C%D").size(), 3);
}

TEST_F(StatementOnDatabase, AnIdComparedWithQuotedTextFindsTheLink)
{
    for (int i = 1; i <= 20; ++i)
        addLink(QStringLiteral("L%1").arg(i), QString());
    Statement statement;
    statement.line(u"Select * from direcciones").line(u"Where ID = ").quoted(QStringLiteral("15"));
    EXPECT_EQ(titles(statement), QStringList {QStringLiteral("L15")});
}

TEST_F(StatementOnDatabase, UpperRaisesEveryLetter)
{
    addLink(QStringLiteral("A"), QStringLiteral("C:\\Música\\Ñandú.mp3"));
    addLink(QStringLiteral("B"), QStringLiteral("https://ejemplo.com/AÑO"));
    Statement statement;
    statement.line(u"Select * from direcciones")
        .line(u"Where (Upper(direccion) like ")
        .quoted(QStringLiteral("%ÑANDÚ%"))
        .text(u")");
    EXPECT_EQ(titles(statement), QStringList {QStringLiteral("A")});

    Cursor upper = database.query(QStringLiteral("select UPPER(?)"), {QStringLiteral("güero straße")});
    ASSERT_TRUE(upper.next());
    EXPECT_EQ(upper.text(0), QStringLiteral("GÜERO STRASSE"));
}

TEST_F(StatementOnDatabase, ColumnsAreFoundInAnyLetterCase)
{
    addLink(QStringLiteral("T"), QStringLiteral("D"));
    Cursor cursor = database.query(QStringLiteral("Select PRIORIDAD, Direccion from direcciones"));
    ASSERT_TRUE(cursor.next());
    EXPECT_EQ(cursor.text(u"prioridad"), QStringLiteral("000"));
    EXPECT_EQ(cursor.text(u"DIRECCION"), QStringLiteral("D"));
}

TEST_F(StatementOnDatabase, DatesSortNewestFirstWhateverTheLocale)
{
    const QDateTime older(QDate(2025, 12, 31), QTime(23, 0));
    const QDateTime newer(QDate(2026, 1, 2), QTime(1, 0));
    for (const auto& [title, when] :
        {std::pair {QStringLiteral("VIEJO"), older}, {QStringLiteral("NUEVO"), newer}}) {
        Statement insert;
        insert.line(u"INSERT INTO direcciones (titulo, fechahora) VALUES (")
            .quoted(title)
            .text(u", ")
            .quoted(when)
            .text(u")");
        database.execute(insert);
    }
    Statement list;
    list.line(u"Select * from direcciones").line(u"order by fechahora desc");
    EXPECT_EQ(titles(list), QStringList({QStringLiteral("NUEVO"), QStringLiteral("VIEJO")}));
    Cursor cursor = database.query(list);
    ASSERT_TRUE(cursor.next());
    EXPECT_EQ(cursor.dateTime(u"fechahora"), newer);
}
