#include "main/ListQuery.h"
#include "TestText.h"

#include <gtest/gtest.h>

namespace {
QStringList lines(const QString& text, bool addresses, const QString& selector, int order)
{
    return listStatement({text, addresses, selector, order}).lines();
}
} // namespace

TEST(ListQuery, TextSearchOverEveryLink)
{
    EXPECT_EQ(lines(s(u"BAN"), true, s(u"TODOS"), 0),
        QStringList({s(u"Select * from direcciones"), s(u"Where "), s(u" (titulo like \"%BAN%\" ) "),
            s(u"  or (Upper(direccion) like \"%BAN%\") "), s(u"order by prioridad desc, codgrupo, titulo")}));
    EXPECT_EQ(lines(s(u"BAN"), false, s(u"TODOS"), 1),
        QStringList({s(u"Select * from direcciones"), s(u"Where "), s(u" (titulo like \"%BAN%\" ) "),
            s(u"order by prioridad desc, titulo")}));
}

TEST(ListQuery, NoTextGivesOnlyTheSliceAndTheOrder)
{
    EXPECT_EQ(lines(QString(), true, s(u"TODOS"), 2),
        QStringList({s(u"Select * from direcciones"), s(u"order by fechahora desc")}));
    EXPECT_EQ(lines(QString(), true, s(u"FAVORITOS"), 0),
        QStringList({s(u"Select * from direcciones"), s(u"Where "), s(u" (tipo = \"F\") "),
            s(u"order by prioridad desc, codgrupo, titulo")}));
    EXPECT_EQ(lines(QString(), true, s(u"WEB"), 0),
        QStringList({s(u"Select * from direcciones"), s(u"Where "), s(u" (codgrupo = \"WEB\") "),
            s(u"order by prioridad desc, codgrupo, titulo")}));
    EXPECT_EQ(lines(QString(), false, QString(), 1),
        QStringList({s(u"Select * from direcciones"), s(u"Where "), s(u" (codgrupo = \"\") "),
            s(u"order by prioridad desc, titulo")}));
}

TEST(ListQuery, TheTextConditionIsEnclosedWhenASecondConditionFollows)
{
    EXPECT_EQ(lines(s(u"AÑO"), true, QString(), 2),
        QStringList({s(u"Select * from direcciones"), s(u"Where "), s(u"( (titulo like \"%AÑO%\" ) "),
            s(u"  or (Upper(direccion) like \"%AÑO%\") )"), s(u" and "), s(u" (codgrupo = \"\") "),
            s(u"order by fechahora desc")}));
    EXPECT_EQ(lines(s(u"X"), false, s(u"FAVORITOS"), 0),
        QStringList({s(u"Select * from direcciones"), s(u"Where "), s(u"( (titulo like \"%X%\" ) )"),
            s(u" and "), s(u" (tipo = \"F\") "), s(u"order by prioridad desc, codgrupo, titulo")}));
}

TEST(ListQuery, ColumnsReplaceTheStar)
{
    const Statement ids = listStatement({s(u"A\"B"), false, s(u"WEB"), 0}, u"id");
    EXPECT_EQ(ids.lines().first(), s(u"Select id from direcciones"));
    EXPECT_EQ(ids.values(), QVariantList({s(u"%A\"B%"), s(u"WEB")}));
}
