#pragma once

#include <QStringList>

#include <functional>

// Finds files by name masks below a folder: the folder's own files first, then each
// subfolder in ascending order of its path (letter case ignored), each folder's files in
// ascending order. Masks are separated by ";" and take "*" and "?"; letter case is
// ignored and "*.*" matches every name. Hidden files count; folders are never results;
// symbolic links to folders are not followed. A folder that cannot be read gives nothing.
class TFileFinder
{
public:
    QString Directory;
    QString Filter = QStringLiteral("*.*");
    bool Recurse = false;
    // Called with each folder before it is listed; setting abort ends the search there.
    std::function<void(const QString& folder, bool& abort)> OnFolder;

    void Execute();
    const QStringList& FoundFiles() const { return m_found; }

private:
    QStringList m_found;
};

// Lets the window repaint and take input about every 50 ms while the finder works, telling
// showFolder the folder being searched; the search stops as soon as cancelled() is true.
void keepResponsive(TFileFinder& finder, std::function<bool()> cancelled,
    std::function<void(const QString& folder)> showFolder);
