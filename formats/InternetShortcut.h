#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Internet shortcut (.url) files: INI text whose [InternetShortcut] section holds the
// address on its "URL=" line. Read by hand: a generic INI reader mangles addresses.
namespace InternetShortcut {

// The address of the first "URL=" line of the [InternetShortcut] section: the whole rest of
// the line; empty when there is none.
QString address(const QString& text);

// The file's text: UTF-8 when it is valid UTF-8, Windows-1252 otherwise.
QString decode(const QByteArray& bytes);

// The address of the shortcut file at path, or empty.
QString readFile(const QString& path);

// The address by the intake's looser rule: the last line holding "URL=" anywhere (a
// "BASEURL=" line too), everything after its first "=". Empty when no line holds it;
// nothing when the file cannot be read.
std::optional<QString> lastUrlLine(const QString& path);

// The base addresses of the file at path, as the favourites import reads it: every line
// holding "BASEURL=" in any letter case, everything after its first "=". Nothing when the
// file cannot be read.
std::optional<QStringList> baseUrls(const QString& path);

} // namespace InternetShortcut
