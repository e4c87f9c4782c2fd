#pragma once

#include <QString>

// Where the program's rules about paths meet the platform: addresses written for Windows
// keep their backslashes, while on Linux an address that begins with "/" is a local path
// whose separator is "/".
namespace Paths {

QChar separatorOf(const QString& path);

// Position of the last separator of the path (as separatorOf says) before position end
// (0-based, exclusive; the whole text when end is negative), or -1.
qsizetype lastSeparator(const QString& path, qsizetype end = -1);

bool containsSeparator(const QString& path);

// True for an address ending in ".EXE" and for an executable file that is a program: an
// ELF binary or a script that names its interpreter with "#!".
bool isProgram(const QString& path);

// Whether the file or folder may be written: by the system's answer and by its mode bits too,
// so that one with every write bit off counts as read-only for root as well.
bool canWrite(const QString& path);

// The folder of the running program with its trailing separator.
QString programFolder();

} // namespace Paths
