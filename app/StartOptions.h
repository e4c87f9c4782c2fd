#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks of the program.
struct StartOptions
{
    QString databaseFile;
    bool newInstance = false;
    // Set when the program only answers on the terminal (help, version, a wrong option) and
    // ends with exitCode.
    std::optional<QString> answer;
    int exitCode = 0;
};

// Reads the arguments, the program's name first, without opening a window.
StartOptions readStartOptions(const QStringList& arguments);

// Where the catalogue lives: the file given on the command line; else Trevalia.abs next to
// the program when its folder can be written (a portable copy); else Trevalia.abs in the
// user's data folder, created when missing.
QString databaseLocation(const QString& given, const QString& programFolder, const QString& dataFolder);
