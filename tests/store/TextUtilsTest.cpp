#include "store/TextUtils.h"
#include "TestText.h"

#include <gtest/gtest.h>

TEST(TextUtils, TrimmingTouchesOnlySpaces)
{
    EXPECT_EQ(QuitarBlancos(s(u"  a b  ")), s(u"a b"));
    EXPECT_EQ(QuitarBlancos(s(u"    ")), QString());
    EXPECT_EQ(QuitarBlancos(s(u"\ta\n")), s(u"\ta\n"));
    EXPECT_EQ(QuitarBlancosDerecha(s(u"  a  ")), s(u"  a"));
    EXPECT_EQ(CompactarBlancos(s(u"  a   b  c ")), s(u"a b c"));
    EXPECT_EQ(CompactarBlancos(QString()), QString());
}

TEST(TextUtils, ExtraerTokenReadsGroupCodesAndVariableNames)
{
    EXPECT_EQ(ExtraerToken(s(u"WEB-Páginas web"), s(u"-"), 1, 1), s(u"WEB"));
    EXPECT_EQ(ExtraerToken(s(u"WEB -Páginas web"), s(u"-"), 1, 1), s(u"WEB "));
    EXPECT_EQ(ExtraerToken(s(u"SIN GUION  "), s(u"-"), 1, 1), s(u"SIN GUION"));
    EXPECT_EQ(ExtraerToken(s(u"%APPDATA%\\Datos"), s(u"%"), 2, 1), s(u"APPDATA"));
    EXPECT_EQ(ExtraerToken(s(u"C:\\100%cierto"), s(u"%"), 2, 1), s(u"cierto"));
    EXPECT_EQ(ExtraerToken(s(u"a-b"), s(u"-"), 3, 1), QString());
    EXPECT_EQ(ExtraerToken(QString(), s(u"-"), 1, 1), QString());
    EXPECT_EQ(ExtraerToken(s(u"a--c"), s(u"-"), 2, 1), QString());
    EXPECT_EQ(ExtraerToken(s(u"a--c"), s(u"-"), 3, 1), s(u"c"));
    EXPECT_EQ(ExtraerToken(s(u"  uno   dos tres "), s(u" "), 2, 2), s(u"dos tres"));
    // Leading spaces stay when the separator is not a space.
    EXPECT_EQ(ExtraerToken(s(u"  A-B"), s(u"-"), 1, 1), s(u"  A"));
}

TEST(TextUtils, ReemplazarReplacesEveryOccurrenceOnce)
{
    EXPECT_EQ(Reemplazar(s(u"C:\\Program Files (x86)\\App\\app.exe"), s(u" (x86)"), QString()),
        s(u"C:\\Program Files\\App\\app.exe"));
    EXPECT_EQ(Reemplazar(s(u"aaa"), s(u"a"), s(u"aa")), s(u"aaaaaa"));
    EXPECT_EQ(Reemplazar(s(u"Abc abc"), s(u"abc"), s(u"x")), s(u"Abc x"));
    EXPECT_EQ(Reemplazar(s(u"abc"), QString(), s(u"x")), s(u"abc"));
}

TEST(TextUtils, PriorityNormalisation)
{
    EXPECT_EQ(TextoANumero(s(u"  12  ")), 12);
    EXPECT_EQ(TextoANumero(s(u"1.000")), 1000);
    EXPECT_EQ(TextoANumero(QString()), 0);
    EXPECT_EQ(TextoANumero(s(u"12a")), 0);
    EXPECT_EQ(TextoANumero(s(u"-7")), -7);
    EXPECT_EQ(TextoANumero(s(u"+7")), 7);
    EXPECT_EQ(TextoANumero(s(u"+")), 0);
    EXPECT_EQ(TextoANumero(s(u"\t5")), 0);
    EXPECT_EQ(TextoANumero(s(u"2147483647")), 2147483647);
    EXPECT_EQ(TextoANumero(s(u"2147483648")), 0);
    EXPECT_EQ(TextoANumero(s(u"-2147483648")), -2147483647 - 1);
    EXPECT_EQ(TextoANumero(s(u"99999999999999999999")), 0);

    EXPECT_EQ(RellenarCeros(7, 3), s(u"007"));
    EXPECT_EQ(RellenarCeros(0, 3), s(u"000"));
    EXPECT_EQ(RellenarCeros(45, 3), s(u"045"));
    EXPECT_EQ(RellenarCeros(1234, 3), s(u"123"));
    EXPECT_EQ(RellenarCeros(-5, 3), s(u"0-5"));
    EXPECT_EQ(RellenarCeros(TextoANumero(s(u"12.5")), 3), s(u"125"));
}

TEST(TextUtils, RepetirTexto)
{
    EXPECT_EQ(RepetirTexto(s(u"ab"), 3), s(u"ababab"));
    EXPECT_EQ(RepetirTexto(s(u"ab"), 0), QString());
    EXPECT_EQ(RepetirTexto(s(u"ab"), -2), QString());
}

TEST(TextUtils, MayusculasEspRaisesOnlyItsListOfLetters)
{
    EXPECT_EQ(MayusculasEsp(s(u"piñón güero")), s(u"PIÑÓN GüERO"));
    EXPECT_EQ(MayusculasEsp(s(u"áéíóú àèìòù ç")), s(u"ÁÉÍÓÚ ÀÈÌÒÙ Ç"));
    EXPECT_EQ(MayusculasEsp(s(u"âäß 1ñ")), s(u"âäß 1Ñ"));
}

TEST(TextUtils, CarpetaDe)
{
    EXPECT_EQ(CarpetaDe(s(u"C:\\Datos\\enlaces.txt"), true), s(u"C:\\DATOS"));
    EXPECT_EQ(CarpetaDe(s(u"C:\\Datos\\enlaces.txt"), false), s(u"C:\\Datos"));
    EXPECT_EQ(CarpetaDe(s(u"enlaces.txt"), true), QString());
    EXPECT_EQ(CarpetaDe(s(u"/home/ana/año.txt"), true), s(u"/HOME/ANA"));
}

TEST(TextUtils, NombreFicheroMakesDisplayNames)
{
    EXPECT_EQ(NombreFichero(s(u"C:\\Documentos\\Cartas\\enero.doc")), s(u"enero"));
    EXPECT_EQ(NombreFichero(s(u"C:\\Documentos\\Cartas")), s(u"(Cartas)"));
    EXPECT_EQ(NombreFichero(s(u"ejemplo.com/precios")), s(u"ejemplo"));
    EXPECT_EQ(NombreFichero(s(u"https://ejemplo.com")), s(u"//ejemplo"));
    EXPECT_EQ(NombreFichero(s(u"/home/ana/notas.tar.gz")), s(u"notas.tar"));
    EXPECT_EQ(NombreFichero(s(u"/home/ana/Música")), s(u"(Música)"));
    // The extension text is cut at its first occurrence in the name.
    EXPECT_EQ(NombreFichero(s(u"C:\\a.b.a.b")), s(u"a"));
    EXPECT_EQ(NombreFichero(QString()), QString());
}

TEST(TextUtils, QuitarBarrasPathNeverExaminesTheLastCharacter)
{
    EXPECT_EQ(QuitarBarrasPath(s(u"C:\\Documentos\\Cartas")), s(u"(Cartas)"));
    EXPECT_EQ(QuitarBarrasPath(s(u"C:\\Documentos\\Cartas\\")), s(u"(Cartas\\)"));
    EXPECT_EQ(QuitarBarrasPath(s(u"C:\\")), s(u"C:\\"));
    EXPECT_EQ(QuitarBarrasPath(s(u"Documentos")), s(u"Documentos"));
    EXPECT_EQ(QuitarBarrasPath(s(u"C:\\   Mis datos")), s(u"(Mis datos)"));
    EXPECT_EQ(QuitarBarrasPath(s(u"/")), s(u"/"));
    EXPECT_EQ(QuitarBarrasPath(s(u"/srv/datos/")), s(u"(datos/)"));
    EXPECT_EQ(QuitarBarrasPath(QStringLiteral("C:\\") + QString(1200, u'x')).size(), 1002);
}

TEST(TextUtils, Windows1252)
{
    EXPECT_EQ(DecodeWindows1252("\x80 \xF1\xE1 \x93x\x94"), s(u"€ ñá “x”"));
}
