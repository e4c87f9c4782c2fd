#include "store/ColourText.h"

#include <gtest/gtest.h>

TEST(ColourText, WritesNamesWhereTheyExistAndHexadecimalOtherwise)
{
    EXPECT_EQ(ColourText::toText(0x00FFFFFF), QStringLiteral("clWhite"));
    EXPECT_EQ(ColourText::toText(ColourText::rgb(255, 253, 242)), QStringLiteral("$00F2FDFF"));
    EXPECT_EQ(ColourText::toText(0xFF000018), QStringLiteral("clInfoBk"));
    EXPECT_EQ(ColourText::toText(0x00ABCDEF), QStringLiteral("$00ABCDEF"));
}

TEST(ColourText, ReadsNamesInAnyCaseAndNumbers)
{
    EXPECT_EQ(ColourText::fromText(QStringLiteral("CLRED")), 0x000000FFu);
    EXPECT_EQ(ColourText::fromText(QStringLiteral("clmenuhighlight")), 0xFF00001Du);
    EXPECT_EQ(ColourText::fromText(QStringLiteral("$00F2FDFF")), 0x00F2FDFFu);
    EXPECT_EQ(ColourText::fromText(QStringLiteral("$ff")), 0xFFu);
    EXPECT_EQ(ColourText::fromText(QStringLiteral("255")), 0xFFu);
    EXPECT_EQ(ColourText::fromText(QStringLiteral("-16777201")), 0xFF00000Fu);
    for (const char* bad : {"", "rojo", "$", "$1234567890", "12 ", "$-1", "clRed2"})
        EXPECT_FALSE(ColourText::fromText(QString::fromLatin1(bad))) << bad;
}

TEST(ColourText, EveryNameReadsBackToItsOwnValue)
{
    for (quint32 value : {0x00000000u, 0x00F0FBFFu, 0xFF000015u, 0x1FFFFFFFu, 0x20000000u}) {
        const QString text = ColourText::toText(value);
        EXPECT_FALSE(text.startsWith(u'$')) << text.toStdString();
        EXPECT_EQ(ColourText::fromText(text), value);
    }
}

TEST(ColourText, ScreenColours)
{
    QPalette palette;
    palette.setColor(QPalette::ToolTipBase, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Base, QColor(4, 5, 6));
    EXPECT_EQ(ColourText::toQColor(0x00F2FDFF, palette), QColor(255, 253, 242));
    EXPECT_EQ(ColourText::toQColor(0xFF000018, palette), QColor(1, 2, 3));
    EXPECT_EQ(ColourText::toQColor(0xFF000005, palette), QColor(4, 5, 6));
    EXPECT_EQ(ColourText::toQColor(ColourText::None, palette).alpha(), 0);
    EXPECT_FALSE(ColourText::toQColor(ColourText::Default, palette).isValid());
    EXPECT_FALSE(ColourText::toQColor(0xFF0000FF, palette).isValid());
}
