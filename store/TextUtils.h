#pragma once

#include <QString>

// The text and path routines shared by every window. Positions and lengths count
// characters; only the space (code 32) counts as a blank. None of them fails: every
// input, the empty text included, has a result.

QString QuitarBlancos(const QString& text);
QString QuitarBlancosDerecha(const QString& text);
QString CompactarBlancos(const QString& text);

// Tokens first to first+count-1 (counted from 1) joined by the separator.
QString ExtraerToken(const QString& text, const QString& separator, int first, int count);

// Every occurrence of searched (case included) replaced; replacements are not rescanned.
QString Reemplazar(const QString& text, const QString& searched, const QString& replacement);

// Whole number of the text without its dots and surrounding spaces; 0 when no number.
int TextoANumero(const QString& text);

// The value right-aligned in width characters, cut to width, spaces turned into "0".
QString RellenarCeros(int value, int width);

QString RepetirTexto(const QString& text, int count);

// Upper case the Spanish way: accented vowels, ñ, ç and a to z; nothing else changes.
QString MayusculasEsp(const QString& text);

// The folder part of a path, without its trailing separator; empty without one.
QString CarpetaDe(const QString& path, bool upper);

// The display name made from a path or address when no title is given.
QString NombreFichero(const QString& path);

// The path, or its last part between parentheses.
QString QuitarBarrasPath(const QString& path);

// Text in the Windows-1252 code page, the code page of Spanish Windows.
QString DecodeWindows1252(QByteArrayView bytes);
