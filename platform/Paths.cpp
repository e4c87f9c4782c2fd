#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Paths {

QChar separatorOf(const QString& path)
{
    return path.startsWith(u'/') ? u'/' : u'\\';
}

qsizetype lastSeparator(const QString& path, qsizetype end)
{
    if (end < 0 || end > path.size())
        end = path.size();
    if (end == 0)
        return -1;
    return path.lastIndexOf(separatorOf(path), end - 1);
}

bool containsSeparator(const QString& path)
{
    return path.contains(separatorOf(path));
}

bool isProgram(const QString& path)
{
    if (path.toUpper().endsWith(QStringLiteral(".EXE")))
        return true;
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

QString programFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator();
}

} // namespace Paths
