#include "components/FileFinder.h"

#include "platform/Paths.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>

#include <memory>
#include <set>

namespace {

QList<QRegularExpression> masksOf(const QString& filter)
{
    QList<QRegularExpression> masks;
    for (const QString& part : filter.split(u';')) {
        const QString mask = part.trimmed();
        if (mask.isEmpty())
            continue;
        const QString pattern = mask == QStringLiteral("*.*") ? QStringLiteral("*") : mask;
        masks << QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
            QRegularExpression::CaseInsensitiveOption);
    }
    return masks;
}

// Ascending without regard to letter case in the user's language; names that differ only
// in case (possible outside Windows) both stay, in a fixed order.
class PathOrder
{
public:
    PathOrder() { m_collator.setCaseSensitivity(Qt::CaseInsensitive); }

    bool operator()(const QString& a, const QString& b) const
    {
        const int order = m_collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    }

private:
    QCollator m_collator;
};

QString withSeparator(const QString& folder)
{
    const QChar separator = Paths::separatorOf(folder);
    return folder.endsWith(separator) ? folder : folder + separator;
}

} // namespace

void TFileFinder::Execute()
{
    m_found.clear();
    if (Directory.isEmpty())
        return;
    const QList<QRegularExpression> masks = masksOf(Filter);
    const PathOrder order;
    // Pending folders stay ordered as they are added: the first is always the next to visit.
    std::set<QString, PathOrder> pending(order);
    pending.insert(withSeparator(Directory));
    while (!pending.empty()) {
        const QString folder = withSeparator(*pending.begin());
        pending.erase(pending.begin());
        if (OnFolder) {
            bool abort = false;
            OnFolder(folder, abort);
            if (abort)
                return;
        }
        const QDir dir(folder);
        if (Recurse) {
            for (const QString& sub : dir.entryList(
                     QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System | QDir::NoSymLinks))
                pending.insert(folder + sub);
        }
        std::set<QString, PathOrder> files(order);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            for (const QRegularExpression& mask : masks) {
                if (mask.match(name).hasMatch()) {
                    files.insert(folder + name);
                    break;
                }
            }
        }
        m_found.append(QStringList(files.begin(), files.end()));
        if (!Recurse)
            return;
    }
}

void keepResponsive(TFileFinder& finder, std::function<bool()> cancelled,
    std::function<void(const QString& folder)> showFolder)
{
    auto sinceEvents = std::make_shared<QElapsedTimer>();
    sinceEvents->start();
    finder.OnFolder = [sinceEvents, cancelled = std::move(cancelled), showFolder = std::move(showFolder)](
                          const QString& folder, bool& abort) {
        if (sinceEvents->elapsed() > 50) {
            showFolder(folder);
            QCoreApplication::processEvents();
            sinceEvents->restart();
        }
        abort = cancelled();
    };
}
