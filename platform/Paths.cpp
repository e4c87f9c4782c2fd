#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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
    // The execute bit alone is no sign: every file of a FAT or NTFS mount carries it.
    const QFileInfo info(path);
    if (!info.isFile() || !info.isExecutable())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray start = file.read(4);
    return start
        == QByteArrayLiteral("\x7F"
                             "ELF")
        || start.startsWith("#!");
}

bool canWrite(const QString& path)
{
    constexpr QFileDevice::Permissions AnyWrite
        = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    const QFileInfo info(path);
    return info.isWritable() && (info.permissions() & AnyWrite);
}

QString programFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator();
}

} // namespace Paths
