#pragma once

#include <QDir>
#include <QTemporaryDir>

// A fresh folder for one test, removed with it; path() ends with the separator.
class TempFolder
{
public:
    QString path() const { return m_dir.path() + QDir::separator(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};
